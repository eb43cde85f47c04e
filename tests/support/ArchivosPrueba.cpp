#include "ArchivosPrueba.h"

#include <gtest/gtest.h>
#include <QFile>

void EscribeArchivo(const QString& nombre, const QByteArray& datos) {
    QFile f(nombre);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << nombre.toStdString();
    f.write(datos);
}

QByteArray LeeArchivo(const QString& nombre) {
    QFile f(nombre);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<no existe>");
}
