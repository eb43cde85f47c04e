#include "RigctldPrueba.h"

#include <QDeadlineTimer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>

int PuertoLibre() {
    QTcpServer s;
    s.listen(QHostAddress::LocalHost);
    return s.serverPort();
}

RigctldPrueba::RigctldPrueba() : puerto_(PuertoLibre()) {
    arranca();
}

void RigctldPrueba::arranca() {
    proceso_.start(QStringLiteral("rigctld"), {"-m", "1", "-T", "127.0.0.1", "-t", QString::number(puerto_)});
    proceso_.waitForStarted();
    for (QDeadlineTimer plazo(5000); !plazo.hasExpired(); QTest::qWait(50)) {
        QTcpSocket s;
        s.connectToHost(QStringLiteral("127.0.0.1"), quint16(puerto_));
        if (s.waitForConnected(200)) return;
    }
}

void RigctldPrueba::para() {
    proceso_.kill();
    proceso_.waitForFinished();
}

bool RigctldPrueba::ordena(const QStringList& ordenes) {
    const QStringList red{"-m", "2", "-r", QStringLiteral("127.0.0.1:%1").arg(puerto_)};
    return QProcess::execute(QStringLiteral("rigctl"), red + ordenes) == 0;
}
