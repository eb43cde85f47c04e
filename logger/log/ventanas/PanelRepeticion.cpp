#include "PanelRepeticion.h"

#include "Ventanas.h"

#include "Repeticion.h"

#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QVBoxLayout>

namespace {

// The grid's header labels: the fields here sit under them.
QString Etiqueta(CampoQso c) {
    switch (c) {
    case CampoQso::FechaQso:
        return QStringLiteral("FECHA");
    case CampoQso::HoraQso:
        return QStringLiteral("QTR");
    case CampoQso::Banda:
        return QStringLiteral("MHz.");
    case CampoQso::Modo:
        return QStringLiteral("MODO");
    case CampoQso::Indicativo:
        return QStringLiteral("INDICATIVO");
    case CampoQso::RsRecibido:
        return QStringLiteral("RST recibido");
    case CampoQso::NumeralRecibido:
        return QStringLiteral("N. Serie recibido");
    case CampoQso::LiteralRecibido:
        return QStringLiteral("Siglas, Ref. recibidas");
    case CampoQso::ControlRec:
        return QStringLiteral("Control Recibido");
    case CampoQso::PuntosRecibidos:
        return QStringLiteral("Puntos recibidos");
    case CampoQso::QraLocatorRecibido:
        return QStringLiteral("Locator recibido");
    case CampoQso::RsEnviado:
        return QStringLiteral("RST enviado");
    case CampoQso::NumeralEnviado:
        return QStringLiteral("N. Serie enviado");
    case CampoQso::LiteralEnviado:
        return QStringLiteral("Siglas, Ref. enviadas");
    case CampoQso::PuntosEnviados:
        return QStringLiteral("Puntos enviados");
    case CampoQso::QraLocatorEnviado:
        return QStringLiteral("Locator enviado");
    }
    return {};
}

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
    for (CampoQso c : TodosCamposQso) {
        auto* e = new QLineEdit(this);
        e->setObjectName(NombreCampo(c) + QStringLiteral("Rep"));
        e->setAccessibleName(Etiqueta(c));
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
    campo(CampoQso::ControlRec)->setVisible(numeraloSiglas);
    campo(CampoQso::NumeralRecibido)->setVisible(!numeraloSiglas);
    campo(CampoQso::LiteralRecibido)->setVisible(!numeraloSiglas);
}

void PanelRepeticion::muestra(const ResultadoRepeticion& r) {
    if (!r.encontrado) {
        oculta();
        return;
    }
    for (CampoQso c : TodosCamposQso)
        campo(c)->setText(r.campos[static_cast<size_t>(c)]);
    const QColor rojo(255, 0, 0), cian(0, 255, 255);
    Pinta(campo(CampoQso::Banda), r.bandaIgual ? rojo : cian);
    Pinta(campo(CampoQso::Modo), r.modoIgual ? rojo : cian);
    lista_->clear();
    lista_->addItems(r.lineas);
    lista_->setVisible(true);
    setVisible(true);
}

void PanelRepeticion::oculta() {
    setVisible(false);
    lista_->setVisible(false);
}
