#pragma once
#include <QString>

// The logger's first steps, before its window is loaded: the hand-over to the updater and the
// installation of an updater the updater downloaded for itself.

QString NombreActualizador();
QString NombreLogger();
inline const QString DescargaActualizador = QStringLiteral("ClienteXkLumoFTPDescarga");
inline const QString DocumentoAyuda = QStringLiteral("GuiaXkLumoCon.htm");

// Starts the updater with a fresh launch token; false when it cannot be started at all.
bool EntregaAlActualizador();

// When "ClienteXkLumoFTPDescarga" exists, replaces the updater by it, telling the user before
// and after. A file that cannot be deleted or renamed throws std::runtime_error with the
// system's message.
void InstalaActualizadorDescargado();
