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
    FrameBanda = new QGroupBox("BANDA MHz", this);
    FrameBanda->setObjectName("FrameBanda");
    FrameModo = new QGroupBox("MODO", this);
    FrameModo->setObjectName("FrameModo");
    fila->addWidget(FrameBanda);
    fila->addWidget(FrameModo);
    auto* gb = new QGridLayout(FrameBanda);
    auto* gm = new QGridLayout(FrameModo);
    gb->setSpacing(2);
    gm->setSpacing(2);
    grupoBandas_ = new QButtonGroup(this);
    grupoModos_ = new QButtonGroup(this);
    for (int i = 0; i < 16; ++i) {
        auto* o = new QRadioButton(NombreBanda(i), FrameBanda);
        Nombra(o, QStringLiteral("Option3D1_%1").arg(i), o->text());
        Option3D1[static_cast<size_t>(i)] = o;
        grupoBandas_->addButton(o, i);
        gb->addWidget(o, i / 8, i % 8);
        connect(o, &QRadioButton::toggled, this, [this, i](bool si) {
            if (si && alElegirBanda) alElegirBanda(i);
        });
    }
    for (int i = 0; i < 18; ++i) {
        auto* o = new QRadioButton(NombreModo(i).toUpper(), FrameModo);
        Nombra(o, QStringLiteral("Option3D2_%1").arg(i), o->text());
        Option3D2[static_cast<size_t>(i)] = o;
        grupoModos_->addButton(o, i);
        gm->addWidget(o, i / 9, i % 9);
        connect(o, &QRadioButton::toggled, this, [this, i](bool si) {
            if (si && alElegirModo) alElegirModo(i);
        });
    }
}

std::pair<int, int> PanelBandasModos::CargaBandasModos(const FilaConcurso& d, const NombresUser& n) {
    for (size_t i = 0; i < n.bandas.size(); ++i) {
        Option3D1[PrimeraBandaUser + i]->setText(n.bandas[i]);
        Option3D1[PrimeraBandaUser + i]->setAccessibleName(n.bandas[i]);
    }
    for (size_t i = 0; i < n.modos.size(); ++i) {
        Option3D2[PrimerModoUser + i]->setText(n.modos[i]);
        Option3D2[PrimerModoUser + i]->setAccessibleName(n.modos[i]);
    }
    int banda = d.indiceBanda, modo = d.indiceModo;
    Selecciona(grupoBandas_, Option3D1, d.bandas, banda);
    Selecciona(grupoModos_, Option3D2, d.modos, modo);
    return {banda, modo};
}

int PanelBandasModos::bandaSeleccionada() const {
    return grupoBandas_->checkedId();
}

int PanelBandasModos::modoSeleccionado() const {
    return grupoModos_->checkedId();
}
