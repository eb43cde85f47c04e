#include "FLogConcurso.h"

#include "Avisos.h"
#include "CampoTexto.h"
#include "FrameMenu.h"
#include "PanelRepeticion.h"
#include "PreviaTeclas.h"
#include "RejillaLog.h"
#include "TextosLog.h"

#include <QApplication>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include <array>

void FLogConcurso::aplica(const NavegacionLog::Paso& p, bool arriba) {
    if (arriba) {
        LabelEnter->setText(TextoNavegacion);
        TiempoReal->setEnabled(true);
        OtraFecha->setEnabled(true);
        if (OtraFecha->isChecked()) FechaActual->setBloqueado(false);
        PanelRepeticion->oculta();
        flags_.LineaEntrada = false;
    }
    if (p.dejaLinea) {
        ModoEdicion_ = ModoEdicion::Ninguno;
        Timer2->stop();
        Rejilla->BorraLinea(p.filaDesmarcada);
        BotonesConsulta();
        flags_.TeclasNavegacion = true;
        Rejilla->setNavegando(true);
    }
    if (p.filaDesmarcada >= 0) Rejilla->MarcaLinea(false, p.filaDesmarcada);
    if (p.borraPantalla) Rejilla->BorraPantalla();
    if (p.llenaPagina) muestraPagina();
    if (p.marca) Rejilla->MarcaLinea(true, nav_.FilaActual);
    if (p.dejaLinea) Rejilla->BloqueaLinea(nav_.FilaActual, true);
    if (p.foco == NavegacionLog::Foco::Fecha) celdaActual(Columna::FechaQso)->setFocus();
    if (p.foco == NavegacionLog::Foco::Indicativo) celdaActual(Columna::Indicativo)->setFocus();
    if (p.pita) Beep();
    if (p.abreLinea) {
        flags_.LineaEntrada = true;
        NuevoContacto();
    }
}

void FLogConcurso::TeclaNavegacion(int& tecla) {
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
    if (t == T::Otra) {
        if (ModoEdicion_ == ModoEdicion::Ninguno) tecla = 0;
        return;
    }
    const NavegacionLog::Paso p = nav_.tecla(t, ModoEdicion_ == ModoEdicion::Alta);
    if (p.consumida) tecla = 0;
    aplica(p, t == T::Arriba);
}

void FLogConcurso::construyeTeclas() {
    teclas_ = new PreviaTeclas(*this);
    const std::array<std::pair<int, QPushButton*>, 8> tabla{{{Qt::Key_F4, Menu->ModificarReg},
                                                             {Qt::Key_F5, Menu->BorrarReg},
                                                             {Qt::Key_F6, Menu->Listar},
                                                             {Qt::Key_F7, Menu->ExportarXk},
                                                             {Qt::Key_F8, Menu->ExportarADIF},
                                                             {Qt::Key_F9, Menu->Ordenar},
                                                             {Qt::Key_F12, Menu->Aceptar},
                                                             {Qt::Key_Escape, Menu->Cancelar}}};
    for (const auto& [tecla, boton] : tabla)
        teclas_->asigna(tecla, boton);
    teclas_->antes = [this](QKeyEvent&) {
        auto* celda = dynamic_cast<CeldaLog*>(QApplication::focusWidget());
        if (celda && celda->columna == Columna::HoraQso) Timer2->stop();
        return celda && celda->columna == Columna::NumeroQso;
    };
    // Every other key, a disabled button's key and any key with Shift browse or move along the row.
    teclas_->despues = [this](QKeyEvent& e) { return TeclaSinBoton(e); };
    // While the date of the contacts is typed the field has the keys first.
    FechaActual->installEventFilter(this);
}

bool FLogConcurso::eventFilter(QObject* objeto, QEvent* evento) {
    if (objeto == FechaActual && evento->type() == QEvent::KeyPress) {
        const int k = static_cast<QKeyEvent*>(evento)->key();
        if (k == Qt::Key_Return || k == Qt::Key_Enter) {
            Beep();
            return true;
        }
    }
    if (evento->type() == QEvent::MouseButtonPress && objeto != FechaActual) {
        // After the click has done its own focus change.
        QTimer::singleShot(0, this, &FLogConcurso::ColocaFoco);
        return false;
    }
    if (objeto == FechaActual && (evento->type() == QEvent::FocusIn || evento->type() == QEvent::FocusOut))
        teclas_->setActiva(evento->type() == QEvent::FocusOut);
    return QWidget::eventFilter(objeto, evento);
}

bool FLogConcurso::TeclaSinBoton(QKeyEvent& e) {
    auto* celda = dynamic_cast<CeldaLog*>(QApplication::focusWidget());
    if (flags_.TeclasNavegacion) {
        int tecla = e.key();
        TeclaNavegacion(tecla);
        if (tecla == 0) return true;
    }
    if (celda && celda->fila == nav_.FilaActual && (e.key() == Qt::Key_Return || e.key() == Qt::Key_Enter)) {
        EnterEnCelda(*celda);
        return true;
    }
    if (celda) teclaEnFecha(e, *celda);
    return false;
}
