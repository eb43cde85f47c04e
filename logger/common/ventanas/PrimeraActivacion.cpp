#include "PrimeraActivacion.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace {
// Where the desktop neither activates nor paints a shown window, the step still runs.
constexpr int EsperaActivacionMs = 1000;
} // namespace

PrimeraActivacion::PrimeraActivacion(QWidget& ventana, std::function<void()> paso)
    : QObject(&ventana), paso_(std::move(paso)) {
    ventana.installEventFilter(this);
}

bool PrimeraActivacion::eventFilter(QObject* objeto, QEvent* evento) {
    const QEvent::Type tipo = evento->type();
    if (tipo == QEvent::WindowActivate || tipo == QEvent::Paint)
        programa(0);
    else if (tipo == QEvent::Show)
        programa(EsperaActivacionMs);
    return QObject::eventFilter(objeto, evento);
}

void PrimeraActivacion::programa(int esperaMs) {
    if (programada_) return;
    // The fallback after a show only waits; activation or paint still schedule at once.
    if (esperaMs > 0) {
        QTimer::singleShot(esperaMs, this, [this] { programa(0); });
        return;
    }
    programada_ = true;
    // Out of the paint or activation handler: the step may block or show boxes.
    QTimer::singleShot(0, this, [this] {
        hecha_ = true;
        paso_();
    });
}
