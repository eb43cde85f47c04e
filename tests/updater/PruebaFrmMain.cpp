// The updater's window against a real FTP server on loopback, with the system seam recording
// which program is started and the boxes seam proving that none is shown.
#include "ArchivosPrueba.h"
#include "Falsos.h"
#include "frmMain.h"
#include "Identidad.h"
#include "ServidorFtp.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>

#include <functional>

namespace {

QStringList archivos() {
    return QDir().entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

QByteArray datos(int n, int semilla) {
    QByteArray b(n, 0);
    for (int i = 0; i < n; ++i)
        b[i] = static_cast<char>((i * 31 + semilla) % 256);
    return b;
}

class Actualizador : public testing::Test {
protected:
    void SetUp() override { QApplication::setQuitOnLastWindowClosed(false); }

    // Loads the window and lets it run its check up to the question or to its end.
    frmMain& abre(int puerto, const QString& linea) {
        ventana = std::make_unique<frmMain>("127.0.0.1", puerto, ServidorFtp::Usuario, linea);
        QObject::connect(pb(), &QProgressBar::valueChanged, [this](int) {
            const QString texto = etiqueta("LabelDescarga")->text();
            if (pasos.isEmpty() || pasos.last() != texto) pasos << texto;
            if (alProgresar) alProgresar();
        });
        EXPECT_TRUE(
            QTest::qWaitFor([this] { return ventana->Terminado() || aceptar()->isVisible(); }, 60000));
        return *ventana;
    }
    frmMain& abre() { return abre(servidor.puerto(), GeneraIdentidad()); }

    QPushButton* aceptar() const { return ventana->findChild<QPushButton*>("Aceptar"); }
    QLabel* etiqueta(const char* nombre) const { return ventana->findChild<QLabel*>(nombre); }
    QProgressBar* pb() const { return ventana->findChild<QProgressBar*>("pb"); }

    bool loggerArrancadoUnaVez() const {
        return sistema.arranques.size() == 1 && sistema.arranques[0].programa == "XkLumoCon" &&
               sistema.arranques[0].argumentos == QStringList{"comando"};
    }

    RelojFalso reloj;
    SistemaFalso sistema;
    AvisosFalsos avisos;
    ServidorFtp servidor{ServidorFtp::Opciones{.clave = frmMain::Clave}};
    std::unique_ptr<frmMain> ventana;
    QStringList pasos; // the status line at each move of the progress bar
    std::function<void()> alProgresar;
};
} // namespace

TEST_F(Actualizador, SinTokenValidoSeCierraSinConectarNiArrancar) {
    ASSERT_TRUE(servidor.listo());
    servidor.escribe("VersionesXkLumoCon.txt", "XkLumoNuevosCon.3\r\n");
    for (const QString& linea : {QString(), QStringLiteral("ABCDEFGHIJ")}) {
        abre(servidor.puerto(), linea);
        EXPECT_TRUE(ventana->Terminado());
        EXPECT_FALSE(ventana->isVisible());
    }
    reloj.momento = QDateTime(QDate(2026, 3, 15), QTime(12, 5, 59));
    const QString token = GeneraIdentidad();
    reloj.momento = reloj.momento.addSecs(1); // 12:06:00, the next minute
    abre(servidor.puerto(), token);
    EXPECT_TRUE(ventana->Terminado());
    EXPECT_TRUE(sistema.arranques.empty());
    EXPECT_TRUE(avisos.cajas.empty());
    EXPECT_TRUE(archivos().isEmpty()); // no list fetched, no version file written
}

TEST_F(Actualizador, SinNadaQueActualizarArrancaElLogger) {
    ASSERT_TRUE(servidor.listo());
    const struct {
        const char* caso;
        const char* lista; // nullptr: no list on the server
        bool servidorCaido;
        QString loggerInstalado;
        QString nuevosInstalado;
    } casos[] = {
        {"servidor inalcanzable", "XkLumoNuevosCon.3\r\n", true, "0.0.0.0", ""},
        {"sin lista", nullptr, false, "0.0.0.0", ""},
        {"lista vacía", "", false, "0.0.0.0", ""},
        {"basura", "hola\r\n\r\nXkLumoCon\r\nXkLumoNuevosCon\r\nXkLumoNuevosCon.\r\n", false, "0.0.0.0", ""},
        {"suma, no partes", "XkLumoCon.1.3.0.0\r\n", false, "1.2.0.300", ""},
        {"iguales", "XkLumoCon.1.2.0.5\r\nXkLumoNuevosCon.4\r\n", false, "1.2.0.5", "4"},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.caso);
        for (const QString& f : archivos())
            QFile::remove(f);
        QFile::remove(servidor.ruta("VersionesXkLumoCon.txt"));
        if (c.lista) servidor.escribe("VersionesXkLumoCon.txt", c.lista);
        for (const char* item : {"XkLumoCon", "XkLumoNuevosCon"})
            servidor.escribe(item, "nuevo");
        sistema.arranques.clear();
        sistema.version = c.loggerInstalado;
        if (!c.nuevosInstalado.isEmpty())
            EscribeArchivo("VersionNuevosCon.txt", c.nuevosInstalado.toLatin1());

        abre(c.servidorCaido ? PuertoCerrado() : servidor.puerto(), GeneraIdentidad());
        EXPECT_TRUE(ventana->Terminado());
        EXPECT_FALSE(aceptar()->isVisible());
        EXPECT_TRUE(loggerArrancadoUnaVez());
        for (const QString& f : archivos())
            EXPECT_FALSE(f.endsWith("Descarga")) << qPrintable(f);
    }
    EXPECT_TRUE(avisos.cajas.empty());
}

TEST_F(Actualizador, LaListaLeidaSeAnotaAunqueElUsuarioCierre) {
    ASSERT_TRUE(servidor.listo());
    servidor.escribe("VersionesXkLumoCon.txt", "XkLumoNuevosCon.3\r\n");
    abre();
    ASSERT_TRUE(aceptar()->isVisible());
    EXPECT_TRUE(etiqueta("LabelAviso")->isVisible());
    EXPECT_FALSE(ventana->findChild<QPushButton*>("Cancelar")->isVisible());
    EXPECT_EQ(ventana->windowTitle(), "Verificando nuevas versiones");
    EXPECT_EQ(LeeArchivo("VersionNuevosCon.txt"), "3\r\n");
    ventana->close();
    EXPECT_TRUE(ventana->Terminado());
    EXPECT_TRUE(sistema.arranques.empty()); // closing is the user's way to decline
    EXPECT_FALSE(QFile::exists("XkLumoNuevosConDescarga"));
    EXPECT_TRUE(avisos.cajas.empty());
}

TEST_F(Actualizador, AceptarInstalaLosCuatroEnOrdenUnaSolaVez) {
    ASSERT_TRUE(servidor.listo());
    const QByteArray logger = datos(3000, 1), nuevos = datos(700, 2), conf = datos(255, 3),
                     cliente = datos(600, 4);
    servidor.escribe("VersionesXkLumoCon.txt", "ClienteXkLumoFTP.2\r\nXkConfLumoConcursos.1.1\r\n"
                                               "XkLumoNuevosCon.3\r\nXkLumoCon.1.1.0.0\r\n");
    servidor.escribe("XkLumoCon", logger);
    servidor.escribe("XkLumoNuevosCon", nuevos);
    servidor.escribe("XkConfLumoConcursos", conf);
    servidor.escribe("ClienteXkLumoFTP", cliente);
    sistema.version = "1.0.0.0";
    EscribeArchivo("XkLumoCon", "logger viejo");
    EscribeArchivo("XkLumoNuevosCon.Mdb", "base vieja"); // the logger's spelling
    EscribeArchivo("VersionConfCon.txt", "1\r\n");

    abre();
    ASSERT_TRUE(aceptar()->isVisible());
    pasos.clear();
    // The downloads let events through: a second press must not start a second update.
    alProgresar = [this] { aceptar()->click(); };
    QTest::mouseClick(aceptar(), Qt::LeftButton);

    EXPECT_TRUE(ventana->Terminado());
    EXPECT_EQ(pasos, (QStringList{" Actualizando XkLumoCon", " Actualizando XkLumoNuevosCon",
                                  " Actualizando XkConfLumoConcursos", " Actualizando ClienteXkLumoFTP"}));
    EXPECT_TRUE(loggerArrancadoUnaVez());
    EXPECT_EQ(LeeArchivo("XkLumoCon"), logger);
    EXPECT_TRUE(QFileInfo("XkLumoCon").isExecutable());
    EXPECT_EQ(LeeArchivo("XkLumoNuevosCon.Mdb"), nuevos);
    EXPECT_EQ(LeeArchivo("XkConfLumoConcursos.mdb"), conf);
    // The updater cannot replace itself while it runs: the logger installs it at its next start.
    EXPECT_EQ(LeeArchivo("ClienteXkLumoFTPDescarga"), cliente);
    EXPECT_TRUE(QFileInfo("ClienteXkLumoFTPDescarga").isExecutable());
    EXPECT_EQ(archivos(), (QStringList{"ClienteXkLumoFTPDescarga", "VersionClienteXkLumoFTP.txt",
                                       "VersionConfCon.txt", "VersionNuevosCon.txt", "VersionesXkLumoCon.txt",
                                       "XkConfLumoConcursos.mdb", "XkLumoCon", "XkLumoNuevosCon.Mdb"}));
    EXPECT_TRUE(avisos.cajas.empty());
}

TEST_F(Actualizador, UnaDescargaVaciaNoSeInstalaYLasDemasSiguen) {
    ASSERT_TRUE(servidor.listo());
    servidor.escribe("VersionesXkLumoCon.txt", "XkLumoNuevosCon.9\r\nXkConfLumoConcursos.2\r\n");
    servidor.escribe("XkLumoNuevosCon", ""); // zero bytes
    servidor.escribe("XkConfLumoConcursos", "conf nueva");
    EscribeArchivo("XkLumoNuevosCon.mdb", "base");

    abre();
    ASSERT_TRUE(aceptar()->isVisible());
    QTest::mouseClick(aceptar(), Qt::LeftButton);

    EXPECT_TRUE(ventana->Terminado());
    EXPECT_TRUE(loggerArrancadoUnaVez());
    EXPECT_EQ(LeeArchivo("XkLumoNuevosCon.mdb"), "base");
    EXPECT_EQ(LeeArchivo("XkConfLumoConcursos.mdb"), "conf nueva");
    EXPECT_FALSE(QFile::exists("XkLumoNuevosConDescarga"));
    EXPECT_TRUE(avisos.cajas.empty());
}

TEST_F(Actualizador, UnServidorQueCaeADescargaNoDejaSinLogger) {
    ServidorFtp lento(ServidorFtp::Opciones{.limite = 20000, .clave = frmMain::Clave});
    ASSERT_TRUE(lento.listo());
    lento.escribe("VersionesXkLumoCon.txt", "XkLumoCon.2.0.0.0\r\n");
    lento.escribe("XkLumoCon", datos(400000, 5));
    EscribeArchivo("XkLumoCon", "logger que funciona");

    abre(lento.puerto(), GeneraIdentidad());
    ASSERT_TRUE(aceptar()->isVisible());
    // The server machine vanishes in the middle of the logger's download.
    alProgresar = [&] {
        if (pb()->value() > 0) lento.mata();
    };
    QTest::mouseClick(aceptar(), Qt::LeftButton);

    EXPECT_TRUE(ventana->Terminado());
    EXPECT_TRUE(loggerArrancadoUnaVez());
    EXPECT_EQ(LeeArchivo("XkLumoCon"), "logger que funciona");
    EXPECT_EQ(archivos(), (QStringList{"VersionesXkLumoCon.txt", "XkLumoCon"}));
    EXPECT_TRUE(avisos.cajas.empty());
}

TEST_F(Actualizador, CerrarDuranteLaDescargaTerminaSinArrancarNiInstalar) {
    ServidorFtp lento(ServidorFtp::Opciones{.limite = 20000, .clave = frmMain::Clave});
    ASSERT_TRUE(lento.listo());
    lento.escribe("VersionesXkLumoCon.txt", "XkLumoCon.2.0.0.0\r\nXkLumoNuevosCon.9\r\n");
    lento.escribe("XkLumoCon", datos(400000, 6));
    lento.escribe("XkLumoNuevosCon", "nueva");
    EscribeArchivo("XkLumoCon", "logger que funciona");

    abre(lento.puerto(), GeneraIdentidad());
    ASSERT_TRUE(aceptar()->isVisible());
    pasos.clear();
    alProgresar = [this] {
        if (pb()->value() > 0) ventana->close();
    };
    QTest::mouseClick(aceptar(), Qt::LeftButton);

    EXPECT_TRUE(ventana->Terminado());
    EXPECT_TRUE(sistema.arranques.empty());
    EXPECT_EQ(pasos, QStringList{" Actualizando XkLumoCon"}); // the rest is not tried
    EXPECT_EQ(LeeArchivo("XkLumoCon"), "logger que funciona");
    EXPECT_FALSE(QFile::exists("XkLumoConDescarga"));
    EXPECT_FALSE(QFile::exists("XkLumoNuevosCon.mdb"));
}
