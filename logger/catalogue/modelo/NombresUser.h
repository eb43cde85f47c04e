#pragma once
#include "Avisos.h"

#include <QString>

#include <array>
#include <optional>

class ConjuntoRegistros;

// The names of the three user bands and ten user modes, and the report proposed for each user
// mode, as the Control row keeps them and the panel edits them.
struct NombresUser {
    std::array<QString, 3> bandas; // BandaUser1..3
    std::array<QString, 10> modos; // ModoUser1..10
    std::array<QString, 10> tipos; // TipoUser1..10
};

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
