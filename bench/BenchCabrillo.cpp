// The Cabrillo run of a contest of 32,000 QSOs on three bands, one list and one per band, until the
// files are written; beside the floor of the same work straight on SQLite and stdio (the same
// rows copied into Listados in one transaction, read back in order, the same bytes written, synced
// and renamed into place).
//
//   xk_bench_cabrillo [repeticiones]
#include "BaseBench.h"
#include "BaseDatos.h"
#include "Cabrillo.h"
#include "Medidas.h"
#include "Memoria.h"
#include "TextoWindows.h"

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QTemporaryDir>

#include <sqlite3.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

namespace {
constexpr int NumQsos = 32000;
const char* const Bandas[] = {"144", "432", "1296"};

double Mide(const std::function<void()>& f) {
    const long long t0 = AhoraNs();
    f();
    return static_cast<double>(AhoraNs() - t0) / 1e6;
}

void Llena(BaseDatos& bd) {
    BaseDatos::Transaccion t(bd);
    auto c = bd.abreConjunto("Concursos");
    c.anade();
    c.asigna("NumeroOrden", 1);
    c.asigna("NombreConcurso", QStringLiteral("NACIONAL DE V-UHF"));
    for (const char* f :
         {"EnviarRst", "EnviarNumeral", "RecibirRst", "RecibirNumeral", "Banda10", "Banda11", "Banda12"})
        c.asigna(f, true);
    c.actualiza();
    auto i = bd.abreConjunto("Indicativos");
    i.anade();
    i.asigna("NumeroOrden", 1);
    i.asigna("Indicativo", QStringLiteral("EA4ZZZ/P"));
    i.asigna("Operador", QStringLiteral("José"));
    i.actualiza();
    auto q = bd.abreConjunto("Contactos");
    for (int n = 1; n <= NumQsos; ++n) {
        Qso x;
        x.numeroOrden = 1;
        x.numeroQso = n;
        x.fecha = QDate(2026, 7, 4);
        x.hora = QStringLiteral("%1:%2")
                     .arg(n / 60 % 24, 2, 10, QLatin1Char('0'))
                     .arg(n % 60, 2, 10, QLatin1Char('0'));
        x.banda = Bandas[n % 3];
        x.modo = n % 2 ? "SSB" : "CW";
        x.indicativo = QStringLiteral("EA%1AB%2").arg(n % 10).arg(n % 1000);
        x.rstEnviado = "59";
        x.numeralEnviado = QString::number(n % 10000);
        x.rstRecibido = "59";
        x.numeralRecibido = QString::number(n % 9000);
        q.anade();
        EscribeQso(q, x);
        q.actualiza();
    }
    t.confirma();
}

// One file straight on SQLite and stdio: copy, read in order, format, write, sync, rename.
void FicheroDirecto(sqlite3* db, const char* banda, const std::string& nombre) {
    sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr);
    std::string copia = "INSERT INTO Listados SELECT * FROM Contactos WHERE NumeroOrden = 1";
    if (banda) copia += std::string(" AND Banda = '") + banda + "'";
    sqlite3_exec(db, (copia + " ORDER BY NumeroQso").c_str(), nullptr, nullptr, nullptr);
    sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
    const std::string temporal = nombre + ".tmp";
    FILE* f = std::fopen(temporal.c_str(), "wb");
    std::fputs("START-OF-LOG: 2.0\r\nCONTEST: NACIONAL DE V-UHF\r\nCALLSIGN: EA4ZZZ\r\n", f);
    sqlite3_stmt* s = nullptr;
    sqlite3_prepare_v2(db, "SELECT * FROM Listados WHERE NumeroOrden = 1 ORDER BY NumeroQso", -1, &s,
                       nullptr);
    char linea[256];
    while (sqlite3_step(s) == SQLITE_ROW) {
        auto t = [&](int c) { return reinterpret_cast<const char*>(sqlite3_column_text(s, c)); };
        const int n = std::snprintf(
            linea, sizeof linea, "QSO: %5s %-2.2s %-10.10s %.2s%.2s %-14s%-4s%03d  %-14s%-4s%03d\r\n", t(4),
            t(5), t(2), t(3), t(3) + 3, "EA4ZZZ/P", t(7), std::atoi(t(9)), t(6), t(12), std::atoi(t(14)));
        std::fwrite(linea, 1, static_cast<size_t>(n), f);
    }
    sqlite3_finalize(s);
    std::fputs("END-OF-LOG:\r\n", f);
    std::fflush(f);
    fsync(fileno(f));
    std::fclose(f);
    std::rename(temporal.c_str(), nombre.c_str());
}

void Suelo(bool porBanda) {
    sqlite3* db = nullptr;
    sqlite3_open_v2(NombreBaseDatos.toUtf8().constData(), &db, SQLITE_OPEN_READWRITE, nullptr);
    sqlite3_exec(db, "PRAGMA synchronous=FULL; DELETE FROM Listados", nullptr, nullptr, nullptr);
    if (porBanda) {
        for (const char* b : Bandas) {
            FicheroDirecto(db, b, std::string("SUELO-") + b + ".LOG");
            sqlite3_exec(db, "DELETE FROM Listados", nullptr, nullptr, nullptr);
        }
    } else {
        FicheroDirecto(db, nullptr, "SUELO.LOG");
    }
    sqlite3_close(db);
}
} // namespace

int main(int argc, char** argv) {
    ConservaMemoriaLiberada(); // as the programs do at their start
    QCoreApplication app(argc, argv);
    const int repeticiones = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    QTemporaryDir carpeta;
    QDir::setCurrent(carpeta.path());
    auto bd = CreaBaseTrabajoVacia();
    Llena(*bd);

    std::vector<double> una, porBanda, sueloUna, sueloBanda;
    for (int r = 0; r < repeticiones; ++r) {
        una.push_back(Mide([&] {
            cabrillo::GeneraListadosCabrillo(*bd, {1, 1, cabrillo::Orden::NumeroQso, false, "1.0"});
        }));
        sueloUna.push_back(Mide([] { Suelo(false); }));
        porBanda.push_back(Mide([&] {
            cabrillo::GeneraListadosCabrillo(*bd, {1, 1, cabrillo::Orden::NumeroQso, true, "1.0"});
        }));
        sueloBanda.push_back(Mide([] { Suelo(true); }));
    }
    // Where the single-list run spends its time.
    std::vector<double> copia, lectura, lineas, escritura, pantalla;
    for (int r = 0; r < repeticiones; ++r) {
        const auto c = LeeFilaConcurso(*bd, 1);
        bd->ejecuta("Delete From Listados");
        copia.push_back(
            Mide([&] { cabrillo::CopiaContactosListados(*bd, 1, "1", false, cabrillo::Orden::NumeroQso); }));
        std::vector<Qso> qsos;
        lectura.push_back(Mide([&] {
            auto rs = bd->abreLectura("Select * From Listados Where NumeroOrden = 1 Order By NumeroQso");
            const LectorQso lector(rs);
            for (; !rs.eof(); rs.siguiente())
                qsos.push_back(lector.lee(rs));
        }));
        QStringList l;
        lineas.push_back(Mide([&] {
            l = cabrillo::LineasFichero(qsos, LeeFilaResumen(*bd, 1).value_or(FilaResumen{}), c,
                                        {1, "EA4ZZZ/P", "", "", "", ""}, "1.0");
        }));
        escritura.push_back(Mide([&] { EscribeArchivoTexto("X.LOG", l); }));
        pantalla.push_back(Mide([&] { cabrillo::MuestraFicheroLog("X"); }));
    }
    std::printf("Listados Cabrillo de %d QSO (3 bandas), %d repeticiones\n", NumQsos, repeticiones);
    ImprimeCabecera(48);
    ImprimeFila(48, 1, "una lista (GeneraListadosCabrillo)", una);
    ImprimeFila(48, 1, "una lista, suelo SQLite + stdio", sueloUna);
    ImprimeFila(48, 1, "por banda, 3 ficheros (GeneraListadosCabrillo)", porBanda);
    ImprimeFila(48, 1, "por banda, suelo SQLite + stdio", sueloBanda);
    ImprimeFila(48, 1, "  copia a Listados", copia);
    ImprimeFila(48, 1, "  lectura de Listados (LectorQso)", lectura);
    ImprimeFila(48, 1, "  lineas del fichero", lineas);
    ImprimeFila(48, 1, "  escritura (EscribeArchivoTexto)", escritura);
    ImprimeFila(48, 1, "  lineas de pantalla (MuestraFicheroLog)", pantalla);
    return 0;
}
