#include "PanelNombresUser.h"

#include "TextoLimpio.h"

#include "CampoTexto.h"
#include "Nombres.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// A name box: yellow while it has the focus, trimmed when it loses it; typed as it is, no capitals.
CampoTexto* CajaNombre(QWidget* padre, const QString& nombre, QLabel* etiqueta) {
    auto* caja = new CampoTexto(Qt::yellow, padre);
    Nombra(caja, nombre, etiqueta);
    caja->setMaxLength(LargoNombreUser);
    QObject::connect(caja, &QLineEdit::editingFinished, caja, [caja] {
        const QString recortado = caja->text().trimmed();
        if (recortado != caja->text()) caja->setText(recortado);
    });
    return caja;
}

} // namespace

PanelNombresUser::PanelNombresUser(QWidget* parent)
    : QGroupBox(QStringLiteral("&Añadir o cambiar  USER de Banda o Modo"), parent) {
    setObjectName("PanelNuevaBanda");
    auto* columna = new QVBoxLayout(this);

    auto* bandas = new QGridLayout;
    for (size_t i = 0; i < BandaUser.size(); ++i) {
        const QString n = QString::number(i + 1);
        QLabel* etiqueta = Etiqueta(this, "LabelBandaUser_" + n, "Banda User" + n);
        BandaUser[i] = CajaNombre(this, "BandaUser_" + n, etiqueta);
        bandas->addWidget(etiqueta, static_cast<int>(i), 0);
        bandas->addWidget(BandaUser[i], static_cast<int>(i), 1);
    }
    bandas->setColumnStretch(2, 1);
    columna->addLayout(bandas);

    // Modes 1 to 5 in the first column, 6 to 10 in the second; each with its report box.
    auto* modos = new QGridLayout;
    for (size_t i = 0; i < ModoUser.size(); ++i) {
        const QString n = QString::number(i + 1);
        const int fila = static_cast<int>(i % 5);
        const int col = static_cast<int>(i / 5) * 4;
        QLabel* etiqueta = Etiqueta(this, "LabelModoUser_" + n, "Modo User" + n);
        ModoUser[i] = CajaNombre(this, "ModoUser_" + n, etiqueta);
        RST[i] = new QLineEdit(this);
        // The report field holds three characters: a longer text could not be stored.
        RST[i]->setMaxLength(LargoTipoUser);
        FiltraControles(*RST[i]);
        Nombra(RST[i], "RST_" + n, "RST tipo");
        RST[i]->setAccessibleDescription(etiqueta->text());
        QLabel* tipo = Etiqueta(this, "LabelRST_" + n, "RST tipo");
        modos->addWidget(etiqueta, fila, col);
        modos->addWidget(ModoUser[i], fila, col + 1);
        modos->addWidget(RST[i], fila, col + 2);
        modos->addWidget(tipo, fila, col + 3);
    }
    columna->addLayout(modos);

    auto* botones = new QHBoxLayout;
    AceptarCambios = Boton(this, "AceptarCambios", "Aceptar Ca&mbios");
    CancelarCambios = Boton(this, "CancelarCambios", "Cancelar Cam&bios");
    botones->addWidget(AceptarCambios);
    botones->addStretch();
    botones->addWidget(CancelarCambios);
    columna->addLayout(botones);
    connect(AceptarCambios, &QPushButton::clicked, this, &PanelNombresUser::aceptarPulsado);
    connect(CancelarCambios, &QPushButton::clicked, this, &PanelNombresUser::cancelarPulsado);
}

void PanelNombresUser::EnfocaPrimera(bool banda) {
    (banda ? BandaUser[0] : ModoUser[0])->setFocus();
}

void PanelNombresUser::EnfocaNombre(bool esBanda, int indice) {
    const auto i = static_cast<size_t>(indice - 1);
    (esBanda ? BandaUser[i] : ModoUser[i])->setFocus();
}

NombresUser PanelNombresUser::Lee() const {
    NombresUser n;
    for (size_t i = 0; i < BandaUser.size(); ++i)
        n.bandas[i] = BandaUser[i]->text();
    for (size_t i = 0; i < ModoUser.size(); ++i) {
        n.modos[i] = ModoUser[i]->text();
        n.tipos[i] = RST[i]->text();
    }
    return n;
}

void PanelNombresUser::Muestra(const NombresUser& n) {
    for (size_t i = 0; i < BandaUser.size(); ++i)
        BandaUser[i]->setText(n.bandas[i]);
    for (size_t i = 0; i < ModoUser.size(); ++i) {
        ModoUser[i]->setText(n.modos[i]);
        RST[i]->setText(n.tipos[i]);
    }
}
