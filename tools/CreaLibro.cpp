// xk_crea_libro <file>: creates an empty logbook file with its table LibroGuardia.
#include "LibroGuardia.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "Uso: xk_crea_libro <archivo LibroDe*.mdb>\n");
        return 2;
    }
    try {
        CreaLibroGuardia(QString::fromLocal8Bit(argv[1]));
    } catch (const ErrorBD& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    return 0;
}
