#include "FrameMenu.h"

#include "Nombres.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>

FrameMenu::FrameMenu(QWidget* padre) : QFrame(padre) {
    setObjectName("FrameMenu");
    auto* fila = new QHBoxLayout(this);
    fila->setContentsMargins(0, 0, 0, 0);
    modificarReg_ = Boton(this, "ModificarReg", "Modifica");
    borrarReg_ = Boton(this, "BorrarReg", "Borrar");
    listar_ = Boton(this, "Listar", "Log");
    exportarXk_ = Boton(this, "ExportarXk", "[F7] Exportar a XK   ");
    exportarAdif_ = Boton(this, "ExportarADIF", "[F8] Exportar a ADIF");
    ordenar_ = Boton(this, "Ordenar", "[F9] Ordenar por Fecha y Hora");
    aceptar_ = Boton(this, "Aceptar", "&Aceptar");
    cancelar_ = Boton(this, "Cancelar", "&Cancelar");
    volver_ = Boton(this, "Volver", "&FIN");
    for (QPushButton* b : {modificarReg_, borrarReg_, listar_, exportarXk_, exportarAdif_, ordenar_})
        fila->addWidget(b);
    fila->addStretch();
    for (QPushButton* b : {aceptar_, cancelar_, volver_})
        fila->addWidget(b);
}

void FrameMenu::ponEstado(QWidget* estado) {
    auto* fila = static_cast<QHBoxLayout*>(layout());
    // In the stretch's place: it takes the room left over, and never widens the window.
    const int sitio = fila->indexOf(ordenar_) + 1;
    delete fila->takeAt(sitio);
    estado->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    fila->insertWidget(sitio, estado, 1);
}

QPushButton* FrameMenu::boton(ControlLog c) const {
    switch (c) {
    case ControlLog::ModificarReg:
        return modificarReg_;
    case ControlLog::BorrarReg:
        return borrarReg_;
    case ControlLog::Listar:
        return listar_;
    case ControlLog::ExportarXk:
        return exportarXk_;
    case ControlLog::ExportarADIF:
        return exportarAdif_;
    case ControlLog::Ordenar:
        return ordenar_;
    case ControlLog::Volver:
        return volver_;
    case ControlLog::Aceptar:
        return aceptar_;
    case ControlLog::Cancelar:
        return cancelar_;
    default:
        return nullptr;
    }
}
