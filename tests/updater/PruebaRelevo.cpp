// The two real programs in a temporary programs' folder: the logger started with an empty
// command line hands over to the updater with a token; the updater, finding no server at the
// deployment endpoint, starts the logger again with "comando".
#include "Sistema.h"
#include <cerrno>
#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTime>

#include <fcntl.h>
#include <netdb.h>
#include <poll.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/types.h>
#include <unistd.h>

namespace {
struct Proceso {
    pid_t pid;
    QStringList argumentos;
};

// Every process whose program lives in `carpeta`, read from /proc.
std::vector<Proceso> procesosDe(const QString& carpeta) {
    std::vector<Proceso> hallados;
    const QString prefijo = QDir(carpeta).canonicalPath() + '/';
    for (const QString& entrada : QDir("/proc").entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        bool numero = false;
        const pid_t pid = entrada.toInt(&numero);
        if (!numero) continue;
        QFile f("/proc/" + entrada + "/cmdline");
        if (!f.open(QIODevice::ReadOnly)) continue;
        QStringList argumentos;
        for (const QByteArray& a : f.readAll().split('\0'))
            argumentos << QString::fromLocal8Bit(a);
        if (!argumentos.isEmpty() && argumentos.last().isEmpty()) argumentos.removeLast();
        if (!argumentos.isEmpty() && argumentos[0].startsWith(prefijo)) hallados.push_back({pid, argumentos});
    }
    return hallados;
}

void terminaTodos(const QString& carpeta) {
    for (const Proceso& p : procesosDe(carpeta))
        ::kill(p.pid, SIGKILL);
}

// Kills, by process id, whatever of the temporary folder is still running, however the test ends.
struct Limpieza {
    QString carpeta;
    ~Limpieza() { terminaTodos(carpeta); }
};

// True when something accepts a connection at host:port within two seconds.
bool escucha(const char* host, int puerto) {
    addrinfo pista{}, *dirs = nullptr;
    pista.ai_socktype = SOCK_STREAM;
    if (getaddrinfo(host, QByteArray::number(puerto).constData(), &pista, &dirs) != 0) return false;
    bool conectado = false;
    for (addrinfo* d = dirs; d && !conectado; d = d->ai_next) {
        const int s = ::socket(d->ai_family, d->ai_socktype | SOCK_NONBLOCK, d->ai_protocol);
        if (s < 0) continue;
        if (::connect(s, d->ai_addr, d->ai_addrlen) == 0) {
            conectado = true;
        } else if (errno == EINPROGRESS) {
            pollfd p{s, POLLOUT, 0};
            int error = 0;
            socklen_t largo = sizeof error;
            conectado = ::poll(&p, 1, 2000) == 1 &&
                        ::getsockopt(s, SOL_SOCKET, SO_ERROR, &error, &largo) == 0 && error == 0;
        }
        ::close(s);
    }
    freeaddrinfo(dirs);
    return conectado;
}

bool copia(const QString& origen, const QString& destino) {
    return QFile::exists(origen) && QFile::copy(origen, destino) &&
           QFile::setPermissions(destino, QFile::permissions(origen));
}
} // namespace

TEST(Relevo, ElLoggerVuelveArrancadoConComando) {
    // The deployment endpoint must be silent for this run to mean "no server".
    if (escucha(XKLUMO_FTP_HOST, XKLUMO_FTP_PORT))
        GTEST_SKIP() << "something listens at the deployment endpoint";

    QTemporaryDir programas;
    ASSERT_TRUE(programas.isValid());
    const QString carpeta = QDir(programas.path()).canonicalPath();
    Limpieza limpieza{carpeta};
    ASSERT_TRUE(copia(XK_LOGGER, carpeta + "/XkLumoCon"));
    ASSERT_TRUE(copia(XK_ACTUALIZADOR, carpeta + "/ClienteXkLumoFTP"));
    // What the logger's normal start needs from the assembled programs' folder, when it is there.
    for (const char* nombre : {"XkLumoConcursos.Mdb", "GuiaXkLumoCon.htm"})
        copia(QString(XK_CARPETA_PROGRAMAS) + '/' + nombre, carpeta + '/' + nombre);

    // The token holds only within its clock minute: do not start on the edge of one.
    while (QTime::currentTime().second() >= 55)
        QTest::qWait(500);

    QProcess primero;
    primero.setWorkingDirectory(QDir::tempPath()); // the programs find their folder themselves
    // The programs started in turn inherit these; a pipe closed with the first would kill them.
    primero.setStandardOutputFile(QProcess::nullDevice());
    primero.setStandardErrorFile(QProcess::nullDevice());
    primero.start(carpeta + "/XkLumoCon", {});
    ASSERT_TRUE(primero.waitForStarted(10000));
    EXPECT_TRUE(primero.waitForFinished(30000)) << "the logger did not end after handing over";

    std::vector<Proceso> logger;
    const bool visto = QTest::qWaitFor(
        [&] {
            logger.clear();
            for (const Proceso& p : procesosDe(carpeta))
                if (p.argumentos.value(0).endsWith("/XkLumoCon") &&
                    p.argumentos.mid(1) == QStringList{"comando"})
                    logger.push_back(p);
            return !logger.empty();
        },
        60000);
    EXPECT_TRUE(visto) << "the logger was not started again with \"comando\"";
    EXPECT_EQ(logger.size(), 1u);
    // The updater ends once it has handed back.
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            for (const Proceso& p : procesosDe(carpeta))
                if (p.argumentos.value(0).endsWith("/ClienteXkLumoFTP")) return false;
            return true;
        },
        30000));
}

// The updater compares this version with the server's list: a logger read as 0 would be downloaded
// again at every start.
TEST(Relevo, ElLoggerConstruidoLlevaLaVersionDelProyecto) {
    EXPECT_EQ(Sistema::actual().versionEjecutable(XK_LOGGER), XK_VERSION);
}
