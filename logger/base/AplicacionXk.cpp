#include "AplicacionXk.h"

#include "Avisos.h"
#include "Memoria.h"

#include <cstdlib>
#include <exception>
#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace {

class Aplicacion : public QApplication {
public:
    using QApplication::QApplication;
    bool notify(QObject* receptor, QEvent* evento) override {
        try {
            return QApplication::notify(receptor, evento);
        } catch (const std::exception& e) {
            AplicacionXk::ErrorFatal(QString::fromUtf8(e.what()));
        } catch (...) {
            AplicacionXk::ErrorFatal(QStringLiteral("Error desconocido"));
        }
    }
};

} // namespace

AplicacionXk::AplicacionXk(int& argc, char** argv, const QString& nombre)
    : app_(std::make_unique<Aplicacion>(argc, argv)) {
    ConservaMemoriaLiberada();
    app_->setApplicationName(nombre);
    // Standard buttons read "Sí", "No", "Aceptar", "Cancelar".
    auto* traductor = new QTranslator(app_.get());
    if (traductor->load("qtbase_es", QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        app_->installTranslator(traductor);
}

AplicacionXk::~AplicacionXk() = default;

int AplicacionXk::exec() {
    return QApplication::exec();
}

void AplicacionXk::ErrorFatal(const QString& mensaje) {
    MsgBox(mensaje, Icono::Critico);
    std::exit(1);
}
