#include "EditorNombresUser.h"

#include "Avisos.h"
#include "FConcursos.h"
#include "NombresUser.h"
#include "PanelConcurso.h"
#include "PanelNombresUser.h"
#include "SeleccionPrincipal.h"

void CargaNombresUser(PanelConcurso& panel, const EstadoPrincipal& estado) {
    if (const auto nombres = LeeNombresUser(estado)) panel.MuestraNombresUser(*nombres);
}

EditorNombresUser::EditorNombresUser(FConcursos& ventana, EstadoPrincipal& estado, PanelConcurso& panel)
    : QObject(&ventana), ventana_(ventana), estado_(estado), panel_(panel), nombres_(panel.PanelNombres()) {
    connect(&panel_, &PanelConcurso::pideNombresUser, this, &EditorNombresUser::Abre);
    connect(&nombres_, &PanelNombresUser::aceptarPulsado, this, &EditorNombresUser::AceptarCambios_Click);
    connect(&nombres_, &PanelNombresUser::cancelarPulsado, this, &EditorNombresUser::CancelarCambios_Click);
}

void EditorNombresUser::Abre(bool desdeBanda) {
    // The buttons are enabled only during an edit; a late click after it ended opens nothing.
    if (!estado_.EditandoConcurso || estado_.EditandoUser) return;
    panel_.AbreNombresUser(desdeBanda);
    ventana_.BotonesConNombresUser(true);
    estado_.EditandoUser = true;
}

void EditorNombresUser::AceptarCambios_Click() {
    const NombresUser nombres = nombres_.Lee();
    if (const auto rechazo = RevisaNombresUser(nombres)) {
        Avisos::actual().muestra(rechazo->aviso);
        nombres_.EnfocaNombre(rechazo->esBanda, rechazo->indice);
        return;
    }
    GuardaNombresUser(estado_, nombres);
    CargaNombresUser(panel_, estado_);
    Cierra();
}

void EditorNombresUser::CancelarCambios_Click() {
    Cierra();
}

void EditorNombresUser::Cierra() {
    panel_.CierraNombresUser();
    estado_.EditandoUser = false;
    ventana_.BotonesConNombresUser(false);
}
