#include "CampoTexto.h"

#include "TextoLimpio.h"

#include <QMouseEvent>

#include <algorithm>

CampoTexto::CampoTexto(QColor colorFoco, QWidget* parent) : QLineEdit(parent), colorFoco_(colorFoco) {
    pinta(Qt::white);
    // textEdited comes before textChanged: the first slot of an edit still sees the text before it.
    // Connected before the other edit slots, which rewrite the text.
    connect(this, &QLineEdit::textChanged, this, [this] { previo_ = text(); });
    connect(this, &QLineEdit::textEdited, this, [this] {
        if (largo_ <= 0 || text().size() <= largo_ || text().size() <= previo_.size()) return;
        // The caret goes back to where the refused characters would have started.
        const int cursor = std::max(0, cursorPosition() - static_cast<int>(text().size() - previo_.size()));
        setText(previo_);
        setCursorPosition(cursor);
        if (alRebasar_) alRebasar_();
    });
    FiltraControles(*this);
}

void CampoTexto::ponLargoMaximo(int largo, std::function<void()> alRebasar) {
    largo_ = largo;
    alRebasar_ = std::move(alRebasar);
}

void CampoTexto::ponMayusculas() {
    // The box's text, not the signal's: the control character filter may have run first.
    connect(this, &QLineEdit::textEdited, this, [this](const QString&) {
        const QString texto = text();
        const QString mayusculas = texto.toUpper();
        if (mayusculas == texto) return;
        const int cursor = cursorPosition();
        setText(mayusculas);
        setCursorPosition(cursor);
    });
}

void CampoTexto::setBloqueado(bool bloqueado) {
    // Qt moves the focus before the press reaches the box: a locked box must not take it by the
    // mouse, or the keys typed next would overwrite its fixed text.
    bloqueado_ = bloqueado;
    const Qt::FocusPolicy p = focusPolicy();
    setFocusPolicy(bloqueado ? Qt::FocusPolicy(p & ~Qt::ClickFocus) : Qt::FocusPolicy(p | Qt::ClickFocus));
}

void CampoTexto::mousePressEvent(QMouseEvent* e) {
    if (bloqueado_) {
        e->accept();
        return;
    }
    QLineEdit::mousePressEvent(e);
}

void CampoTexto::mouseDoubleClickEvent(QMouseEvent* e) {
    if (bloqueado_) {
        e->accept();
        return;
    }
    QLineEdit::mouseDoubleClickEvent(e);
}

void CampoTexto::focusInEvent(QFocusEvent* e) {
    pinta(colorFoco_);
    QLineEdit::focusInEvent(e);
}

void CampoTexto::focusOutEvent(QFocusEvent* e) {
    pinta(Qt::white);
    QLineEdit::focusOutEvent(e);
}

void CampoTexto::pinta(QColor fondo) {
    QPalette p = palette();
    p.setColor(QPalette::Base, fondo);
    setPalette(p);
}
