#include "CursorEspera.h"

#include <QApplication>

CursorEspera::CursorEspera() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
}

CursorEspera::~CursorEspera() {
    quita();
}

void CursorEspera::quita() {
    if (!puesto_) return;
    puesto_ = false;
    QApplication::restoreOverrideCursor();
}
