// Builds a fresh working database: runs the schema builders in a scratch folder and moves the
// result to the name given (default "XkLumoConcursos.Mdb"). Never replaces an existing file.
#include "Archivos.h"
#include "Esquema.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    const QString destino = QFileInfo(args.size() > 1 ? args.at(1) : NombreBaseDatos).absoluteFilePath();
    if (QFileInfo::exists(ResuelveNombreArchivo(destino))) {
        std::fprintf(stderr, "xk_crea_base: '%s' ya existe; no se reemplaza.\n", qPrintable(destino));
        return 1;
    }
    // Built beside the destination, so the final rename stays on one file system and is atomic;
    // a failed run leaves only the scratch folder, which is removed on return.
    const QString carpeta = QFileInfo(destino).absolutePath();
    QDir().mkpath(carpeta);
    QTemporaryDir temporal(carpeta + QStringLiteral("/.xk_crea_base-XXXXXX"));
    if (!temporal.isValid() || !QDir::setCurrent(temporal.path())) {
        std::fprintf(stderr, "xk_crea_base: no se puede crear una carpeta temporal.\n");
        return 1;
    }
    try {
        CreaTodasLasTablas(); // every connection is closed on return, so the file is complete
    } catch (const ErrorBD& e) {
        std::fprintf(stderr, "xk_crea_base: %s\n", e.what());
        return 1;
    }
    if (!QFile::rename(NombreBaseEsquema, destino)) {
        std::fprintf(stderr, "xk_crea_base: no se puede mover la base a '%s'.\n", qPrintable(destino));
        return 1;
    }
    return 0;
}
