#pragma once
#include "BaseDatos.h"

#include <QString>
#include <QtGlobal>

#include <memory>

// What every window of the logger uses: the working database and its table definitions, the
// program's version, the screen size chosen and the UTC offset. One instance per run, made at load;
// tests make a fresh one.
struct Programa {
    QString NombreBaseDatos;
    std::shared_ptr<BaseDatos> BaseConcursos;
    DefTabla DefConcursos, DefIndicativos, DefContactos, DefResumenCabrillo;
    QString VersionPrograma;
    int PorcentajePantalla = 1;
    // Hours added to local time to give UTC for the selected contest and station; 0 when unchanged.
    qint16 DesfaseUTC = 0;
};
