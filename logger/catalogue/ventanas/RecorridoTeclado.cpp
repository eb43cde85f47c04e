#include "RecorridoTeclado.h"

#include <algorithm>
#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {
bool Alcanzable(const QWidget* w) {
    return w->isVisible() && w->isEnabled() && w->focusPolicy() != Qt::NoFocus;
}

bool EsOpcion(const QWidget* w) {
    const auto* o = qobject_cast<const QRadioButton*>(w);
    return o && o->autoExclusive();
}
} // namespace

RecorridoTeclado::RecorridoTeclado(QWidget& ventana, const std::function<bool(const QWidget*)>& excluida)
    : QObject(&ventana) {
    for (QWidget* w : ventana.findChildren<QWidget*>()) {
        // A drop-down's list is a window of its own, and its parts are no controls.
        if (w->window() != &ventana || qobject_cast<QComboBox*>(w->parentWidget()) || excluida(w)) continue;
        if (qobject_cast<QAbstractButton*>(w) || qobject_cast<QAbstractItemView*>(w) ||
            qobject_cast<QComboBox*>(w) || qobject_cast<QLineEdit*>(w))
            paradas_.push_back(w);
        const bool marco = qobject_cast<QGroupBox*>(w) &&
                           !QKeySequence::mnemonic(static_cast<QGroupBox*>(w)->title()).isEmpty();
        const auto* etiqueta = qobject_cast<QLabel*>(w);
        if (marco || (etiqueta && EsOpcion(etiqueta->buddy()))) w->installEventFilter(this);
    }
}

bool RecorridoTeclado::eventFilter(QObject* objeto, QEvent* evento) {
    if (evento->type() != QEvent::Shortcut) return false;
    const auto* etiqueta = qobject_cast<QLabel*>(objeto);
    // A group box's own shortcut looks only for Tab stops; an option's label would click it.
    const QWidget* dentro = etiqueta ? etiqueta->buddy()->parentWidget() : static_cast<QWidget*>(objeto);
    QWidget* destino = nullptr;
    for (QWidget* w : paradas_) {
        if (!Alcanzable(w) || !dentro->isAncestorOf(w) || (etiqueta && !EsOpcion(w))) continue;
        if (EsOpcion(w) && static_cast<QRadioButton*>(w)->isChecked()) {
            destino = w;
            break;
        }
        if (!destino) destino = w;
    }
    if (destino) destino->setFocus(Qt::ShortcutFocusReason);
    return true;
}

bool RecorridoTeclado::Tabula(const QKeyEvent& tecla) {
    if (tecla.key() == Qt::Key_Tab && tecla.modifiers() == Qt::NoModifier) return Mueve(1, false);
    if (tecla.key() == Qt::Key_Backtab) return Mueve(-1, false);
    return false;
}

bool RecorridoTeclado::Flecha(const QKeyEvent& tecla) {
    const QWidget* foco = QApplication::focusWidget();
    if (tecla.modifiers() != Qt::NoModifier || !qobject_cast<const QAbstractButton*>(foco) || EsOpcion(foco))
        return false;
    switch (tecla.key()) {
    case Qt::Key_Up:
    case Qt::Key_Left:
        return Mueve(-1, true);
    case Qt::Key_Down:
    case Qt::Key_Right:
        return Mueve(1, true);
    default:
        return false;
    }
}

bool RecorridoTeclado::AccesoSinControl(const QKeyEvent& tecla) {
    // A matched access key never arrives as a key press; Ctrl+Alt is AltGr on some systems.
    const Qt::KeyboardModifiers mods = tecla.modifiers() & (Qt::AltModifier | Qt::ControlModifier);
    return mods == Qt::AltModifier && !tecla.text().isEmpty() && tecla.text()[0].isLetterOrNumber();
}

bool RecorridoTeclado::Mueve(int paso, bool mismoMarco) {
    QWidget* foco = QApplication::focusWidget();
    const auto it = std::find(paradas_.begin(), paradas_.end(), foco);
    if (it == paradas_.end()) return false;
    const auto n = static_cast<std::ptrdiff_t>(paradas_.size());
    std::ptrdiff_t i = it - paradas_.begin();
    for (std::ptrdiff_t vueltas = 1; vueltas < n; ++vueltas) {
        i = (i + paso + n) % n;
        QWidget* w = paradas_[static_cast<size_t>(i)];
        if (mismoMarco &&
            (w->parentWidget() != foco->parentWidget() || !qobject_cast<QAbstractButton*>(w) || EsOpcion(w)))
            continue;
        if (Alcanzable(w)) {
            w->setFocus(paso > 0 ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            return true;
        }
    }
    return true;
}
