#pragma once
#include <QRect>

class QWidget;

// Switches off Tab focus on every control of the window; controls keep taking the focus by click
// and when the program moves it there.
void QuitaTabStop(QWidget& ventana);

// Grows (or shrinks) the window towards the screen by `porcentaje` percent (1, 25, 50, 100) of
// the free space, scaling every control's font, and its geometry where no layout places it.
// On a wide screen (aspect above 1.4) the width aims at three quarters of the screen.
// `pantalla` empty: the window's screen.
void AjustaPantalla(QWidget& ventana, int porcentaje, QRect pantalla = {});

// Centres the window on the screen (`pantalla` empty: the window's screen).
void CentraFormulario(QWidget& ventana, QRect pantalla = {});
