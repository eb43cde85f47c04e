#include "BaseDatos.h"

#include "Archivos.h"
#include "Interno.h"
#include "MensajesMotor.h"

#include <QDate>
#include <QDateTime>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>

#include <unicode/ucol.h>

#include <limits>

using namespace bd_interno;

namespace bd_interno {

QString MensajeMotor(sqlite3* db) {
    QString msg = QString::fromUtf8(sqlite3_errmsg(db));
    // Our CHECK constraints are named after what they refuse, so the name is the readable part.
    const QString prefijo = QStringLiteral("CHECK constraint failed: ");
    if (sqlite3_extended_errcode(db) == SQLITE_CONSTRAINT_CHECK && msg.startsWith(prefijo)) {
        return QStringLiteral("Valor no válido: %1.").arg(msg.mid(prefijo.size()));
    }
    const char* archivo = sqlite3_db_filename(db, "main");
    return MensajeMotorEnEspañol(sqlite3_extended_errcode(db),
                                 archivo ? QString::fromUtf8(archivo) : QString(), msg);
}

void Falla(sqlite3* db) {
    throw ErrorBD(MensajeMotor(db));
}

Sentencia Prepara(sqlite3* db, const QString& sql) {
    sqlite3_stmt* s = nullptr;
    const QByteArray texto = sql.toUtf8();
    if (sqlite3_prepare_v2(db, texto.constData(), static_cast<int>(texto.size()), &s, nullptr) != SQLITE_OK) {
        sqlite3_finalize(s);
        Falla(db);
    }
    if (!s) throw ErrorBD(QStringLiteral("Instrucción SQL vacía."));
    return Sentencia(s);
}

void PasoFinal(sqlite3* db, sqlite3_stmt* s) {
    Reinicia r(s);
    int rc = sqlite3_step(s);
    while (rc == SQLITE_ROW)
        rc = sqlite3_step(s);
    if (rc != SQLITE_DONE) Falla(db);
}

QString Identificador(const QString& nombre) {
    QString n = nombre;
    return '"' + n.replace('"', QStringLiteral("\"\"")) + '"';
}

namespace {
struct Rango {
    qint64 minimo, maximo;
};
constexpr Rango Rango16{-32768, 32767};
constexpr Rango Rango32{std::numeric_limits<qint32>::min(), std::numeric_limits<qint32>::max()};

QString MensajeRango(const QString& campo, Rango r) {
    return QStringLiteral("%1 admite valores de %2 a %3").arg(campo).arg(r.minimo).arg(r.maximo);
}
QString MensajeLongitud(const QString& campo, int tamano) {
    return QStringLiteral("%1 admite como máximo %2 caracteres").arg(campo).arg(tamano);
}

// Building a local date and time asks the C library for the time zone, which reads the zone file
// again on every call. A log holds few distinct dates, so each stored text is turned into its value
// once per thread; the wall-clock date and time are the text's, whatever the zone.
QDateTime FechaDeTexto(const QString& texto) {
    thread_local QHash<QString, QDateTime> vistas;
    const auto it = vistas.constFind(texto);
    if (it != vistas.cend()) return *it;
    const QDateTime f = QDateTime::fromString(texto, Qt::ISODate);
    if (vistas.size() >= 4096) vistas.clear();
    vistas.insert(texto, f);
    return f;
}

QString TextoDeFecha(QDate fecha, QTime hora) {
    return fecha.toString(QStringLiteral("yyyy-MM-dd")) + u'T' + hora.toString(QStringLiteral("HH:mm:ss"));
}

[[noreturn]] void FallaConversion(const DefCampo& campo) {
    throw ErrorBD(QStringLiteral("Error de conversión de tipo de datos en el campo %1.").arg(campo.nombre));
}
} // namespace

QString DeclaracionCampo(const DefCampo& c) {
    const QString id = Identificador(c.nombre);
    QString decl = id;
    switch (c.tipo) {
    case TipoCampo::SiNo:
        decl += QStringLiteral(" BIT");
        break;
    case TipoCampo::FechaHora:
        decl += QStringLiteral(" DATETIME");
        break;
    case TipoCampo::Entero16:
    case TipoCampo::Entero32: {
        const Rango r = c.tipo == TipoCampo::Entero16 ? Rango16 : Rango32;
        decl += c.tipo == TipoCampo::Entero16 ? QStringLiteral(" SMALLINT") : QStringLiteral(" INTEGER");
        decl += QStringLiteral(" CONSTRAINT %1 CHECK (%2 BETWEEN %3 AND %4)")
                    .arg(Identificador(MensajeRango(c.nombre, r)), id)
                    .arg(r.minimo)
                    .arg(r.maximo);
        break;
    }
    case TipoCampo::Texto:
        if (c.tamano > 0) {
            decl += QStringLiteral(" TEXT(%1) COLLATE NOCASE CONSTRAINT %2 CHECK (length(%3) <= %1)")
                        .arg(c.tamano)
                        .arg(Identificador(MensajeLongitud(c.nombre, c.tamano)), id);
        } else {
            decl += QStringLiteral(" TEXT COLLATE NOCASE");
        }
        break;
    }
    if (c.predeterminado.isValid() && !c.predeterminado.isNull()) {
        const QVariant v = ParaGuardar(c.predeterminado, c);
        decl += QStringLiteral(" DEFAULT ") +
                (v.typeId() == QMetaType::QString ? Comillas(v.toString()) : QString::number(v.toLongLong()));
    }
    return decl;
}

DefCampo CampoDeDeclaracion(const QString& nombre, const QString& tipoDeclarado,
                            const QString& predeterminado) {
    static const QRegularExpression re(QStringLiteral(R"(^\s*([A-Za-z]+)\s*(?:\(\s*(\d+)\s*\))?)"));
    const auto m = re.match(tipoDeclarado);
    const QString tipo = m.captured(1).toUpper();
    DefCampo c(nombre, TipoCampo::Texto);
    if (tipo == "BIT" || tipo == "BOOLEAN" || tipo == "YESNO") {
        c.tipo = TipoCampo::SiNo;
    } else if (tipo == "SMALLINT") {
        c.tipo = TipoCampo::Entero16;
    } else if (tipo == "DATETIME" || tipo == "DATE") {
        c.tipo = TipoCampo::FechaHora;
    } else if (tipo.contains("INT") || tipo == "LONG") {
        c.tipo = TipoCampo::Entero32;
    } else {
        c.tamano = m.captured(2).toInt();
    }
    if (!predeterminado.isEmpty()) {
        bool ok = false;
        const qlonglong n = predeterminado.toLongLong(&ok);
        if (ok)
            c.predeterminado = c.tipo == TipoCampo::Texto ? QVariant(predeterminado) : QVariant(int(n));
        else if (predeterminado.startsWith('\''))
            c.predeterminado = predeterminado.mid(1, predeterminado.size() - 2).replace("''", "'");
    }
    return c;
}

QVariant ParaGuardar(const QVariant& v, const DefCampo& c) {
    if (!v.isValid() || v.isNull()) return {};
    switch (c.tipo) {
    case TipoCampo::SiNo:
        return QVariant(qlonglong(v.toBool() ? 1 : 0));
    case TipoCampo::Entero16:
    case TipoCampo::Entero32: {
        bool ok = false;
        const qlonglong n = v.typeId() == QMetaType::Bool ? (v.toBool() ? -1 : 0) : v.toLongLong(&ok);
        if (!ok && v.typeId() != QMetaType::Bool) FallaConversion(c);
        const Rango r = c.tipo == TipoCampo::Entero16 ? Rango16 : Rango32;
        if (n < r.minimo || n > r.maximo)
            throw ErrorBD(QStringLiteral("Valor no válido: %1.").arg(MensajeRango(c.nombre, r)));
        return QVariant(n);
    }
    case TipoCampo::FechaHora: {
        // A date or date and time is written as its wall-clock text, with no trip through the zone.
        if (v.typeId() == QMetaType::QDate && v.toDate().isValid())
            return TextoDeFecha(v.toDate(), QTime(0, 0));
        QDateTime f;
        if (v.typeId() == QMetaType::QDateTime)
            f = v.toDateTime();
        else {
            const QString s = v.toString().trimmed();
            f = QDateTime::fromString(s, Qt::ISODate);
            // Day first, as the windows write dates ("dd-mm-yyyy").
            for (const char* formato : {"dd-MM-yyyy", "d-M-yyyy", "dd/MM/yyyy HH:mm:ss", "d/M/yyyy H:mm:ss",
                                        "dd/MM/yyyy", "d/M/yyyy"}) {
                if (f.isValid()) break;
                f = QDateTime::fromString(s, QString::fromLatin1(formato));
            }
        }
        if (!f.isValid()) FallaConversion(c);
        return TextoDeFecha(f.date(), f.time());
    }
    case TipoCampo::Texto: {
        const QString s = v.toString();
        if (c.tamano > 0 && s.size() > c.tamano) {
            throw ErrorBD(QStringLiteral("Valor no válido: %1.").arg(MensajeLongitud(c.nombre, c.tamano)));
        }
        return s;
    }
    }
    return {};
}

QVariant DeGuardado(const QVariant& g, TipoCampo tipo) {
    if (!g.isValid()) return {};
    switch (tipo) {
    case TipoCampo::SiNo:
        return g.toLongLong() != 0;
    case TipoCampo::Entero16:
    case TipoCampo::Entero32:
        return g.toInt();
    case TipoCampo::FechaHora: {
        const QDateTime f = FechaDeTexto(g.toString());
        return f.isValid() ? QVariant(f) : g;
    }
    case TipoCampo::Texto:
        return g.toString();
    }
    return g;
}

void Enlaza(sqlite3* db, sqlite3_stmt* s, int i, const QVariant& g, QByteArray* texto) {
    int rc;
    if (!g.isValid())
        rc = sqlite3_bind_null(s, i);
    else if (g.typeId() == QMetaType::LongLong)
        rc = sqlite3_bind_int64(s, i, g.toLongLong());
    else if (texto) {
        *texto = g.toString().toUtf8();
        rc = sqlite3_bind_text(s, i, texto->constData(), static_cast<int>(texto->size()), SQLITE_STATIC);
    } else {
        const QByteArray t = g.toString().toUtf8();
        rc = sqlite3_bind_text(s, i, t.constData(), static_cast<int>(t.size()), SQLITE_TRANSIENT);
    }
    if (rc != SQLITE_OK) Falla(db);
}

QVariant LeeColumna(sqlite3_stmt* s, int col, TipoCampo tipo, bool natural) {
    switch (sqlite3_column_type(s, col)) {
    case SQLITE_NULL:
        return {};
    case SQLITE_INTEGER: {
        const qlonglong n = sqlite3_column_int64(s, col);
        if (natural) return n;
        return DeGuardado(n, tipo);
    }
    case SQLITE_FLOAT: {
        const double d = sqlite3_column_double(s, col);
        if (natural) return d;
        return DeGuardado(d, tipo);
    }
    default: {
        const auto* t = reinterpret_cast<const char*>(sqlite3_column_text(s, col));
        const QString texto = QString::fromUtf8(t, sqlite3_column_bytes(s, col));
        if (natural || tipo == TipoCampo::Texto) return texto;
        return DeGuardado(texto, tipo);
    }
    }
}

} // namespace bd_interno

QString Comillas(const QString& valor) {
    QString v = valor;
    return '\'' + v.replace('\'', QStringLiteral("''")) + '\'';
}

namespace {

// Spanish traditional order (CH after C, LL after L, Ñ after N), case-insensitive, accent-sensitive.
int ComparaEspanol(void* colador, int n1, const void* s1, int n2, const void* s2) {
    UErrorCode estado = U_ZERO_ERROR;
    const UCollationResult r =
        ucol_strcollUTF8(static_cast<UCollator*>(colador), static_cast<const char*>(s1), n1,
                         static_cast<const char*>(s2), n2, &estado);
    if (U_FAILURE(estado)) return 0;
    return r == UCOL_LESS ? -1 : (r == UCOL_GREATER ? 1 : 0);
}

void CierraColador(void* colador) {
    ucol_close(static_cast<UCollator*>(colador));
}

QString ConExtension(const QString& nombre) {
    return QFileInfo(nombre).suffix().isEmpty() ? nombre + QStringLiteral(".mdb") : nombre;
}

void ConfiguraConexion(sqlite3* db) {
    // The file keeps its own name: plain SQLite, NOCASE on text columns. Inside the program the name
    // means the Spanish collation; outside tools still open the file with their built-in NOCASE.
    UErrorCode estado = U_ZERO_ERROR;
    UCollator* colador = ucol_open("es@collation=traditional", &estado);
    if (U_FAILURE(estado))
        throw ErrorBD(
            QStringLiteral("No se puede abrir la ordenación española: %1").arg(u_errorName(estado)));
    ucol_setStrength(colador, UCOL_SECONDARY);
    if (sqlite3_create_collation_v2(db, "NOCASE", SQLITE_UTF8, colador, ComparaEspanol, CierraColador) !=
        SQLITE_OK) {
        ucol_close(colador);
        Falla(db);
    }
    sqlite3_busy_timeout(db, BaseDatos::EsperaInicial);
    // WAL lets several connections read while one writes; FULL keeps a stored QSO through a power cut.
    if (sqlite3_exec(db, "PRAGMA journal_mode=WAL; PRAGMA synchronous=FULL;", nullptr, nullptr, nullptr) !=
        SQLITE_OK) {
        Falla(db);
    }
}

sqlite3* Conecta(const QString& ruta, int opciones) {
    sqlite3* db = nullptr;
    const int rc =
        sqlite3_open_v2(QFile::encodeName(ruta).constData(), &db, opciones | SQLITE_OPEN_NOMUTEX, nullptr);
    if (rc != SQLITE_OK) {
        const QString msg = db ? MensajeMotorEnEspañol(rc, {}, QString::fromUtf8(sqlite3_errmsg(db)))
                               : QStringLiteral("sin memoria");
        sqlite3_close_v2(db);
        throw ErrorBD(QStringLiteral("No se puede abrir '%1': %2").arg(ruta, msg));
    }
    try {
        ConfiguraConexion(db);
    } catch (const ErrorBD& e) {
        sqlite3_close_v2(db);
        // The Spanish sentences already name the file.
        if (e.mensaje().contains(ruta)) throw;
        throw ErrorBD(QStringLiteral("'%1': %2").arg(ruta, e.mensaje()));
    }
    return db;
}

} // namespace

BaseDatos::BaseDatos(sqlite3* db, QString archivo) : db_(db), archivo_(std::move(archivo)) {}

BaseDatos::~BaseDatos() {
    sqlite3_close_v2(db_);
}

std::shared_ptr<BaseDatos> BaseDatos::Abre(const QString& nombre) {
    const QString ruta = ResuelveNombreArchivo(ConExtension(nombre));
    if (!QFileInfo(ruta).isFile()) throw ErrorBD(QStringLiteral("No se encontró el archivo '%1'.").arg(ruta));
    return std::shared_ptr<BaseDatos>(new BaseDatos(Conecta(ruta, SQLITE_OPEN_READWRITE), ruta));
}

std::shared_ptr<BaseDatos> BaseDatos::Crea(const QString& nombre) {
    const QString ruta = ResuelveNombreArchivo(ConExtension(nombre));
    if (QFileInfo::exists(ruta)) throw ErrorBD(QStringLiteral("El archivo '%1' ya existe.").arg(ruta));
    return std::shared_ptr<BaseDatos>(
        new BaseDatos(Conecta(ruta, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE), ruta));
}

bool BaseDatos::existeTabla(const QString& tabla) const {
    Sentencia s = Prepara(
        db_, QStringLiteral("SELECT 1 FROM sqlite_schema WHERE type='table' AND lower(name)=lower(?1)"));
    Reinicia r(s.get());
    Enlaza(db_, s.get(), 1, tabla);
    const int rc = sqlite3_step(s.get());
    if (rc != SQLITE_ROW && rc != SQLITE_DONE) Falla(db_);
    return rc == SQLITE_ROW;
}

int BaseDatos::versionEsquema() const {
    Sentencia s = Prepara(db_, QStringLiteral("PRAGMA schema_version"));
    Reinicia r(s.get());
    if (sqlite3_step(s.get()) != SQLITE_ROW) Falla(db_);
    return sqlite3_column_int(s.get(), 0);
}

DefTabla BaseDatos::definicionTabla(const QString& tabla) const {
    // Every result set asks for its table's definition: read it once per version of the schema,
    // which any connection's change of a table moves on.
    const int version = versionEsquema();
    if (version != versionDefiniciones_) {
        definiciones_.clear();
        versionDefiniciones_ = version;
    }
    const QString clave = tabla.toCaseFolded();
    if (auto it = definiciones_.constFind(clave); it != definiciones_.cend()) {
        DefTabla def = *it;
        def.nombre = tabla;
        return def;
    }
    DefTabla def = leeDefinicion(tabla);
    definiciones_.insert(clave, def);
    return def;
}

DefTabla BaseDatos::leeDefinicion(const QString& tabla) const {
    if (!existeTabla(tabla)) throw ErrorBD(QStringLiteral("No se encuentra la tabla '%1'.").arg(tabla));
    Sentencia s = Prepara(db_, QStringLiteral("SELECT name, type, dflt_value FROM pragma_table_info(?1)"));
    Reinicia r(s.get());
    Enlaza(db_, s.get(), 1, tabla);
    DefTabla def;
    def.nombre = tabla;
    int rc;
    while ((rc = sqlite3_step(s.get())) == SQLITE_ROW) {
        def.campos.push_back(CampoDeDeclaracion(LeeColumna(s.get(), 0, TipoCampo::Texto).toString(),
                                                LeeColumna(s.get(), 1, TipoCampo::Texto).toString(),
                                                LeeColumna(s.get(), 2, TipoCampo::Texto).toString()));
    }
    if (rc != SQLITE_DONE) Falla(db_);
    return def;
}

void BaseDatos::creaTabla(const DefTabla& def) {
    if (def.campos.empty()) throw ErrorBD(QStringLiteral("La tabla '%1' no tiene campos.").arg(def.nombre));
    QStringList campos;
    for (const DefCampo& c : def.campos)
        campos << DeclaracionCampo(c);
    ejecuta(QStringLiteral("CREATE TABLE %1 (%2)")
                .arg(Identificador(def.nombre), campos.join(QStringLiteral(", "))));
}

void BaseDatos::agregaCampo(const QString& tabla, const DefCampo& campo) {
    ejecuta(
        QStringLiteral("ALTER TABLE %1 ADD COLUMN %2").arg(Identificador(tabla), DeclaracionCampo(campo)));
}

void BaseDatos::ponEsperaMaxima(int milisegundos) {
    sqlite3_busy_timeout(db_, milisegundos);
    esperaMaxima_ = milisegundos;
}

void BaseDatos::ejecuta(const QString& sql) {
    const QByteArray texto = sql.toUtf8();
    if (sqlite3_exec(db_, texto.constData(), nullptr, nullptr, nullptr) != SQLITE_OK) Falla(db_);
}

BaseDatos::Transaccion::Transaccion(BaseDatos& bd) : bd_(bd) {
    if (bd_.nivelTransaccion_ == 0) {
        // IMMEDIATE takes the write lock now, so the steps inside never meet a busy writer halfway.
        bd_.ejecuta(QStringLiteral("BEGIN IMMEDIATE"));
        propia_ = true;
    }
    ++bd_.nivelTransaccion_;
}

BaseDatos::Transaccion::~Transaccion() {
    --bd_.nivelTransaccion_;
    if (propia_ && !hecha_) sqlite3_exec(bd_.db_, "ROLLBACK", nullptr, nullptr, nullptr);
}

void BaseDatos::Transaccion::confirma() {
    if (hecha_) return;
    if (propia_) bd_.ejecuta(QStringLiteral("COMMIT"));
    hecha_ = true;
}
