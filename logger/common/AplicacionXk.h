#pragma once
#include <QApplication>

// The application object of both programs: an error nobody caught is shown in a critical box and
// the program ends, instead of crashing or going on with half-done work.
class AplicacionXk : public QApplication {
public:
    AplicacionXk(int& argc, char** argv, const QString& nombre);
    bool notify(QObject* receptor, QEvent* evento) override;

    // Shows the message and ends the process; also used for errors caught outside the event loop.
    [[noreturn]] static void ErrorFatal(const QString& mensaje);
};
