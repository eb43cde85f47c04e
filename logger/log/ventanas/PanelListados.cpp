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
    SSFrame1 = Marco(new QGroupBox(this), "SSFrame1", QStringLiteral("QSO ordenados por"));
    OrdenQso = Control<QRadioButton>(SSFrame1, "OrdenQso", QStringLiteral("Ordenados como se hicieron"));
    OrdenNum = Control<QRadioButton>(SSFrame1, "OrdenNum", QStringLiteral("Ordenados por NUM. recibido"));
    OrdenLetras = Control<QRadioButton>(
        SSFrame1, "OrdenLetras", QStringLiteral("Ordenados por Siglas, Ref., Zonas CQ... etc. recibidas"));
    OrdenQso->setChecked(true);
    auto* l1 = new QVBoxLayout(SSFrame1);
    for (QRadioButton* r : {OrdenQso, OrdenNum, OrdenLetras})
        l1->addWidget(r);

    SSFrame2 = Marco(new QGroupBox(this), "SSFrame2", QStringLiteral("Tipo de Listas"));
    ListasPorBanda = Control<QCheckBox>(SSFrame2, "ListasPorBanda", QStringLiteral("Listas por cada Banda"));
    ListaPorOrden = Control<QCheckBox>(SSFrame2, "ListaPorOrden", QStringLiteral("Lista por Orden de QSO"));
    auto* l2 = new QVBoxLayout(SSFrame2);
    l2->addWidget(ListasPorBanda);
    l2->addWidget(ListaPorOrden);

    AceptarListas = Control<QPushButton>(this, "AceptarListas", QStringLiteral("Aceptar"));
    AceptarListas->setAutoDefault(false);

    auto* l = new QVBoxLayout(this);
    auto* marcos = new QHBoxLayout;
    marcos->addWidget(SSFrame1);
    marcos->addWidget(SSFrame2);
    l->addLayout(marcos);
    l->addWidget(AceptarListas, 0, Qt::AlignHCenter);
    setTabOrder(OrdenQso, OrdenNum);
    setTabOrder(OrdenNum, OrdenLetras);
    setTabOrder(OrdenLetras, ListasPorBanda);
    setTabOrder(ListasPorBanda, ListaPorOrden);
    setTabOrder(ListaPorOrden, AceptarListas);

    // The two boxes stay opposite: a click on one sets the other.
    connect(ListasPorBanda, &QCheckBox::clicked, this, [this](bool marcado) {
        ListaPorOrden->setChecked(!marcado);
        emit eleccionCambiada();
    });
    connect(ListaPorOrden, &QCheckBox::clicked, this, [this](bool marcado) {
        ListasPorBanda->setChecked(!marcado);
        emit eleccionCambiada();
    });
    connect(AceptarListas, &QPushButton::clicked, this, [this] {
        hide();
        emit aceptado();
    });
}

void PanelTipoDeListas::Abre(const QString& nombreConcurso) {
    ListaPorOrden->setChecked(true);
    ListasPorBanda->setChecked(cabrillo::ListasPorBandaPredeterminado(nombreConcurso));
    show();
}

cabrillo::Orden PanelTipoDeListas::orden() const {
    if (OrdenNum->isChecked()) return cabrillo::Orden::NumeralRecibido;
    if (OrdenLetras->isChecked()) return cabrillo::Orden::LiteralRecibido;
    return cabrillo::Orden::NumeroQso;
}

bool PanelTipoDeListas::porBanda() const {
    return ListasPorBanda->isChecked();
}

PanelListaPantalla::PanelListaPantalla(QWidget* parent) : QGroupBox(parent) {
    Marco(this, "FrameListaPantalla", QStringLiteral("LISTADOS LOG CABRILLO"));
    ListaPantalla = new QListWidget(this);
    ListaPantalla->setObjectName(QStringLiteral("ListaPantalla"));
    ListaPantalla->setAccessibleName(QStringLiteral("LISTADOS LOG CABRILLO"));
    // The QSO lines are fixed columns: they only read right in a fixed-pitch font.
    ListaPantalla->setFont(FuenteFija());
    ListaPantalla->setUniformItemSizes(true);
    AceptarFicheroCabrillo = Control<QPushButton>(this, "AceptarFicheroCabrillo", QStringLiteral("Aceptar"));
    AceptarFicheroCabrillo->setAutoDefault(false);
    auto* l = new QVBoxLayout(this);
    l->addWidget(ListaPantalla, 1);
    l->addWidget(AceptarFicheroCabrillo, 0, Qt::AlignHCenter);
    setTabOrder(ListaPantalla, AceptarFicheroCabrillo);
    connect(AceptarFicheroCabrillo, &QPushButton::clicked, this, [this] {
        hide();
        emit aceptado();
    });
}

void PanelListaPantalla::Limpia() {
    ListaPantalla->clear();
}

void PanelListaPantalla::Anade(const QStringList& lineas) {
    ListaPantalla->addItems(lineas);
}
