#include "Ventanas.h"

#include <QApplication>
#include <QLayout>
#include <QScreen>
#include <QWidget>

#include <cmath>
#include <vector>

namespace {

QRect Pantalla(const QWidget& ventana, QRect pantalla) {
    if (!pantalla.isEmpty()) return pantalla;
    const QScreen* s = ventana.screen();
    return s ? s->geometry() : QRect(0, 0, 800, 600);
}

bool EstaEnLayout(const QLayout* layout, const QWidget* w) {
    if (!layout) return false;
    for (int i = 0; i < layout->count(); ++i) {
        QLayoutItem* item = layout->itemAt(i);
        if (item->widget() == w || EstaEnLayout(item->layout(), w)) return true;
    }
    return false;
}

// A control whose place a layout decides keeps it; scaling it by hand would be undone anyway.
bool ColocadoPorLayout(const QWidget* w) {
    const QWidget* padre = w->parentWidget();
    return padre && EstaEnLayout(padre->layout(), w);
}

float Factor(int porcentaje, float objetivo, float original) {
    const float p = (objetivo - original) * 100 / original;
    return static_cast<float>(porcentaje) * p / 100 / 100 + 1;
}

} // namespace

void QuitaTabStop(QWidget& ventana) {
    for (QWidget* w : ventana.findChildren<QWidget*>()) {
        const Qt::FocusPolicy politica = w->focusPolicy();
        if (!(politica & Qt::TabFocus)) continue;
        w->setFocusPolicy((politica & Qt::ClickFocus) ? Qt::ClickFocus : Qt::NoFocus);
    }
}

void AjustaPantalla(QWidget& ventana, int porcentaje, QRect pantalla) {
    const QRect p = Pantalla(ventana, pantalla);
    const float anchoP = static_cast<float>(p.width()), altoP = static_cast<float>(p.height());
    const float w0 = static_cast<float>(ventana.width()), h0 = static_cast<float>(ventana.height());
    if (w0 <= 0 || h0 <= 0 || anchoP <= 0 || altoP <= 0) return;

    const float fH = Factor(porcentaje, altoP, h0);
    float fW = Factor(porcentaje, anchoP / altoP <= 1.4f ? anchoP : anchoP * 3 / 4, w0);
    float ancho = w0 * fW;
    if (ancho > anchoP) {
        // Recomputed from the design width, not applied on top of the first factor, so the
        // window and its controls grow by the same factor; and never past the screen.
        fW = Factor(porcentaje, anchoP, w0);
        ancho = w0 * fW;
        if (ancho > anchoP) {
            fW = anchoP / w0;
            ancho = anchoP;
        }
    }

    // Read every font first: a container's new font would otherwise be inherited and scaled again.
    const QList<QWidget*> controles = ventana.findChildren<QWidget*>();
    std::vector<QFont> fuentes;
    fuentes.reserve(static_cast<size_t>(controles.size()));
    for (const QWidget* w : controles)
        fuentes.push_back(w->font());

    for (qsizetype i = 0; i < controles.size(); ++i) {
        QWidget* w = controles[i];
        QFont f = fuentes[static_cast<size_t>(i)];
        if (f.pointSizeF() > 0)
            f.setPointSizeF(f.pointSizeF() * fW);
        else if (f.pixelSize() > 0)
            f.setPixelSize(std::max(1, static_cast<int>(std::lround(f.pixelSize() * fW))));
        w->setFont(f);
        if (!w->isWindow() && !ColocadoPorLayout(w)) {
            const QRect g = w->geometry();
            w->setGeometry(static_cast<int>(std::lround(g.x() * fW)),
                           static_cast<int>(std::lround(g.y() * fH)),
                           static_cast<int>(std::lround(g.width() * fW)),
                           static_cast<int>(std::lround(g.height() * fH)));
        }
    }
    ventana.resize(static_cast<int>(std::lround(ancho)), static_cast<int>(std::lround(h0 * fH)));
}

void CentraFormulario(QWidget& ventana, QRect pantalla) {
    const QRect p = Pantalla(ventana, pantalla);
    const QSize tamano = ventana.frameGeometry().size();
    ventana.move(p.x() + (p.width() - tamano.width()) / 2, p.y() + (p.height() - tamano.height()) / 2);
}
