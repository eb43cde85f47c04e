#include "EditorNombresUser.h"

#include "Avisos.h"
#include "BandasModos.h"
#include "CampoTexto.h"
#include "FConcursos.h"
#include "NombresUser.h"
#include "PanelConcurso.h"
#include "PanelNombresUser.h"
#include "SeleccionPrincipal.h"

#include <QCheckBox>
#include <QFrame>
#include <QPushButton>

void CargaNombresUser(PanelConcurso& panel, const EstadoPrincipal& estado) {
    const auto nombres = LeeNombresUser(estado);
    if (!nombres) return;
    for (size_t i = 0; i < nombres->bandas.size(); ++i)
        panel.SSCheck2[static_cast<size_t>(PrimeraBandaUser) + i]->setText(nombres->bandas[i]);
    for (size_t i = 0; i < nombres->modos.size(); ++i)
        panel.SSCheck1[static_cast<size_t>(PrimerModoUser) + i]->setText(nombres->modos[i]);
    panel.PanelNuevaBanda->Muestra(*nombres);
}

EditorNombresUser::EditorNombresUser(FConcursos& ventana, EstadoPrincipal& estado)
    : QObject(&ventana), v_(ventana), estado_(estado), panel_(*ventana.Concurso) {
    connect(panel_.AñadirBanda, &QPushButton::clicked, this, [this] { Abre(true); });
    connect(panel_.AñadirModo, &QPushButton::clicked, this, [this] { Abre(false); });
    PanelNombresUser& p = *panel_.PanelNuevaBanda;
    connect(p.AceptarCambios, &QPushButton::clicked, this, &EditorNombresUser::AceptarCambios_Click);
    connect(p.CancelarCambios, &QPushButton::clicked, this, &EditorNombresUser::CancelarCambios_Click);
}

void EditorNombresUser::Abre(bool desdeBanda) {
    // The buttons are enabled only during an edit; a late click after it ended opens nothing.
    if (!estado_.EditandoConcurso || estado_.EditandoUser) return;
    panel_.PanelBandas->hide();
    panel_.PanelModos->hide();
    // The rest of the frame is closed to the user; the panel itself stays usable.
    panel_.HabilitaSalvoNombresUser(false);
    v_.PanelBotonesConcurso->setEnabled(false);
    panel_.PanelNuevaBanda->show();
    estado_.EditandoUser = true;
    v_.Aceptar->setEnabled(false);
    v_.Cancelar->setEnabled(false);
    PanelNombresUser& p = *panel_.PanelNuevaBanda;
    (desdeBanda ? p.BandaUser[0] : p.ModoUser[0])->setFocus();
}

void EditorNombresUser::AceptarCambios_Click() {
    PanelNombresUser& p = *panel_.PanelNuevaBanda;
    const NombresUser nombres = p.Lee();
    if (const auto rechazo = RevisaNombresUser(nombres)) {
        Avisos::actual().muestra(rechazo->aviso);
        const auto i = static_cast<size_t>(rechazo->indice - 1);
        (rechazo->esBanda ? p.BandaUser[i] : p.ModoUser[i])->setFocus();
        return;
    }
    GuardaNombresUser(estado_, nombres);
    CargaNombresUser(panel_, estado_);
    Cierra();
}

void EditorNombresUser::CancelarCambios_Click() {
    Cierra();
}

void EditorNombresUser::Cierra() {
    panel_.PanelBandas->show();
    panel_.PanelModos->show();
    panel_.HabilitaSalvoNombresUser(true);
    v_.PanelBotonesConcurso->setEnabled(true);
    panel_.PanelNuevaBanda->hide();
    estado_.EditandoUser = false;
    v_.Aceptar->setEnabled(true);
    v_.Cancelar->setEnabled(true);
    v_.Aceptar->setFocus();
}
