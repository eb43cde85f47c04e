#include "Filas.h"

#include "BaseDatos.h"
#include "Interno.h"

#include <algorithm>
#include <initializer_list>
#include <type_traits>

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

// Fields of one kind into their members: null reads as 0, "" or false.
template <class Fila, class Valor>
void LeeCampos(const ConjuntoRegistros& rs, Fila& fila,
               std::initializer_list<std::pair<const char*, Valor Fila::*>> campos) {
    for (const auto& [nombre, miembro] : campos) {
        const QString campo = QString::fromLatin1(nombre);
        if constexpr (std::is_same_v<Valor, bool>)
            fila.*miembro = rs.siNo(campo);
        else if constexpr (std::is_same_v<Valor, int>)
            fila.*miembro = rs.entero(campo);
        else
            fila.*miembro = rs.texto(campo);
    }
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
    using F = FilaConcurso;
    F c;
    LeeCampos<F, int>(r, c,
                      {{"NumeroOrden", &F::numeroOrden},
                       {"IndiceBanda", &F::indiceBanda},
                       {"IndiceModo", &F::indiceModo},
                       {"UltimoNumEnviado", &F::ultimoNumEnviado}});
    LeeCampos<F, QString>(r, c,
                          {{"NombreConcurso", &F::nombreConcurso},
                           {"Edicion", &F::edicion},
                           {"HoraUTCActual", &F::horaUTCActual},
                           {"MiLocator", &F::miLocator},
                           {"NumeroPuntosEnviar", &F::numeroPuntosEnviar},
                           {"Siglas", &F::siglas},
                           {"HorasRepeticion", &F::horasRepeticion}});
    LeeCampos<F, bool>(r, c,
                       {{"HoraUTC", &F::horaUTC},
                        {"EnviarNumeral", &F::enviarNumeral},
                        {"EnviarRst", &F::enviarRst},
                        {"EnviarSiglas", &F::enviarSiglas},
                        {"EnviarZonaCq", &F::enviarZonaCq},
                        {"EnviarPuntos", &F::enviarPuntos},
                        {"EnviarLocator", &F::enviarLocator},
                        {"LiteralFijo", &F::literalFijo},
                        {"LiteralVariable", &F::literalVariable},
                        {"RecibirRst", &F::recibirRst},
                        {"RecibirNumeral", &F::recibirNumeral},
                        {"RecibirSiglas", &F::recibirSiglas},
                        {"RecibirZonaCq", &F::recibirZonaCq},
                        {"RecibirPuntos", &F::recibirPuntos},
                        {"RecibirLocator", &F::recibirLocator},
                        {"NumeraloSiglas", &F::numeraloSiglas},
                        {"NoRepetir", &F::noRepetir},
                        {"RepetirEstacion", &F::repetirEstacion},
                        {"RepetirEnCadaBanda", &F::repetirEnCadaBanda},
                        {"RepetirEnCadaModo", &F::repetirEnCadaModo},
                        {"RepetirEnCadaHoras", &F::repetirEnCadaHoras}});
    LeeSerie(r, "Banda", 0, c.bandas);
    LeeSerie(r, "Modo", 0, c.modos);
    return c;
}

FilaIndicativo LeeFilaIndicativo(const ConjuntoRegistros& r) {
    using F = FilaIndicativo;
    F e;
    e.numeroOrden = r.entero("NumeroOrden");
    LeeCampos<F, QString>(r, e,
                          {{"Indicativo", &F::indicativo},
                           {"Operador", &F::operador},
                           {"Direccion", &F::direccion},
                           {"Poblacion", &F::poblacion},
                           {"Pais", &F::pais}});
    return e;
}

FilaControl LeeFilaControl(const ConjuntoRegistros& r) {
    using F = FilaControl;
    F c;
    LeeCampos<F, int>(r, c,
                      {{"UltimoConcurso", &F::ultimoConcurso},
                       {"UltimoIndicativo", &F::ultimoIndicativo},
                       {"ConcursoActivo", &F::concursoActivo},
                       {"IndicativoActivo", &F::indicativoActivo}});
    LeeSerie(r, "BandaUser", 1, c.nombres.bandas);
    LeeSerie(r, "ModoUser", 1, c.nombres.modos);
    LeeSerie(r, "TipoUser", 1, c.nombres.tipos);
    return c;
}

FilaResumen LeeFilaResumen(const ConjuntoRegistros& r) {
    FilaResumen s;
    s.numeroOrden = r.entero("NumeroOrden");
    LeeCampos<FilaResumen, QString>(r, s,
                                    {{"FormatoCabrillo", &FilaResumen::formato},
                                     {"Email", &FilaResumen::email},
                                     {"Operators", &FilaResumen::operators}});
    for (size_t i = 0; i < CamposCategoria.size(); ++i)
        s.*CategoriasResumen[i] = r.texto(QString::fromLatin1(CamposCategoria[i]));
    using C = ColumnasResumen;
    LeeCampos<C, int>(r, s.columnas,
                      {{"MiIndicativo", &C::miIndicativo},
                       {"MiRst", &C::miRst},
                       {"MiNumero", &C::miNumero},
                       {"MisLetras", &C::misLetras},
                       {"MiLocator", &C::miLocator},
                       {"SuIndicativo", &C::suIndicativo},
                       {"SuRst", &C::suRst},
                       {"SuNumero", &C::suNumero},
                       {"SusLetras", &C::susLetras},
                       {"SuLocator", &C::suLocator}});
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
