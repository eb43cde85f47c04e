#include "Esquema.h"
#include "Falsos.h"
#include "Verificaciones.h"

#include <gtest/gtest.h>
#include <QLocale>

namespace {

// A time or a date as typed: what the field holds afterwards and whether the check refuses it.
// A refusal carries the check's own box; nothing is shown by the check itself.
enum class Comprueba { Hora, Fecha };

struct Caso {
    Comprueba que;
    const char* entrada;
    const char* queda;
    bool rechazada;
};

class HoraYFecha : public testing::TestWithParam<Caso> {};

TEST_P(HoraYFecha, TextoQuedaYRechazo) {
    const Caso c = GetParam();
    AvisosFalsos avisos;
    QString valor = QString::fromUtf8(c.entrada);
    const Verificacion v = c.que == Comprueba::Hora ? VerificaHora(valor) : VerificaFecha(valor);
    EXPECT_EQ(valor, QString::fromUtf8(c.queda)) << c.entrada;
    EXPECT_TRUE(avisos.cajas.empty()) << c.entrada;
    ASSERT_EQ(v.rechazo.has_value(), c.rechazada) << c.entrada;
    if (!c.rechazada) return;
    const Aviso& a = v.rechazo->aviso;
    EXPECT_FALSE(v.rechazo->pitido);
    if (c.que == Comprueba::Hora) {
        EXPECT_EQ(a.texto, "Error en formato de la hora.- Formato admitido: hh:mm. Hora igual o menor "
                           "que 23 y minutos igual o menor que 59");
        EXPECT_EQ(a.titulo, "VERIFICAR HORA");
        EXPECT_EQ(a.icono, Icono::Informacion);
    } else {
        EXPECT_EQ(a.texto, "Error en FORMATO fecha, formato correcto: dd-mm-aa ");
        EXPECT_EQ(a.titulo, "VERIFICAR FORMATO FECHA ");
        EXPECT_EQ(a.icono, Icono::Pregunta);
    }
}

constexpr Comprueba H = Comprueba::Hora;
constexpr Comprueba F = Comprueba::Fecha;

INSTANTIATE_TEST_SUITE_P(
    Casos, HoraYFecha,
    testing::Values(
        Caso{H, "", "", false}, Caso{H, "0", "0", true}, Caso{H, "5", "5", true}, // one digit: no time
        Caso{H, "-", "-", true}, Caso{H, "a", "a", true}, Caso{H, "24", "24", true},
        Caso{H, "930", "930", true}, Caso{H, "1 4", "1 4", true}, Caso{H, "abc", "abc", true},
        Caso{H, "  ", "  ", true}, Caso{H, "1230", "12:30", false}, Caso{H, "0000", "00:00", false},
        Caso{H, "2359", "23:59", false}, Caso{H, "12:30", "12:30", false}, Caso{H, "2360", "23:60", true},
        Caso{H, "2400", "24:00", true}, Caso{H, "24:00", "24:00", true}, Caso{H, "12a0", "12:a0", true},
        Caso{H, "1 30", "1 :30", true}, Caso{H, "-1:3", "-1::3", true},
        // Five characters without ":" in the middle: refused as typed, with the same box.
        Caso{H, "23.59", "23.59", true}, Caso{H, "12345", "12345", true}, Caso{H, "12:305", "12:305", true},
        Caso{F, "", "", false}, Caso{F, "   ", "", false}, Caso{F, "311224", "31-12-2024", false},
        Caso{F, "31122024", "31-12-2024", false}, Caso{F, "31/12/2024", "31-12-2024", false},
        Caso{F, "31-12-2024", "31-12-2024", false}, Caso{F, "31-122024", "31-12-2024", false},
        Caso{F, "3112-2024", "31-12-2024", false}, Caso{F, "31/12-24", "31-12-2024", false},
        // Two-digit years: 00 to 29 this century, 30 to 99 the last.
        Caso{F, "010100", "01-01-2000", false}, Caso{F, "311229", "31-12-2029", false},
        Caso{F, "010130", "01-01-1930", false}, Caso{F, "01-01-99", "01-01-1999", false},
        // Leap days.
        Caso{F, "29-02-2024", "29-02-2024", false}, Caso{F, "29-02-2023", "29-02-2023", true},
        Caso{F, "29-02-00", "29-02-2000", false}, Caso{F, "29-02-1900", "29-02-1900", true},
        Caso{F, "29-02-30", "29-02-30", true},
        // Day first only: 13th month is not read as a day.
        Caso{F, "12-13-2024", "12-13-2024", true}, Caso{F, "30-02-2024", "30-02-2024", true},
        Caso{F, "32-01-2024", "32-01-2024", true}, Caso{F, "00-01-2024", "00-01-2024", true},
        Caso{F, "1-5-2024", "1--5--2024", true}, Caso{F, "31-12-202", "31-12-202", true},
        Caso{F, "31-12-2", "31-12-2", true}, Caso{F, "3112", "31-12-", true}, Caso{F, "abc", "ab-c-", true},
        Caso{F, " 1-12-2024", " 1-12-2024", true},
        // Characters past the year are refused, not dropped.
        Caso{F, "31-12-20245", "31-12-20245", true}));

TEST(EstaEnBlanco, VacioBlancosYTexto) {
    QString v;
    EXPECT_TRUE(EstaEnBlanco(v));
    v = "   ";
    EXPECT_TRUE(EstaEnBlanco(v));
    EXPECT_TRUE(v.isEmpty());
    v = "  x ";
    EXPECT_FALSE(EstaEnBlanco(v));
    EXPECT_EQ(v, "  x ");
    v = "\t"; // only the blank counts as blank
    EXPECT_FALSE(EstaEnBlanco(v));
}

TEST(VerificaNumero, CasosDelUsuario) {
    QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));
    const struct {
        const char* entrada;
        bool aceptado;
        const char* queda;
    } casos[] = {{"   ", true, "0"},   {"", true, "0"},       {"-", true, "-"},      {"12", true, "12"},
                 {"-12", true, "-12"}, {"1,5", true, "1,5"},  {"1e3", true, "1e3"},  {"12a", false, "12a"},
                 {"--", false, "--"},  {"inf", false, "inf"}, {"nan", false, "nan"}, {"1 2", false, "1 2"}};
    for (const auto& c : casos) {
        QString v = c.entrada;
        EXPECT_EQ(VerificaNumero(v), c.aceptado) << c.entrada;
        EXPECT_EQ(v, c.queda) << c.entrada;
    }
    QLocale::setDefault(QLocale::c());
}

DefTabla TablaDePrueba() {
    DefTabla t;
    t.nombre = "Prueba";
    t.agrega("Nombre", TipoCampo::Texto, 20)
        .agrega("Numero", TipoCampo::Entero16)
        .agrega("Fecha", TipoCampo::FechaHora)
        .agrega("Total", TipoCampo::Entero32)
        .agrega("Activo", TipoCampo::SiNo);
    return t;
}

TEST(VerificaTiposCampos, NormalizaCadaValorSegunSuTipo) {
    QStringList valores = {"12a", "  ", "311224", "7", "xyz"};
    EXPECT_TRUE(VerificaTiposCampos(TablaDePrueba(), valores).acepta());
    EXPECT_EQ(valores, (QStringList{"12a", "0", "31-12-2024", "7", "xyz"}));
}

TEST(VerificaTiposCampos, FechaMalaEnTercerCampo) {
    QStringList valores = {"a", "1", "32-01-2024", "x"};
    const auto rechazo = VerificaTiposCampos(TablaDePrueba(), valores).rechazo;
    ASSERT_TRUE(rechazo);
    EXPECT_EQ(rechazo->foco, 2);
    EXPECT_EQ(rechazo->aviso.titulo, "VERIFICAR FORMATO FECHA ");
    EXPECT_EQ(valores[3], "x"); // checks stop at the first failure
}

TEST(VerificaTiposCampos, NumeroMaloSinMensajeYPrimerFalloGana) {
    QStringList valores = {"", "1x", "32-01-2024", "y"};
    const auto rechazo = VerificaTiposCampos(TablaDePrueba(), valores).rechazo;
    ASSERT_TRUE(rechazo);
    EXPECT_EQ(rechazo->foco, 1);
    EXPECT_TRUE(rechazo->aviso.texto.isEmpty());
    EXPECT_EQ(valores[2], "32-01-2024");
}

TEST(VerificaTiposCampos, ValoresQueFaltanNoSeComprueban) {
    QStringList valores = {"a"};
    EXPECT_TRUE(VerificaTiposCampos(TablaDePrueba(), valores).acepta());
    EXPECT_EQ(valores.size(), 1);
}

} // namespace
