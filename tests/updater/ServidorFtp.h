#pragma once
#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>

// A pyftpdlib server on a free loopback port, serving a fresh temporary folder; stopped when
// the object goes.
class ServidorFtp {
public:
    struct Opciones {
        bool sinMlsd = false;        // answers MLSD as unknown
        bool duplicados = false;     // lists every name twice
        int limite = 0;              // bytes per second sent, 0 = unlimited
        const char* clave = nullptr; // password of the main account; nullptr: Clave
    };
    static constexpr const char* Usuario = "xklumo";
    static constexpr const char* Clave = "FTPrueba38";
    static constexpr const char* Lector = "lector"; // read-only account
    static constexpr const char* ClaveLector = "solo";

    ServidorFtp() : ServidorFtp(Opciones{}) {}
    explicit ServidorFtp(Opciones opciones);
    ~ServidorFtp();

    bool listo() const { return puerto_ > 0; }
    int puerto() const { return puerto_; }
    QString ruta(const QString& nombre) const { return raiz_.filePath(nombre); }
    void escribe(const QString& nombre, const QByteArray& datos) const;
    QByteArray lee(const QString& nombre) const;

    void mata();    // as if the server machine vanished
    void congela(); // stops answering without closing anything
    void descongela();

private:
    QTemporaryDir raiz_;
    QProcess proceso_;
    int puerto_ = 0;
};

// A loopback port with nothing listening on it.
int PuertoCerrado();
