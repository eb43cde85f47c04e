// The exchange, time and repeat options: reactions and their cascades, loading and storing.
#include "BaseDatos.h"
#include "Esquema.h"
#include "Falsos.h"
#include "OpcionesConcurso.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <tuple>

namespace {

using O = Opcion;
const QString Espanol = "EA4BBB";
const QDateTime Invierno = HoraMadrid(QDate(2026, 1, 10), QTime(12, 0));
const QDateTime Verano = HoraMadrid(QDate(2026, 7, 10), QTime(12, 0));

// What no sequence of clicks can produce; empty when the state is reachable.
QStringList Incoherencias(const OpcionesConcurso& o) {
    QStringList mal;
    auto exige = [&](bool ok, const char* que) {
        if (!ok) mal << que;
    };
    exige(!(o[O::EnviarSiglas] && o[O::EnviarZonaCQ]), "siglas y zona enviadas");
    exige(!(o[O::RecibirSiglas] && o[O::RecibirZonaCQ]), "siglas y zona recibidas");
    exige(!(o[O::LiteralFijo] && o[O::LiteralVariable]), "fijas y variables");
    exige(!(o[O::HoraLocal] && o[O::HoraUTC]), "dos horas");
    const int otras = o[O::RepetirEnCadaBanda] + o[O::RepetirEnCadaModo] + o[O::RepetirEnCadaHoras];
    exige(!o[O::NoRepetir] || (!o[O::RepetirEstacion] && otras == 0), "no repetir con otra regla");
    exige(!o[O::RepetirEstacion] || otras == 0, "puede repetir con otra regla");
    exige(o.puntosVisible == o[O::EnviarPuntos], "caja de puntos");
    exige(o.puntosVisible || o.text3[3].isEmpty(), "puntos ocultos con texto");
    exige(o.utcVisible == o[O::HoraUTC], "caja UTC");
    exige(o.utcVisible || o.text3[7].isEmpty(), "UTC oculta con texto");
    const bool horasEditables = o.horasHabilitado && !o.horasBloqueado;
    exige(horasEditables == o[O::RepetirEnCadaHoras], "caja de horas");
    exige(horasEditables || o.text3[8].isEmpty(), "horas cerradas con texto");
    exige(!o[O::NoRepetir] || !o.horasHabilitado, "horas habilitadas sin repetir");
    return mal;
}

OpcionesConcurso Nuevo(const QString& indicativo = "F5XYZ") {
    OpcionesConcurso o;
    PreparaNuevoConcurso(o, indicativo);
    return o;
}

void Marca(OpcionesConcurso& o, O opcion, bool valor = true, const QString& indicativo = "F5XYZ") {
    Cambia(o, opcion, valor, indicativo);
}

std::shared_ptr<BaseDatos> Base() {
    CreaTodasLasTablas();
    return BaseDatos::Abre(NombreBaseEsquema);
}

// Stores one contest row with these options and texts; the set stays on the new row.
ConjuntoRegistros Guarda(BaseDatos& bd, OpcionesConcurso& o, const QString& nombre,
                         const QString& indicativo = "F5XYZ") {
    auto rs = bd.abreConjunto("Concursos");
    static int numero = 0;
    rs.anade();
    rs.asigna("NumeroOrden", ++numero);
    rs.asigna("NombreConcurso", nombre);
    for (int caja : CajasDeOpciones)
        rs.asigna(caja, o.text3[static_cast<size_t>(caja)]);
    GuardaOpciones(rs, o, nombre, indicativo);
    rs.actualiza();
    return rs;
}

} // namespace

TEST(Opciones, CadaReaccionConSusCascadas) {
    struct Caso {
        const char* que;
        std::vector<O> antes;
        O opcion;
        bool valor;
        std::vector<O> marcadas, desmarcadas;
        std::vector<int> vaciadas; // of the boxes 3, 4, 6, 7, 8, all holding text before
        int foco;
    };
    // clang-format off
    const std::vector<Caso> casos{
        {"zona", {O::EnviarSiglas, O::LiteralVariable}, O::EnviarZonaCQ, true, {}, {O::EnviarSiglas, O::LiteralFijo, O::LiteralVariable}, {6}, 6},
        {"siglas", {O::EnviarZonaCQ}, O::EnviarSiglas, true, {O::LiteralFijo}, {O::EnviarZonaCQ}, {6}, -1},
        {"sin siglas", {O::EnviarSiglas}, O::EnviarSiglas, false, {}, {O::LiteralFijo}, {}, -1},
        {"variables", {O::EnviarSiglas}, O::LiteralVariable, true, {}, {O::LiteralFijo}, {6}, -1},
        {"fijas", {O::LiteralVariable}, O::LiteralFijo, true, {}, {O::LiteralVariable}, {}, 6},
        {"recibir siglas", {O::RecibirZonaCQ}, O::RecibirSiglas, true, {}, {O::RecibirZonaCQ}, {}, -1},
        {"recibir zona", {O::RecibirSiglas}, O::RecibirZonaCQ, true, {}, {O::RecibirSiglas}, {}, -1},
        {"puntos", {}, O::EnviarPuntos, true, {}, {}, {}, 3},
        {"sin puntos", {O::EnviarPuntos}, O::EnviarPuntos, false, {}, {}, {3}, -1},
        {"locator", {}, O::EnviarLocator, true, {}, {}, {}, -1},
        {"sin locator", {O::EnviarLocator}, O::EnviarLocator, false, {}, {}, {4}, -1},
        {"no repetir", {O::RepetirEnCadaHoras, O::RepetirEnCadaBanda}, O::NoRepetir, true, {}, {O::RepetirEnCadaHoras, O::RepetirEnCadaBanda}, {8}, -1},
        {"cada hora", {}, O::RepetirEnCadaHoras, true, {}, {O::NoRepetir}, {}, -1},
        {"sin cada hora", {O::RepetirEnCadaHoras}, O::RepetirEnCadaHoras, false, {}, {}, {8}, -1},
        // The repeat rules leave the UTC offset alone: it belongs to the time reference.
        {"puede repetir", {O::RepetirEnCadaModo}, O::RepetirEstacion, true, {}, {O::RepetirEnCadaModo}, {}, -1},
        {"otra banda", {O::RepetirEstacion}, O::RepetirEnCadaBanda, true, {}, {O::RepetirEstacion}, {}, -1},
        {"hora local", {}, O::HoraLocal, true, {}, {O::HoraUTC}, {7}, -1},
        {"numeral o siglas", {}, O::NumeraloSiglas, true, {}, {}, {}, -1},
    };
    // clang-format on
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.que);
        OpcionesConcurso o = Nuevo();
        for (O a : c.antes)
            Marca(o, a);
        for (int caja : CajasDeOpciones)
            o.text3[static_cast<size_t>(caja)] = "X";
        o.foco = -1;
        Marca(o, c.opcion, c.valor);
        EXPECT_EQ(o[c.opcion], c.valor);
        for (O m : c.marcadas)
            EXPECT_TRUE(o[m]) << NombreOpcion(m).toStdString();
        for (O d : c.desmarcadas)
            EXPECT_FALSE(o[d]) << NombreOpcion(d).toStdString();
        for (int caja : CajasDeOpciones) {
            const bool vaciada = std::find(c.vaciadas.begin(), c.vaciadas.end(), caja) != c.vaciadas.end();
            EXPECT_EQ(o.text3[static_cast<size_t>(caja)].isEmpty(), vaciada) << caja;
        }
        EXPECT_EQ(o.foco, c.foco);
    }
}

TEST(Opciones, CualquierSecuenciaDeClicsDejaUnEstadoCoherente) {
    std::mt19937 azar(20261209);
    OpcionesConcurso o = Nuevo(Espanol);
    for (int i = 0; i < 5000; ++i) {
        const auto opcion = static_cast<O>(azar() % NumeroOpciones);
        if (opcion == O::NumeraloSiglas) continue; // shown only
        // The user types wherever a box is shown and open.
        o.text3[4] = o.text3[6] = "X";
        if (o.puntosVisible) o.text3[3] = "X";
        if (o.utcVisible) o.text3[7] = "X";
        if (o.horasHabilitado && !o.horasBloqueado) o.text3[8] = "X";
        // Option buttons are only ever selected by a click.
        const bool valor = (opcion == O::HoraLocal || opcion == O::HoraUTC) ? true : !o[opcion];
        Cambia(o, opcion, valor, Espanol);
        ASSERT_TRUE(Incoherencias(o).isEmpty())
            << Incoherencias(o).join(", ").toStdString() << " tras " << NombreOpcion(opcion).toStdString();
    }
}

TEST(Opciones, CargarCualquierFilaDejaUnEstadoAlcanzable) {
    auto bd = Base();
    std::mt19937 azar(7);
    for (int n = 0; n < 200; ++n) {
        auto rs = bd->abreConjunto("Concursos");
        rs.anade();
        rs.asigna("NumeroOrden", n);
        for (int i = 0; i < NumeroOpciones; ++i)
            rs.asigna(NombreOpcion(static_cast<O>(i)), azar() % 2 == 1);
        rs.asigna("NumeroPuntosEnviar", "10");
        rs.asigna("HoraUTCActual", "3");
        rs.asigna("HorasRepeticion", "12:00");
        rs.actualiza();
        const OpcionesConcurso o = CargaOpciones(rs, "F5XYZ").opciones;
        EXPECT_TRUE(Incoherencias(o).isEmpty()) << Incoherencias(o).join(", ").toStdString();
        EXPECT_EQ(o.foco, -1);
    }
}

TEST(Opciones, LoQueLosClicsDejanSeGuardaYVuelveIgual) {
    auto bd = Base();
    std::mt19937 azar(99);
    OpcionesConcurso o = Nuevo();
    for (int n = 0; n < 60; ++n) {
        for (int c = 0; c < 4; ++c) {
            const auto opcion = static_cast<O>(azar() % NumeroOpciones);
            if (opcion != O::NumeraloSiglas) Marca(o, opcion, opcion >= O::HoraLocal || !o[opcion]);
        }
        o.text3[6] = o[O::LiteralVariable] ? "" : "M";
        o.text3[8] = o[O::RepetirEnCadaHoras] ? "06:00" : "";
        OpcionesConcurso guardadas = o;
        auto rs = Guarda(*bd, guardadas, "PRUEBA");
        const OpcionesConcurso leidas = CargaOpciones(rs, "F5XYZ").opciones;
        for (int i = 0; i < NumeroOpciones; ++i) {
            const auto op = static_cast<O>(i);
            const bool esperado = (op == O::EnviarPuntos || op == O::RecibirPuntos) ? false : guardadas[op];
            EXPECT_EQ(leidas[op], esperado) << NombreOpcion(op).toStdString();
        }
        EXPECT_EQ(leidas.text3[6], o.text3[6]); // no reaction of the load empties the letters
        EXPECT_EQ(leidas.text3[8], o.text3[8]);
        rs.borra();
    }
}

TEST(Opciones, DerivadosAlGuardar) {
    auto bd = Base();
    // Receiving number and letters: what is sent and the name decide "number or letters".
    // clang-format off
    const std::vector<std::tuple<std::vector<O>, QString, bool>> casos{
        {{O::EnviarNumeral}, "PRUEBA", true}, {{O::EnviarSiglas}, "PRUEBA", true},
        {{O::EnviarNumeral, O::EnviarSiglas}, "PRUEBA", false}, {{}, "PRUEBA", false},
        {{O::EnviarNumeral}, "HELVETIA CONTEST", false}, {{O::EnviarNumeral}, "IPA RADIO CLUB CW", false},
        {{O::EnviarNumeral}, "WLOTA (NO EXPEDICION)", false}, {{O::EnviarNumeral}, "WLOTA (NO EXPEDICION) 2", true},
        {{O::EnviarNumeral}, "helvetia", true}};
    // clang-format on
    for (const auto& [envia, nombre, esperado] : casos) {
        OpcionesConcurso o = Nuevo();
        for (O m : envia)
            Marca(o, m);
        for (O m : {O::RecibirNumeral, O::RecibirSiglas, O::EnviarPuntos, O::RecibirPuntos})
            Marca(o, m);
        o.text3[3] = "25";
        auto rs = Guarda(*bd, o, nombre);
        EXPECT_EQ(rs.siNo("NumeraloSiglas"), esperado) << nombre.toStdString();
        EXPECT_EQ(o[O::NumeraloSiglas], esperado);
        EXPECT_FALSE(rs.siNo("EnviarPuntos") || rs.siNo("RecibirPuntos"));
        EXPECT_EQ(rs.texto("NumeroPuntosEnviar"), "");
        EXPECT_TRUE(rs.siNo("EnviarRst") && rs.siNo("RecibirRst"));
    }
    OpcionesConcurso soloNumero = Nuevo();
    Marca(soloNumero, O::RecibirNumeral);
    Marca(soloNumero, O::EnviarSiglas);
    EXPECT_FALSE(CalculaNumeraloSiglas(soloNumero, "PRUEBA"));
    auto rs = Guarda(*bd, soloNumero, "BARTG-RTTY-SPRINT");
    EXPECT_FALSE(rs.siNo("EnviarRst") || rs.siNo("RecibirRst"));
}

TEST(Opciones, DesfaseUTCYRSGBAlGuardarYAlCargar) {
    auto bd = Base();
    RelojFalso reloj(Verano);
    OpcionesConcurso extranjero = Nuevo();
    extranjero.text3[7] = "1";
    EXPECT_EQ(Guarda(*bd, extranjero, "DX").texto("HoraUTCActual"), "1");

    OpcionesConcurso o = Nuevo(Espanol);
    o.text3[7] = "5";
    for (O m : {O::RecibirNumeral, O::RecibirSiglas, O::EnviarNumeral})
        Marca(o, m);
    auto rs = Guarda(*bd, o, "RSGB-IOTA 2026", Espanol);
    EXPECT_EQ(rs.texto("HoraUTCActual"), "-2");
    EXPECT_TRUE(rs.siNo("NumeraloSiglas"));

    // Loaded in winter, the shown and stored offset follow the clock; RSGB-IOTA loses "number or
    // letters".
    reloj.momento = Invierno;
    const CargaDeOpciones carga = CargaOpciones(rs, Espanol);
    EXPECT_EQ(carga.opciones.text3[7], "-1");
    EXPECT_EQ(carga.horaUTCActual, "-1");
    EXPECT_FALSE(carga.opciones[O::NumeraloSiglas]);
    GuardaDerivadosCarga(rs, carga);
    auto leida = bd->abreConjunto("Select * From Concursos Where NombreConcurso = 'RSGB-IOTA 2026'");
    EXPECT_EQ(leida.texto("HoraUTCActual"), "-1");
    EXPECT_FALSE(leida.siNo("NumeraloSiglas"));
    EXPECT_FALSE(CargaOpciones(rs, Espanol).hayCambios());
    EXPECT_EQ(CargaOpciones(rs, "F5XYZ").opciones.text3[7], "-1"); // a foreign station sees what is stored
}
