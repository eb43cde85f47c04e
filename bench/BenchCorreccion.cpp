// Correcting and deleting one QSO of a contest of 32,000 QSOs (with 4,000 more in other contests):
// the correction's write (F12), reading the stored QSO back (Esc) and the deletion without its
// renumbering, beside the bare SQLite floor of the same statements in one transaction each.
//
//   xk_bench_correccion [repeticiones]
#include "ActualizacionCatalogo.h"
#include "BaseBench.h"
#include "BaseDatos.h"
#include "Contactos.h"
#include "Correccion.h"
#include "Esquema.h"
#include "Medidas.h"
#include "Renumeracion.h"

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>

#include <sqlite3.h>

#include <cstdio>
#include <functional>
#include <vector>

namespace {
constexpr int NumQsos = 32000;
constexpr int Concurso = 3;

Qso Contacto(int orden, int n) {
    Qso q;
    q.numeroOrden = orden;
    q.numeroQso = n;
    q.fecha = QDate(2026, 3, 14).addDays(n / 5000);
    q.hora = QStringLiteral("%1:%2")
                 .arg(n / 60 % 24, 2, 10, QLatin1Char('0'))
                 .arg(n % 60, 2, 10, QLatin1Char('0'));
    q.banda = "14";
    q.modo = "CW";
    q.indicativo = QStringLiteral("EA%1AB%2").arg(n % 10).arg(n % 1000);
    q.rstEnviado = q.rstRecibido = "599";
    q.numeralEnviado = QStringLiteral("%1").arg(n % 10000, 4, 10, QLatin1Char('0'));
    q.numeralRecibido = "0012";
    return q;
}

std::shared_ptr<BaseDatos> LlenaBase() {
    auto bd = CreaBaseTrabajoVacia();
    IndexaNumeroOrden(*bd); // as every start of the logger leaves the working database
    IndexaContactos(*bd);   // as the log window's opening leaves it
    BaseDatos::Transaccion t(*bd);
    ConjuntoRegistros c = bd->abreConjunto("Concursos");
    ConjuntoRegistros q = bd->abreConjunto("Contactos");
    for (int orden = 1; orden <= 5; ++orden) {
        const int cuantos = orden == Concurso ? NumQsos : 1000;
        c.anade();
        c.asigna("NumeroOrden", orden);
        c.asigna("NombreConcurso", QStringLiteral("CONCURSO %1").arg(orden));
        c.asigna("UltimoNumEnviado", cuantos);
        c.actualiza();
        for (int n = 1; n <= cuantos; ++n) {
            q.anade();
            EscribeQso(q, Contacto(orden, n));
            q.actualiza();
        }
    }
    t.confirma();
    return bd;
}

double Mide(const std::function<void()>& f) {
    const long long t0 = AhoraNs();
    f();
    return static_cast<double>(AhoraNs() - t0) / 1e6;
}

// The same statements on a bare connection with the logger's settings, prepared once.
class Suelo {
public:
    Suelo() {
        sqlite3_open(qPrintable(NombreBaseDatos), &db_);
        sqlite3_busy_timeout(db_, 5000);
        sqlite3_exec(db_, "PRAGMA journal_mode=WAL; PRAGMA synchronous=FULL;", nullptr, nullptr, nullptr);
        sqlite3_prepare_v2(
            db_,
            "UPDATE Contactos SET Fecha=?3, Hora=?4, Banda='14', Modo='CW', Indicativo=?5, "
            "RstEnviado='599', LiteralEnviado='', NumeralEnviado=?6, PuntosEnviados='', "
            "LocatorEnviado='', RstRecibido='599', LiteralRecibido='', NumeralRecibido='0012', "
            "PuntosRecibidos='', LocatorRecibido='' WHERE NumeroOrden=?1 AND NumeroQso=?2",
            -1, &actualiza_, nullptr);
        sqlite3_prepare_v2(db_, "SELECT * FROM Contactos WHERE NumeroOrden=?1 AND NumeroQso=?2", -1, &lee_,
                           nullptr);
        sqlite3_prepare_v2(db_, "DELETE FROM Contactos WHERE NumeroOrden=?1 AND NumeroQso=?2", -1, &borra_,
                           nullptr);
    }
    ~Suelo() {
        for (sqlite3_stmt* s : {actualiza_, lee_, borra_})
            sqlite3_finalize(s);
        sqlite3_close(db_);
    }
    void corrige(int n) {
        sqlite3_exec(db_, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr);
        Enlaza(actualiza_, n);
        sqlite3_bind_text(actualiza_, 3, "2026-03-20T00:00:00", -1, SQLITE_STATIC);
        sqlite3_bind_text(actualiza_, 4, "12:00", -1, SQLITE_STATIC);
        sqlite3_bind_text(actualiza_, 5, "EA4ZZ", -1, SQLITE_STATIC);
        sqlite3_bind_text(actualiza_, 6, "0001", -1, SQLITE_STATIC);
        Ejecuta(actualiza_);
        sqlite3_exec(db_, "COMMIT", nullptr, nullptr, nullptr);
    }
    void lee(int n) {
        Enlaza(lee_, n);
        while (sqlite3_step(lee_) == SQLITE_ROW)
            for (int i = 0; i < sqlite3_column_count(lee_); ++i)
                sqlite3_column_text(lee_, i);
        sqlite3_reset(lee_);
    }
    void borra(int n) {
        sqlite3_exec(db_, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr);
        Enlaza(borra_, n);
        Ejecuta(borra_);
        sqlite3_exec(db_, "COMMIT", nullptr, nullptr, nullptr);
    }

private:
    static void Enlaza(sqlite3_stmt* s, int n) {
        sqlite3_bind_int(s, 1, Concurso);
        sqlite3_bind_int(s, 2, n);
    }
    void Ejecuta(sqlite3_stmt* s) {
        if (sqlite3_step(s) != SQLITE_DONE) std::printf("suelo: %s\n", sqlite3_errmsg(db_));
        sqlite3_reset(s);
    }
    sqlite3* db_ = nullptr;
    sqlite3_stmt* actualiza_ = nullptr;
    sqlite3_stmt* lee_ = nullptr;
    sqlite3_stmt* borra_ = nullptr;
};

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int repeticiones = argc > 1 ? std::max(1, QByteArray(argv[1]).toInt()) : 30;

    QTemporaryDir carpeta;
    QDir::setCurrent(carpeta.path());
    const long long tLlenado = AhoraNs();
    auto bd = LlenaBase();
    std::printf("Base de trabajo: concurso de %d QSO y 4 de 1000 (llenada en %.0f ms)\n\n", NumQsos,
                static_cast<double>(AhoraNs() - tLlenado) / 1e6);

    std::vector<double> correccion, lectura, borrado, renumerado, sueloCorreccion, sueloLectura, sueloBorrado;
    int fallos = 0;
    {
        Suelo suelo;
        for (int i = 0; i < repeticiones; ++i) {
            // Spread over the log, a different QSO each time; deletions leave gaps nothing else reads.
            const int n = 1 + (i * 7919) % (NumQsos - 4 * repeticiones);
            Qso q = Contacto(Concurso, n);
            q.fecha = QDate(2026, 3, 20);
            q.indicativo = "EA4ZZ";
            correccion.push_back(Mide([&] { fallos += !ReescribeContacto(*bd, q).hecho; }));
            sueloCorreccion.push_back(Mide([&] { suelo.corrige(n + 1); }));
            lectura.push_back(Mide([&] { fallos += !LeeContactoGuardado(*bd, Concurso, n).has_value(); }));
            sueloLectura.push_back(Mide([&] { suelo.lee(n + 1); }));
            borrado.push_back(Mide([&] {
                BaseDatos::Transaccion t(*bd);
                fallos += !EliminaContactoEnCurso(*bd, Concurso, n).hecho;
                t.confirma();
            }));
            sueloBorrado.push_back(Mide([&] { suelo.borra(n + 1); }));
        }
    }
    // A QSO from the middle of the log deleted with the renumbering of the half that follows it.
    RenumeraContactos(*bd, Concurso); // closes the gaps left above
    for (int i = 0; i < repeticiones; ++i)
        renumerado.push_back(Mide([&] { fallos += !EliminaYRenumera(*bd, Concurso, NumQsos / 2).hecho; }));

    ImprimeCabecera(56);
    const auto fila = [](const char* nombre, const std::vector<double>& v) { ImprimeFila(56, 2, nombre, v); };
    fila("F12 de una corrección: reescribir el QSO", correccion);
    fila("  suelo: UPDATE por concurso y número, una transacción", sueloCorreccion);
    fila("Esc de una corrección: leer el QSO guardado", lectura);
    fila("  suelo: SELECT por concurso y número", sueloLectura);
    fila("borrar un QSO (sin renumerar), una transacción", borrado);
    fila("  suelo: DELETE por concurso y número, una transacción", sueloBorrado);
    fila("borrar el QSO del medio y renumerar, una transacción", renumerado);
    std::printf("\n(%d repeticiones%s; objetivo de la corrección: menos de 16 ms)\n", repeticiones,
                fallos ? ", CON FALLOS" : "");
    return fallos ? 1 : 0;
}
