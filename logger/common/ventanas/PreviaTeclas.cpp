#include "PreviaTeclas.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

bool EsModificadora(int tecla) {
    switch (tecla) {
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_Meta:
    case Qt::Key_CapsLock:
    case Qt::Key_NumLock:
        return true;
    default:
        return false;
    }
}

PreviaTeclas::PreviaTeclas(QWidget& ventana) : QObject(&ventana), ventana_(ventana) {
    qApp->installEventFilter(this);
}

PreviaTeclas::~PreviaTeclas() {
    qApp->removeEventFilter(this);
}

void PreviaTeclas::asigna(int tecla, QAbstractButton* boton, Qt::KeyboardModifiers mods) {
    tabla_.push_back({tecla, mods, boton});
}

void PreviaTeclas::setActiva(bool activa) {
    activa_ = activa;
}

bool PreviaTeclas::eventFilter(QObject* objeto, QEvent* evento) {
    if (!activa_ || evento->type() != QEvent::KeyPress || !objeto->isWidgetType()) return false;
    auto* w = static_cast<QWidget*>(objeto);
    if (w->window() != &ventana_) return false;
    // Only the first delivery of a key: a key a control ignores is delivered again to its parents.
    QWidget* primero = QApplication::focusWidget() ? QApplication::focusWidget() : &ventana_;
    if (w != primero) return false;
    auto& tecla = *static_cast<QKeyEvent*>(evento);
    if (antes && antes(tecla)) return true;
    const Qt::KeyboardModifiers mods =
        tecla.modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
    for (const Entrada& e : tabla_) {
        if (e.tecla != tecla.key() || e.mods != mods) continue;
        // Several rows may share a key: the first usable button takes it.
        if (!e.boton || !e.boton->isEnabled() || !e.boton->isVisibleTo(&ventana_)) continue;
        e.boton->setFocus();
        e.boton->click();
        return true;
    }
    return despues && despues(tecla);
}
