// ClienteXkLumoFTP: the updater the logger starts with its launch token.
#include "Archivos.h"
#include "frmMain.h"
#include "Versiones.h"

#include <QApplication>
#include <QStringList>

#ifdef Q_OS_UNIX
#include <csignal>
#endif

namespace {
// The updater shows no message on any path: an error nobody caught still hands over to the
// logger, as every other failure does, instead of leaving the user with no program.
class AplicacionActualizador : public QApplication {
public:
    using QApplication::QApplication;
    bool notify(QObject* receptor, QEvent* evento) override {
        try {
            return QApplication::notify(receptor, evento);
        } catch (...) {
            if (!fallido_) ArrancaLogger();
            fallido_ = true;
            exit(1);
            return false;
        }
    }

private:
    bool fallido_ = false;
};
} // namespace

int main(int argc, char** argv) {
#ifdef Q_OS_UNIX
    // Started detached, the updater may hold the logger's closed output: a warning written
    // there must not end it before it hands back.
    std::signal(SIGPIPE, SIG_IGN);
#endif
    AplicacionActualizador app(argc, argv);
    app.setApplicationName(QStringLiteral("ClienteXkLumoFTP"));
    CambiaACarpetaPrograma();

    // The whole command line after the program's name is the token.
    const QString linea = QCoreApplication::arguments().mid(1).join(QLatin1Char(' '));
    try {
        frmMain ventana(QStringLiteral(XKLUMO_FTP_HOST), XKLUMO_FTP_PORT, QStringLiteral(XKLUMO_FTP_USER),
                        linea);
        if (ventana.Terminado()) return 0;
        return app.exec();
    } catch (...) {
        ArrancaLogger();
        return 1;
    }
}
