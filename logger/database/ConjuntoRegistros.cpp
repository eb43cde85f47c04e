#include "BaseDatos.h"
#include "Interno.h"

#include <QHash>
#include <QRegularExpression>

#include <functional>

#include <optional>

using namespace bd_interno;

namespace {

enum class Modo { Ninguno, Anade, Edita };

// What a SELECT text names, when it is the simple single-table form that can be written through.
struct ConsultaSimple {
    QString tabla;
    QStringList campos; // empty for "*"
    QString resto;      // WHERE ... ORDER BY ..., as written
};

QString SinDelimitadores(QString n) {
    n = n.trimmed();
    if (n.size() >= 2 && ((n.front() == '[' && n.back() == ']') || (n.front() == '"' && n.back() == '"'))) {
        n = n.mid(1, n.size() - 2);
    }
    return n;
}

// The text without its quoted values, so that a name such as 'UNION ...' is not read as a keyword.
QString SinLiterales(const QString& sql) {
    static const QRegularExpression reLiteral(QStringLiteral(R"('(?:[^']|'')*')"));
    QString s = sql;
    return s.replace(reLiteral, QStringLiteral("''"));
}

std::optional<ConsultaSimple> AnalizaSelect(const QString& sql) {
    static const QRegularExpression re(
        QStringLiteral(R"(^\s*select\s+(.+?)\s+from\s+(\[[^\]]+\]|"[^"]+"|\w+)(.*?)[\s;]*$)"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression reResto(QStringLiteral(R"(^(where|order\s+by)\b)"),
                                            QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression reCompuesta(QStringLiteral(R"(\b(group\s+by|having|union|join|limit)\b)"),
                                                QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression reNombre(
        QStringLiteral(R"(^(?:(?:\w+|\[[^\]]+\])\.)?(\w+|\[[^\]]+\]|"[^"]+")$)"));
    const auto m = re.match(sql);
    if (!m.hasMatch()) return std::nullopt;
    ConsultaSimple c;
    c.tabla = SinDelimitadores(m.captured(2));
    c.resto = m.captured(3).trimmed();
    if (!c.resto.isEmpty() &&
        (!reResto.match(c.resto).hasMatch() || reCompuesta.match(SinLiterales(c.resto)).hasMatch())) {
        return std::nullopt;
    }
    const QString lista = m.captured(1).trimmed();
    static const QRegularExpression reTodos(QStringLiteral(R"(^(?:(?:\w+|\[[^\]]+\])\.)?\*$)"));
    if (reTodos.match(lista).hasMatch()) return c; // "*" or "Tabla.*"
    for (const QString& parte : lista.split(',')) {
        const auto n = reNombre.match(parte.trimmed());
        if (!n.hasMatch() || n.captured(1).compare("distinct", Qt::CaseInsensitive) == 0) return std::nullopt;
        c.campos << SinDelimitadores(n.captured(1));
    }
    return c;
}

} // namespace

struct ConjuntoRegistros::Datos {
    std::shared_ptr<BaseDatos> bd; // first member: the connection outlives the statements below
    DefTabla def;
    QHash<QString, int> posiciones; // case-folded name -> position
    QHash<QString, int> exactas;    // name as the table spells it -> position: no folding per read
    bool actualizable = true;

    // Written-through sets hold row ids; sets over any other query hold their rows.
    std::vector<sqlite3_int64> ids;
    std::vector<std::vector<QVariant>> filas;

    qsizetype pos = 0;
    bool borrado = false;
    bool cargada = false;
    std::vector<QVariant> fila;
    // The current row: a held row is read in place, not copied at every move.
    const std::vector<QVariant>* actual = &fila;
    // Fields the kept insert names, by position: the next row that assigns the same ones reuses it.
    std::vector<int> posicionesInsercion;
    std::vector<QByteArray> textosInsercion; // the insert's bound texts, until its step is done

    Modo modo = Modo::Ninguno;
    std::vector<QVariant> buffer;                 // what a reader sees while adding or editing
    std::vector<std::optional<QVariant>> cambios; // stored form of the assigned fields
    Sentencia lectura;
    // The last insert, kept for the next row that assigns the same fields (appending many rows).
    Sentencia insercion;

    sqlite3* db() const { return bd->conexion(); }
    qsizetype total() const {
        return actualizable ? static_cast<qsizetype>(ids.size()) : static_cast<qsizetype>(filas.size());
    }
    bool hayActual() const { return !borrado && pos >= 0 && pos < total(); }
    void exigeActual() const {
        if (!hayActual()) throw ErrorBD(NoHayRegistroActual);
    }

    void indexa() {
        posiciones.clear();
        exactas.clear();
        for (int i = 0; i < def.cuenta(); ++i) {
            posiciones.insert(def.campo(i).nombre.toCaseFolded(), i);
            exactas.insert(def.campo(i).nombre, i);
        }
    }

    int posicion(const QString& nombre) const {
        const auto exacta = exactas.constFind(nombre);
        if (exacta != exactas.cend()) return *exacta;
        const auto it = posiciones.constFind(nombre.toCaseFolded());
        if (it == posiciones.cend()) {
            throw ErrorBD(QStringLiteral("No se encontró el elemento '%1' en esta colección.").arg(nombre));
        }
        return *it;
    }
    void exigePosicion(int i) const {
        if (i < 0 || i >= def.cuenta()) {
            throw ErrorBD(QStringLiteral("No se encontró el elemento %1 en esta colección.").arg(i));
        }
    }

    // Reads the current row from the file; the statement is reset before returning.
    void carga() {
        if (cargada) return;
        exigeActual();
        if (!actualizable) {
            actual = &filas[static_cast<size_t>(pos)];
        } else {
            actual = &fila;
            if (!lectura) {
                QStringList cols;
                for (const DefCampo& c : def.campos)
                    cols << Identificador(c.nombre);
                lectura = Prepara(db(), QStringLiteral("SELECT %1 FROM %2 WHERE rowid = ?1")
                                            .arg(cols.join(QStringLiteral(", ")), Identificador(def.nombre)));
            }
            Reinicia r(lectura.get());
            sqlite3_bind_int64(lectura.get(), 1, ids[static_cast<size_t>(pos)]);
            const int rc = sqlite3_step(lectura.get());
            if (rc == SQLITE_DONE) throw ErrorBD(QStringLiteral("Se ha eliminado el registro."));
            if (rc != SQLITE_ROW) Falla(db());
            fila.resize(def.campos.size());
            for (int i = 0; i < def.cuenta(); ++i)
                fila[static_cast<size_t>(i)] = LeeColumna(lectura.get(), i, def.campo(i).tipo);
        }
        cargada = true;
    }

    // A field of the row being added or edited, else of the current row; read in place.
    const QVariant& valor(int posicion) {
        exigePosicion(posicion);
        if (modo != Modo::Ninguno) return buffer[static_cast<size_t>(posicion)];
        carga();
        return (*actual)[static_cast<size_t>(posicion)];
    }

    // A move drops a pending add or edit, as the original engine does.
    void mueve(qsizetype nueva) {
        modo = Modo::Ninguno;
        borrado = false;
        cargada = false;
        pos = nueva;
    }

    void exigeActualizable() const {
        if (!actualizable) {
            throw ErrorBD(
                QStringLiteral("No se puede actualizar. La base de datos o el objeto es de sólo lectura."));
        }
    }
};

ConjuntoRegistros::ConjuntoRegistros(std::unique_ptr<Datos> d) : d_(std::move(d)) {}
ConjuntoRegistros::ConjuntoRegistros(ConjuntoRegistros&&) noexcept = default;
ConjuntoRegistros& ConjuntoRegistros::operator=(ConjuntoRegistros&&) noexcept = default;
ConjuntoRegistros::~ConjuntoRegistros() = default;

void ConjuntoRegistros::relee() {
    if (d_->actualizable) d_->cargada = false;
}

namespace {
// Any other query, read-only: each row is read into `fila` and handed to `porFila`.
void LeeFilas(ConjuntoRegistros::Datos& datos, sqlite3* db_, const QString& texto,
              const std::function<void(std::vector<QVariant>& fila)>& porFila) {
    auto* d = &datos;
    d->actualizable = false;
    Sentencia s = Prepara(db_, texto);
    Reinicia r(s.get());
    const int n = sqlite3_column_count(s.get());
    std::vector<bool> natural(static_cast<size_t>(n));
    for (int i = 0; i < n; ++i) {
        const char* decl = sqlite3_column_decltype(s.get(), i);
        natural[static_cast<size_t>(i)] = decl == nullptr;
        d->def.campos.push_back(bd_interno::CampoDeDeclaracion(
            QString::fromUtf8(sqlite3_column_name(s.get(), i)), QString::fromUtf8(decl ? decl : ""), {}));
    }
    d->indexa();
    int rc;
    std::vector<QVariant> fila;
    while ((rc = sqlite3_step(s.get())) == SQLITE_ROW) {
        // `porFila` may have taken the vector.
        fila.resize(static_cast<size_t>(n));
        for (int i = 0; i < n; ++i) {
            fila[static_cast<size_t>(i)] =
                LeeColumna(s.get(), i, d->def.campo(i).tipo, natural[static_cast<size_t>(i)]);
        }
        porFila(fila);
    }
    if (rc != SQLITE_DONE) Falla(db_);
}

// Its rows are read once and kept.
void LeeFilas(ConjuntoRegistros::Datos& datos, sqlite3* db_, const QString& texto) {
    LeeFilas(datos, db_, texto, [&](std::vector<QVariant>& fila) { datos.filas.push_back(std::move(fila)); });
}
} // namespace

ConjuntoRegistros BaseDatos::abreConjunto(const QString& tablaOSql) {
    auto d = std::make_unique<ConjuntoRegistros::Datos>();
    d->bd = shared_from_this();
    const QString texto = tablaOSql.trimmed();
    static const QRegularExpression reTabla(QStringLiteral(R"(^(\w+|\[[^\]]+\])$)"));
    std::optional<ConsultaSimple> consulta;
    if (reTabla.match(texto).hasMatch())
        consulta = ConsultaSimple{SinDelimitadores(texto), {}, {}};
    else
        consulta = AnalizaSelect(texto);

    if (consulta && existeTabla(consulta->tabla)) {
        const DefTabla completa = definicionTabla(consulta->tabla);
        d->def.nombre = completa.nombre;
        if (consulta->campos.isEmpty()) d->def = completa;
        for (const QString& nombre : consulta->campos) {
            const auto it =
                std::find_if(completa.campos.begin(), completa.campos.end(), [&](const DefCampo& c) {
                    return c.nombre.compare(nombre, Qt::CaseInsensitive) == 0;
                });
            if (it == completa.campos.end()) {
                consulta.reset(); // let the engine name the unknown field
                break;
            }
            d->def.campos.push_back(*it);
        }
    } else if (consulta) {
        throw ErrorBD(QStringLiteral("No se encuentra la tabla '%1'.").arg(consulta->tabla));
    }

    if (consulta) {
        Sentencia s = Prepara(
            db_,
            QStringLiteral("SELECT rowid FROM %1 %2").arg(Identificador(d->def.nombre), consulta->resto));
        Reinicia r(s.get());
        int rc;
        while ((rc = sqlite3_step(s.get())) == SQLITE_ROW)
            d->ids.push_back(sqlite3_column_int64(s.get(), 0));
        if (rc != SQLITE_DONE) Falla(db_);
    } else {
        LeeFilas(*d, db_, texto);
    }
    d->indexa();
    return ConjuntoRegistros(std::move(d));
}

void BaseDatos::recorre(const QString& sql, const std::function<void(const ConjuntoRegistros&)>& porFila) {
    auto d = std::make_unique<ConjuntoRegistros::Datos>();
    d->bd = shared_from_this();
    ConjuntoRegistros::Datos& datos = *d;
    ConjuntoRegistros rs(std::move(d));
    // The set holds one row, the one being read, as its current row.
    LeeFilas(datos, db_, sql.trimmed(), [&](std::vector<QVariant>& fila) {
        if (datos.filas.empty()) datos.filas.emplace_back();
        datos.filas.front().swap(fila);
        datos.mueve(0);
        porFila(rs);
    });
}

ConjuntoRegistros BaseDatos::abreLectura(const QString& sql) {
    auto d = std::make_unique<ConjuntoRegistros::Datos>();
    d->bd = shared_from_this();
    LeeFilas(*d, db_, sql.trimmed());
    d->indexa();
    return ConjuntoRegistros(std::move(d));
}

bool ConjuntoRegistros::eof() const {
    return d_->total() == 0 || d_->pos >= d_->total();
}
bool ConjuntoRegistros::bof() const {
    return d_->total() == 0 || d_->pos < 0;
}

void ConjuntoRegistros::primero() {
    d_->mueve(0);
}
void ConjuntoRegistros::ultimo() {
    d_->mueve(d_->total() == 0 ? 0 : d_->total() - 1);
}

void ConjuntoRegistros::siguiente() {
    // After a delete the row that followed already sits at the current position.
    if (d_->borrado) return d_->mueve(d_->pos);
    if (eof()) throw ErrorBD(NoHayRegistroActual);
    d_->mueve(d_->pos + 1);
}

void ConjuntoRegistros::anterior() {
    if (!d_->borrado && bof()) throw ErrorBD(NoHayRegistroActual);
    d_->mueve(d_->pos - 1);
}

int ConjuntoRegistros::cuenta() const {
    return static_cast<int>(d_->total());
}
int ConjuntoRegistros::numeroCampos() const {
    return d_->def.cuenta();
}
const DefTabla& ConjuntoRegistros::definicion() const {
    return d_->def;
}

QVariant ConjuntoRegistros::valor(int posicion) const {
    return d_->valor(posicion);
}

QVariant ConjuntoRegistros::valor(const QString& campo) const {
    return d_->valor(d_->posicion(campo));
}
QString ConjuntoRegistros::texto(const QString& campo) const {
    return d_->valor(d_->posicion(campo)).toString();
}
int ConjuntoRegistros::entero(const QString& campo) const {
    return d_->valor(d_->posicion(campo)).toInt();
}
bool ConjuntoRegistros::siNo(const QString& campo) const {
    return d_->valor(d_->posicion(campo)).toBool();
}
bool ConjuntoRegistros::esNulo(const QString& campo) const {
    return !d_->valor(d_->posicion(campo)).isValid();
}

void ConjuntoRegistros::asigna(const QString& campo, const QVariant& v) {
    asigna(d_->posicion(campo), v);
}

void ConjuntoRegistros::asigna(int posicion, const QVariant& v) {
    d_->exigePosicion(posicion);
    if (d_->modo == Modo::Ninguno) {
        throw ErrorBD(QStringLiteral("Actualizar o CancelarActualización sin AgregarNuevo o Modificar."));
    }
    const DefCampo& campo = d_->def.campo(posicion);
    QVariant guardado = ParaGuardar(v, campo);
    d_->buffer[static_cast<size_t>(posicion)] = DeGuardado(guardado, campo.tipo);
    d_->cambios[static_cast<size_t>(posicion)] = std::move(guardado);
}

void ConjuntoRegistros::anade() {
    d_->exigeActualizable();
    d_->modo = Modo::Anade;
    d_->buffer.assign(d_->def.campos.size(), QVariant());
    d_->cambios.assign(d_->def.campos.size(), std::nullopt);
}

void ConjuntoRegistros::edita() {
    d_->exigeActualizable();
    d_->modo = Modo::Ninguno;
    d_->cargada = false; // edit what the file holds now, not an older read
    d_->carga();
    d_->buffer = *d_->actual;
    d_->cambios.assign(d_->def.campos.size(), std::nullopt);
    d_->modo = Modo::Edita;
}

void ConjuntoRegistros::actualiza() {
    if (d_->modo == Modo::Ninguno) {
        throw ErrorBD(QStringLiteral("Actualizar o CancelarActualización sin AgregarNuevo o Modificar."));
    }
    std::vector<int> asignados;
    std::vector<const QVariant*> valores;
    for (size_t i = 0; i < d_->cambios.size(); ++i) {
        if (!d_->cambios[i]) continue;
        asignados.push_back(static_cast<int>(i));
        valores.push_back(&*d_->cambios[i]);
    }
    auto nombres = [&] {
        QStringList columnas;
        for (int i : asignados)
            columnas << Identificador(d_->def.campos[static_cast<size_t>(i)].nombre);
        return columnas;
    };
    sqlite3* db = d_->db();
    if (d_->modo == Modo::Anade) {
        // Only assigned fields are named, so the others take the table's defaults.
        if (!d_->insercion || d_->posicionesInsercion != asignados) {
            const QString tabla = Identificador(d_->def.nombre);
            const QStringList columnas = nombres();
            QString sql = columnas.isEmpty()
                              ? QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(tabla)
                              : QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                                    .arg(tabla, columnas.join(", "),
                                         QStringList(columnas.size(), QStringLiteral("?")).join(", "));
            d_->insercion.reset();
            d_->insercion = Prepara(db, sql);
            d_->posicionesInsercion = asignados;
        }
        sqlite3_stmt* s = d_->insercion.get();
        // Many rows go through here in a row: the texts are bound from our own buffers, uncopied,
        // and unbound (after the reset) before the buffers change.
        struct Desenlaza {
            sqlite3_stmt* s;
            ~Desenlaza() { sqlite3_clear_bindings(s); }
        } desenlaza{s};
        Reinicia r(s);
        d_->textosInsercion.resize(valores.size());
        for (size_t i = 0; i < valores.size(); ++i)
            Enlaza(db, s, static_cast<int>(i + 1), *valores[i], &d_->textosInsercion[i]);
        PasoFinal(db, s);
        d_->ids.push_back(sqlite3_last_insert_rowid(db));
        d_->mueve(d_->total() - 1);
        return;
    }
    if (!asignados.empty()) {
        const QString tabla = Identificador(d_->def.nombre);
        QStringList asignaciones;
        for (const QString& c : nombres())
            asignaciones << c + QStringLiteral(" = ?");
        Sentencia s = Prepara(
            db, QStringLiteral("UPDATE %1 SET %2 WHERE rowid = ?").arg(tabla, asignaciones.join(", ")));
        for (size_t i = 0; i < valores.size(); ++i)
            Enlaza(db, s.get(), static_cast<int>(i + 1), *valores[i]);
        sqlite3_bind_int64(s.get(), static_cast<int>(valores.size() + 1),
                           d_->ids[static_cast<size_t>(d_->pos)]);
        PasoFinal(db, s.get());
    }
    d_->mueve(d_->pos);
}

void ConjuntoRegistros::cancela() {
    d_->modo = Modo::Ninguno;
}

void ConjuntoRegistros::borra() {
    d_->exigeActualizable();
    d_->modo = Modo::Ninguno;
    d_->exigeActual();
    sqlite3* db = d_->db();
    Sentencia s =
        Prepara(db, QStringLiteral("DELETE FROM %1 WHERE rowid = ?").arg(Identificador(d_->def.nombre)));
    sqlite3_bind_int64(s.get(), 1, d_->ids[static_cast<size_t>(d_->pos)]);
    PasoFinal(db, s.get());
    d_->ids.erase(d_->ids.begin() + d_->pos);
    d_->cargada = false;
    d_->borrado = true;
}
