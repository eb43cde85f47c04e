// The merge of delivered contests and the months file, with good, missing and broken files.
#include "ActualizacionCatalogo.h"
#include "BaseCatalogo.h"
#include "DatosEntregados.h"
#include "Esquema.h"
#include "Falsos.h"

#include <gtest/gtest.h>
#include <QFile>

namespace {

class Entregados : public testing::Test {
protected:
    RelojFalso reloj;
    BaseCatalogo b;

    void añade() { AñadeNuevosConcursos(*b.bd, *b.control); }

    // Three delivered contests; the first one exists in the working database in an older edition.
    void nuevosConcursos(bool conMes = true, int largoNombre = 64) {
        CreaNuevosConcursos(NombreNuevosConcursos, conMes, largoNombre);
        auto n = BaseDatos::Abre(NombreNuevosConcursos);
        auto fila = [&](const QString& tabla, const Campos& campos) {
            ConjuntoRegistros r = n->abreConjunto(tabla);
            r.anade();
            for (const auto& [c, v] : campos)
                r.asigna(c, v);
            r.actualiza();
        };
        Campos mes;
        if (conMes) mes = {{"Mes", "MAYO"}};
        for (const auto& [numero, nombre] :
             {std::pair{10, "S.M. EL REY CW"}, {20, "D'ARTAGNAN"}, {30, "NUEVO SIN RESUMEN"}}) {
            Campos c{
                {"NumeroOrden", numero}, {"NombreConcurso", nombre}, {"Edicion", "2026"}, {"Modo1", true}};
            c.insert(c.end(), mes.begin(), mes.end());
            fila("Concursos", c);
            fila("FormatoEspecial", {{"NumeroOrden", numero},
                                     {"CategoriaConcurso", "A"},
                                     {"CategoriaCabrillo", "SINGLE-OP ALL"}});
            fila("FormatoEspecial",
                 {{"NumeroOrden", numero}, {"CategoriaConcurso", "B"}, {"CategoriaCabrillo", "CHECKLOG"}});
        }
        for (const char* nombre : {"S.M. EL REY CW", "D'ARTAGNAN"})
            fila("ResumenCabrillo",
                 {{"NumeroOrden", 99}, {"NombreConcurso", nombre}, {"Edicion", "2026"}, {"Categoria", "X"}});
    }
};

TEST_F(Entregados, SinArchivoNoHaceNada) {
    b.ultimoConcurso(4);
    const QStringList antes = b.volcadoCompleto();
    añade();
    EXPECT_EQ(b.volcadoCompleto(), antes);
}

TEST_F(Entregados, AñadeLosNuevosNumeradosDesdeElControlYBorraElArchivo) {
    b.concurso(3, "s.m. el rey cw", "2019"); // any edition of the name keeps the delivered one out
    b.ultimoConcurso(8);
    nuevosConcursos();
    añade();

    EXPECT_FALSE(QFile::exists(NombreNuevosConcursos));
    EXPECT_EQ(b.control->entero("UltimoConcurso"), 10);
    EXPECT_EQ(b.volcado("Select NumeroOrden, NombreConcurso, Mes, Modo1 From Concursos"),
              QStringList({"NumeroOrden=3|NombreConcurso=s.m. el rey cw|Mes=<nulo>|Modo1=<nulo>",
                           "NumeroOrden=9|NombreConcurso=D'ARTAGNAN|Mes=MAYO|Modo1=true",
                           "NumeroOrden=10|NombreConcurso=NUEVO SIN RESUMEN|Mes=MAYO|Modo1=true"}));
    EXPECT_EQ(b.volcado("Select NumeroOrden, NombreConcurso From ResumenCabrillo"),
              QStringList({"NumeroOrden=9|NombreConcurso=D'ARTAGNAN"}));
    EXPECT_EQ(b.volcado("Select NumeroOrden, CategoriaConcurso From FormatoEspecial"),
              QStringList({"NumeroOrden=9|CategoriaConcurso=A", "NumeroOrden=9|CategoriaConcurso=B",
                           "NumeroOrden=10|CategoriaConcurso=A", "NumeroOrden=10|CategoriaConcurso=B"}));
}

TEST_F(Entregados, UnArchivoQueNoSePudoBorrarNoAñadeNadaLaSegundaVez) {
    nuevosConcursos();
    ASSERT_TRUE(QFile::copy(NombreNuevosConcursos, "copia.mdb"));
    añade();
    const QStringList antes = b.volcadoCompleto();
    ASSERT_TRUE(QFile::copy("copia.mdb", "xklumonuevoscon.MDB")); // the name matches ignoring case
    añade();
    EXPECT_EQ(b.volcadoCompleto(), antes);
    EXPECT_FALSE(QFile::exists("xklumonuevoscon.MDB"));
}

TEST_F(Entregados, SinCampoMesLoDejaNuloYLosMesesLoRellenanDespues) {
    b.ultimoConcurso(1);
    nuevosConcursos(false);
    añade();
    EXPECT_EQ(b.cuenta("Select * From Concursos Where Mes Is Null"), 3);
    EXPECT_EQ(b.valor("Select * From Concursos Where NumeroOrden = 2", "Modo1"), true);

    auto meses = BaseDatos::Crea(NombreMesesConcursos);
    DefTabla def;
    def.nombre = "Concursos";
    def.agrega("Concurso", TipoCampo::Texto, 64).agrega("Mes", TipoCampo::Texto, 12);
    meses->creaTabla(def);
    ConjuntoRegistros m = meses->abreConjunto("Concursos");
    for (const auto& [nombre, mes] : {std::pair{"d'artagnan", "JULIO"}, {"NO ESTA", "ENERO"}}) {
        m.anade();
        m.asigna("Concurso", nombre);
        m.asigna("Mes", mes);
        m.actualiza();
    }
    b.concurso(9, "OTRO", "2026", {{"Mes", "ABRIL"}});
    AsignaMesesConcursos(NombreBaseDatos);
    EXPECT_EQ(b.valor("Select * From Concursos Where NumeroOrden = 3", "Mes"), "JULIO");
    EXPECT_EQ(b.cuenta("Select * From Concursos Where Mes Is Null"), 2);
    EXPECT_EQ(b.valor("Select * From Concursos Where NumeroOrden = 9", "Mes"), "ABRIL");
}

TEST_F(Entregados, LosMesesSoloRellenanElPrimerConcursoDelNombreSiNoTieneMes) {
    b.concurso(1, "UNO", "2025", {{"Mes", "MAYO"}});
    b.concurso(2, "uno", "2026"); // the same contest: names compare ignoring case
    b.concurso(3, "DOS", "2026", {{"Mes", ""}});
    auto meses = BaseDatos::Crea(NombreMesesConcursos);
    DefTabla def;
    def.nombre = "Concursos";
    def.agrega("Concurso", TipoCampo::Texto, 64).agrega("Mes", TipoCampo::Texto, 12);
    meses->creaTabla(def);
    for (const char* nombre : {"UNO", "Dos"})
        meses->ejecuta(QStringLiteral("INSERT INTO Concursos VALUES ('%1', 'JUNIO')").arg(nombre));
    AsignaMesesConcursos(NombreBaseDatos);
    EXPECT_EQ(b.volcado("Select Mes From Concursos"), QStringList({"Mes=MAYO", "Mes=<nulo>", "Mes=JUNIO"}));
}

// What the updater might leave: the working database stays as it was and nothing is thrown.
TEST_F(Entregados, ArchivosRotosDejanLaBaseDeTrabajoIgual) {
    b.concurso(1, "UNO", "2026");
    b.ultimoConcurso(1);
    const QStringList antes = b.volcadoCompleto();

    AsignaMesesConcursos(NombreBaseDatos); // no months file
    for (const QString& archivo : {NombreNuevosConcursos, NombreMesesConcursos + ".mdb"}) {
        QFile f(archivo);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("esto no es una base de datos, sino una descarga cortada a medias.........................");
    }
    EXPECT_NO_THROW(añade());
    EXPECT_NO_THROW(AsignaMesesConcursos(NombreBaseDatos));
    EXPECT_EQ(b.volcadoCompleto(), antes);
    EXPECT_TRUE(QFile::exists(NombreNuevosConcursos));

    // A months file without its table, a new-contests file without FormatoEspecial.
    ASSERT_TRUE(QFile::remove(NombreNuevosConcursos));
    ASSERT_TRUE(QFile::remove(NombreMesesConcursos + ".mdb"));
    BaseDatos::Crea(NombreMesesConcursos)->creaTabla(DefinicionFormatoEspecial());
    nuevosConcursos();
    BaseDatos::Abre(NombreNuevosConcursos)->ejecuta("DROP TABLE FormatoEspecial");
    EXPECT_NO_THROW(añade());
    EXPECT_NO_THROW(AsignaMesesConcursos(NombreBaseDatos));
    EXPECT_EQ(b.volcadoCompleto(), antes);
}

TEST_F(Entregados, UnFalloAMitadDeLaFusionNoDejaNadaAñadido) {
    b.ultimoConcurso(1);
    nuevosConcursos(true, 80);
    // The third contest's name does not fit the working table: nothing of the first two stays either.
    BaseDatos::Abre(NombreNuevosConcursos)
        ->ejecuta("UPDATE Concursos SET NombreConcurso = '" + QString(70, 'X') + "' WHERE NumeroOrden = 30");
    EXPECT_NO_THROW(añade());
    EXPECT_EQ(b.cuenta("Concursos"), 0);
    EXPECT_EQ(b.cuenta("FormatoEspecial"), 0);
    EXPECT_EQ(b.control->entero("UltimoConcurso"), 1);
}

} // namespace
