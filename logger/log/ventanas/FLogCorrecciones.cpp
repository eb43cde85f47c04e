#include "FLogConcurso.h"

#include "Avisos.h"
#include "CambioFecha.h"
#include "CampoTexto.h"
#include "Contactos.h"
#include "Correccion.h"
#include "RejillaLog.h"
#include "Reloj.h"

namespace {
const QColor RojoClaro(255, 0, 0);
const QColor Blanco(255, 255, 255);
} // namespace

bool FLogConcurso::ejecuta(Trabajo trabajo) {
    switch (trabajo) {
    case Trabajo::Ninguno:
        return true;
    case Trabajo::EligeContacto:
        // A QSO is corrected or deleted only on a stored row, never on the row past the log.
        return nav_.PosicionActual <= nav_.TotalContactos;
    case Trabajo::NuevoContacto:
        entrada_->nuevoContacto();
        return true;
    case Trabajo::GrabaContacto:
        entrada_->graba();
        return false; // it does its own steps
    case Trabajo::FlechaArriba: {
        int tecla = Qt::Key_Up;
        teclaNavegacion(tecla);
        return false;
    }
    case Trabajo::ParaReloj:
        entrada_->paraReloj();
        return true;
    case Trabajo::GrabaModificacion:
        return grabaModificacion();
    case Trabajo::BorraContacto:
        return borraContacto();
    case Trabajo::CambiaFecha:
        return cambiaFecha();
    case Trabajo::MuestraContacto:
        return restauraContacto();
    case Trabajo::Renumera:
        intentaBD([this] { log_->renumera(); });
        return true;
    case Trabajo::RenumeraYRecarga:
        // A refused renumbering leaves the log in its old order: shown, and exported, as it is.
        intentaBD([this] { log_->renumera(); });
        recarga();
        return true;
    case Trabajo::OcultaListados:
        salidas_->ocultaListados();
        return true;
    case Trabajo::OcultaLibro:
        salidas_->ocultaLibro();
        return true;
    case Trabajo::QuitaMarcadores:
        // The log stays open on a refusal: leaving now would leave the placeholders for the outputs.
        return intentaBD([this] { log_->quitaMarcadores(); });
    }
    return false;
}

void FLogConcurso::escrituraRechazada(const ResultadoEscritura& r) {
    Avisos::actual().muestra(AvisoEscrituraRechazada(r));
    // Nothing was written: the state waits, with Aceptar on, for another F12.
    dispara(EventoLog::EscrituraRechazada);
}

bool FLogConcurso::grabaModificacion() {
    if (!entrada_->verifica()) return false;
    const int f = nav_.FilaActual;
    Qso q = QsoDeFila(rejilla_->textos(f), datos_.NumeroOrden);
    q.numeroQso = log_->numero(nav_.PosicionActual);
    const ResultadoEscritura r = log_->reescribe(q);
    if (!r) {
        escrituraRechazada(r);
        return false;
    }
    // The row shows what the file now holds; if that read fails it still shows what was stored.
    try {
        if (const auto guardado = log_->leeGuardado(q.numeroQso)) {
            rejilla_->BorraLinea(f);
            rejilla_->MuestraContacto(f, *guardado);
        }
    } catch (const ErrorBD&) {
    }
    return true;
}

bool FLogConcurso::restauraContacto() {
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
        rejilla_->BorraLinea(f);
        rejilla_->MuestraContacto(f, *guardado);
    } else {
        // Gone from the file meanwhile: the grid shows the log as it is.
        recarga();
    }
    return true;
}

bool FLogConcurso::borraContacto() {
    const int f = nav_.FilaActual;
    if (Avisos::actual().muestra(PreguntaBorrado()) == Respuesta::Si) {
        rejilla_->MarcaIndicativo(f, Blanco);
        const ResultadoEscritura r = log_->eliminaYRenumera(log_->numero(nav_.PosicionActual));
        if (!r) {
            // The QSO is still there and still chosen: F12 tries again, Esc keeps it.
            rejilla_->MarcaIndicativo(f, RojoClaro);
            escrituraRechazada(r);
            return false;
        }
    } else {
        intentaBD([this] { log_->renumera(); });
    }
    rejilla_->MarcaIndicativo(f, Blanco);
    return true;
}

bool FLogConcurso::cambiaFecha() {
    const ResultadoCambioFecha r = ::CambiaFecha(fechaActual_->text(), Hoy());
    fechaActual_->setText(r.texto);
    if (!r.aceptada) {
        if (r.aviso) Avisos::actual().muestra(*r.aviso);
        fechaActual_->setFocus();
        return false;
    }
    return true;
}
