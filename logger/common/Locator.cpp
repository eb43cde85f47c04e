#include "Locator.h"

namespace {
bool EnRango(QChar c, char16_t desde, char16_t hasta) {
    return c >= desde && c <= hasta;
}
} // namespace

bool ConvierteLocator(const QString& locator, float& longitud, float& latitud) {
    QString l = locator;
    if (l.size() < 6) l += QStringLiteral("LL");
    if (l.size() != 6) return false;
    if (!EnRango(l[0], u'A', u'R') || !EnRango(l[2], u'0', u'9') || !EnRango(l[4], u'A', u'X') ||
        !EnRango(l[1], u'A', u'R') || !EnRango(l[3], u'0', u'9') || !EnRango(l[5], u'A', u'X'))
        return false;
    const auto n = [&](int i, char16_t base) { return static_cast<float>(l[i].unicode() - base); };
    longitud = (n(0, u'A') * 1200 + n(2, u'0') * 120 + n(4, u'A') * 5 - 10800) * 60 + 150;
    latitud = (n(1, u'A') * 600 + n(3, u'0') * 60 + n(5, u'A') * 2.5f - 5400) * 60 + 75;
    return true;
}
