#include "ServidorFtp.h"

#include <QFile>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <signal.h>
#include <sys/socket.h>
#include <unistd.h>

ServidorFtp::ServidorFtp(Opciones o) {
    QStringList argumentos{XK_SERVIDOR_FTP,
                           "--raiz",
                           raiz_.path(),
                           "--usuario",
                           Usuario,
                           "--clave",
                           o.clave ? o.clave : Clave,
                           "--lector",
                           QString(Lector) + ':' + ClaveLector};
    if (o.sinMlsd) argumentos << "--sin-mlsd";
    if (o.duplicados) argumentos << "--duplicados";
    if (o.limite) argumentos << "--limite" << QString::number(o.limite);
    proceso_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    proceso_.start(XK_PYTHON, argumentos);
    // The script announces its port once it listens; wait for that line, not for a guessed time.
    QByteArray salida;
    while (!salida.contains('\n') && proceso_.waitForReadyRead(20000))
        salida += proceso_.readAllStandardOutput();
    if (salida.startsWith("LISTO ")) puerto_ = salida.mid(6).trimmed().toInt();
}

ServidorFtp::~ServidorFtp() {
    descongela();
    mata();
}

void ServidorFtp::mata() {
    if (proceso_.state() == QProcess::NotRunning) return;
    proceso_.kill();
    proceso_.waitForFinished(5000);
}

void ServidorFtp::congela() {
    ::kill(static_cast<pid_t>(proceso_.processId()), SIGSTOP);
}

void ServidorFtp::descongela() {
    if (proceso_.state() != QProcess::NotRunning) ::kill(static_cast<pid_t>(proceso_.processId()), SIGCONT);
}

void ServidorFtp::escribe(const QString& nombre, const QByteArray& datos) const {
    QFile f(ruta(nombre));
    if (f.open(QIODevice::WriteOnly)) f.write(datos);
}

QByteArray ServidorFtp::lee(const QString& nombre) const {
    QFile f(ruta(nombre));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

int PuertoCerrado() {
    const int s = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in dir{};
    dir.sin_family = AF_INET;
    dir.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t largo = sizeof dir;
    ::bind(s, reinterpret_cast<sockaddr*>(&dir), sizeof dir);
    ::getsockname(s, reinterpret_cast<sockaddr*>(&dir), &largo);
    ::close(s);
    return ntohs(dir.sin_port);
}
