// The catalogue upgrades that run at every activation of the main window until the work starts, on
// a working database of 2,000 contests: half of last year (of those, half with this year's edition
// beside them), a tenth with 100 QSOs each, a summary and three categories per contest, the eight
// corrected contests, a delivered file of 20 new contests and a months file of 300 names.
//
//   xk_bench_actualizaciones [repeticiones]
#include "ActualizacionCatalogo.h"
#include "BaseBench.h"
#include "BaseDatos.h"
#include "CorreccionesConcursos.h"
#include "DatosEntregados.h"
#include "Esquema.h"
#include "Medidas.h"
#include "Reloj.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <sqlite3.h>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <functional>
#include <vector>

namespace {
constexpr int NumConcursos = 2000;
constexpr int QsosPorConcurso = 100;
constexpr int NumNuevos = 20;
constexpr int NumMeses = 300;
const QString Plantilla = QStringLiteral("plantilla.mdb");

class RelojFijo : public Reloj {
public:
    QDateTime ahora() const override { return QDateTime(QDate(2026, 3, 15), QTime(10, 0)); }
};

void AñadeFila(ConjuntoRegistros& r, const std::vector<std::pair<const char*, QVariant>>& campos) {
    r.anade();
    for (const auto& [campo, valor] : campos)
        r.asigna(campo, valor);
    r.actualiza();
}

// Odd contests are last year's; every other one of them shares its name with the next, this year's.
QString NombreDe(int i) {
    return QStringLiteral("CONCURSO %1").arg(i % 4 == 1 ? i + 1 : i, 4, 10, QLatin1Char('0'));
}

void LlenaPlantilla() {
    auto bd = CreaBaseTrabajoVacia();
    BaseDatos::Transaccion t(*bd);
    ConjuntoRegistros c = bd->abreConjunto("Concursos");
    ConjuntoRegistros r = bd->abreConjunto("ResumenCabrillo");
    ConjuntoRegistros f = bd->abreConjunto("FormatoEspecial");
    ConjuntoRegistros q = bd->abreConjunto("Contactos");
    const auto& correcciones = CorreccionesConcursos();
    for (int i = 1; i <= NumConcursos; ++i) {
        const bool corregido = i <= static_cast<int>(correcciones.size());
        const QString nombre =
            corregido ? QString::fromUtf8(correcciones[static_cast<size_t>(i - 1)].nombre) : NombreDe(i);
        const QString edicion = corregido || i % 2 == 0 ? "2026" : "2025";
        AñadeFila(c, {{"NumeroOrden", i}, {"NombreConcurso", nombre}, {"Edicion", edicion}, {"Modo1", true}});
        AñadeFila(r, {{"NumeroOrden", i},
                      {"NombreConcurso", nombre.left(20)},
                      {"Edicion", edicion},
                      {"Categoria", "SINGLE-OP ALL"}});
        for (int k = 0; k < 3; ++k)
            AñadeFila(f, {{"NumeroOrden", i},
                          {"CategoriaConcurso", QStringLiteral("CATEGORIA %1").arg(k)},
                          {"CategoriaCabrillo", "SINGLE-OP ALL"}});
        if (i % 20 == 3 || i % 20 == 8) {
            for (int n = 1; n <= QsosPorConcurso; ++n)
                AñadeFila(
                    q, {{"NumeroOrden", i}, {"NumeroQso", n}, {"Indicativo", "EA4ABC"}, {"Hora", "10:00"}});
        }
    }
    ConjuntoRegistros control = bd->abreConjunto("Control");
    control.edita();
    control.asigna("UltimoConcurso", NumConcursos);
    control.actualiza();
    t.confirma();
}

void CreaNuevos() {
    auto n = BaseDatos::Crea(NombreNuevosConcursos);
    DefTabla concursos = DefinicionConcursos();
    concursos.agrega("Mes", TipoCampo::Texto, 12);
    for (const DefTabla& d : {concursos, DefinicionResumenCabrillo(), DefinicionFormatoEspecial()})
        n->creaTabla(d);
    BaseDatos::Transaccion t(*n);
    ConjuntoRegistros c = n->abreConjunto("Concursos");
    ConjuntoRegistros r = n->abreConjunto("ResumenCabrillo");
    ConjuntoRegistros f = n->abreConjunto("FormatoEspecial");
    for (int i = 1; i <= NumNuevos; ++i) {
        // Half of them already in the working database.
        const QString nombre = i % 2 ? QStringLiteral("NUEVO %1").arg(i) : NombreDe(i * 2);
        AñadeFila(c, {{"NumeroOrden", i}, {"NombreConcurso", nombre}, {"Edicion", "2026"}, {"Mes", "MAYO"}});
        AñadeFila(r, {{"NumeroOrden", i}, {"NombreConcurso", nombre}, {"Edicion", "2026"}});
        AñadeFila(
            f,
            {{"NumeroOrden", i}, {"CategoriaConcurso", "GENERAL"}, {"CategoriaCabrillo", "SINGLE-OP ALL"}});
    }
    t.confirma();
}

void CreaMeses() {
    auto m = BaseDatos::Crea(NombreMesesConcursos);
    DefTabla d;
    d.nombre = "Concursos";
    d.agrega("Concurso", TipoCampo::Texto, 64).agrega("Mes", TipoCampo::Texto, 12);
    m->creaTabla(d);
    BaseDatos::Transaccion t(*m);
    ConjuntoRegistros r = m->abreConjunto("Concursos");
    for (int i = 1; i <= NumMeses; ++i)
        AñadeFila(r, {{"Concurso", NombreDe(i * 6)}, {"Mes", "JUNIO"}});
    t.confirma();
}

// A fresh working database from the template, as a first start finds it.
void NuevaBase() {
    for (const char* sufijo : {"", "-wal", "-shm"})
        QFile::remove(NombreBaseDatos + sufijo);
    QFile::copy(Plantilla, NombreBaseDatos);
    QFile::remove(NombreNuevosConcursos);
    CreaNuevos();
}

double Mide(const std::function<void()>& f) {
    const long long t0 = AhoraNs();
    f();
    return static_cast<double>(AhoraNs() - t0) / 1e6;
}

// The floor: one read of every contest's number, name and edition, straight on SQLite.
void LecturaDirecta() {
    sqlite3* db = nullptr;
    sqlite3_open_v2(NombreBaseDatos.toUtf8().constData(), &db, SQLITE_OPEN_READONLY, nullptr);
    sqlite3_stmt* s = nullptr;
    if (sqlite3_prepare_v2(db, "SELECT NumeroOrden, NombreConcurso, Edicion FROM Concursos", -1, &s,
                           nullptr) == SQLITE_OK) {
        while (sqlite3_step(s) == SQLITE_ROW)
            for (int c = 0; c < 3; ++c)
                sqlite3_column_value(s, c);
    }
    sqlite3_finalize(s);
    sqlite3_close(db);
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int repeticiones = argc > 1 ? std::max(1, QByteArray(argv[1]).toInt()) : 5;
    RelojFijo reloj;
    Reloj::instala(&reloj);

    QTemporaryDir carpeta;
    QDir::setCurrent(carpeta.path());
    const long long tLlenado = AhoraNs();
    LlenaPlantilla();
    QFile::rename(NombreBaseDatos, Plantilla);
    CreaMeses();
    std::printf("Base de trabajo: %d concursos, %d con %d QSO; %d nuevos entregados, %d meses (llenada en "
                "%.0f ms)\n\n",
                NumConcursos, NumConcursos / 10, QsosPorConcurso, NumNuevos, NumMeses,
                static_cast<double>(AhoraNs() - tLlenado) / 1e6);

    std::vector<double> meses1, meses2, primera, segunda, ediciones, correcciones, suelo;
    std::vector<double> indices1, ediciones1, fusion1, correcciones1;
    for (int i = 0; i < repeticiones; ++i) {
        NuevaBase();
        meses1.push_back(Mide([] { AsignaMesesConcursos(NombreBaseDatos); }));
        meses2.push_back(Mide([] { AsignaMesesConcursos(NombreBaseDatos); }));
        auto bd = BaseDatos::Abre(NombreBaseDatos);
        ConjuntoRegistros control = bd->abreConjunto("Control");
        primera.push_back(Mide([&] { ActualizaCatalogo(*bd, control); }));
        segunda.push_back(Mide([&] { ActualizaCatalogo(*bd, control); }));
        ediciones.push_back(Mide([&] { ActualizaEdiciones(*bd, control); }));
        correcciones.push_back(Mide([&] { CorrigeConcursos(*bd); }));
        suelo.push_back(Mide(LecturaDirecta));

        // The first activation again, step by step.
        NuevaBase();
        auto otra = BaseDatos::Abre(NombreBaseDatos);
        ConjuntoRegistros control2 = otra->abreConjunto("Control");
        indices1.push_back(Mide([&] { IndexaNumeroOrden(*otra); }));
        ediciones1.push_back(Mide([&] { ActualizaEdiciones(*otra, control2); }));
        fusion1.push_back(Mide([&] { AñadeNuevosConcursos(*otra, control2); }));
        correcciones1.push_back(Mide([&] { CorrigeConcursos(*otra); }));
    }

    ImprimeCabecera(58);
    const auto fila = [](const char* nombre, const std::vector<double>& v) { ImprimeFila(58, 2, nombre, v); };
    fila("carga: meses de concursos, primera vez", meses1);
    fila("carga: meses de concursos, sin nada que cambiar", meses2);
    fila("activación: primera (ediciones, fusión, correcciones)", primera);
    fila("  de ella: índices por NumeroOrden (solo la primera vez)", indices1);
    fila("  de ella: ediciones", ediciones1);
    fila("  de ella: fusión de nuevos concursos", fusion1);
    fila("  de ella: correcciones", correcciones1);
    fila("activación: siguientes, sin nada que cambiar", segunda);
    fila("  de ella: ediciones", ediciones);
    fila("  de ella: correcciones", correcciones);
    fila("suelo: leer número, nombre y edición en SQLite directo", suelo);
    std::printf(
        "\n(%d repeticiones; objetivo por activación: muy por debajo de 100 ms, y de 5 ms sin cambios)\n",
        repeticiones);
    return 0;
}
