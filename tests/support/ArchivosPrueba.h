#pragma once
// Whole files written and read back by the tests, in the test's own temporary folder.
#include <QByteArray>
#include <QString>

void EscribeArchivo(const QString& nombre, const QByteArray& datos);
// The file's bytes, or "<no existe>" when it cannot be read.
QByteArray LeeArchivo(const QString& nombre);
