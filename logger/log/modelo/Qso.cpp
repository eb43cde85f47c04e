#include "Qso.h"

#include "BaseDatos.h"

#include <QDateTime>

Qso LeeQso(const ConjuntoRegistros& rs) {
    Qso q;
    q.numeroOrden = rs.entero("NumeroOrden");
    q.numeroQso = rs.entero("NumeroQso");
    const QVariant f = rs.valor("Fecha");
    if (f.isValid()) q.fecha = f.toDateTime().date();
    q.hora = rs.texto("Hora");
    q.banda = rs.texto("Banda");
    q.modo = rs.texto("Modo");
    q.indicativo = rs.texto("Indicativo");
    q.rstEnviado = rs.texto("RstEnviado");
    q.literalEnviado = rs.texto("LiteralEnviado");
    q.numeralEnviado = rs.texto("NumeralEnviado");
    q.puntosEnviados = rs.texto("PuntosEnviados");
    q.locatorEnviado = rs.texto("LocatorEnviado");
    q.rstRecibido = rs.texto("RstRecibido");
    q.literalRecibido = rs.texto("LiteralRecibido");
    q.numeralRecibido = rs.texto("NumeralRecibido");
    q.puntosRecibidos = rs.texto("PuntosRecibidos");
    q.locatorRecibido = rs.texto("LocatorRecibido");
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
