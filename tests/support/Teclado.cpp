#include "Teclado.h"

#include <QApplication>
#include <QTest>

void PulsaTecla(QWidget* sinFoco, Qt::Key tecla, Qt::KeyboardModifiers mods) {
    QWidget* foco = QApplication::focusWidget();
    QTest::keyClick(foco ? foco : sinFoco, tecla, mods);
}

void EscribeTexto(const QString& texto) {
    QTest::keyClicks(QApplication::focusWidget(), texto);
}

void ReescribeTexto(QWidget* sinFoco, const QString& texto, Qt::Key borra) {
    PulsaTecla(sinFoco, Qt::Key_A, Qt::ControlModifier);
    PulsaTecla(sinFoco, borra);
    if (!texto.isEmpty()) EscribeTexto(texto);
}
