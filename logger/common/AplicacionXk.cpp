#include "AplicacionXk.h"

#include "Avisos.h"

#include <QLibraryInfo>
#include <QTranslator>
#include <cstdlib>
#include <exception>

AplicacionXk::AplicacionXk(int& argc, char** argv, const QString& nombre) : QApplication(argc, argv) {
    setApplicationName(nombre);
    // Standard buttons read "Sí", "No", "Aceptar", "Cancelar".
    auto* traductor = new QTranslator(this);
    if (traductor->load("qtbase_es", QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        installTranslator(traductor);
}

bool AplicacionXk::notify(QObject* receptor, QEvent* evento) {
    try {
        return QApplication::notify(receptor, evento);
    } catch (const std::exception& e) {
        ErrorFatal(QString::fromUtf8(e.what()));
    } catch (...) {
        ErrorFatal(QStringLiteral("Error desconocido"));
    }
}

void AplicacionXk::ErrorFatal(const QString& mensaje) {
    MsgBox(mensaje, Icono::Critico);
    std::exit(1);
}
