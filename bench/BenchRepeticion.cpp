// Enter on a callsign: the repeat look-up in a contest of 32,000 QSOs, for a callsign worked once,
// one worked 50 times and a new one, beside the bare SQLite read of the same rows.
//
//   xk_bench_repeticion [repeticiones]
#include "ActualizacionCatalogo.h"
#include "BaseBench.h"
#include "Medidas.h"
#include "Repeticion.h"

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>

#include <sqlite3.h>

#include <functional>

namespace {
constexpr int NumQsos = 32000;

double Mide(const std::function<void()>& f) {
    const long long t = AhoraNs();
    f();
    return static_cast<double>(AhoraNs() - t) / 1e6;
}

void Llena(BaseDatos& bd) {
    IndexaNumeroOrden(bd); // as the first activation leaves every working database
    BaseDatos::Transaccion t(bd);
    auto rs = bd.abreConjunto("Contactos");
    const char* bandas[] = {"3.5", "7", "14", "21", "28"};
    for (int n = 1; n <= NumQsos; ++n) {
        Qso q;
        q.numeroOrden = 1;
        q.numeroQso = n;
        q.fecha = QDate(2026, 3, 14).addDays(n / 16000);
        q.hora = QStringLiteral("%1:%2").arg(n / 60 % 24, 2, 10, QChar('0')).arg(n % 60, 2, 10, QChar('0'));
        q.banda = bandas[n % 5];
        q.modo = n % 2 ? "SSB" : "CW";
        if (n % 640 == 0)
            q.indicativo = "EA1REP"; // 50 times
        else if (n == 16001)
            q.indicativo = "EA1UNO";
        else
            q.indicativo = QStringLiteral("EA%1X").arg(n, 5, 10, QChar('0'));
        q.numeralRecibido = QString::number(n % 10000);
        rs.anade();
        EscribeQso(rs, q);
        rs.actualiza();
    }
    t.confirma();
}

// The same rows read with a prepared statement, every column stepped through.
void Suelo(BaseDatos& bd, const char* indicativo) {
    sqlite3_stmt* s = nullptr;
    sqlite3_prepare_v2(
        bd.conexion(),
        "SELECT * FROM Contactos WHERE NumeroOrden = 1 AND Indicativo = ? COLLATE BINARY ORDER BY NumeroQso",
        -1, &s, nullptr);
    sqlite3_bind_text(s, 1, indicativo, -1, SQLITE_STATIC);
    while (sqlite3_step(s) == SQLITE_ROW)
        for (int i = 0; i < sqlite3_column_count(s); ++i)
            sqlite3_column_text(s, i);
    sqlite3_finalize(s);
}
} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int repeticiones = argc > 1 ? std::max(1, QByteArray(argv[1]).toInt()) : 20;
    QTemporaryDir carpeta;
    QDir::setCurrent(carpeta.path());
    auto bd = CreaBaseTrabajoVacia();
    Llena(*bd);
    const double tIndice = Mide([&] { IndexaContactos(*bd); });
    const double tIndiceHecho = Mide([&] { IndexaContactos(*bd); });

    ReglasContacto todas;
    todas.numeroOrden = 1;
    todas.noRepetir = true;
    ReglasContacto horas = todas;
    horas.noRepetir = false;
    horas.repetirEnCadaBanda = horas.repetirEnCadaHoras = true;
    horas.horasRepeticion = "01:30";
    TextosFila fila;
    fila[Columna::FechaQso] = "15-03-2026";
    fila[Columna::HoraQso] = "12:00";
    fila[Columna::Banda] = "14";
    fila[Columna::Modo] = "SSB";

    struct Caso {
        const char* nombre;
        const ReglasContacto* reglas;
        const char* indicativo;
        std::vector<double> v;
    };
    Caso casos[] = {{"búsqueda: trabajado 1 vez (No repetir)", &todas, "EA1UNO", {}},
                    {"búsqueda: trabajado 50 veces (No repetir)", &todas, "EA1REP", {}},
                    {"búsqueda: trabajado 50 veces (banda y horas)", &horas, "EA1REP", {}},
                    {"búsqueda: indicativo nuevo", &todas, "EA9NEW", {}}};
    std::vector<double> suelo1, suelo50, sueloNuevo;
    for (int i = 0; i < repeticiones; ++i) {
        for (auto& c : casos)
            c.v.push_back(Mide([&] { BuscaRepeticion(*bd, *c.reglas, c.indicativo, fila, true); }));
        suelo1.push_back(Mide([&] { Suelo(*bd, "EA1UNO"); }));
        suelo50.push_back(Mide([&] { Suelo(*bd, "EA1REP"); }));
        sueloNuevo.push_back(Mide([&] { Suelo(*bd, "EA9NEW"); }));
    }
    std::printf("Concurso de %d QSO; índice por indicativo: %.1f ms al crearlo, %.3f ms ya creado\n\n",
                NumQsos, tIndice, tIndiceHecho);
    ImprimeCabecera(52);
    for (const auto& c : casos)
        ImprimeFila(52, 3, c.nombre, c.v);
    ImprimeFila(52, 3, "suelo: SQLite directo, 1 vez", suelo1);
    ImprimeFila(52, 3, "suelo: SQLite directo, 50 veces", suelo50);
    ImprimeFila(52, 3, "suelo: SQLite directo, nuevo", sueloNuevo);
    std::printf("\n(%d repeticiones; objetivo: menos de 2 ms)\n", repeticiones);
    return 0;
}
