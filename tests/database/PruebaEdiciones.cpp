// Edition roll-over of past contests and the small queries it stands on, against a real working
// database with the clock in 2026.
#include "ActualizacionCatalogo.h"
#include "BaseCatalogo.h"
#include "Esquema.h"
#include "Falsos.h"

#include <gtest/gtest.h>

namespace {

class Ediciones : public testing::Test {
protected:
    RelojFalso reloj; // 15-03-2026
    BaseCatalogo b;

    void actualiza() { ActualizaEdiciones(*b.bd, *b.control); }
    QString edicion(int numero) {
        return b
            .valor("Select Edicion From Concursos Where NumeroOrden = " + QString::number(numero), "Edicion")
            .toString();
    }
    int concursos() { return b.cuenta("Concursos"); }
};

TEST_F(Ediciones, ConcursosActLosDejaComoEstanConYSinContactos) {
    b.concurso(1, "ACT-PRUEBA", "2025");
    b.concurso(2, "act-otro", "2024");
    b.contacto(2);
    b.ultimoConcurso(2);
    actualiza();
    EXPECT_EQ(edicion(1), "2025");
    EXPECT_EQ(edicion(2), "2024");
    EXPECT_EQ(concursos(), 2);
    EXPECT_EQ(b.control->entero("UltimoConcurso"), 2);
}

TEST_F(Ediciones, SinContactosPasaAlAñoActualConSuResumen) {
    b.concurso(1, "CONCURSO UNO", "2025", {{"Mes", "MAYO"}});
    b.resumen(1, "CONCURSO UNO", "2025");
    b.concurso(2, "CONCURSO FUTURO", "2027");
    b.ultimoConcurso(2);
    actualiza();
    EXPECT_EQ(edicion(1), "2026");
    EXPECT_EQ(b.valor("Select * From ResumenCabrillo Where NumeroOrden = 1", "Edicion"), "2026");
    EXPECT_EQ(edicion(2), "2027");
    EXPECT_EQ(concursos(), 2);
    EXPECT_EQ(b.control->entero("UltimoConcurso"), 2);
}

TEST_F(Ediciones, SinContactosYConEdicionActualSeBorraConSuResumenPeroNoSusCategorias) {
    b.concurso(1, "CONCURSO UNO", "2026");
    b.concurso(2, "Concurso Uno", "2025"); // the same contest: names compare ignoring case
    b.resumen(1, "CONCURSO UNO", "2026");
    b.resumen(2, "CONCURSO UNO", "2025");
    b.categoria(2, "GENERAL", "SINGLE-OP ALL");
    actualiza();
    EXPECT_EQ(b.cuenta("Select * From Concursos Where NumeroOrden = 2"), 0);
    EXPECT_EQ(b.cuenta("Select * From ResumenCabrillo Where NumeroOrden = 2"), 0);
    EXPECT_EQ(b.cuenta("Select * From FormatoEspecial Where NumeroOrden = 2"), 1);
    EXPECT_EQ(edicion(1), "2026");
    EXPECT_EQ(b.cuenta("ResumenCabrillo"), 1);
}

TEST_F(Ediciones, DosEdicionesPasadasSinContactosQuedaLaPrimeraMovidaYLaOtraBorrada) {
    b.concurso(1, "O'HIGGINS", "2024");
    b.concurso(2, "o'higgins", "2025");
    actualiza();
    EXPECT_EQ(edicion(1), "2026");
    EXPECT_EQ(concursos(), 1);
}

TEST_F(Ediciones, ConContactosSeCopiaComoNuevaEdicionYUnaSegundaVezNoHaceNadaMas) {
    b.concurso(7, "S.M. EL REY CW", "2025",
               {{"Mes", "ENERO"}, {"Modo1", true}, {"Siglas", "M"}, {"HorasRepeticion", "23:59"}});
    b.resumen(7, "S.M. EL REY CW", "2025", {{"Categoria", "SINGLE-OP LP ALL"}, {"MiRst", 24}});
    b.categoria(7, "BAJA", "SINGLE-OP LP ALL");
    b.categoria(7, "ALTA", "SINGLE-OP HP ALL");
    b.contacto(7);
    b.ultimoConcurso(40);

    actualiza();
    // The main window numbers its next contest from the Control row it holds.
    EXPECT_EQ(b.control->entero("UltimoConcurso"), 41);
    EXPECT_EQ(edicion(7), "2025");
    EXPECT_EQ(edicion(41), "2026");
    ConjuntoRegistros nuevo = b.bd->abreConjunto("Select * From Concursos Where NumeroOrden = 41");
    EXPECT_EQ(nuevo.texto("Mes"), "ENERO");
    EXPECT_TRUE(nuevo.siNo("Modo1"));
    EXPECT_EQ(nuevo.texto("Siglas"), "M");
    EXPECT_EQ(nuevo.texto("HorasRepeticion"), "23:59");
    ConjuntoRegistros resumen = b.bd->abreConjunto("Select * From ResumenCabrillo Where NumeroOrden = 41");
    EXPECT_EQ(resumen.texto("Edicion"), "2026");
    EXPECT_EQ(resumen.texto("Categoria"), "SINGLE-OP LP ALL");
    EXPECT_EQ(resumen.entero("MiRst"), 24);
    EXPECT_EQ(b.volcado("Select CategoriaConcurso From FormatoEspecial Where NumeroOrden = 41"),
              QStringList({"CategoriaConcurso=BAJA", "CategoriaConcurso=ALTA"}));
    EXPECT_EQ(b.valor("Select * From ResumenCabrillo Where NumeroOrden = 7", "Edicion"), "2025");

    const QStringList antes = b.volcadoCompleto();
    actualiza();
    EXPECT_EQ(b.volcadoCompleto(), antes);
}

TEST_F(Ediciones, DeHaceDosAñosConContactosNoSeCopiaSiExisteLaDelAñoPasado) {
    b.concurso(1, "VGE SPRINT", "2024");
    b.contacto(1);
    b.concurso(2, "VGE SPRINT", "2025");
    b.contacto(2);
    b.ultimoConcurso(2);
    actualiza();
    // Only last year's edition, the latest, is copied to this year.
    EXPECT_EQ(b.volcado("Select NumeroOrden, Edicion From Concursos"),
              QStringList({"NumeroOrden=1|Edicion=2024", "NumeroOrden=2|Edicion=2025",
                           "NumeroOrden=3|Edicion=2026"}));
}

TEST_F(Ediciones, ConContactosYLaEdicionActualEscritaDeOtraManeraNoSeCopia) {
    b.concurso(1, "vge sprint", "2025");
    b.contacto(1);
    b.concurso(2, "VGE SPRINT", "2026");
    b.ultimoConcurso(2);
    actualiza();
    EXPECT_EQ(concursos(), 2);
    EXPECT_EQ(b.control->entero("UltimoConcurso"), 2);
}

TEST_F(Ediciones, UnaEdicionPasadaSinContactosDetrasDeOtraConContactosSeMueveNoSeBorra) {
    b.concurso(1, "PARLA-CW", "2024");
    b.contacto(1);
    b.concurso(2, "PARLA-CW", "2025");
    actualiza();
    EXPECT_EQ(edicion(1), "2024");
    EXPECT_EQ(edicion(2), "2026");
    EXPECT_EQ(concursos(), 2);
}

TEST_F(Ediciones, SinNumerosLibresNoSeCopiaYElProgramaSigue) {
    b.concurso(1, "UNO", "2025");
    b.contacto(1);
    b.concurso(2, "DOS", "2025");
    b.ultimoConcurso(32767);
    EXPECT_NO_THROW(actualiza());
    EXPECT_EQ(concursos(), 2);
    EXPECT_EQ(edicion(2), "2026");
    EXPECT_EQ(b.control->entero("UltimoConcurso"), 32767);
}

TEST_F(Ediciones, ConsultasPequeñas) {
    b.concurso(1, "O'HIGGINS", "2025");
    b.concurso(2, "S.M. EL REY SSB", "2026");
    b.contacto(2);
    EXPECT_TRUE(TieneContactos(*b.bd, 2));
    EXPECT_FALSE(TieneContactos(*b.bd, 1));
    EXPECT_TRUE(ExisteConcurso(*b.bd, "o'higgins", "2025"));
    EXPECT_FALSE(ExisteConcurso(*b.bd, "O'HIGGINS", "2026"));
    EXPECT_TRUE(ExisteEdicionPosterior(*b.bd, "S.M. EL REY SSb", "2025"));
    EXPECT_FALSE(ExisteEdicionPosterior(*b.bd, "S.M. EL REY SSB", "2026"));

    b.resumen(1, "O'HIGGINS", "2025");
    ActualizaEdicionResumen(*b.bd, 1, "2026");
    EXPECT_EQ(b.valor("Select * From ResumenCabrillo Where NumeroOrden = 1", "Edicion"), "2026");
    ActualizaEdicionResumen(*b.bd, 9, "2026"); // no summary row: nothing to do
    BorraRegistrosConcurso(*b.bd, "ResumenCabrillo", 1);
    EXPECT_EQ(b.cuenta("ResumenCabrillo"), 0);
    BorraRegistrosConcurso(*b.bd, "NoExiste", 1); // ends silently
}

TEST_F(Ediciones, CopiaPorPosicionEntreTablasDeDistintoLargo) {
    b.concurso(1, "CORTO", "2025", {{"Mes", "JUNIO"}, {"RecibirRst", true}});
    ConjuntoRegistros origen = b.bd->abreConjunto("Select * From Concursos Where NumeroOrden = 1");
    // A 67-field row into a 68-field one leaves the last field unassigned, and the reverse drops it.
    DefTabla def = DefinicionConcursos(); // without Mes
    def.nombre = "Corta";
    b.bd->creaTabla(def);
    ConjuntoRegistros corta = b.bd->abreConjunto("Corta");
    AñadeCopia(origen, corta, 5);
    EXPECT_EQ(corta.numeroCampos(), 67);
    EXPECT_TRUE(corta.siNo("RecibirRst"));
    ConjuntoRegistros larga = b.bd->abreConjunto("Select * From Concursos Where NumeroOrden = 6");
    AñadeCopia(corta, larga, 6, "2026");
    EXPECT_EQ(larga.texto("NombreConcurso"), "CORTO");
    EXPECT_EQ(larga.texto("Edicion"), "2026");
    EXPECT_TRUE(larga.esNulo("Mes"));
}

} // namespace
