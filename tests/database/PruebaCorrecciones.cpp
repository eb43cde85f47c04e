// Fixed corrections of named contests, and the whole activation run twice.
#include "ActualizacionCatalogo.h"
#include "BaseCatalogo.h"
#include "CorreccionesConcursos.h"
#include "Falsos.h"

#include <gtest/gtest.h>

namespace {

class Correcciones : public testing::Test {
protected:
    RelojFalso reloj;
    BaseCatalogo b;

    QStringList categorias(int numero) {
        QStringList r;
        for (const QString& f : b.volcado("Select CategoriaCabrillo, CategoriaConcurso From FormatoEspecial "
                                          "Where NumeroOrden = " +
                                          QString::number(numero)))
            r << f.section('|', 0, 0).section('=', 1) + " / " + f.section('|', 1).section('=', 1);
        return r;
    }
    QString resumen(int numero, const QString& campo) {
        return b.valor("Select * From ResumenCabrillo Where NumeroOrden = " + QString::number(numero), campo)
            .toString();
    }
};

TEST_F(Correcciones, ReyEnMinusculasSeCorrigeUnaSolaVez) {
    b.concurso(1, "S.M. EL REY SSB", "2026");
    b.resumen(1, "S.M. EL REY SSB", "2026", {{"Categoria", "SINGLE-OP ALL"}});
    b.categoria(1, "MONOOPERADOR", "SINGLE-OP ALL");
    CorrigeConcursos(*b.bd);
    const QStringList esperadas{"SINGLE-OP LP ALL / MONOOPERADOR MULTIBANDA BAJA POTENCIA",
                                "SINGLE-OP HP ALL / MONOOPERADOR MULTIBANDA ALTA POTENCIA",
                                "SINGLE-OP 10M / MONOOPERADOR MONOBANDA 10M",
                                "SINGLE-OP 15M / MONOOPERADOR MONOBANDA 15M",
                                "SINGLE-OP 20M / MONOOPERADOR MONOBANDA 20M",
                                "SINGLE-OP 40M / MONOOPERADOR MONOBANDA 40M",
                                "SINGLE-OP 80M / MONOOPERADOR MONOBANDA 80M",
                                "SINGLE-OP 160M / MONOOPERADOR MONOBANDA 160M",
                                "MULTI-MULTI ALL / MULTIOPERADOR MULTIBANDA",
                                "CHECKLOG / LISTA DE CONTROL"};
    EXPECT_EQ(categorias(1), esperadas);
    EXPECT_EQ(resumen(1, "Categoria"), "SINGLE-OP LP ALL");

    // The operator picks another category; the marker keeps the next start from undoing it.
    b.bd->ejecuta("UPDATE ResumenCabrillo SET Categoria = 'SINGLE-OP ALL'");
    CorrigeConcursos(*b.bd);
    EXPECT_EQ(categorias(1), esperadas);
    EXPECT_EQ(resumen(1, "Categoria"), "SINGLE-OP ALL");
}

TEST_F(Correcciones, ListasDeCncwYDeEa) {
    b.concurso(1, "CNCW", "2026");
    b.concurso(2, "EA RTTY", "2026");
    for (int n : {1, 2})
        b.categoria(n, "VIEJA", "SINGLE-OP ALL");
    CorrigeConcursos(*b.bd);
    const QStringList cncw = categorias(1);
    ASSERT_EQ(cncw.size(), 10);
    EXPECT_EQ(cncw[7], "SINGLE-OP ALL QRP / MONOOPERADOR MULTIBANDA QRP");
    EXPECT_EQ(cncw[9], "CHECKLOG / LISTA DE CONTROL");
    const QStringList ea = categorias(2);
    ASSERT_EQ(ea.size(), 9);
    EXPECT_EQ(ea[6], "SINGLE-OP 80M / MONOOPERADOR MONOBANDA 80M");
    EXPECT_EQ(ea[7], "MULTI-MULTI ALL / MULTIOPERADOR MULTIBANDA");
}

TEST_F(Correcciones, SoloLaEdicionActualConCategoriasYSinResumenNoFalla) {
    b.concurso(1, "EA PSK63", "2025");
    b.categoria(1, "VIEJA", "SINGLE-OP ALL");
    b.concurso(2, "CNCW", "2026"); // no categories: not corrected
    b.resumen(2, "CNCW", "2026", {{"Categoria", "SINGLE-OP ALL"}});
    b.concurso(3, "S.M. EL REY CW", "2026"); // categories but no summary row
    b.categoria(3, "VIEJA", "SINGLE-OP ALL");
    CorrigeConcursos(*b.bd);
    EXPECT_EQ(categorias(1).size(), 1);
    EXPECT_TRUE(categorias(2).isEmpty());
    EXPECT_EQ(resumen(2, "Categoria"), "SINGLE-OP ALL");
    EXPECT_EQ(categorias(3).size(), 10);
}

TEST_F(Correcciones, MunicipiosPasaAlFormatoEspecial) {
    b.concurso(1, "MUNICIPIOS ESPAÑOLES", "2026");
    b.resumen(1, "MUNICIPIOS ESPAÑOLES", "2026",
              {{"Categoria", "SINGLE-OP HP ALL"}, {"FormatoCabrillo", "CABRILLO 3.0"}});
    b.categoria(1, "VIEJA", "SINGLE-OP LP ALL"); // the other members' marker is not this one's
    CorrigeConcursos(*b.bd);
    EXPECT_EQ(categorias(1), QStringList({"SINGLE-OP ALL LOW / MONOOPERADOR MULTIBANDA BAJA POTENCIA",
                                          "SINGLE-OP ALL HIGH / MONOOPERADOR MULTIBANDA ALTA POTENCIA",
                                          "CHECKLOG / LISTA DE CONTROL"}));
    EXPECT_EQ(resumen(1, "Categoria"), "SINGLE-OP ALL HIGH");
    EXPECT_EQ(resumen(1, "FormatoCabrillo"), "ESPECIAL");
}

TEST_F(Correcciones, NaranjaRepiteTrasVeintitresCincuentaYNueveSinAplicarCategorias) {
    b.concurso(1, "NARANJA-CW", "2026", {{"HorasRepeticion", "24"}});
    b.resumen(1, "NARANJA-CW", "2026", {{"Banda", "ALL"}, {"Potencia", "LOW"}, {"Asistido", "NON-ASSISTED"}});
    b.concurso(2, "NARANJA-PSK63", "2026");
    CorrigeConcursos(*b.bd);
    for (int n : {1, 2}) {
        ConjuntoRegistros c =
            b.bd->abreConjunto("Select * From Concursos Where NumeroOrden = " + QString::number(n));
        EXPECT_TRUE(c.siNo("RepetirEnCadaHoras"));
        EXPECT_EQ(c.texto("HorasRepeticion"), "23:59");
    }
    for (const char* campo : {"Banda", "Potencia", "Modo", "Overlay"})
        EXPECT_EQ(resumen(1, campo), "No Aplicable") << campo;
    EXPECT_EQ(resumen(1, "Asistido"), "NON-ASSISTED");

    const QStringList antes = b.volcadoCompleto();
    CorrigeConcursos(*b.bd);
    EXPECT_EQ(b.volcadoCompleto(), antes);
}

// Every activation until the work starts runs the whole sequence: the second one changes nothing.
TEST_F(Correcciones, LaSegundaActivacionNoCambiaNada) {
    b.concurso(1, "S.M. EL REY CW", "2025", {{"Mes", "ENERO"}});
    b.resumen(1, "S.M. EL REY CW", "2025", {{"Categoria", "SINGLE-OP ALL"}});
    b.categoria(1, "VIEJA", "SINGLE-OP ALL");
    b.contacto(1);
    b.concurso(2, "NARANJA-CW", "2025");
    b.resumen(2, "NARANJA-CW", "2025");
    b.concurso(3, "ACT-FIN DE AÑO", "2024");
    b.ultimoConcurso(3);
    ActualizaCatalogo(*b.bd, *b.control);
    // Last year's edition was copied to this year's and then corrected; the old one kept as it was.
    EXPECT_EQ(categorias(4).size(), 10);
    EXPECT_EQ(categorias(1).size(), 1);
    EXPECT_EQ(resumen(4, "Categoria"), "SINGLE-OP LP ALL");
    EXPECT_EQ(resumen(2, "Edicion"), "2026");
    EXPECT_EQ(resumen(2, "Banda"), "No Aplicable");

    const QStringList antes = b.volcadoCompleto();
    ActualizaCatalogo(*b.bd, *b.control);
    EXPECT_EQ(b.volcadoCompleto(), antes);
}

} // namespace
