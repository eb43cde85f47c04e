#include "CampoTexto.h"

#include <QMouseEvent>

CampoTexto::CampoTexto(QColor colorFoco, QWidget* parent) : QLineEdit(parent), colorFoco_(colorFoco) {
    pinta(Qt::white);
}

void CampoTexto::ponMayusculas() {
    connect(this, &QLineEdit::textEdited, this, [this](const QString& texto) {
        const QString mayusculas = texto.toUpper();
        if (mayusculas == texto) return;
        const int cursor = cursorPosition();
        setText(mayusculas);
        setCursorPosition(cursor);
    });
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
