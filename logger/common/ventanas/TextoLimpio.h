#pragma once
#include <QString>

class QLineEdit;

// The text without control characters: a line break (CR, LF or CR LF) becomes one blank, every other
// control character (tab, escape, bell...) is dropped. Such characters would reach the header lines
// of the Cabrillo and ADIF files, where a line break starts a new line.
QString SinControles(const QString& texto);

// From now on the box drops control characters as they are typed or pasted, the caret staying after
// what was inserted.
void FiltraControles(QLineEdit& caja);
