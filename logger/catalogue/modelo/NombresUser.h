#pragma once
#include "Avisos.h"
#include "Filas.h"

#include <QString>

#include <array>
#include <optional>

class ConjuntoRegistros;

// The user band and mode names of the Control row (NombresUser of Filas.h) as the panel edits them.

// Longest texts the panel's boxes take: names at 8, reports at the field's 3.
inline constexpr int LargoNombreUser = 8;
inline constexpr int LargoTipoUser = 3;

// The names from the current row of the Control result set; null reads as empty. None when
// the set has no current row.
std::optional<NombresUser> LeeNombresUser(const ConjuntoRegistros& regControl);

// Why "Aceptar Cambios" refuses: the first empty band name, else the first empty mode name.
struct RechazoNombresUser {
    Aviso aviso;
    bool esBanda = false;
    int indice = 0; // 1-based, as BandaUser(i) and ModoUser(i)
};
std::optional<RechazoNombresUser> RevisaNombresUser(const NombresUser& nombres);

// Writes the names into the Control row through its result set, trimmed and cut to the fields'
// sizes, in one update of the row.
void GuardaNombresUser(ConjuntoRegistros& regControl, const NombresUser& nombres);
