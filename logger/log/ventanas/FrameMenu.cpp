#include "FrameMenu.h"

#include "Nombres.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>

FrameMenu::FrameMenu(QWidget* padre) : QFrame(padre) {
    setObjectName("FrameMenu");
    auto* fila = new QHBoxLayout(this);
    fila->setContentsMargins(0, 0, 0, 0);
    ModificarReg = Boton(this, "ModificarReg", "Modifica");
    BorrarReg = Boton(this, "BorrarReg", "Borrar");
    Listar = Boton(this, "Listar", "Log");
    ExportarXk = Boton(this, "ExportarXk", "[F7] Exportar a XK   ");
    ExportarADIF = Boton(this, "ExportarADIF", "[F8] Exportar a ADIF");
    Ordenar = Boton(this, "Ordenar", "[F9] Ordenar por Fecha y Hora");
    Aceptar = Boton(this, "Aceptar", "Aceptar");
    Cancelar = Boton(this, "Cancelar", "Cancelar");
    Volver = Boton(this, "Volver", "FIN");
    for (QPushButton* b : {ModificarReg, BorrarReg, Listar, ExportarXk, ExportarADIF, Ordenar})
        fila->addWidget(b);
    fila->addStretch();
    for (QPushButton* b : {Aceptar, Cancelar, Volver})
        fila->addWidget(b);
}
