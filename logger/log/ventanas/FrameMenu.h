#pragma once
#include "TransicionesLog.h"

#include <QFrame>

class QPushButton;

// The buttons of the log window: the browsing actions in FrameMenu, and beside them accept,
// cancel and the way out.
class FrameMenu : public QFrame {
public:
    explicit FrameMenu(QWidget* padre);
    // The button of a menu control (ModificarReg to Cancelar); null for the other controls.
    QPushButton* boton(ControlLog c) const;
    // A line of state (the radio's) in the free room between the browsing buttons and the rest, so
    // it takes no height of its own.
    void ponEstado(QWidget* estado);

private:
    QPushButton *modificarReg_, *borrarReg_, *listar_, *exportarXk_, *exportarAdif_, *ordenar_;
    QPushButton *aceptar_, *cancelar_, *volver_;
};
