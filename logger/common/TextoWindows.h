#pragma once
#include <QByteArray>
#include <QString>
#include <QStringList>

// Text in Windows-1252; characters that code page cannot hold become "?".
QByteArray ATextoWindows(const QString& texto);

// Writes the lines as a Windows-1252 text file, each ended by CR LF. The file is written under a
// temporary name and renamed into place, so a failure never leaves half a file under `ruta`.
// False on failure, with the reason in `error` when given.
bool EscribeArchivoTexto(const QString& ruta, const QStringList& lineas, QString* error = nullptr);
