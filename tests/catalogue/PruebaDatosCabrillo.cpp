// The summary rows written and read back without a window, and the Cabrillo panel's own choices.
#include "DatosResumenCabrillo.h"
#include "Esquema.h"
#include "PanelCategoria.h"
#include "Teclado.h"

#include <gtest/gtest.h>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>

namespace {
class DatosCabrillo : public testing::Test {
protected:
    void SetUp() override {
        CreaTodasLasTablas();
        bd = BaseDatos::Abre(NombreBaseEsquema);
    }
    std::shared_ptr<BaseDatos> bd;
};

QStringList Textos(const std::vector<CategoriaEspecial>& v) {
    QStringList t;
    for (const auto& c : v)
        t << c.descripcion + "=" + c.codigo;
    return t;
}
} // namespace

TEST_F(DatosCabrillo, UnaSolaFilaPorConcursoConComillasYNombresLargosEnteros) {
    ValoresResumen v;
    v.formato = "CABRILLO 2.0";
    v.categorias[0] = "SINGLE-OP";
    v.email = "o'neil@correo.es";
    v.operadores = "EA1AAA, \"EB2BBB\"";
    const QString nombre = "SANT SADURNI VUHF SSB";
    EscribeResumenCabrillo(*bd, 9, nombre, "2025", v);
    v.categorias[1] = "ALL";
    EscribeResumenCabrillo(*bd, 9, nombre, "2025", v);
    EXPECT_EQ(bd->abreConjunto("Select * From ResumenCabrillo Where NumeroOrden = 9").cuenta(), 1);
    const auto leido = LeeResumenCabrillo(*bd, 9);
    ASSERT_TRUE(leido);
    EXPECT_EQ(leido->email, "o'neil@correo.es");
    EXPECT_EQ(leido->operadores, "EA1AAA, \"EB2BBB\"");
    EXPECT_EQ(leido->categorias[1], "ALL");
    EXPECT_EQ(leido->categorias[8], ""); // null reads as empty
    EXPECT_EQ(bd->abreConjunto("Select * From ResumenCabrillo").texto("NombreConcurso"), nombre);
    const QString largo(64, u'N');
    EscribeResumenCabrillo(*bd, 10, largo, "2025", v);
    EXPECT_EQ(LeeResumenCabrillo(*bd, 10)->formato, "CABRILLO 2.0");
    EXPECT_FALSE(LeeResumenCabrillo(*bd, 11));

    // The special rows are replaced in the order given; none leaves none.
    EscribeFormatoEspecial(*bd, 9, {{"ZETA", "Z"}, {"ALFA D'OR", "A"}});
    EscribeFormatoEspecial(*bd, 10, {{"OTRO", "O"}});
    EscribeFormatoEspecial(*bd, 9, {{"MEDIO", "M"}, {"ZETA", "Z"}, {"ALFA D'OR", "A"}});
    EXPECT_EQ(Textos(LeeFormatoEspecial(*bd, 9)), (QStringList{"MEDIO=M", "ZETA=Z", "ALFA D'OR=A"}));
    EscribeFormatoEspecial(*bd, 9, {});
    EXPECT_TRUE(LeeFormatoEspecial(*bd, 9).empty());
    EXPECT_EQ(Textos(LeeFormatoEspecial(*bd, 10)), QStringList{"OTRO=O"});
}

TEST(PanelCabrillo, FormatosDesconocidosBusquedaExactaYArranque) {
    PanelCategoria f;
    // Until a layout is applied only the 2.0 boxes may show.
    EXPECT_TRUE(Busca<QComboBox>(&f, "CatAsistido")->isHidden());
    EXPECT_TRUE(Busca<QComboBox>(&f, "CatTime")->isHidden());
    EXPECT_TRUE(Busca<QListWidget>(&f, "ListaCategoriasCabrillo")->isHidden());
    f.IniciaTipoConcursos();
    EXPECT_EQ(Busca<QComboBox>(&f, "CatConcurso")->currentText(), "CABRILLO 2.0");
    EXPECT_EQ(Busca<QComboBox>(&f, "CatPotencia")->currentText(), "LOW");
    EXPECT_EQ(PanelCategoria::BuscaEnLista(Busca<QComboBox>(&f, "CatPotencia"), "LOW"), 2);
    EXPECT_EQ(PanelCategoria::BuscaEnLista(Busca<QComboBox>(&f, "CatPotencia"), "low"), -1);
    EXPECT_EQ(PanelCategoria::BuscaEnLista(Busca<QComboBox>(&f, "CatPotencia"), "LOW "), -1);
    EXPECT_EQ(Busca<QLineEdit>(&f, "EMAIL")->maxLength(), 64);
    EXPECT_EQ(Busca<QLineEdit>(&f, "Operadores")->maxLength(), 64);

    // While the startup upgrades run, a format choice changes nothing.
    bool actualizando = true;
    f.EnActualizacion = [&] { return actualizando; };
    Busca<QComboBox>(&f, "CatConcurso")->setCurrentIndex(1);
    EXPECT_TRUE(Busca<QComboBox>(&f, "CatAsistido")->isHidden());
    EXPECT_EQ(Busca<QComboBox>(&f, "CatAsistido")->count(), 0);
    actualizando = false;
    Busca<QComboBox>(&f, "CatConcurso")->setCurrentIndex(0);
    Busca<QComboBox>(&f, "CatConcurso")->setCurrentIndex(1);
    EXPECT_EQ(Busca<QComboBox>(&f, "CatAsistido")->currentText(), "No Aplicable");

    // A format the panel does not know falls back to 2.0 with the old overlay spelling.
    Busca<QComboBox>(&f, "CatConcurso")->addItem("CABRILLO 4.0");
    Busca<QComboBox>(&f, "CatConcurso")->setCurrentIndex(2);
    EXPECT_EQ(Busca<QComboBox>(&f, "CatOverlay")->itemText(0), "No aplicable");
    EXPECT_EQ(Busca<QComboBox>(&f, "CatOverlay")->count(), 6);
    EXPECT_EQ(Busca<QComboBox>(&f, "CatOverlay")->currentIndex(), 0);
    EXPECT_TRUE(Busca<QComboBox>(&f, "CatAsistido")->isHidden());
    EXPECT_EQ(Busca<QComboBox>(&f, "CatBanda")->currentText(), "ALL");

    EXPECT_FALSE(f.CargaCategoriasConcurso("NO EXISTE"));
    EXPECT_TRUE(Busca<QListWidget>(&f, "ListaCategoriasCabrillo")->isHidden());
}
