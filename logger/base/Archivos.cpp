#include "Archivos.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

QString ResuelveNombreArchivo(const QString& nombre) {
    const QFileInfo info(nombre);
    if (info.exists()) return nombre;
    QDir carpeta = info.dir();
    if (!carpeta.exists()) return nombre;
    const QString buscado = info.fileName();
    const auto entradas = carpeta.entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden);
    for (const QString& e : entradas) {
        if (e.compare(buscado, Qt::CaseInsensitive) == 0) {
            return nombre.contains('/') ? carpeta.filePath(e) : e;
        }
    }
    return nombre;
}

void CambiaACarpetaPrograma() {
    QDir::setCurrent(QCoreApplication::applicationDirPath());
}
