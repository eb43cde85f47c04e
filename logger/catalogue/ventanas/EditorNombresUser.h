#pragma once
#include "EstadoPrincipal.h"

#include <QObject>

class FConcursos;
class PanelConcurso;
class PanelNombresUser;

// Loads the stored user band and mode names into the captions of the contest frame's check boxes
// and into the boxes of PanelNuevaBanda; nothing when the Control row is not open.
void CargaNombresUser(PanelConcurso& panel, const EstadoPrincipal& estado);

// Opening, accepting and cancelling PanelNuevaBanda during a contest edit.
class EditorNombresUser : public QObject {
public:
    EditorNombresUser(FConcursos& ventana, EstadoPrincipal& estado, PanelConcurso& panel);

    void Abre(bool desdeBanda);
    void AceptarCambios_Click();
    void CancelarCambios_Click();

private:
    void Cierra();

    FConcursos& ventana_;
    EstadoPrincipal& estado_;
    PanelConcurso& panel_;
    PanelNombresUser& nombres_;
};
