#pragma once
#include "OpcionesConcurso.h"

#include <functional>

class QWidget;

// The contest frame's option controls and the boxes they drive, found among the children of
// `marco` by objectName: the option names, "LabelUTC" and "text3_3" to "text3_8". A control the
// frame lacks is skipped.

// What the controls show now.
OpcionesConcurso LeeOpciones(const QWidget& marco);

// Shows a state without setting off the controls' own signals. The entry lock of text3(8) follows
// the options only during an edit; outside one it stays locked like every other box.
void MuestraOpciones(QWidget& marco, const OpcionesConcurso& o, bool enEdicion);

// Every change of an option control, by a click or by the program's setChecked, runs its reaction
// and shows the result; the focus moves where the reaction asks. NumeraloSiglas is made
// display-only. `trasCambio` sees each new state (to keep DesfaseUTC, for instance).
struct EnlaceOpciones {
    std::function<QString()> indicativo; // the selected station callsign
    std::function<bool()> enEdicion;
    std::function<void(const OpcionesConcurso&)> trasCambio{};
};
void ConectaOpciones(QWidget& marco, EnlaceOpciones enlace);
