#include "Qso.h"

#include "BaseDatos.h"

#include <QDateTime>

// Literal names: a whole log is read through here, and a literal costs no conversion per field.
Qso LeeQso(const ConjuntoRegistros& rs) {
    Qso q;
    q.numeroOrden = rs.entero(QStringLiteral("NumeroOrden"));
    q.numeroQso = rs.entero(QStringLiteral("NumeroQso"));
    const QVariant f = rs.valor(QStringLiteral("Fecha"));
    if (f.isValid()) q.fecha = f.toDateTime().date();
    q.hora = rs.texto(QStringLiteral("Hora"));
    q.banda = rs.texto(QStringLiteral("Banda"));
    q.modo = rs.texto(QStringLiteral("Modo"));
    q.indicativo = rs.texto(QStringLiteral("Indicativo"));
    q.rstEnviado = rs.texto(QStringLiteral("RstEnviado"));
    q.literalEnviado = rs.texto(QStringLiteral("LiteralEnviado"));
    q.numeralEnviado = rs.texto(QStringLiteral("NumeralEnviado"));
    q.puntosEnviados = rs.texto(QStringLiteral("PuntosEnviados"));
    q.locatorEnviado = rs.texto(QStringLiteral("LocatorEnviado"));
    q.rstRecibido = rs.texto(QStringLiteral("RstRecibido"));
    q.literalRecibido = rs.texto(QStringLiteral("LiteralRecibido"));
    q.numeralRecibido = rs.texto(QStringLiteral("NumeralRecibido"));
    q.puntosRecibidos = rs.texto(QStringLiteral("PuntosRecibidos"));
    q.locatorRecibido = rs.texto(QStringLiteral("LocatorRecibido"));
    return q;
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
}
