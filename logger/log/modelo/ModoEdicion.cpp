#include "ModoEdicion.h"

QString TextoModoEdicion(ModoEdicion modo) {
    switch (modo) {
    case ModoEdicion::Ninguno:
        return {};
    case ModoEdicion::Alta:
        return QStringLiteral("ALTA");
    case ModoEdicion::Modificar:
        return QStringLiteral("MODIFICAR");
    case ModoEdicion::Borrar:
        return QStringLiteral("BORRAR");
    case ModoEdicion::CambioFecha:
        return QStringLiteral("CAMBIOFECHA");
    case ModoEdicion::ListarCabrillo:
        return QStringLiteral("LISTARCABRILLO");
    }
    return {};
}
