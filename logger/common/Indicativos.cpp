#include "Indicativos.h"

#include <QStringList>

bool EsIndicativoEspanol(const QString& indicativo) {
    static const QStringList prefijos = {"EA", "EB", "EC", "ED", "EE", "EF", "EG", "EH", "AM", "AN", "AO"};
    for (const QString& prefijo : prefijos)
        if (indicativo.startsWith(prefijo, Qt::CaseSensitive)) return true;
    return false;
}

bool IndicativoValido(const QString& indicativo) {
    if (indicativo.size() < 3) return false;
    bool cifra = false;
    for (QChar c : indicativo) {
        const bool digito = c >= u'0' && c <= u'9';
        if (!digito && !(c >= u'A' && c <= u'Z') && c != u'/') return false;
        cifra = cifra || digito;
    }
    return cifra;
}

void SeparaIndicativo(QString& indicativo, QString& resto) {
    static const QStringList sufijos = {"P", "M", "MM", "MA", "QRP", "P/QRP", "M/QRP", "MM/QRP", "MA/QRP"};
    const qsizetype barra = indicativo.indexOf(u'/');
    if (barra < 0) {
        resto.clear();
        return;
    }
    const QString antes = indicativo.left(barra);
    const QString despues = indicativo.mid(barra + 1);

    if (sufijos.contains(despues, Qt::CaseSensitive)) {
        indicativo = antes;
        resto = u'/' + despues;
        return;
    }
    const qsizetype otraBarra = despues.indexOf(u'/');
    if (otraBarra >= 0) {
        const QString medio = despues.left(otraBarra);
        const QString cola = despues.mid(otraBarra + 1);
        if (antes.size() <= 3) {
            indicativo = medio;
            resto = antes + u'/' + cola;
        } else {
            // The rest keeps its leading "/" like every other suffix ("/P/X", not "P/X").
            indicativo = antes;
            resto = u'/' + despues;
        }
        return;
    }
    if (despues.size() < 4 && antes.size() >= 4) {
        indicativo = antes;
        resto = u'/' + despues;
    } else {
        indicativo = despues;
        resto = antes + u'/';
    }
}

void SeparaReferenciaVG(QString& referencia, QString& letras, QString& digitos) {
    digitos.clear();
    if (referencia.isEmpty()) return;
    const qsizetype guion = referencia.indexOf(u'-');
    if (guion >= 0) referencia.remove(guion, 1);
    letras.clear();
    const qsizetype vg = referencia.indexOf(QStringLiteral("VG"), 0, Qt::CaseSensitive);
    if (vg < 0) return;
    for (qsizetype i = vg + 2; i < referencia.size(); ++i) {
        const QChar c = referencia[i];
        if (c >= u'0' && c <= u'9')
            digitos += c;
        else
            letras += c;
    }
}
