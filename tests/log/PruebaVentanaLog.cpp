// The log window driven with keys: the grid's pages, the entry line, storing and leaving.
#include "AyudasVentanaLog.h"
#include "FrameMenu.h"
#include "PanelBandasModos.h"
#include "PanelRepeticion.h"

#include <QClipboard>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>
#include <QTimer>
#include <QTimeZone>

namespace {
QString Ea(int i) {
    return QStringLiteral("EA%1XX").arg(i);
}
// Callsigns of QSOs desde..hasta.
QStringList Serie(int desde, int hasta) {
    QStringList l;
    for (int i = desde; i <= hasta; ++i)
        l << Ea(i);
    return l;
}
} // namespace

TEST_F(PruebaLog, LasTeclasRecorrenElLogPorPaginasDeOnce) {
    struct Caso {
        int total;
        std::vector<Qt::Key> teclas;
        QStringList filas;
        QString foco;
        int pitidos;
        const char* que;
    };
    using K = Qt::Key;
    const std::vector<Caso> casos{
        {25, {}, Serie(23, 25), "Indicativo_3", 0, "25 QSOs: page three, the entry line in row 3"},
        {25, {K::Key_Up}, Serie(23, 25), "FechaQso_2", 0, "up leaves the entry line on QSO 25"},
        {25, {K::Key_Up, K::Key_PageUp}, Serie(12, 22), "FechaQso_10", 0, "page up"},
        {25,
         {K::Key_Up, K::Key_PageUp, K::Key_PageUp, K::Key_PageUp},
         Serie(1, 11),
         "FechaQso_10",
         1,
         "page up on page one beeps"},
        {25,
         {K::Key_Up, K::Key_PageDown},
         Serie(23, 25),
         "FechaQso_2",
         1,
         "page down on the last page beeps"},
        {25, {K::Key_Up, K::Key_Home}, Serie(1, 11), "FechaQso_0", 0, "home"},
        {25, {K::Key_Up, K::Key_Home, K::Key_Up}, Serie(1, 11), "FechaQso_0", 1, "up on QSO 1 beeps"},
        {25,
         {K::Key_Up, K::Key_Home, K::Key_End},
         Serie(23, 25),
         "FechaQso_0",
         0,
         "end: first of the last page"},
        {25, {K::Key_Up, K::Key_Home, K::Key_PageDown}, Serie(12, 22), "FechaQso_0", 0, "page down"},
        {25,
         {K::Key_PageUp, K::Key_PageDown, K::Key_Home, K::Key_End, K::Key_Down},
         Serie(23, 25),
         "Indicativo_3",
         5,
         "on the entry line the paging keys only beep"},
        {22, {}, {}, "Indicativo_0", 0, "22 QSOs: the entry line on an empty page"},
        {22, {K::Key_Up}, Serie(12, 22), "FechaQso_10", 0, "up from there: 12 to 22, QSO 22 current"},
        {22,
         {K::Key_Up, K::Key_Down},
         {},
         "Indicativo_0",
         0,
         "down on the last QSO opens the entry line again"},
        {12, {K::Key_Up, K::Key_Up}, Serie(1, 11), "FechaQso_10", 0, "up from row 0 shows the previous page"},
        {0, {}, {}, "Indicativo_0", 1, "an empty log: the entry line in row 0"},
        {0, {K::Key_Up}, {}, "FechaQso_0", 2, "up on an empty log beeps"},
        {0,
         {K::Key_Up, K::Key_Down},
         {},
         "Indicativo_0",
         3,
         "down there beeps and opens the entry line again"},
        {0, {K::Key_Up, K::Key_PageUp, K::Key_End}, {}, "FechaQso_0", 4, "paging an empty log beeps"},
    };
    for (const Caso& c : casos) {
        ventana.reset();
        bd.reset();
        QFile::remove("XkLumoConcursos.Mdb");
        for (const char* s : {"-wal", "-shm"})
            QFile::remove(QStringLiteral("XkLumoConcursos.Mdb") + s);
        bd = CreaBaseConConcurso("CNCW");
        AnadeQsos(*bd, c.total);
        Abre();
        avisos.limpia();
        for (Qt::Key k : c.teclas)
            Pulsa(k);
        EXPECT_EQ(Indicativos(), c.filas) << c.que;
        EXPECT_EQ(NombreFoco(), c.foco) << c.que;
        EXPECT_EQ(avisos.pitidos + (c.total == 0 ? 1 : 0), c.pitidos) << c.que;
    }
}

TEST_F(PruebaLog, AbreConLosBotonesDeConsultaYLaLineaPreparada) {
    bd = CreaBaseConConcurso("CNCW", {{"Banda2", true}, {"IndiceBanda", 0}});
    AnadeQsos(*bd, 3);
    Abre();
    FLogConcurso& v = *ventana;
    EXPECT_EQ(v.windowTitle(), "CNCW");
    EXPECT_EQ(Control<QLabel>("LabelNumQSO")->text(), "3 QSO");
    EXPECT_FALSE(Control<QGroupBox>("PanelRepeticion")->isVisible());
    // The first enabled band (7, index 2) stands for the index the contest names if disabled.
    EXPECT_TRUE(Control<QRadioButton>("Option3D1_2")->isChecked());
    EXPECT_FALSE(Control<QRadioButton>("Option3D1_0")->isEnabled());
    EXPECT_EQ(Texto(Columna::Banda, 3), "7");
    EXPECT_EQ(Texto(Columna::Modo, 3), "CW");
    EXPECT_EQ(Texto(Columna::FechaQso, 3), "15-03-2026");
    EXPECT_EQ(Texto(Columna::HoraQso, 3), "10:30");
    EXPECT_EQ(Texto(Columna::RsEnviado, 3), "599");
    EXPECT_EQ(Texto(Columna::NumeralEnviado, 3), "0004");
    EXPECT_EQ(Control<QLabel>("LabelEnter")->text(),
              " Pulse la tecla [ENTER] para pasar al siguiente control -- Pulse "
              "[F12-Aceptar] para grabar el contacto -- Pulse [ESC] para salir -- [Ctrl+↑/↓] BANDA -- "
              "[Ctrl+←/→] MODO");
    for (QPushButton* b : {Boton("ModificarReg"), Boton("BorrarReg"), Boton("Volver"), Boton("Ordenar")})
        EXPECT_FALSE(b->isEnabled()) << b->objectName().toStdString();
    EXPECT_TRUE(Boton("Cancelar")->isEnabled());
    EXPECT_FALSE(Boton("Aceptar")->isEnabled()); // until Enter on a callsign

    Pulsa(Qt::Key_Up);
    EXPECT_EQ(Control<QLabel>("LabelEnter")->text(),
              " Pulse [F6 Log] para obtener el FICHERO CABRILLO -- Pulse [Alt+F] FIN para salir -- "
              "[Alt+O] QSO en otra Fecha");
    for (QPushButton* b : {Boton("ModificarReg"), Boton("BorrarReg"), Boton("Listar"), Boton("ExportarXk"),
                           Boton("ExportarADIF"), Boton("Ordenar"), Boton("Volver")})
        EXPECT_TRUE(b->isEnabled()) << b->objectName().toStdString();
    EXPECT_FALSE(Boton("Aceptar")->isEnabled());
    EXPECT_EQ(Celda(Columna::FechaQso, 2)->marca(), QColor(255, 255, 0));
    // Shift sends a function key to browsing: Shift+F9 renumbers nothing, F9 does and keeps the page.
    Pulsa(Qt::Key_F9, Qt::ShiftModifier);
    Pulsa(Qt::Key_F9);
    EXPECT_EQ(Indicativos(), Serie(1, 3));
    EXPECT_EQ(NombreFoco(), "FechaQso_2");

    // Names for people and tools: unique object names and accessible names.
    QSet<QString> nombres, accesibles;
    for (QWidget* w : v.findChildren<QWidget*>()) {
        if (w->objectName().isEmpty() || w->objectName().startsWith("qt_")) continue;
        EXPECT_FALSE(nombres.contains(w->objectName())) << w->objectName().toStdString();
        nombres.insert(w->objectName());
        if (qobject_cast<QLineEdit*>(w)) {
            EXPECT_FALSE(accesibles.contains(w->accessibleName())) << w->accessibleName().toStdString();
            accesibles.insert(w->accessibleName());
        }
    }
    EXPECT_EQ(Celda(Columna::RsRecibido, 3)->accessibleName(), "RST recibido fila 3");
}

TEST_F(PruebaLog, LosSeriesPasanDe9999YNadaSeCortaEnSilencio) {
    bd = CreaBaseConConcurso("CNCW", {{"RepetirEstacion", false}, {"NoRepetir", true}});
    AnadeQsos(*bd, 9998);
    Abre();
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(Texto(Columna::NumeralEnviado, ventana->navegacion().FilaActual),
                  QString::number(9999 + i));
        Escribe(QStringLiteral("EA4A%1").arg(i));
        Pulsa(Qt::Key_Return);
        Escribe(QString::number(10000 + i));
        Pulsa(Qt::Key_Return);
    }
    const auto qsos = QsosGuardados(*bd);
    ASSERT_EQ(qsos.size(), 10001u);
    EXPECT_EQ(qsos[9998].numeralEnviado + qsos[9999].numeralEnviado + qsos[10000].numeralEnviado,
              "99991000010001");
    EXPECT_EQ(qsos[10000].numeralRecibido, "10002");
    // The repeat panel shows five digits; a sixth typed, or a paste past the callsign's 14, is refused.
    Escribe("EA4A1");
    Pulsa(Qt::Key_Return);
    EXPECT_EQ(Control<QLineEdit>("NumeralEnviadoRep")->text(), "10000");
    const int f = ventana->navegacion().FilaActual;
    Escribe("123456");
    Celda(Columna::Indicativo, f)->setFocus();
    QApplication::clipboard()->setText("EA4ABCDEFGHIJK");
    Pulsa(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(Texto(Columna::NumeralRecibido, f) + Texto(Columna::Indicativo, f), "12345EA4A1");
    EXPECT_EQ(avisos.textos(), QStringList({"No caben más de 5 caracteres en el NÚMERO SERIE Recibido",
                                            "No caben más de 14 caracteres en el INDICATIVO"}));
}

TEST_F(PruebaLog, EnterYF12GuardanElQsoYAbrenLaLineaSiguiente) {
    bd = CreaBaseConConcurso("CNCW");
    AnadeQsos(*bd, 10);
    Abre();
    Escribe("ea4abc");
    EXPECT_EQ(Texto(Columna::Indicativo, 10), "EA4ABC");
    Pulsa(Qt::Key_Return);
    EXPECT_EQ(NombreFoco(), "NumeralRecibido_10");
    Escribe("12");
    Pulsa(Qt::Key_F12);
    const auto qsos = QsosGuardados(*bd);
    ASSERT_EQ(qsos.size(), 11u);
    const Qso& q = qsos.back();
    EXPECT_EQ(q.numeroQso, 11);
    EXPECT_EQ(q.indicativo, "EA4ABC");
    EXPECT_EQ(q.fecha, QDate(2026, 3, 15));
    EXPECT_EQ(q.hora, "10:30");
    EXPECT_EQ(q.banda, "14");
    EXPECT_EQ(q.modo, "CW");
    EXPECT_EQ(q.numeralEnviado, "0011");
    EXPECT_EQ(q.numeralRecibido, "0012"); // leaving the field for Aceptar shows it with four digits
    EXPECT_EQ(q.rstRecibido, "599");
    EXPECT_EQ(UltimoNumEnviado(*bd), 11);
    // QSO 11 filled the page: the entry line opens on the next one.
    EXPECT_EQ(Indicativos(), QStringList{});
    EXPECT_EQ(NombreFoco(), "Indicativo_0");
    EXPECT_EQ(Texto(Columna::NumeralEnviado, 0), "0012");
    EXPECT_EQ(Control<QLabel>("LabelNumQSO")->text(), "11 QSO");
    // The clock moves the entry line's time; a key in the time field stops it.
    reloj.momento = reloj.momento.addSecs(120);
    QMetaObject::invokeMethod(Control<QTimer>("Timer2"), "timeout");
    EXPECT_EQ(Texto(Columna::HoraQso, 0), "10:32");
    EXPECT_TRUE(Control<QTimer>("Timer2")->isActive());
    EXPECT_EQ(Control<QTimer>("Timer2")->interval(), 30000);
    Pulsa(Qt::Key_Up);
    EXPECT_FALSE(Control<QTimer>("Timer2")->isActive());
    EXPECT_EQ(Indicativos(), Serie(1, 10) << "EA4ABC");
}

TEST_F(PruebaLog, CadaConcursoPreparaLaLineaYGuardaSuIntercambio) {
    struct Caso {
        QString nombre;
        Campos campos;
        int qsos;
        bool otraFecha;
        QStringList teclas; // typed on the entry line, each followed by Enter
        Columna columna;
        QString esperado;                // on the entry line as it opens
        QString rstRecibido, rstEnviado; // stored ("" when nothing is stored)
        const char* que;
    };
    const std::vector<Caso> casos{
        {"CNCW",
         {{"EnviarNumeral", false}, {"RecibirNumeral", false}},
         0,
         false,
         {"EA4ABC"},
         Columna::NumeralEnviado,
         "0",
         "599",
         "599",
         "a report-only contest stores on Enter"},
        {"CNCW",
         {{"RecibirRst", false},
          {"Modo1", false},
          {"IndiceModo", 4},
          {"EnviarNumeral", false},
          {"RecibirNumeral", false}},
         0,
         false,
         {"EA4ABC"},
         Columna::RsRecibido,
         "599",
         "599",
         "59",
         "no received report: 599, also on SSB"},
        {"CNCW",
         {{"Modo1", false}, {"Modo4", false}, {"Modo0", true}, {"IndiceModo", 0}},
         0,
         false,
         {},
         Columna::RsEnviado,
         "",
         "",
         "",
         "AM first: empty reports"},
        {"ATLANTICO",
         {{"Banda2", true}, {"IndiceBanda", 2}},
         25,
         false,
         {},
         Columna::NumeralEnviado,
         "0001",
         "",
         "",
         "per band: the first QSO on 7 sends 0001"},
        {"ATLANTICO", {}, 25, false, {}, Columna::NumeralEnviado, "0026", "", "", "per band on 14"},
        {"LZ-OPEN-CW",
         {{"EnviarSiglas", true}, {"LiteralFijo", true}, {"Siglas", "X"}},
         0,
         false,
         {},
         Columna::LiteralEnviado,
         "0000",
         "",
         "",
         "LZ-OPEN-CW on an empty log sends 0000"},
        {"LZ-OPEN-CW",
         {{"EnviarSiglas", true}, {"LiteralFijo", true}, {"Siglas", "X"}},
         3,
         false,
         {},
         Columna::LiteralEnviado,
         "0103",
         "",
         "",
         "LZ-OPEN-CW sends the last received serial"},
        {"BARTG-RTTY",
         {{"EnviarSiglas", true}, {"LiteralFijo", true}, {"Siglas", "X"}},
         0,
         false,
         {},
         Columna::LiteralEnviado,
         "1030",
         "",
         "",
         "BARTG-RTTY sends the time"},
        {"BARTG-RTTY",
         {{"EnviarSiglas", true}, {"LiteralFijo", true}, {"Siglas", "X"}},
         0,
         true,
         {},
         Columna::LiteralEnviado,
         "",
         "",
         "",
         "BARTG-RTTY in another date: no time yet"},
    };
    for (const Caso& c : casos) {
        ventana.reset();
        bd.reset();
        for (const char* s : {"", "-wal", "-shm"})
            QFile::remove(QStringLiteral("XkLumoConcursos.Mdb") + s);
        bd = CreaBaseConConcurso(c.nombre, c.campos);
        AnadeQsos(*bd, c.qsos);
        Abre();
        const int fila = ventana->navegacion().FilaActual;
        if (c.otraFecha) {
            Pulsa(Qt::Key_Up);
            Control<QRadioButton>("OtraFecha")->setChecked(true);
            Pulsa(Qt::Key_Down);
        }
        EXPECT_EQ(Texto(c.columna, ventana->navegacion().FilaActual), c.esperado) << c.que;
        for (const QString& t : c.teclas) {
            Escribe(t);
            Pulsa(Qt::Key_Return);
        }
        const auto qsos = QsosGuardados(*bd);
        if (c.rstRecibido.isEmpty() && c.rstEnviado.isEmpty()) {
            EXPECT_EQ(static_cast<int>(qsos.size()), c.qsos) << c.que;
            continue;
        }
        ASSERT_EQ(static_cast<int>(qsos.size()), c.qsos + 1) << c.que;
        EXPECT_EQ(qsos.back().rstRecibido, c.rstRecibido) << c.que;
        EXPECT_EQ(qsos.back().rstEnviado, c.rstEnviado) << c.que;
        EXPECT_EQ(ventana->navegacion().FilaActual, fila + 1) << c.que;
    }
}

TEST_F(PruebaLog, UnaEscrituraRechazadaMuestraElMotorYConservaElQso) {
    bd = CreaBaseConConcurso("CNCW", {{"RecibirNumeral", false}, {"Banda2", true}});
    Abre();
    bd->ejecuta("CREATE TRIGGER Bloqueo BEFORE INSERT ON Contactos BEGIN SELECT RAISE(ABORT, 'database is "
                "locked'); END");
    Escribe("EA4ABC");
    Pulsa(Qt::Key_Return); // the end of the chain stores
    ASSERT_EQ(avisos.cajas.size(), 1u);
    EXPECT_TRUE(avisos.cajas[0].texto.contains("database is locked"));
    EXPECT_EQ(avisos.cajas[0].icono, Icono::Critico);
    EXPECT_TRUE(QsosGuardados(*bd).empty());
    EXPECT_EQ(UltimoNumEnviado(*bd), 0);
    EXPECT_EQ(Texto(Columna::Indicativo, 0), "EA4ABC");
    EXPECT_EQ(NombreFoco(), "Indicativo_0");
    EXPECT_TRUE(Boton("Aceptar")->isEnabled()) << "on for another F12";
    bd->ejecuta("DROP TRIGGER Bloqueo");
    Pulsa(Qt::Key_F12);
    ASSERT_EQ(QsosGuardados(*bd).size(), 1u);
    EXPECT_EQ(QsosGuardados(*bd)[0].numeralEnviado, "0001");
    EXPECT_EQ(NombreFoco(), "Indicativo_1");

    // The band option chosen in the log is not written back; FIN empties the placeholders.
    Control<QRadioButton>("Option3D1_2")->click();
    EXPECT_EQ(Texto(Columna::Banda, 1), "7");
    bd->ejecuta("UPDATE Contactos SET NumeralRecibido = '0000', LiteralRecibido = '-', LiteralEnviado = '-'");
    ventana->close(); // the close box is refused
    EXPECT_TRUE(ventana->isVisible());
    Pulsa(Qt::Key_Up);
    Boton("Volver")->click();
    EXPECT_FALSE(ventana->isVisible());
    EXPECT_EQ(cierres, 1);
    const Qso q = QsosGuardados(*bd)[0];
    EXPECT_EQ(q.numeralRecibido, "");
    EXPECT_EQ(q.literalRecibido, "");
    EXPECT_EQ(q.literalEnviado, "");
    EXPECT_EQ(q.numeralEnviado, "0001");
    EXPECT_EQ(bd->abreConjunto("Select * From Concursos Where NumeroOrden = 5").entero("IndiceBanda"), 4);
}

TEST_F(PruebaLog, ConOtroProgramaEscribiendoLaGrabacionEsperaYConservaLasTeclas) {
    bd = CreaBaseConConcurso("CNCW", {{"RecibirNumeral", false}});
    Abre();
    Escribe("EA4ABC");
    auto otro = BaseDatos::Abre(bd->archivo());
    otro->ejecuta("BEGIN IMMEDIATE"); // another program's write lock
    CajasReales reales;
    // Keys typed while the window waits queue for the window, as the window system queues them.
    for (const auto& [tecla, texto] : {std::pair{Qt::Key_X, "X"}, std::pair{Qt::Key_Y, "Y"}})
        for (QEvent::Type tipo : {QEvent::KeyPress, QEvent::KeyRelease})
            QCoreApplication::postEvent(ventana->windowHandle(), new QKeyEvent(tipo, tecla, Qt::NoModifier,
                                                                               QString::fromLatin1(texto)));
    Pulsa(Qt::Key_Return); // the end of the chain stores
    ASSERT_EQ(reales.cajas, 1);
    EXPECT_TRUE(reales.textos[0].contains("bloquead", Qt::CaseInsensitive)) << reales.textos[0].toStdString();
    ventana->activateWindow(); // what a window manager does when the box goes
    ASSERT_TRUE(QTest::qWaitForWindowActive(ventana.get()));
    QCoreApplication::processEvents();
    EXPECT_TRUE(QsosGuardados(*bd).empty());
    EXPECT_EQ(NombreFoco(), "Indicativo_0");
    EXPECT_EQ(Texto(Columna::Indicativo, 0), "EA4ABCXY");

    otro->ejecuta("COMMIT");
    Pulsa(Qt::Key_F12);
    ASSERT_EQ(QsosGuardados(*bd).size(), 1u);
    EXPECT_EQ(QsosGuardados(*bd)[0].indicativo, "EA4ABCXY");
}

TEST_F(PruebaLog, UnQsoUTCGuardaLaHoraUTCDelRelojAlGrabar) {
    // Refreshed by the clock, then stored (maybe later): across the summer-time changes in Madrid
    // and across midnight UTC. The offset is what the main window shows.
    const QDate marzo(2026, 3, 29), octubre(2026, 10, 25), fin(2026, 12, 31);
    const struct {
        QDateTime refresco, grabacion;
        QString horaTecleada, fecha, hora, desfase;
    } casos[] = {
        {HoraMadrid(marzo, QTime(1, 59, 59)), {}, "", "29-03-2026", "00:59", "-1"},
        {HoraMadrid(marzo, QTime(3, 0, 1)), {}, "", "29-03-2026", "01:00", "-2"},
        {HoraMadridDesdeUTC(octubre, QTime(0, 30)), {}, "", "25-10-2026", "00:30", "-2"}, // 02:30 summer
        {HoraMadridDesdeUTC(octubre, QTime(1, 30)), {}, "", "25-10-2026", "01:30", "-1"}, // 02:30 winter
        {HoraMadridDesdeUTC(fin, QTime(23, 59, 35)), HoraMadridDesdeUTC(fin.addDays(1), QTime(0, 0, 1)),
         "23:58", "31-12-2026", "23:58", "-1"},
        {HoraMadridDesdeUTC(fin, QTime(23, 59, 35)), HoraMadridDesdeUTC(fin.addDays(1), QTime(0, 0, 1)), "",
         "01-01-2027", "00:00", "-1"},
    };
    bd = CreaBaseConConcurso("CNCW", {{"HoraUTC", true}, {"HoraLocal", false}});
    Abre();
    for (const auto& c : casos) {
        SCOPED_TRACE(c.refresco.toString(Qt::ISODate).toStdString() + " " + c.horaTecleada.toStdString());
        reloj.momento = c.refresco;
        QMetaObject::invokeMethod(Control<QTimer>("Timer2"), "timeout");
        const int f = ventana->navegacion().FilaActual;
        if (!c.horaTecleada.isEmpty()) {
            Celda(Columna::HoraQso, f)->setFocus();
            Celda(Columna::HoraQso, f)->selectAll();
            Escribe(c.horaTecleada);
            Pulsa(Qt::Key_Return);
        }
        Escribe(Ea(f));
        Pulsa(Qt::Key_Return);
        Escribe("12");
        reloj.momento = c.grabacion.isNull() ? c.refresco : c.grabacion;
        Pulsa(Qt::Key_F12);
        EXPECT_EQ(QsosGuardados(*bd).back().hora, c.hora);
        EXPECT_EQ(Texto(Columna::FechaQso, f) + " " + Texto(Columna::HoraQso, f), c.fecha + " " + c.hora);
        EXPECT_EQ(bd->abreConjunto("Select HoraUTCActual From Concursos").texto("HoraUTCActual"), c.desfase);
    }
}
