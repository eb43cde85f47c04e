#include "PanelBandasModos.h"

#include "BandasModos.h"
#include "Nombres.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QRadioButton>

namespace {
template <size_t N>
void Selecciona(QButtonGroup* grupo, std::array<QRadioButton*, N>& opciones,
                const std::array<bool, N>& usadas, int& indice) {
    grupo->setExclusive(false);
    for (size_t i = 0; i < N; ++i) {
        opciones[i]->setChecked(false);
        opciones[i]->setEnabled(usadas[i]);
    }
    grupo->setExclusive(true);
    if (indice < 0 || indice >= static_cast<int>(N) || !usadas[static_cast<size_t>(indice)]) {
        indice = -1;
        for (size_t i = 0; i < N && indice < 0; ++i)
            if (usadas[i]) indice = static_cast<int>(i);
    }
    if (indice >= 0) opciones[static_cast<size_t>(indice)]->setChecked(true);
}
} // namespace

PanelBandasModos::PanelBandasModos(QWidget* padre) : QWidget(padre) {
    auto* fila = new QHBoxLayout(this);
    fila->setContentsMargins(0, 0, 0, 0);
    marcoBanda_ = new QGroupBox("BANDA MHz", this);
    marcoBanda_->setObjectName("FrameBanda");
    marcoModo_ = new QGroupBox("MODO", this);
    marcoModo_->setObjectName("FrameModo");
    fila->addWidget(marcoBanda_);
    fila->addWidget(marcoModo_);
    auto* gb = new QGridLayout(marcoBanda_);
    auto* gm = new QGridLayout(marcoModo_);
    gb->setSpacing(2);
    gm->setSpacing(2);
    grupoBandas_ = new QButtonGroup(this);
    grupoModos_ = new QButtonGroup(this);
    for (int i = 0; i < 16; ++i) {
        auto* o = new QRadioButton(NombreBanda(i), marcoBanda_);
        Nombra(o, QStringLiteral("Option3D1_%1").arg(i), o->text());
        bandas_[static_cast<size_t>(i)] = o;
        grupoBandas_->addButton(o, i);
        gb->addWidget(o, i / 8, i % 8);
        connect(o, &QRadioButton::toggled, this, [this, i](bool si) {
            if (si && alElegirBanda) alElegirBanda(i);
        });
    }
    for (int i = 0; i < 18; ++i) {
        auto* o = new QRadioButton(NombreModo(i).toUpper(), marcoModo_);
        Nombra(o, QStringLiteral("Option3D2_%1").arg(i), o->text());
        modos_[static_cast<size_t>(i)] = o;
        grupoModos_->addButton(o, i);
        gm->addWidget(o, i / 9, i % 9);
        connect(o, &QRadioButton::toggled, this, [this, i](bool si) {
            if (si && alElegirModo) alElegirModo(i);
        });
    }
}

std::pair<int, int> PanelBandasModos::CargaBandasModos(const DatosConcurso& d, const NombresUsuario& n) {
    for (size_t i = 0; i < n.BandaUser.size(); ++i) {
        bandas_[PrimeraBandaUser + i]->setText(n.BandaUser[i]);
        bandas_[PrimeraBandaUser + i]->setAccessibleName(n.BandaUser[i]);
    }
    for (size_t i = 0; i < n.ModoUser.size(); ++i) {
        modos_[PrimerModoUser + i]->setText(n.ModoUser[i]);
        modos_[PrimerModoUser + i]->setAccessibleName(n.ModoUser[i]);
    }
    int banda = d.IndiceBanda, modo = d.IndiceModo;
    Selecciona(grupoBandas_, bandas_, d.Banda, banda);
    Selecciona(grupoModos_, modos_, d.Modo, modo);
    return {banda, modo};
}

int PanelBandasModos::bandaSeleccionada() const {
    return grupoBandas_->checkedId();
}

int PanelBandasModos::modoSeleccionado() const {
    return grupoModos_->checkedId();
}

QString PanelBandasModos::textoBanda(int indice) const {
    return bandas_[static_cast<size_t>(indice)]->text();
}

QString PanelBandasModos::textoModo(int indice) const {
    return modos_[static_cast<size_t>(indice)]->text();
}

QStringList PanelBandasModos::bandasHabilitadas() const {
    QStringList l;
    for (const QRadioButton* b : bandas_)
        if (b->isEnabled()) l << b->text();
    return l;
}

QStringList PanelBandasModos::modosHabilitados() const {
    QStringList l;
    for (const QRadioButton* b : modos_)
        if (b->isEnabled()) l << b->text();
    return l;
}
