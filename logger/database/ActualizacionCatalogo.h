#pragma once
// Upgrades of the contest catalogue that run while the main window waits for the work to start:
// edition roll-over, the merge of delivered contests and the fixed corrections. Each is silent and
// leaves the working database so that running it again changes nothing more.
#include "BaseDatos.h"

// The current year, four digits, from the clock.
QString AñoActual();

// `control` is the Control row's result set on the same connection `bd`: UltimoConcurso is read
// and written through it, so the caller's copy of the row stays what the file holds, and the
// counter goes in the same transaction as the rows it numbers.

// Indexes of the per-contest tables on NumeroOrden, made when missing.
void IndexaNumeroOrden(BaseDatos& bd);

// Every activation: ActualizaEdiciones, AñadeNuevosConcursos, then the contest corrections.
void ActualizaCatalogo(BaseDatos& bd, ConjuntoRegistros& control);

// Contests of past years move to the current year's edition; one with QSOs keeps its old edition
// and gets a copy for this year unless a later edition exists. Names beginning "ACT-" are kept.
void ActualizaEdiciones(BaseDatos& bd, ConjuntoRegistros& control);

// The small queries, on the working database.
bool TieneContactos(BaseDatos& bd, int numero);
bool ExisteEdicionPosterior(BaseDatos& bd, const QString& nombre, const QString& edicion);
// True if a contest other than `excepto` (0: none) has this name and this edition.
bool ExisteConcurso(BaseDatos& bd, const QString& nombre, const QString& edicion, int excepto = 0);
// Deletes the contest's rows of `tabla`; a failure ends it silently.
void BorraRegistrosConcurso(BaseDatos& bd, const QString& tabla, int numero);
void ActualizaEdicionResumen(BaseDatos& bd, int numero, const QString& edicion);
// Copies contest `numero` (its first row, first Cabrillo summary row and every category, field by
// field by position) as edition `edicion` under the number UltimoConcurso + 1, which it stores and
// returns; 0 when there is no such contest or no number is left.
int CreaNuevaEdicion(BaseDatos& bd, ConjuntoRegistros& control, int numero, const QString& edicion);

// UltimoConcurso as the file holds it now, and its new value.
int LeeUltimoConcurso(ConjuntoRegistros& control);
void GuardaUltimoConcurso(ConjuntoRegistros& control, int valor);

// Between destino.anade() and destino.actualiza(): every field of origen's current row into the
// field at the same position; fields beyond the shorter of the two rows are left unassigned.
void CopiaCampos(const ConjuntoRegistros& origen, ConjuntoRegistros& destino);
// Adds to `destino` a copy of origen's current row under contest number `numero` and, when not
// null, edition `edicion`.
void AñadeCopia(const ConjuntoRegistros& origen, ConjuntoRegistros& destino, int numero,
                const QString& edicion = {});
