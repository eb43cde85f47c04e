#include "PanelRepeticion.h"

#include "Ventanas.h"

#include "RejillaLog.h"
#include "Repeticion.h"

#include <QEvent>
#include <QFontDatabase>
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
    // The fields have no layout of their own: alineaCon puts each one under its grid column, in
    // the room the empty row fila_ keeps for them in the panel.
    fila_ = new QWidget(this);
    fila_->setObjectName(QStringLiteral("FilaRepeticion"));
    for (Columna c : ColumnasTecleadas) {
        auto* e = new QLineEdit(this);
        e->setObjectName(NombreColumna(c) + QStringLiteral("Rep"));
        e->setAccessibleName(Cabecera(c)); // the fields sit under the grid's headers
        e->setReadOnly(true);
        e->setFocusPolicy(Qt::NoFocus);
        campos_[static_cast<size_t>(c)] = e;
    }
    fila_->setFixedHeight(campos_[0]->sizeHint().height());
    lista_ = new QListWidget(this);
    lista_->setObjectName(QStringLiteral("ListaRepeticion"));
    lista_->setAccessibleName(title());
    lista_->setFont(FuenteFija());
    lista_->setFocusPolicy(Qt::NoFocus);
    lista_->setSelectionMode(QAbstractItemView::NoSelection); // a click on a line does nothing
    auto* v = new QVBoxLayout(this);
    v->addWidget(fila_);
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

void PanelRepeticion::alineaCon(const RejillaLog& rejilla) {
    rejilla_ = &rejilla;
    // The first row's cells move and resize with the window: each change realigns its field.
    for (Columna c : ColumnasTecleadas)
        rejilla.celda(c, 0)->installEventFilter(this);
    fila_->installEventFilter(this);
    alinea();
}

void PanelRepeticion::alinea() {
    if (!rejilla_) return;
    for (Columna c : ColumnasTecleadas) {
        const QWidget* celda = rejilla_->celda(c, 0);
        const QPoint x = mapFrom(window(), celda->mapTo(window(), QPoint(0, 0)));
        campo(c)->setGeometry(x.x(), fila_->y(), celda->width(), fila_->height());
    }
}

bool PanelRepeticion::eventFilter(QObject* objeto, QEvent* evento) {
    if (evento->type() == QEvent::Move || evento->type() == QEvent::Resize) alinea();
    return QGroupBox::eventFilter(objeto, evento);
}
