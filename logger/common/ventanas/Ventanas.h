#pragma once
#include <QRect>

class QVBoxLayout;
class QWidget;

// Switches off Tab focus on every control of the window; controls keep taking the focus by click
// and when the program moves it there.
void QuitaTabStop(QWidget& ventana);

// What AjustaPantalla does to a window, worked out without one.
struct Ajuste {
    QSize tamaño;      // the window's new size, never past the room
    float fW, fH;      // factors for the controls placed by hand
    float letra;       // factor for every font
    float letraMinima; // the smallest factor that keeps the letters readable
};
// `diseño`: the window's size at its design font of `puntos` points; `minimo`: the least room its
// controls need at that font (invalid: none); `sitio`: the room on the screen.
Ajuste CalculaAjuste(QSize diseño, QSize minimo, qreal puntos, QSize sitio, int porcentaje);

// Grows the window towards the screen by `porcentaje` percent (1, 25, 50, 100) of the free
// space, scaling every control's font and the sizes given it for its text, and its geometry where
// no layout places it. On a wide screen (aspect above 1.4) the width aims at three quarters of the
// screen. Never smaller than its design: only where its controls do not fit the room do the
// letters shrink, and never past readable; nor larger than lets the controls fit.
// `pantalla` empty: the room the window's screen leaves (SitioVentana).
void AjustaPantalla(QWidget& ventana, int porcentaje, QRect pantalla = {});

// Centres the window on `pantalla`; empty: its frame on the free area of the window's screen
// (no task bars).
void CentraFormulario(QWidget& ventana, QRect pantalla = {});

// The room for a window on its screen: the available area (no task bars) less the window's own
// frame and title bar, which are not known before it shows.
QRect SitioVentana(const QWidget& ventana);

// The window's controls go into the layout returned, inside a frameless scroll area that fills
// the window: where a small screen has less room than they need, scroll bars appear instead of
// an edge cut off.
QVBoxLayout* CuerpoDesplazable(QWidget& ventana);

// A window's size and place when it loads: its design size adjusted (AjustaPantalla) and
// centred, within the room of its screen, centred again on its true frame once shown; its
// drop-downs as wide as their longest entries.
void ColocaEnPantalla(QWidget& ventana, int porcentaje);

class QFont;
// A fixed-pitch font for lists of fixed columns, even where the system's fixed font resolves to a
// proportional one.
QFont FuenteFija();
