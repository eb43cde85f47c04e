#pragma once
// What the log benchmarks share: milliseconds since a monotonic reading, the bare SQLite
// statement their floors are measured with, a contest full of typed QSOs and a key as typed.
#include "BaseBench.h"
#include "Medidas.h"

#include <QApplication>
#include <QDateTime>
#include <QLineEdit>
#include <QTest>

#include <sqlite3.h>

#include <cstdio>

inline double Ms(long long desde) {
    return static_cast<double>(AhoraNs() - desde) / 1e6;
}

inline void Sql(sqlite3* db, const char* sql) {
    char* error = nullptr;
    if (sqlite3_exec(db, sql, nullptr, nullptr, &error) != SQLITE_OK) {
        std::printf("sqlite: %s\n", error);
        sqlite3_free(error);
    }
}

// A contest (number 5) with n QSOs typed in order, two of them with placeholders.
inline void LlenaBase(int n) {
    auto bd = CreaBaseTrabajoVacia();
    bd->ejecuta("INSERT INTO Indicativos (NumeroOrden, Indicativo) VALUES (1, 'EA1AAA')");
    bd->ejecuta(
        "INSERT INTO Concursos (NumeroOrden, NombreConcurso, Edicion, UltimoNumEnviado, Banda4, Modo1, "
        "Indicebanda, IndiceModo, EnviarRst, RecibirRst, EnviarNumeral, RecibirNumeral, HoraLocal, "
        "NoRepetir) VALUES (5, 'CNCW', '2026', " +
        QString::number(n) + ", 1, 1, 4, 1, 1, 1, 1, 1, 1, 1)");
    bd->ejecuta("UPDATE Control SET ConcursoActivo = 5, IndicativoActivo = 1");
    sqlite3* db = bd->conexion();
    Sql(db, "BEGIN");
    sqlite3_stmt* s = nullptr;
    sqlite3_prepare_v2(db,
                       "INSERT INTO Contactos (NumeroOrden, NumeroQso, Fecha, Hora, Banda, Modo, Indicativo, "
                       "RstEnviado, NumeralEnviado, RstRecibido, NumeralRecibido, LiteralRecibido) "
                       "VALUES (5, ?1, ?2, ?3, '14', 'CW', ?4, '599', ?5, '599', ?6, ?7)",
                       -1, &s, nullptr);
    const QDateTime inicio(QDate(2026, 3, 1), QTime(0, 0));
    for (int i = 1; i <= n; ++i) {
        const QDateTime m = inicio.addSecs(5LL * i);
        const QByteArray fecha = m.date().startOfDay().toString("yyyy-MM-ddTHH:mm:ss").toUtf8();
        const QByteArray hora = m.toString("HH:mm").toUtf8();
        // One station worked 50 times, spread over the log.
        const QByteArray ind =
            (i % (n / 50) == 0 ? QStringLiteral("EA7REP") : QStringLiteral("EA%1X").arg(i)).toUtf8();
        const QByteArray num = QStringLiteral("%1").arg(i % 10000, 4, 10, QLatin1Char('0')).toUtf8();
        sqlite3_bind_int(s, 1, i);
        sqlite3_bind_text(s, 2, fecha.constData(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_text(s, 3, hora.constData(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_text(s, 4, ind.constData(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_text(s, 5, num.constData(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_text(s, 6, i % 500 == 0 ? "0000" : "12", -1, SQLITE_TRANSIENT);
        sqlite3_bind_text(s, 7, i % 700 == 0 ? "-" : "M", -1, SQLITE_TRANSIENT);
        sqlite3_step(s);
        sqlite3_reset(s);
    }
    sqlite3_finalize(s);
    Sql(db, "COMMIT");
}

// The key to the focused control, or to the window when nothing has the focus.
// A cell of the log window's grid by its objectName ("Indicativo_3").
inline QLineEdit* CeldaBench(const QWidget& ventana, const char* columna, int fila) {
    return ventana.findChild<QLineEdit*>(QStringLiteral("%1_%2").arg(QLatin1String(columna)).arg(fila));
}

inline void Tecla(QWidget* w, Qt::Key k) {
    QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : w, k);
}
