#pragma once
#include <QFrame>

class QPushButton;

// The buttons of the log window: the browsing actions in FrameMenu, and beside them accept,
// cancel and the way out.
class FrameMenu : public QFrame {
public:
    explicit FrameMenu(QWidget* padre);
    QPushButton *ModificarReg, *BorrarReg, *Listar, *ExportarXk, *ExportarADIF, *Ordenar;
    QPushButton *Aceptar, *Cancelar, *Volver;
};
