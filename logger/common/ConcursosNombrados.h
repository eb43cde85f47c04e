#pragma once
#include <QString>

// Contests that the program knows by name and treats in their own way. One row per name; the
// rules of the catalogue, the log and the outputs read their columns here.
struct ConcursoNombrado {
    const char* nombre; // compared exactly, as the contest row stores it
    // Sent serials numbered separately on each band, and one Cabrillo log per band.
    bool porBanda = false;
};

// The row of a contest name, or nullptr when the program does not know it by name.
const ConcursoNombrado* BuscaConcursoNombrado(const QString& nombre);

bool NumeracionPorBanda(const QString& nombreConcurso);
