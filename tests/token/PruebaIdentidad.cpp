#include "Identidad.h"

#include "Falsos.h"

#include <gtest/gtest.h>

namespace {
QString cifra(QString texto) {
    QString codigo;
    CifrarMsg(texto, codigo);
    return codigo;
}
QString descifra(const QString& codigo) {
    QString plano;
    DesCifrarMsg(plano, codigo);
    return plano;
}
QDateTime momento(int h, int m, int s) {
    return QDateTime(QDate(2026, 3, 15), QTime(h, m, s));
}
} // namespace

// Hand-worked values: a round trip alone would not see a fault made the same way both ways.
TEST(Cifrado, ValoresCalculadosAMano) {
    EXPECT_EQ(cifra("A"), "0");   // 20 + 36 = 56, wraps to position 4
    EXPECT_EQ(cifra(" -"), "JP"); // "[" with Q, "]" with U
    EXPECT_EQ(descifra("JP"), " -");
    EXPECT_EQ(cifra(""), "");
    EXPECT_EQ(descifra(""), "");
}

TEST(Cifrado, TablaDeSustitucion) {
    const struct {
        QChar plano, codigo;
    } filas[] = {{u' ', u'['},          {u'\'', u'\\'},      {u'-', u']'}, {QChar(0xD1), u'^'},
                 {QChar(0xC7), u'_'},   {QChar(0xDC), u'`'}, {u'!', u'['}, {u'a', u'['},
                 {QChar(0x20AC), u'['}, {u'A', u'A'},        {u'7', u'7'}, {u':', u':'}};
    for (const auto& f : filas) {
        EXPECT_EQ(SustituyeAntes(f.plano), f.codigo) << int(f.plano.unicode());
        if (f.codigo != u'[' || f.plano == u' ') {
            EXPECT_EQ(SustituyeDespues(f.codigo), f.plano);
        }
    }
    // A character the code page cannot hold is taken as "?", which the alphabet keeps.
    EXPECT_EQ(SustituyeAntes(QChar(0x4E2D)), u'?');
}

TEST(Cifrado, IdaYVueltaDevuelveLasMayusculas) {
    for (const QString& texto :
         {QStringLiteral("hola, ¿qué tal?"), QStringLiteral("EA4XYZ/P 599 ñandú"), QStringLiteral("12:05:59"),
          QStringLiteral("L'ESCALA-ÇÜ"), QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789")}) {
        QString mensaje = texto;
        QString codigo;
        CifrarMsg(mensaje, codigo);
        EXPECT_EQ(mensaje, texto.toUpper()); // the caller's text is left in capitals
        ASSERT_EQ(codigo.size(), texto.size());
        for (QChar c : codigo)
            EXPECT_TRUE(c >= u'-' && c <= u'`') << qPrintable(codigo);
        QString esperado = mensaje;
        for (QChar& c : esperado)
            if (SustituyeAntes(c) == u'[') c = u' ';
        EXPECT_EQ(descifra(codigo), esperado);
    }
}

TEST(Cifrado, AcentoFueraDelAlfabetoVuelveComoBlanco) {
    EXPECT_EQ(descifra(cifra(QStringLiteral("más"))), "M S");
    EXPECT_EQ(descifra(cifra(QStringLiteral("á"))), " ");
}

TEST(Cifrado, CaracteresAjenosAlAlfabetoNoRompenElDescifrado) {
    const QString plano = descifra(QStringLiteral("abc ñ\t"));
    EXPECT_EQ(plano.size(), 6);
}

TEST(Identidad, TokenDeDiezCaracteresDelAlfabeto) {
    RelojFalso reloj(momento(12, 5, 7));
    for (int i = 0; i < 20; ++i) {
        const QString token = GeneraIdentidad();
        ASSERT_EQ(token.size(), 10);
        const QString plano = descifra(token);
        EXPECT_TRUE(plano[0] >= u'0' && plano[0] <= u'8');
        EXPECT_TRUE(plano[1] >= u'0' && plano[1] <= u'8');
        EXPECT_EQ(plano.mid(2), "12:05:07");
    }
}

TEST(Identidad, SoloSeAceptaEnElMismoMinuto) {
    RelojFalso reloj(momento(12, 5, 59));
    const QString token = GeneraIdentidad();
    EXPECT_TRUE(VerificaIdentidad(token));
    reloj.momento = momento(12, 5, 0);
    EXPECT_TRUE(VerificaIdentidad(token));
    reloj.momento = momento(12, 6, 0);
    EXPECT_FALSE(VerificaIdentidad(token));
    reloj.momento = momento(13, 5, 59); // same minute number, another hour
    EXPECT_FALSE(VerificaIdentidad(token));
}

TEST(Identidad, LosDigitosInicialesNoSeExaminan) {
    RelojFalso reloj(momento(23, 59, 30));
    for (const char* digitos : {"00", "88", "47"}) {
        QString plano = QString(digitos) + "23:59:01";
        QString token;
        CifrarMsg(plano, token);
        EXPECT_TRUE(VerificaIdentidad(token)) << digitos;
    }
}

TEST(Identidad, LineasQueNoSonToken) {
    RelojFalso reloj(momento(10, 30, 0));
    for (const QString& linea :
         {QString(), QStringLiteral("comando"), QStringLiteral("1010:30:00"), QStringLiteral("x")})
        EXPECT_FALSE(VerificaIdentidad(linea)) << qPrintable(linea);
}
