// Known contests' categories and exchanges, and the Cabrillo value lists, without a window.
#include "CategoriasCabrillo.h"
#include "PresetsConcurso.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace {

QString Texto(const char* t) {
    return QString::fromUtf8(t);
}

TEST(CategoriasDeConcurso, NamesMatchExactlyAndSetsKeepTheirOddTexts) {
    auto cncw = CategoriasDeConcurso("CNCW");
    ASSERT_EQ(cncw.size(), 9u);
    EXPECT_STREQ(cncw[0].descripcion, "MONOOPERADOR MULTIBANDA");
    EXPECT_STREQ(cncw[0].codigo, "SINGLE-OP ALL");
    EXPECT_TRUE(CategoriasDeConcurso("CNCW ").empty());
    EXPECT_TRUE(CategoriasDeConcurso("cncw").empty());
    EXPECT_TRUE(CategoriasDeConcurso("ARRL-160").empty());
    EXPECT_TRUE(CategoriasDeConcurso("MUNICIPIOS ESPAÑOLES").empty());

    auto vge = CategoriasDeConcurso("VGE SPRINT");
    ASSERT_EQ(vge.size(), 6u);
    EXPECT_STREQ(vge[4].descripcion, "Vertice Geodésico Multi-Operador  QRP");
    auto die = CategoriasDeConcurso("CONCURSO DIE");
    ASSERT_EQ(die.size(), 7u);
    EXPECT_STREQ(die[3].descripcion, "GENERAL-PENINSULAR (EA, CT y C3");
    EXPECT_STREQ(die[3].codigo, "GENERAL-PENINSULAR");

    // Lists of the same length must not be mixed up: 160 m comes before the multi-operator entry.
    auto reySsb = CategoriasDeConcurso("S.M. EL REY SSB");
    ASSERT_EQ(reySsb.size(), 9u);
    EXPECT_STREQ(reySsb[6].codigo, "SINGLE-OP 160M");
    EXPECT_EQ(CategoriasDeConcurso("EA RTTY").size(), 8u);
    EXPECT_EQ(CategoriasDeConcurso("SANT SADURNI VUHF FM").size(), 4u);
    EXPECT_EQ(CategoriasDeConcurso("ALL ASIAN DX CW").size(), 10u);
    EXPECT_STREQ(CategoriasDeConcurso("CASTILLOS EN EL AIRE")[1].descripcion,
                 "MONOOPERADOR MULTIBANDA EXPEDICIÓN");
    // Every set ends with the check log.
    for (const char* nombre :
         {"VGE SPRINT", "CONCURSO DIE", "EANET SPRINT", "CNCW", "ATLANTICO", "ALL ASIAN DX SSB",
          "NACIONAL DE SUFIJOS", "CASTILLOS EN EL AIRE", "S.M. EL REY CW", "S.M. EL REY SSB"})
        EXPECT_STREQ(CategoriasDeConcurso(nombre).back().codigo, "CHECKLOG") << nombre;
}

char Letra(const QString& nombre, int indice, const QString& indicativo = {}) {
    auto r = ResultadoCategoria(nombre, indice, indicativo);
    return r ? r->letra : '-';
}

TEST(ResultadoCategoria, RuleTableByNameCategoryAndStation) {
    EXPECT_EQ(Letra("VGE SPRINT", 0), 'C');
    EXPECT_EQ(Letra("VGE SPRINT", 5), 'C');
    EXPECT_EQ(Letra("VGE SPRINT", 2), 'B');
    EXPECT_EQ(Letra("VGE SPRINT", -1), 'B');
    EXPECT_EQ(Letra("CONCURSO DIE", -1), 'B');
    EXPECT_EQ(Letra("CONCURSO DIE", 2), 'B');
    EXPECT_EQ(Letra("CONCURSO DIE", 3), 'C');
    EXPECT_EQ(Letra("QSL V-UHF", 0), 'A');
    EXPECT_EQ(Letra("ALL ASIAN DX SSB", 3), 'D');
    EXPECT_EQ(Letra("CASTILLOS EN EL AIRE", 0), 'F');
    EXPECT_EQ(Letra("EANET SPRINT", 0), 'E');
    EXPECT_EQ(Letra("ARRL-160", -1), 'G');
    EXPECT_EQ(Letra("NACIONAL DE SUFIJOS", 0), '-');
    EXPECT_EQ(Letra("CNCW ", 0), '-');
    // Only the EA prefix makes a station Spanish here.
    EXPECT_EQ(Letra("S.M. EL REY CW", 0, "EA4CALL"), 'B');
    EXPECT_EQ(Letra("S.M. EL REY CW", 0, "EB4CALL"), 'C');
    EXPECT_EQ(Letra("S.M. EL REY CW", 0, ""), 'C');
    EXPECT_EQ(Letra("MUNICIPIOS ESPAÑOLES", -1, "EA1ABC"), 'B');
}

TEST(ResultadoCategoria, OutcomesTickTheirBoxesAndSetTheLetters) {
    using I = ItemIntercambio;
    auto marca = [](const std::array<bool, 5>& cajas, I item) { return cajas[static_cast<int>(item)]; };
    auto d = *ResultadoCategoria("CNCW", 0, {});
    EXPECT_TRUE(marca(d.enviar, I::Siglas));
    EXPECT_TRUE(marca(d.recibir, I::Siglas));
    EXPECT_FALSE(marca(d.enviar, I::Numeral));
    EXPECT_FALSE(marca(d.recibir, I::Numeral));
    auto f = *ResultadoCategoria("CASTILLOS EN EL AIRE", 0, {});
    EXPECT_TRUE(marca(f.recibir, I::Puntos));
    EXPECT_EQ(std::count(f.enviar.begin(), f.enviar.end(), true), 0);

    auto c = *ResultadoCategoria("VGE SPRINT", 5, {});
    EXPECT_EQ(SiglasTrasResultado(c, "VGM123", {}), "");
    auto b = *ResultadoCategoria("VGE SPRINT", 1, {});
    EXPECT_EQ(SiglasTrasResultado(b, "VGM123", {}), "VGM123");
    auto g = *ResultadoCategoria("ARRL-160", -1, "EA4CALL");
    EXPECT_EQ(SiglasTrasResultado(g, "XX", "EA4CALL"), "DX");
    EXPECT_EQ(SiglasTrasResultado(g, "XX", "EB4CALL"), "");
}

TEST(ValoresCabrillo, DefaultsAreEntriesOfTheirListsAndSearchIsExact) {
    for (auto version : {VersionCabrillo::V20, VersionCabrillo::V30})
        for (const auto& def : CajasCabrillo) {
            auto lista = ValoresCabrillo(version, def.caja);
            if (lista.entradas.empty()) continue;
            EXPECT_STREQ(lista.entradas[0], NoAplicable) << def.control;
            EXPECT_GE(BuscaEntrada(lista.entradas, Texto(lista.predeterminado)), 0) << def.control;
        }
    // The four 3.0-only boxes are left alone by the 2.0 layout.
    EXPECT_TRUE(ValoresCabrillo(VersionCabrillo::V20, CajaCabrillo::Estacion).entradas.empty());
    EXPECT_EQ(ValoresCabrillo(VersionCabrillo::V30, CajaCabrillo::Banda).entradas.size(), 14u);
    // The mode lists differ in order between versions.
    EXPECT_STREQ(ValoresCabrillo(VersionCabrillo::V20, CajaCabrillo::Modo).entradas[1], "CW");
    EXPECT_STREQ(ValoresCabrillo(VersionCabrillo::V30, CajaCabrillo::Modo).entradas[1], "SSB");

    auto potencia = ValoresCabrillo(VersionCabrillo::V20, CajaCabrillo::Potencia).entradas;
    EXPECT_EQ(BuscaEntrada(potencia, "LOW"), 2);
    EXPECT_EQ(BuscaEntrada(potencia, "low"), -1);
    EXPECT_EQ(BuscaEntrada(potencia, ""), -1);
    EXPECT_STREQ(OverlayFormatoDesconocido()[0], "No aplicable");
}

} // namespace
