// The version read from an executable's bytes, as the updater and the logger's caption use it.
#include "ArchivosPrueba.h"
#include "Sistema.h"

#include <gtest/gtest.h>

namespace {
QString Version(const QByteArray& contenido) {
    EscribeArchivo("programa", contenido);
    return Sistema::actual().versionEjecutable("programa");
}
} // namespace

TEST(VersionEjecutable, ElMarcadorSeguidoDeUnaVersionCuentaAunqueAntesHayaOtro) {
    // A program holds the bare marker it searches for before its own versioned one.
    EXPECT_EQ(Version(QByteArray("ELF\0XKLUMO-VERSION=\0\0datos XKLUMO-VERSION=1.2.3.40\0resto", 55)),
              "1.2.3.40");
    EXPECT_EQ(Version("XKLUMO-VERSION=2.0.0.1"), "2.0.0.1");
    EXPECT_EQ(Version(QByteArray("sin marcador", 12)), "0.0.0.0");
    EXPECT_EQ(Version(QByteArray("XKLUMO-VERSION=\0XKLUMO-VERSION=1.2", 34)), "0.0.0.0");
    EXPECT_EQ(Sistema::actual().versionEjecutable("no-existe"), "0.0.0.0");
}
