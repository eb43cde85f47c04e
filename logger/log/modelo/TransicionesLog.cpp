#include "TransicionesLog.h"

namespace {

using C = ControlLog;
using M = ModoEdicion;

// Enabled on the way back to browsing, besides BotonesConsulta.
const std::vector<std::pair<C, bool>> kFinEdicion = {
    {C::FrameModo, true}, {C::FrameBanda, true}, {C::TiempoReal, true}, {C::OtraFecha, true}};
// While a QSO is corrected or deleted only Aceptar and Cancelar act: the date options and
// FechaActual would otherwise start a date change in the middle of it, or let a date be typed
// for the next entry lines without the date check.
const std::vector<std::pair<C, bool>> kEmpiezaEdicion = {
    {C::Aceptar, true}, {C::Cancelar, true}, {C::TiempoReal, false}, {C::OtraFecha, false}};
const std::vector<std::pair<C, bool>> kFinCambioFecha = {
    {C::FrameModo, true}, {C::FrameBanda, true}, {C::OtraFecha, true}, {C::TiempoReal, true}};

TransicionLog ModificarReg() {
    TransicionLog t;
    t.modo = M::Modificar;
    t.desactivaBotones = true;
    t.habilita = kEmpiezaEdicion;
    t.bloqueaFechaActual = BloqueoFecha::Bloqueada;
    t.bloqueaLinea = false; // every field of the row can be clicked
    t.teclasNavegacion = false;
    t.textoEntrada = true;
    t.foco = FocoLog::FechaFila;
    return t;
}

TransicionLog BorrarReg() {
    TransicionLog t;
    t.modo = M::Borrar;
    t.desactivaBotones = true;
    t.habilita = kEmpiezaEdicion;
    t.bloqueaFechaActual = BloqueoFecha::Bloqueada;
    t.teclasNavegacion = false;
    t.colorIndicativo = ColorIndicativo::RojoClaro;
    t.foco = FocoLog::FechaFila;
    return t;
}

TransicionLog Ordenar() {
    TransicionLog t;
    t.trabajo = Trabajo::Renumera;
    t.cargaContactos = true;
    t.foco = FocoLog::FechaFila;
    return t;
}

TransicionLog EmpiezaCambioFecha() {
    TransicionLog t;
    t.modo = M::CambioFecha;
    t.habilita = {{C::ModificarReg, false}, {C::BorrarReg, false}, {C::Listar, false},
                  {C::ExportarXk, false},   {C::Ordenar, false},   {C::ExportarADIF, false},
                  {C::Volver, false},       {C::FrameModo, false}, {C::FrameBanda, false},
                  {C::OtraFecha, false},    {C::Aceptar, true},    {C::Cancelar, true},
                  {C::TiempoReal, false}};
    t.bloqueaFechaActual = BloqueoFecha::Libre;
    t.seleccionaOtraFecha = true;
    t.foco = FocoLog::FechaActual;
    return t;
}

TransicionLog EligeTiempoReal() {
    TransicionLog t;
    t.bloqueaFechaActual = BloqueoFecha::Bloqueada;
    t.seleccionaTiempoReal = true;
    t.fechaActualHoy = true;
    t.foco = FocoLog::FechaFila;
    return t;
}

// Back to browsing after a correction or a deletion.
void FinEdicion(TransicionLog& t) {
    t.modo = M::Ninguno;
    t.botonesConsulta = true;
    t.habilita = kFinEdicion;
    t.bloqueaFechaActual = BloqueoFecha::SegunOpcion;
    t.teclasNavegacion = true;
    t.marcaLinea = true;
    t.foco = FocoLog::FechaFila;
}

TransicionLog FinModificacion() {
    TransicionLog t;
    t.trabajo = Trabajo::GrabaModificacion;
    FinEdicion(t);
    t.ocultaRepeticion = true;
    t.bloqueaLinea = true;
    return t;
}

TransicionLog CancelaModificacion() {
    TransicionLog t;
    t.trabajo = Trabajo::MuestraContacto;
    // BotonesConsulta gives the buttons listed for a log with QSOs, which a correction needs.
    FinEdicion(t);
    // Locked again as after F12, or the browsed row could be typed into without being stored.
    t.bloqueaLinea = true;
    t.ocultaRepeticion = true;
    return t;
}

TransicionLog FinBorrado() {
    TransicionLog t;
    t.trabajo = Trabajo::BorraContacto;
    FinEdicion(t);
    t.cargaContactos = true;
    t.colorIndicativo = ColorIndicativo::Blanco;
    return t;
}

TransicionLog CancelaBorrado() {
    TransicionLog t;
    FinEdicion(t);
    t.colorIndicativo = ColorIndicativo::Blanco;
    return t;
}

TransicionLog FinCambioFecha() {
    TransicionLog t;
    t.trabajo = Trabajo::CambiaFecha;
    t.modo = M::Ninguno;
    // BotonesConsulta rather than every button: the date may change on an empty log, where the
    // buttons that act on a QSO have nothing to act on.
    t.botonesConsulta = true;
    t.habilita = kFinCambioFecha;
    t.bloqueaFechaActual = BloqueoFecha::Libre;
    t.vistaPreviaTeclas = true;
    t.foco = FocoLog::FechaFila;
    return t;
}

TransicionLog CancelaCambioFecha() {
    TransicionLog t;
    t.modo = M::Ninguno;
    t.botonesConsulta = true;
    t.habilita = kFinCambioFecha;
    t.bloqueaFechaActual = BloqueoFecha::Bloqueada;
    t.seleccionaTiempoReal = true;
    t.fechaActualHoy = true;
    t.vistaPreviaTeclas = true;
    t.foco = FocoLog::FechaFila;
    return t;
}

TransicionLog SoloTrabajo(Trabajo trabajo) {
    TransicionLog t;
    t.trabajo = trabajo;
    return t;
}

} // namespace

std::optional<TransicionLog> Transicion(ModoEdicion modo, EventoLog evento) {
    switch (evento) {
    case EventoLog::ModificarReg:
        if (modo == M::Ninguno) return ModificarReg();
        break;
    case EventoLog::BorrarReg:
        if (modo == M::Ninguno) return BorrarReg();
        break;
    case EventoLog::Ordenar:
        if (modo == M::Ninguno) return Ordenar();
        break;
    case EventoLog::OtraFecha:
        if (modo == M::Ninguno) return EmpiezaCambioFecha();
        break;
    case EventoLog::TiempoReal:
        if (modo == M::Ninguno) return EligeTiempoReal();
        break;
    case EventoLog::Aceptar:
        switch (modo) {
        case M::Alta:
            return SoloTrabajo(Trabajo::GrabaContacto);
        case M::Modificar:
            return FinModificacion();
        case M::Borrar:
            return FinBorrado();
        case M::CambioFecha:
            return FinCambioFecha();
        case M::Ninguno:
        case M::ListarCabrillo:
            break;
        }
        break;
    case EventoLog::Cancelar:
        switch (modo) {
        case M::Alta:
            return SoloTrabajo(Trabajo::FlechaArriba);
        case M::Modificar:
            return CancelaModificacion();
        case M::Borrar:
            return CancelaBorrado();
        case M::CambioFecha:
            return CancelaCambioFecha();
        case M::Ninguno:
        case M::ListarCabrillo:
            break;
        }
        break;
    }
    return std::nullopt;
}

void EstadoControlesLog::desactivaBotones() {
    for (C c :
         {C::ModificarReg, C::BorrarReg, C::Volver, C::Listar, C::ExportarXk, C::ExportarADIF, C::Ordenar})
        habilita(c, false);
}

void EstadoControlesLog::botonesConsulta(int totalContactos) {
    const bool hay = totalContactos >= 1;
    for (C c : {C::ModificarReg, C::BorrarReg, C::Listar, C::ExportarXk, C::Ordenar, C::ExportarADIF})
        habilita(c, hay);
    habilita(C::Volver, true);
    habilita(C::Aceptar, false);
    habilita(C::Cancelar, false);
}

void EstadoControlesLog::aplica(const TransicionLog& t, int totalContactos) {
    if (t.modo) modo = *t.modo;
    if (t.desactivaBotones) desactivaBotones();
    if (t.botonesConsulta) botonesConsulta(totalContactos);
    for (const auto& [c, si] : t.habilita)
        habilita(c, si);
    if (t.teclasNavegacion) teclasNavegacion = *t.teclasNavegacion;
    if (t.bloqueaLinea) bloqueaLinea = *t.bloqueaLinea;
    if (t.seleccionaTiempoReal) tiempoReal = true;
    if (t.seleccionaOtraFecha) tiempoReal = false;
    if (t.bloqueaFechaActual) {
        switch (*t.bloqueaFechaActual) {
        case BloqueoFecha::Bloqueada:
            bloqueaFechaActual = true;
            break;
        case BloqueoFecha::Libre:
            bloqueaFechaActual = false;
            break;
        case BloqueoFecha::SegunOpcion:
            bloqueaFechaActual = tiempoReal;
            break;
        }
    }
    if (t.vistaPreviaTeclas) vistaPreviaTeclas = *t.vistaPreviaTeclas;
    if (t.colorIndicativo) colorIndicativo = *t.colorIndicativo;
    if (t.foco != FocoLog::SinCambio) foco = t.foco;
}
