#include "FLogConcurso.h"

#include "Avisos.h"
#include "CampoTexto.h"
#include "FrameMenu.h"
#include "PreviaTeclas.h"
#include "RejillaLog.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QTimer>

#include <array>

void FLogConcurso::aplica(const NavegacionLog::Paso& p, bool arriba) {
    if (p.dejaLinea) {
        rejilla_->BorraLinea(p.filaDesmarcada);
        dispara(EventoLog::DejaLinea);
    } else if (arriba) {
        dispara(EventoLog::Arriba);
    }
    if (p.filaDesmarcada >= 0) rejilla_->MarcaLinea(false, p.filaDesmarcada);
    if (p.borraPantalla) rejilla_->BorraPantalla();
    if (p.llenaPagina) muestraPagina();
    if (p.marca) rejilla_->MarcaLinea(true, nav_.FilaActual);
    if (p.foco == NavegacionLog::Foco::Fecha) celdaActual(Columna::FechaQso)->setFocus();
    if (p.foco == NavegacionLog::Foco::Indicativo) celdaActual(Columna::Indicativo)->setFocus();
    if (p.pita) Beep();
    if (p.abreLinea) dispara(EventoLog::AbreLinea);
}

void FLogConcurso::teclaNavegacion(int& tecla) {
    using T = NavegacionLog::Tecla;
    T t = T::Otra;
    switch (tecla) {
    case Qt::Key_PageUp:
        t = T::RePag;
        break;
    case Qt::Key_PageDown:
        t = T::AvPag;
        break;
    case Qt::Key_End:
        t = T::Fin;
        break;
    case Qt::Key_Home:
        t = T::Inicio;
        break;
    case Qt::Key_Up:
        t = T::Arriba;
        break;
    case Qt::Key_Down:
        t = T::Abajo;
        break;
    default:
        break;
    }
    const bool enLinea = EnLineaEntrada(estado());
    if (t == T::Otra) {
        if (estado() == EstadoVentanaLog::Consulta) tecla = 0;
        return;
    }
    const NavegacionLog::Paso p = nav_.tecla(t, enLinea);
    if (p.consumida) tecla = 0;
    aplica(p, t == T::Arriba);
}

void FLogConcurso::construyeTeclas() {
    teclas_ = new PreviaTeclas(*this);
    using C = ControlLog;
    const std::array<std::pair<int, C>, 8> tabla{{{Qt::Key_F4, C::ModificarReg},
                                                  {Qt::Key_F5, C::BorrarReg},
                                                  {Qt::Key_F6, C::Listar},
                                                  {Qt::Key_F7, C::ExportarXk},
                                                  {Qt::Key_F8, C::ExportarADIF},
                                                  {Qt::Key_F9, C::Ordenar},
                                                  {Qt::Key_F12, C::Aceptar},
                                                  {Qt::Key_Escape, C::Cancelar}}};
    for (const auto& [tecla, boton] : tabla)
        teclas_->asigna(tecla, menu_->boton(boton));
    teclas_->antes = [this](QKeyEvent&) {
        auto* celda = dynamic_cast<CeldaLog*>(QApplication::focusWidget());
        if (celda && celda->columna == Columna::HoraQso) entrada_->paraReloj();
        return celda && celda->columna == Columna::NumeroQso;
    };
    // Every other key, a disabled button's key and any key with Shift browse or move along the row.
    teclas_->despues = [this](QKeyEvent& e) { return teclaSinBoton(e); };
    // While the date of the contacts is typed the field has the keys first.
    fechaActual_->installEventFilter(this);
}

bool FLogConcurso::eventFilter(QObject* objeto, QEvent* evento) {
    if (objeto == fechaActual_ && evento->type() == QEvent::KeyPress) {
        const int k = static_cast<QKeyEvent*>(evento)->key();
        if (k == Qt::Key_Return || k == Qt::Key_Enter) {
            Beep();
            return true;
        }
    }
    if (evento->type() == QEvent::MouseButtonPress && objeto != fechaActual_) {
        // A click on a frame: after the click has done its own focus change, the focus goes back.
        QTimer::singleShot(0, this, [this] { colocaFoco(); });
        return false;
    }
    if (objeto == fechaActual_ && (evento->type() == QEvent::FocusIn || evento->type() == QEvent::FocusOut))
        teclas_->setActiva(evento->type() == QEvent::FocusOut);
    if (objeto == fechaActual_ && evento->type() == QEvent::MouseButtonPress && !fechaActual_->bloqueado())
        // A click on the unlocked date of the contacts starts the date change, as choosing OtraFecha does.
        dispara(EventoLog::OtraFecha);
    return QWidget::eventFilter(objeto, evento);
}

bool FLogConcurso::teclaSinBoton(QKeyEvent& e) {
    auto* celda = dynamic_cast<CeldaLog*>(QApplication::focusWidget());
    if (TeclasNavegacion(estado())) {
        int tecla = e.key();
        teclaNavegacion(tecla);
        if (tecla == 0) return true;
    }
    if (celda && celda->fila == nav_.FilaActual && (e.key() == Qt::Key_Return || e.key() == Qt::Key_Enter)) {
        entrada_->enter(*celda);
        return true;
    }
    if (celda) entrada_->teclaEnFecha(e, *celda);
    return false;
}
