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

// The usable option `paso` places round from `actual` (-1: none chosen), never `actual` itself.
template <size_t N> QRadioButton* Vecina(const std::array<QRadioButton*, N>& opciones, int actual, int paso) {
    const int n = static_cast<int>(N);
    int j = actual >= 0 ? actual : (paso > 0 ? n - 1 : 0);
    for (int k = 0; k < n; ++k) {
        j = (j + paso + n) % n;
        QRadioButton* o = opciones[static_cast<size_t>(j)];
        if (j != actual && o->isEnabled() && o->isVisible()) return o;
    }
    return nullptr;
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
        // A click chooses without taking the focus from the field being typed.
        o->setFocusPolicy(Qt::NoFocus);
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
        o->setFocusPolicy(Qt::NoFocus);
        modos_[static_cast<size_t>(i)] = o;
        grupoModos_->addButton(o, i);
        gm->addWidget(o, i / 9, i % 9);
        connect(o, &QRadioButton::toggled, this, [this, i](bool si) {
            if (si && alElegirModo) alElegirModo(i);
        });
    }
}

std::pair<int, int> PanelBandasModos::CargaBandasModos(const FilaConcurso& d, const NombresUser& n) {
    for (size_t i = 0; i < n.bandas.size(); ++i) {
        bandas_[PrimeraBandaUser + i]->setText(n.bandas[i]);
        bandas_[PrimeraBandaUser + i]->setAccessibleName(n.bandas[i]);
    }
    for (size_t i = 0; i < n.modos.size(); ++i) {
        modos_[PrimerModoUser + i]->setText(n.modos[i]);
        modos_[PrimerModoUser + i]->setAccessibleName(n.modos[i]);
    }
    int banda = d.indiceBanda, modo = d.indiceModo;
    Selecciona(grupoBandas_, bandas_, d.bandas, banda);
    Selecciona(grupoModos_, modos_, d.modos, modo);
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

bool PanelBandasModos::eligeVecina(bool banda, int paso) {
    QRadioButton* o =
        banda ? Vecina(bandas_, bandaSeleccionada(), paso) : Vecina(modos_, modoSeleccionado(), paso);
    if (o) o->click();
    return o != nullptr;
}
