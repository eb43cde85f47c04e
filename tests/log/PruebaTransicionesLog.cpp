// The log window's editing modes: buttons, locks and focus after each key, without a window.
#include "TransicionesLog.h"

#include <gtest/gtest.h>

#include <set>

namespace {

using C = ControlLog;
using E = EventoLog;
using M = ModoEdicion;

// Browsing a log of `total` QSOs, with "QSO en otra Fecha" selected or not.
EstadoControlesLog Consulta(int total, bool otraFecha) {
    EstadoControlesLog e;
    e.botonesConsulta(total);
    for (C c : {C::FrameModo, C::FrameBanda, C::TiempoReal, C::OtraFecha})
        e.habilita(c, true);
    e.teclasNavegacion = true;
    e.tiempoReal = !otraFecha;
    e.bloqueaFechaActual = !otraFecha;
    return e;
}

std::set<C> Habilitados(const EstadoControlesLog& e) {
    std::set<C> s;
    for (int i = 0; i < NumControlesLog; ++i)
        if (e.habilitado[static_cast<size_t>(i)]) s.insert(static_cast<C>(i));
    return s;
}

const std::set<C> kConsulta = {C::ModificarReg, C::BorrarReg,  C::Listar,   C::ExportarXk,
                               C::ExportarADIF, C::Ordenar,    C::Volver,   C::FrameModo,
                               C::FrameBanda,   C::TiempoReal, C::OtraFecha};
const std::set<C> kConsultaVacio = {C::Volver, C::FrameModo, C::FrameBanda, C::TiempoReal, C::OtraFecha};
const std::set<C> kEditando = {C::Aceptar, C::Cancelar, C::FrameModo, C::FrameBanda};

TEST(TransicionesLog, CadaTeclaDejaSusBotonesSuBloqueoYSuFoco) {
    struct Caso {
        const char* nombre;
        int total;
        bool otraFecha;
        std::vector<E> teclas;
        M modo;
        std::set<C> habilitados;
        FocoLog foco;
        bool teclasNavegacion;
        bool lineaBloqueada;
        bool fechaActualBloqueada;
        ColorIndicativo indicativo;
        Trabajo trabajo; // of the last key
    };
    const auto R = ColorIndicativo::RojoClaro;
    const auto B = ColorIndicativo::Blanco;
    const auto F = FocoLog::FechaFila;
    // clang-format off
    const Caso casos[] = {
        {"F4", 10, false, {E::ModificarReg}, M::Modificar, kEditando, F, false, false, true, B, Trabajo::Ninguno},
        {"F4 F12", 10, false, {E::ModificarReg, E::Aceptar}, M::Ninguno, kConsulta, F, true, true, true, B, Trabajo::GrabaModificacion},
        {"F4 Esc", 10, false, {E::ModificarReg, E::Cancelar}, M::Ninguno, kConsulta, F, true, true, true, B, Trabajo::MuestraContacto},
        {"F4 Esc en otra fecha", 10, true, {E::ModificarReg, E::Cancelar}, M::Ninguno, kConsulta, F, true, true, false, B, Trabajo::MuestraContacto},
        {"F5", 10, false, {E::BorrarReg}, M::Borrar, kEditando, F, false, true, true, R, Trabajo::Ninguno},
        {"F5 F12", 10, false, {E::BorrarReg, E::Aceptar}, M::Ninguno, kConsulta, F, true, true, true, B, Trabajo::BorraContacto},
        {"F5 F12 del último", 1, false, {E::BorrarReg, E::Aceptar}, M::Ninguno, kConsulta, F, true, true, true, B, Trabajo::BorraContacto},
        {"F5 Esc", 10, true, {E::BorrarReg, E::Cancelar}, M::Ninguno, kConsulta, F, true, true, false, B, Trabajo::Ninguno},
        {"F9", 10, false, {E::Ordenar}, M::Ninguno, kConsulta, F, true, true, true, B, Trabajo::Renumera},
        {"otra fecha", 10, false, {E::OtraFecha}, M::CambioFecha, {C::Aceptar, C::Cancelar}, FocoLog::FechaActual, true, true, false, B, Trabajo::Ninguno},
        {"otra fecha F12", 10, false, {E::OtraFecha, E::Aceptar}, M::Ninguno, kConsulta, F, true, true, false, B, Trabajo::CambiaFecha},
        {"otra fecha F12 en un log vacío", 0, false, {E::OtraFecha, E::Aceptar}, M::Ninguno, kConsultaVacio, F, true, true, false, B, Trabajo::CambiaFecha},
        {"otra fecha Esc", 10, true, {E::OtraFecha, E::Cancelar}, M::Ninguno, kConsulta, F, true, true, true, B, Trabajo::Ninguno},
        {"tiempo real", 10, true, {E::TiempoReal}, M::Ninguno, kConsulta, F, true, true, true, B, Trabajo::Ninguno},
    };
    // clang-format on
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nombre);
        EstadoControlesLog e = Consulta(c.total, c.otraFecha);
        Trabajo trabajo = Trabajo::Ninguno;
        for (E tecla : c.teclas) {
            const auto t = Transicion(e.modo, tecla);
            ASSERT_TRUE(t.has_value());
            e.aplica(*t, c.total);
            trabajo = t->trabajo;
        }
        EXPECT_EQ(e.modo, c.modo);
        EXPECT_EQ(Habilitados(e), c.habilitados);
        EXPECT_EQ(e.foco, c.foco);
        EXPECT_EQ(e.teclasNavegacion, c.teclasNavegacion);
        EXPECT_EQ(e.bloqueaLinea, c.lineaBloqueada);
        EXPECT_EQ(e.bloqueaFechaActual, c.fechaActualBloqueada);
        EXPECT_EQ(e.colorIndicativo, c.indicativo);
        EXPECT_EQ(trabajo, c.trabajo);
        EXPECT_TRUE(e.vistaPreviaTeclas);
    }
}

// The modes start only from browsing; in the others a key does nothing or runs the entry's own work.
TEST(TransicionesLog, FueraDeLaConsultaSoloActuanAceptarYCancelar) {
    for (M modo : {M::Alta, M::Modificar, M::Borrar, M::CambioFecha, M::ListarCabrillo})
        for (E e : {E::ModificarReg, E::BorrarReg, E::Ordenar, E::OtraFecha, E::TiempoReal})
            EXPECT_FALSE(Transicion(modo, e).has_value());
    for (M modo : {M::Ninguno, M::ListarCabrillo})
        for (E e : {E::Aceptar, E::Cancelar})
            EXPECT_FALSE(Transicion(modo, e).has_value());
    EXPECT_EQ(Transicion(M::Alta, E::Aceptar)->trabajo, Trabajo::GrabaContacto);
    EXPECT_EQ(Transicion(M::Alta, E::Cancelar)->trabajo, Trabajo::FlechaArriba);
    EXPECT_FALSE(Transicion(M::Alta, E::Aceptar)->modo.has_value());
}

TEST(TransicionesLog, CadaModoTieneSuPalabra) {
    const std::pair<M, QString> casos[] = {{M::Ninguno, ""},
                                           {M::Alta, "ALTA"},
                                           {M::Modificar, "MODIFICAR"},
                                           {M::Borrar, "BORRAR"},
                                           {M::CambioFecha, "CAMBIOFECHA"},
                                           {M::ListarCabrillo, "LISTARCABRILLO"}};
    for (const auto& [modo, palabra] : casos)
        EXPECT_EQ(Palabra(modo), palabra);
}

} // namespace
