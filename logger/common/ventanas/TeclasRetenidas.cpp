#include "TeclasRetenidas.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

TeclasRetenidas::TeclasRetenidas() {
    qApp->installEventFilter(this);
    QCoreApplication::processEvents();
    qApp->removeEventFilter(this);
}

TeclasRetenidas::~TeclasRetenidas() {
    // The field they were typed into, unless the box left the focus on another one.
    QWidget* foco = QApplication::focusWidget() ? QApplication::focusWidget() : campo_.data();
    if (!foco) return;
    for (auto& tecla : teclas_)
        QCoreApplication::postEvent(foco, tecla.release());
}

bool TeclasRetenidas::eventFilter(QObject* objeto, QEvent* evento) {
    // The window passes its input on to its widgets: held there.
    if (!objeto->isWidgetType()) return false;
    switch (evento->type()) {
    case QEvent::ShortcutOverride:
        // Accepted: no shortcut fires, the key comes as a key press and is held with the rest.
        evento->accept();
        return true;
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
        // One delivery per key: a key a field ignores goes on to its parents.
        if (objeto == QApplication::focusWidget()) {
            campo_ = static_cast<QWidget*>(objeto);
            teclas_.push_back(std::unique_ptr<QKeyEvent>(static_cast<QKeyEvent*>(evento)->clone()));
        }
        return true;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
        return true;
    default:
        return false;
    }
}
