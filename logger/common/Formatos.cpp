#include "Formatos.h"

#include <QLocale>

#include <algorithm>
#include <cmath>

std::optional<double> ValorNumerico(const QString& texto) {
    bool ok = false;
    const double v = QLocale().toDouble(texto, &ok);
    if (!ok || !std::isfinite(v)) return std::nullopt;
    return v;
}

QString Formato0000(const QString& texto) {
    // The usual serial, plain digits, padded without the number parsing and the formatting: a
    // whole log goes through here on an export.
    if (!texto.isEmpty() && texto.size() <= 9 &&
        std::all_of(texto.begin(), texto.end(), [](QChar c) { return c >= u'0' && c <= u'9'; })) {
        qsizetype cero = 0;
        while (cero < texto.size() - 1 && texto[cero] == u'0')
            ++cero;
        const QString cifras = texto.mid(cero);
        return cifras.size() >= 4 ? cifras : QString(4 - cifras.size(), u'0') + cifras;
    }
    const auto v = ValorNumerico(texto);
    if (!v) return texto;
    const double redondo = std::round(*v);
    if (std::fabs(redondo) > 1e9) return texto;
    const long long n = static_cast<long long>(redondo);
    const QString cifras = QString::number(n < 0 ? -n : n).rightJustified(4, u'0');
    return n < 0 ? u'-' + cifras : cifras;
}
