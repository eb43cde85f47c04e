// Two real loggers on one programs' folder: the second stays out of the working database; a lock
// left by a killed logger does not stop the next one.
#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <unistd.h>

namespace {
// True when the process has the file open, read from /proc.
bool tieneAbierto(qint64 pid, const QString& archivo) {
    const QString destino = QFileInfo(archivo).canonicalFilePath();
    const QDir fds(QStringLiteral("/proc/%1/fd").arg(pid));
    for (const QFileInfo& fd : fds.entryInfoList(QDir::Files | QDir::System | QDir::NoDotAndDotDot))
        if (fd.symLinkTarget() == destino) return true;
    return false;
}

// True while some process holds the folder's lock.
bool bloqueado(const QString& carpeta) {
    const int fd = ::open(QFile::encodeName(carpeta + "/XkLumoCon.bloqueo").constData(), O_RDWR | O_CLOEXEC);
    if (fd < 0) return false;
    const bool ocupado = ::flock(fd, LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK;
    ::close(fd);
    return ocupado;
}

struct Logger {
    QProcess p;
    explicit Logger(const QString& carpeta) {
        QProcessEnvironment entorno = QProcessEnvironment::systemEnvironment();
        entorno.insert("QT_QPA_PLATFORM", "offscreen");
        p.setProcessEnvironment(entorno);
        p.setStandardOutputFile(QProcess::nullDevice());
        p.setStandardErrorFile(QProcess::nullDevice());
        p.start(carpeta + "/XkLumoCon", {"comando"});
    }
    ~Logger() {
        if (p.state() != QProcess::NotRunning) {
            ::kill(static_cast<pid_t>(p.processId()), SIGKILL);
            p.waitForFinished(10000);
        }
    }
};
} // namespace

TEST(Instancia, ElSegundoNoTocaLaBaseYUnBloqueoMuertoNoImpideArrancar) {
    QTemporaryDir programas;
    ASSERT_TRUE(programas.isValid());
    const QString carpeta = QDir(programas.path()).canonicalPath();
    ASSERT_TRUE(QFile::copy(XK_LOGGER, carpeta + "/XkLumoCon"));
    QFile::setPermissions(carpeta + "/XkLumoCon", QFile::permissions(XK_LOGGER));
    const QString base = carpeta + "/XkLumoConcursos.Mdb";
    ASSERT_TRUE(QFile::copy(QString(XK_CARPETA_PROGRAMAS) + "/XkLumoConcursos.Mdb", base));
    QFile::setPermissions(base, QFile::ReadOwner | QFile::WriteOwner);

    auto primero = std::make_unique<Logger>(carpeta);
    ASSERT_TRUE(primero->p.waitForStarted(10000));
    ASSERT_TRUE(QTest::qWaitFor([&] { return tieneAbierto(primero->p.processId(), base); }, 30000))
        << "the first logger did not open its database";
    EXPECT_TRUE(bloqueado(carpeta));

    {
        // The second copy waits at its box, the database never opened.
        Logger segundo(carpeta);
        ASSERT_TRUE(segundo.p.waitForStarted(10000));
        EXPECT_FALSE(segundo.p.waitForFinished(3000)) << "the second logger ended without its box";
        EXPECT_FALSE(tieneAbierto(segundo.p.processId(), base));
        EXPECT_TRUE(tieneAbierto(primero->p.processId(), base));
    }

    // Killed: the kernel drops the lock with the process, and the next start goes on.
    primero.reset();
    EXPECT_FALSE(bloqueado(carpeta));
    Logger tercero(carpeta);
    ASSERT_TRUE(tercero.p.waitForStarted(10000));
    EXPECT_TRUE(QTest::qWaitFor([&] { return tieneAbierto(tercero.p.processId(), base); }, 30000))
        << "a stale lock stopped the next logger";
    EXPECT_TRUE(bloqueado(carpeta));
}
