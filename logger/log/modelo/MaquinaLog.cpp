// The one interpreter of the log window's transitions, and the one writer of its state.
#include "TransicionesLog.h"

namespace {

using C = ControlLog;

void DesactivaBotones(ControlesLog& c) {
    for (C b :
         {C::ModificarReg, C::BorrarReg, C::Volver, C::Listar, C::ExportarXk, C::ExportarADIF, C::Ordenar})
        c.habilita(b, false);
}

// Browsing: the buttons that act on QSOs only with QSOs in the log.
void BotonesConsulta(ControlesLog& c) {
    const bool hay = c.totalContactos() >= 1;
    for (C b : {C::ModificarReg, C::BorrarReg, C::Listar, C::ExportarXk, C::Ordenar, C::ExportarADIF})
        c.habilita(b, hay);
    c.habilita(C::Volver, true);
    c.habilita(C::Aceptar, false);
    c.habilita(C::Cancelar, false);
}

} // namespace

bool MaquinaLog::dispara(EventoLog evento, ControlesLog& c) {
    const auto t = Transicion(estadoVentana_, evento);
    if (!t || !c.ejecuta(t->trabajo)) return false;
    if (t->destino) estadoVentana_ = *t->destino;
    if (t->navegando) c.navegando(*t->navegando);
    if (t->texto == TextoAyuda::Navegacion) c.texto(TextoAyuda::Navegacion);
    if (t->cargaContactos) c.cargaContactos();
    if (t->desactivaBotones) DesactivaBotones(c);
    if (t->botonesConsulta) BotonesConsulta(c);
    for (const auto& [control, si] : t->habilita)
        c.habilita(control, si);
    for (const auto& [control, si] : t->muestra)
        c.muestra(control, si);
    if (t->cedeSitio) c.cedeSitio(*t->cedeSitio);
    if (t->bloqueaLinea) c.bloqueaLinea(*t->bloqueaLinea);
    if (t->desbloqueaIndicativo) c.desbloqueaIndicativo();
    if (t->seleccionaTiempoReal) c.seleccionaTiempoReal(true);
    if (t->seleccionaOtraFecha) c.seleccionaTiempoReal(false);
    if (t->bloqueaFechaActual) {
        switch (*t->bloqueaFechaActual) {
        case BloqueoFecha::Bloqueada:
            c.bloqueaFechaActual(true);
            break;
        case BloqueoFecha::Libre:
            c.bloqueaFechaActual(false);
            break;
        case BloqueoFecha::SegunOpcion:
            c.bloqueaFechaActual(c.tiempoReal());
            break;
        }
    }
    if (t->fechaActualHoy) c.fechaActualHoy();
    if (t->vistaPreviaTeclas) c.vistaPreviaTeclas(*t->vistaPreviaTeclas);
    if (t->colorIndicativo) c.colorIndicativo(*t->colorIndicativo);
    if (t->marcaLinea) c.marcaLinea();
    if (t->ocultaRepeticion) c.ocultaRepeticion();
    if (t->texto && *t->texto != TextoAyuda::Navegacion) c.texto(*t->texto);
    const FocoLog foco = t->foco == FocoLog::Propio ? FocoDe(estadoVentana_) : t->foco;
    if (foco != FocoLog::SinCambio) c.enfoca(foco);
    return true;
}

void MaquinaLog::colocaFoco(ControlesLog& c) const {
    if (const FocoLog foco = FocoDe(estadoVentana_); foco != FocoLog::SinCambio) c.enfoca(foco);
}
