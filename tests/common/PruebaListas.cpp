#include "Indicativos.h"
#include "ListaProvincias.h"
#include "Locator.h"
#include "Provincias.h"

#include <gtest/gtest.h>
#include <QListWidget>

namespace {

TEST(SeparaIndicativo, FormasDeIndicativo) {
    const struct {
        const char* entrada;
        const char* indicativo;
        const char* resto;
    } casos[] = {{"N0CALL", "N0CALL", ""},
                 {"N0CALL/P", "N0CALL", "/P"},
                 {"N0CALL/P/QRP", "N0CALL", "/P/QRP"},
                 {"N0CALL/MM/QRP", "N0CALL", "/MM/QRP"},
                 {"F/N0CALL", "N0CALL", "F/"},
                 {"F/N0CALL/P", "N0CALL", "F/P"},
                 {"EA8/EA4ABC/QRP", "EA4ABC", "EA8/QRP"},
                 {"N0CALL/1", "N0CALL", "/1"},
                 {"EA8/EA4", "EA4", "EA8/"},
                 {"EA4ABC/EA8", "EA4ABC", "/EA8"},
                 {"EA4/EA8", "EA8", "EA4/"},
                 {"n0call/p", "n0call", "/p"},
                 // A second "/" after a long callsign still leaves the rest with its leading "/".
                 {"N0CALL/P/X", "N0CALL", "/P/X"},
                 // Nothing before or after the "/": empty parts by the same rules.
                 {"/P", "", "/P"},
                 {"N0CALL/", "N0CALL", "/"},
                 {"/", "", "/"},
                 {"", "", ""}};
    for (const auto& c : casos) {
        QString indicativo = c.entrada;
        QString resto = "viejo";
        SeparaIndicativo(indicativo, resto);
        EXPECT_EQ(indicativo, c.indicativo) << c.entrada;
        EXPECT_EQ(resto, c.resto) << c.entrada;
    }
}

TEST(SeparaReferenciaVG, LetrasYDigitos) {
    const struct {
        const char* entrada;
        const char* referencia;
        const char* letras;
        const char* digitos;
    } casos[] = {{"VG-AB123", "VGAB123", "AB", "123"},
                 {"VGAB123", "VGAB123", "AB", "123"},
                 {"VG-A1-B2", "VGA1-B2", "A-B", "12"},
                 {"EA-VG12X", "EAVG12X", "X", "12"},
                 {"AB-123", "AB123", "", ""},
                 {"vg-ab12", "vgab12", "", ""},
                 {"VG", "VG", "", ""}};
    for (const auto& c : casos) {
        QString referencia = c.entrada, letras = "viejas", digitos = "viejos";
        SeparaReferenciaVG(referencia, letras, digitos);
        EXPECT_EQ(referencia, c.referencia) << c.entrada;
        EXPECT_EQ(letras, c.letras) << c.entrada;
        EXPECT_EQ(digitos, c.digitos) << c.entrada;
    }
}

TEST(SeparaReferenciaVG, VaciaSoloVaciaLosDigitos) {
    QString referencia, letras = "AB", digitos = "12";
    SeparaReferenciaVG(referencia, letras, digitos);
    EXPECT_EQ(letras, "AB");
    EXPECT_TRUE(digitos.isEmpty());
}

TEST(ConvierteLocator, ValidosEInvalidos) {
    const struct {
        const char* locator;
        bool valido;
    } casos[] = {{"IN80", true},    {"IN80DJ", true},   {"RR99XX", true},  {"AA00AA", true},
                 {"in80dj", false}, {"IN80DJX", false}, {"SN80DJ", false}, {"IS80DJ", false},
                 {"IN80YJ", false}, {"IN80DY", false},  {"INA0DJ", false}, {"IN8ADJ", false},
                 {"IN8", false},    {"", false},        {"IN80D", false},  {"IN80dj", false}};
    for (const auto& c : casos) {
        float lon = 0, lat = 0;
        EXPECT_EQ(ConvierteLocator(c.locator, lon, lat), c.valido) << c.locator;
    }
}

TEST(ConvierteLocator, CentroDelCuadro) {
    float lon = 0, lat = 0;
    ASSERT_TRUE(ConvierteLocator("AA00AA", lon, lat));
    EXPECT_FLOAT_EQ(lon, -647850);
    EXPECT_FLOAT_EQ(lat, -323925);
    ASSERT_TRUE(ConvierteLocator("RR99XX", lon, lat));
    EXPECT_FLOAT_EQ(lon, 647850);
    EXPECT_FLOAT_EQ(lat, 323925);
    // Madrid, IN80DJ: 3.708 W, 40.396 N.
    ASSERT_TRUE(ConvierteLocator("IN80DJ", lon, lat));
    EXPECT_NEAR(lon / 3600, -3.7083, 1e-3);
    EXPECT_NEAR(lat / 3600, 40.3958, 1e-3);
    // Four characters stand for the centre subsquare LL.
    float lon4 = 0, lat4 = 0, lonLL = 0, latLL = 0;
    ASSERT_TRUE(ConvierteLocator("IN80", lon4, lat4));
    ASSERT_TRUE(ConvierteLocator("IN80LL", lonLL, latLL));
    EXPECT_EQ(lon4, lonLL);
    EXPECT_EQ(lat4, latLL);
}

TEST(Provincias, CincuentaYDosCodigosDistintosEnOrden) {
    const QStringList& c = CodigosProvincia();
    ASSERT_EQ(c.size(), 52);
    EXPECT_EQ(c.first(), "AV");
    EXPECT_EQ(c.last(), "ML");
    EXPECT_EQ(c.indexOf("M"), 32);
    EXPECT_EQ(QSet<QString>(c.begin(), c.end()).size(), 52);
}

TEST(Provincias, ExisteSoloTrasCargarYExacta) {
    QListWidget lista;
    EXPECT_FALSE(ExisteProvincia("M", lista)); // not loaded yet
    lista.addItem("basura");
    CargaListaProvincias(lista);
    ASSERT_EQ(lista.count(), 52); // loading again replaces, never appends
    CargaListaProvincias(lista);
    EXPECT_EQ(lista.count(), 52);
    const struct {
        const char* texto;
        bool existe;
    } casos[] = {{"M", true},    {"ML", true},  {"AV", true},  {"C", true}, {"m", false},
                 {"MAD", false}, {" M", false}, {"M ", false}, {"", false}, {"basura", false}};
    for (const auto& c : casos)
        EXPECT_EQ(ExisteProvincia(c.texto, lista), c.existe) << c.texto;
}

} // namespace
