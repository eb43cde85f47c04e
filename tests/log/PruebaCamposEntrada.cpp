// What each field of the row does with Enter and when it is left, for differently set contests.
#include "CamposEntrada.h"

#include <gtest/gtest.h>

namespace {

using C = Columna;
using A = ResultadoEnter::Accion;
using M = ModoCampos;

// A zone contest: report and zone both ways.
ReglasContacto Zonas() {
    ReglasContacto r;
    r.nombreConcurso = "CQ WW";
    r.recibirRst = r.enviarRst = r.recibirZonaCq = r.enviarZonaCq = true;
    return r;
}

// Combined control with a literal typed for every QSO and a sent serial.
ReglasContacto Vertices() {
    ReglasContacto r;
    r.nombreConcurso = "VGE SPRINT";
    r.numeraloSiglas = r.recibirNumeral = r.recibirSiglas = r.literalVariable = true;
    r.enviarNumeral = r.enviarSiglas = true;
    return r;
}

// Combined control, points and locator received.
ReglasContacto Iota() {
    ReglasContacto r;
    r.nombreConcurso = "RSGB-IOTA 2026";
    r.numeraloSiglas = r.recibirPuntos = r.recibirLocator = true;
    r.enviarPuntos = true;
    return r;
}

ReglasContacto Lz() {
    ReglasContacto r;
    r.nombreConcurso = "LZ-OPEN-CW";
    r.recibirNumeral = r.recibirSiglas = true;
    return r;
}

struct Caso {
    const char* nombre;
    ReglasContacto reglas;
    M modo;
    Columna campo;
    const char* texto;
    A accion;
    Columna foco;
    const char* nuevo; // the field's new text, nullptr: unchanged
    bool pitido = false;
};

TEST(TeclaEnter, CadenasDeTresConcursos) {
    const Caso casos[] = {
        {"fecha", Zonas(), M::Alta, C::FechaQso, "", A::Foco, C::HoraQso, nullptr},
        {"hora en alta", Zonas(), M::Alta, C::HoraQso, "", A::Foco, C::Indicativo, nullptr},
        {"hora corrigiendo", Zonas(), M::Modificar, C::HoraQso, "", A::Foco, C::Banda, nullptr},
        {"banda", Zonas(), M::Alta, C::Banda, "", A::Foco, C::Modo, nullptr},
        {"modo", Zonas(), M::Alta, C::Modo, "", A::Foco, C::Indicativo, nullptr},
        {"indicativo vacío", Zonas(), M::Alta, C::Indicativo, " ", A::Nada, C::FechaQso, nullptr},
        {"zonas: indicativo", Zonas(), M::Alta, C::Indicativo, "EA1A", A::Foco, C::LiteralRecibido, nullptr},
        {"zonas: rst", Zonas(), M::Alta, C::RsRecibido, "59", A::Foco, C::LiteralRecibido, nullptr},
        {"zonas: zona graba", Zonas(), M::Alta, C::LiteralRecibido, "14", A::Graba, C::FechaQso, nullptr},
        {"zonas: corrigiendo indicativo", Zonas(), M::Modificar, C::Indicativo, "EA1A", A::Foco,
         C::RsRecibido, nullptr},
        {"zonas: zona a enviados", Zonas(), M::Modificar, C::LiteralRecibido, "14", A::Foco, C::RsEnviado,
         nullptr},
        {"zonas: rst enviado", Zonas(), M::Modificar, C::RsEnviado, "59", A::Foco, C::LiteralEnviado,
         nullptr},
        {"zonas: rst enviado en alta", Zonas(), M::Alta, C::RsEnviado, "59", A::Nada, C::FechaQso, nullptr},
        {"zonas: literal enviado vuelve", Zonas(), M::Modificar, C::LiteralEnviado, "14", A::Foco,
         C::FechaQso, nullptr},
        {"vértices: indicativo", Vertices(), M::Alta, C::Indicativo, "EA1A", A::Foco, C::ControlRec, nullptr},
        {"vértices: control", Vertices(), M::Alta, C::ControlRec, "VGM123", A::Foco, C::LiteralEnviado,
         nullptr},
        {"vértices: el literal variable graba", Vertices(), M::Alta, C::LiteralEnviado, "X", A::Graba,
         C::FechaQso, nullptr},
        {"indicativo sin cifra", Zonas(), M::Alta, C::Indicativo, "EA", A::Queda, C::FechaQso, nullptr},
        {"vértices: literal variable", Vertices(), M::Modificar, C::LiteralEnviado, "X", A::Foco,
         C::LiteralEnviado, nullptr},
        {"vértices: numeral sin ceros", Vertices(), M::Modificar, C::NumeralEnviado, "0012", A::Foco,
         C::LiteralEnviado, "12"},
        {"vértices: numeral negativo", Vertices(), M::Alta, C::NumeralEnviado, "-7", A::Nada, C::FechaQso,
         "7"},
        {"vértices: numeral no numérico", Vertices(), M::Alta, C::NumeralEnviado, "1A", A::Nada, C::FechaQso,
         nullptr},
        {"vértices: rst enviado sin rst", Vertices(), M::Modificar, C::RsEnviado, "", A::Foco,
         C::NumeralEnviado, nullptr},
        {"iota: control vacío", Iota(), M::Alta, C::ControlRec, "", A::Foco, C::PuntosRecibidos, "------"},
        {"iota: control escrito", Iota(), M::Alta, C::ControlRec, "EU-001", A::Foco, C::PuntosRecibidos,
         nullptr},
        {"iota: puntos", Iota(), M::Alta, C::PuntosRecibidos, "3", A::Foco, C::QraLocatorRecibido, nullptr},
        {"iota: locator malo", Iota(), M::Alta, C::QraLocatorRecibido, "IN80L", A::Queda, C::FechaQso,
         nullptr},
        {"iota: locator IN80 graba", Iota(), M::Alta, C::QraLocatorRecibido, "IN80", A::Graba, C::FechaQso,
         nullptr},
        {"iota: locator a enviados", Iota(), M::Modificar, C::QraLocatorRecibido, "", A::Foco,
         C::PuntosEnviados, nullptr},
        {"iota: puntos enviados vuelve", Iota(), M::Modificar, C::PuntosEnviados, "1", A::Foco, C::FechaQso,
         nullptr},
        {"lz: numeral", Lz(), M::Alta, C::NumeralRecibido, "0012", A::Foco, C::LiteralRecibido, nullptr},
        {"lz: literal numérico", Lz(), M::Alta, C::LiteralRecibido, "12", A::Graba, C::FechaQso, "0012"},
        {"lz: literal no numérico", Lz(), M::Alta, C::LiteralRecibido, "AB", A::Queda, C::FechaQso, nullptr,
         true},
        {"otro: literal libre", Zonas(), M::Alta, C::LiteralRecibido, "AB", A::Graba, C::FechaQso, nullptr},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.nombre);
        const ResultadoEnter r = TeclaEnter(c.campo, QString::fromUtf8(c.texto), c.reglas, c.modo);
        EXPECT_EQ(r.accion, c.accion);
        if (c.accion == A::Foco) {
            EXPECT_EQ(NombreColumna(r.foco), NombreColumna(c.foco));
        }
        EXPECT_EQ(r.texto.value_or("<igual>"), c.nuevo ? QString::fromUtf8(c.nuevo) : QString("<igual>"));
        EXPECT_EQ(r.pitido, c.pitido);
    }
}

TEST(TeclaEnter, ControlPasaAlLiteralYLaRepeticionSeBuscaFueraDeModificar) {
    const auto control = TeclaEnter(C::ControlRec, "", Iota(), M::Alta);
    EXPECT_EQ(control.literalRecibido.value_or(""), "------");
    EXPECT_TRUE(TeclaEnter(C::Indicativo, "EA1A", Zonas(), M::Alta).buscaRepeticion);
    EXPECT_FALSE(TeclaEnter(C::Indicativo, "EA1A", Zonas(), M::Modificar).buscaRepeticion);
    const auto locator = TeclaEnter(C::QraLocatorRecibido, "sa00aa", Iota(), M::Alta);
    ASSERT_TRUE(locator.aviso);
    EXPECT_EQ(locator.aviso->texto, "ERROR en QRA LOCATOR ");
    // Nothing received at all: the callsign stores the QSO.
    EXPECT_EQ(TeclaEnter(C::Indicativo, "EA1A", ReglasContacto{}, M::Alta).accion, A::Graba);
}

TEST(CamposEntrada, AlSalirYAlEscribir) {
    const std::tuple<Columna, const char*, const char*> casos[] = {
        {C::NumeralRecibido, " 12 ", "0012"}, {C::NumeralRecibido, "-12", "0012"},
        {C::NumeralRecibido, "-", "-"},       {C::NumeralRecibido, "AB", "AB"},
        {C::NumeralRecibido, "", ""},         {C::ControlRec, " M ", " M "},
        {C::NumeralEnviado, " 5 ", " 5 "},    {C::Banda, " 14 ", "14"},
        {C::Indicativo, "\tEA1A ", "EA1A"},
    };
    for (const auto& [campo, antes, despues] : casos)
        EXPECT_EQ(TextoAlSalir(campo, QString::fromUtf8(antes)), QString::fromUtf8(despues)) << antes;
    EXPECT_EQ(Mayusculas(QStringLiteral("ea1ñáü")), QStringLiteral("EA1ÑÁÜ"));
    EXPECT_EQ(LongitudMaxima(C::Indicativo), 14);
    EXPECT_EQ(LongitudMaxima(C::LiteralRecibido), 64);
    EXPECT_EQ(NumeralSinCeros(""), "");
    EXPECT_EQ(NumeralSinCeros("-"), "-");
}

} // namespace
