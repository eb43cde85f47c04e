// The state machine's controls on the window's widgets.
#include "FLogConcurso.h"

#include "CampoTexto.h"
#include "FrameMenu.h"
#include "PanelBandasModos.h"
#include "PanelRepeticion.h"
#include "PreviaTeclas.h"
#include "RejillaLog.h"
#include "Reloj.h"
#include "TextosLog.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>

#include <array>

QWidget* FLogConcurso::control(ControlLog c) const {
    switch (c) {
    case ControlLog::FrameModo:
        return &bandasModos_->marcoModo();
    case ControlLog::FrameBanda:
        return &bandasModos_->marcoBanda();
    case ControlLog::TiempoReal:
        return tiempoReal_;
    case ControlLog::OtraFecha:
        return otraFecha_;
    case ControlLog::Menu:
        return menu_;
    case ControlLog::Rejilla:
        return rejilla_;
    case ControlLog::LabelEnter:
        return labelEnter_;
    default:
        return menu_->boton(c);
    }
}

void FLogConcurso::habilita(ControlLog c, bool si) {
    control(c)->setEnabled(si);
}

void FLogConcurso::muestra(ControlLog c, bool si) {
    control(c)->setVisible(si);
}

// The choice of lists takes the room of the band, mode and date frames and of the hidden repeat
// panel: the window keeps fitting the screen.
void FLogConcurso::cedeSitio(bool ceder) {
    bandasModos_->setVisible(!ceder);
    frameFecha_->setVisible(!ceder);
    QSizePolicy p = panelRepeticion_->sizePolicy();
    p.setRetainSizeWhenHidden(!ceder);
    panelRepeticion_->setSizePolicy(p);
}

void FLogConcurso::navegando(bool si) {
    rejilla_->setNavegando(si);
}

void FLogConcurso::bloqueaLinea(bool si) {
    rejilla_->BloqueaLinea(nav_.FilaActual, si);
}

void FLogConcurso::desbloqueaIndicativo() {
    rejilla_->bloquea(Columna::Indicativo, nav_.FilaActual, false);
}

bool FLogConcurso::tiempoReal() const {
    return tiempoReal_->isChecked();
}

// The transition lists every effect of the choice: the option handlers need not run again.
void FLogConcurso::seleccionaTiempoReal(bool si) {
    QRadioButton* opcion = si ? tiempoReal_ : otraFecha_;
    const QSignalBlocker bloqueo(opcion);
    opcion->setChecked(true);
}

void FLogConcurso::bloqueaFechaActual(bool si) {
    fechaActual_->setBloqueado(si);
}

void FLogConcurso::fechaActualHoy() {
    fechaActual_->setText(Hoy().toString(FormatoFecha));
}

void FLogConcurso::vistaPreviaTeclas(bool si) {
    teclas_->setActiva(si);
}

void FLogConcurso::colorIndicativo(ColorIndicativo c) {
    rejilla_->MarcaIndicativo(nav_.FilaActual,
                              c == ColorIndicativo::RojoClaro ? QColor(255, 0, 0) : QColor(255, 255, 255));
}

void FLogConcurso::marcaLinea() {
    rejilla_->MarcaLinea(true, nav_.FilaActual);
}

void FLogConcurso::ocultaRepeticion() {
    panelRepeticion_->oculta();
}

void FLogConcurso::texto(TextoAyuda t) {
    // In the order of TextoAyuda.
    static const std::array<const QString*, 3> textos{&TextoEntrada, &TextoNavegacion, &TextoFecha};
    labelEnter_->setText(*textos[static_cast<size_t>(t)]);
}

void FLogConcurso::enfoca(FocoLog f) {
    switch (f) {
    case FocoLog::SinCambio:
    case FocoLog::Propio:
        break;
    case FocoLog::FechaFila:
        celdaActual(Columna::FechaQso)->setFocus();
        break;
    case FocoLog::FechaActual:
        fechaActual_->setFocus();
        break;
    case FocoLog::Indicativo:
        celdaActual(Columna::Indicativo)->setFocus();
        break;
    case FocoLog::EntradaSegunOpcion:
        celdaActual(tiempoReal() ? Columna::Indicativo : Columna::HoraQso)->setFocus();
        break;
    case FocoLog::Cancelar:
        menu_->boton(ControlLog::Cancelar)->setFocus();
        break;
    case FocoLog::ListaCabrillo:
        salidas_->enfocaLista();
        break;
    }
}
