#include "ConfiguracionRadio.h"

#include "Esquema.h"

namespace {
const QString TablaRadio = QStringLiteral("Radio");
} // namespace

ConfiguracionRadio LeeConfiguracionRadio(BaseDatos& bd) {
    ConfiguracionRadio c;
    if (!bd.existeTabla(TablaRadio)) return c;
    ConjuntoRegistros rs = bd.abreConjunto(TablaRadio);
    if (rs.eof()) return c;
    const int tipo = rs.entero("Tipo");
    // A value another program wrote that names no kind is no radio.
    if (tipo < static_cast<int>(TipoRadio::Ninguno) || tipo > static_cast<int>(TipoRadio::Rigctld)) return c;
    c.tipo = static_cast<TipoRadio>(tipo);
    c.modelo = rs.entero("Modelo");
    c.dispositivo = rs.texto("Dispositivo");
    if (!rs.esNulo("Velocidad")) c.velocidad = rs.entero("Velocidad");
    if (!rs.esNulo("Host")) c.host = rs.texto("Host");
    if (!rs.esNulo("PuertoRed")) c.puertoRed = rs.entero("PuertoRed");
    return c;
}

void GuardaConfiguracionRadio(BaseDatos& bd, const ConfiguracionRadio& c) {
    BaseDatos::Transaccion t(bd);
    CreaTablaRadio(bd);
    bd.ejecuta(QStringLiteral("DELETE FROM Radio"));
    ConjuntoRegistros rs = bd.abreConjunto(TablaRadio);
    rs.anade();
    rs.asigna("Tipo", static_cast<int>(c.tipo));
    rs.asigna("Modelo", c.modelo);
    rs.asigna("Dispositivo", c.dispositivo);
    rs.asigna("Velocidad", c.velocidad);
    rs.asigna("Host", c.host);
    rs.asigna("PuertoRed", c.puertoRed);
    rs.actualiza();
    t.confirma();
}
