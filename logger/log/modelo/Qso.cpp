#include "Qso.h"

#include "BaseDatos.h"

#include <QDateTime>

#include <array>
#include <iterator>

namespace {
// The fields a Qso is read from, in the order of LectorQso::posicion_.
constexpr std::array<const char*, 18> CamposQso{"NumeroOrden",     "NumeroQso",
                                                "Fecha",           "Hora",
                                                "Banda",           "Modo",
                                                "Indicativo",      "RstEnviado",
                                                "LiteralEnviado",  "NumeralEnviado",
                                                "PuntosEnviados",  "LocatorEnviado",
                                                "RstRecibido",     "LiteralRecibido",
                                                "NumeralRecibido", "PuntosRecibidos",
                                                "LocatorRecibido", "Frecuencia"};
constexpr size_t PosicionFrecuencia = 17;

bool TieneFrecuencia(const ConjuntoRegistros& rs) {
    const DefTabla& def = rs.definicion();
    for (int c = def.cuenta() - 1; c >= 0; --c)
        if (def.campo(c).nombre.compare(QLatin1String(CamposQso[PosicionFrecuencia]), Qt::CaseInsensitive) ==
            0)
            return true;
    return false;
}
} // namespace

LectorQso::LectorQso(const ConjuntoRegistros& rs) {
    const DefTabla& def = rs.definicion();
    for (size_t i = 0; i < CamposQso.size(); ++i) {
        posicion_[i] = -1;
        for (int c = 0; c < def.cuenta(); ++c)
            if (def.campo(c).nombre.compare(QLatin1String(CamposQso[i]), Qt::CaseInsensitive) == 0) {
                posicion_[i] = c;
                break;
            }
    }
}

Qso LectorQso::lee(const ConjuntoRegistros& rs) const {
    // A field the set lacks is asked by name, which reports it as the engine layer does.
    auto v = [&](size_t i) {
        return posicion_[i] >= 0 ? rs.valor(posicion_[i]) : rs.valor(QString::fromLatin1(CamposQso[i]));
    };
    Qso q;
    q.numeroOrden = v(0).toInt();
    q.numeroQso = v(1).toInt();
    const QVariant f = v(2);
    if (f.isValid()) q.fecha = f.toDateTime().date();
    QString* textos[] = {&q.hora,
                         &q.banda,
                         &q.modo,
                         &q.indicativo,
                         &q.rstEnviado,
                         &q.literalEnviado,
                         &q.numeralEnviado,
                         &q.puntosEnviados,
                         &q.locatorEnviado,
                         &q.rstRecibido,
                         &q.literalRecibido,
                         &q.numeralRecibido,
                         &q.puntosRecibidos,
                         &q.locatorRecibido};
    for (size_t i = 0; i < std::size(textos); ++i)
        *textos[i] = v(i + 3).toString();
    // A table not yet upgraded has no frequency: its QSOs were all logged by hand.
    if (posicion_[PosicionFrecuencia] >= 0) q.frecuencia = rs.valor(posicion_[PosicionFrecuencia]).toString();
    return q;
}

Qso LeeQso(const ConjuntoRegistros& rs) {
    return LectorQso(rs).lee(rs);
}

void EscribeQso(ConjuntoRegistros& rs, const Qso& q) {
    rs.asigna("NumeroOrden", q.numeroOrden);
    rs.asigna("NumeroQso", q.numeroQso);
    rs.asigna("Fecha", q.fecha.isValid() ? QVariant(q.fecha.startOfDay()) : QVariant());
    rs.asigna("Hora", q.hora);
    rs.asigna("Banda", q.banda);
    rs.asigna("Modo", q.modo);
    rs.asigna("Indicativo", q.indicativo);
    rs.asigna("RstEnviado", q.rstEnviado);
    rs.asigna("LiteralEnviado", q.literalEnviado);
    rs.asigna("NumeralEnviado", q.numeralEnviado);
    rs.asigna("PuntosEnviados", q.puntosEnviados);
    rs.asigna("LocatorEnviado", q.locatorEnviado);
    rs.asigna("RstRecibido", q.rstRecibido);
    rs.asigna("LiteralRecibido", q.literalRecibido);
    rs.asigna("NumeralRecibido", q.numeralRecibido);
    rs.asigna("PuntosRecibidos", q.puntosRecibidos);
    rs.asigna("LocatorRecibido", q.locatorRecibido);
    if (!q.frecuencia.isEmpty() || TieneFrecuencia(rs))
        rs.asigna("Frecuencia", q.frecuencia.isEmpty() ? QVariant() : QVariant(q.frecuencia));
}

double FrecuenciaHz(const Qso& q) {
    return q.frecuencia.toDouble();
}
