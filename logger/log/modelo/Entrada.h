#pragma once
#include "Filas.h"
#include "Formatos.h"
#include "Qso.h"

#include <QDateTime>
#include <QString>

#include <array>
#include <functional>
#include <optional>

// The grid's columns, left to right as shown (NumeroQso last, hidden).
enum class Columna {
    FechaQso,
    HoraQso,
    Banda,
    Modo,
    Indicativo,
    RsRecibido,
    NumeralRecibido,
    LiteralRecibido,
    ControlRec,
    PuntosRecibidos,
    QraLocatorRecibido,
    RsEnviado,
    NumeralEnviado,
    LiteralEnviado,
    PuntosEnviados,
    QraLocatorEnviado,
    NumeroQso
};
inline constexpr int NumeroColumnas = 17;
// The dates of the grid, the date of the contacts and the repeat list: "10-12-2026".
inline const QString FormatoFecha = QStringLiteral("dd-MM-yyyy");
inline int Indice(Columna c) {
    return static_cast<int>(c);
}
// The columns that take keys, left to right (all but the hidden NumeroQso).
inline constexpr std::array<Columna, NumeroColumnas - 1> ColumnasTecleadas{Columna::FechaQso,
                                                                           Columna::HoraQso,
                                                                           Columna::Banda,
                                                                           Columna::Modo,
                                                                           Columna::Indicativo,
                                                                           Columna::RsRecibido,
                                                                           Columna::NumeralRecibido,
                                                                           Columna::LiteralRecibido,
                                                                           Columna::ControlRec,
                                                                           Columna::PuntosRecibidos,
                                                                           Columna::QraLocatorRecibido,
                                                                           Columna::RsEnviado,
                                                                           Columna::NumeralEnviado,
                                                                           Columna::LiteralEnviado,
                                                                           Columna::PuntosEnviados,
                                                                           Columna::QraLocatorEnviado};

struct InfoColumna {
    const char* nombre;   // objectName stem: "Indicativo" gives Indicativo_3
    int longitud;         // maximum length typed, never more than the stored field holds
    const char* cabecera; // header label
    const char* lado;     // "recibido"/"enviado" where two columns share a header, else empty
    int guardado;         // characters of the stored field (ControlRec is stored as the literal)
    const char* dato;     // the field named in its messages: "el INDICATIVO"
    const char* titulo;   // the title of its messages
};
const std::array<InfoColumna, NumeroColumnas>& Columnas();
// The column's header and, where two columns share it, its side: "INDICATIVO", "RST recibido".
QString Cabecera(Columna c);
// "INDICATIVO fila 3", "RST recibido fila 3".
QString NombreAccesible(Columna c, int fila);
// The column's control name ("FechaQso"); the repeat panel adds "Rep".
QString NombreColumna(Columna c);

// The texts of one grid row, by column.
struct TextosFila : std::array<QString, NumeroColumnas> {
    using std::array<QString, NumeroColumnas>::operator[];
    QString& operator[](Columna c) { return (*this)[static_cast<size_t>(Indice(c))]; }
    const QString& operator[](Columna c) const { return (*this)[static_cast<size_t>(Indice(c))]; }
};
// A stored QSO's fields in the columns they come from, as stored (date "dd-mm-yyyy", empty when
// there is none); with NumeraloSiglas ControlRec holds the received literal.
TextosFila FilaDeQso(const Qso& q, bool numeraloSiglas);
// MuestraContacto: what each column shows of a stored QSO; nullopt leaves the column as it was
// (an empty date). With NumeraloSiglas, ControlRec shows the received literal.
std::array<std::optional<QString>, NumeroColumnas> TextosDeQso(const Qso& q, bool numeraloSiglas);
// The QSO a row holds, for storing (date "dd-mm-yyyy"; the number from the NumeroQso column). A
// received serial given as "-" (nothing received) is stored empty. With NumeraloSiglas the row is
// the one the checks gave back, whose LiteralRecibido holds what ControlRec took.
Qso QsoDeFila(const TextosFila& fila, int numeroOrden);

// The report proposed for a mode; `previo` when the mode has no form of its own (AM, user
// modes 9 and 10).
QString RstPorDefecto(const QString& modoActual, int indiceModo, bool opcionSeleccionada,
                      const NombresUser& nombres, const QString& previo);

// Date "dd-mm-yyyy" and time "hh:mm" of an entry line typed in real time: the clock's local time,
// or its UTC in a UTC contest.
struct MomentoQso {
    QString fecha, hora;
};
MomentoQso MomentoEntrada(const QDateTime& momento);

// PreparaEnvio: the sent exchange's fixed parts and the entry locks of the entry line. A column
// without a text keeps its text; one without a lock keeps its lock.
struct Preparacion {
    std::array<std::optional<QString>, NumeroColumnas> texto;
    std::array<std::optional<bool>, NumeroColumnas> bloqueo;
};
struct ContextoEnvio {
    bool numeracionPorBanda = false;
    int ultimoSerieBanda = 0;                    // UltimoNumeroBanda of the current band
    std::function<int()> ultimoNumeroRecibido{}; // asked only for "LZ-OPEN-CW"
    QString horaQso{};                           // the entry line's time
};
Preparacion PreparaEnvio(const FilaConcurso& d, const ContextoEnvio& c);
