#include "PanelListados.h"

#include "Ventanas.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {
template <typename T> T* Control(QWidget* padre, const char* nombre, const QString& titulo) {
    auto* c = new T(titulo, padre);
    c->setObjectName(QString::fromLatin1(nombre));
    c->setAccessibleName(titulo);
    return c;
}

QGroupBox* Marco(QGroupBox* marco, const char* nombre, const QString& titulo) {
    marco->setTitle(titulo);
    marco->setObjectName(QString::fromLatin1(nombre));
    marco->setAccessibleName(titulo);
    return marco;
}
} // namespace

PanelTipoDeListas::PanelTipoDeListas(QWidget* parent) : QGroupBox(parent) {
    Marco(this, "TipoDeListas", QStringLiteral("LISTADOS"));
    marcoOrden_ = Marco(new QGroupBox(this), "SSFrame1", QStringLiteral("QSO ordenados por"));
    ordenQso_ = Control<QRadioButton>(marcoOrden_, "OrdenQso", QStringLiteral("Ordenados como se hicieron"));
    ordenNum_ = Control<QRadioButton>(marcoOrden_, "OrdenNum", QStringLiteral("Ordenados por NUM. recibido"));
    ordenLetras_ = Control<QRadioButton>(
        marcoOrden_, "OrdenLetras", QStringLiteral("Ordenados por Siglas, Ref., Zonas CQ... etc. recibidas"));
    ordenQso_->setChecked(true);
    auto* l1 = new QVBoxLayout(marcoOrden_);
    for (QRadioButton* r : {ordenQso_, ordenNum_, ordenLetras_})
        l1->addWidget(r);

    marcoListas_ = Marco(new QGroupBox(this), "SSFrame2", QStringLiteral("Tipo de Listas"));
    listasPorBanda_ =
        Control<QCheckBox>(marcoListas_, "ListasPorBanda", QStringLiteral("Listas por cada Banda"));
    listaPorOrden_ =
        Control<QCheckBox>(marcoListas_, "ListaPorOrden", QStringLiteral("Lista por Orden de QSO"));
    auto* l2 = new QVBoxLayout(marcoListas_);
    l2->addWidget(listasPorBanda_);
    l2->addWidget(listaPorOrden_);

    aceptar_ = Control<QPushButton>(this, "AceptarListas", QStringLiteral("Aceptar"));
    aceptar_->setAutoDefault(false);

    auto* l = new QVBoxLayout(this);
    auto* marcos = new QHBoxLayout;
    marcos->addWidget(marcoOrden_);
    marcos->addWidget(marcoListas_);
    l->addLayout(marcos);
    l->addWidget(aceptar_, 0, Qt::AlignHCenter);
    setTabOrder(ordenQso_, ordenNum_);
    setTabOrder(ordenNum_, ordenLetras_);
    setTabOrder(ordenLetras_, listasPorBanda_);
    setTabOrder(listasPorBanda_, listaPorOrden_);
    setTabOrder(listaPorOrden_, aceptar_);

    // The two boxes stay opposite: a click on one sets the other.
    connect(listasPorBanda_, &QCheckBox::clicked, this, [this](bool marcado) {
        listaPorOrden_->setChecked(!marcado);
        emit eleccionCambiada();
    });
    connect(listaPorOrden_, &QCheckBox::clicked, this, [this](bool marcado) {
        listasPorBanda_->setChecked(!marcado);
        emit eleccionCambiada();
    });
    connect(aceptar_, &QPushButton::clicked, this, [this] {
        hide();
        emit aceptado();
    });
}

void PanelTipoDeListas::Abre(const QString& nombreConcurso) {
    listaPorOrden_->setChecked(true);
    listasPorBanda_->setChecked(cabrillo::ListasPorBandaPredeterminado(nombreConcurso));
    show();
}

cabrillo::Orden PanelTipoDeListas::orden() const {
    if (ordenNum_->isChecked()) return cabrillo::Orden::NumeralRecibido;
    if (ordenLetras_->isChecked()) return cabrillo::Orden::LiteralRecibido;
    return cabrillo::Orden::NumeroQso;
}

bool PanelTipoDeListas::porBanda() const {
    return listasPorBanda_->isChecked();
}

PanelListaPantalla::PanelListaPantalla(QWidget* parent) : QGroupBox(parent) {
    Marco(this, "FrameListaPantalla", QStringLiteral("LISTADOS LOG CABRILLO"));
    lista_ = new QListWidget(this);
    lista_->setObjectName(QStringLiteral("ListaPantalla"));
    lista_->setAccessibleName(QStringLiteral("LISTADOS LOG CABRILLO"));
    // The QSO lines are fixed columns: they only read right in a fixed-pitch font.
    lista_->setFont(FuenteFija());
    lista_->setUniformItemSizes(true);
    aceptar_ = Control<QPushButton>(this, "AceptarFicheroCabrillo", QStringLiteral("Aceptar"));
    aceptar_->setAutoDefault(false);
    auto* l = new QVBoxLayout(this);
    l->addWidget(lista_, 1);
    l->addWidget(aceptar_, 0, Qt::AlignHCenter);
    setTabOrder(lista_, aceptar_);
    connect(aceptar_, &QPushButton::clicked, this, [this] {
        hide();
        emit aceptado();
    });
}

void PanelTipoDeListas::enfocaOrden() {
    for (QRadioButton* r : {ordenQso_, ordenNum_, ordenLetras_})
        if (r->isChecked()) r->setFocus();
}

void PanelListaPantalla::Limpia() {
    lista_->clear();
}

void PanelListaPantalla::Anade(const QStringList& lineas) {
    lista_->addItems(lineas);
}

QAbstractButton& PanelTipoDeListas::aceptar() const {
    return *aceptar_;
}

QAbstractButton& PanelListaPantalla::aceptar() const {
    return *aceptar_;
}
