#include "FLogConcurso.h"

#include "Avisos.h"
#include "CampoTexto.h"
#include "FrameMenu.h"
#include "PanelBandasModos.h"
#include "PreviaTeclas.h"
#include "RejillaLog.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QTimer>

#include <array>

namespace {
// Band and mode chosen from the row being typed, as a click on the neighbouring option would.
struct TeclaOpcion {
    int tecla;
    bool banda;
    int paso;
};
constexpr std::array<TeclaOpcion, 4> TeclasOpcion{
    {{Qt::Key_Up, true, 1}, {Qt::Key_Down, true, -1}, {Qt::Key_Right, false, 1}, {Qt::Key_Left, false, -1}}};

// Keys no field takes: a function key whose button is off, Tab (no control is a tab stop) and an
// access key whose button is off, which a text box would otherwise type as its letter (Alt with
// Ctrl is AltGr on some desktops, which types characters).
bool SinDestino(const QKeyEvent& e) {
    const int k = e.key();
    const bool alt = (e.modifiers() & (Qt::AltModifier | Qt::ControlModifier)) == Qt::AltModifier;
    return (k >= Qt::Key_F1 && k <= Qt::Key_F35) || k == Qt::Key_Tab || k == Qt::Key_Backtab ||
           (alt && !EsModificadora(k));
}
} // namespace

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
        if (estado() != EstadoVentanaLog::Consulta) return;
        // Browsing takes no typing: said with a beep rather than eaten in silence.
        if (!EsModificadora(tecla)) Beep();
        tecla = 0;
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
    const QEvent::Type tipo = evento->type();
    if (objeto != fechaActual_) {
        // A click on a frame: after the click has done its own focus change, the focus goes back.
        if (tipo == QEvent::MouseButtonPress) QTimer::singleShot(0, this, [this] { colocaFoco(); });
        return QWidget::eventFilter(objeto, evento);
    }
    if (tipo == QEvent::KeyPress) return teclaEnFechaActual(*static_cast<QKeyEvent*>(evento));
    if (tipo == QEvent::FocusIn || tipo == QEvent::FocusOut) teclas_->setActiva(tipo == QEvent::FocusOut);
    if (tipo == QEvent::MouseButtonPress && !fechaActual_->bloqueado())
        // A click on the unlocked date of the contacts starts the date change, as choosing OtraFecha does.
        dispara(EventoLog::OtraFecha);
    return QWidget::eventFilter(objeto, evento);
}

// The date of the contacts has its keys first; F12 and Esc still press Aceptar and Cancelar.
bool FLogConcurso::teclaEnFechaActual(const QKeyEvent& e) {
    switch (e.key()) {
    case Qt::Key_F12:
        return pulsa(ControlLog::Aceptar);
    case Qt::Key_Escape:
        return pulsa(ControlLog::Cancelar);
    case Qt::Key_Return:
    case Qt::Key_Enter:
        Beep();
        return true;
    default:
        if (!SinDestino(e)) return false;
        Beep();
        return true;
    }
}

// A button's key: it takes the focus and is pressed, or beeps when it is off.
bool FLogConcurso::pulsa(ControlLog c) {
    QPushButton* b = menu_->boton(c);
    if (!b->isEnabled()) {
        Beep();
        return true;
    }
    b->setFocus();
    b->click();
    return true;
}

bool FLogConcurso::teclaOpcion(const QKeyEvent& e) {
    const Qt::KeyboardModifiers mods =
        e.modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
    if (mods != Qt::ControlModifier) return false;
    for (const TeclaOpcion& t : TeclasOpcion) {
        if (t.tecla != e.key()) continue;
        if (!bandasModos_->eligeVecina(t.banda, t.paso)) Beep();
        return true;
    }
    return false;
}

bool FLogConcurso::teclaSinBoton(QKeyEvent& e) {
    if (teclaOpcion(e)) return true;
    auto* celda = dynamic_cast<CeldaLog*>(QApplication::focusWidget());
    const bool enFila = celda && celda->fila == nav_.FilaActual;
    // F12 with Aceptar off: a correction's callsign is taken and stored; elsewhere it beeps below.
    if (e.key() == Qt::Key_F12 && e.modifiers() == Qt::NoModifier && enFila && entrada_->aceptaDesde(*celda))
        return true;
    if (TeclasNavegacion(estado())) {
        int tecla = e.key();
        teclaNavegacion(tecla);
        if (tecla == 0) return true;
    }
    if (enFila && (e.key() == Qt::Key_Return || e.key() == Qt::Key_Enter)) {
        entrada_->enter(*celda);
        return true;
    }
    if (SinDestino(e)) {
        Beep();
        return true;
    }
    if (celda) entrada_->teclaEnFecha(e, *celda);
    return false;
}
