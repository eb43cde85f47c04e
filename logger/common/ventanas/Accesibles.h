#pragma once

class QWidget;

// What screen readers announce. Every frame (group box) of the window without a name of its own
// takes its caption: otherwise an inner frame is announced by its outer frame's caption.
// Every drop-down is announced by its name (its label's text), its current entry being its value;
// the platform's own interface would announce the entry as the name; and it is labelled by its
// label (its buddy) alone, not by the frame around it.
void NombraParaLectores(QWidget& ventana);
