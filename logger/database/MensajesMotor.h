#pragma once
#include <QString>

#include <array>
#include <functional>

// The engine's common failures told in Spanish: a short sentence, the file, then the engine's own
// text, so a user can act on it and a helper can still look the original up.
// `codigo` is the engine's (extended) result code; `archivo` may be empty.
QString MensajeMotorEnEspañol(int codigo, const QString& archivo, const QString& textoMotor);

// Runs a store; a failure of the engine (ErrorBD) is shown in a critical box and gives false, so
// the caller keeps the edit open with what was typed. The transactions inside leave nothing
// half-written.
bool IntentaGuardar(const std::function<void()>& guardado);

class BaseDatos;
// The seven tables of the working database, in their builders' order.
extern const std::array<const char*, 7> TablasTrabajo;
// Fails (ErrorBD, in Spanish, naming the table and the file) at the first table missing from the
// file, so a damaged file is told at load and not in the middle of the work.
void ExigeTablas(const BaseDatos& bd);
