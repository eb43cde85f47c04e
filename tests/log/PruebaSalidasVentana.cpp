// The outputs from the log window's keys: F6 (Cabrillo), F7 (logbook) and F8 (ADIF).
#include "AyudasVentanaLog.h"
#include "FrameMenu.h"
#include "LibroGuardia.h"

#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>

namespace {
QByteArray Lee(const QString& nombre) {
    QFile f(nombre);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
// Stands for: Tab to the per-band box and tick it with Space.
constexpr Qt::Key PorBanda = Qt::Key_unknown;
} // namespace

class PruebaSalidas : public PruebaLog {
protected:
    void SetUp() override {
        bd = CreaBaseConConcurso("CQ WW (SSB)");
        AnadeQsos(*bd, 3);
        Abre();
        Pulsa(Qt::Key_Up); // browsing, where the outputs' keys work
        avisos.limpia();
    }
    bool Visible(const char* nombre) const {
        auto* w = ventana->findChild<QWidget*>(nombre);
        return w && w->isVisible();
    }
};

TEST_F(PruebaSalidas, F6YF8EscribenElFicheroYMuestranElMensaje) {
    struct Caso {
        std::vector<Qt::Key> teclas;
        QString fichero;   // "" when nothing may be written
        QString enMensaje; // "" when no box may show
        const char* que;
    };
    using K = Qt::Key;
    const std::vector<Caso> casos{
        {{K::Key_F6, K::Key_F12, K::Key_F12}, "EA1AAA.LOG", "EA1AAA.LOG", "one list, accepted with F12"},
        {{K::Key_F6, PorBanda, K::Key_Return, K::Key_Return},
         "EA1AAA-14.LOG",
         "EA1AAA-14.LOG",
         "per band, Enter"},
        {{K::Key_F6, K::Key_Escape}, "", "", "Esc leaves the choice without a run"},
        {{K::Key_F8}, "EA1AAA.adi", "EA1AAA.ADI", "ADIF"},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.que);
        for (const QString& f : QDir().entryList({"EA1AAA*"}, QDir::Files))
            QFile::remove(f);
        avisos.limpia();
        const QSize antes = ventana->size();
        for (Qt::Key k : c.teclas) {
            if (k == PorBanda) {
                for (int i = 0; i < 6 && NombreFoco() != "ListasPorBanda"; ++i)
                    Pulsa(Qt::Key_Tab);
                ASSERT_EQ(NombreFoco(), "ListasPorBanda");
                Pulsa(Qt::Key_Space);
                // The choice made, the focus is back on the date of the current row, in yellow.
                EXPECT_TRUE(NombreFoco().startsWith("FechaQso_")) << NombreFoco().toStdString();
                EXPECT_EQ(Foco()->palette().color(QPalette::Base), QColor(255, 255, 0));
                continue;
            }
            if (k == K::Key_F6) {
                const int alto = ventana->sizeHint().height();
                Pulsa(k);
                EXPECT_TRUE(Visible("TipoDeListas"));
                // The choice takes the room of other frames: the window does not grow off the screen.
                EXPECT_LE(ventana->sizeHint().height(), alto);
                EXPECT_FALSE(Boton("Listar")->isEnabled());
                continue;
            }
            const bool lista = Visible("FrameListaPantalla");
            Pulsa(k);
            if (!lista && Visible("FrameListaPantalla")) {
                // The files on screen before the message, the grid out of the way.
                EXPECT_EQ(NombreFoco(), "AceptarFicheroCabrillo");
                EXPECT_FALSE(Visible("RejillaLog"));
                const auto* l = ventana->findChild<QListWidget*>("ListaPantalla");
                ASSERT_GT(l->count(), 3);
                EXPECT_TRUE(l->item(0)->text().startsWith("START-OF-LOG:"));
                EXPECT_TRUE(avisos.cajas.empty());
            }
        }
        const QStringList escritos = QDir().entryList({"EA1AAA*"}, QDir::Files);
        EXPECT_EQ(escritos, c.fichero.isEmpty() ? QStringList() : QStringList{c.fichero});
        if (!c.fichero.isEmpty()) {
            const QByteArray b = Lee(c.fichero);
            EXPECT_TRUE(b.contains(c.fichero.endsWith(".adi") ? "<CALL:5>EA3XX" : "EA3XX")) << b.constData();
            EXPECT_TRUE(b.endsWith(c.fichero.endsWith(".adi") ? "<EOR>\r\n\r\n" : "END-OF-LOG:\r\n"));
        }
        if (c.enMensaje.isEmpty()) {
            EXPECT_TRUE(avisos.cajas.empty());
        } else {
            ASSERT_EQ(avisos.cajas.size(), 1u);
            EXPECT_EQ(avisos.cajas[0].titulo, "INFORMACIÓN");
            EXPECT_EQ(avisos.cajas[0].icono, Icono::Informacion);
            EXPECT_TRUE(avisos.cajas[0].texto.contains(c.enMensaje)) << avisos.cajas[0].texto.toStdString();
        }
        // The window is back as it was: browsing, every panel away, the keys on, its size.
        EXPECT_TRUE(Boton("Volver")->isEnabled());
        QApplication::processEvents();
        EXPECT_EQ(ventana->size(), antes);
        EXPECT_TRUE(Visible("RejillaLog"));
        EXPECT_FALSE(Visible("FrameListaPantalla"));
        EXPECT_FALSE(Visible("TipoDeListas"));
        EXPECT_TRUE(Boton("Listar")->isEnabled());
        EXPECT_TRUE(Boton("ExportarADIF")->isEnabled());
        EXPECT_TRUE(NombreFoco().startsWith("FechaQso_")) << NombreFoco().toStdString();
    }
}

TEST_F(PruebaSalidas, F7ExportaAlLibroElegidoConTeclas) {
    CreaLibroGuardia(QDir::current().filePath("LibroDePrueba.mdb"));
    // The panel starts in the user's home folder: here, the test's own.
    const QByteArray home = qgetenv("HOME");
    qputenv("HOME", QDir::currentPath().toLocal8Bit());
    for (int vez = 1; vez <= 2; ++vez) {
        SCOPED_TRACE(vez);
        avisos.limpia();
        const QSize antes = ventana->size();
        Pulsa(Qt::Key_F7);
        EXPECT_TRUE(Visible("FrameExportacionXK"));
        EXPECT_FALSE(Visible("RejillaLog"));
        EXPECT_FALSE(Control<QWidget>("FrameMenu")->isEnabled());
        EXPECT_EQ(ventana->findChild<QLabel*>("CarpetaActual")->text(),
                  QDir::toNativeSeparators(QDir::currentPath()));
        // Tab walks the panel as Alt with the underlined letter does.
        EXPECT_EQ(NombreFoco(), "Dir1");
        Pulsa(Qt::Key_Tab);
        EXPECT_EQ(NombreFoco(), "File1");
        Pulsa(Qt::Key_L, Qt::AltModifier);
        EXPECT_EQ(NombreFoco(), "File1");
        Pulsa(Qt::Key_Space); // selects the one logbook listed
        Pulsa(Qt::Key_Return);
        ASSERT_EQ(avisos.textos(), QStringList{"La importación a Ondalia ha finalizado correctamente."});
        EXPECT_EQ(ventana->findChild<QProgressBar*>("PanelCuentaRenum")->value(), 100);
        EXPECT_FALSE(Visible("FrameExportacionXK"));
        EXPECT_TRUE(Visible("RejillaLog"));
        EXPECT_TRUE(Control<QWidget>("FrameMenu")->isEnabled());
        QApplication::processEvents();
        EXPECT_EQ(ventana->size(), antes) << "the window is as before F7, not grown";
        // Every export appends the contest's QSOs.
        EXPECT_EQ(BaseDatos::Abre("LibroDePrueba.mdb")->abreConjunto("LibroGuardia").cuenta(), 3 * vez);
    }
    avisos.limpia();
    Pulsa(Qt::Key_F7);
    Pulsa(Qt::Key_Escape);
    EXPECT_FALSE(Visible("FrameExportacionXK"));
    EXPECT_TRUE(avisos.cajas.empty());
    EXPECT_EQ(BaseDatos::Abre("LibroDePrueba.mdb")->abreConjunto("LibroGuardia").cuenta(), 6);
    qputenv("HOME", home);
}

TEST_F(PruebaSalidas, F6ComoSeHicieronRenumeraAntesDeEscribir) {
    // QSO 3 moved to the day before by a date change: the list as made puts it first.
    bd->ejecuta("UPDATE Contactos SET Fecha = '2026-02-28T10:00:00' WHERE NumeroQso = 3");
    for (Qt::Key k : {Qt::Key_F6, Qt::Key_F12, Qt::Key_F12})
        Pulsa(k);
    const QByteArray b = Lee("EA1AAA.LOG");
    EXPECT_TRUE(b.contains("QSO: 14000 CW 2026-02-28 1003 EA1AAA        599 003  EA3XX         599 103"))
        << b.constData();
    EXPECT_LT(b.indexOf("EA3XX"), b.indexOf("EA1XX"));
    EXPECT_EQ(bd->abreConjunto("Select * From Contactos Where NumeroQso = 1").texto("Indicativo"), "EA3XX");
}
