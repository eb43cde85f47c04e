// The log window's corrections on a contest of 32,000 QSOs, through the real window under the
// offscreen platform: F9 on a log in order, the F12 of a correction, and the F12 of deleting the
// first QSO (every later number rewritten) until the grid is ready, beside the bare SQLite floor
// of the same reads and writes on a copy of the file.
//
//   QT_QPA_PLATFORM=offscreen xk_bench_log_correcciones [repeticiones]
#include "Avisos.h"
#include "BaseBench.h"
#include "EstadoPrincipal.h"
#include "FLogConcurso.h"
#include "Medidas.h"
#include "RejillaLog.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include "LogBench.h"

#include <sqlite3.h>

#include <cstdio>
#include <vector>

namespace {
constexpr int NumQsos = 32000;

// Yes to the deletion question; any other box is printed, since none is expected.
class AvisosSi : public Avisos {
public:
    Respuesta muestra(const Aviso& a) override {
        if (a.botones == Botones::SiNo) return Respuesta::Si;
        std::printf("caja %s\n", qPrintable(a.texto));
        return a.porDefecto;
    }
    void pita() override {}
};

// Contest 5 with its QSOs typed in order, five seconds apart, and the index by number.
void LlenaBaseNumerada() {
    LlenaBase(NumQsos);
    BaseDatos::Abre(NombreBaseDatos)
        ->ejecuta("CREATE INDEX IF NOT EXISTS ContactosPorNumero ON Contactos (NumeroOrden, NumeroQso)");
}

// The floor on its own copy of the file, with the logger's settings and prepared statements.
class Suelo {
public:
    explicit Suelo(const QString& archivo) {
        sqlite3_open(qPrintable(archivo), &db_);
        Sql(db_, "PRAGMA journal_mode=WAL; PRAGMA synchronous=FULL;");
        Prepara(&orden_, "SELECT rowid, NumeroQso FROM Contactos WHERE NumeroOrden = 5 ORDER BY Fecha, Hora, "
                         "NumeralEnviado, NumeroQso");
        Prepara(&numeros_, "SELECT NumeroQso FROM Contactos WHERE NumeroOrden = 5 ORDER BY NumeroQso");
        Prepara(&pagina_,
                "SELECT * FROM Contactos WHERE NumeroOrden = 5 AND NumeroQso >= ?1 ORDER BY NumeroQso "
                "LIMIT 11");
        Prepara(&renumera_, "UPDATE Contactos SET NumeroQso = ?1 WHERE rowid = ?2");
        Prepara(&borra_, "DELETE FROM Contactos WHERE NumeroOrden = 5 AND NumeroQso = 1");
        Prepara(&corrige_, "UPDATE Contactos SET Indicativo = 'EA4ZZ', Fecha = '2026-03-01T00:00:00', "
                           "Hora = '00:00' WHERE NumeroOrden = 5 AND NumeroQso = 1");
        Prepara(&ultimo_, "UPDATE Concursos SET UltimoNumEnviado = ?1 WHERE NumeroOrden = 5");
    }
    ~Suelo() {
        for (sqlite3_stmt* s : {orden_, numeros_, pagina_, renumera_, borra_, corrige_, ultimo_})
            sqlite3_finalize(s);
        sqlite3_close(db_);
    }
    // F9: the ordered read, rewriting what is out of place, then the numbers and the last page.
    void ordena() {
        Sql(db_, "BEGIN IMMEDIATE");
        int n = 0;
        while (sqlite3_step(orden_) == SQLITE_ROW) {
            if (sqlite3_column_int(orden_, 1) == ++n) continue;
            sqlite3_bind_int(renumera_, 1, n);
            sqlite3_bind_int64(renumera_, 2, sqlite3_column_int64(orden_, 0));
            sqlite3_step(renumera_);
            sqlite3_reset(renumera_);
        }
        sqlite3_reset(orden_);
        sqlite3_bind_int(ultimo_, 1, n);
        sqlite3_step(ultimo_);
        sqlite3_reset(ultimo_);
        Sql(db_, "COMMIT");
        carga();
    }
    void borraPrimero() {
        Sql(db_, "BEGIN IMMEDIATE");
        sqlite3_step(borra_);
        sqlite3_reset(borra_);
        Sql(db_, "COMMIT");
        ordena();
    }
    void corrigePrimero() {
        Sql(db_, "BEGIN IMMEDIATE");
        sqlite3_step(corrige_);
        sqlite3_reset(corrige_);
        Sql(db_, "COMMIT");
    }

private:
    void Prepara(sqlite3_stmt** s, const char* sql) {
        if (sqlite3_prepare_v2(db_, sql, -1, s, nullptr) != SQLITE_OK)
            std::printf("%s\n", sqlite3_errmsg(db_));
    }
    void carga() {
        int ultimo = 0;
        while (sqlite3_step(numeros_) == SQLITE_ROW)
            ultimo = sqlite3_column_int(numeros_, 0);
        sqlite3_reset(numeros_);
        sqlite3_bind_int(pagina_, 1, ultimo - ultimo % 11 + 1);
        while (sqlite3_step(pagina_) == SQLITE_ROW)
            for (int c = 0; c < 17; ++c)
                sqlite3_column_text(pagina_, c);
        sqlite3_reset(pagina_);
    }
    sqlite3* db_ = nullptr;
    sqlite3_stmt *orden_ = nullptr, *numeros_ = nullptr, *pagina_ = nullptr, *renumera_ = nullptr,
                 *borra_ = nullptr, *corrige_ = nullptr, *ultimo_ = nullptr;
};
} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    AvisosSi avisos;
    Avisos::instala(&avisos);
    const int repeticiones = argc > 1 ? std::max(3, std::atoi(argv[1])) : 10;
    QTemporaryDir carpeta;
    QDir::setCurrent(carpeta.path());
    LlenaBaseNumerada();
    QFile::copy(NombreBaseDatos, "Suelo.Mdb");

    EstadoPrincipal estado;
    estado.NombreBaseDatos = NombreBaseDatos;
    estado.BaseConcursos = BaseDatos::Abre(NombreBaseDatos);
    estado.RegConcursos.emplace(
        estado.BaseConcursos->abreConjunto("Select * From Concursos Where NumeroOrden = 5"));
    estado.RegControl.emplace(estado.BaseConcursos->abreConjunto("Control"));
    estado.RegIndicativos.emplace(estado.BaseConcursos->abreConjunto("Indicativos"));
    FLogConcurso v(estado);
    v.Form_Load();
    v.Form_Activate();
    v.show();
    Tecla(&v, Qt::Key_Up);

    Suelo suelo("Suelo.Mdb");
    std::vector<double> f9, f9Suelo, correccion, correccionSuelo, borrado, borradoSuelo;
    for (int r = 0; r < repeticiones; ++r) {
        long long t = AhoraNs();
        Tecla(&v, Qt::Key_F9);
        f9.push_back(Ms(t));
        t = AhoraNs();
        suelo.ordena();
        f9Suelo.push_back(Ms(t));

        // The first QSO corrected to the same moment, so the log stays in order.
        Tecla(&v, Qt::Key_Home);
        Tecla(&v, Qt::Key_F4);
        CeldaBench(v, "Indicativo", v.navegacion().FilaActual)->setText("EA4ZZ");
        t = AhoraNs();
        Tecla(&v, Qt::Key_F12);
        correccion.push_back(Ms(t));
        t = AhoraNs();
        suelo.corrigePrimero();
        correccionSuelo.push_back(Ms(t));

        Tecla(&v, Qt::Key_F5);
        t = AhoraNs();
        Tecla(&v, Qt::Key_F12);
        borrado.push_back(Ms(t));
        t = AhoraNs();
        suelo.borraPrimero();
        borradoSuelo.push_back(Ms(t));
    }
    std::printf("%d QSOs (%d al final)\n", NumQsos, v.navegacion().TotalContactos);
    constexpr int ancho = 52;
    ImprimeCabecera(ancho);
    ImprimeFila(ancho, 2, "F9 en un log en orden, hasta la rejilla", f9);
    ImprimeFila(ancho, 2, "  suelo SQLite", f9Suelo);
    ImprimeFila(ancho, 2, "F12 de una corrección", correccion);
    ImprimeFila(ancho, 2, "  suelo SQLite", correccionSuelo);
    ImprimeFila(ancho, 2, "F12 de borrar el primero (renumerar todo), rejilla", borrado);
    ImprimeFila(ancho, 2, "  suelo SQLite", borradoSuelo);
    std::printf("\n(%d repeticiones; objetivos: corrección < 16 ms, renumerar < 2x su suelo)\n",
                repeticiones);
    return 0;
}
