#pragma once
#include "BaseDatos.h"

#include <memory>
#include <optional>
#include <QString>

// The program-wide objects the main window makes at load and every other window of the logger
// uses, and the main window's own state. One instance per run; tests make a fresh one.
struct EstadoPrincipal {
    QString NombreBaseDatos;
    std::shared_ptr<BaseDatos> BaseConcursos;
    DefTabla DefConcursos, DefIndicativos, DefContactos, DefResumenCabrillo;
    // The current row of RegConcursos is the selected contest; of RegControl, the Control row;
    // of RegIndicativos, the selected callsign.
    std::optional<ConjuntoRegistros> RegConcursos, RegControl, RegIndicativos;
    QString VersionPrograma;
    int PorcentajePantalla = 1;

    bool PuedeTerminar = false;
    bool ArranquePendiente = true;
    bool ActualizandoDatos = false;
    bool ActivarCheck = false;
    bool EditandoConcurso = false;
    bool EditandoIndicativo = false;
    bool EditandoUser = false;
    QString OperacionEnCurso;
    int CampoActual = 0;
    int ConcursoOrigen = 0;
    // Hours added to local time to give UTC for the selected contest and station; 0 when unchanged.
    qint16 DesfaseUTC = 0;
};
