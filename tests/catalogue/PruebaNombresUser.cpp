// The user band and mode names: their checks and the Control row they live in.
#include "BaseDatos.h"
#include "Esquema.h"
#include "NombresUser.h"

#include <gtest/gtest.h>

namespace {
NombresUser Completos() {
    NombresUser n;
    for (size_t i = 0; i < n.modos.size(); ++i) {
        n.bandas[i % 3] = QStringLiteral("B%1").arg(i % 3 + 1);
        n.modos[i] = QStringLiteral("M%1").arg(i + 1);
    }
    return n; // reports left empty: they are not checked
}
} // namespace

TEST(NombresUser, PrimeroLaBandaVaciaDespuesElModo) {
    NombresUser n = Completos();
    EXPECT_FALSE(RevisaNombresUser(n));
    n.modos[3] = "";
    auto r = RevisaNombresUser(n);
    ASSERT_TRUE(r);
    EXPECT_EQ(r->aviso.texto, "No se puede dejar el nombre del MODO en blanco");
    EXPECT_TRUE(r->aviso.titulo.isEmpty() && r->aviso.icono == Icono::Ninguno);
    EXPECT_FALSE(r->esBanda);
    EXPECT_EQ(r->indice, 4);

    n.bandas[2] = "   "; // never trimmed when its box kept the focus
    r = RevisaNombresUser(n);
    EXPECT_EQ(r->aviso.texto, "No se puede dejar el nombre de la BANDA en blanco");
    EXPECT_TRUE(r->esBanda);
    EXPECT_EQ(r->indice, 3);
}

TEST(NombresUser, SeGuardanEnControlYSeLeenDeOtraConexion) {
    CreaTodasLasTablas();
    auto bd = BaseDatos::Abre(NombreBaseEsquema);
    auto control = bd->abreConjunto("Control");
    const auto iniciales = LeeNombresUser(control);
    ASSERT_TRUE(iniciales);
    EXPECT_EQ(iniciales->modos[9], "User10");
    EXPECT_EQ(iniciales->tipos[4], "59");

    NombresUser n = Completos();
    n.modos[1] = "O'HARA";
    n.modos[2] = " FT8 ";
    n.tipos[0] = "59999"; // longer than the field: cut, never a refused save
    GuardaNombresUser(control, n);
    EXPECT_EQ(LeeNombresUser(control)->modos[1], "O'HARA");

    auto otra = BaseDatos::Abre(NombreBaseEsquema);
    const auto leidos = LeeNombresUser(otra->abreConjunto("Control"));
    EXPECT_EQ(leidos->bandas[0], "B1");
    EXPECT_EQ(leidos->modos[2], "FT8");
    EXPECT_EQ(leidos->tipos[0], "599");
    EXPECT_EQ(leidos->tipos[1], "");
    EXPECT_EQ(otra->abreConjunto("Select * From Control Where ModoUser2 = " + Comillas("o'hara")).cuenta(),
              1);

    otra->ejecuta("Delete From Control");
    EXPECT_FALSE(LeeNombresUser(otra->abreConjunto("Control")));
}
