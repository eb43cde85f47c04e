// The user band and mode names: their checks and the Control row they live in.
#include "BaseDatos.h"
#include "Esquema.h"
#include "NombresUser.h"

#include <gtest/gtest.h>

namespace {

NombresUser Completos() {
    NombresUser n;
    for (size_t i = 0; i < n.bandas.size(); ++i)
        n.bandas[i] = QStringLiteral("B%1").arg(i + 1);
    for (size_t i = 0; i < n.modos.size(); ++i) {
        n.modos[i] = QStringLiteral("M%1").arg(i + 1);
        n.tipos[i] = "599";
    }
    return n;
}

} // namespace

TEST(NombresUser, PrimeroLaBandaVaciaDespuesElModo) {
    EXPECT_FALSE(RevisaNombresUser(Completos()));

    NombresUser n = Completos();
    n.modos[3] = "";
    auto r = RevisaNombresUser(n);
    ASSERT_TRUE(r);
    EXPECT_EQ(r->aviso.texto, "No se puede dejar el nombre del MODO en blanco");
    EXPECT_EQ(r->aviso.titulo, "");
    EXPECT_EQ(r->aviso.icono, Icono::Ninguno);
    EXPECT_FALSE(r->esBanda);
    EXPECT_EQ(r->indice, 4);

    n.bandas[2] = "   "; // never trimmed when the box kept the focus
    r = RevisaNombresUser(n);
    ASSERT_TRUE(r);
    EXPECT_EQ(r->aviso.texto, "No se puede dejar el nombre de la BANDA en blanco");
    EXPECT_TRUE(r->esBanda);
    EXPECT_EQ(r->indice, 3);

    n = Completos();
    for (QString& t : n.tipos)
        t.clear(); // reports are not checked
    EXPECT_FALSE(RevisaNombresUser(n));
}

TEST(NombresUser, SeGuardanEnControlYSeLeenDeOtraConexion) {
    CreaTodasLasTablas();
    auto bd = BaseDatos::Abre(NombreBaseEsquema);
    auto control = bd->abreConjunto("Control");
    const auto iniciales = LeeNombresUser(control);
    ASSERT_TRUE(iniciales);
    EXPECT_EQ(iniciales->bandas[0], "User1");
    EXPECT_EQ(iniciales->modos[9], "User10");
    EXPECT_EQ(iniciales->tipos[4], "59");

    NombresUser n = Completos();
    n.bandas[0] = "2400";
    n.modos[1] = "O'HARA";
    n.modos[2] = " FT8 ";
    n.tipos[0] = "59999"; // longer than the field: cut, never a refused save
    n.tipos[1] = "";
    GuardaNombresUser(control, n);
    EXPECT_EQ(LeeNombresUser(control)->bandas[0], "2400");

    auto otra = BaseDatos::Abre(NombreBaseEsquema);
    const auto leidos = LeeNombresUser(otra->abreConjunto("Control"));
    ASSERT_TRUE(leidos);
    EXPECT_EQ(leidos->bandas[0], "2400");
    EXPECT_EQ(leidos->modos[1], "O'HARA");
    EXPECT_EQ(leidos->modos[2], "FT8");
    EXPECT_EQ(leidos->tipos[0], "599");
    EXPECT_EQ(leidos->tipos[1], "");
    EXPECT_EQ(otra->abreConjunto("Select * From Control Where ModoUser2 = " + Comillas("o'hara")).cuenta(),
              1);
}

TEST(NombresUser, SinFilaDeControlNoHayNada) {
    CreaTodasLasTablas();
    auto bd = BaseDatos::Abre(NombreBaseEsquema);
    bd->ejecuta("Delete From Control");
    EXPECT_FALSE(LeeNombresUser(bd->abreConjunto("Control")));
}
