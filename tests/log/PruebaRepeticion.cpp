// The repeat rules: the decision, the interval and the look-up over a real log.
#include "Repeticion.h"

#include "BaseDatos.h"
#include "Esquema.h"
#include "Falsos.h"

#include <gtest/gtest.h>
#include <QProcess>

namespace {

using C = Columna;
using R = Repeticion;

TEST(DecideRepeticion, CadaCombinacionDeLasTresReglas) {
    constexpr R P = R::Permitida, X = R::Prohibida, H = R::SegunHoras;
    // banda, modo, horas: same band and mode, same band other mode, other band same mode, both other
    const std::tuple<bool, bool, bool, R, R, R, R> tabla[] = {
        {false, false, false, P, P, P, P}, {false, false, true, H, H, H, H}, {false, true, false, X, P, X, P},
        {false, true, true, H, P, H, P},   {true, false, false, X, X, P, P}, {true, false, true, H, H, P, P},
        {true, true, false, X, P, P, P},   {true, true, true, H, P, P, P},
    };
    for (const auto& [b, m, h, mismos, otroModo, otraBanda, otros] : tabla) {
        SCOPED_TRACE(testing::Message() << b << m << h);
        EXPECT_EQ(DecideRepeticion(b, m, h, true, true), mismos);
        EXPECT_EQ(DecideRepeticion(b, m, h, true, false), otroModo);
        EXPECT_EQ(DecideRepeticion(b, m, h, false, true), otraBanda);
        EXPECT_EQ(DecideRepeticion(b, m, h, false, false), otros);
    }
}

QDateTime En(int dia, const char* hora) {
    return QDateTime(QDate(2026, 3, dia), QTime::fromString(QString::fromLatin1(hora), "hh:mm"));
}

TEST(VerRepetirEnCadaHoras, Intervalos) {
    struct {
        const char* horas;
        int dia0;
        const char* hora0;
        int dia;
        const char* hora;
        bool prohibida;
    } const casos[] = {
        {"01:30", 15, "10:00", 15, "11:29", true},  {"01:30", 15, "10:00", 15, "11:30", false},
        {"23:59", 15, "23:00", 16, "00:05", false}, {"23:59", 15, "23:00", 15, "23:30", true},
        {"23:59", 15, "00:00", 15, "23:59", true},  {"12:00", 15, "09:00", 15, "23:59", true},
        {"12:00", 15, "09:00", 16, "00:00", false}, {"24", 15, "10:00", 16, "09:59", true},
        {"24", 15, "10:00", 16, "10:00", false},    {"01:30", 15, "10:00", 14, "23:00", true},
        {"23:59", 15, "10:00", 10, "12:00", true},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(testing::Message() << c.horas << " " << c.hora);
        EXPECT_EQ(VerRepetirEnCadaHoras(En(c.dia, c.hora), QDate(2026, 3, c.dia0), c.hora0, c.horas),
                  c.prohibida);
    }
    EXPECT_EQ(MinutosIntervalo("01:30"), 90);
    EXPECT_EQ(MinutosIntervalo("24"), 1440);
}

class BuscaRepeticionPrueba : public testing::Test {
protected:
    void SetUp() override {
        CreaTablaConcursos();
        CreaTablaContactos();
        bd = BaseDatos::Abre(NombreBaseEsquema);
        IndexaContactos(*bd);
        reglas.numeroOrden = 1;
        fila[C::FechaQso] = "15-03-2026";
        fila[C::HoraQso] = "1129";
        fila[C::Banda] = "14";
        fila[C::Modo] = "SSB";
    }
    void qso(int orden, int numero, const char* indicativo, const char* banda, const char* hora,
             const char* modo = "SSB", int dia = 15) {
        auto rs = bd->abreConjunto("Contactos");
        rs.anade();
        Qso q;
        q.numeroOrden = orden;
        q.numeroQso = numero;
        q.fecha = QDate(2026, 3, dia);
        q.hora = hora;
        q.banda = banda;
        q.modo = modo;
        q.indicativo = indicativo;
        q.literalRecibido = "M";
        q.numeralRecibido = QString::number(numero);
        EscribeQso(rs, q);
        rs.actualiza();
    }
    ResultadoRepeticion busca(const QString& indicativo = "EA1ABC") {
        return BuscaRepeticion(*bd, reglas, indicativo, fila, true);
    }
    std::shared_ptr<BaseDatos> bd;
    ReglasContacto reglas;
    TextosFila fila;
};

TEST_F(BuscaRepeticionPrueba, ReglasSobreElLog) {
    qso(1, 1, "EA1ABC", "7", "08:00", "CW");
    qso(2, 2, "EA1ABC", "14", "09:00"); // another contest
    qso(1, 3, "EA2XYZ", "14", "09:30");
    qso(1, 4, "EA1ABC", "14", "10:00");
    qso(1, 5, "EA1ABC", "21", "10:10");

    reglas.repetirEstacion = true;
    reglas.noRepetir = true;
    EXPECT_FALSE(busca().encontrado);

    reglas.repetirEstacion = false;
    auto todas = busca();
    ASSERT_TRUE(todas.encontrado);
    EXPECT_EQ(todas.lineas,
              QStringList({"15-03-2026 08:00 7 CW", "15-03-2026 10:00 14 SSB", "15-03-2026 10:10 21 SSB"}));
    EXPECT_EQ(todas.numeroQso, 5);
    EXPECT_EQ(todas.horaQso, "11:29");

    reglas.noRepetir = false;
    reglas.repetirEnCadaBanda = true;
    auto banda = busca();
    EXPECT_EQ(banda.lineas, QStringList({"15-03-2026 10:00 14 SSB"}));
    fila[C::Banda] = "7";
    EXPECT_EQ(busca().lineas, QStringList({"15-03-2026 08:00 7 CW"}));

    reglas.repetirEnCadaBanda = false;
    reglas.repetirEnCadaHoras = true;
    reglas.horasRepeticion = "01:30";
    EXPECT_EQ(busca().lineas, QStringList({"15-03-2026 10:00 14 SSB", "15-03-2026 10:10 21 SSB"}));
    fila[C::HoraQso] = "11:30";
    EXPECT_EQ(busca().lineas, QStringList({"15-03-2026 10:10 21 SSB"}));
    fila[C::HoraQso] = "11:40";
    EXPECT_FALSE(busca().encontrado);
}

TEST_F(BuscaRepeticionPrueba, PanelDelUltimoProhibido) {
    qso(1, 1, "EA1ABC", "14", "10:00", "CW");
    qso(1, 2, "EA1ABC", "14", "10:05", "SSB");
    reglas.noRepetir = true;
    reglas.numeraloSiglas = true;
    fila[C::Modo] = "CW";
    const auto r = busca();
    ASSERT_TRUE(r.encontrado);
    EXPECT_EQ(r.campos[static_cast<size_t>(C::FechaQso)], "15-03-2026");
    EXPECT_EQ(r.campos[static_cast<size_t>(C::HoraQso)], "10:05");
    EXPECT_EQ(r.campos[static_cast<size_t>(C::ControlRec)], "M");
    EXPECT_EQ(r.campos[static_cast<size_t>(C::NumeralRecibido)], "2");
    EXPECT_TRUE(r.bandaIgual);
    EXPECT_FALSE(r.modoIgual);
}

TEST_F(BuscaRepeticionPrueba, HoraRechazadaYTextosRaros) {
    qso(1, 1, "O'BRIEN", "14", "10:00");
    reglas.noRepetir = true;
    fila[C::HoraQso] = "25:00";
    AvisosFalsos avisos;
    auto mala = busca("O'BRIEN");
    EXPECT_FALSE(mala.encontrado);
    ASSERT_TRUE(mala.avisoHora);
    EXPECT_EQ(mala.avisoHora->titulo, "VERIFICAR HORA");
    EXPECT_TRUE(avisos.cajas.empty()); // the window shows it

    fila[C::HoraQso] = "12.30"; // refused without a word by the time check, still explained here
    ASSERT_TRUE(busca().avisoHora);

    fila[C::HoraQso] = "10:30";
    EXPECT_TRUE(busca("O'BRIEN").encontrado);
    for (const QString& raro : {QString("' OR 1=1 --"), QString("\"%_*"), QString(QChar(0)) + "X",
                                QString(500, u'Ж'), QString("\x01\x02\r\n")})
        EXPECT_FALSE(busca(raro).encontrado);
    EXPECT_FALSE(BuscaRepeticion(*bd, reglas, "O'BRIEN", fila, false).encontrado); // empty log
}

TEST_F(BuscaRepeticionPrueba, ElIndiceOrdenadoPorLaColacionSeQuita) {
    qso(1, 1, "EA1ABC", "14", "10:00");
    bd->ejecuta("CREATE INDEX ContactosPorIndicativo_0_0_0_0 ON Contactos (NumeroOrden, Indicativo)");
    IndexaContactos(*bd);
    IndexaContactos(*bd);
    EXPECT_THROW(bd->ejecuta("DROP INDEX ContactosPorIndicativo_0_0_0_0"), ErrorBD);
    reglas.noRepetir = true;
    fila[C::HoraQso] = "10:30";
    EXPECT_EQ(busca("ea1abc").lineas, QStringList({"15-03-2026 10:00 14 SSB"}));
}

} // namespace

namespace {
TEST_F(BuscaRepeticionPrueba, ElSqlite3EstandarNoVeCorrupcionNiSuReindexQuitaRepeticiones) {
    // Stored by another tool: in the traditional Spanish order CH, LL and Ñ are letters of their own.
    const QStringList indicativos{"EA4CHA", "EA4CZZ", "EA4DA", "EA4LLZ", "EA4LZZ", "EA4MA",
                                  "EA4ÑA",  "EA4NZ",  "EA4OA", "EA4ÁB",  "EA4AC"};
    for (int i = 0; i < indicativos.size(); ++i)
        qso(1, i + 1, qPrintable(indicativos[i]), "14", "10:00");
    // The callsign index as older versions left it, ordered by the program's NOCASE.
    bd->ejecuta("CREATE INDEX ContactosPorIndicativo_0_0_0_0 ON Contactos (NumeroOrden, Indicativo)");
    IndexaContactos(*bd);
    QProcess sqlite;
    sqlite.start("sqlite3", {NombreBaseEsquema, "PRAGMA integrity_check; REINDEX; PRAGMA integrity_check;"});
    if (!sqlite.waitForStarted()) GTEST_SKIP() << "sqlite3 no está instalado";
    ASSERT_TRUE(sqlite.waitForFinished());
    EXPECT_EQ(QString::fromUtf8(sqlite.readAllStandardOutput()), "ok\nok\n")
        << sqlite.readAllStandardError().toStdString();
    reglas.noRepetir = true;
    fila[C::HoraQso] = "10:30";
    for (const QString& indicativo : indicativos)
        EXPECT_TRUE(busca(indicativo).encontrado) << indicativo.toStdString();
}
} // namespace
