#include "CamposQso.h"

QString NombreCampo(CampoQso campo) {
    static const char* const nombres[NumeroCamposQso] = {
        "FechaQso",           "HoraQso",         "Banda",           "Modo",           "Indicativo",
        "RsRecibido",         "NumeralRecibido", "LiteralRecibido", "ControlRec",     "PuntosRecibidos",
        "QraLocatorRecibido", "RsEnviado",       "NumeralEnviado",  "LiteralEnviado", "PuntosEnviados",
        "QraLocatorEnviado"};
    return QString::fromLatin1(nombres[static_cast<int>(campo)]);
}
