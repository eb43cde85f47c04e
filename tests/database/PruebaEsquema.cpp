// The schema builders, the startup upgrade and the files they leave.
#include "Esquema.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QProcess>

namespace {

std::shared_ptr<BaseDatos> EsquemaCompleto() {
    CreaTodasLasTablas();
    return BaseDatos::Abre(NombreBaseEsquema);
}

// The working database as the installation delivers it: the builders' file under its name.
void BaseDeTrabajo() {
    CreaTodasLasTablas();
    ASSERT_TRUE(QFile::rename(NombreBaseEsquema, NombreBaseDatos));
}

int EjecutaHerramienta(const QStringList& argumentos = {}) {
    QProcess p;
    p.start(XK_CREA_BASE, argumentos);
    if (!p.waitForFinished()) return -1;
    return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
}

} // namespace

TEST(Esquema, TablasConSusCamposEnOrden) {
    auto bd = EsquemaCompleto();
    const std::vector<std::pair<QString, int>> cuentas{
        {"Concursos", 67}, {"ResumenCabrillo", 45}, {"FormatoEspecial", 3}, {"Indicativos", 6},
        {"Control", 28},   {"Contactos", 17},       {"Listados", 17}};
    for (const auto& [tabla, n] : cuentas)
        EXPECT_EQ(bd->definicionTabla(tabla).cuenta(), n) << tabla.toStdString();

    // Rows are copied field by field by position: the file must give back exactly the definitions.
    for (const DefTabla& def :
         {DefinicionConcursos(), DefinicionResumenCabrillo(), DefinicionFormatoEspecial(),
          DefinicionIndicativos(), DefinicionControl(), DefinicionContactos(), DefinicionListados()}) {
        const DefTabla leida = bd->definicionTabla(def.nombre);
        ASSERT_EQ(leida.cuenta(), def.cuenta());
        for (int i = 0; i < def.cuenta(); ++i) {
            EXPECT_EQ(leida.campo(i).nombre, def.campo(i).nombre);
            EXPECT_EQ(leida.campo(i).tipo, def.campo(i).tipo) << def.campo(i).nombre.toStdString();
            EXPECT_EQ(leida.campo(i).tamano, def.campo(i).tamano) << def.campo(i).nombre.toStdString();
        }
    }
    const DefTabla c = bd->definicionTabla("Concursos");
    EXPECT_EQ(c.campo(9).nombre, "Banda0");
    EXPECT_EQ(c.campo(43).nombre, "EnviarNumeral");
    EXPECT_EQ(c.campo(63).nombre, "Indicebanda");
    EXPECT_EQ(c.campo(66).nombre, "RecibirRst");
    EXPECT_EQ(bd->definicionTabla("ResumenCabrillo").campo(1).tamano, 64);
    EXPECT_EQ(bd->definicionTabla("Contactos").campo(2).tipo, TipoCampo::FechaHora);
}

TEST(Esquema, FilaInicialDeControl) {
    auto bd = EsquemaCompleto();
    auto rs = bd->abreConjunto("Control");
    ASSERT_EQ(rs.cuenta(), 1);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(rs.valor(i), QVariant(0));
    for (int i = 1; i <= 3; ++i)
        EXPECT_EQ(rs.texto(QString("BandaUser%1").arg(i)), QString("User%1").arg(i));
    for (int i = 1; i <= 10; ++i) {
        EXPECT_EQ(rs.texto(QString("ModoUser%1").arg(i)), QString("User%1").arg(i));
        EXPECT_EQ(rs.texto(QString("TipoUser%1").arg(i)), "59");
    }
    EXPECT_EQ(rs.entero("TantoPorCien"), 1);
}

TEST(Esquema, IndicesDeOpcionNuevosLeenCero) {
    auto bd = EsquemaCompleto();
    auto rs = bd->abreConjunto("Concursos");
    rs.anade();
    rs.asigna("NumeroOrden", 1);
    rs.actualiza();
    EXPECT_EQ(rs.valor("IndiceBanda"), QVariant(0));
    EXPECT_EQ(rs.valor("IndiceModo"), QVariant(0));
    EXPECT_TRUE(rs.esNulo("Banda0"));
    // A name as long as the contest's fits in the summary.
    auto res = bd->abreConjunto("ResumenCabrillo");
    res.anade();
    EXPECT_NO_THROW(res.asigna("NombreConcurso", QString(64, 'X')));
}

TEST(Esquema, LosConstructoresNoSobrescriben) {
    CreaTodasLasTablas();
    {
        auto bd = BaseDatos::Abre(NombreBaseEsquema);
        bd->ejecuta("Insert Into Indicativos (NumeroOrden, Indicativo) Values (1, 'EA4XX')");
    }
    EXPECT_THROW(CreaTablaConcursos(), ErrorBD);
    for (auto* constructor : {&CreaTablaResumenCabrillo, &CreaTablaFormatoEspecial, &CreaTablaIndicativos,
                              &CreaTablaControl, &CreaTablaContactos, &CreaTablaListados}) {
        EXPECT_THROW(constructor(), ErrorBD);
    }
    auto bd = BaseDatos::Abre(NombreBaseEsquema);
    EXPECT_EQ(bd->abreConjunto("Control").cuenta(), 1);
    EXPECT_EQ(bd->abreConjunto("Indicativos").cuenta(), 1);
}

TEST(Esquema, SinConcursosLosDemasFallan) {
    EXPECT_THROW(CreaTablaControl(), ErrorBD);
    EXPECT_FALSE(QFile::exists(NombreBaseEsquema));
}

TEST(CampoMes, SeAnadeUnaVezAlFinalYLasFilasViejasLeenNulo) {
    BaseDeTrabajo();
    BaseDatos::Abre(NombreBaseDatos)
        ->ejecuta("Insert Into Concursos (NumeroOrden, NombreConcurso) Values (1, 'S.M. EL REY CW')");
    AñadeCampoMes();
    AñadeCampoMes();
    auto bd = BaseDatos::Abre(NombreBaseDatos);
    const DefTabla def = bd->definicionTabla("Concursos");
    ASSERT_EQ(def.cuenta(), 68);
    EXPECT_EQ(def.campo(67).nombre, "Mes");
    EXPECT_EQ(def.campo(67).tipo, TipoCampo::Texto);
    EXPECT_EQ(def.campo(67).tamano, 12);
    auto rs = bd->abreConjunto("Concursos");
    EXPECT_TRUE(rs.esNulo("Mes"));
    rs.edita();
    EXPECT_THROW(rs.asigna("Mes", "SEPTIEMBRE---"), ErrorBD);
    rs.asigna("Mes", "SEPTIEMBRE");
    rs.actualiza();
    EXPECT_EQ(bd->abreConjunto("Select * From Concursos Where Mes = 'septiembre'").cuenta(), 1);
}

TEST(CampoMes, SinBaseDeTrabajoFallaConSuNombre) {
    try {
        AñadeCampoMes();
        FAIL() << "sin error";
    } catch (const ErrorBD& e) {
        EXPECT_TRUE(e.mensaje().contains(NombreBaseDatos, Qt::CaseInsensitive));
    }
}

TEST(TablasContactos, LasSeriesPasanACincoCaracteresConSusFilasEIndices) {
    BaseDeTrabajo();
    {
        // The tables as files made before serials took five characters.
        auto bd = BaseDatos::Abre(NombreBaseDatos);
        for (DefTabla def : {DefinicionContactos(), DefinicionListados()}) {
            bd->ejecuta("DROP TABLE " + def.nombre);
            for (DefCampo& c : def.campos)
                if (c.nombre.startsWith("Numeral")) c.tamano = 4;
            bd->creaTabla(def);
        }
        bd->ejecuta("INSERT INTO Contactos (NumeroOrden, NumeroQso, Indicativo, NumeralEnviado) "
                    "VALUES (5, 1, 'EA4ÑA', '9999')");
        bd->ejecuta("CREATE INDEX ContactosPorNumeroOrden ON Contactos (NumeroOrden)");
        bd->ejecuta("CREATE INDEX ContactosPorIndicativo_74_0_0_0 ON Contactos (NumeroOrden, Indicativo)");
    }
    ActualizaTablasContactos();
    ActualizaTablasContactos();
    auto bd = BaseDatos::Abre(NombreBaseDatos);
    for (const char* tabla : {"Contactos", "Listados"}) {
        const DefTabla def = bd->definicionTabla(tabla);
        EXPECT_EQ(def.campo(9).tamano, 5) << tabla;  // NumeralEnviado
        EXPECT_EQ(def.campo(14).tamano, 5) << tabla; // NumeralRecibido
        // The radio's frequency, last in both so that Listados still takes Contactos by position.
        ASSERT_EQ(def.cuenta(), 18) << tabla;
        EXPECT_EQ(def.campo(17).nombre, "Frecuencia") << tabla;
    }
    EXPECT_TRUE(bd->abreConjunto("Contactos").valor("Frecuencia").isNull());
    bd->ejecuta("UPDATE Contactos SET NumeralEnviado = '32767', NumeralRecibido = '10000'");
    EXPECT_THROW(bd->ejecuta("UPDATE Contactos SET NumeralEnviado = '100000'"), ErrorBD);
    EXPECT_EQ(bd->abreConjunto("Contactos").texto("Indicativo"), "EA4ÑA");
    QStringList indices;
    bd->recorre(
        "SELECT name FROM sqlite_master WHERE type = 'index' AND tbl_name = 'Contactos' ORDER BY name",
        [&](const ConjuntoRegistros& r) { indices << r.valor(0).toString(); });
    EXPECT_EQ(indices, QStringList({"ContactosPorBandaSerie", "ContactosPorIndicativo", "ContactosPorNumero",
                                    "ContactosPorNumeroOrden", "ContactosPorSerie"}));
}

TEST(Archivo, LaHerramientaEstandarLoAbre) {
    BaseDeTrabajo();
    AñadeCampoMes();
    BaseDatos::Abre(NombreBaseDatos)
        ->ejecuta("Insert Into Indicativos (NumeroOrden, Indicativo) Values (1, 'EA4ÑA')");
    QProcess sqlite;
    sqlite.start("sqlite3", {NombreBaseDatos, "select count(*) from pragma_table_info('Concursos');"
                                              "select Indicativo from Indicativos order by Indicativo;"
                                              "select TantoPorCien from Control;"});
    if (!sqlite.waitForStarted()) GTEST_SKIP() << "sqlite3 no está instalado";
    ASSERT_TRUE(sqlite.waitForFinished());
    EXPECT_EQ(sqlite.exitCode(), 0) << sqlite.readAllStandardError().toStdString();
    EXPECT_EQ(QString::fromUtf8(sqlite.readAllStandardOutput()), "68\nEA4ÑA\n1\n");
}

TEST(Herramienta, CreaLaBaseDeTrabajoSoloSiFalta) {
    ASSERT_EQ(EjecutaHerramienta(), 0);
    // Only the finished file is left: no scratch folder, no log files.
    EXPECT_EQ(QDir().entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
              QStringList{NombreBaseDatos});
    {
        auto bd = BaseDatos::Abre(NombreBaseDatos);
        EXPECT_EQ(bd->definicionTabla("Concursos").cuenta(), 67);
        EXPECT_EQ(bd->abreConjunto("Control").cuenta(), 1);
        bd->ejecuta("Insert Into Indicativos (NumeroOrden, Indicativo) Values (1, 'EA4XX')");
    }
    // A working database holds the user's QSOs: never replaced, whatever the case of its name.
    EXPECT_NE(EjecutaHerramienta(), 0);
    EXPECT_NE(EjecutaHerramienta({"xklumoconcursos.mdb"}), 0);
    EXPECT_EQ(BaseDatos::Abre(NombreBaseDatos)->abreConjunto("Indicativos").cuenta(), 1);

    ASSERT_EQ(EjecutaHerramienta({"Programas/Otra.Mdb"}), 0);
    EXPECT_EQ(QDir("Programas").entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
              QStringList{"Otra.Mdb"});
}
