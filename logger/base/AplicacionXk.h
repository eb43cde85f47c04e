#pragma once
#include <QString>

#include <memory>

class QApplication;

// The application object of both programs: an error nobody caught is shown in a critical box and
// the program ends, instead of crashing or going on with half-done work. The widget application
// itself stays inside, so this header pulls in no widget header.
class AplicacionXk {
public:
    AplicacionXk(int& argc, char** argv, const QString& nombre);
    ~AplicacionXk();
    int exec();

    // Shows the message and ends the process; also used for errors caught outside the event loop.
    [[noreturn]] static void ErrorFatal(const QString& mensaje);

private:
    std::unique_ptr<QApplication> app_;
};
