#include "PanelPantalla.h"

#include "DatosPrincipal.h"
#include "Nombres.h"

#include <QGridLayout>
#include <QLabel>
#include <QRadioButton>

PanelPantalla::PanelPantalla(QWidget* parent)
    : QGroupBox(QStringLiteral("&Tamaño Pantallas Programa"), parent) {
    setObjectName("PanelTamañoPantalla");
    auto* tamaños = new QGridLayout(this);
    const std::array<std::pair<const char*, const char*>, 4> opciones{{
        {"TamañoNormal", "Tamaño NORMAL"},
        {"TamañoMedio", "Tamaño MEDIO"},
        {"TamañoGrande", "Tamaño GRANDE"},
        {"TamañoTotal", "Tamaño TOTAL MONITOR 4:3"},
    }};
    for (size_t i = 0; i < opciones.size(); ++i) {
        OpcionesTamaño[i] = new QRadioButton(QString::fromUtf8(opciones[i].second), this);
        Nombra(OpcionesTamaño[i], QString::fromUtf8(opciones[i].first), OpcionesTamaño[i]->text());
        tamaños->addWidget(OpcionesTamaño[i], static_cast<int>(i / 2), static_cast<int>(i % 2));
        connect(OpcionesTamaño[i], &QRadioButton::toggled, this, [this, i](bool marcada) {
            if (marcada) Tamaño_Click(static_cast<int>(i));
        });
    }
    MsgTamaño =
        Etiqueta(this, "MsgTamaño", "Deberá REINICIAR el programa para que los cambios surtan efecto.");
    MsgTamaño->setWordWrap(true);
    tamaños->addWidget(MsgTamaño, 2, 0, 1, 2);
}

void PanelPantalla::Muestra(int tantoPorCien) {
    enUso_ = tantoPorCien;
    if (const auto opcion = OpcionTamaño(tantoPorCien))
        OpcionesTamaño[static_cast<size_t>(*opcion)]->setChecked(true);
}

std::optional<int> PanelPantalla::TantoPorCienElegido() const {
    for (size_t i = 0; i < OpcionesTamaño.size(); ++i)
        if (OpcionesTamaño[i]->isChecked()) return ValoresTamaño[i];
    return std::nullopt;
}

void PanelPantalla::Tamaño_Click(int opcion) {
    MsgTamaño->setVisible(ValoresTamaño[static_cast<size_t>(opcion)] != enUso_);
}
