// Correcting and deleting stored QSOs, against a real working database in the test's folder.
#include "BaseDatos.h"
#include "Correccion.h"
#include "Esquema.h"
#include "Falsos.h"
#include "Renumeracion.h"

#include <gtest/gtest.h>
#include <QFile>

#include <sqlite3.h>

namespace {

constexpr int kConcurso = 7;

Qso Contacto(int n) {
    Qso q;
    q.numeroOrden = kConcurso;
    q.numeroQso = n;
    q.fecha = QDate(2026, 3, 14);
    q.hora = QStringLiteral("10:%1").arg(n, 2, 10, QLatin1Char('0'));
    q.banda = "14";
    q.modo = "CW";
    q.indicativo = QStringLiteral("EA1AA%1").arg(n);
    q.rstEnviado = q.rstRecibido = "599";
    q.numeralEnviado = QStringLiteral("%1").arg(n, 4, 10, QLatin1Char('0'));
    q.numeralRecibido = "0012";
    return q;
}

// A log of `cuantos` QSOs in contest 7 and one QSO of another contest, which nothing may touch.
class Log : public testing::Test {
protected:
    void SetUp() override {
        CreaTodasLasTablas();
        ASSERT_TRUE(QFile::rename(NombreBaseEsquema, NombreBaseDatos));
        bd = BaseDatos::Abre(NombreBaseDatos);
        bd->ejecuta(QStringLiteral("Insert Into Concursos (NumeroOrden, NombreConcurso, UltimoNumEnviado) "
                                   "Values (%1, 'PRUEBA', 10)")
                        .arg(kConcurso));
        llena(10);
        Qso otro = Contacto(5);
        otro.numeroOrden = 8;
        guarda(otro);
    }
    // A fresh log in place of the one there.
    void reinicia() {
        bd.reset();
        for (const char* sufijo : {"", "-wal", "-shm"})
            QFile::remove(NombreBaseDatos + sufijo);
        SetUp();
    }
    void llena(int cuantos) {
        for (int n = 1; n <= cuantos; ++n)
            guarda(Contacto(n));
    }
    void guarda(const Qso& q) {
        ConjuntoRegistros rs = bd->abreConjunto("Contactos");
        rs.anade();
        EscribeQso(rs, q);
        rs.actualiza();
    }
    // Every stored QSO, in storage order, and the contest's last number.
    std::vector<Qso> contactos() {
        std::vector<Qso> v;
        for (ConjuntoRegistros rs = bd->abreConjunto("Contactos"); !rs.eof(); rs.siguiente())
            v.push_back(LeeQso(rs));
        return v;
    }
    ConjuntoRegistros concurso() {
        return bd->abreConjunto(
            QStringLiteral("Select * From Concursos Where NumeroOrden = %1").arg(kConcurso));
    }
    int ultimoNumEnviado() { return concurso().entero("UltimoNumEnviado"); }
    ResultadoEscritura borra(int numeroQso) { return EliminaYRenumera(*bd, kConcurso, numeroQso); }
    std::shared_ptr<BaseDatos> bd;
};

TEST_F(Log, UnaCorreccionReescribeElContactoYConservaSuNumero) {
    struct Caso {
        const char* nombre;
        void (*cambia)(Qso&);
    };
    const Caso casos[] = {
        {"fecha posterior al último", [](Qso& q) { q.fecha = QDate(2026, 3, 20); }},
        {"hora vaciada", [](Qso& q) { q.hora.clear(); }},
        {"indicativo y controles",
         [](Qso& q) {
             q.indicativo = "EA4ZZ/P";
             q.literalRecibido = "M";
             q.numeralRecibido = "0099";
         }},
        {"sin fecha", [](Qso& q) { q.fecha = QDate(); }},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nombre);
        std::vector<Qso> esperado = contactos();
        Qso q = Contacto(3);
        c.cambia(q);
        const ResultadoEscritura r = ReescribeContacto(*bd, q);
        EXPECT_TRUE(r.hecho) << r.mensaje.toStdString();
        esperado[2] = q;
        EXPECT_EQ(contactos(), esperado);
        EXPECT_EQ(LeeContactoGuardado(*bd, kConcurso, 3), q);
        EXPECT_EQ(ultimoNumEnviado(), 10);
    }
}

TEST_F(Log, LaFrecuenciaDelEquipoSigueMientrasNoCambiaLaBanda) {
    ActualizaTablasContactos(*bd);
    Qso radio = Contacto(11);
    radio.frecuencia = "14025000";
    guarda(radio);
    // The correction's QSO comes from the typed fields, which hold no frequency.
    Qso q = Contacto(11);
    q.indicativo = "EA4ZZ";
    ASSERT_TRUE(ReescribeContacto(*bd, q));
    EXPECT_EQ(LeeContactoGuardado(*bd, kConcurso, 11)->frecuencia, "14025000");
    q.banda = "7";
    ASSERT_TRUE(ReescribeContacto(*bd, q));
    EXPECT_EQ(LeeContactoGuardado(*bd, kConcurso, 11), q);
}

TEST_F(Log, ElContactoGuardadoDeshaceLasEdicionesSinGuardar) {
    EXPECT_EQ(LeeContactoGuardado(*bd, kConcurso, 4), Contacto(4));
    EXPECT_EQ(LeeContactoGuardado(*bd, 8, 5)->numeroOrden, 8);
    EXPECT_EQ(LeeContactoGuardado(*bd, kConcurso, 11), std::nullopt);
}

TEST_F(Log, BorrarElQuintoDeDiezDejaNueveNumeradosDeUnoANueve) {
    const ResultadoEscritura r = borra(5);
    ASSERT_TRUE(r.hecho) << r.mensaje.toStdString();
    std::vector<Qso> quedan;
    for (const Qso& q : contactos())
        if (q.numeroOrden == kConcurso) quedan.push_back(q);
    ASSERT_EQ(quedan.size(), 9u);
    for (size_t i = 0; i < quedan.size(); ++i) {
        const int antiguo = i < 4 ? int(i) + 1 : int(i) + 2;
        Qso esperado = Contacto(antiguo);
        esperado.numeroQso = int(i) + 1; // the serial sent stays as it was
        EXPECT_EQ(quedan[i], esperado);
    }
    EXPECT_EQ(ultimoNumEnviado(), 10); // serial 10 was sent: the next one sends 11
    EXPECT_EQ(LeeContactoGuardado(*bd, 8, 5)->indicativo, "EA1AA5");
}

TEST_F(Log, UnContactoQueNoEstaOEstaRepetidoNoSeToca) {
    Qso repetido = Contacto(6);
    repetido.indicativo = "EA9ZZ";
    guarda(repetido);
    const std::vector<Qso> antes = contactos();
    Qso q = Contacto(6);
    q.indicativo = "EA3XX";
    EXPECT_EQ(ReescribeContacto(*bd, q).mensaje,
              "Hay 2 contactos con el número 6: pulse [F9] para ordenar el log y repita la operación");
    EXPECT_FALSE(borra(6).hecho);
    q.numeroQso = 42;
    EXPECT_EQ(ReescribeContacto(*bd, q).mensaje, "El contacto 42 ya no está en el log");
    EXPECT_FALSE(borra(42).hecho);
    EXPECT_EQ(contactos(), antes);
}

// Every refusal of the engine leaves each row as it was and comes back with the engine's message.
TEST_F(Log, UnaEscrituraRechazadaDejaElLogComoEstaba) {
    enum class Op { Correccion, Borrado };
    struct Caso {
        const char* nombre;
        Op op;
        const char* preparacion; // SQL run on the test's own connection first
        const char* mensaje;     // part of the engine's message
        bool bloqueada = false;  // another connection holds the write lock
    };
    const Caso casos[] = {
        {"corrección que un disparador rechaza", Op::Correccion,
         "CREATE TRIGGER falla BEFORE UPDATE ON Contactos BEGIN SELECT RAISE(ABORT, 'disco lleno'); END",
         "disco lleno"},
        {"borrado que un disparador rechaza", Op::Borrado,
         "CREATE TRIGGER falla BEFORE DELETE ON Contactos BEGIN SELECT RAISE(ABORT, 'disco lleno'); END",
         "disco lleno"},
        {"renumeración rechazada a medias", Op::Borrado,
         "CREATE TRIGGER falla BEFORE UPDATE ON Contactos WHEN NEW.NumeroQso = 7 "
         "BEGIN SELECT RAISE(ABORT, 'disco lleno'); END",
         "disco lleno"},
        {"último número rechazado", Op::Borrado,
         "CREATE TRIGGER falla BEFORE UPDATE ON Concursos BEGIN SELECT RAISE(ABORT, 'disco lleno'); END",
         "disco lleno"},
        {"base de solo lectura, corrección", Op::Correccion, "PRAGMA query_only = 1", "readonly"},
        {"base de solo lectura, borrado", Op::Borrado, "PRAGMA query_only = 1", "readonly"},
        {"base bloqueada, corrección", Op::Correccion, "", "locked", true},
        {"base bloqueada, borrado", Op::Borrado, "", "locked", true},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nombre);
        reinicia();
        const std::vector<Qso> antes = contactos();
        if (*c.preparacion) bd->ejecuta(c.preparacion);
        std::shared_ptr<BaseDatos> otra;
        if (c.bloqueada) {
            otra = BaseDatos::Abre(NombreBaseDatos);
            otra->ejecuta("BEGIN IMMEDIATE");
            sqlite3_busy_timeout(bd->conexion(), 1);
        }
        Qso q = Contacto(3);
        q.fecha = QDate(2026, 4, 1);
        const ResultadoEscritura r = c.op == Op::Correccion ? ReescribeContacto(*bd, q) : borra(5);
        EXPECT_FALSE(r.hecho);
        EXPECT_TRUE(r.mensaje.contains(c.mensaje)) << r.mensaje.toStdString();
        const Aviso a = AvisoEscrituraRechazada(r);
        EXPECT_EQ(a.texto, r.mensaje);
        EXPECT_EQ(a.icono, Icono::Critico);
        if (otra) otra->ejecuta("ROLLBACK");
        bd->ejecuta("PRAGMA query_only = 0");
        bd->ejecuta("DROP TRIGGER IF EXISTS falla");
        EXPECT_EQ(contactos(), antes);
        EXPECT_EQ(ultimoNumEnviado(), 10);
    }
}

TEST(PreguntaBorrado, PreguntaSiNoConNoPorDefecto) {
    const Aviso a = PreguntaBorrado();
    EXPECT_EQ(a.texto, "De verdad quiere BORRAR este Contacto");
    EXPECT_EQ(a.titulo, "VERIFICAR BORRADO DE CONTACTO");
    EXPECT_EQ(a.icono, Icono::Critico);
    EXPECT_EQ(a.botones, Botones::SiNo);
    EXPECT_EQ(a.porDefecto, Respuesta::No);
}

} // namespace
