// Builds a database the updater delivers from its text source:
//   xk_crea_entregas nuevos <fuente> <XkLumoNuevosCon.Mdb>
//   xk_crea_entregas meses  <fuente> <XkConfLumoConcursos.mdb>
#include "FuenteEntregas.h"

#include <QCoreApplication>
#include <QFile>

#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 4 || (args[1] != "nuevos" && args[1] != "meses")) {
        std::fprintf(stderr, "uso: xk_crea_entregas nuevos|meses <fuente> <destino>\n");
        return 2;
    }
    const TipoEntrega tipo = args[1] == "nuevos" ? TipoEntrega::NuevosConcursos : TipoEntrega::MesesConcursos;
    QFile fuente(args[2]);
    if (!fuente.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "xk_crea_entregas: no se puede leer '%s'.\n", qPrintable(args[2]));
        return 1;
    }
    try {
        EscribeEntrega(tipo, LeeFuente(tipo, QString::fromUtf8(fuente.readAll())), args[3]);
    } catch (const ErrorFuente& e) {
        std::fprintf(stderr, "xk_crea_entregas: %s, %s\n", qPrintable(args[2]), e.what());
        return 1;
    } catch (const ErrorBD& e) {
        std::fprintf(stderr, "xk_crea_entregas: %s\n", e.what());
        return 1;
    }
    return 0;
}
