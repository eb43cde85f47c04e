// The engine layer against real files in the test's own folder.
#include "BaseDatos.h"

#include <gtest/gtest.h>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>

#include <sqlite3.h>

namespace {

// A small table with one field of each type.
std::shared_ptr<BaseDatos> BaseDePrueba(const QString& nombre = "Prueba.mdb") {
    auto bd = BaseDatos::Crea(nombre);
    DefTabla def;
    def.nombre = "Gente";
    def.agrega("Id", TipoCampo::Entero32)
        .agrega("Nombre", TipoCampo::Texto, 12)
        .agrega("Corto", TipoCampo::Entero16)
        .agrega("Activo", TipoCampo::SiNo)
        .agrega("Fecha", TipoCampo::FechaHora);
    bd->creaTabla(def);
    return bd;
}

void Inserta(BaseDatos& bd, int id, const QString& nombre) {
    auto rs = bd.abreConjunto("Gente");
    rs.anade();
    rs.asigna("Id", id);
    rs.asigna("Nombre", nombre);
    rs.actualiza();
}

QStringList Nombres(BaseDatos& bd, const QString& sql) {
    QStringList r;
    for (auto rs = bd.abreConjunto(sql); !rs.eof(); rs.siguiente())
        r << rs.texto("nombre");
    return r;
}

template <class F> QString MensajeDe(F&& f) {
    try {
        f();
    } catch (const ErrorBD& e) {
        return e.mensaje();
    }
    return "(sin error)";
}

} // namespace

TEST(Apertura, ExtensionPorDefectoYNombreSinMayusculas) {
    BaseDePrueba("Libro.Mdb");
    EXPECT_NO_THROW(BaseDatos::Abre("libro"));
    EXPECT_NO_THROW(BaseDatos::Abre("LIBRO.MDB"));
    BaseDatos::Crea("Otra");
    EXPECT_TRUE(QFile::exists("Otra.mdb"));
}

TEST(Apertura, ArchivoAusenteCorruptoOExistente) {
    EXPECT_TRUE(MensajeDe([] { BaseDatos::Abre("NoEsta"); }).contains("NoEsta.mdb"));
    QFile basura("Roto.mdb");
    ASSERT_TRUE(basura.open(QIODevice::WriteOnly));
    basura.write(QByteArray(4096, 'x'));
    basura.close();
    EXPECT_THROW(BaseDatos::Abre("Roto"), ErrorBD);
    // Creating over an existing file must not touch it, whatever the case of its name.
    EXPECT_TRUE(MensajeDe([] { BaseDatos::Crea("roto.MDB"); }).contains("existe"));
    EXPECT_EQ(QFileInfo("Roto.mdb").size(), 4096);
}

TEST(Consultas, ApostrofesIgualdadYMayorSinDistinguirMayusculas) {
    auto bd = BaseDePrueba();
    Inserta(*bd, 1, "O'Brien");
    Inserta(*bd, 2, "ana");
    Inserta(*bd, 3, "Ángel");
    EXPECT_EQ(Nombres(*bd, "Select * From Gente Where Nombre = " + Comillas("o'brien")),
              QStringList{"O'Brien"});
    EXPECT_EQ(Nombres(*bd, "SELECT * FROM Gente WHERE Nombre = 'ANA'"), QStringList{"ana"});
    // Accents count: "ángel" is not "angel".
    EXPECT_TRUE(Nombres(*bd, "Select * From Gente Where Nombre = 'angel'").isEmpty());
    EXPECT_EQ(Nombres(*bd, "select * from Gente where Nombre > 'N' order by Nombre"), QStringList{"O'Brien"});
    EXPECT_EQ(Comillas("a''b"), "'a''''b'");
}

TEST(Consultas, OrdenEspanolTradicional) {
    auto bd = BaseDePrueba();
    int id = 0;
    for (const char* n : {"LLAVE", "CURA", "luna", "CHACO", "ÑANDÚ", "nube", "cesta", "OSO", "lobo"}) {
        Inserta(*bd, ++id, QString::fromUtf8(n));
    }
    EXPECT_EQ(Nombres(*bd, "Select * From Gente Order By Nombre"),
              (QStringList{"cesta", "CURA", "CHACO", "lobo", "luna", "LLAVE", "nube", "ÑANDÚ", "OSO"}));
    EXPECT_EQ(
        Nombres(*bd, "Select Nombre From Gente Where Nombre > 'CZ' And Nombre < 'M' Order By Nombre Desc"),
        (QStringList{"LLAVE", "luna", "lobo", "CHACO"}));
}

TEST(Consultas, SqlMalFormadoYTablaAusente) {
    auto bd = BaseDePrueba();
    EXPECT_TRUE(MensajeDe([&] { bd->abreConjunto("Select * From Gente Wher Id = 1"); }).contains("syntax"));
    EXPECT_THROW(bd->abreConjunto("Nadie"), ErrorBD);
    EXPECT_THROW(bd->definicionTabla("Nadie"), ErrorBD);
    EXPECT_THROW(bd->ejecuta("Delete From Nadie"), ErrorBD);
}

TEST(Valores, LimitesDeTextoYEnteros) {
    auto bd = BaseDePrueba();
    auto rs = bd->abreConjunto("Gente");
    rs.anade();
    EXPECT_TRUE(MensajeDe([&] { rs.asigna("Nombre", "1234567890123"); }).contains("Nombre"));
    EXPECT_NO_THROW(rs.asigna("Nombre", "123456789012"));
    EXPECT_TRUE(MensajeDe([&] { rs.asigna("Corto", 32768); }).contains("32767"));
    EXPECT_THROW(rs.asigna("Corto", -32769), ErrorBD);
    EXPECT_THROW(rs.asigna("Id", qlonglong(2147483648LL)), ErrorBD);
    EXPECT_THROW(rs.asigna("Corto", "doce"), ErrorBD);
    rs.asigna("Corto", -32768);
    rs.actualiza();
    EXPECT_EQ(rs.entero("corto"), -32768);
    // The file itself refuses what the layer would, whoever writes it.
    const QString msg =
        MensajeDe([&] { bd->ejecuta("Insert Into Gente (Nombre) Values ('ÑÑÑÑÑÑÑÑÑÑÑÑÑ')"); });
    EXPECT_TRUE(msg.contains("Nombre") && msg.contains("12")) << msg.toStdString();
    EXPECT_THROW(bd->ejecuta("Update Gente Set Corto = 40000"), ErrorBD);
    EXPECT_NO_THROW(
        bd->ejecuta("Insert Into Gente (Nombre) Values ('ÑÑÑÑÑÑÑÑÑÑÑÑ')")); // characters, not bytes
}

TEST(Valores, VacioNuloSiNoYFecha) {
    auto bd = BaseDePrueba();
    auto rs = bd->abreConjunto("Gente");
    rs.anade();
    rs.asigna("Nombre", QString(""));
    rs.asigna("Activo", true);
    rs.asigna("Fecha", QDate(2024, 3, 9));
    rs.actualiza();
    EXPECT_FALSE(rs.esNulo("Nombre"));
    EXPECT_EQ(rs.texto("Nombre"), "");
    EXPECT_TRUE(rs.esNulo("Id"));
    EXPECT_FALSE(rs.valor(0).isValid());
    EXPECT_TRUE(rs.siNo("activo"));
    EXPECT_EQ(rs.valor("Fecha").toDateTime(), QDateTime(QDate(2024, 3, 9), QTime(0, 0)));
    rs.edita();
    rs.asigna("Fecha", "10-03-2024"); // as the windows write it: day first
    EXPECT_THROW(rs.asigna("Fecha", "31-02-2024"), ErrorBD);
    rs.actualiza();
    EXPECT_EQ(rs.valor("Fecha").toDate(), QDate(2024, 3, 10));
    rs.anade();
    rs.asigna("Fecha", "31-12-2023");
    rs.actualiza();
    EXPECT_EQ(bd->abreConjunto("Select * From Gente Order By Fecha").valor("Fecha").toDate(),
              QDate(2023, 12, 31));
    bd->ejecuta("Update Gente Set Activo = -1");
    auto otra = bd->abreConjunto("Select * From Gente Where Nombre = ''");
    ASSERT_EQ(otra.cuenta(), 1);
    EXPECT_TRUE(otra.siNo("Activo"));
    // A comparison with null is never true.
    EXPECT_EQ(bd->abreConjunto("Select * From Gente Where Id <> 5").cuenta(), 0);
}

TEST(Conjuntos, AltaEdicionBorradoYRecorrido) {
    auto bd = BaseDePrueba();
    for (int i = 1; i <= 4; ++i)
        Inserta(*bd, i, QString("n%1").arg(i));
    auto rs = bd->abreConjunto("Select Id, Nombre From Gente Where Id >= 2 Order By Id Desc");
    EXPECT_EQ(rs.cuenta(), 3);
    EXPECT_EQ(rs.numeroCampos(), 2);
    EXPECT_EQ(rs.entero("ID"), 4);
    rs.edita();
    rs.asigna(1, "cuatro");
    EXPECT_EQ(rs.texto("Nombre"), "cuatro");
    rs.actualiza();
    rs.siguiente();
    rs.borra(); // Id 3
    EXPECT_EQ(MensajeDe([&] { rs.valor("Id"); }), "No hay registro actual.");
    rs.siguiente();
    EXPECT_EQ(rs.entero("Id"), 2);
    rs.siguiente();
    EXPECT_TRUE(rs.eof());
    EXPECT_THROW(rs.siguiente(), ErrorBD);
    EXPECT_THROW(rs.valor(0), ErrorBD);
    rs.ultimo();
    rs.anterior();
    EXPECT_EQ(rs.entero("Id"), 4);
    rs.anterior();
    EXPECT_TRUE(rs.bof());
    // A new row becomes current and counts.
    rs.anade();
    rs.asigna("Id", 9);
    rs.actualiza();
    EXPECT_EQ(rs.entero("Id"), 9);
    EXPECT_EQ(rs.cuenta(), 3);
    EXPECT_EQ(Nombres(*bd, "Select * From Gente Order By Id"), (QStringList{"n1", "n2", "cuatro", ""}));
    // Assigning outside add/edit, or a cancelled edit, leaves the file alone.
    EXPECT_THROW(rs.asigna("Id", 1), ErrorBD);
    rs.edita();
    rs.asigna("Id", 10);
    rs.cancela();
    EXPECT_EQ(rs.entero("Id"), 9);
    EXPECT_THROW(rs.valor("NoExiste"), ErrorBD);
}

TEST(Conjuntos, ConsultasNoActualizablesYVacias) {
    auto bd = BaseDePrueba();
    auto vacio = bd->abreConjunto("Gente");
    EXPECT_TRUE(vacio.eof() && vacio.bof());
    EXPECT_EQ(vacio.cuenta(), 0);
    EXPECT_THROW(vacio.edita(), ErrorBD);
    Inserta(*bd, 5, "x");
    Inserta(*bd, 7, "y");
    auto max = bd->abreConjunto("Select Max(Id) As Mayor, Count(*) From Gente");
    EXPECT_EQ(max.entero("mayor"), 7);
    EXPECT_EQ(max.valor(1).toInt(), 2);
    EXPECT_THROW(max.anade(), ErrorBD);
    // Keywords inside a quoted value, or "Tabla.*", still give a set that writes through.
    Inserta(*bd, 8, "UNION LIMIT");
    auto rs = bd->abreConjunto("Select Gente.* From Gente Where Nombre = 'union limit' Order By Id");
    ASSERT_EQ(rs.numeroCampos(), 5);
    rs.edita();
    rs.asigna("Id", 80);
    rs.actualiza();
    EXPECT_EQ(bd->abreConjunto("Select * From Gente Where Id = 80").cuenta(), 1);
}

TEST(Conexiones, DosConexionesVenLoQueGuardaLaOtra) {
    auto a = BaseDePrueba();
    auto b = BaseDatos::Abre("prueba");
    auto enA = a->abreConjunto("Gente"); // opened before the write: no read held open
    Inserta(*b, 1, "desde b");
    EXPECT_EQ(Nombres(*a, "Gente"), QStringList{"desde b"});
    b->ejecuta("Update Gente Set Nombre = 'otra vez'");
    Inserta(*a, 2, "desde a");
    EXPECT_EQ(Nombres(*b, "Select * From Gente Order By Id"), (QStringList{"otra vez", "desde a"}));
    // A result set keeps its connection alive.
    auto rs = BaseDatos::Abre("Prueba")->abreConjunto("Gente");
    EXPECT_EQ(rs.cuenta(), 2);
}

TEST(Conexiones, UnConjuntoAbiertoNoRetieneNingunaLectura) {
    auto a = BaseDePrueba();
    for (int i = 1; i <= 3; ++i)
        Inserta(*a, i, QString("n%1").arg(i));
    auto rs = a->abreConjunto("Select * From Gente Order By Id");
    rs.siguiente();
    EXPECT_EQ(rs.entero("Id"), 2);
    for (sqlite3_stmt* s = sqlite3_next_stmt(a->conexion(), nullptr); s;
         s = sqlite3_next_stmt(a->conexion(), s))
        EXPECT_FALSE(sqlite3_stmt_busy(s)) << sqlite3_sql(s);
    // Meanwhile another connection writes and folds the whole log back into the file.
    auto b = BaseDatos::Abre("Prueba");
    Inserta(*b, 4, "n4");
    auto punto = b->abreConjunto("PRAGMA wal_checkpoint(TRUNCATE)");
    EXPECT_EQ(punto.valor(0).toInt(), 0) << "checkpoint blocked by a reader";
    EXPECT_EQ(QFileInfo("Prueba.mdb-wal").size(), 0);
    rs.siguiente();
    EXPECT_EQ(rs.texto("Nombre"), "n3");
    rs.edita();
    rs.asigna("Nombre", "tres");
    rs.actualiza();
    EXPECT_EQ(Nombres(*b, "Select * From Gente Where Id = 3"), QStringList{"tres"});
}

TEST(Transacciones, DeshaceSinConfirmarYAnidadaSeUne) {
    auto bd = BaseDePrueba();
    {
        BaseDatos::Transaccion t(*bd);
        Inserta(*bd, 1, "perdido");
    }
    EXPECT_EQ(bd->abreConjunto("Gente").cuenta(), 0);
    {
        BaseDatos::Transaccion fuera(*bd);
        {
            BaseDatos::Transaccion dentro(*bd);
            Inserta(*bd, 2, "guardado");
            dentro.confirma();
        }
        auto otra = BaseDatos::Abre("Prueba");
        EXPECT_EQ(otra->abreConjunto("Gente").cuenta(), 0); // not visible before the outer commit
        fuera.confirma();
    }
    EXPECT_EQ(BaseDatos::Abre("Prueba")->abreConjunto("Gente").cuenta(), 1);
}

TEST(Definiciones, CamposPorPosicionYCampoAgregado) {
    auto bd = BaseDePrueba();
    Inserta(*bd, 1, "viejo");
    bd->agregaCampo("gente", DefCampo("Nota", TipoCampo::Texto, 30));
    const DefTabla def = bd->definicionTabla("GENTE");
    ASSERT_EQ(def.cuenta(), 6);
    const std::vector<std::tuple<QString, TipoCampo, int>> esperado{
        {"Id", TipoCampo::Entero32, 0}, {"Nombre", TipoCampo::Texto, 12},   {"Corto", TipoCampo::Entero16, 0},
        {"Activo", TipoCampo::SiNo, 0}, {"Fecha", TipoCampo::FechaHora, 0}, {"Nota", TipoCampo::Texto, 30}};
    for (int i = 0; i < def.cuenta(); ++i) {
        EXPECT_EQ(def.campo(i).nombre, std::get<0>(esperado[i]));
        EXPECT_EQ(def.campo(i).tipo, std::get<1>(esperado[i]));
        EXPECT_EQ(def.campo(i).tamano, std::get<2>(esperado[i]));
    }
    EXPECT_TRUE(bd->abreConjunto("Gente").esNulo("nota"));
    EXPECT_THROW(bd->creaTabla(def), ErrorBD);
}

TEST(Lecturas, LasTresFormasVenLasMismasFilasYFechas) {
    auto bd = BaseDePrueba();
    struct Caso {
        QVariant asignado;
        QString guardado; // the text in the file
        QDate fecha;
        QTime hora;
    };
    // Summer-time changes and a year's edges: the wall-clock values never move.
    const std::vector<Caso> casos{
        {QDate(2026, 3, 29), "2026-03-29T00:00:00", {2026, 3, 29}, {0, 0}},
        {QDateTime(QDate(2026, 10, 25), QTime(2, 30)), "2026-10-25T02:30:00", {2026, 10, 25}, {2, 30}},
        {"31-12-2025", "2025-12-31T00:00:00", {2025, 12, 31}, {0, 0}},
        {QDate(2026, 1, 1), "2026-01-01T00:00:00", {2026, 1, 1}, {0, 0}},
        {QDate(2026, 3, 29), "2026-03-29T00:00:00", {2026, 3, 29}, {0, 0}}, // a date already seen
    };
    {
        BaseDatos::Transaccion t(*bd);
        auto rs = bd->abreConjunto("Gente");
        for (int i = 0; i < static_cast<int>(casos.size()); ++i) {
            rs.anade();
            rs.asigna("Id", i);
            rs.asigna("Nombre", QStringLiteral("N%1").arg(i));
            rs.asigna("Fecha", casos[static_cast<size_t>(i)].asignado);
            rs.actualiza();
        }
        t.confirma();
    }
    const QString sql = "Select * From Gente Order By Id";
    auto conjunto = bd->abreConjunto(sql);
    auto lectura = bd->abreLectura(sql);
    auto texto = bd->abreLectura("Select Fecha || '' As F From Gente Order By Id");
    size_t i = 0;
    bd->recorre(sql, [&](const ConjuntoRegistros& rs) {
        ASSERT_LT(i, casos.size());
        const Caso& c = casos[i];
        SCOPED_TRACE(c.guardado.toStdString());
        EXPECT_EQ(texto.texto("F"), c.guardado);
        for (const ConjuntoRegistros* r :
             std::initializer_list<const ConjuntoRegistros*>{&rs, &conjunto, &lectura}) {
            EXPECT_EQ(r->entero("Id"), static_cast<int>(i));
            EXPECT_EQ(r->texto("nombre"), QStringLiteral("N%1").arg(i));
            EXPECT_EQ(r->valor("Fecha").toDateTime().date(), c.fecha);
            EXPECT_EQ(r->valor("Fecha").toDateTime().time(), c.hora);
        }
        ++i;
        conjunto.siguiente();
        lectura.siguiente();
        texto.siguiente();
    });
    EXPECT_EQ(i, casos.size());
    EXPECT_TRUE(conjunto.eof());
    // A walk over no rows calls nothing; a bad query fails as any other.
    bd->recorre("Select * From Gente Where Id < 0", [](const ConjuntoRegistros&) { ADD_FAILURE(); });
    EXPECT_THROW(bd->recorre("Select * From Nadie", [](const ConjuntoRegistros&) {}), ErrorBD);
}
