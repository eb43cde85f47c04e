#pragma once
#include "BaseDatos.h"
#include "Programa.h"

#include <optional>

// The operation the main window's contest or callsign editor is in.
enum class OperacionPrincipal { Ninguna, Alta, Modificar, NuevaEdicion, Borrar, Consulta };

// The main window's own state: its selection, its mode and its flags, beside the program's objects
// it makes at load and hands to the other windows.
struct EstadoPrincipal {
    Programa programa;
    // The current row of RegConcursos is the selected contest; of RegControl, the Control row;
    // of RegIndicativos, the selected callsign.
    std::optional<ConjuntoRegistros> RegConcursos, RegControl, RegIndicativos;

    bool PuedeTerminar = false;
    bool ArranquePendiente = true;
    bool ActualizandoDatos = false;
    bool ActivarCheck = false;
    bool EditandoConcurso = false;
    bool EditandoIndicativo = false;
    bool EditandoUser = false;
    OperacionPrincipal OperacionEnCurso = OperacionPrincipal::Ninguna;
    int CampoActual = 0;
    int ConcursoOrigen = 0;
};
