// The log window's states: buttons, frames, locks and focus after each event, through the same
// MaquinaLog the window runs, on controls held as plain data.
#include "TransicionesLog.h"

#include <gtest/gtest.h>

#include <array>
#include <set>

namespace {

using C = ControlLog;
using E = EventoLog;
using S = EstadoVentanaLog;

// The window's controls as data. Qt starts every control enabled and shown.
struct ControlesFalsos : ControlesLog {
    int total = 10;
    std::array<bool, NumControlesLog> habilitado, visible;
    bool cedido = false, navegandoFilas = true, lineaBloqueada = false, indicativoLibre = false;
    bool opcionTiempoReal = true, fechaBloqueada = true, vistaPrevia = true;
    ColorIndicativo color = ColorIndicativo::Blanco;
    FocoLog foco = FocoLog::SinCambio;
    std::vector<Trabajo> trabajos;

    ControlesFalsos() {
        habilitado.fill(true);
        visible.fill(true);
    }
    bool ejecuta(Trabajo t) override {
        trabajos.push_back(t);
        // The entry line's store and the Up-arrow fire their own events.
        return t != Trabajo::GrabaContacto && t != Trabajo::FlechaArriba;
    }
    int totalContactos() const override { return total; }
    void cargaContactos() override {}
    void habilita(C c, bool si) override { habilitado[static_cast<size_t>(c)] = si; }
    void muestra(C c, bool si) override { visible[static_cast<size_t>(c)] = si; }
    void cedeSitio(bool si) override { cedido = si; }
    void navegando(bool si) override { navegandoFilas = si; }
    void bloqueaLinea(bool si) override {
        lineaBloqueada = si;
        indicativoLibre = !si;
    }
    void desbloqueaIndicativo() override { indicativoLibre = true; }
    bool tiempoReal() const override { return opcionTiempoReal; }
    void seleccionaTiempoReal(bool si) override { opcionTiempoReal = si; }
    void bloqueaFechaActual(bool si) override { fechaBloqueada = si; }
    void fechaActualHoy() override {}
    void vistaPreviaTeclas(bool si) override { vistaPrevia = si; }
    void colorIndicativo(ColorIndicativo c) override { color = c; }
    void marcaLinea() override {}
    void ocultaRepeticion() override {}
    void texto(TextoAyuda) override {}
    void enfoca(FocoLog f) override { foco = f; }

    std::set<C> Todos(const std::array<bool, NumControlesLog>& a) const {
        std::set<C> s;
        for (int i = 0; i < NumControlesLog; ++i)
            if (a[static_cast<size_t>(i)]) s.insert(static_cast<C>(i));
        return s;
    }
};

std::set<C> Mas(std::set<C> a, const std::set<C>& b) {
    a.insert(b.begin(), b.end());
    return a;
}
std::set<C> Menos(std::set<C> a, const std::set<C>& b) {
    for (C c : b)
        a.erase(c);
    return a;
}

// Always on unless a panel or a run takes the window.
const std::set<C> kMarcos = {C::Menu, C::Rejilla, C::LabelEnter};
const std::set<C> kConsulta =
    Mas(kMarcos, {C::ModificarReg, C::BorrarReg, C::Listar, C::ExportarXk, C::ExportarADIF, C::Ordenar,
                  C::Volver, C::FrameModo, C::FrameBanda, C::TiempoReal, C::OtraFecha});
const std::set<C> kConsultaVacio =
    Mas(kMarcos, {C::Volver, C::FrameModo, C::FrameBanda, C::TiempoReal, C::OtraFecha});
const std::set<C> kEditando = Mas(kMarcos, {C::Aceptar, C::Cancelar, C::FrameModo, C::FrameBanda});
const std::set<C> kTodos = Mas(kConsulta, {C::Aceptar, C::Cancelar});

struct Caso {
    const char* nombre;
    std::vector<E> eventos; // after the opening
    S estado;
    std::set<C> habilitados;
    FocoLog foco = FocoLog::FechaFila;
    Trabajo trabajo = Trabajo::Ninguno; // of the last event
    int total = 10;
    bool otraFecha = false; // "QSO en otra Fecha" selected at the start
    bool lineaBloqueada = true;
    bool fechaBloqueada = true;
    ColorIndicativo indicativo = ColorIndicativo::Blanco;
    std::set<C> ocultos = {};
    bool cedido = false;
    bool vistaPrevia = true;
};

TEST(TransicionesLog, CadaEventoDejaSusControlesSuBloqueoYSuFoco) {
    const auto R = ColorIndicativo::RojoClaro;
    const auto FA = FocoLog::FechaActual;
    const auto I = FocoLog::Indicativo;
    const std::set<C> kListados = {C::FrameBanda, C::FrameModo, C::Menu, C::Rejilla, C::LabelEnter};
    // clang-format off
    const Caso casos[] = {
        {"abierto", {}, S::Consulta, kConsulta, FocoLog::SinCambio},
        {"abierto vacío", {}, S::Consulta, kConsultaVacio, FocoLog::SinCambio, Trabajo::Ninguno, 0},
        {"línea de entrada", {E::AbreLinea}, S::Alta, kEditando, FocoLog::EntradaSegunOpcion, Trabajo::NuevoContacto},
        {"línea, indicativo", {E::AbreLinea, E::EntraIndicativo}, S::Alta, Menos(kEditando, {C::Aceptar}), FocoLog::EntradaSegunOpcion, Trabajo::Ninguno, 10, false, false},
        {"línea, Enter en el indicativo", {E::AbreLinea, E::EntraIndicativo, E::IndicativoAceptado}, S::Alta, kEditando, FocoLog::EntradaSegunOpcion, Trabajo::Ninguno, 10, false, false},
        {"grabación rechazada", {E::AbreLinea, E::GrabaRechazada, E::EntraIndicativo}, S::Reintento, kEditando, I, Trabajo::Ninguno, 10, false, false},
        {"grabada", {E::AbreLinea, E::EntraIndicativo, E::Graba}, S::Consulta, Menos(kEditando, {C::Aceptar}), FocoLog::EntradaSegunOpcion},
        {"F12 en la línea", {E::AbreLinea, E::Aceptar}, S::Alta, kEditando, FocoLog::EntradaSegunOpcion, Trabajo::GrabaContacto},
        {"flecha arriba fuera de la línea", {E::AbreLinea, E::DejaLinea}, S::Consulta, kConsulta, FocoLog::EntradaSegunOpcion, Trabajo::ParaReloj},
        {"F4", {E::ModificarReg}, S::Modificar, kEditando, FocoLog::FechaFila, Trabajo::EligeContacto, 10, false, false},
        {"F4 F12", {E::ModificarReg, E::Aceptar}, S::Consulta, kConsulta, FocoLog::FechaFila, Trabajo::GrabaModificacion},
        {"F4 reescritura rechazada", {E::ModificarReg, E::EscrituraRechazada, E::EntraIndicativo}, S::ReintentoModificacion, kEditando, I, Trabajo::Ninguno, 10, false, false},
        {"F4 Esc", {E::ModificarReg, E::Cancelar}, S::Consulta, kConsulta, FocoLog::FechaFila, Trabajo::MuestraContacto},
        {"F4 Esc en otra fecha", {E::ModificarReg, E::Cancelar}, S::Consulta, kConsulta, FocoLog::FechaFila, Trabajo::MuestraContacto, 10, true, true, false},
        {"F5", {E::BorrarReg}, S::Borrar, kEditando, FocoLog::FechaFila, Trabajo::EligeContacto, 10, false, true, true, R},
        {"F5 borrado rechazado", {E::BorrarReg, E::EscrituraRechazada}, S::Borrar, kEditando, FocoLog::Cancelar, Trabajo::Ninguno, 10, false, true, true, R},
        {"F5 F12", {E::BorrarReg, E::Aceptar}, S::Consulta, kConsulta, FocoLog::FechaFila, Trabajo::BorraContacto},
        {"F5 F12 del último", {E::BorrarReg, E::Aceptar}, S::Consulta, kConsulta, FocoLog::FechaFila, Trabajo::BorraContacto, 1},
        {"F5 Esc", {E::BorrarReg, E::Cancelar}, S::Consulta, kConsulta, FocoLog::FechaFila, Trabajo::Ninguno, 10, true, true, false},
        {"F9", {E::Ordenar}, S::Consulta, kConsulta, FocoLog::FechaFila, Trabajo::Renumera},
        {"otra fecha", {E::OtraFecha}, S::CambioFecha, Mas(kMarcos, {C::Aceptar, C::Cancelar}), FA, Trabajo::Ninguno, 10, false, true, false},
        {"otra fecha F12", {E::OtraFecha, E::Aceptar}, S::Consulta, kConsulta, FocoLog::FechaFila, Trabajo::CambiaFecha, 10, false, true, false},
        {"otra fecha F12 en un log vacío", {E::OtraFecha, E::Aceptar}, S::Consulta, kConsultaVacio, FocoLog::FechaFila, Trabajo::CambiaFecha, 0, false, true, false},
        {"otra fecha Esc", {E::OtraFecha, E::Cancelar}, S::Consulta, kConsulta, FocoLog::FechaFila, Trabajo::Ninguno, 10, true},
        {"tiempo real", {E::TiempoReal}, S::Consulta, kConsulta, FocoLog::FechaFila, Trabajo::Ninguno, 10, true},
        {"F6", {E::Listar}, S::EleccionCabrillo, Mas(kMarcos, {C::FrameModo, C::FrameBanda, C::TiempoReal, C::OtraFecha}), FocoLog::SinCambio, Trabajo::Ninguno, 10, false, true, true, ColorIndicativo::Blanco, {}, true, false},
        {"F6 listados", {E::Listar, E::ListadosEscritos}, S::ListaCabrillo, Mas(kMarcos, {C::FrameModo, C::FrameBanda, C::TiempoReal, C::OtraFecha}), FocoLog::SinCambio, Trabajo::Ninguno, 10, false, true, true, ColorIndicativo::Blanco, kListados, true, false},
        {"F6 vuelta", {E::Listar, E::ListadosEscritos, E::CierraListados}, S::Consulta, kConsulta, FocoLog::FechaFila, Trabajo::OcultaListados},
        {"F7", {E::ExportarXk}, S::LibroGuardia, Menos(kConsulta, {C::Menu, C::FrameBanda, C::FrameModo, C::TiempoReal, C::OtraFecha}), FocoLog::SinCambio, Trabajo::RenumeraYRecarga, 10, false, true, true, ColorIndicativo::Blanco, {C::Rejilla}, false, false},
        {"F7 vuelta", {E::ExportarXk, E::CierraLibro}, S::Consulta, kConsulta, FocoLog::FechaFila, Trabajo::OcultaLibro},
        {"F8", {E::ExportarADIF}, S::Adif, Menos(kConsulta, {C::Rejilla, C::Menu, C::FrameBanda, C::FrameModo}), FocoLog::SinCambio, Trabajo::RenumeraYRecarga},
        {"F8 fin", {E::ExportarADIF, E::FinAdif}, S::Consulta, kConsulta},
        {"FIN", {E::Volver}, S::Cerrada, kConsulta, FocoLog::SinCambio, Trabajo::QuitaMarcadores, 10, false, true, true, ColorIndicativo::Blanco, {}, false, false},
    };
    // clang-format on
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nombre);
        ControlesFalsos f;
        f.total = c.total;
        f.opcionTiempoReal = !c.otraFecha;
        f.fechaBloqueada = !c.otraFecha;
        MaquinaLog m;
        ASSERT_TRUE(m.dispara(E::Abre, f));
        for (E e : c.eventos) {
            f.trabajos.clear();
            m.dispara(e, f);
        }
        EXPECT_EQ(m.estado(), c.estado);
        EXPECT_EQ(f.Todos(f.habilitado), c.habilitados);
        EXPECT_EQ(f.Todos(f.visible), Menos(kTodos, c.ocultos));
        EXPECT_EQ(f.foco, c.foco);
        EXPECT_EQ(f.trabajos.empty() ? Trabajo::Ninguno : f.trabajos.back(), c.trabajo);
        EXPECT_EQ(f.lineaBloqueada && !f.indicativoLibre, c.lineaBloqueada);
        EXPECT_EQ(f.fechaBloqueada, c.fechaBloqueada);
        EXPECT_EQ(f.color, c.indicativo);
        EXPECT_EQ(f.cedido, c.cedido);
        EXPECT_EQ(f.vistaPrevia, c.vistaPrevia);
    }
}

// The browsing actions start only from browsing; the state stays when its work is refused.
TEST(TransicionesLog, LasAccionesSoloEmpiezanEnLaConsulta) {
    for (S s : {S::Apertura, S::Alta, S::Reintento, S::Modificar, S::Borrar, S::CambioFecha,
                S::EleccionCabrillo, S::ListaCabrillo, S::LibroGuardia, S::Adif, S::Cerrada})
        for (E e : {E::ModificarReg, E::BorrarReg, E::Ordenar, E::OtraFecha, E::Listar, E::ExportarXk,
                    E::ExportarADIF, E::Volver, E::AbreLinea})
            EXPECT_FALSE(Transicion(s, e).has_value()) << static_cast<int>(s) << " " << static_cast<int>(e);
    ControlesFalsos f;
    MaquinaLog m;
    EXPECT_FALSE(m.dispara(E::ModificarReg, f)) << "nothing before the opening";
    m.dispara(E::Abre, f);
    m.dispara(E::AbreLinea, f);
    EXPECT_FALSE(m.dispara(E::Aceptar, f)) << "the store fires its own event";
    EXPECT_EQ(m.estado(), S::Alta);
}

TEST(TransicionesLog, CadaEstadoGuardaElFocoEnSuSitio) {
    const std::pair<S, FocoLog> casos[] = {
        {S::Apertura, FocoLog::SinCambio},      {S::Consulta, FocoLog::FechaFila},
        {S::Alta, FocoLog::Indicativo},         {S::Reintento, FocoLog::Indicativo},
        {S::Modificar, FocoLog::Indicativo},    {S::Borrar, FocoLog::Cancelar},
        {S::CambioFecha, FocoLog::FechaActual}, {S::ListaCabrillo, FocoLog::ListaCabrillo},
        {S::LibroGuardia, FocoLog::FechaFila}};
    for (const auto& [estado, foco] : casos)
        EXPECT_EQ(FocoDe(estado), foco) << static_cast<int>(estado);
}

} // namespace
