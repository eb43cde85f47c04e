// XkLumoCon: the contest logger. Started with an empty command line it hands over to the updater.
#include "AplicacionXk.h"
#include "Archivos.h"
#include "EstadoPrincipal.h"
#include "FConcursos.h"
#include "Sistema.h"

#include <QCoreApplication>
#include <QStringList>

namespace {
// The updater reads the logger's version from these bytes of the executable file.
[[gnu::used]] volatile const char MarcaVersionPrograma[] = XKLUMO_MARCA_VERSION XKLUMO_VERSION;
} // namespace

int main(int argc, char** argv) {
    // Keeps the marker in the binary whatever the optimiser decides.
    static_cast<void>(MarcaVersionPrograma[0]);

    AplicacionXk app(argc, argv, QStringLiteral("XkLumoCon"));
    CambiaACarpetaPrograma();

    EstadoPrincipal estado;
    FConcursos ventana(estado);
    const QString linea = QCoreApplication::arguments().mid(1).join(QLatin1Char(' '));
    if (!CargaVentanaPrincipal(ventana, linea)) return 0;
    return app.exec();
}
