#pragma once
// Correcting and deleting one stored QSO of a contest's log. A QSO is found by its contest and
// its number; each write is one transaction, and a write the engine refuses (locked, read-only,
// disk full, a field too long) leaves the log exactly as it was and comes back as a result with
// the engine's message, so the window can show it and let the operator retry. These are called
// outside any open transaction (the window never holds one); model code composing them inside
// its own transaction uses the ...EnCurso forms below.
#include "Avisos.h"
#include "Qso.h"

#include <QString>

#include <optional>

class BaseDatos;
class ConjuntoRegistros;

// What a write of the log did.
struct ResultadoEscritura {
    bool hecho = false;
    QString mensaje; // when not done: the engine's message, or why nothing was written
    explicit operator bool() const { return hecho; }
};

// The box a refused write shows: its message, critical icon, the program's title.
Aviso AvisoEscrituraRechazada(const ResultadoEscritura& r);

// The QSO as stored (to fill the row again when a correction is abandoned); none when the
// contest has no QSO of that number. Engine failures throw ErrorBD.
std::optional<Qso> LeeContactoGuardado(BaseDatos& bd, int numeroOrden, int numeroQso);

// Rewrites the stored QSO q.numeroOrden / q.numeroQso with every field of q: the QSO keeps its
// number whatever its date and time became, until the log is renumbered. The stored frequency is
// kept, or emptied when the band changes; q's own is not written.
ResultadoEscritura ReescribeContacto(BaseDatos& bd, const Qso& q);

// The deletion question: Yes and No, No the default, critical icon.
Aviso PreguntaBorrado();

// Deletes the contest's QSO of that number and renumbers the log (RenumeraContactos) in one
// transaction: a refusal anywhere, the renumbering included, keeps the QSO, every number and
// UltimoNumEnviado as they were.
ResultadoEscritura EliminaYRenumera(BaseDatos& bd, int numeroOrden, int numeroQso);

// The two writes above for model code that composes them: they join the caller's open
// transaction and throw ErrorBD (the caller's transaction then rolls everything back). Their
// result reports a QSO not found or not unique, when nothing was written.
ResultadoEscritura ReescribeContactoEnCurso(BaseDatos& bd, const Qso& q);
ResultadoEscritura EliminaContactoEnCurso(BaseDatos& bd, int numeroOrden, int numeroQso);
