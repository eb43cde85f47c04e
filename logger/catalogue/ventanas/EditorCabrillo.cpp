// The contest editor's steps into the Cabrillo panel, and the exchange presets of known contests.
#include "CampoTexto.h"
#include "EditorConcursos.h"
#include "FrameCategoria.h"
#include "PanelConcurso.h"
#include "PresetsConcurso.h"

#include <QCheckBox>
#include <QListWidget>

namespace {
// The exchange boxes in ItemsIntercambio order.
constexpr std::array<QCheckBox * PanelConcurso::*, 5> CasillasEnviar{
    &PanelConcurso::EnviarNumeral, &PanelConcurso::EnviarLocator, &PanelConcurso::EnviarSiglas,
    &PanelConcurso::EnviarZonaCQ, &PanelConcurso::EnviarPuntos};
constexpr std::array<QCheckBox * PanelConcurso::*, 5> CasillasRecibir{
    &PanelConcurso::RecibirNumeral, &PanelConcurso::RecibirLocator, &PanelConcurso::RecibirSiglas,
    &PanelConcurso::RecibirZonaCQ, &PanelConcurso::RecibirPuntos};
} // namespace

void EditorConcursos::ConectaCabrillo() {
    FrameCategoria& marco = *panel_.Categorias;
    marco.EnActualizacion = [this] { return estado_.ActualizandoDatos; };
    connect(&marco, &FrameCategoria::categoriaElegida, this, &EditorConcursos::AjustaControlesCategoria);
}

void EditorConcursos::OcultaListaCategoriasCabrillo() {
    panel_.Categorias->ListaCategoriasCabrillo->hide();
}

void EditorConcursos::CargaTipoConcursos() {
    panel_.Categorias->CargaTipoConcursos();
}

void EditorConcursos::CargaComboCabrillo20() {
    panel_.Categorias->CargaComboCabrillo20();
}

void EditorConcursos::CargaResumenCabrillo() {
    const ConjuntoRegistros& fila = *estado_.RegConcursos;
    panel_.Categorias->CargaResumenCabrillo(*estado_.BaseConcursos, fila.entero("NumeroOrden"),
                                            fila.texto("NombreConcurso"), fila.texto("Edicion"));
}

void EditorConcursos::InsertaResumenCabrillo() {
    const auto& t = panel_.text3;
    FrameCategoria& marco = *panel_.Categorias;
    marco.GuardaResumenCabrillo(*estado_.BaseConcursos, t[0]->text().toInt(), t[1]->text(), t[2]->text());
    // The row is stored already: this reaches only the screen.
    AjustaControlesCategoria(marco.IndiceCategoriaElegida());
}

void EditorConcursos::CopiaResumenCabrillo() {
    // The panel still shows the source edition's summary, with the operator's changes.
    InsertaResumenCabrillo();
}

void EditorConcursos::ModificaResumenCabrillo() {
    // The summary takes the name and edition being stored with it, so its copy never lags behind
    // a renamed contest. Its presets were applied before the checks.
    const auto& t = panel_.text3;
    panel_.Categorias->GuardaResumenCabrillo(*estado_.BaseConcursos, t[0]->text().toInt(), t[1]->text(),
                                             t[2]->text());
}

void EditorConcursos::AjustaControlesAntesDeGuardar() {
    // Applied again after a refusal, the presets would empty the letters the operator has just
    // typed in answer to it.
    std::pair<QString, int> clave{panel_.text3[1]->text(), panel_.Categorias->IndiceCategoriaElegida()};
    if (presetsAplicados_ == clave) return;
    AjustaControlesCategoria(clave.second);
    presetsAplicados_ = std::move(clave);
}

void EditorConcursos::CargaCategoriasConcurso() {
    panel_.Categorias->CargaCategoriasConcurso(panel_.text3[1]->text());
}

void EditorConcursos::AjustaControlesCategoria(int indice) {
    const QString estacion = IndicativoActivo();
    const auto resultado = ResultadoCategoria(panel_.text3[1]->text(), indice, estacion);
    if (!resultado) return;
    // In this order: the option reactions that each box sets off leave the outcome's states.
    for (size_t i = 0; i < CasillasEnviar.size(); ++i)
        (panel_.*CasillasEnviar[i])->setChecked(resultado->enviar[i]);
    if (resultado->siglas != SiglasEnviadas::SinCambio)
        panel_.text3[6]->setText(SiglasTrasResultado(*resultado, panel_.text3[6]->text(), estacion));
    for (size_t i = 0; i < CasillasRecibir.size(); ++i)
        (panel_.*CasillasRecibir[i])->setChecked(resultado->recibir[i]);
}
