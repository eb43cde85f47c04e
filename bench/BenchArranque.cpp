// Start of the logger on a working database of 2,000 contests and 20 callsigns: time from process
// start to the main window shown and to the end of "Iniciar XkLumoCon", beside the floor of a bare
// process start and of the same reads done directly with SQLite.
//
//   xk_bench_arranque [repeticiones]
#include "Avisos.h"
#include "BaseBench.h"
#include "BaseDatos.h"
#include "Esquema.h"
#include "EstadoPrincipal.h"
#include "FConcursos.h"
#include "Medidas.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <sqlite3.h>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>

namespace {
constexpr int NumConcursos = 2000;
constexpr int NumIndicativos = 20;

// The measured program must never wait on a box.
class AvisosImpresos : public Avisos {
public:
    Respuesta muestra(const Aviso& a) override {
        std::printf("caja %s\n", qPrintable(a.texto));
        return a.porDefecto;
    }
    void pita() override {}
};

const char* const Meses[] = {"ENERO", "FEBRERO", "MARZO",      "ABRIL",   "MAYO",      "JUNIO",
                             "JULIO", "AGOSTO",  "SEPTIEMBRE", "OCTUBRE", "NOVIEMBRE", "DICIEMBRE"};

void LlenaBase() {
    auto bd = CreaBaseTrabajoVacia();
    BaseDatos::Transaccion t(*bd);
    ConjuntoRegistros c = bd->abreConjunto("Concursos");
    for (int i = 1; i <= NumConcursos; ++i) {
        c.anade();
        c.asigna("NumeroOrden", i);
        c.asigna("NombreConcurso", QStringLiteral("CONCURSO %1").arg(i % 400, 3, 10, QLatin1Char('0')));
        c.asigna("Edicion", QString::number(2000 + i / 400));
        c.asigna("UltimoNumEnviado", 0);
        // One in thirteen without month.
        if (i % 13 != 0) c.asigna("Mes", QString::fromUtf8(Meses[i % 12]));
        c.actualiza();
    }
    ConjuntoRegistros ind = bd->abreConjunto("Indicativos");
    for (int i = 1; i <= NumIndicativos; ++i) {
        ind.anade();
        ind.asigna("NumeroOrden", i);
        ind.asigna("Indicativo", QStringLiteral("EA%1ABC").arg(i % 10));
        ind.actualiza();
    }
    ConjuntoRegistros control = bd->abreConjunto("Control");
    control.edita();
    control.asigna("ConcursoActivo", 1000);
    control.asigna("IndicativoActivo", 7);
    control.asigna("UltimoConcurso", NumConcursos);
    control.asigna("UltimoIndicativo", NumIndicativos);
    control.actualiza();
    t.confirma();
}

// The child: loads the window, waits until it is on the screen, starts the work.
int Hijo(int argc, char** argv) {
    QApplication app(argc, argv);
    app.setApplicationName("XkLumoCon");
    AvisosImpresos avisos;
    Avisos::instala(&avisos);
    EstadoPrincipal estado;
    FConcursos ventana(estado);
    ventana.Form_Load("comando");
    if (!QTest::qWaitForWindowExposed(&ventana)) return 1;
    std::printf("mostrada %lld\n", AhoraNs());
    ventana.IniciarXkLumoCon_Click();
    std::printf("iniciada %lld\n", AhoraNs());
    return 0;
}

struct Medida {
    double mostrada = 0, iniciada = 0;
};

bool MideUnArranque(const QString& programa, const QString& carpeta, Medida& m) {
    QProcess p;
    p.setWorkingDirectory(carpeta);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    if (!env.contains("QT_QPA_PLATFORM")) env.insert("QT_QPA_PLATFORM", "offscreen");
    p.setProcessEnvironment(env);
    // Qt's platform notes would break up the table.
    p.setStandardErrorFile(QProcess::nullDevice());
    const long long t0 = AhoraNs();
    p.start(programa, {"--hijo"});
    if (!p.waitForFinished(60000) || p.exitCode() != 0) return false;
    for (const QByteArray& linea : p.readAllStandardOutput().split('\n')) {
        if (linea.startsWith("caja ")) std::fprintf(stderr, "aviso inesperado: %s\n", linea.constData() + 5);
        const QList<QByteArray> partes = linea.split(' ');
        if (partes.size() != 2) continue;
        const double ms = static_cast<double>(partes[1].toLongLong() - t0) / 1e6;
        if (partes[0] == "mostrada") m.mostrada = ms;
        if (partes[0] == "iniciada") m.iniciada = ms;
    }
    return m.mostrada > 0 && m.iniciada > 0;
}

double MideProcesoVacio() {
    QProcess p;
    const long long t0 = AhoraNs();
    p.start("/bin/true", {});
    p.waitForFinished();
    return static_cast<double>(AhoraNs() - t0) / 1e6;
}

// The reads of the start of work, straight on SQLite: open, callsigns, Control, every contest
// and one month's contests in order.
double MideSqliteDirecto() {
    const long long t0 = AhoraNs();
    sqlite3* db = nullptr;
    sqlite3_open_v2(NombreBaseDatos.toUtf8().constData(), &db, SQLITE_OPEN_READONLY, nullptr);
    for (const char* sql : {"SELECT * FROM Indicativos", "SELECT * FROM Control", "SELECT * FROM Concursos",
                            "SELECT * FROM Concursos WHERE Mes = 'ENERO' ORDER BY NombreConcurso, Edicion"}) {
        sqlite3_stmt* s = nullptr;
        if (sqlite3_prepare_v2(db, sql, -1, &s, nullptr) == SQLITE_OK) {
            const int columnas = sqlite3_column_count(s);
            while (sqlite3_step(s) == SQLITE_ROW)
                for (int c = 0; c < columnas; ++c)
                    sqlite3_column_value(s, c);
        }
        sqlite3_finalize(s);
    }
    sqlite3_close(db);
    return static_cast<double>(AhoraNs() - t0) / 1e6;
}

} // namespace

int main(int argc, char** argv) {
    if (argc > 1 && QByteArray(argv[1]) == "--hijo") return Hijo(argc, argv);
    QCoreApplication app(argc, argv);
    const int repeticiones = argc > 1 ? std::max(1, QByteArray(argv[1]).toInt()) : 5;

    QTemporaryDir carpeta;
    QDir::setCurrent(carpeta.path());
    const long long tLlenado = AhoraNs();
    LlenaBase();
    std::printf("Base de trabajo: %d concursos, %d indicativos (llenada en %.0f ms)\n\n", NumConcursos,
                NumIndicativos, static_cast<double>(AhoraNs() - tLlenado) / 1e6);

    std::vector<double> mostradas, iniciadas, vacios, sqlite;
    for (int i = 0; i < repeticiones; ++i) {
        Medida m;
        if (!MideUnArranque(QCoreApplication::applicationFilePath(), carpeta.path(), m)) {
            std::fprintf(stderr, "el arranque medido falló\n");
            return 1;
        }
        mostradas.push_back(m.mostrada);
        iniciadas.push_back(m.iniciada);
        vacios.push_back(MideProcesoVacio());
        sqlite.push_back(MideSqliteDirecto());
    }

    ImprimeCabecera(52);
    const auto fila = [](const char* nombre, const std::vector<double>& v) { ImprimeFila(52, 1, nombre, v); };
    fila("inicio del proceso -> ventana principal mostrada", mostradas);
    fila("inicio del proceso -> fin de Iniciar XkLumoCon", iniciadas);
    fila("suelo: proceso vacío (/bin/true)", vacios);
    fila("suelo: mismas lecturas directas en SQLite", sqlite);
    std::printf("\n(%d repeticiones; objetivo: menos de 500 ms en las dos primeras filas)\n", repeticiones);
    return 0;
}
