#include "Esquema.h"
#include "Falsos.h"
#include "Verificaciones.h"

#include <gtest/gtest.h>
#include <QLocale>

namespace {

const QString kMensajeHora = "Error en formato de la hora.- Formato admitido: hh:mm. Hora igual o menor "
                             "que 23 y minutos igual o menor que 59";

struct CasoHora {
    const char* entrada;
    bool aceptada;
    const char* queda;
    bool mensaje;
};

class VerificaHoraCasos : public testing::TestWithParam<CasoHora> {};

TEST_P(VerificaHoraCasos, ResultadoTextoYMensaje) {
    const CasoHora c = GetParam();
    AvisosFalsos avisos;
    QString valor = QString::fromUtf8(c.entrada);
    EXPECT_EQ(VerificaHora(valor), c.aceptada) << c.entrada;
    EXPECT_EQ(valor, QString::fromUtf8(c.queda)) << c.entrada;
    ASSERT_EQ(avisos.cajas.size(), c.mensaje ? 1u : 0u) << c.entrada;
    if (c.mensaje) {
        EXPECT_EQ(avisos.cajas[0].texto, kMensajeHora);
        EXPECT_EQ(avisos.cajas[0].titulo, "VERIFICAR HORA");
        EXPECT_EQ(avisos.cajas[0].icono, Icono::Informacion);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Horas, VerificaHoraCasos,
    testing::Values(CasoHora{"", true, "", false}, CasoHora{"0", true, "00:00", false},
                    CasoHora{"5", true, "05:05", false}, CasoHora{"-", false, "-", true},
                    CasoHora{"a", false, "a", true}, CasoHora{"24", false, "24", true},
                    CasoHora{"930", false, "930", true}, CasoHora{"1 4", false, "1 4", true},
                    CasoHora{"abc", false, "abc", true}, CasoHora{"  ", false, "  ", true},
                    CasoHora{"1230", true, "12:30", false}, CasoHora{"0000", true, "00:00", false},
                    CasoHora{"2359", true, "23:59", false}, CasoHora{"12:30", true, "12:30", false},
                    CasoHora{"2360", false, "23:60", true}, CasoHora{"2400", false, "24:00", true},
                    CasoHora{"24:00", false, "24:00", true}, CasoHora{"12a0", false, "12:a0", true},
                    CasoHora{"1 30", false, "1 :30", true}, CasoHora{"-1:3", false, "-1::3", true},
                    CasoHora{"23.59", false, "23.59", false}, CasoHora{"12345", false, "12345", false},
                    CasoHora{"12:305", false, "12:305", true}));

struct CasoFecha {
    const char* entrada;
    bool aceptada;
    const char* queda;
};

class VerificaFechaCasos : public testing::TestWithParam<CasoFecha> {};

TEST_P(VerificaFechaCasos, ResultadoTextoYMensaje) {
    const CasoFecha c = GetParam();
    AvisosFalsos avisos;
    QString valor = QString::fromUtf8(c.entrada);
    EXPECT_EQ(VerificaFecha(valor), c.aceptada) << c.entrada;
    EXPECT_EQ(valor, QString::fromUtf8(c.queda)) << c.entrada;
    ASSERT_EQ(avisos.cajas.size(), c.aceptada ? 0u : 1u) << c.entrada;
    if (!c.aceptada) {
        EXPECT_EQ(avisos.cajas[0].texto, "Error en FORMATO fecha, formato correcto: dd-mm-aa ");
        EXPECT_EQ(avisos.cajas[0].titulo, "VERIFICAR FORMATO FECHA ");
        EXPECT_EQ(avisos.cajas[0].icono, Icono::Pregunta);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Fechas, VerificaFechaCasos,
    testing::Values(
        CasoFecha{"", true, ""}, CasoFecha{"   ", true, ""}, CasoFecha{"311224", true, "31-12-2024"},
        CasoFecha{"31122024", true, "31-12-2024"}, CasoFecha{"31/12/2024", true, "31-12-2024"},
        CasoFecha{"31-12-2024", true, "31-12-2024"}, CasoFecha{"31-122024", true, "31-12-2024"},
        CasoFecha{"3112-2024", true, "31-12-2024"}, CasoFecha{"31/12-24", true, "31-12-2024"},
        // Two-digit years: 00 to 29 this century, 30 to 99 the last.
        CasoFecha{"010100", true, "01-01-2000"}, CasoFecha{"311229", true, "31-12-2029"},
        CasoFecha{"010130", true, "01-01-1930"}, CasoFecha{"01-01-99", true, "01-01-1999"},
        // Leap days.
        CasoFecha{"29-02-2024", true, "29-02-2024"}, CasoFecha{"29-02-2023", false, "29-02-2023"},
        CasoFecha{"29-02-00", true, "29-02-2000"}, CasoFecha{"29-02-1900", false, "29-02-1900"},
        CasoFecha{"29-02-30", false, "29-02-30"},
        // Day first only: 13th month is not read as a day.
        CasoFecha{"12-13-2024", false, "12-13-2024"}, CasoFecha{"30-02-2024", false, "30-02-2024"},
        CasoFecha{"32-01-2024", false, "32-01-2024"}, CasoFecha{"00-01-2024", false, "00-01-2024"},
        CasoFecha{"1-5-2024", false, "1--5--2024"}, CasoFecha{"31-12-202", false, "31-12-202"},
        CasoFecha{"31-12-2", false, "31-12-2"}, CasoFecha{"3112", false, "31-12-"},
        CasoFecha{"abc", false, "ab-c-"}, CasoFecha{" 1-12-2024", false, " 1-12-2024"},
        // Characters past the year are refused, not dropped.
        CasoFecha{"31-12-20245", false, "31-12-20245"}));

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
    AvisosFalsos avisos;
    QStringList valores = {"12a", "  ", "311224", "7", "xyz"};
    qint16 indice = -1;
    EXPECT_TRUE(VerificaTiposCampos(TablaDePrueba(), valores, indice));
    EXPECT_EQ(valores, (QStringList{"12a", "0", "31-12-2024", "7", "xyz"}));
    EXPECT_TRUE(avisos.cajas.empty());
}

TEST(VerificaTiposCampos, FechaMalaEnTercerCampo) {
    AvisosFalsos avisos;
    QStringList valores = {"a", "1", "32-01-2024", "x"};
    qint16 indice = -1;
    EXPECT_FALSE(VerificaTiposCampos(TablaDePrueba(), valores, indice));
    EXPECT_EQ(indice, 2);
    ASSERT_EQ(avisos.cajas.size(), 1u);
    EXPECT_EQ(avisos.cajas[0].titulo, "VERIFICAR FORMATO FECHA ");
    EXPECT_EQ(valores[3], "x"); // checks stop at the first failure
}

TEST(VerificaTiposCampos, NumeroMaloSinMensajeYPrimerFalloGana) {
    AvisosFalsos avisos;
    QStringList valores = {"", "1x", "32-01-2024", "y"};
    qint16 indice = -1;
    EXPECT_FALSE(VerificaTiposCampos(TablaDePrueba(), valores, indice));
    EXPECT_EQ(indice, 1);
    EXPECT_TRUE(avisos.cajas.empty());
    EXPECT_EQ(valores[2], "32-01-2024");
}

TEST(VerificaTiposCampos, ValoresQueFaltanNoSeComprueban) {
    QStringList valores = {"a"};
    qint16 indice = -1;
    EXPECT_TRUE(VerificaTiposCampos(TablaDePrueba(), valores, indice));
    EXPECT_EQ(valores.size(), 1);
}

} // namespace
