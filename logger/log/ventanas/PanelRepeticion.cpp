#include "PanelRepeticion.h"

#include "Ventanas.h"

#include "Repeticion.h"

#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QVBoxLayout>

namespace {

void Pinta(QLineEdit* e, QColor fondo) {
    QPalette p = e->palette();
    p.setColor(QPalette::Base, fondo);
    e->setPalette(p);
}

} // namespace

PanelRepeticion::PanelRepeticion(QWidget* parent) : QGroupBox(QStringLiteral("Estación repetida"), parent) {
    setObjectName(QStringLiteral("PanelRepeticion"));
    setAccessibleName(title());
    auto* columnas = new QHBoxLayout;
    columnas->setSpacing(1);
    for (Columna c : ColumnasTecleadas) {
        auto* e = new QLineEdit(this);
        e->setObjectName(NombreColumna(c) + QStringLiteral("Rep"));
        e->setAccessibleName(Cabecera(c)); // the fields sit under the grid's headers
        e->setReadOnly(true);
        e->setFocusPolicy(Qt::NoFocus);
        columnas->addWidget(e);
        campos_[static_cast<size_t>(c)] = e;
    }
    lista_ = new QListWidget(this);
    lista_->setObjectName(QStringLiteral("ListaRepeticion"));
    lista_->setAccessibleName(title());
    lista_->setFont(FuenteFija());
    lista_->setFocusPolicy(Qt::NoFocus);
    lista_->setSelectionMode(QAbstractItemView::NoSelection); // a click on a line does nothing
    auto* v = new QVBoxLayout(this);
    v->addLayout(columnas);
    v->addWidget(lista_);
    ponNumeraloSiglas(false);
    oculta();
}

void PanelRepeticion::ponNumeraloSiglas(bool numeraloSiglas) {
    campo(Columna::ControlRec)->setVisible(numeraloSiglas);
    campo(Columna::NumeralRecibido)->setVisible(!numeraloSiglas);
    campo(Columna::LiteralRecibido)->setVisible(!numeraloSiglas);
}

void PanelRepeticion::muestra(const ResultadoRepeticion& r) {
    if (!r.encontrado) {
        oculta();
        return;
    }
    for (Columna c : ColumnasTecleadas)
        campo(c)->setText(r.campos[static_cast<size_t>(c)]);
    const QColor rojo(255, 0, 0), cian(0, 255, 255);
    Pinta(campo(Columna::Banda), r.bandaIgual ? rojo : cian);
    Pinta(campo(Columna::Modo), r.modoIgual ? rojo : cian);
    lista_->clear();
    lista_->addItems(r.lineas);
    lista_->setVisible(true);
    setVisible(true);
}

void PanelRepeticion::oculta() {
    setVisible(false);
    lista_->setVisible(false);
}
