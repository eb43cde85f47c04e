#pragma once
#include <QString>

class QAbstractButton;
class QLabel;
class QPushButton;
class QWidget;

// Every control carries its program name as objectName (array elements as text3_4) and an accessible name
// taken from its label (buttons and check boxes: their caption without the access-key mark),
// so screen readers and tests find each one.
void Nombra(QWidget* control, const QString& nombre, const QString& etiqueta);
QString SinMarcaAcceso(const QString& titulo);
// The same, named by its label, which becomes its buddy: screen readers' labelled-by relation
// then names the label, not the frame around both.
void Nombra(QWidget* control, const QString& nombre, QLabel* etiqueta);
QPushButton* Boton(QWidget* padre, const QString& nombre, const QString& titulo);
QLabel* Etiqueta(QWidget* padre, const QString& nombre, const QString& texto);
