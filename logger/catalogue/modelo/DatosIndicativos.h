#pragma once
#include "BaseDatos.h"

#include <array>
#include <QString>

// The callsign editor's reads and writes of the table Indicativos: the editor holds no SQL text.

// The six columns of a callsign row in table order (NumeroOrden, Indicativo, Operador, Direccion,
// Poblacion, Pais), as the boxes text2[0] to text2[5] show them.
using ValoresIndicativo = std::array<QString, 6>;

// True if some row holds this callsign by the database's text comparison, leaving out the row
// numbered `excluido` (0 leaves none out). Runs on a connection of its own.
bool ExisteIndicativo(const QString& nombreBaseDatos, const QString& indicativo, int excluido = 0);

// The number a new callsign gets: Control.UltimoIndicativo + 1, or past the highest number in use
// when the counter has fallen behind the table, so that a number is never given out twice.
int SiguienteNumeroIndicativo(BaseDatos& bd, const ConjuntoRegistros& regControl);

// Adds the row and records its number as UltimoIndicativo and IndicativoActivo, in one transaction.
void InsertaIndicativo(BaseDatos& bd, ConjuntoRegistros& regControl, const ValoresIndicativo& valores);

// Rewrites columns 1 to 5 of the row numbered valores[0]; the number never changes.
void ReescribeIndicativo(BaseDatos& bd, const ValoresIndicativo& valores);

// Deletes the row. When no callsign is left, IndicativoActivo goes back to 0 in the same
// transaction, so it never names a row that is gone.
void EliminaIndicativo(BaseDatos& bd, ConjuntoRegistros& regControl, int numeroOrden);
