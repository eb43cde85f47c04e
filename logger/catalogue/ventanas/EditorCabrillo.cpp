// The contest editor's steps into the Cabrillo panel, and the exchange presets of known contests.
#include "EditorConcursos.h"
#include "PanelCategoria.h"
#include "PanelConcurso.h"
#include "PresetsConcurso.h"

void EditorConcursos::ConectaCabrillo() {
    PanelCategoria& marco = panel_.PanelCabrillo();
    marco.EnActualizacion = [this] { return estado_.ActualizandoDatos; };
    connect(&marco, &PanelCategoria::categoriaElegida, this, &EditorConcursos::AjustaControlesCategoria);
}

void EditorConcursos::OcultaListaCategoriasCabrillo() {
    panel_.PanelCabrillo().OcultaListaCategorias();
}

void EditorConcursos::CargaTipoConcursos() {
    panel_.PanelCabrillo().CargaTipoConcursos();
}

void EditorConcursos::CargaComboCabrillo20() {
    panel_.PanelCabrillo().CargaComboCabrillo20();
}

void EditorConcursos::CargaResumenCabrillo() {
    panel_.PanelCabrillo().CargaResumenCabrillo(*estado_.BaseConcursos, NumeroConcursoActual(estado_),
                                                NombreConcursoActual(estado_),
                                                EdicionConcursoActual(estado_));
}

ResumenAGuardar EditorConcursos::ResumenMostrado() const {
    return panel_.PanelCabrillo().ResumenMostrado();
}

void EditorConcursos::AjustaControlesAntesDeGuardar() {
    // Applied again after a refusal, the presets would empty the letters the operator has just
    // typed in answer to it.
    std::pair<QString, int> clave{panel_.Texto(1), panel_.PanelCabrillo().IndiceCategoriaElegida()};
    if (presetsAplicados_ == clave) return;
    AjustaControlesCategoria(clave.second);
    presetsAplicados_ = std::move(clave);
}

void EditorConcursos::CargaCategoriasConcurso() {
    panel_.PanelCabrillo().CargaCategoriasConcurso(panel_.Texto(1));
}

void EditorConcursos::AjustaControlesCategoria(int indice) {
    const QString estacion = IndicativoActivo();
    const auto resultado = ResultadoCategoria(panel_.Texto(1), indice, estacion);
    if (!resultado) return;
    // In this order: the option reactions that each box sets off leave the outcome's states.
    panel_.MarcaEnviar(resultado->enviar);
    if (resultado->siglas != SiglasEnviadas::SinCambio)
        panel_.PonTexto(6, SiglasTrasResultado(*resultado, panel_.Texto(6), estacion));
    panel_.MarcaRecibir(resultado->recibir);
}
