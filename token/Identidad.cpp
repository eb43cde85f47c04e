#include "Identidad.h"

#include "Reloj.h"

#include <QRandomGenerator>

namespace {
constexpr int PrimerCodigo = 45; // "-"
constexpr int UltimoCodigo = 96; // grave accent
constexpr int Posiciones = 52;
constexpr int LargoClave = 8;

// Windows-1252 0x80..0x9F; 0 marks the five codes the page leaves undefined.
constexpr char16_t Tabla80[32] = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                  0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                                  0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                  0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

int desplazamientoClave(int k) {
    return ClaveCifrado[k] - PrimerCodigo;
}

// Upper case only when the result still exists in the code page, so "µ" is not lost to "?".
QChar mayuscula(QChar c) {
    const QChar m = c.toUpper();
    if (m == c || CodigoAnsi(m) != '?' || CodigoAnsi(c) == '?') return m;
    return c;
}
} // namespace

int CodigoAnsi(QChar c) {
    const char16_t u = c.unicode();
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) return u;
    for (int i = 0; i < 32; ++i)
        if (Tabla80[i] == u || (Tabla80[i] == 0 && u == 0x80 + i)) return 0x80 + i;
    return '?';
}

QChar SustituyeAntes(QChar c) {
    switch (CodigoAnsi(c)) {
    case ' ':
        return u'[';
    case '\'':
        return u'\\';
    case '-':
        return u']';
    case 0xD1:
        return u'^'; // Ñ
    case 0xC7:
        return u'_'; // Ç
    case 0xDC:
        return u'`'; // Ü
    default:
        break;
    }
    const int codigo = CodigoAnsi(c);
    if (codigo < PrimerCodigo || codigo > UltimoCodigo) return u'[';
    return QChar(codigo);
}

QChar SustituyeDespues(QChar c) {
    switch (c.unicode()) {
    case u'[':
        return u' ';
    case u'\\':
        return u'\'';
    case u']':
        return u'-';
    case u'^':
        return QChar(0xD1);
    case u'_':
        return QChar(0xC7);
    case u'`':
        return QChar(0xDC);
    default:
        return c;
    }
}

void CifrarMsg(QString& mensaje, QString& codificado) {
    for (QChar& c : mensaje)
        c = mayuscula(c);
    codificado = mensaje;
    int k = 0;
    for (qsizetype p = 0; p < mensaje.size(); ++p) {
        const int c = SustituyeAntes(mensaje[p]).unicode();
        int s = (c - PrimerCodigo) + desplazamientoClave(k);
        if (s > Posiciones) s -= Posiciones;
        codificado[p] = QChar(AlfabetoCifrado[s - 1]);
        k = (k + 1) % LargoClave;
    }
}

void DesCifrarMsg(QString& plano, const QString& codificado) {
    plano = codificado;
    int k = 0;
    for (qsizetype p = 0; p < codificado.size(); ++p) {
        const char16_t u = codificado[p].unicode();
        // Characters outside the alphabet count as position 0 and decode to noise.
        const int s = (u >= PrimerCodigo && u <= UltimoCodigo) ? u - PrimerCodigo + 1 : 0;
        int f = s - desplazamientoClave(k);
        if (f < 0) f += Posiciones;
        plano[p] = SustituyeDespues(QChar(f + PrimerCodigo));
        k = (k + 1) % LargoClave;
    }
}

void GeneraIdentidad(QString& identidad) {
    auto* azar = QRandomGenerator::global();
    QString plano = QString::number(azar->bounded(9)) + QString::number(azar->bounded(9)) +
                    Ahora().toString(QStringLiteral("hh:mm:ss"));
    CifrarMsg(plano, identidad);
}

QString GeneraIdentidad() {
    QString identidad;
    GeneraIdentidad(identidad);
    return identidad;
}

bool VerificaIdentidad(const QString& lineaComando) {
    QString plano;
    DesCifrarMsg(plano, lineaComando);
    const QString hora = plano.mid(2, 8);
    const QString ahora = Ahora().toString(QStringLiteral("hh:mm:ss"));
    return hora.left(5) == ahora.left(5);
}
