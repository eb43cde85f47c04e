#include "cDirList.h"
#include "cFTP.h"

#include <gtest/gtest.h>

namespace {
QStringList nombres(const cDirList& lista) {
    QStringList n;
    for (const cDirItem& e : lista)
        n << e.Filename;
    return n;
}
} // namespace

TEST(DirList, CadaBitDeAtributoDaSuPropiedad) {
    const struct {
        qint32 atributos;
        bool cDirItem::*propiedad;
    } filas[] = {{0x1, &cDirItem::ReadOnly},    {0x2, &cDirItem::Hidden},       {0x4, &cDirItem::System},
                 {0x10, &cDirItem::Directory},  {0x20, &cDirItem::Archive},     {0x80, &cDirItem::Normal},
                 {0x100, &cDirItem::Temporary}, {0x800, &cDirItem::Compressed}, {0x1000, &cDirItem::Offline}};
    cDirList lista;
    lista.Add(0x11, {}, {}, {}, 0, "ambos");
    for (const auto& f : filas) {
        const bool esperado = f.atributos == 0x1 || f.atributos == 0x10;
        EXPECT_EQ(lista.Item(1)->*(f.propiedad), esperado) << f.atributos;
        cDirList sola;
        sola.Add(f.atributos | 0x40 | 0x8, {}, {}, {}, 0, "x"); // bits nobody keeps are ignored
        int verdaderas = 0;
        for (const auto& g : filas)
            verdaderas += sola.Item(1)->*(g.propiedad);
        EXPECT_TRUE(sola.Item(1)->*(f.propiedad));
        EXPECT_EQ(verdaderas, 1) << f.atributos;
    }
}

TEST(DirList, TamanoEnSus32BitsBajos) {
    EXPECT_EQ(cFTP::TamanoBajo32(5'000'000'000LL), 705'032'704);
    EXPECT_EQ(cFTP::TamanoBajo32(4'294'967'296LL + 100), 100);
    EXPECT_EQ(cFTP::TamanoBajo32(4'294'967'295LL), -1);
    EXPECT_EQ(cFTP::TamanoBajo32(510), 510);
}

TEST(DirList, OrdenPosicionesYNombres) {
    cDirList lista;
    const QDateTime hora(QDate(2024, 1, 2), QTime(3, 4, 5));
    lista.Add(0x80, hora, hora.addDays(1), hora.addDays(2), 42, "zeta.txt");
    lista.Add(0x10, {}, {}, {}, 0, "carpeta");
    lista.Add(0x80, {}, {}, {}, 7, "Zeta.txt"); // another name on a case-sensitive server
    EXPECT_EQ(lista.Count(), 3);
    EXPECT_EQ(nombres(lista), QStringList({"zeta.txt", "carpeta", "Zeta.txt"}));
    ASSERT_NE(lista.Item(1), nullptr);
    EXPECT_EQ(lista.Item(1)->FileSize, 42);
    EXPECT_EQ(lista.Item(1)->LastWriteTime, hora.addDays(2));
    EXPECT_EQ(lista.Item(3)->Filename, "Zeta.txt");
    EXPECT_EQ(lista.Item(0), nullptr);
    EXPECT_EQ(lista.Item(4), nullptr);
    EXPECT_EQ(lista.Item(QString("carpeta")), lista.Item(2));
    EXPECT_EQ(lista.Item(QString("CARPETA")), nullptr);
}

TEST(DirList, NombreRepetidoFallaSinTocarLaLista) {
    cDirList lista;
    lista.Add(0x80, {}, {}, {}, 1, "a");
    EXPECT_THROW(lista.Add(0x80, {}, {}, {}, 2, "a"), ErrorNombreDuplicado);
    EXPECT_EQ(lista.Count(), 1);
    EXPECT_EQ(lista.Item(QString("a"))->FileSize, 1);
}

TEST(DirList, ClearVaciaTambienLosNombres) {
    cDirList lista;
    lista.Add(0x80, {}, {}, {}, 1, "a");
    lista.Add(0x80, {}, {}, {}, 2, "b");
    lista.Clear();
    EXPECT_EQ(lista.Count(), 0);
    EXPECT_EQ(lista.Item(QString("a")), nullptr);
    EXPECT_NO_THROW(lista.Add(0x80, {}, {}, {}, 3, "a"));
    EXPECT_EQ(lista.Item(1)->FileSize, 3);
}
