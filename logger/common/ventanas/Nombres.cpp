#include "Nombres.h"

#include <QLabel>
#include <QPushButton>

QString SinMarcaAcceso(const QString& titulo) {
    QString limpio;
    for (qsizetype i = 0; i < titulo.size(); ++i) {
        // "&&" stands for a literal ampersand.
        if (titulo[i] == u'&' && i + 1 < titulo.size()) ++i;
        limpio += titulo[i];
    }
    return limpio;
}

void Nombra(QWidget* control, const QString& nombre, const QString& etiqueta) {
    control->setObjectName(nombre);
    control->setAccessibleName(SinMarcaAcceso(etiqueta).trimmed());
}

void Nombra(QWidget* control, const QString& nombre, QLabel* etiqueta) {
    Nombra(control, nombre, etiqueta->text());
    etiqueta->setBuddy(control);
}

QPushButton* Boton(QWidget* padre, const QString& nombre, const QString& titulo) {
    auto* b = new QPushButton(titulo, padre);
    Nombra(b, nombre, titulo);
    b->setAutoDefault(false);
    return b;
}

QLabel* Etiqueta(QWidget* padre, const QString& nombre, const QString& texto) {
    auto* l = new QLabel(texto, padre);
    l->setObjectName(nombre);
    return l;
}
