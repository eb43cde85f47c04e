#include "TextoWindows.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>

namespace {

QByteArray Lee(const QString& ruta) {
    QFile f(ruta);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<no existe>");
}

TEST(TextoWindows, CodigosDeLaPagina) {
    EXPECT_EQ(ATextoWindows(QString::fromUtf8("Ñandú €")), QByteArray("\xD1"
                                                                      "and\xFA \x80"));
    EXPECT_EQ(ATextoWindows(QString::fromUtf8("“ok” – …")), QByteArray("\x93ok\x94 \x96 \x85"));
    // Characters the page cannot hold: one "?" each, also beyond the BMP.
    EXPECT_EQ(ATextoWindows(QString::fromUtf8("a€Жb😀c")), QByteArray("a\x80?b?c"));
    EXPECT_EQ(ATextoWindows(""), QByteArray());
}

TEST(TextoWindows, AsciiDeCabrilloYAdif) {
    EXPECT_EQ(TextoAscii(QString::fromUtf8("José Ángel, A Coruña, 2º 3ª, Müller, Façade")),
              "Jose Angel, A Coruna, 2o 3a, Muller, Facade");
    EXPECT_EQ(TextoAscii(QString::fromUtf8("’“”–—€ßæøÑ")), "'\"\"--EURssaeoN");
    EXPECT_EQ(TextoAscii(QString::fromUtf8("a東😀b")), "a??b");
    EXPECT_EQ(TextoAscii("N0CALL/P"), "N0CALL/P");
}

TEST(TextoWindows, LineasConCRLFYSustituyeElArchivo) {
    ASSERT_TRUE(
        EscribeArchivoTexto("salida.log", {"START-OF-LOG: 3.0", QString::fromUtf8("NAME: Peña"), ""}));
    EXPECT_EQ(Lee("salida.log"), QByteArray("START-OF-LOG: 3.0\r\nNAME: Pe\xF1"
                                            "a\r\n\r\n"));
    ASSERT_TRUE(EscribeArchivoTexto("salida.log", {"corto"}));
    EXPECT_EQ(Lee("salida.log"), QByteArray("corto\r\n"));
    ASSERT_TRUE(EscribeArchivoTexto("vacio.log", {}));
    EXPECT_EQ(Lee("vacio.log"), QByteArray());
    EXPECT_EQ(QDir().entryList(QDir::Files), (QStringList{"salida.log", "vacio.log"})); // no temp left
}

TEST(TextoWindows, FalloNoTocaElArchivoExistente) {
    ASSERT_TRUE(EscribeArchivoTexto("bueno.log", {"intacto"}));
    QString error;
    EXPECT_FALSE(EscribeArchivoTexto("no/existe/bueno.log", {"x"}, &error));
    EXPECT_FALSE(error.isEmpty());
    // A folder where the file should go cannot be replaced.
    QDir().mkdir("carpeta.log");
    EXPECT_FALSE(EscribeArchivoTexto("carpeta.log", {"x"}));
    EXPECT_EQ(Lee("bueno.log"), QByteArray("intacto\r\n"));
}

} // namespace
