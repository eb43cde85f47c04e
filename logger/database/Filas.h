#pragma once
// The catalogue's rows as typed values: one mapping per table, read once, as Qso is for the log.
#include <QString>
#include <QVariant>

#include <array>
#include <optional>

class BaseDatos;
class ConjuntoRegistros;

// A Concursos row: the contest's exchange, repeat rules, bands, modes and serial.
struct FilaConcurso {
    int numeroOrden = 0;
    QString nombreConcurso, edicion;
    int indiceBanda = 0, indiceModo = 0;
    std::array<bool, 16> bandas{}; // Banda0..15
    std::array<bool, 18> modos{};  // Modo0..17
    bool horaUTC = false;
    QString horaUTCActual;
    int ultimoNumEnviado = 0;
    bool enviarNumeral = false, enviarRst = false, enviarSiglas = false, enviarZonaCq = false,
         enviarPuntos = false, enviarLocator = false;
    bool literalFijo = false, literalVariable = false;
    QString miLocator, numeroPuntosEnviar, siglas;
    bool recibirRst = false, recibirNumeral = false, recibirSiglas = false, recibirZonaCq = false,
         recibirPuntos = false, recibirLocator = false, numeraloSiglas = false;
    bool noRepetir = false, repetirEstacion = false, repetirEnCadaBanda = false, repetirEnCadaModo = false,
         repetirEnCadaHoras = false;
    QString horasRepeticion;

    bool operator==(const FilaConcurso&) const = default;
};

// An Indicativos row: the station a log is kept for.
struct FilaIndicativo {
    int numeroOrden = 0;
    QString indicativo, operador, direccion, poblacion, pais;

    bool operator==(const FilaIndicativo&) const = default;
};

// The names of the three user bands and ten user modes, and the report proposed for each user mode.
struct NombresUser {
    std::array<QString, 3> bandas; // BandaUser1..3
    std::array<QString, 10> modos; // ModoUser1..10
    std::array<QString, 10> tipos; // TipoUser1..10

    bool operator==(const NombresUser&) const = default;
};

// The Control row.
struct FilaControl {
    int ultimoConcurso = 0, ultimoIndicativo = 0, concursoActivo = 0, indicativoActivo = 0;
    NombresUser nombres;

    bool operator==(const FilaControl&) const = default;
};

// 1-based start columns of the Cabrillo QSO line; 0 = item absent.
struct ColumnasResumen {
    int miIndicativo = 0, miRst = 0, miNumero = 0, misLetras = 0, misPuntos = 0, miLocator = 0;
    int suIndicativo = 0, suRst = 0, suNumero = 0, susLetras = 0, susPuntos = 0, suLocator = 0;
    bool operator==(const ColumnasResumen&) const = default;
};

// A ResumenCabrillo row: the contest's Cabrillo summary. Null texts read as empty, null columns as 0.
struct FilaResumen {
    int numeroOrden = 0;
    QString formato;
    QString categoria, banda, potencia, modo, overlay, asistido, estacion, tx, time;
    QString email, operators;
    ColumnasResumen columnas;

    bool operator==(const FilaResumen&) const = default;
};
// The nine category fields in the row's order.
inline constexpr std::array<QString FilaResumen::*, 9> CategoriasResumen{
    &FilaResumen::categoria, &FilaResumen::banda,   &FilaResumen::potencia,
    &FilaResumen::modo,      &FilaResumen::overlay, &FilaResumen::asistido,
    &FilaResumen::estacion,  &FilaResumen::tx,      &FilaResumen::time};

// The mappings from the current row of a set of the table.
FilaConcurso LeeFilaConcurso(const ConjuntoRegistros& rs);
FilaIndicativo LeeFilaIndicativo(const ConjuntoRegistros& rs);
FilaControl LeeFilaControl(const ConjuntoRegistros& rs);
FilaResumen LeeFilaResumen(const ConjuntoRegistros& rs);

// The rows by number; a missing contest or station reads as an empty row of that number, a missing
// summary as none, a missing Control row as an empty one.
FilaConcurso LeeFilaConcurso(BaseDatos& bd, int numeroOrden);
FilaIndicativo LeeFilaIndicativo(BaseDatos& bd, int numeroOrden);
FilaControl LeeFilaControl(BaseDatos& bd);
std::optional<FilaResumen> LeeFilaResumen(BaseDatos& bd, int numeroOrden);

// The user names into the Control row being edited, as given.
void EscribeNombresUser(ConjuntoRegistros& rs, const NombresUser& nombres);

// One field of the contest's row set to `valor`, checked as a write through a set is; nothing is
// written when the field holds it already. Joins the caller's transaction.
void GuardaCampoConcurso(BaseDatos& bd, int numeroOrden, const QString& campo, const QVariant& valor);
