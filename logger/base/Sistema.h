#pragma once
#include <QString>
#include <QStringList>

// Starting programs, raising windows, opening documents, reading versions; tests record the calls.
class Sistema {
public:
    virtual ~Sistema() = default;
    // Starts a program detached; false when it cannot be started (missing, not executable).
    virtual bool arranca(const QString& programa, const QStringList& argumentos) = 0;
    // Brings forward a top-level window by its title; may do nothing on desktops without such a call.
    virtual void traeAlFrente(const QString& titulo) = 0;
    // Opens a document with the desktop's viewer; false when that fails.
    virtual bool abreDocumento(const QString& ruta) = 0;
    // The version "a.b.c.d" embedded in an executable, or "0.0.0.0" when it carries none.
    virtual QString versionEjecutable(const QString& ruta) = 0;

    static Sistema& actual();
    static Sistema* instala(Sistema* nuevo);
};

// A program's file name on this platform: "ClienteXkLumoFTP" is "ClienteXkLumoFTP.exe" on Windows.
inline QString NombreEjecutable(const QString& base) {
#ifdef Q_OS_WIN
    return base + QStringLiteral(".exe");
#else
    return base;
#endif
}

// The marker text that carries a program's version inside its executable. A macro too, so that
// the program's own marker is written from it at compile time.
#define XKLUMO_MARCA_VERSION "XKLUMO-VERSION="
inline constexpr const char* MarcaVersion = XKLUMO_MARCA_VERSION;
