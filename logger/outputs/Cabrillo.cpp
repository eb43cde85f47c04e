#include "Cabrillo.h"

#include "BandasModos.h"
#include "ConcursosNombrados.h"
#include "Formatos.h"
#include "Indicativos.h"
#include "TextoWindows.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>

#include <cstdio>
#include <optional>

namespace cabrillo {

namespace {

constexpr int ColumnaIndicativo = 31;
constexpr int AnchoIndicativo = 14, AnchoRst = 4, AnchoNumero = 5, AnchoPuntos = 5, AnchoLocator = 7;

const QString CrLf = QStringLiteral("\r\n");

QString Numero(int n) {
    return QString::number(n);
}

// Places each present item where the previous present one ends.
class Cursor {
public:
    Cursor(int inicio, int ancho) : inicio_(inicio), ancho_(ancho) {}
    int siguiente() const { return inicio_ + ancho_; }
    int coloca(bool presente, int ancho) {
        if (!presente) return 0;
        inicio_ = siguiente();
        ancho_ = ancho;
        return inicio_;
    }

private:
    int inicio_, ancho_;
};

// Each item from its own column, or one blank after the item before it when that one reaches the
// column: a long value moves the rest of the line on instead of running into the next item.
QString ComponeLinea(std::vector<ItemLinea>& items) {
    std::stable_sort(items.begin(), items.end(),
                     [](const ItemLinea& a, const ItemLinea& b) { return a.columna < b.columna; });
    QString linea;
    linea.reserve(128);
    for (const ItemLinea& item : items) {
        if (item.texto.isEmpty()) continue;
        const qsizetype inicio =
            std::max<qsizetype>(item.columna - 1, linea.isEmpty() ? 0 : linea.size() + 1);
        linea.resize(inicio, u' ');
        linea += item.texto;
    }
    qsizetype fin = linea.size();
    while (fin > 0 && linea[fin - 1] == u' ')
        --fin;
    linea.truncate(fin);
    return linea;
}

// "7" gives "007"; a text that is no number stays as it is.
QString TresCifras(const QString& valor) {
    bool ok = false;
    const int n = valor.trimmed().toInt(&ok);
    return ok && n >= 0 ? QStringLiteral("%1").arg(n, 3, 10, QLatin1Char('0')) : valor;
}

// A present item with an empty value still takes its place, so readers keep the columns aligned.
QString OGuion(const QString& valor) {
    return valor.isEmpty() ? QStringLiteral("-") : valor;
}

bool Presente(const QString& valor) {
    return !EsNoAplicable(valor) && !valor.isEmpty();
}

// Cabrillo separates operators by blanks; the panel asks for commas.
QString Operadores(const QString& texto) {
    static const QRegularExpression comas(QStringLiteral("\\s*,\\s*"));
    return QString(texto).replace(comas, QStringLiteral(" ")).trimmed();
}

QString BaseDe(const QString& indicativo) {
    QString base = indicativo, resto;
    SeparaIndicativo(base, resto);
    return base;
}

} // namespace

QString CampoOrden(Orden orden) {
    switch (orden) {
    case Orden::NumeralRecibido:
        return QStringLiteral("NumeralRecibido");
    case Orden::LiteralRecibido:
        return QStringLiteral("LiteralRecibido");
    case Orden::NumeroQso:
        break;
    }
    return QStringLiteral("NumeroQso");
}

std::array<QString, 16> TextosBandas(BaseDatos& bd) {
    std::array<QString, 16> textos;
    for (const auto& b : TablaBandas())
        textos[static_cast<size_t>(b.indice)] = NombreBanda(b.indice);
    const NombresUser nombres = LeeFilaControl(bd).nombres;
    for (const auto& b : TablaBandas()) {
        if (!b.deUsuario) continue;
        const QString nombre = nombres.bandas[static_cast<size_t>(b.indice - PrimeraBandaUser)].trimmed();
        if (!nombre.isEmpty()) textos[static_cast<size_t>(b.indice)] = nombre;
    }
    return textos;
}

AnchosLiterales CalculaAnchoLiterales(BaseDatos& bd, int numeroOrden) {
    AnchosLiterales a;
    auto rs = bd.abreConjunto("Select max(length(LiteralEnviado)) As E, max(length(LiteralRecibido)) As R "
                              "From Contactos Where NumeroOrden = " +
                              Numero(numeroOrden));
    if (!rs.eof()) {
        a.enviado = std::max(a.enviado, rs.valor(0).toInt());
        a.recibido = std::max(a.recibido, rs.valor(1).toInt());
    }
    return a;
}

ColumnasResumen CalculaColumnasEnviadas(const FilaConcurso& i, const AnchosLiterales& a) {
    ColumnasResumen c;
    c.miIndicativo = ColumnaIndicativo;
    Cursor cur(ColumnaIndicativo, AnchoIndicativo);
    c.miRst = cur.coloca(i.enviarRst, AnchoRst);
    c.miNumero = cur.coloca(i.enviarNumeral, AnchoNumero);
    c.misLetras = cur.coloca(i.enviarSiglas || i.enviarZonaCq, a.enviado + 1);
    c.misPuntos = cur.coloca(i.enviarPuntos, AnchoPuntos);
    c.miLocator = cur.coloca(i.enviarLocator, AnchoLocator);
    return c;
}

void CalculaColumnasRecibidas(const FilaConcurso& i, const AnchosLiterales& a, ColumnasResumen& c) {
    // The received side starts where the last present sent item ends.
    Cursor cur(ColumnaIndicativo, AnchoIndicativo);
    const std::array<std::pair<int, int>, 5> enviadas{{{c.miRst, AnchoRst},
                                                       {c.miNumero, AnchoNumero},
                                                       {c.misLetras, a.enviado + 1},
                                                       {c.misPuntos, AnchoPuntos},
                                                       {c.miLocator, AnchoLocator}}};
    for (const auto& [columna, ancho] : enviadas)
        if (columna > 0) cur = Cursor(columna, ancho);
    c.suIndicativo = cur.siguiente();
    cur = Cursor(c.suIndicativo, AnchoIndicativo);
    c.suRst = cur.coloca(i.recibirRst, AnchoRst);
    c.suNumero = cur.coloca(!i.numeraloSiglas && i.recibirNumeral, AnchoNumero);
    c.susLetras = cur.coloca(i.recibirSiglas || i.recibirZonaCq, a.recibido + 1);
    c.susPuntos = cur.coloca(i.recibirPuntos, AnchoPuntos);
    c.suLocator = cur.coloca(i.recibirLocator, AnchoLocator);
}

void GuardaColumnas(BaseDatos& bd, int numeroOrden, const ColumnasResumen& c) {
    BaseDatos::Transaccion t(bd);
    auto rs = bd.abreConjunto("Select * From ResumenCabrillo Where NumeroOrden = " + Numero(numeroOrden));
    if (rs.eof()) {
        rs.anade();
        rs.asigna("NumeroOrden", numeroOrden);
    } else {
        rs.edita();
    }
    rs.asigna("MiIndicativo", c.miIndicativo);
    rs.asigna("MiRst", c.miRst);
    rs.asigna("MiNumero", c.miNumero);
    rs.asigna("MisLetras", c.misLetras);
    rs.asigna("MiLocator", c.miLocator);
    rs.asigna("SuIndicativo", c.suIndicativo);
    rs.asigna("SuRst", c.suRst);
    rs.asigna("SuNumero", c.suNumero);
    rs.asigna("SusLetras", c.susLetras);
    rs.asigna("SuLocator", c.suLocator);
    rs.actualiza();
    t.confirma();
}

bool CopiaContactosListados(BaseDatos& bd, int numeroOrden, const QString& banda, bool porBanda,
                            Orden orden) {
    QString where = " Where NumeroOrden = " + Numero(numeroOrden);
    if (porBanda) where += " And Banda = " + Comillas(banda);
    BaseDatos::Transaccion t(bd);
    bd.ejecuta("Insert Into Listados Select * From Contactos" + where + " Order by " + CampoOrden(orden));
    auto rs = bd.abreConjunto("Select count(*) From Listados" + where);
    const bool copiados = !rs.eof() && rs.valor(0).toInt() > 0;
    t.confirma();
    return copiados;
}

QString NombreCabrillo(const QString& nombreConcurso) {
    const qsizetype parentesis = nombreConcurso.indexOf(QLatin1Char('('));
    return (parentesis >= 0 ? nombreConcurso.left(parentesis) : nombreConcurso).trimmed();
}

bool EsNoAplicable(const QString& valor) {
    return valor.toUpper() == QString::fromLatin1(NoAplicable).toUpper();
}

QString CategoriaCombinada(const FilaResumen& r) {
    QStringList partes;
    for (const QString* v : {&r.categoria, &r.banda, &r.potencia, &r.modo})
        if (!EsNoAplicable(*v)) partes << *v;
    return partes.join(u' ');
}

QStringList CabeceraCabrillo(const FilaResumen& r, const QString& nombreConcurso, const QString& indicativo,
                             const FilaIndicativo& estacion, const QString& versionPrograma) {
    // A summary with no known format is shown by the panel with the 2.0 values: write it as 2.0.
    const bool v30 = r.formato == QLatin1String(FormatoCabrillo30);
    const bool especial = r.formato == QLatin1String(FormatoEspecial);
    const bool v20 = !v30 && !especial;
    const bool ref = nombreConcurso.startsWith(QLatin1String("REF-"));
    const QString combinada = CategoriaCombinada(r);

    QStringList l;
    l << (v30 ? QStringLiteral("START-OF-LOG: 3.0") : QStringLiteral("START-OF-LOG: 2.0"));
    l << (v30 ? QStringLiteral("LOCATION: DX") : QStringLiteral("ARRL-SECTION: DX"));
    if (ref) l << QStringLiteral("REF-SECTION: DX");
    l << "CONTEST: " + nombreConcurso;
    l << "CALLSIGN: " + indicativo;
    if (v20 && !combinada.isEmpty()) l << "CATEGORY: " + combinada;
    if (especial && !EsNoAplicable(r.categoria)) l << "CATEGORY: " + r.categoria;
    if (v30) {
        if (Presente(r.categoria)) l << "CATEGORY-OPERATOR: " + r.categoria;
        const std::array<std::pair<const char*, const QString*>, 7> lineas{
            {{"CATEGORY-ASSISTED: ", &r.asistido},
             {"CATEGORY-BAND: ", &r.banda},
             {"CATEGORY-MODE: ", &r.modo},
             {"CATEGORY-POWER: ", &r.potencia},
             {"CATEGORY-STATION: ", &r.estacion},
             {"CATEGORY-TIME: ", &r.time},
             {"CATEGORY-TRANSMITTER: ", &r.tx}}};
        for (const auto& [prefijo, valor] : lineas)
            if (Presente(*valor)) l << QLatin1String(prefijo) + *valor;
    }
    if (Presente(r.overlay)) l << "CATEGORY-OVERLAY: " + r.overlay;
    l << "EMAIL: " + r.email;
    l << "OPERATORS: " + Operadores(r.operators);
    l << QStringLiteral("CLAIMED-SCORE:");
    l << QStringLiteral("CLUB: ");
    l << "CREATED-BY: XkLumoCon Version " + versionPrograma;
    l << "NAME: " + estacion.operador;
    l << "ADDRESS: " + estacion.direccion;
    l << "ADDRESS: " + estacion.poblacion;
    l << "ADDRESS: " + estacion.pais;
    if (ref && combinada.startsWith(QLatin1String("SINGLE-OP")))
        l << QStringLiteral("OFFTIME: yyyy-mm-dd hhmm yyyy-mm-dd hhmm yyyy-mm-dd hhmm yyyy-mm-dd hhmm "
                            "yyyy-mm-dd hhmm yyyy-mm-dd hhmm ");
    l << "SOAPBOX: " + nombreConcurso;
    return l;
}

QString FrecuenciaLinea(const Qso& q) {
    // Above 30 MHz Cabrillo names the band, not the frequency.
    const double hz = FrecuenciaHz(q);
    if (hz > 0 && hz < 30e6) return QString::number(qRound64(hz / 1000));
    return FrecuenciaCabrillo(q.banda);
}

void EscribeIntercambioQSO(std::vector<ItemLinea>& items, const QString& indicativoEnviado,
                           const FilaResumen& r, const FilaConcurso& i, const Qso& q) {
    const ColumnasResumen& c = r.columnas;
    auto item = [&](int columna, bool presente, const QString& valor) {
        if (columna > 0 && presente) items.push_back({columna, TextoAscii(OGuion(valor))});
    };
    item(c.miIndicativo, true, indicativoEnviado);
    item(c.miRst, i.enviarRst, q.rstEnviado);
    item(c.miNumero, i.enviarNumeral, TresCifras(q.numeralEnviado));
    item(c.misLetras, i.enviarSiglas || i.enviarZonaCq, q.literalEnviado);
    item(c.miLocator, i.enviarLocator, q.locatorEnviado);
    item(c.suIndicativo, true, q.indicativo);
    item(c.suRst, i.recibirRst, q.rstRecibido);
    item(c.suNumero, !i.numeraloSiglas && i.recibirNumeral, TresCifras(q.numeralRecibido));
    item(c.susLetras, i.recibirSiglas || i.recibirZonaCq,
         i.numeraloSiglas ? TresCifras(q.literalRecibido) : q.literalRecibido);
    item(c.suLocator, i.recibirLocator, q.locatorRecibido);
}

QString LineaQso(const Qso& q, const QString& indicativoEnviado, const FilaResumen& r,
                 const FilaConcurso& i) {
    std::vector<ItemLinea> items;
    items.reserve(15);
    items.push_back({1, QStringLiteral("QSO:")});
    items.push_back({6, TextoAscii(FrecuenciaLinea(q)).rightJustified(5)});
    items.push_back({12, TextoAscii(ModoCabrillo(q.modo, r.formato == QLatin1String(FormatoCabrillo30)))});
    if (q.fecha.isValid()) {
        // Formatted by hand: the locale machinery of QDate::toString costs more than the line.
        char fecha[16];
        std::snprintf(fecha, sizeof fecha, "%04d-%02d-%02d", q.fecha.year(), q.fecha.month(), q.fecha.day());
        items.push_back({15, QString::fromLatin1(fecha)});
    }
    items.push_back({26, TextoAscii(q.hora.left(2) + q.hora.right(2))});
    EscribeIntercambioQSO(items, indicativoEnviado, r, i, q);
    return ComponeLinea(items);
}

QStringList LineasFichero(const std::vector<Qso>& qsos, const FilaResumen& r, const FilaConcurso& c,
                          const FilaIndicativo& estacion, const QString& versionPrograma) {
    // The log checker matches QSOs by the callsign used on air, portable part included.
    QStringList l =
        CabeceraCabrillo(r, NombreCabrillo(c.nombreConcurso), estacion.indicativo, estacion, versionPrograma);
    l.reserve(l.size() + static_cast<qsizetype>(qsos.size()) + 1);
    for (const Qso& q : qsos)
        l << LineaQso(q, estacion.indicativo, r, c);
    l << QStringLiteral("END-OF-LOG:");
    return l;
}

bool EscribeFicheroCabrillo(BaseDatos& bd, const FilaConcurso& c, const FilaIndicativo& estacion, Orden orden,
                            const QString& nombre, const QString& versionPrograma) {
    std::vector<Qso> qsos;
    bd.recorre("Select * From Listados Where NumeroOrden = " + Numero(c.numeroOrden) + " Order By " +
                   CampoOrden(orden),
               [&, lector = std::optional<LectorQso>()](const ConjuntoRegistros& rs) mutable {
                   if (!lector) lector.emplace(rs);
                   qsos.push_back(lector->lee(rs));
               });
    if (qsos.empty()) return false;
    const QStringList lineas = LineasFichero(qsos, LeeFilaResumen(bd, c.numeroOrden).value_or(FilaResumen{}),
                                             c, estacion, versionPrograma);
    QString error;
    if (!EscribeArchivoTexto(QDir::current().filePath(nombre + ".LOG"), lineas, &error, Codificacion::Ascii))
        throw ErrorBD(MensajeEscrituraFallida(nombre + ".LOG", error));
    return true;
}

QStringList MuestraFicheroLog(const QString& nombre) {
    QStringList lineas;
    QFile f(QDir::current().filePath(nombre + ".LOG"));
    if (f.open(QIODevice::ReadOnly)) {
        // The file is ASCII: read as Latin-1 without a decoder.
        QString texto = QString::fromLatin1(f.readAll());
        if (texto.endsWith(CrLf)) texto.chop(2);
        if (!texto.isEmpty()) lineas = texto.split(CrLf);
    }
    lineas << QString() << QString() << QString();
    return lineas;
}

bool ListasPorBandaPredeterminado(const QString& nombreConcurso) {
    const ConcursoNombrado* c = BuscaConcursoNombrado(nombreConcurso);
    return c && c->porBanda;
}

Resultado GeneraListadosCabrillo(BaseDatos& bd, const Peticion& p) {
    Resultado res;
    const FilaConcurso c = LeeFilaConcurso(bd, p.numeroConcurso);
    const FilaIndicativo estacion = LeeFilaIndicativo(bd, p.numeroIndicativo);
    const QString base = BaseDe(estacion.indicativo);
    const QString vaciaListados = QStringLiteral("Delete From Listados");
    bd.ejecuta(vaciaListados);

    const AnchosLiterales anchos = CalculaAnchoLiterales(bd, c.numeroOrden);
    ColumnasResumen columnas = CalculaColumnasEnviadas(c, anchos);
    CalculaColumnasRecibidas(c, anchos, columnas);
    GuardaColumnas(bd, c.numeroOrden, columnas);

    const QString carpeta = QDir::toNativeSeparators(QDir::currentPath());
    auto escribe = [&](const QString& nombre) {
        if (!EscribeFicheroCabrillo(bd, c, estacion, p.orden, nombre, p.versionPrograma)) return;
        res.ficheros << nombre + ".LOG";
        res.mensaje += nombre + ".LOG" + CrLf + CrLf;
        res.lineasPantalla << MuestraFicheroLog(nombre);
    };

    if (p.porBanda) {
        res.mensaje = "Se ha seleccionado el obtener listas por CADA BANDA, si no es correcto "
                      "vuelva a la pantalla del LOG y seleccione 'Listas por orden de QSO'." +
                      CrLf + CrLf + "Se han generado en la carpeta:" + CrLf + CrLf + carpeta + CrLf + CrLf +
                      "Los siguientes ficheros en formato CABRILLO:" + CrLf + CrLf;
        const auto textos = TextosBandas(bd);
        for (const auto& b : TablaBandas()) {
            const auto i = static_cast<size_t>(b.indice);
            if (!c.bandas[i]) continue;
            if (CopiaContactosListados(bd, c.numeroOrden, textos[i], true, p.orden)) {
                escribe(base + "-" + textos[i]);
                bd.ejecuta(vaciaListados);
            }
        }
    } else {
        res.mensaje =
            "Se ha seleccionado el obtener listas por ORDEN DE QSO en una única lista, si no es correcto "
            "vuelva a la pantalla del LOG y seleccione 'Listas por cada banda'." +
            CrLf + CrLf + "Se ha generado en la carpeta:" + CrLf + CrLf + carpeta + CrLf + CrLf +
            "El siguiente fichero en formato CABRILLO:" + CrLf + CrLf;
        if (CopiaContactosListados(bd, c.numeroOrden, QStringLiteral("1"), false, p.orden)) escribe(base);
    }
    return res;
}

} // namespace cabrillo
