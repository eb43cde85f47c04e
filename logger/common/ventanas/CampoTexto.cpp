#include "CampoTexto.h"

#include "TextoLimpio.h"

#include <QMouseEvent>

CampoTexto::CampoTexto(QColor colorFoco, QWidget* parent) : QLineEdit(parent), colorFoco_(colorFoco) {
    pinta(Qt::white);
    FiltraControles(*this);
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
