#pragma once
// The working database as the build delivers it (with the month field), empty, in the current
// folder, for a benchmark to fill.
#include "BaseDatos.h"
#include "Esquema.h"

#include <memory>
#include <QFile>

inline std::shared_ptr<BaseDatos> CreaBaseTrabajoVacia() {
    CreaTodasLasTablas();
    QFile::rename(NombreBaseEsquema, NombreBaseDatos);
    AñadeCampoMes();
    return BaseDatos::Abre(NombreBaseDatos);
}
