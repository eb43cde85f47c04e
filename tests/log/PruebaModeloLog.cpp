// The log's rules and data without a window: browsing, renumbering, storing, the entry line's
// preparation and the opening checks.
#include "Apertura.h"
#include "AyudasLog.h"
#include "Contactos.h"
#include "Entrada.h"
#include "Esquema.h"
#include "Formatos.h"
#include "HoraUTC.h"
#include "Navegacion.h"
#include "Renumeracion.h"

#include <gtest/gtest.h>
#include <QFile>
#include <QTimeZone>

#include <functional>

using T = NavegacionLog::Tecla;

TEST(NavegacionLog, CadaTeclaDejaLaFilaYLaPosicionDescritas) {
    struct Caso {
        int total;
        std::vector<T> teclas; // browsing: the entry line is never typed into here
        int fila, posicion, pitidos;
        const char* que;
    };
    const std::vector<Caso> casos{
        {25, {}, 2, 25, 0, "25 QSOs: page three, QSO 25 in row 2"},
        {25, {T::Abajo}, 3, 26, 0, "down opens the entry line in row 3"},
        {22, {T::Abajo}, 0, 23, 0, "22 QSOs: the entry line on an empty page"},
        {22, {T::Abajo, T::Arriba}, 10, 22, 0, "up from there shows 12 to 22, QSO 22 current"},
        {5, {T::RePag}, 4, 5, 1, "page up on page one beeps"},
        {25, {T::RePag}, 10, 22, 0, "page up shows the previous page, its last QSO current"},
        {25, {T::AvPag}, 2, 25, 1, "page down on the last page beeps"},
        {25, {T::RePag, T::Arriba, T::AvPag}, 0, 23, 0, "page down from row 9 shows the next page"},
        {25, {T::Inicio, T::AvPag, T::AvPag}, 0, 23, 0, "home then page down twice"},
        {25, {T::Inicio, T::AvPag, T::AvPag, T::AvPag}, 0, 23, 1, "no page after the last"},
        {25, {T::Inicio}, 0, 1, 0, "home: QSO 1"},
        {25, {T::Inicio, T::Arriba}, 0, 1, 1, "up on QSO 1 beeps"},
        {25, {T::Fin}, 0, 23, 0, "end: the first QSO of the last page"},
        {22, {T::Fin}, 0, 12, 0, "end on a full last page"},
        {12, {T::Arriba}, 10, 11, 0, "up from row 0 shows the previous page"},
        {11, {T::Inicio, T::Abajo, T::Abajo}, 2, 3, 0, "down walks the page"},
        {12, {T::Inicio, T::AvPag, T::Arriba, T::Abajo}, 0, 12, 0, "down from row 10 turns the page"},
        {0, {}, 0, 1, 0, "an empty log stands on its entry line"},
        {0, {T::Arriba}, 0, 1, 1, "up on an empty log beeps"},
        {0, {T::Arriba, T::RePag, T::AvPag, T::Inicio, T::Fin}, 0, 1, 5, "paging an empty log beeps"},
        {0, {T::Arriba, T::Abajo}, 0, 1, 2, "down on the entry line of an empty log beeps"},
    };
    for (const Caso& c : casos) {
        NavegacionLog n;
        n.cargaContactos(c.total);
        int pitidos = 0;
        for (T t : c.teclas)
            pitidos += n.tecla(t, false).pita;
        EXPECT_EQ(n.FilaActual, c.fila) << c.que;
        EXPECT_EQ(n.PosicionActual, c.posicion) << c.que;
        EXPECT_EQ(pitidos, c.pitidos) << c.que;
        EXPECT_EQ((n.PosicionActual - n.FilaActual - 1) % NavegacionLog::NumeroFilas, 0) << c.que;
    }
}

TEST(NavegacionLog, EnAltaSoloPitanSalvoFlechaArriba) {
    for (T t : {T::RePag, T::AvPag, T::Inicio, T::Fin, T::Abajo}) {
        NavegacionLog n;
        n.cargaContactos(25);
        n.tecla(T::Abajo, false);
        const auto p = n.tecla(t, true);
        EXPECT_TRUE(p.pita);
        EXPECT_FALSE(p.llenaPagina || p.abreLinea || p.borraPantalla);
        EXPECT_EQ(n.PosicionActual, 26);
    }
    NavegacionLog n;
    n.cargaContactos(25);
    n.tecla(T::Abajo, false);
    const auto p = n.tecla(T::Arriba, true);
    EXPECT_TRUE(p.dejaLinea);
    EXPECT_EQ(n.PosicionActual, 25);
}

namespace {
std::vector<int> Numeros(BaseDatos& bd) {
    std::vector<int> v;
    for (const Qso& q : QsosGuardados(bd))
        v.push_back(q.indicativo.mid(2).chopped(2).toInt());
    return v;
}
} // namespace

TEST(RenumeraContactos, OrdenaPorFechaHoraSerieYNumeroViejo) {
    auto bd = CreaBaseConConcurso("CNCW");
    AnadeQsos(*bd, 6);
    // QSO 2 moved before QSO 1; QSOs 4 and 5 at one time, serials "9" and "10" (by value, not as
    // text); QSO 6 in the same minute as 4 with the same serial: the old number decides.
    bd->ejecuta("UPDATE Contactos SET Hora = '09:00' WHERE NumeroQso = 2");
    bd->ejecuta("UPDATE Contactos SET Hora = '11:00', NumeralEnviado = '9' WHERE NumeroQso IN (4, 6)");
    bd->ejecuta("UPDATE Contactos SET Hora = '11:00', NumeralEnviado = '10' WHERE NumeroQso = 5");
    bd->ejecuta("CREATE TEMP TABLE Cambios (n INTEGER)");
    bd->ejecuta("CREATE TEMP TRIGGER Cuenta AFTER UPDATE OF NumeroQso ON Contactos BEGIN "
                "INSERT INTO Cambios VALUES (NEW.NumeroQso); END");
    EXPECT_EQ(RenumeraContactos(*bd, 5), 6);
    EXPECT_EQ(Numeros(*bd), (std::vector<int>{2, 1, 3, 4, 6, 5}));
    EXPECT_EQ(UltimoNumEnviado(*bd), 6);
    // Only the four numbers that changed were written; a second run writes none.
    EXPECT_EQ(bd->abreConjunto("Select count(*) From Cambios").valor(0).toInt(), 4);
    RenumeraContactos(*bd, 5);
    EXPECT_EQ(bd->abreConjunto("Select count(*) From Cambios").valor(0).toInt(), 4);
}

TEST(RenumeraContactos, UnFalloAMitadDejaCadaNumeroComoEstaba) {
    auto bd = CreaBaseConConcurso("CNCW");
    AnadeQsos(*bd, 10);
    bd->ejecuta("UPDATE Contactos SET Hora = '23:00' WHERE NumeroQso = 1"); // all but none move
    bd->ejecuta("UPDATE Concursos SET UltimoNumEnviado = 3 WHERE NumeroOrden = 5");
    const auto antes = QsosGuardados(*bd);
    bd->ejecuta("CREATE TEMP TABLE Cambios (n INTEGER)");
    bd->ejecuta("CREATE TEMP TRIGGER Falla BEFORE UPDATE OF NumeroQso ON Contactos BEGIN "
                "INSERT INTO Cambios VALUES (1); "
                "SELECT RAISE(ABORT, 'disco lleno') WHERE (SELECT count(*) FROM Cambios) >= 5; END");
    try {
        RenumeraContactos(*bd, 5);
        FAIL() << "no error";
    } catch (const ErrorBD& e) {
        EXPECT_TRUE(e.mensaje().contains("disco lleno")) << e.mensaje().toStdString();
    }
    EXPECT_EQ(QsosGuardados(*bd), antes);
    EXPECT_EQ(UltimoNumEnviado(*bd), 3);
}

TEST(LogContactos, GrabaLeePaginasYQuitaMarcadores) {
    auto bd = CreaBaseConConcurso("CNCW");
    AnadeQsos(*bd, 25);
    LogContactos log(bd, 5);
    log.abre();
    EXPECT_EQ(log.total(), 25);
    const auto pagina = log.lee(23, 25);
    ASSERT_EQ(pagina.size(), 3u);
    EXPECT_EQ(pagina[0].indicativo, "EA23XX");

    Qso q = pagina[2];
    EXPECT_EQ(log.siguienteNumero(), 26);
    q.numeroQso = 26;
    q.banda = "7";
    q.numeralEnviado = "0000";
    q.literalRecibido = "-";
    log.graba(q);
    EXPECT_EQ(log.total(), 26);
    EXPECT_EQ(log.leeOrdinal(26), q);
    EXPECT_EQ(UltimoNumEnviado(*bd), 26);
    EXPECT_EQ(log.ultimoNumeroBanda("7"), 0);
    EXPECT_EQ(log.ultimoNumeroBanda("14"), 25);
    EXPECT_EQ(log.ultimoNumeroBanda("28"), 0);
    EXPECT_EQ(log.ultimoNumeroRecibido(), 125);

    // A refused store leaves the file, the log and its counter as they were, whichever of its two
    // writes is refused: the QSO and the counter go in one transaction.
    for (const char* disparador :
         {"BEFORE INSERT ON Contactos", "BEFORE UPDATE OF UltimoNumEnviado ON Concursos"}) {
        bd->ejecuta(QStringLiteral("CREATE TEMP TRIGGER Falla %1 BEGIN SELECT RAISE(ABORT, 'bloqueada'); END")
                        .arg(QLatin1String(disparador)));
        q.numeroQso = 27;
        EXPECT_THROW(log.graba(q), ErrorBD) << disparador;
        EXPECT_EQ(log.total(), 26);
        EXPECT_EQ(QsosGuardados(*bd).size(), 26u) << disparador;
        EXPECT_EQ(UltimoNumEnviado(*bd), 26);
        EXPECT_EQ(log.siguienteNumero(), 27) << disparador;
        bd->ejecuta("DROP TRIGGER Falla");
    }

    log.quitaMarcadores();
    const Qso ultimo = log.leeOrdinal(26);
    EXPECT_EQ(ultimo.numeralEnviado, "");
    EXPECT_EQ(ultimo.literalRecibido, "");
    EXPECT_EQ(log.leeOrdinal(25).numeralEnviado, "0025");
}

TEST(PreparaEnvio, FijaLoQueSeEnviaYBloqueaLoQueNoSeTeclea) {
    auto texto = [](const Preparacion& p, Columna c) { return p.texto[static_cast<size_t>(Indice(c))]; };
    auto bloqueo = [](const Preparacion& p, Columna c) { return p.bloqueo[static_cast<size_t>(Indice(c))]; };
    FilaConcurso d;
    d.enviarNumeral = true;
    d.ultimoNumEnviado = 41;
    Preparacion p = PreparaEnvio(d, {});
    EXPECT_EQ(texto(p, Columna::NumeralEnviado), "0042");
    EXPECT_EQ(bloqueo(p, Columna::NumeralEnviado), false);
    EXPECT_EQ(texto(p, Columna::RsRecibido), "599"); // no RecibirRst
    EXPECT_EQ(bloqueo(p, Columna::RsRecibido), true);
    EXPECT_EQ(texto(p, Columna::NumeralRecibido), "0");

    p = PreparaEnvio(d, {.numeracionPorBanda = true, .ultimoSerieBanda = 0});
    EXPECT_EQ(texto(p, Columna::NumeralEnviado), "0001");
    EXPECT_FALSE(bloqueo(p, Columna::NumeralEnviado).has_value());

    d.enviarSiglas = true;
    d.siglas = "M";
    EXPECT_EQ(texto(PreparaEnvio(d, {}), Columna::LiteralEnviado), "M");
    d.nombreConcurso = "LZ-OPEN-CW";
    EXPECT_EQ(texto(PreparaEnvio(d, {.ultimoNumeroRecibido = [] { return 0; }}), Columna::LiteralEnviado),
              "0000");
    EXPECT_EQ(texto(PreparaEnvio(d, {.ultimoNumeroRecibido = [] { return 7; }}), Columna::LiteralEnviado),
              "0007");
    d.nombreConcurso = "BARTG-RTTY";
    EXPECT_EQ(texto(PreparaEnvio(d, {.horaQso = "12:30"}), Columna::LiteralEnviado), "1230");
    EXPECT_EQ(texto(PreparaEnvio(d, {.horaQso = ""}), Columna::LiteralEnviado), "");
    d.literalVariable = true;
    EXPECT_FALSE(texto(PreparaEnvio(d, {}), Columna::LiteralEnviado).has_value());
}

TEST(Entrada, ReporteHoraUTCYMuestraDeUnQso) {
    NombresUser n;
    n.tipos[0] = "57";
    EXPECT_EQ(RstPorDefecto("SSB", 4, true, n, ""), "59");
    EXPECT_EQ(RstPorDefecto("PACKET", 7, true, n, ""), "599");
    EXPECT_EQ(RstPorDefecto("AM", 0, true, n, ""), "");
    EXPECT_EQ(RstPorDefecto("AM", 0, true, n, "59"), "59");
    EXPECT_EQ(RstPorDefecto("PSK", 8, true, n, ""), "57");
    // The clock's own offset: Madrid in summer, the Canaries, a machine on UTC.
    const QDateTime verano(QDate(2026, 7, 15), QTime(12, 0), QTimeZone("Europe/Madrid"));
    const QDateTime canarias(QDate(2026, 7, 15), QTime(12, 0), QTimeZone("Atlantic/Canary"));
    const QDateTime utc(QDate(2026, 7, 15), QTime(12, 0), QTimeZone::utc());
    EXPECT_EQ(DesfaseUTCEn(verano), -2);
    EXPECT_EQ(DesfaseUTCEn(canarias), -1);
    EXPECT_EQ(DesfaseUTCEn(utc), 0);
    const MomentoQso m =
        MomentoEntrada(QDateTime(QDate(2026, 1, 1), QTime(0, 30), QTimeZone("Europe/Madrid")).toUTC());
    EXPECT_EQ(m.fecha, "31-12-2025");
    EXPECT_EQ(m.hora, "23:30");

    Qso q;
    q.numeroQso = 3;
    q.hora = "";
    q.numeralRecibido = "12";
    q.numeralEnviado = "-";
    q.literalRecibido = "M";
    const auto t = TextosDeQso(q, true);
    EXPECT_FALSE(t[Indice(Columna::FechaQso)].has_value()); // an empty date leaves the column
    EXPECT_EQ(t[Indice(Columna::HoraQso)], "");             // an empty time empties it
    EXPECT_EQ(t[Indice(Columna::NumeralRecibido)], "0012");
    EXPECT_EQ(t[Indice(Columna::NumeralEnviado)], "-");
    EXPECT_EQ(t[Indice(Columna::ControlRec)], "M");
    EXPECT_EQ(NombreAccesible(Columna::Indicativo, 3), "INDICATIVO fila 3");
    EXPECT_EQ(NombreAccesible(Columna::RsRecibido, 3), "RST recibido fila 3");
}

TEST(CompruebaApertura, LasNueveComprobacionesEnSuOrden) {
    struct Caso {
        DatosApertura d;
        const char* titulo; // nullptr: the log opens
        Icono icono;
        bool pita;
        const char* comienzo;
    };
    auto con = [](auto f) {
        DatosApertura d;
        d.hayIndicativo = true;
        f(d);
        return d;
    };
    const std::vector<Caso> casos{
        {DatosApertura{}, "CONFIGURE ALGÚN INDICATIVO", Icono::Informacion, false,
         "No hay ningún INDICATIVO"},
        {con([](auto& d) { d.EnviarLocator = true, d.MiLocator = "  "; }), "", Icono::Ninguno, false,
         "Falta el LOCATOR."},
        {con([](auto& d) { d.EnviarLocator = true, d.MiLocator = "ZZ99"; }), "VERIFICAR LOCATOR CONCURSO",
         Icono::Critico, false, "LOCATOR no válido."},
        {con([](auto& d) { d.EnviarSiglas = d.LiteralFijo = true; }), "VERIFICAR LETRAS A ENVIAR",
         Icono::Critico, true, "   .- FALTAN los códigos"},
        {con([](auto& d) { d.EnviarSiglas = true, d.Siglas = "M B"; }), "VERIFICAR LETRAS A ENVIAR",
         Icono::Critico, true, "   .- No se puede dejar espacios"},
        {con([](auto& d) { d.EnviarZonaCq = true; }), "VERIFICAR ZONA CQ", Icono::Critico, true,
         "   .- FALTA la ZONA CQ PROPIA."},
        {con([](auto& d) { d.EnviarZonaCq = true, d.Siglas = "1 4"; }), "VERIFICAR ZONA A ENVIAR",
         Icono::Critico, true, "   .- No se puede haber espacios"},
        {con([](auto& d) { d.EnviarZonaCq = true, d.Siglas = "14A"; }), "VERIFICAR ZONA A ENVIAR",
         Icono::Critico, false, " La ZONA CQ debe ser numérica."},
        {con([](auto& d) { d.EnviarZonaCq = true, d.Siglas = "41"; }), "VERIFICAR ZONA A ENVIAR",
         Icono::Critico, false, " La ZONA CQ no debe ser mayor de 40."},
        {con([](auto& d) { d.EnviarZonaCq = true, d.Siglas = "40"; }), nullptr, Icono::Ninguno, false, ""},
        {con([](auto& d) { d.EnviarLocator = true, d.MiLocator = "IN80DJ"; }), nullptr, Icono::Ninguno, false,
         ""},
    };
    for (const Caso& c : casos) {
        const auto r = CompruebaApertura(c.d);
        if (!c.titulo) {
            EXPECT_FALSE(r.has_value());
            continue;
        }
        ASSERT_TRUE(r.has_value()) << c.comienzo;
        EXPECT_EQ(r->aviso.titulo, QString::fromUtf8(c.titulo));
        EXPECT_EQ(r->aviso.icono, c.icono) << c.comienzo;
        EXPECT_EQ(r->pita, c.pita) << c.comienzo;
        EXPECT_TRUE(r->aviso.texto.startsWith(QString::fromUtf8(c.comienzo))) << r->aviso.texto.toStdString();
    }
}

// The number follows the log; the serial sent continues from the highest sent and the counter
// the operator may set, whatever was deleted or stored by another program since the line opened.
TEST(LogContactos, LaSerieSigueALaMasAltaEnviadaYElNumeroAlLog) {
    struct Caso {
        const char* que;
        int qsos, contador;
        std::function<void(LogContactos&)> antes; // before the entry line's proposal
        std::function<void(BaseDatos&)> otro;     // another program, once the line is shown
        bool porBanda;
        const char* banda;
        int numero;
        const char* serie;
        int contadorFinal;
    };
    const auto borra5 = [](LogContactos& l) { ASSERT_TRUE(l.eliminaYRenumera(5)); };
    const auto anade11 = [](BaseDatos& b) { AnadeQsos(b, 1, 11); };
    const std::vector<Caso> casos{
        {"QSO 5 of 10 deleted", 10, 10, borra5, {}, false, "14", 10, "0011", 11},
        {"per band, QSO 5 of 10 deleted", 10, 10, borra5, {}, true, "14", 10, "0011", 11},
        {"per band, first on another band", 10, 10, {}, {}, true, "7", 11, "0001", 11},
        {"operator's 995 on 3 QSOs", 3, 995, {}, {}, false, "14", 4, "0996", 996},
        {"another program stores QSO 11", 10, 10, {}, anade11, false, "14", 12, "0012", 12},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.que);
        QFile::remove(NombreBaseDatos);
        auto bd = CreaBaseConConcurso("CNCW");
        AnadeQsos(*bd, c.qsos);
        bd->ejecuta(QStringLiteral("UPDATE Concursos SET UltimoNumEnviado = %1").arg(c.contador));
        LogContactos log(bd, 5);
        log.abre();
        if (c.antes) c.antes(log);
        const int ultima = c.porBanda ? log.ultimoNumeroBanda(c.banda) : log.ultimaSerie();
        if (c.otro) c.otro(*BaseDatos::Abre(NombreBaseDatos));
        Qso q = log.leeOrdinal(1);
        q.banda = c.banda;
        q.numeralEnviado = Formato0000(QString::number(ultima + 1));
        log.graba(q, {ultima + 1, c.porBanda});
        const Qso guardado = QsosGuardados(*bd).back();
        EXPECT_EQ(guardado.numeroQso, c.numero);
        EXPECT_EQ(guardado.numeralEnviado, c.serie);
        EXPECT_EQ(UltimoNumEnviado(*bd), c.contadorFinal);
        EXPECT_EQ(log.total(), c.numero);
    }
}

TEST(LogContactos, UnConcursoLlenoRechazaElQsoConSuMensaje) {
    auto bd = CreaBaseConConcurso("CNCW");
    bd->ejecuta(QStringLiteral(
                    "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < %1) "
                    "INSERT INTO Contactos (NumeroOrden, NumeroQso, Indicativo) SELECT 5, i, 'EA4X' FROM n")
                    .arg(MaximoContactos));
    LogContactos log(bd, 5);
    log.carga();
    Qso q = log.leeOrdinal(1);
    try {
        log.graba(q);
        FAIL() << "stored";
    } catch (const ErrorBD& e) {
        EXPECT_EQ(e.mensaje(), "El concurso ya tiene 32.767 contactos, el máximo");
    }
    EXPECT_EQ(log.total(), MaximoContactos);
}
