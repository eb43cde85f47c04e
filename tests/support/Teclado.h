#pragma once
// Keys and controls for the GUI tests: keys go to the control with the focus, as the keyboard
// sends them; controls are reached by their objectName.
#include <gtest/gtest.h>
#include <QString>
#include <QWidget>

// The key to the focused control, or to `sinFoco` when nothing has the focus.
void PulsaTecla(QWidget* sinFoco, Qt::Key tecla, Qt::KeyboardModifiers mods = Qt::NoModifier);
// Typed into the focused control.
void EscribeTexto(const QString& texto);
// Replaces the text of the focused box as a user does: all selected, erased with `borra`, typed.
void ReescribeTexto(QWidget* sinFoco, const QString& texto, Qt::Key borra = Qt::Key_Backspace);

// The child of `ventana` of that type and objectName; a failure of the test when there is none.
template <class T> T* Busca(const QObject* ventana, const QString& nombre) {
    T* hallado = ventana->findChild<T*>(nombre);
    if (!hallado) ADD_FAILURE() << "no hay control " << nombre.toStdString();
    return hallado;
}
