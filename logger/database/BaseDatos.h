#pragma once
#include <QHash>
#include <QString>
#include <QVariant>

#include <cstdint>
#include <functional>
#include <memory>
#include <stdexcept>
#include <vector>

struct sqlite3;

// Every failure of the database layer: carries the engine's own message.
class ErrorBD : public std::runtime_error {
public:
    explicit ErrorBD(const QString& mensaje) : std::runtime_error(mensaje.toStdString()) {}
    QString mensaje() const { return QString::fromStdString(what()); }
};

enum class TipoCampo { SiNo, Entero16, Entero32, FechaHora, Texto };

struct DefCampo {
    DefCampo() = default;
    DefCampo(QString n, TipoCampo t, int tam = 0, bool longitudCero = true)
        : nombre(std::move(n)), tipo(t), tamano(tam), permiteLongitudCero(longitudCero) {}

    QString nombre;
    TipoCampo tipo = TipoCampo::Texto;
    int tamano = 0; // characters for text; 0 otherwise
    bool permiteLongitudCero = true;
    QVariant predeterminado; // value a new row takes when none is assigned; null when invalid
};

// A table's definition: fields by position from 0, in the table's order.
struct DefTabla {
    QString nombre;
    std::vector<DefCampo> campos;

    int cuenta() const { return static_cast<int>(campos.size()); }
    const DefCampo& campo(int i) const { return campos.at(static_cast<size_t>(i)); }
    DefTabla& agrega(const QString& nombre, TipoCampo tipo, int tamano = 0) {
        campos.push_back({nombre, tipo, tamano, true});
        return *this;
    }
};

// Text value quoted for an SQL text: 'O''Brien'. Every text value joined into SQL goes through it.
QString Comillas(const QString& valor);

class ConjuntoRegistros;

// One connection to a database file. Several may be open on one file; each sees the others' writes.
class BaseDatos : public std::enable_shared_from_this<BaseDatos> {
public:
    // Opens an existing file; ".mdb" is added when the name has no extension; case-insensitive name.
    static std::shared_ptr<BaseDatos> Abre(const QString& nombre);
    // Creates a new file; fails when it exists.
    static std::shared_ptr<BaseDatos> Crea(const QString& nombre);
    ~BaseDatos();
    BaseDatos(const BaseDatos&) = delete;
    BaseDatos& operator=(const BaseDatos&) = delete;

    QString archivo() const { return archivo_; }
    bool existeTabla(const QString& tabla) const;
    // Fails when the table is missing.
    DefTabla definicionTabla(const QString& tabla) const;
    // Fails when the table exists.
    void creaTabla(const DefTabla& def);
    // Appends a field at the end of an existing table; existing rows hold null in it.
    void agregaCampo(const QString& tabla, const DefCampo& campo);
    // A table name (every row) or a single-table SELECT with WHERE and ORDER BY.
    ConjuntoRegistros abreConjunto(const QString& tablaOSql);
    // Any query, its rows read at once and held: a read-only set for long walks (a whole log).
    ConjuntoRegistros abreLectura(const QString& sql);
    // Any query walked once from its first row to its last: `porFila` sees each row as the current
    // row of a read-only set that holds that row alone. For long walks with no way back.
    void recorre(const QString& sql, const std::function<void(const ConjuntoRegistros&)>& porFila);
    void ejecuta(const QString& sql);

    // Several writes that belong together: all or nothing. Nested calls join the outer one.
    class Transaccion {
    public:
        explicit Transaccion(BaseDatos& bd);
        ~Transaccion(); // rolls back unless confirmed
        void confirma();
        Transaccion(const Transaccion&) = delete;
        Transaccion& operator=(const Transaccion&) = delete;

    private:
        BaseDatos& bd_;
        bool propia_ = false;
        bool hecha_ = false;
    };

    // Milliseconds a statement waits for another connection's lock before it fails.
    static constexpr int EsperaInicial = 5000;
    int esperaMaxima() const { return esperaMaxima_; }
    void ponEsperaMaxima(int milisegundos);

    // For the layer's own use.
    sqlite3* conexion() const { return db_; }

private:
    BaseDatos(sqlite3* db, QString archivo);
    int versionEsquema() const;
    DefTabla leeDefinicion(const QString& tabla) const;
    sqlite3* db_;
    QString archivo_;
    int nivelTransaccion_ = 0;
    int esperaMaxima_ = EsperaInicial;
    mutable QHash<QString, DefTabla> definiciones_; // case-folded table name -> definition
    mutable int versionDefiniciones_ = -1;
    friend class ConjuntoRegistros;
};

// A set of rows that holds their row ids, not an open statement. Values are QVariant:
// null is an invalid QVariant; yes/no is bool; integers int; dates QDateTime; text QString.
class ConjuntoRegistros {
public:
    ConjuntoRegistros(ConjuntoRegistros&&) noexcept;
    ConjuntoRegistros& operator=(ConjuntoRegistros&&) noexcept;
    ~ConjuntoRegistros();

    bool eof() const;
    bool bof() const;
    void primero();
    void siguiente();
    void anterior();
    void ultimo();
    int cuenta() const;

    int numeroCampos() const;
    const DefTabla& definicion() const;

    // Current row's field by name (case-insensitive) or by position from 0; fails without a current row.
    QVariant valor(const QString& campo) const;
    QVariant valor(int posicion) const;
    QString texto(const QString& campo) const; // null gives ""
    int entero(const QString& campo) const;    // null gives 0
    bool siNo(const QString& campo) const;     // null gives false
    bool esNulo(const QString& campo) const;
    // Only between añade()/edita() and actualiza().
    void asigna(const QString& campo, const QVariant& valor);
    void asigna(int posicion, const QVariant& valor);

    void anade();     // starts a new row (fields null)
    void edita();     // starts editing the current row
    void actualiza(); // stores the new or edited row; a new row becomes current
    void cancela();   // drops a pending add or edit
    void borra();     // deletes the current row; moves to no current row until a move
    // The current row is read from the file again at its next read: another connection, or a
    // write that went around this set, changed it.
    void relee();

    struct Datos;

private:
    friend class BaseDatos;
    explicit ConjuntoRegistros(std::unique_ptr<Datos> d);
    std::unique_ptr<Datos> d_;
};
