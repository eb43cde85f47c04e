// The exchange, time and repeat options: reactions and their cascades, loading and storing.
#include "BaseDatos.h"
#include "Esquema.h"
#include "Falsos.h"
#include "OpcionesConcurso.h"

#include <gtest/gtest.h>

#include <random>

namespace {

using O = Opcion;
const QString Espanol = "EA4BBB";
const QDateTime Invierno(QDate(2026, 1, 10), QTime(12, 0));
const QDateTime Verano(QDate(2026, 7, 10), QTime(12, 0));

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

TEST(Opciones, CadaNombreEsUnCampoDeConcursos) {
    const DefTabla def = DefinicionConcursos();
    for (int i = 0; i < NumeroOpciones; ++i) {
        const QString n = NombreOpcion(static_cast<O>(i));
        EXPECT_EQ(OpcionPorNombre(n), static_cast<O>(i));
        bool hay = false;
        for (const DefCampo& c : def.campos)
            hay |= c.nombre.compare(n, Qt::CaseInsensitive) == 0;
        EXPECT_TRUE(hay) << n.toStdString();
    }
    EXPECT_FALSE(OpcionPorNombre("SSCheck2_1"));
}

TEST(Opciones, NuevoConcursoConUTCyNoRepetir) {
    RelojFalso reloj(Verano);
    const OpcionesConcurso o = Nuevo(Espanol);
    EXPECT_TRUE(o[O::HoraUTC]);
    EXPECT_TRUE(o[O::NoRepetir]);
    EXPECT_EQ(o.text3[7], "-2");
    EXPECT_EQ(o.desfaseUTC, -2);
    EXPECT_TRUE(Incoherencias(o).isEmpty());
}

TEST(Opciones, ZonaYSiglasSeExcluyenYVacianLaCajaCompartida) {
    OpcionesConcurso o = Nuevo();
    Marca(o, O::EnviarSiglas);
    EXPECT_TRUE(o[O::LiteralFijo]);
    Marca(o, O::LiteralVariable);
    EXPECT_FALSE(o[O::LiteralFijo]);
    o.text3[6] = "M";
    o.foco = -1;
    Marca(o, O::EnviarZonaCQ);
    EXPECT_FALSE(o[O::EnviarSiglas]);
    EXPECT_FALSE(o[O::LiteralFijo] || o[O::LiteralVariable]);
    EXPECT_EQ(o.text3[6], "");
    EXPECT_EQ(o.foco, 6); // the variable letters went: the zone is typed in their box

    o.text3[6] = "14";
    Marca(o, O::EnviarSiglas);
    EXPECT_FALSE(o[O::EnviarZonaCQ]);
    EXPECT_TRUE(o[O::LiteralFijo]);
    EXPECT_EQ(o.text3[6], "");

    Marca(o, O::RecibirZonaCQ);
    Marca(o, O::RecibirSiglas);
    EXPECT_FALSE(o[O::RecibirZonaCQ]);
}

TEST(Opciones, PuntosLocatorYLetrasVariables) {
    OpcionesConcurso o = Nuevo();
    Marca(o, O::EnviarPuntos);
    EXPECT_TRUE(o.puntosVisible);
    EXPECT_EQ(o.foco, 3);
    o.text3[3] = "100";
    Marca(o, O::EnviarPuntos, false);
    EXPECT_FALSE(o.puntosVisible);
    EXPECT_EQ(o.text3[3], "");

    o.text3[4] = "IN80DJ";
    Marca(o, O::EnviarLocator);
    EXPECT_EQ(o.text3[4], "IN80DJ");
    Marca(o, O::EnviarLocator, false);
    EXPECT_EQ(o.text3[4], "");

    Marca(o, O::LiteralVariable);
    o.foco = -1;
    Marca(o, O::LiteralVariable, false);
    EXPECT_EQ(o.foco, 6);
}

TEST(Opciones, ReglasDeRepeticionYCajaDeHoras) {
    OpcionesConcurso o = Nuevo();
    EXPECT_FALSE(o.horasHabilitado);
    Marca(o, O::RepetirEnCadaHoras);
    Marca(o, O::RepetirEnCadaBanda);
    EXPECT_FALSE(o[O::NoRepetir]);
    EXPECT_TRUE(o.horasHabilitado && !o.horasBloqueado);
    o.text3[8] = "12:00";
    Marca(o, O::NoRepetir);
    EXPECT_FALSE(o[O::RepetirEnCadaHoras] || o[O::RepetirEnCadaBanda]);
    EXPECT_EQ(o.text3[8], "");
    EXPECT_FALSE(o.horasHabilitado);
    EXPECT_TRUE(o.horasBloqueado);

    // The UTC offset belongs to the time reference: repeat rules leave it alone.
    o.text3[7] = "-1";
    for (O r : {O::RepetirEstacion, O::RepetirEnCadaBanda, O::RepetirEnCadaModo})
        Marca(o, r);
    EXPECT_EQ(o.text3[7], "-1");
    EXPECT_TRUE(o.utcVisible);
}

TEST(Opciones, HoraUTCSegunEstacionYEstacionDelAno) {
    for (const auto& [momento, esperado] : {std::pair{Invierno, "-1"}, std::pair{Verano, "-2"}}) {
        RelojFalso reloj(momento);
        OpcionesConcurso o = Nuevo();
        Marca(o, O::HoraLocal);
        EXPECT_FALSE(o.utcVisible);
        Cambia(o, O::HoraUTC, true, Espanol);
        EXPECT_EQ(o.text3[7], esperado);
        Marca(o, O::HoraLocal);
        EXPECT_EQ(o.text3[7], "");
    }
    OpcionesConcurso extranjero = Nuevo("F5XYZ");
    EXPECT_TRUE(extranjero.utcVisible);
    EXPECT_EQ(extranjero.text3[7], "");
    EXPECT_FALSE(extranjero.desfaseUTC);
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
    struct Caso {
        std::vector<O> marcas;
        QString nombre;
        bool numeraloSiglas;
    };
    const std::vector<O> recibeAmbos{O::RecibirNumeral, O::RecibirSiglas};
    const std::vector<Caso> casos{
        {{O::RecibirNumeral, O::RecibirSiglas, O::EnviarNumeral}, "PRUEBA", true},
        {{O::RecibirNumeral, O::RecibirSiglas, O::EnviarSiglas}, "PRUEBA", true},
        {{O::RecibirNumeral, O::RecibirSiglas, O::EnviarNumeral, O::EnviarSiglas}, "PRUEBA", false},
        {{O::RecibirNumeral, O::RecibirSiglas}, "PRUEBA", false},
        {{O::RecibirNumeral, O::EnviarNumeral}, "PRUEBA", false},
        {{O::RecibirNumeral, O::RecibirSiglas, O::EnviarNumeral}, "HELVETIA CONTEST", false},
        {{O::RecibirNumeral, O::RecibirSiglas, O::EnviarNumeral}, "IPA RADIO CLUB CW", false},
        {{O::RecibirNumeral, O::RecibirSiglas, O::EnviarNumeral}, "WLOTA (NO EXPEDICION)", false},
        {{O::RecibirNumeral, O::RecibirSiglas, O::EnviarNumeral}, "WLOTA (NO EXPEDICION) 2", true},
        {{O::RecibirNumeral, O::RecibirSiglas, O::EnviarNumeral}, "helvetia", true},
    };
    for (const Caso& c : casos) {
        OpcionesConcurso o = Nuevo();
        for (O m : c.marcas)
            Marca(o, m);
        Marca(o, O::EnviarPuntos);
        Marca(o, O::RecibirPuntos);
        o.text3[3] = "25";
        auto rs = Guarda(*bd, o, c.nombre);
        EXPECT_EQ(rs.siNo("NumeraloSiglas"), c.numeraloSiglas) << c.nombre.toStdString();
        EXPECT_EQ(o[O::NumeraloSiglas], c.numeraloSiglas);
        EXPECT_FALSE(rs.siNo("EnviarPuntos") || rs.siNo("RecibirPuntos"));
        EXPECT_EQ(rs.texto("NumeroPuntosEnviar"), "");
        EXPECT_TRUE(rs.siNo("EnviarRst") && rs.siNo("RecibirRst"));
        rs.borra();
    }
    OpcionesConcurso sinRst = Nuevo();
    auto rs = Guarda(*bd, sinRst, "BARTG-RTTY-SPRINT");
    EXPECT_FALSE(rs.siNo("EnviarRst") || rs.siNo("RecibirRst"));
}

TEST(Opciones, DesfaseUTCAlGuardarYAlCargar) {
    auto bd = Base();
    RelojFalso reloj(Verano);
    OpcionesConcurso extranjero = Nuevo();
    extranjero.text3[7] = "1";
    EXPECT_EQ(Guarda(*bd, extranjero, "DX").texto("HoraUTCActual"), "1");

    OpcionesConcurso o = Nuevo(Espanol);
    o.text3[7] = "5";
    auto rs = Guarda(*bd, o, "EA", Espanol);
    EXPECT_EQ(rs.texto("HoraUTCActual"), "-2");

    // Loaded in winter, the shown and stored offset follow the clock.
    reloj.momento = Invierno;
    const CargaDeOpciones carga = CargaOpciones(rs, Espanol);
    EXPECT_EQ(carga.opciones.text3[7], "-1");
    EXPECT_EQ(carga.horaUTCActual, "-1");
    GuardaDerivadosCarga(rs, carga);
    EXPECT_EQ(bd->abreConjunto("Select * From Concursos Where NombreConcurso = 'EA'").texto("HoraUTCActual"),
              "-1");
    EXPECT_FALSE(CargaOpciones(rs, Espanol).hayCambios());
    // A foreign station sees what is stored.
    EXPECT_EQ(CargaOpciones(rs, "F5XYZ").opciones.text3[7], "-1");
}

TEST(Opciones, RSGBIOTAAlCargarGuardaNumeraloSiglasFalso) {
    auto bd = Base();
    auto rs = bd->abreConjunto("Concursos");
    rs.anade();
    rs.asigna("NumeroOrden", 5);
    rs.asigna("NombreConcurso", "RSGB-IOTA 2026");
    rs.asigna("NumeraloSiglas", true);
    rs.asigna("HoraLocal", true);
    rs.actualiza();
    const CargaDeOpciones carga = CargaOpciones(rs, Espanol);
    EXPECT_TRUE(carga.anulaNumeraloSiglas);
    EXPECT_FALSE(carga.opciones[O::NumeraloSiglas]);
    GuardaDerivadosCarga(rs, carga);
    EXPECT_FALSE(bd->abreConjunto("Select * From Concursos Where NumeroOrden = 5").siNo("NumeraloSiglas"));
}
