#pragma once
// Pieces shared by the connection and the result sets; not part of the layer's interface.
#include "BaseDatos.h"

#include <sqlite3.h>

#include <memory>

namespace bd_interno {

struct FinalizaSentencia {
    void operator()(sqlite3_stmt* s) const { sqlite3_finalize(s); }
};
using Sentencia = std::unique_ptr<sqlite3_stmt, FinalizaSentencia>;

// Resets a statement when leaving a scope, so that no read stays open between calls.
class Reinicia {
public:
    explicit Reinicia(sqlite3_stmt* s) : s_(s) {}
    ~Reinicia() {
        sqlite3_reset(s_);
        sqlite3_clear_bindings(s_);
    }
    Reinicia(const Reinicia&) = delete;
    Reinicia& operator=(const Reinicia&) = delete;

private:
    sqlite3_stmt* s_;
};

inline const QString NoHayRegistroActual = QStringLiteral("No hay registro actual.");

QString MensajeMotor(sqlite3* db);
[[noreturn]] void Falla(sqlite3* db);
Sentencia Prepara(sqlite3* db, const QString& sql);
// Runs a statement that returns no rows; fails with the engine's message.
void PasoFinal(sqlite3* db, sqlite3_stmt* s);

QString Identificador(const QString& nombre);
QString DeclaracionCampo(const DefCampo& campo);
DefCampo CampoDeDeclaracion(const QString& nombre, const QString& tipoDeclarado,
                            const QString& predeterminado);

// Converts an assigned value to the form stored for the field, refusing what the field cannot hold.
QVariant ParaGuardar(const QVariant& valor, const DefCampo& campo);
// The value a reader sees for a stored value.
QVariant DeGuardado(const QVariant& guardado, TipoCampo tipo);
// With `texto`, a text value's bytes are kept there and bound without a copy: `texto` must outlive
// the statement's next step.
void Enlaza(sqlite3* db, sqlite3_stmt* s, int indice, const QVariant& guardado, QByteArray* texto = nullptr);
// Reads a column; `natural` when the column has no declared field type (an expression).
QVariant LeeColumna(sqlite3_stmt* s, int columna, TipoCampo tipo, bool natural = false);

} // namespace bd_interno
