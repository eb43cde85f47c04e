#include "ArchivosPrueba.h"
#include "Falsos.h"
#include "Versiones.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>

TEST(ValorVersion, SumaPonderadaYFormasDudosas) {
    const struct {
        const char* texto;
        qint32 valor;
    } casos[] = {
        {"1.0.0.16", 65552},
        {"1.0.1.0", 65552}, // same value, not compared part by part
        {"1.2.0.300", 66348},
        {"1.3.0.0", 66304}, // the lower release wins by its sum
        {"7", 7},
        {"", 0},
        {"0", 0},
        {"1.2", 66048},
        {"1.2.3", 66096},      // the first numbers of a four-number version
        {" 1.2.0.5\r", 66053}, // a list written on Windows
        {"1.2.0.5.9", 0},
        {"1..2", 0},
        {"1.x", 0},
        {"-1", 0},
        {"abc", 0},
        {"99999999999", 2147483647}, // saturates instead of wrapping negative
        {"40000.0.0.0", 2147483647},
    };
    for (const auto& c : casos)
        EXPECT_EQ(ValorVersion(c.texto), c.valor) << c.texto;
}

TEST(LeeVersiones, LineasBuenasMalasYRepetidas) {
    SistemaFalso sistema;
    EscribeArchivo("VersionesXkLumoCon.txt", "basura sin punto\r\n"
                                             "XkLumoCon\r\n" // no point: ignored
                                             "XkLumoNuevosCon.3\r\n"
                                             "XkLumoNuevosCon.5\r\n"    // the last line of an item counts
                                             "XkConfLumoConcursos.\r\n" // no version text: ignored
                                             "XkConfLumoConcursos.x.1\r\n"
                                             "otra.cosa.9\r\n"
                                             "ClienteXkLumoFTP.2.0.0.1"); // last line without a line end
    EstadoVersiones v;
    v.LeeVersionesInstaladas();
    ASSERT_TRUE(v.LeeVersiones());
    EXPECT_EQ(v[Elemento::Logger].remota, "");
    EXPECT_EQ(v[Elemento::NuevosCon].remota, "5");
    EXPECT_EQ(v[Elemento::ConfCon].remota, "");
    EXPECT_EQ(v[Elemento::Cliente].remota, "2.0.0.1");
    // Rewritten on reading, before any download; a broken line leaves no file behind.
    EXPECT_EQ(LeeArchivo("VersionNuevosCon.txt"), "5\r\n");
    EXPECT_EQ(LeeArchivo("VersionClienteXkLumoFTP.txt"), "2.0.0.1\r\n");
    EXPECT_FALSE(QFile::exists("VersionConfCon.txt"));

    EXPECT_TRUE(v.ComparaVersiones());
    EXPECT_FALSE(v.Necesita(Elemento::Logger));
    EXPECT_TRUE(v.Necesita(Elemento::NuevosCon));
    EXPECT_FALSE(v.Necesita(Elemento::ConfCon));
    EXPECT_TRUE(v.Necesita(Elemento::Cliente));
}

TEST(LeeVersionesInstaladas, ArchivosYMarcaDelEjecutable) {
    SistemaFalso sistema;
    sistema.version = "1.2.0.300";
    EscribeArchivo("xklumocon", "programa");
    EscribeArchivo("versionnuevoscon.TXT", "4\r\nlinea que no cuenta\r\n"); // names ignore case
    EscribeArchivo("VersionConfCon.txt", "");                               // empty counts as 0
    EstadoVersiones v;
    v.LeeVersionesInstaladas();
    EXPECT_EQ(v[Elemento::Logger].instalada, "1.2.0.300");
    EXPECT_EQ(sistema.versionesLeidas, QStringList{"xklumocon"});
    EXPECT_EQ(v[Elemento::NuevosCon].instalada, "4");
    EXPECT_EQ(v[Elemento::ConfCon].instalada, "0");
    EXPECT_EQ(v[Elemento::Cliente].instalada, "0");

    // The installed-version file is rewritten through its existing spelling.
    EscribeArchivo("VersionesXkLumoCon.txt", "XkLumoNuevosCon.5\n");
    v.LeeVersiones();
    EXPECT_EQ(LeeArchivo("versionnuevoscon.TXT"), "5\r\n");
}

TEST(InstalaDescarga, UnaCopiaFallidaConservaLoInstaladoYLaDescarga) {
    // Nothing to install: an empty download is no program.
    EscribeArchivo("XkLumoCon", "logger que funciona");
    EscribeArchivo("XkLumoConDescarga", "");
    EXPECT_FALSE(InstalaDescarga(Elemento::Logger));
    EXPECT_EQ(LeeArchivo("XkLumoCon"), "logger que funciona");

    // The installed name cannot be replaced (a folder stands there): both stay as they were.
    ASSERT_TRUE(QDir().mkdir("XkConfLumoConcursos.mdb"));
    EscribeArchivo("XkConfLumoConcursos.mdb/dentro", "x");
    EscribeArchivo("XkConfLumoConcursosDescarga", "nueva");
    EXPECT_FALSE(InstalaDescarga(Elemento::ConfCon));
    EXPECT_EQ(LeeArchivo("XkConfLumoConcursosDescarga"), "nueva");
    EXPECT_EQ(LeeArchivo("XkConfLumoConcursos.mdb/dentro"), "x");
}

namespace {
// Each executable's version by the text it holds.
class SistemaVersiones : public SistemaFalso {
public:
    QString versionEjecutable(const QString& ruta) override {
        return LeeArchivo(ruta).startsWith("viejo") ? "1.0.0.0" : "1.1.0.0";
    }
};
} // namespace

TEST(InstalaDescargasPendientes, SeInstalanSalvoUnLoggerMasViejo) {
    SistemaVersiones sistema;
    EscribeArchivo("XkLumoNuevosCon.mdb", "vieja");
    EscribeArchivo("XkLumoNuevosConDescarga", "nueva");
    EscribeArchivo("XkLumoCon", "logger");
    EscribeArchivo("XkLumoConDescarga", "otro logger");
    EscribeArchivo("ClienteXkLumoFTPDescarga", "el logger lo instala");
    EXPECT_EQ(InstalaDescargasPendientes(), (QStringList{"XkLumoCon", "XkLumoNuevosCon.mdb"}));
    EXPECT_EQ(LeeArchivo("XkLumoNuevosCon.mdb"), "nueva");
    EXPECT_EQ(LeeArchivo("XkLumoCon"), "otro logger");
    EXPECT_TRUE(QFile::exists("ClienteXkLumoFTPDescarga"));

    // Never an older logger over a newer one.
    EscribeArchivo("XkLumoConDescarga", "viejo");
    EXPECT_TRUE(InstalaDescargasPendientes().isEmpty());
    EXPECT_EQ(LeeArchivo("XkLumoCon"), "otro logger");
}
