#pragma once
#include "Filas.h"

#include <QString>

struct ConcursoNombrado;

// What the contest row says about the exchange and the repeats of its QSOs, with the callsign of
// the station the log is kept for.
struct ReglasContacto : FilaConcurso {
    QString indicativoEstacion; // the selected station's own callsign

    // The contest's row of the named-contest table, or nullptr.
    const ConcursoNombrado* nombrado() const;
};

ReglasContacto ReglasDe(const FilaConcurso& concurso, const QString& indicativoEstacion);
