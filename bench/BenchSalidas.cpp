// The exports a user waits for, on a contest of 32,000 QSOs (and 2,000 of another contest beside it):
// the ADIF file and the logbook export into an empty logbook, each beside the bare floor of the
// same work with plain SQLite and stdio.
//
//   xk_bench_salidas [repeticiones]
#include "Adif.h"
#include "BaseBench.h"
#include "LibroGuardia.h"
#include "Medidas.h"
#include "Memoria.h"
#include "TextoWindows.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <sqlite3.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {
constexpr int NumQsos = 32000;
constexpr int Concurso = 1;

void Exige(int rc, sqlite3* db) {
    if (rc != SQLITE_OK && rc != SQLITE_DONE && rc != SQLITE_ROW) {
        std::fprintf(stderr, "sqlite: %s\n", sqlite3_errmsg(db));
        std::exit(1);
    }
}

void Llena() {
    auto bd = CreaBaseTrabajoVacia();
    sqlite3* db = bd->conexion();
    Exige(sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr), db);
    sqlite3_stmt* s = nullptr;
    Exige(sqlite3_prepare_v2(
              db,
              "INSERT INTO Contactos (NumeroOrden, NumeroQso, Fecha, Hora, Banda, Modo, Indicativo, "
              "RstEnviado, NumeralEnviado, LocatorEnviado, RstRecibido, NumeralRecibido, "
              "LocatorRecibido) VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, '59', ?8, 'IN80DO', '59', ?9, "
              "'JN11AA')",
              -1, &s, nullptr),
          db);
    const char* bandas[] = {"144", "432", "1296", "2400"};
    const char* modos[] = {"USB", "CW", "FM", "PSK31"};
    for (int orden : {Concurso, 2}) {
        const int n = orden == Concurso ? NumQsos : 2000;
        for (int i = 1; i <= n; ++i) {
            char hora[6], call[16], num[5];
            std::snprintf(hora, sizeof hora, "%02d:%02d", (i / 60) % 24, i % 60);
            std::snprintf(call, sizeof call, "EA%dX%04d", i % 10, i % 10000);
            std::snprintf(num, sizeof num, "%d", i % 9999 + 1);
            sqlite3_bind_int(s, 1, orden);
            sqlite3_bind_int(s, 2, n + 1 - i); // stored against NumeroQso order
            sqlite3_bind_text(s, 3, "2024-03-17T00:00:00", -1, SQLITE_TRANSIENT);
            sqlite3_bind_text(s, 4, hora, -1, SQLITE_TRANSIENT);
            sqlite3_bind_text(s, 5, bandas[i % 4], -1, SQLITE_STATIC);
            sqlite3_bind_text(s, 6, modos[i % 4], -1, SQLITE_STATIC);
            sqlite3_bind_text(s, 7, call, -1, SQLITE_TRANSIENT);
            sqlite3_bind_text(s, 8, num, -1, SQLITE_TRANSIENT);
            sqlite3_bind_text(s, 9, num, -1, SQLITE_TRANSIENT);
            Exige(sqlite3_step(s), db);
            sqlite3_reset(s);
        }
    }
    sqlite3_finalize(s);
    Exige(sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr), db);
}

const char* const Consulta =
    "SELECT Fecha, Hora, Banda, Modo, Indicativo, RstEnviado, LiteralEnviado, "
    "NumeralEnviado, LocatorEnviado, RstRecibido, LiteralRecibido, NumeralRecibido, "
    "LocatorRecibido, PuntosEnviados, PuntosRecibidos FROM Contactos WHERE NumeroOrden "
    "= 1 ORDER BY NumeroQso";

sqlite3* AbreCrudo(const char* archivo) {
    sqlite3* db = nullptr;
    Exige(sqlite3_open_v2(archivo, &db, SQLITE_OPEN_READWRITE, nullptr), db);
    sqlite3_exec(db, "PRAGMA journal_mode=WAL; PRAGMA synchronous=FULL;", nullptr, nullptr, nullptr);
    return db;
}

const char* Col(sqlite3_stmt* s, int i) {
    const auto* t = reinterpret_cast<const char*>(sqlite3_column_text(s, i));
    return t ? t : "";
}

void Campo(std::string& b, const char* tag, const char* v) {
    const size_t n = std::strlen(v);
    if (n == 0) return;
    char cab[40];
    std::snprintf(cab, sizeof cab, "<%s:%zu>", tag, n);
    b += cab;
    b += v;
}

// The same file by hand: rows read with a prepared query, lines formatted and written with stdio.
void AdifCrudo() {
    sqlite3* db = AbreCrudo("XkLumoConcursos.Mdb");
    sqlite3_stmt* s = nullptr;
    Exige(sqlite3_prepare_v2(db, Consulta, -1, &s, nullptr), db);
    FILE* f = std::fopen("crudo.adi.tmp", "wb");
    std::string b = "Exportacion a ADIF por XKLumoCon Version 1.0.0.0\r\nEstacion: N0CALL\r\n"
                    "Operador: \r\nDireccion: \r\nPoblacion: \r\nPais: \r\nConcurso: BENCHMARK\r\n"
                    "<ADIF_VER:5>3.1.4<PROGRAMID:9>XkLumoCon<PROGRAMVERSION:7>1.0.0.0\r\n<EOH>\r\n\r\n";
    while (sqlite3_step(s) == SQLITE_ROW) {
        const char* fecha = Col(s, 0);
        char fechaAdif[9] = {fecha[0], fecha[1], fecha[2], fecha[3], fecha[5],
                             fecha[6], fecha[8], fecha[9], 0};
        const char* hora = Col(s, 1);
        char horaAdif[5] = {hora[0], hora[1], hora[3], hora[4], 0};
        const char* banda = Col(s, 2);
        const char* bandaAdif = !std::strcmp(banda, "144")    ? "2M"
                                : !std::strcmp(banda, "432")  ? "70CM"
                                : !std::strcmp(banda, "1296") ? "23CM"
                                                              : "13CM";
        const char* modo = Col(s, 3);
        const char* modoAdif = !std::strcmp(modo, "USB") ? "SSB" : !std::strcmp(modo, "PSK31") ? "PSK" : modo;
        const char* submodo = !std::strcmp(modo, "USB") ? "USB" : !std::strcmp(modo, "PSK31") ? "PSK31" : "";
        b += "<CONTEST_ID:9>BENCHMARK\r\n";
        Campo(b, "QSO_DATE", fechaAdif);
        Campo(b, "TIME_ON", horaAdif);
        Campo(b, "BAND", bandaAdif);
        Campo(b, "MODE", modoAdif);
        Campo(b, "SUBMODE", submodo);
        Campo(b, "STATION_CALLSIGN", "N0CALL");
        Campo(b, "OPERATOR", "N0CALL");
        Campo(b, "RST_SENT", Col(s, 5));
        Campo(b, "CALL", Col(s, 4));
        Campo(b, "RST_RCVD", Col(s, 9));
        b += "\r\n";
        Campo(b, "STX", Col(s, 7));
        Campo(b, "STX_STRING", Col(s, 6));
        Campo(b, "MY_GRIDSQUARE", Col(s, 8));
        Campo(b, "SRX", Col(s, 11));
        Campo(b, "SRX_STRING", Col(s, 10));
        Campo(b, "GRIDSQUARE", Col(s, 12));
        b += "\r\n<EOR>\r\n\r\n";
    }
    std::fwrite(b.data(), 1, b.size(), f);
    std::fflush(f);
    fsync(fileno(f));
    std::fclose(f);
    std::rename("crudo.adi.tmp", "crudo.adi");
    sqlite3_finalize(s);
    sqlite3_close(db);
}

// The same rows inserted by hand into an empty logbook: one transaction, one prepared insert.
void LibroCrudo(const char* archivo) {
    sqlite3* trabajo = AbreCrudo("XkLumoConcursos.Mdb");
    sqlite3* libro = AbreCrudo(archivo);
    sqlite3_stmt* s = nullptr;
    sqlite3_stmt* ins = nullptr;
    Exige(sqlite3_prepare_v2(trabajo, Consulta, -1, &s, nullptr), trabajo);
    Exige(sqlite3_prepare_v2(
              libro,
              "INSERT INTO LibroGuardia (IndicativoPropio, Base, QSOVia, Concurso, FechaQso, "
              "HoraQso, Banda, Modo, Indicativo, Barra, RsEnviado, RsRecibido, NumeralRecibido, "
              "QraLocatorRecibido, LiteralRecibido, PuntosRecibidos, NumeralEnviado, "
              "QraLocatorEnviado, LiteralEnviado, PuntosEnviados) VALUES (?1, ?2, ?3, ?4, ?5, ?6, "
              "?7, ?8, ?9, ?10, ?11, ?12, ?13, ?14, ?15, ?16, ?17, ?18, ?19, ?20)",
              -1, &ins, nullptr),
          libro);
    Exige(sqlite3_exec(libro, "BEGIN", nullptr, nullptr, nullptr), libro);
    while (sqlite3_step(s) == SQLITE_ROW) {
        const char* fecha = Col(s, 0);
        char fechaLibro[11] = {fecha[8], fecha[9], '-',      fecha[5], fecha[6], '-',
                               fecha[0], fecha[1], fecha[2], fecha[3], 0};
        char numRec[8], numEnv[8];
        std::snprintf(numRec, sizeof numRec, "%04d", std::atoi(Col(s, 11)));
        std::snprintf(numEnv, sizeof numEnv, "%04d", std::atoi(Col(s, 7)));
        const char* valores[] = {"N0CALL",  "FIJA",    "N",       "BENCHMARK", fechaLibro,
                                 Col(s, 1), Col(s, 2), Col(s, 3), Col(s, 4),   "",
                                 Col(s, 5), Col(s, 9), numRec,    Col(s, 12),  Col(s, 10),
                                 "0",       numEnv,    Col(s, 8), Col(s, 6),   "0"};
        for (int i = 0; i < 20; ++i)
            sqlite3_bind_text(ins, i + 1, valores[i], -1, SQLITE_TRANSIENT);
        Exige(sqlite3_step(ins), libro);
        sqlite3_reset(ins);
    }
    Exige(sqlite3_exec(libro, "COMMIT", nullptr, nullptr, nullptr), libro);
    sqlite3_finalize(ins);
    sqlite3_finalize(s);
    sqlite3_close(libro);
    sqlite3_close(trabajo);
}

template <class F> double Mide(F f) {
    const long long t0 = AhoraNs();
    f();
    return (AhoraNs() - t0) / 1e6;
}
} // namespace

int main(int argc, char** argv) {
    ConservaMemoriaLiberada(); // as the programs do at their start
    QCoreApplication app(argc, argv);
    const int repeticiones = argc > 1 ? std::atoi(argv[1]) : 5;
    QTemporaryDir carpeta;
    QDir::setCurrent(carpeta.path());
    Llena();
    auto bd = BaseDatos::Abre(NombreBaseDatos);
    DatosExportacion d;
    d.concurso.numeroOrden = Concurso;
    d.concurso.nombreConcurso = "BENCHMARK";
    d.estacion.indicativo = "N0CALL";
    d.version = "1.0.0.0";
    // The exchange the filled log holds: every value of it is exported.
    d.concurso.enviarRst = d.concurso.enviarNumeral = d.concurso.enviarLocator = true;
    d.concurso.recibirRst = d.concurso.recibirNumeral = d.concurso.recibirLocator = true;

    if (std::getenv("XK_DESGLOSE")) {
        std::vector<Qso> qs;
        QByteArray contenido;
        std::printf("lectura %.1f\n", Mide([&] { qs = LeeQsosExportacion(*bd, Concurso); }));
        std::printf("registros %.1f\n", Mide([&] { contenido = ContenidoAdif(d, qs); }));
        std::printf("escritura %.1f\n", Mide([&] { EscribeArchivo("x.adi", contenido); }));
        const EstacionLibro e = SeparaEstacion(d.estacion.indicativo);
        std::printf("filas libro %.1f\n", Mide([&] {
                        for (const Qso& q : qs)
                            FilaLibroGuardia(q, d, e);
                    }));
    }
    std::vector<double> adif, adifCrudo, libro, libroCrudo;
    for (int i = 0; i < repeticiones; ++i) {
        adif.push_back(Mide([&] { ExportaADIF(*bd, d); }));
        adifCrudo.push_back(Mide(AdifCrudo));
        const QString nombre = QStringLiteral("LibroDe%1.mdb").arg(i);
        const QString crudo = QStringLiteral("LibroDeCrudo%1.mdb").arg(i);
        CreaLibroGuardia(nombre);
        CreaLibroGuardia(crudo);
        libro.push_back(Mide([&] { ExportaLibroGuardia(*bd, d, nombre); }));
        libroCrudo.push_back(Mide([&] { LibroCrudo(crudo.toLocal8Bit().constData()); }));
    }
    if (QFile("N0CALL.adi").size() != QFile("crudo.adi").size())
        std::fprintf(stderr, "aviso: los ficheros ADIF difieren de tamaño (%lld y %lld bytes)\n",
                     QFile("N0CALL.adi").size(), QFile("crudo.adi").size());
    const int ancho = 44;
    std::printf("%d QSOs, %d repeticiones\n", NumQsos, repeticiones);
    ImprimeCabecera(ancho);
    ImprimeFila(ancho, 1, "ExportaADIF", adif);
    ImprimeFila(ancho, 1, "  suelo: SQLite + stdio", adifCrudo);
    ImprimeFila(ancho, 1, "ExportaLibroGuardia (libro vacío)", libro);
    ImprimeFila(ancho, 1, "  suelo: SQLite, INSERT preparado", libroCrudo);
    std::printf("razones (medianas): ADIF %.2fx, libro %.2fx\n", Mediana(adif) / Mediana(adifCrudo),
                Mediana(libro) / Mediana(libroCrudo));
    return 0;
}
