#include "PanelEstaciones.h"

#include "CampoTexto.h"
#include "DatosPrincipal.h"
#include "Nombres.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
const std::array<const char*, 6> EtiquetasIndicativo{"Número",    "Indicativo",    "Operador",
                                                     "Dirección", "C.P. y Ciudad", "País"};
}

PanelEstaciones::PanelEstaciones(QWidget* parent)
    : QGroupBox(QStringLiteral("Datos de la ESTACIÓN para el CONCURSO"), parent) {
    setObjectName("PanelEstaciones");
    auto* columna = new QVBoxLayout(this);

    auto* rejilla = new QGridLayout;
    Label25 = Etiqueta(this, "Label25", "Indicativos en uso");
    ListaIndicativos = new QComboBox(this);
    Nombra(ListaIndicativos, "ListaIndicativos", Label25->text());
    rejilla->addWidget(Label25, 0, 0);
    rejilla->addWidget(ListaIndicativos, 0, 1);
    for (size_t i = 0; i < text2.size(); ++i) {
        const QString nombre = QStringLiteral("text2_%1").arg(i);
        etiquetas[i] = Etiqueta(this, "Label" + nombre, QString::fromUtf8(EtiquetasIndicativo[i]));
        text2[i] = new CampoTexto(Qt::yellow, this);
        Nombra(text2[i], nombre, etiquetas[i]->text());
        text2[i]->setBloqueado(true);
        rejilla->addWidget(etiquetas[i], static_cast<int>(i) + 1, 0);
        rejilla->addWidget(text2[i], static_cast<int>(i) + 1, 1);
    }
    // The number is the row's key: kept, never shown or typed.
    etiquetas[0]->hide();
    text2[0]->hide();
    columna->addLayout(rejilla);

    auto* botones = new QHBoxLayout;
    NuevoIndicativo = Boton(this, "NuevoIndicativo", "Nuevo Indicativo");
    ModificaIndicativo = Boton(this, "ModificaIndicativo", "Cambiar");
    BorrarIndicativo = Boton(this, "BorrarIndicativo", "Borrar");
    AceptaIndicativo = Boton(this, "AceptaIndicativo", "[F12] Aceptar");
    CancelaIndicativo = Boton(this, "CancelaIndicativo", "[Esc] Cancelar");
    for (QPushButton* b :
         {NuevoIndicativo, ModificaIndicativo, BorrarIndicativo, AceptaIndicativo, CancelaIndicativo})
        botones->addWidget(b);
    columna->addLayout(botones);

    ModificaIndicativo->setEnabled(false);
    BorrarIndicativo->setEnabled(false);
    AceptaIndicativo->setEnabled(false);
    CancelaIndicativo->setEnabled(false);
}

void PanelEstaciones::LimpiaIndicativo() {
    for (CampoTexto* t : text2)
        t->clear();
}

void PanelEstaciones::HabilitaBotonesIndicativo(bool habilitar) {
    NuevoIndicativo->setEnabled(habilitar);
    ModificaIndicativo->setEnabled(habilitar);
    BorrarIndicativo->setEnabled(habilitar);
}

void PanelEstaciones::AjustaLongitudesIndicativo(const DefTabla& defIndicativos, int extra) {
    for (size_t i = 0; i < text2.size(); ++i)
        if (const auto largo = LongitudMaxima(defIndicativos.campo(static_cast<int>(i)), extra))
            text2[i]->setMaxLength(*largo);
}

void PanelEstaciones::BloqueaCamposIndicativo(bool bloquear) {
    for (CampoTexto* t : text2)
        t->setBloqueado(bloquear);
}

void PanelEstaciones::MuestraIndicativo(const ConjuntoRegistros& fila) {
    for (size_t i = 0; i < text2.size(); ++i)
        text2[i]->setText(fila.valor(static_cast<int>(i)).toString());
}

bool PanelEstaciones::NavegaCamposIndicativo(QKeyEvent*) {
    // The callsign editor brings its own field movement.
    return false;
}
