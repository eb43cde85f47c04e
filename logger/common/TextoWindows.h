#pragma once
#include <QByteArray>
#include <QString>
#include <QStringList>

// Text in Windows-1252; characters that code page cannot hold become "?".
QByteArray ATextoWindows(const QString& texto);

// Printable ASCII only, as Cabrillo and ADIF readers require: a letter becomes its ASCII base
// letter ("á" "a", "Ñ" "N", "º" "o"), a sign its usual ASCII form ("’" "'", "€" "EUR", "ß" "ss"),
// and only a character with no such form becomes "?". Text that is already ASCII comes back as it is.
QString TextoAscii(const QString& texto);

enum class Codificacion { Windows1252, Ascii };

// Writes the lines as a text file, each ended by CR LF. The file is written under a temporary
// name and renamed into place once every byte reached the disk, so a failure never leaves half a
// file, or an empty one, under `ruta`. False on failure, with the reason in Spanish in `error`.
bool EscribeArchivoTexto(const QString& ruta, const QStringList& lineas, QString* error = nullptr,
                         Codificacion codificacion = Codificacion::Windows1252);
// The same for bytes already encoded.
bool EscribeArchivo(const QString& ruta, const QByteArray& contenido, QString* error = nullptr);
// What the user reads when a file could not be written: its name, the reason, and that an
// earlier file of that name is still whole.
QString MensajeEscrituraFallida(const QString& fichero, const QString& razon);
