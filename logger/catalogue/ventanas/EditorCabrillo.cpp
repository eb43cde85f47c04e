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
    panel_.Categorias->CargaResumenCabrillo(*estado_.programa.BaseConcursos, NumeroConcursoActual(estado_),
                                            NombreConcursoActual(estado_), EdicionConcursoActual(estado_));
}

ResumenAGuardar EditorConcursos::ResumenMostrado() const {
    return panel_.Categorias->ResumenMostrado();
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
