#include "FLogConcurso.h"

#include "Avisos.h"
#include "CambioFecha.h"
#include "CampoTexto.h"
#include "Contactos.h"
#include "Correccion.h"
#include "FrameMenu.h"
#include "PanelBandasModos.h"
#include "PreviaTeclas.h"
#include "RejillaLog.h"
#include "Reloj.h"
#include "TextosLog.h"
#include "TransicionesLog.h"

#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>

#include <functional>

namespace {

const QColor RojoClaro(255, 0, 0);
const QColor Blanco(255, 255, 255);

// Runs `alPulsar` on every mouse press of the watched field, before the field sees it.
class PulsacionCampo : public QObject {
public:
    PulsacionCampo(QWidget& campo, std::function<void()> alPulsar)
        : QObject(&campo), alPulsar_(std::move(alPulsar)) {
        campo.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override {
        if (evento->type() == QEvent::MouseButtonPress) alPulsar_();
        return QObject::eventFilter(objeto, evento);
    }

private:
    std::function<void()> alPulsar_;
};

} // namespace

void FLogConcurso::conectaCorrecciones() {
    // A click on the unlocked date of the contacts starts the date change, as choosing OtraFecha does.
    new PulsacionCampo(*FechaActual, [this] {
        if (!FechaActual->bloqueado()) corrige(EventoLog::OtraFecha);
    });
}

void FLogConcurso::ModificarReg_Click() {
    corrige(EventoLog::ModificarReg);
}

void FLogConcurso::BorrarReg_Click() {
    corrige(EventoLog::BorrarReg);
}

void FLogConcurso::OtraFecha_Click() {
    corrige(EventoLog::OtraFecha);
}

void FLogConcurso::aceptaCorreccion() {
    corrige(EventoLog::Aceptar);
}

void FLogConcurso::cancelaCorreccion() {
    corrige(EventoLog::Cancelar);
}

void FLogConcurso::TiempoReal_Click() {
    const auto t = Transicion(ModoEdicion_, EventoLog::TiempoReal);
    if (t && log_ && !flags_.VentanaIniciada) {
        aplicaTransicion(*t);
        return;
    }
    FechaActual->setBloqueado(true);
    FechaActual->setText(Hoy().toString(FormatoFecha));
}

void FLogConcurso::corrige(EventoLog evento) {
    if (!log_ || flags_.VentanaIniciada) return;
    const auto t = Transicion(ModoEdicion_, evento);
    if (!t) return;
    // A QSO is corrected or deleted only on a stored row, never on the entry line.
    if ((evento == EventoLog::ModificarReg || evento == EventoLog::BorrarReg) && nav_.enLineaEntrada())
        return;
    if (!ejecuta(t->trabajo)) return;
    aplicaTransicion(*t);
    if (ModoEdicion_ == ModoEdicion::Ninguno) reintento_ = false;
}

bool FLogConcurso::ejecuta(Trabajo trabajo) {
    switch (trabajo) {
    case Trabajo::Ninguno:
        return true;
    case Trabajo::GrabaContacto:
        GrabaContacto();
        return false; // it does its own steps
    case Trabajo::FlechaArriba: {
        int tecla = Qt::Key_Up;
        TeclaNavegacion(tecla);
        return false;
    }
    case Trabajo::GrabaModificacion:
        return GrabaModificacion();
    case Trabajo::BorraContacto:
        return BorraContacto();
    case Trabajo::CambiaFecha:
        return CambiaFecha();
    case Trabajo::MuestraContacto:
        return RestauraContacto();
    case Trabajo::Renumera:
        intentaBD([this] { log_->renumera(); });
        return true;
    }
    return false;
}

QWidget* FLogConcurso::control(ControlLog c) const {
    switch (c) {
    case ControlLog::ModificarReg:
        return Menu->ModificarReg;
    case ControlLog::BorrarReg:
        return Menu->BorrarReg;
    case ControlLog::Listar:
        return Menu->Listar;
    case ControlLog::ExportarXk:
        return Menu->ExportarXk;
    case ControlLog::ExportarADIF:
        return Menu->ExportarADIF;
    case ControlLog::Ordenar:
        return Menu->Ordenar;
    case ControlLog::Volver:
        return Menu->Volver;
    case ControlLog::Aceptar:
        return Menu->Aceptar;
    case ControlLog::Cancelar:
        return Menu->Cancelar;
    case ControlLog::FrameModo:
        return BandasModos->FrameModo;
    case ControlLog::FrameBanda:
        return BandasModos->FrameBanda;
    case ControlLog::TiempoReal:
        return TiempoReal;
    case ControlLog::OtraFecha:
        return OtraFecha;
    }
    return nullptr;
}

void FLogConcurso::aplicaTransicion(const TransicionLog& t) {
    if (t.modo) {
        ModoEdicion_ = *t.modo;
        // A date being corrected takes the focus colour, not the browsing yellow.
        Rejilla->setNavegando(ModoEdicion_ != ModoEdicion::Modificar);
        // The entry text asks for Esc: back in browsing the browsing text says how to leave.
        if (ModoEdicion_ == ModoEdicion::Ninguno) LabelEnter->setText(TextoNavegacion);
    }
    if (t.cargaContactos) recarga();
    const int f = nav_.FilaActual;
    if (t.desactivaBotones) DesactivaBotones();
    if (t.botonesConsulta) BotonesConsulta();
    for (const auto& [c, si] : t.habilita)
        control(c)->setEnabled(si);
    if (t.teclasNavegacion) flags_.TeclasNavegacion = *t.teclasNavegacion;
    if (t.bloqueaLinea) Rejilla->BloqueaLinea(f, *t.bloqueaLinea);
    // The transition lists every effect of the choice: the option handlers need not run again.
    if (t.seleccionaTiempoReal) {
        const QSignalBlocker bloqueo(TiempoReal);
        TiempoReal->setChecked(true);
    }
    if (t.seleccionaOtraFecha) {
        const QSignalBlocker bloqueo(OtraFecha);
        OtraFecha->setChecked(true);
    }
    if (t.bloqueaFechaActual) {
        switch (*t.bloqueaFechaActual) {
        case BloqueoFecha::Bloqueada:
            FechaActual->setBloqueado(true);
            break;
        case BloqueoFecha::Libre:
            FechaActual->setBloqueado(false);
            break;
        case BloqueoFecha::SegunOpcion:
            FechaActual->setBloqueado(!OtraFecha->isChecked());
            break;
        }
    }
    if (t.fechaActualHoy) FechaActual->setText(Hoy().toString(FormatoFecha));
    if (t.vistaPreviaTeclas) teclas_->setActiva(*t.vistaPreviaTeclas);
    if (t.colorIndicativo)
        Rejilla->MarcaIndicativo(f, *t.colorIndicativo == ColorIndicativo::RojoClaro ? RojoClaro : Blanco);
    if (t.marcaLinea) Rejilla->MarcaLinea(true, f);
    if (t.ocultaRepeticion) PanelRepeticion->oculta();
    if (t.textoEntrada) LabelEnter->setText(TextoEntrada);
    switch (t.foco) {
    case FocoLog::SinCambio:
        break;
    case FocoLog::FechaFila:
        celdaActual(Columna::FechaQso)->setFocus();
        break;
    case FocoLog::FechaActual:
        FechaActual->setFocus();
        break;
    }
}

void FLogConcurso::escrituraRechazada(const ResultadoEscritura& r) {
    Avisos::actual().muestra(AvisoEscrituraRechazada(r));
    // Nothing was written: the mode stays, with Aceptar on for another F12.
    reintento_ = true;
    Menu->Aceptar->setEnabled(true);
    ColocaFoco();
}

bool FLogConcurso::GrabaModificacion() {
    if (!VerificaContacto()) return false;
    const int f = nav_.FilaActual;
    Qso q = QsoDeFila(Rejilla->textos(f), datos_.numeroOrden);
    q.numeroQso = log_->numero(nav_.PosicionActual);
    const ResultadoEscritura r = log_->reescribe(q);
    if (!r) {
        escrituraRechazada(r);
        return false;
    }
    // The row shows what the file now holds; if that read fails it still shows what was stored.
    try {
        if (const auto guardado = log_->leeGuardado(q.numeroQso)) {
            Rejilla->BorraLinea(f);
            Rejilla->MuestraContacto(f, *guardado);
        }
    } catch (const ErrorBD&) {
    }
    return true;
}

bool FLogConcurso::RestauraContacto() {
    const int f = nav_.FilaActual;
    std::optional<Qso> guardado;
    try {
        guardado = log_->leeGuardado(log_->numero(nav_.PosicionActual));
    } catch (const ErrorBD& e) {
        // The edits stay on screen and the correction stays open rather than showing them as stored.
        muestraErrorBD(e.mensaje());
        return false;
    }
    if (guardado) {
        Rejilla->BorraLinea(f);
        Rejilla->MuestraContacto(f, *guardado);
    } else {
        // Gone from the file meanwhile: the grid shows the log as it is.
        recarga();
    }
    return true;
}

bool FLogConcurso::BorraContacto() {
    const int f = nav_.FilaActual;
    if (Avisos::actual().muestra(PreguntaBorrado()) == Respuesta::Si) {
        Rejilla->MarcaIndicativo(f, Blanco);
        const ResultadoEscritura r = log_->eliminaYRenumera(log_->numero(nav_.PosicionActual));
        if (!r) {
            // The QSO is still there and still chosen: F12 tries again, Esc keeps it.
            Rejilla->MarcaIndicativo(f, RojoClaro);
            escrituraRechazada(r);
            return false;
        }
    } else {
        intentaBD([this] { log_->renumera(); });
    }
    Rejilla->MarcaIndicativo(f, Blanco);
    return true;
}

bool FLogConcurso::CambiaFecha() {
    const ResultadoCambioFecha r = ::CambiaFecha(FechaActual->text(), Hoy());
    FechaActual->setText(r.texto);
    if (!r.aceptada) {
        if (r.aviso) Avisos::actual().muestra(*r.aviso);
        FechaActual->setFocus();
        return false;
    }
    return true;
}
