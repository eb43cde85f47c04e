#include "TransicionesLog.h"

namespace {

using C = ControlLog;
using E = EstadoVentanaLog;
using Ev = EventoLog;

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
// The parts of the window a panel takes the place of.
const std::vector<C> kMarcosListados = {C::FrameBanda, C::FrameModo, C::Menu, C::Rejilla, C::LabelEnter};
// The date options too: their access keys would otherwise start a date change behind the panel.
const std::vector<C> kMarcosLibro = {C::Menu, C::FrameBanda, C::FrameModo, C::TiempoReal, C::OtraFecha};
const std::vector<C> kMarcosAdif = {C::Rejilla, C::Menu, C::FrameBanda, C::FrameModo};

std::vector<std::pair<C, bool>> Todos(const std::vector<C>& controles, bool si) {
    std::vector<std::pair<C, bool>> v;
    for (C c : controles)
        v.emplace_back(c, si);
    return v;
}

TransicionLog Hacia(E destino, Trabajo trabajo = Trabajo::Ninguno) {
    TransicionLog t;
    t.destino = destino;
    t.trabajo = trabajo;
    return t;
}

TransicionLog SoloTrabajo(Trabajo trabajo) {
    TransicionLog t;
    t.trabajo = trabajo;
    return t;
}

TransicionLog AbreLinea() {
    TransicionLog t = Hacia(E::Alta, Trabajo::NuevoContacto);
    t.desactivaBotones = true;
    t.habilita = {{C::Aceptar, true}, {C::Cancelar, true}, {C::TiempoReal, false}, {C::OtraFecha, false}};
    t.navegando = false;
    t.bloqueaFechaActual = BloqueoFecha::Bloqueada;
    t.texto = TextoAyuda::Entrada;
    t.foco = FocoLog::EntradaSegunOpcion;
    return t;
}

// Every Up-arrow: the browsing text, the date options back on, the repeat panel gone.
TransicionLog Arriba() {
    TransicionLog t;
    t.habilita = {{C::TiempoReal, true}, {C::OtraFecha, true}};
    t.bloqueaFechaActual = BloqueoFecha::SegunOpcion;
    t.ocultaRepeticion = true;
    t.texto = TextoAyuda::Navegacion;
    return t;
}

TransicionLog DejaLinea() {
    TransicionLog t = Arriba();
    t.destino = E::Consulta;
    t.trabajo = Trabajo::ParaReloj;
    t.botonesConsulta = true;
    t.navegando = true;
    t.bloqueaLinea = true;
    return t;
}

// The focus on the callsign: the bands and modes choose again, the rest of the row is locked.
TransicionLog EntraIndicativo(bool reintento) {
    TransicionLog t;
    // After a refused write Aceptar stays on for another F12 wherever the focus goes.
    if (!reintento) t.habilita.emplace_back(C::Aceptar, false);
    t.habilita.emplace_back(C::FrameBanda, true);
    t.habilita.emplace_back(C::FrameModo, true);
    t.bloqueaLinea = true;
    t.desbloqueaIndicativo = true;
    return t;
}

TransicionLog AceptarDisponible(bool ocultaRepeticion) {
    TransicionLog t;
    t.habilita = {{C::Aceptar, true}};
    t.ocultaRepeticion = ocultaRepeticion;
    return t;
}

TransicionLog Graba() {
    TransicionLog t = Hacia(E::Consulta);
    t.ocultaRepeticion = true;
    t.bloqueaLinea = true;
    t.marcaLinea = true;
    return t;
}

TransicionLog Rechazada(E destino, FocoLog foco) {
    TransicionLog t = Hacia(destino);
    t.habilita = {{C::Aceptar, true}};
    t.foco = foco;
    return t;
}

TransicionLog ModificarReg() {
    TransicionLog t = Hacia(E::Modificar, Trabajo::EligeContacto);
    t.desactivaBotones = true;
    t.habilita = kEmpiezaEdicion;
    t.bloqueaFechaActual = BloqueoFecha::Bloqueada;
    t.bloqueaLinea = false; // every field of the row can be clicked
    // A date being corrected takes the focus colour, not the browsing yellow.
    t.navegando = false;
    t.texto = TextoAyuda::Entrada;
    t.foco = FocoLog::FechaFila;
    return t;
}

TransicionLog BorrarReg() {
    TransicionLog t = Hacia(E::Borrar, Trabajo::EligeContacto);
    t.desactivaBotones = true;
    t.habilita = kEmpiezaEdicion;
    t.bloqueaFechaActual = BloqueoFecha::Bloqueada;
    t.navegando = true;
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
    TransicionLog t = Hacia(E::CambioFecha);
    t.habilita = {{C::ModificarReg, false}, {C::BorrarReg, false}, {C::Listar, false},
                  {C::ExportarXk, false},   {C::Ordenar, false},   {C::ExportarADIF, false},
                  {C::Volver, false},       {C::FrameModo, false}, {C::FrameBanda, false},
                  {C::OtraFecha, false},    {C::Aceptar, true},    {C::Cancelar, true},
                  {C::TiempoReal, false}};
    t.navegando = true;
    t.bloqueaFechaActual = BloqueoFecha::Libre;
    t.seleccionaOtraFecha = true;
    t.texto = TextoAyuda::Fecha;
    t.foco = FocoLog::FechaActual;
    return t;
}

TransicionLog EligeTiempoReal(bool abriendo) {
    TransicionLog t;
    t.bloqueaFechaActual = BloqueoFecha::Bloqueada;
    t.seleccionaTiempoReal = !abriendo;
    t.fechaActualHoy = true;
    if (!abriendo) t.foco = FocoLog::FechaFila;
    return t;
}

// Back to browsing after a correction or a deletion.
TransicionLog FinEdicion(Trabajo trabajo) {
    TransicionLog t = Hacia(E::Consulta, trabajo);
    t.navegando = true;
    t.texto = TextoAyuda::Navegacion;
    t.botonesConsulta = true;
    t.habilita = kFinEdicion;
    t.bloqueaFechaActual = BloqueoFecha::SegunOpcion;
    t.marcaLinea = true;
    t.foco = FocoLog::FechaFila;
    return t;
}

TransicionLog FinModificacion() {
    TransicionLog t = FinEdicion(Trabajo::GrabaModificacion);
    t.ocultaRepeticion = true;
    t.bloqueaLinea = true;
    return t;
}

TransicionLog CancelaModificacion() {
    // BotonesConsulta gives the buttons listed for a log with QSOs, which a correction needs.
    TransicionLog t = FinEdicion(Trabajo::MuestraContacto);
    // Locked again as after F12, or the browsed row could be typed into without being stored.
    t.bloqueaLinea = true;
    t.ocultaRepeticion = true;
    return t;
}

TransicionLog FinBorrado(Trabajo trabajo) {
    TransicionLog t = FinEdicion(trabajo);
    t.cargaContactos = trabajo == Trabajo::BorraContacto;
    t.colorIndicativo = ColorIndicativo::Blanco;
    return t;
}

TransicionLog FinCambioFecha(bool cancela) {
    TransicionLog t = Hacia(E::Consulta, cancela ? Trabajo::Ninguno : Trabajo::CambiaFecha);
    t.navegando = true;
    t.texto = TextoAyuda::Navegacion;
    // BotonesConsulta rather than every button: the date may change on an empty log, where the
    // buttons that act on a QSO have nothing to act on.
    t.botonesConsulta = true;
    t.habilita = kFinCambioFecha;
    t.bloqueaFechaActual = cancela ? BloqueoFecha::Bloqueada : BloqueoFecha::Libre;
    t.seleccionaTiempoReal = cancela;
    t.fechaActualHoy = cancela;
    t.vistaPreviaTeclas = true;
    t.foco = FocoLog::FechaFila;
    return t;
}

TransicionLog Listar() {
    TransicionLog t = Hacia(E::EleccionCabrillo);
    t.desactivaBotones = true;
    t.cedeSitio = true;
    // A panel has the keys to itself: the window's browsing keys would move the grid behind it.
    t.vistaPreviaTeclas = false;
    return t;
}

TransicionLog ListadosEscritos() {
    TransicionLog t = Hacia(E::ListaCabrillo);
    t.muestra = Todos(kMarcosListados, false);
    return t;
}

TransicionLog CierraListados() {
    // The list goes before the grid comes back: both at once would grow the window past the screen.
    TransicionLog t = Hacia(E::Consulta, Trabajo::OcultaListados);
    t.muestra = Todos(kMarcosListados, true);
    t.cedeSitio = false;
    t.botonesConsulta = true;
    t.vistaPreviaTeclas = true;
    t.foco = FocoLog::FechaFila;
    return t;
}

TransicionLog ExportarXk() {
    TransicionLog t = Hacia(E::LibroGuardia, Trabajo::RenumeraYRecarga);
    t.habilita = Todos(kMarcosLibro, false);
    t.muestra = {{C::Rejilla, false}};
    t.vistaPreviaTeclas = false;
    return t;
}

TransicionLog CierraLibro() {
    TransicionLog t = Hacia(E::Consulta, Trabajo::OcultaLibro);
    t.habilita = Todos(kMarcosLibro, true);
    t.muestra = {{C::Rejilla, true}};
    t.vistaPreviaTeclas = true;
    t.foco = FocoLog::FechaFila;
    return t;
}

TransicionLog ExportarADIF() {
    TransicionLog t = Hacia(E::Adif, Trabajo::RenumeraYRecarga);
    t.habilita = Todos(kMarcosAdif, false);
    return t;
}

TransicionLog FinAdif() {
    TransicionLog t = Hacia(E::Consulta);
    t.habilita = Todos(kMarcosAdif, true);
    t.foco = FocoLog::FechaFila;
    return t;
}

TransicionLog Volver() {
    TransicionLog t = Hacia(E::Cerrada, Trabajo::QuitaMarcadores);
    t.vistaPreviaTeclas = false;
    return t;
}

bool EsAlta(E e) {
    return e == E::Alta || e == E::Reintento;
}
bool EsModificacion(E e) {
    return e == E::Modificar || e == E::ReintentoModificacion;
}

std::optional<TransicionLog> DesdeConsulta(Ev evento) {
    switch (evento) {
    case Ev::AbreLinea:
        // The one way into an entry: a click on a browsed row's cell must never start one there.
        return AbreLinea();
    case Ev::ModificarReg:
        return ModificarReg();
    case Ev::BorrarReg:
        return BorrarReg();
    case Ev::Ordenar:
        return Ordenar();
    case Ev::OtraFecha:
        return EmpiezaCambioFecha();
    case Ev::TiempoReal:
        return EligeTiempoReal(false);
    case Ev::Listar:
        return Listar();
    case Ev::ExportarXk:
        return ExportarXk();
    case Ev::ExportarADIF:
        return ExportarADIF();
    case Ev::Volver:
        return Volver();
    default:
        return std::nullopt;
    }
}

} // namespace

std::optional<TransicionLog> Transicion(EstadoVentanaLog estado, EventoLog evento) {
    if (estado == E::Cerrada) return std::nullopt;
    switch (evento) {
    case Ev::Abre:
        if (estado != E::Apertura) return std::nullopt;
        {
            TransicionLog t = Hacia(E::Consulta);
            t.bloqueaLinea = true;
            t.botonesConsulta = true;
            return t;
        }
    case Ev::Arriba:
        if (estado == E::Consulta || EsAlta(estado)) return Arriba();
        return std::nullopt;
    case Ev::DejaLinea:
        if (estado == E::Consulta || EsAlta(estado)) return DejaLinea();
        return std::nullopt;
    case Ev::EntraIndicativo:
        if (EsAlta(estado) || EsModificacion(estado))
            return EntraIndicativo(estado == E::Reintento || estado == E::ReintentoModificacion);
        return std::nullopt;
    case Ev::IndicativoAceptado:
        return AceptarDisponible(true);
    case Ev::ListoParaGrabar:
        return AceptarDisponible(false);
    case Ev::Graba:
        if (EsAlta(estado)) return Graba();
        return std::nullopt;
    case Ev::GrabaRechazada:
        if (EsAlta(estado)) return Rechazada(E::Reintento, FocoLog::Indicativo);
        return std::nullopt;
    case Ev::EscrituraRechazada:
        if (EsModificacion(estado)) return Rechazada(E::ReintentoModificacion, FocoLog::Propio);
        if (estado == E::Borrar) return Rechazada(E::Borrar, FocoLog::Propio);
        return std::nullopt;
    case Ev::TiempoReal:
        if (estado == E::Apertura) return EligeTiempoReal(true);
        break;
    case Ev::Aceptar:
        if (EsAlta(estado)) return SoloTrabajo(Trabajo::GrabaContacto);
        if (EsModificacion(estado)) return FinModificacion();
        if (estado == E::Borrar) return FinBorrado(Trabajo::BorraContacto);
        if (estado == E::CambioFecha) return FinCambioFecha(false);
        return std::nullopt;
    case Ev::Cancelar:
        if (EsAlta(estado)) return SoloTrabajo(Trabajo::FlechaArriba);
        if (EsModificacion(estado)) return CancelaModificacion();
        if (estado == E::Borrar) return FinBorrado(Trabajo::Ninguno);
        if (estado == E::CambioFecha) return FinCambioFecha(true);
        return std::nullopt;
    case Ev::ListadosEscritos:
        if (estado == E::EleccionCabrillo) return ListadosEscritos();
        return std::nullopt;
    case Ev::CierraListados:
        if (estado == E::EleccionCabrillo || estado == E::ListaCabrillo) return CierraListados();
        return std::nullopt;
    case Ev::CierraLibro:
        if (estado == E::LibroGuardia) return CierraLibro();
        return std::nullopt;
    case Ev::FinAdif:
        if (estado == E::Adif) return FinAdif();
        return std::nullopt;
    default:
        break;
    }
    if (estado == E::Consulta) return DesdeConsulta(evento);
    return std::nullopt;
}

FocoLog FocoDe(EstadoVentanaLog estado) {
    switch (estado) {
    case E::Apertura:
    case E::Cerrada:
        return FocoLog::SinCambio;
    case E::Alta:
    case E::Reintento:
    case E::Modificar:
    case E::ReintentoModificacion:
        return FocoLog::Indicativo;
    case E::Borrar:
        return FocoLog::Cancelar;
    case E::CambioFecha:
        // An activation while the date is typed must not send the typing into the grid.
        return FocoLog::FechaActual;
    case E::ListaCabrillo:
        return FocoLog::ListaCabrillo;
    default:
        return FocoLog::FechaFila;
    }
}

bool TeclasNavegacion(EstadoVentanaLog estado) {
    return estado != E::Apertura && estado != E::Cerrada && estado != E::Borrar && !EsModificacion(estado);
}

bool EnLineaEntrada(EstadoVentanaLog estado) {
    return EsAlta(estado);
}
