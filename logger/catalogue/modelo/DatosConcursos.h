#pragma once
#include "ActualizacionCatalogo.h" // ExisteConcurso
#include "BaseDatos.h"

#include <QStringList>

// The contest editor's reads and writes of the working database.

// The field of Concursos a box of the contest frame shows: box i the field at position i, box 9
// the month (the table's last field). Null when the table lacks it.
const DefCampo* CampoDeCaja(const DefTabla& defConcursos, int caja);

// True when the text can be stored in the field as it is: integers whole and within the field's
// range, text within its size. The type checks accept numbers ("-", "1.5") that no integer field
// holds.
bool CabeEnCampo(const DefCampo& campo, const QString& texto);

// First of the ten box values that its field cannot hold, or -1.
int CajaQueNoCabe(const DefTabla& defConcursos, const QStringList& valores);

// The number a new contest takes: Control.UltimoConcurso + 1, as stored now.
int SiguienteNumeroConcurso(BaseDatos& bd);

// An empty set over Concursos to add a row through.
ConjuntoRegistros NuevaFilaConcurso(BaseDatos& bd);

// Deletes the contest's QSOs, Cabrillo summary and special categories. The caller holds the
// transaction that also deletes the contest row.
void BorraFilasDelConcurso(BaseDatos& bd, int numeroOrden);

// Position in the month list of a month name: 1 to 12 for "ENERO" to "DICIEMBRE", 0 ("Sin Mes")
// for any other text.
int PosicionMes(const QString& mes);
