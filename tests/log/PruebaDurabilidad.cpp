// A process storing QSOs killed at random moments: every QSO it reported is there, whole, with
// one number each, and the file is sound.
#include "AyudasLog.h"

#include <gtest/gtest.h>
#include <QProcess>
#include <QRandomGenerator>
#include <QSet>
#include <QThread>

#ifndef HIJO_GRABA
#error "HIJO_GRABA names the child program"
#endif

TEST(Durabilidad, MatarAlGrabarNoPierdeNiDuplicaQsos) {
    auto bd = CreaBaseConConcurso("CNCW");
    bd.reset();
    QRandomGenerator azar(20260301);
    QSet<int> informados;
    for (int vez = 0; vez < 12; ++vez) {
        QProcess hijo;
        hijo.start(QStringLiteral(HIJO_GRABA), {});
        ASSERT_TRUE(hijo.waitForStarted());
        QThread::msleep(30 + azar.bounded(120));
        hijo.kill();
        hijo.waitForFinished();
        for (const QByteArray& l : hijo.readAllStandardOutput().split('\n'))
            if (!l.isEmpty()) informados.insert(l.toInt());
    }
    bd = BaseDatos::Abre("XkLumoConcursos.Mdb");
    const auto qsos = QsosGuardados(*bd);
    QSet<int> guardados;
    for (const Qso& q : qsos) {
        EXPECT_FALSE(guardados.contains(q.numeroQso)) << q.numeroQso;
        guardados.insert(q.numeroQso);
        EXPECT_EQ(q.indicativo, QStringLiteral("EA%1XX").arg(q.numeroQso)); // whole rows only
    }
    EXPECT_GT(informados.size(), 0);
    for (int n : informados)
        EXPECT_TRUE(guardados.contains(n)) << "reported " << n << " lost";
    EXPECT_EQ(UltimoNumEnviado(*bd), static_cast<int>(qsos.size()));
    EXPECT_EQ(bd->abreConjunto("PRAGMA integrity_check").valor(0).toString(), "ok");
}
