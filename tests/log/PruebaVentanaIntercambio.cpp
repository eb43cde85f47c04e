// The log window's exchange: the Enter chain with the contest's rules, the checks before storing,
// the repeat panel and the keys of the date and time fields.
#include "AyudasVentanaLog.h"
#include "FrameMenu.h"
#include "PanelBandasModos.h"
#include "PanelRepeticion.h"
#include "VerificacionContacto.h"

#include <QFile>
#include <QGroupBox>
#include <QKeySequence>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>

namespace {

class PruebaIntercambio : public PruebaLog {
protected:
    // Clears the field with the focus, types the text and presses Enter.
    void Teclea(const QString& texto) {
        if (auto* e = qobject_cast<QLineEdit*>(Foco())) e->clear();
        if (!texto.isEmpty()) Escribe(texto);
        Pulsa(Qt::Key_Return);
    }
    void Reabre(const QString& concurso, const Campos& campos, int qsos, const QString& antes = {}) {
        ventana.reset();
        bd.reset();
        for (const char* s : {"", "-wal", "-shm"})
            QFile::remove(QStringLiteral("XkLumoConcursos.Mdb") + s);
        bd = CreaBaseConConcurso(concurso, campos);
        AnadeQsos(*bd, qsos);
        if (!antes.isEmpty()) bd->ejecuta(antes);
        Abre();
        avisos.limpia();
    }
    QLineEdit* Rep(const char* nombre) const {
        return Control<QGroupBox>("PanelRepeticion")->findChild<QLineEdit*>(nombre);
    }
};

TEST_F(PruebaIntercambio, LaCadenaDeEnterSigueLasReglasDeCadaConcurso) {
    struct Paso {
        const char* texto; // typed in the field with the focus, then Enter
        const char* foco;  // where the focus is afterwards
    };
    struct Caso {
        const char* que;
        QString concurso;
        Campos campos;
        std::vector<Paso> pasos;
        const char* caja; // the last box shown ("" none)
        bool pita;
        QString Qso::*campo; // of the stored QSO
        const char* guardado;
    };
    const std::vector<Caso> casos{
        {"province list: a wrong province is refused on storing",
         "CNCW",
         {{"RecibirSiglas", true}},
         {{"EA4ABC", "NumeralRecibido_0"},
          {"12", "LiteralRecibido_0"},
          {"XX", "LiteralRecibido_0"},
          {"M", "Indicativo_1"}},
         "Las SIGLAS de la provincia no son correctas",
         false,
         &Qso::literalRecibido,
         "M"},
        {"combined control: province or number",
         "EA RTTY",
         {{"RecibirSiglas", true}, {"NumeraloSiglas", true}},
         {{"EA4ABC", "ControlRec_0"}, {"ZZ", "ControlRec_0"}, {"123", "Indicativo_1"}},
         "Las SIGLAS o el número serie no son correctos",
         false,
         &Qso::literalRecibido,
         "123"},
        {"RSGB-IOTA: an empty control stores six hyphens",
         "RSGB-IOTA",
         {{"NumeraloSiglas", true}},
         {{"G4ABC", "ControlRec_0"}, {"", "Indicativo_1"}},
         "",
         false,
         &Qso::literalRecibido,
         "------"},
        {"received locator tested on Enter",
         "CNCW",
         {{"RecibirLocator", true}, {"RecibirNumeral", false}},
         {{"EA4ABC", "QraLocatorRecibido_0"}, {"IN8", "QraLocatorRecibido_0"}, {"IN80", "Indicativo_1"}},
         "ERROR en QRA LOCATOR ",
         false,
         &Qso::locatorRecibido,
         "IN80"},
        {"LZ-OPEN-CW: a non-numeric literal beeps and stays",
         "LZ-OPEN-CW",
         {{"RecibirSiglas", true}, {"RecibirNumeral", false}},
         {{"LZ1ABC", "LiteralRecibido_0"}, {"AB", "LiteralRecibido_0"}, {"7", "Indicativo_1"}},
         "",
         true,
         &Qso::literalRecibido,
         "0007"},
        {"zone 41 refused, 40 stored",
         "CNCW",
         {{"RecibirZonaCq", true}, {"RecibirNumeral", false}},
         {{"EA4ABC", "LiteralRecibido_0"}, {"41", "LiteralRecibido_0"}, {"40", "Indicativo_1"}},
         "La ZONA no debe ser mayor de 40",
         false,
         &Qso::literalRecibido,
         "40"},
        {"variable sent literal: Enter on it stores",
         "CNCW",
         {{"EnviarSiglas", true}, {"LiteralVariable", true}, {"RecibirNumeral", false}},
         {{"EA4ABC", "LiteralEnviado_0"}, {"M", "Indicativo_1"}},
         "",
         false,
         &Qso::literalEnviado,
         "M"},
    };
    for (const Caso& c : casos) {
        Reabre(c.concurso, c.campos, 0);
        for (const Paso& p : c.pasos) {
            Teclea(QString::fromUtf8(p.texto));
            EXPECT_EQ(NombreFoco(), p.foco) << c.que << " after " << p.texto;
        }
        if (*c.caja) {
            ASSERT_FALSE(avisos.cajas.empty()) << c.que;
            EXPECT_EQ(avisos.cajas.back().texto, QString::fromUtf8(c.caja)) << c.que;
        } else {
            EXPECT_TRUE(avisos.cajas.empty()) << c.que << ": " << avisos.textos().join("|").toStdString();
        }
        EXPECT_EQ(avisos.pitidos > 0, c.pita) << c.que;
        const auto qsos = QsosGuardados(*bd);
        ASSERT_EQ(qsos.size(), 1u) << c.que;
        EXPECT_EQ(qsos[0].*c.campo, c.guardado) << c.que;
    }
}

TEST_F(PruebaIntercambio, UnIntercambioRechazadoConservaLaFilaYEnfocaElCampo) {
    Reabre("CNCW", {{"RecibirSiglas", true}}, 0);
    Teclea("EA4ABC");
    Teclea("-");
    Teclea("XX");
    EXPECT_EQ(NombreFoco(), "LiteralRecibido_0");
    ASSERT_EQ(avisos.cajas.size(), 1u);
    EXPECT_EQ(avisos.cajas[0].titulo, "VERIFICAR SIGLAS");
    EXPECT_EQ(avisos.cajas[0].icono, Icono::Critico);
    EXPECT_TRUE(QsosGuardados(*bd).empty());
    EXPECT_EQ(Texto(Columna::Indicativo, 0), "EA4ABC");
    EXPECT_EQ(Texto(Columna::NumeralRecibido, 0), "-");
    EXPECT_EQ(Texto(Columna::LiteralRecibido, 0), "XX");
    EXPECT_EQ(Texto(Columna::HoraQso, 0), "10:30");
    EXPECT_TRUE(Boton("Cancelar")->isEnabled());

    // A band typed that no enabled option has: refused with the focus on the band.
    Celda(Columna::LiteralRecibido, 0)->setText("M");
    Celda(Columna::Banda, 0)->setText("7");
    Pulsa(Qt::Key_F12);
    EXPECT_EQ(avisos.cajas.back().texto, "Banda no permitida o no existente");
    EXPECT_EQ(NombreFoco(), "Banda_0");
    EXPECT_TRUE(QsosGuardados(*bd).empty());

    Celda(Columna::Banda, 0)->setText("14");
    Pulsa(Qt::Key_F12);
    const auto qsos = QsosGuardados(*bd);
    ASSERT_EQ(qsos.size(), 1u);
    EXPECT_EQ(qsos[0].numeralRecibido, ""); // "-": nothing received
    EXPECT_EQ(qsos[0].literalRecibido, "M");
}

TEST_F(PruebaIntercambio, TrasLaCajaDeUnRechazoElFocoSigueEnElCampo) {
    Reabre("CNCW", {{"RecibirSiglas", true}}, 0);
    CajasReales reales;
    Teclea("EA4ABC");
    Teclea("12");
    Teclea("XX");
    EXPECT_EQ(reales.cajas, 1);
    ventana->activateWindow(); // what a window manager does when the box goes
    ASSERT_TRUE(QTest::qWaitForWindowActive(ventana.get()));
    QCoreApplication::processEvents();
    EXPECT_EQ(NombreFoco(), "LiteralRecibido_0");
}

TEST_F(PruebaIntercambio, UnaEstacionRepetidaMuestraElPanelHastaGrabarOSubir) {
    Reabre("CNCW", {{"RepetirEstacion", false}, {"NoRepetir", true}}, 3);
    bd->ejecuta(
        "UPDATE Contactos SET Indicativo = 'EA2XX', Modo = 'SSB' WHERE NumeroOrden = 5 AND NumeroQso = 3");
    EXPECT_FALSE(Control<QGroupBox>("PanelRepeticion")->isVisible());
    Teclea("EA2XX");
    EXPECT_EQ(NombreFoco(), "NumeralRecibido_3");
    ASSERT_TRUE(Control<QGroupBox>("PanelRepeticion")->isVisible());
    auto* lista = Control<QListWidget>("ListaRepeticion");
    EXPECT_TRUE(lista->isVisible());
    ASSERT_EQ(lista->count(), 2);
    EXPECT_EQ(lista->item(0)->text(), "01-03-2026 10:02 14 CW");
    EXPECT_EQ(lista->item(1)->text(), "01-03-2026 10:03 14 SSB");
    EXPECT_EQ(Rep("HoraQsoRep")->text(), "10:03");
    EXPECT_EQ(Rep("NumeralRecibidoRep")->text(), "103");
    EXPECT_EQ(Rep("BandaRep")->palette().color(QPalette::Base), QColor(255, 0, 0));
    EXPECT_EQ(Rep("ModoRep")->palette().color(QPalette::Base), QColor(0, 255, 255));
    EXPECT_TRUE(avisos.cajas.empty()); // a warning only
    // Each field stands under its column of the grid, so the eye reads the two rows as one table.
    for (Columna c :
         {Columna::FechaQso, Columna::Indicativo, Columna::NumeralRecibido, Columna::QraLocatorEnviado}) {
        const QWidget* celda = Celda(c, 0);
        const QWidget* campo =
            dynamic_cast<PanelRepeticion*>(Control<QGroupBox>("PanelRepeticion"))->campo(c);
        EXPECT_EQ(campo->mapTo(ventana.get(), QPoint()).x(), celda->mapTo(ventana.get(), QPoint()).x());
        EXPECT_EQ(campo->width(), celda->width());
    }

    Teclea("5");
    EXPECT_EQ(QsosGuardados(*bd).size(), 4u); // storing is never refused for a repeat
    EXPECT_FALSE(Control<QGroupBox>("PanelRepeticion")->isVisible());

    Teclea("EA1XX");
    EXPECT_TRUE(Control<QGroupBox>("PanelRepeticion")->isVisible());
    EXPECT_EQ(lista->count(), 1);
    Pulsa(Qt::Key_Up);
    EXPECT_FALSE(Control<QGroupBox>("PanelRepeticion")->isVisible());
    EXPECT_FALSE(lista->isVisible());
}

TEST_F(PruebaIntercambio, SoloConInformeUnaRepeticionSeVeAntesDeGrabar) {
    Reabre("CNCW", {{"RepetirEstacion", false}, {"NoRepetir", true}, {"RecibirNumeral", false}}, 1,
           "UPDATE Control SET BandaUser1 = '2.3-GHZX'; UPDATE Concursos SET Banda13 = 1, IndiceBanda = 13");
    Teclea("EA"); // no callsign: an early Enter stores nothing
    EXPECT_EQ(avisos.textos().join(""), AvisoIndicativo().texto);
    Teclea("EA1XX");
    EXPECT_EQ(NombreFoco(), "Indicativo_1");
    EXPECT_TRUE(Control<QGroupBox>("PanelRepeticion")->isVisible());
    EXPECT_EQ(QsosGuardados(*bd).size(), 1u);
    Pulsa(Qt::Key_Return);
    Teclea("EA1XX");
    Pulsa(Qt::Key_F12);
    Teclea("EA7ZZ"); // never worked: stored at once
    EXPECT_EQ(QsosGuardados(*bd).size(), 4u);
    EXPECT_EQ(QsosGuardados(*bd).back().banda, "2.3-GHZX"); // a user band of eight characters
    EXPECT_EQ(avisos.cajas.size(), 1u);
}

TEST_F(PruebaIntercambio, TeclasDeFechaYHoraYClicEnUnMarco) {
    Reabre("CNCW", {}, 2);
    const int f = ventana->navegacion().FilaActual;
    // A key in the entry line's date empties its time and stops the clock.
    Celda(Columna::FechaQso, f)->setFocus();
    Pulsa(Qt::Key_Backspace);
    EXPECT_EQ(Texto(Columna::HoraQso, f), "");
    EXPECT_FALSE(Control<QTimer>("Timer2")->isActive());
    Pulsa(Qt::Key_Return);
    EXPECT_EQ(NombreFoco(), QStringLiteral("HoraQso_%1").arg(f));

    // A click on a frame puts the focus back on the entry line's callsign.
    QTest::mouseClick(Control<QGroupBox>("FrameBanda"), Qt::LeftButton, {}, QPoint(2, 2));
    ASSERT_TRUE(QTest::qWaitFor([&] { return NombreFoco() == QStringLiteral("Indicativo_%1").arg(f); }));

    // With the focus on the callsign the rest of the row is locked: a click gives it no focus and
    // no key reaches its fixed texts.
    for (Columna c : {Columna::RsEnviado, Columna::RsRecibido, Columna::NumeralEnviado, Columna::HoraQso}) {
        const QString antes = Texto(c, f);
        QTest::mouseClick(Celda(c, f), Qt::LeftButton);
        Escribe("7");
        EXPECT_EQ(Texto(c, f), antes) << NombreColumna(c).toStdString();
    }
    EXPECT_EQ(NombreFoco(), QStringLiteral("Indicativo_%1").arg(f));

    // Browsing, the date discards keys, and a click on a stored row's time starts no entry there:
    // no key types into it or stores it again.
    Pulsa(Qt::Key_Up);
    ASSERT_TRUE(Boton("Volver")->isEnabled());
    const int g = ventana->navegacion().FilaActual;
    const QString fecha = Texto(Columna::FechaQso, g);
    Escribe("9");
    EXPECT_EQ(Texto(Columna::FechaQso, g), fecha);
    EXPECT_EQ(Texto(Columna::HoraQso, g), "10:02");
    QTest::mouseClick(Celda(Columna::HoraQso, g - 1), Qt::LeftButton);
    Escribe("9");
    for (Qt::Key k : {Qt::Key_Return, Qt::Key_F12, Qt::Key_Escape})
        Pulsa(k);
    EXPECT_EQ(Texto(Columna::HoraQso, g - 1), "10:01");
    EXPECT_TRUE(Boton("Volver")->isEnabled());
    EXPECT_EQ(QsosGuardados(*bd).size(), 2u);
    Pulsa(Qt::Key_Down);
    EXPECT_EQ(NombreFoco(), QStringLiteral("Indicativo_%1").arg(f)) << "browsing went on";

    // Enter in the date of the contacts only beeps.
    avisos.limpia();
    Campo("FechaActual")->setFocus();
    Pulsa(Qt::Key_Return);
    EXPECT_EQ(avisos.pitidos, 1);
}

TEST_F(PruebaIntercambio, BandaModoFechaYF12ConTeclasSinDejarElFocoEnLasOpciones) {
    // clang-format off
    struct Caso { const char* que; bool tresBandas; QString pasos, foco, opciones, fila; int pitidos; QString concurso = "CNCW"; };
    // Steps: keys, 'text typed, "clic:X" (the mouse on X) or "foco:X" (X given the focus). The row:
    // band, mode, report and serial sent, callsign of the current row.
    const QString b14 = "Option3D1_4 Option3D2_1 TiempoReal", b7 = "Option3D1_2 Option3D2_1 TiempoReal";
    const Caso casos[] = {
        {"Ctrl+Up: the next band, round the list", true, "Ctrl+Up", "Indicativo_2", b7, "7 CW 599 0003 ", 0},
        {"Ctrl+Down: the previous one", true, "Ctrl+Down", "Indicativo_2", "Option3D1_3 Option3D2_1 TiempoReal", "10 CW 599 0003 ", 0},
        {"Ctrl+Left from the serial: the mode, its report, back to the callsign", true, "'EA1ZZ Return Ctrl+Left", "Indicativo_2", "Option3D1_4 Option3D2_4 TiempoReal", "14 SSB 59 0003 EA1ZZ", 0},
        {"per-band numbering: the serial follows the band", true, "Ctrl+Up", "Indicativo_2", b7, "7 CW 599 0001 ", 0, "ATLANTICO"},
        {"a single band: Ctrl+Up beeps", false, "Ctrl+Up", "Indicativo_2", b14, "14 CW 599 0003 ", 1},
        {"after a click on a band Tab and Shift+Tab stay and beep", true, "'EA1ZZ Return clic:Option3D1_2 Shift+Tab Tab", "Indicativo_2", b7, "7 CW 599 0003 EA1ZZ", 2},
        {"an option given the focus hands it back", true, "foco:Option3D1_4", "Indicativo_2", b14, "14 CW 599 0003 ", 0},
        {"new QSO: F12 and Alt+A before Enter on the callsign beep", true, "'EA1ZZ F12 Alt+A", "Indicativo_2", b14, "14 CW 599 0003 EA1ZZ", 2},
        {"browsing: a click keeps the focus on the row, typing beeps", true, "Up clic:Option3D1_2 Shift+Tab '5", "FechaQso_1", b7, "14 CW 599 0002 EA2XX", 2},
        {"browsing: the band by key for the next entry line", true, "Up Ctrl+Up Down", "Indicativo_2", b7, "7 CW 599 0003 ", 0},
        {"correcting: the mode as a click, the focus on the mode", true, "Up F4 Ctrl+Right", "Modo_1", "Option3D1_4 Option3D2_4 TiempoReal", "14 SSB 59 0002 EA2XX", 0},
        {"correcting: F12 on the callsign takes and stores it, an empty one beeps", true, "Up F4 Return Return Return Return Ctrl+A Del F12 'ea1xx F12", "FechaQso_1", b14, "14 CW 599 0002 EA1XX", 1},
        {"the date change by its access key", true, "Up Alt+O", "FechaActual", "Option3D1_4 Option3D2_1 OtraFecha", "14 CW 599 0002 EA2XX", 0},
        {"Esc from the date gives real time back", true, "Up Alt+O Tab Esc", "FechaQso_1", b14, "14 CW 599 0002 EA2XX", 1},
    };
    // clang-format on
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.que);
        Campos campos{{"RepetirEstacion", false}, {"NoRepetir", true}};
        if (c.tresBandas) campos.insert(campos.end(), {{"Banda2", true}, {"Banda3", true}});
        Reabre(c.concurso, campos, 2);
        for (const QString& p : c.pasos.split(' ')) {
            if (p.startsWith("clic:")) {
                QTest::mouseClick(Control<QWidget>(p.mid(5)), Qt::LeftButton);
            } else if (p.startsWith("foco:")) {
                Control<QWidget>(p.mid(5))->setFocus();
            } else if (p.startsWith('\'')) {
                Escribe(p.mid(1));
            } else {
                const QKeyCombination k = QKeySequence::fromString(p)[0];
                Pulsa(k.key(), k.keyboardModifiers());
            }
            // An access key clicks its button a moment later.
            const auto botones = ventana->findChildren<QAbstractButton*>();
            ASSERT_TRUE(QTest::qWaitFor([&] {
                return std::none_of(botones.begin(), botones.end(), [](auto* b) { return b->isDown(); });
            }));
        }
        EXPECT_EQ(NombreFoco(), c.foco);
        QStringList opciones, fila;
        for (QRadioButton* o :
             ventana->findChildren<QRadioButton*>(QRegularExpression("^(Option3D|TiempoReal|OtraFecha)")))
            if (o->isChecked()) opciones << o->objectName();
        opciones.sort();
        EXPECT_EQ(opciones.join(' '), c.opciones);
        for (Columna col : {Columna::Banda, Columna::Modo, Columna::RsEnviado, Columna::NumeralEnviado,
                            Columna::Indicativo})
            fila << Texto(col, ventana->navegacion().FilaActual);
        EXPECT_EQ(fila.join(' '), c.fila);
        EXPECT_EQ(avisos.pitidos, c.pitidos);
        EXPECT_EQ(QsosGuardados(*bd).size(), 2u);
        EXPECT_FALSE(Control<QGroupBox>("PanelRepeticion")->isVisible()); // no repeat look-up in a correction
    }
    Pulsa(Qt::Key_F, Qt::AltModifier); // FIN by its access key
    ASSERT_TRUE(QTest::qWaitFor([&] { return cierres == 1; }));
}

} // namespace
