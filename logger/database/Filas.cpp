#include "Filas.h"

#include "BaseDatos.h"
#include "Interno.h"

#include <algorithm>

using namespace bd_interno;

namespace {

QString Serie(const char* prefijo, size_t i) {
    return QString::fromLatin1(prefijo) + QString::number(i);
}

template <size_t N>
void LeeSerie(const ConjuntoRegistros& rs, const char* prefijo, size_t primero,
              std::array<bool, N>& destino) {
    for (size_t i = 0; i < N; ++i)
        destino[i] = rs.siNo(Serie(prefijo, i + primero));
}

template <size_t N>
void LeeSerie(const ConjuntoRegistros& rs, const char* prefijo, size_t primero,
              std::array<QString, N>& destino) {
    for (size_t i = 0; i < N; ++i)
        destino[i] = rs.texto(Serie(prefijo, i + primero));
}

template <size_t N>
void EscribeSerie(ConjuntoRegistros& rs, const char* prefijo, const std::array<QString, N>& origen) {
    for (size_t i = 0; i < N; ++i)
        rs.asigna(Serie(prefijo, i + 1), origen[i]);
}

ConjuntoRegistros PorNumero(BaseDatos& bd, const char* tabla, int numeroOrden) {
    return bd.abreConjunto(QStringLiteral("Select * From %1 Where NumeroOrden = %2")
                               .arg(QLatin1String(tabla), QString::number(numeroOrden)));
}

// The names of the summary's category fields, in CategoriasResumen order.
constexpr std::array<const char*, 9> CamposCategoria{"Categoria", "Banda",    "Potencia", "Modo", "Overlay",
                                                     "Asistido",  "Estacion", "Tx",       "Time"};

} // namespace

FilaConcurso LeeFilaConcurso(const ConjuntoRegistros& r) {
    FilaConcurso c;
    c.numeroOrden = r.entero("NumeroOrden");
    c.nombreConcurso = r.texto("NombreConcurso");
    c.edicion = r.texto("Edicion");
    c.indiceBanda = r.entero("IndiceBanda");
    c.indiceModo = r.entero("IndiceModo");
    LeeSerie(r, "Banda", 0, c.bandas);
    LeeSerie(r, "Modo", 0, c.modos);
    c.horaUTC = r.siNo("HoraUTC");
    c.horaUTCActual = r.texto("HoraUTCActual");
    c.ultimoNumEnviado = r.entero("UltimoNumEnviado");
    c.enviarNumeral = r.siNo("EnviarNumeral");
    c.enviarRst = r.siNo("EnviarRst");
    c.enviarSiglas = r.siNo("EnviarSiglas");
    c.enviarZonaCq = r.siNo("EnviarZonaCq");
    c.enviarPuntos = r.siNo("EnviarPuntos");
    c.enviarLocator = r.siNo("EnviarLocator");
    c.literalFijo = r.siNo("LiteralFijo");
    c.literalVariable = r.siNo("LiteralVariable");
    c.miLocator = r.texto("MiLocator");
    c.numeroPuntosEnviar = r.texto("NumeroPuntosEnviar");
    c.siglas = r.texto("Siglas");
    c.recibirRst = r.siNo("RecibirRst");
    c.recibirNumeral = r.siNo("RecibirNumeral");
    c.recibirSiglas = r.siNo("RecibirSiglas");
    c.recibirZonaCq = r.siNo("RecibirZonaCq");
    c.recibirPuntos = r.siNo("RecibirPuntos");
    c.recibirLocator = r.siNo("RecibirLocator");
    c.numeraloSiglas = r.siNo("NumeraloSiglas");
    c.noRepetir = r.siNo("NoRepetir");
    c.repetirEstacion = r.siNo("RepetirEstacion");
    c.repetirEnCadaBanda = r.siNo("RepetirEnCadaBanda");
    c.repetirEnCadaModo = r.siNo("RepetirEnCadaModo");
    c.repetirEnCadaHoras = r.siNo("RepetirEnCadaHoras");
    c.horasRepeticion = r.texto("HorasRepeticion");
    return c;
}

FilaIndicativo LeeFilaIndicativo(const ConjuntoRegistros& r) {
    FilaIndicativo e;
    e.numeroOrden = r.entero("NumeroOrden");
    e.indicativo = r.texto("Indicativo");
    e.operador = r.texto("Operador");
    e.direccion = r.texto("Direccion");
    e.poblacion = r.texto("Poblacion");
    e.pais = r.texto("Pais");
    return e;
}

FilaControl LeeFilaControl(const ConjuntoRegistros& r) {
    FilaControl c;
    c.ultimoConcurso = r.entero("UltimoConcurso");
    c.ultimoIndicativo = r.entero("UltimoIndicativo");
    c.concursoActivo = r.entero("ConcursoActivo");
    c.indicativoActivo = r.entero("IndicativoActivo");
    LeeSerie(r, "BandaUser", 1, c.nombres.bandas);
    LeeSerie(r, "ModoUser", 1, c.nombres.modos);
    LeeSerie(r, "TipoUser", 1, c.nombres.tipos);
    return c;
}

FilaResumen LeeFilaResumen(const ConjuntoRegistros& r) {
    FilaResumen s;
    s.numeroOrden = r.entero("NumeroOrden");
    s.formato = r.texto("FormatoCabrillo");
    for (size_t i = 0; i < CamposCategoria.size(); ++i)
        s.*CategoriasResumen[i] = r.texto(QString::fromLatin1(CamposCategoria[i]));
    s.email = r.texto("Email");
    s.operators = r.texto("Operators");
    auto& c = s.columnas;
    c.miIndicativo = r.entero("MiIndicativo");
    c.miRst = r.entero("MiRst");
    c.miNumero = r.entero("MiNumero");
    c.misLetras = r.entero("MisLetras");
    c.miLocator = r.entero("MiLocator");
    c.suIndicativo = r.entero("SuIndicativo");
    c.suRst = r.entero("SuRst");
    c.suNumero = r.entero("SuNumero");
    c.susLetras = r.entero("SusLetras");
    c.suLocator = r.entero("SuLocator");
    return s;
}

FilaConcurso LeeFilaConcurso(BaseDatos& bd, int numeroOrden) {
    const ConjuntoRegistros rs = PorNumero(bd, "Concursos", numeroOrden);
    if (!rs.eof()) return LeeFilaConcurso(rs);
    FilaConcurso c;
    c.numeroOrden = numeroOrden;
    return c;
}

FilaIndicativo LeeFilaIndicativo(BaseDatos& bd, int numeroOrden) {
    const ConjuntoRegistros rs = PorNumero(bd, "Indicativos", numeroOrden);
    if (!rs.eof()) return LeeFilaIndicativo(rs);
    FilaIndicativo e;
    e.numeroOrden = numeroOrden;
    return e;
}

FilaControl LeeFilaControl(BaseDatos& bd) {
    const ConjuntoRegistros rs = bd.abreConjunto(QStringLiteral("Control"));
    return rs.eof() ? FilaControl{} : LeeFilaControl(rs);
}

std::optional<FilaResumen> LeeFilaResumen(BaseDatos& bd, int numeroOrden) {
    const ConjuntoRegistros rs = PorNumero(bd, "ResumenCabrillo", numeroOrden);
    if (rs.eof()) return std::nullopt;
    return LeeFilaResumen(rs);
}

void EscribeNombresUser(ConjuntoRegistros& rs, const NombresUser& nombres) {
    EscribeSerie(rs, "BandaUser", nombres.bandas);
    EscribeSerie(rs, "ModoUser", nombres.modos);
    EscribeSerie(rs, "TipoUser", nombres.tipos);
}

void GuardaCampoConcurso(BaseDatos& bd, int numeroOrden, const QString& campo, const QVariant& valor) {
    const DefTabla def = bd.definicionTabla(QStringLiteral("Concursos"));
    const auto c = std::find_if(def.campos.begin(), def.campos.end(), [&](const DefCampo& d) {
        return d.nombre.compare(campo, Qt::CaseInsensitive) == 0;
    });
    if (c == def.campos.end())
        throw ErrorBD(QStringLiteral("No se encontró el elemento '%1' en esta colección.").arg(campo));
    const QVariant guardado = ParaGuardar(valor, *c);
    const QString id = Identificador(c->nombre);
    Sentencia s = Prepara(bd.conexion(), QStringLiteral("UPDATE Concursos SET %1 = ?1 WHERE NumeroOrden = ?2 "
                                                        "AND %1 IS NOT ?1")
                                             .arg(id));
    QByteArray texto;
    Enlaza(bd.conexion(), s.get(), 1, guardado, &texto);
    sqlite3_bind_int(s.get(), 2, numeroOrden);
    PasoFinal(bd.conexion(), s.get());
}
