#pragma once
// Fixed corrections of named contests, applied to the current year's edition at every activation
// until the work starts. Each stops at a marker it leaves, so a second run changes nothing.
#include "BaseDatos.h"

#include <span>
#include <vector>

struct ParCategorias {
    const char* cabrillo; // FormatoEspecial.CategoriaCabrillo
    const char* concurso; // FormatoEspecial.CategoriaConcurso
};

enum class ReglaResumen {
    BajaPotencia, // "SINGLE-OP ALL" becomes "SINGLE-OP LP ALL"
    Municipios,   // LP/HP become "SINGLE-OP ALL LOW"/"HIGH" in the "ESPECIAL" format
    Naranja,      // repeat after "23:59"; band, power, mode and overlay "No Aplicable"
};

struct CorreccionConcurso {
    const char* nombre;
    // Category members: the categories written, and the Cabrillo category that shows they were.
    const char* marcador;
    std::span<const ParCategorias> categorias;
    ReglaResumen regla;
};

// The members, the named contests with a correction, in the order they run (table order).
const std::vector<CorreccionConcurso>& CorreccionesConcursos();

// Corrects the contest of that name and edition (names compare as SQL does, ignoring case); does
// nothing when there is none. One transaction.
void CorrigeConcurso(BaseDatos& bd, const CorreccionConcurso& correccion, const QString& edicion);
// Every member for the current year.
void CorrigeConcursos(BaseDatos& bd);
