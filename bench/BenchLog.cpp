// The log window on contests of 1,000, 8,000 and 32,000 QSOs: opening (renumbering included),
// F12 until the next entry line is ready, Enter on a callsign (the repeat look-up: a new one, one
// worked once and one worked 50 times), the browsing keys and FIN, through the real window
// under the offscreen platform, beside the bare SQLite floor of the same reads and writes; and the
// F12 path again with Hamlib's dummy radio connected, which must cost the same.
//
//   QT_QPA_PLATFORM=offscreen xk_bench_log [repeticiones]
#include "Avisos.h"
#include "BaseBench.h"
#include "ConfiguracionRadio.h"
#include "Esquema.h"
#include "FLogConcurso.h"
#include "FrameMenu.h"
#include "Medidas.h"
#include "PanelRepeticion.h"
#include "Programa.h"
#include "RejillaLog.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "LogBench.h"

#include <sqlite3.h>

#include <cstdio>
#include <functional>
#include <map>
#include <vector>

namespace {
class AvisosImpresos : public Avisos {
public:
    Respuesta muestra(const Aviso& a) override {
        std::printf("caja %s\n", qPrintable(a.texto));
        return a.porDefecto;
    }
    void pita() override {}
};

// The floor: the same reads and writes straight on SQLite, on the program's connection.
struct Suelo {
    sqlite3* db;
    void paginaPorNumero(int desde) {
        sqlite3_stmt* s = nullptr;
        sqlite3_prepare_v2(db,
                           "SELECT * FROM Contactos WHERE NumeroOrden = 5 AND NumeroQso BETWEEN ?1 AND ?2 "
                           "ORDER BY NumeroQso",
                           -1, &s, nullptr);
        sqlite3_bind_int(s, 1, desde);
        sqlite3_bind_int(s, 2, desde + 10);
        while (sqlite3_step(s) == SQLITE_ROW)
            for (int c = 0; c < 17; ++c)
                sqlite3_column_text(s, c);
        sqlite3_finalize(s);
    }
    void apertura() {
        sqlite3_stmt* s = nullptr;
        sqlite3_prepare_v2(
            db,
            "SELECT rowid, NumeroQso FROM Contactos WHERE NumeroOrden = 5 ORDER BY Fecha, Hora, "
            "NumeralEnviado, NumeroQso",
            -1, &s, nullptr);
        while (sqlite3_step(s) == SQLITE_ROW)
            sqlite3_column_int(s, 1);
        sqlite3_finalize(s);
        sqlite3_prepare_v2(db, "SELECT NumeroQso FROM Contactos WHERE NumeroOrden = 5 ORDER BY NumeroQso", -1,
                           &s, nullptr);
        while (sqlite3_step(s) == SQLITE_ROW)
            sqlite3_column_int(s, 0);
        sqlite3_finalize(s);
        paginaPorNumero(1);
    }
    void graba(int numero) {
        Sql(db, "BEGIN IMMEDIATE");
        const QByteArray sql =
            QStringLiteral("INSERT INTO Contactos (NumeroOrden, NumeroQso, Fecha, Hora, Banda, "
                           "Modo, Indicativo) VALUES (5, %1, '2026-03-15T00:00:00', '10:30', "
                           "'14', 'CW', 'EA9SUELO')")
                .arg(numero)
                .toUtf8();
        Sql(db, sql.constData());
        Sql(db, QStringLiteral("UPDATE Concursos SET UltimoNumEnviado = %1 WHERE NumeroOrden = 5")
                    .arg(numero)
                    .toUtf8()
                    .constData());
        Sql(db, "COMMIT");
        paginaPorNumero(numero - 10);
    }
    void repeticion(const char* indicativo) {
        sqlite3_stmt* s = nullptr;
        sqlite3_prepare_v2(db,
                           "SELECT * FROM Contactos WHERE NumeroOrden = 5 AND Indicativo = ?1 COLLATE BINARY "
                           "ORDER BY +NumeroQso",
                           -1, &s, nullptr);
        sqlite3_bind_text(s, 1, indicativo, -1, SQLITE_TRANSIENT);
        while (sqlite3_step(s) == SQLITE_ROW)
            for (int c = 0; c < 17; ++c)
                sqlite3_column_text(s, c);
        sqlite3_finalize(s);
    }
    void fin() {
        Sql(db, "BEGIN IMMEDIATE");
        Sql(db, "UPDATE Contactos SET NumeralEnviado = '' WHERE NumeroOrden = 5 AND NumeralEnviado = '0000'");
        Sql(db,
            "UPDATE Contactos SET NumeralRecibido = '' WHERE NumeroOrden = 5 AND NumeralRecibido = '0000'");
        Sql(db, "UPDATE Contactos SET LiteralEnviado = '' WHERE NumeroOrden = 5 AND LiteralEnviado = '-'");
        Sql(db, "UPDATE Contactos SET LiteralRecibido = '' WHERE NumeroOrden = 5 AND LiteralRecibido = '-'");
        Sql(db, "COMMIT");
    }
};

struct Log {
    Programa programa;
    std::unique_ptr<FLogConcurso> ventana;
    int estacion = 0;
    Log() {
        programa.NombreBaseDatos = NombreBaseDatos;
        programa.BaseConcursos = BaseDatos::Abre(NombreBaseDatos);
        estacion = programa.BaseConcursos->abreConjunto("Indicativos").entero("NumeroOrden");
    }
    double abre() {
        const long long t = AhoraNs();
        ventana = std::make_unique<FLogConcurso>(programa, 5, estacion, nullptr);
        ventana->Form_Load();
        ventana->Form_Activate();
        return Ms(t);
    }
};

// Five QSOs stored with F12 from the entry line, each timed until the next line is ready.
void GrabaCinco(FLogConcurso& v, const QString& prefijo, std::vector<double>& tiempos) {
    for (int i = 0; i < 5; ++i) {
        // The callsign's Enter turns Aceptar on and moves to the received serial.
        const int f = v.navegacion().FilaActual;
        CeldaBench(v, "Indicativo", f)->setFocus();
        CeldaBench(v, "Indicativo", f)->setText(prefijo + QString::number(i));
        Tecla(&v, Qt::Key_Return);
        CeldaBench(v, "NumeralRecibido", f)->setText("12");
        const long long t = AhoraNs();
        Tecla(&v, Qt::Key_F12);
        tiempos.push_back(Ms(t));
    }
}

void PonRadio(TipoRadio tipo) {
    auto bd = BaseDatos::Abre(NombreBaseDatos);
    CreaTablaRadio(*bd);
    ConfiguracionRadio c;
    c.tipo = tipo;
    c.modelo = 1; // Hamlib's dummy rig
    GuardaConfiguracionRadio(*bd, c);
}

void Activa(FLogConcurso& v) {
    v.show();
    // Keys reach the focused field only in the active window, as at the operator's desk.
    v.activateWindow();
    if (!QTest::qWaitForWindowActive(&v)) std::printf("la ventana no se activó\n");
}

// Enter on the callsign of the entry line, by how often the station was worked before.
const std::pair<const char*, const char*> Repetidos[] = {
    {"Enter en indicativo nuevo", "EA4NUEVO"},
    {"Enter en indicativo trabajado 1 vez", "EA3X"},
    {"Enter en indicativo trabajado 50 veces", "EA7REP"},
};

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    AvisosImpresos avisos;
    Avisos::instala(&avisos);
    const int repeticiones = argc > 1 ? std::max(3, std::atoi(argv[1])) : 15;
    constexpr int ancho = 44;
    for (int n : {1000, 8000, 32000}) {
        QTemporaryDir carpeta;
        QDir::setCurrent(carpeta.path());
        LlenaBase(n);
        std::printf("\n%d QSOs\n", n);
        ImprimeCabecera(ancho);
        std::vector<double> abrir, abrirSuelo, f12, f12Solo, f12Radio, f12Suelo, fin, finSuelo;
        std::map<const char*, std::vector<double>> teclas;
        std::vector<double> teclaSuelo;
        std::map<const char*, std::vector<double>> enter, enterSuelo;
        for (int r = 0; r < repeticiones; ++r) {
            {
                Log log;
                abrir.push_back(log.abre());
                FLogConcurso& v = *log.ventana;
                Activa(v);
                GrabaCinco(v, QStringLiteral("EA4B%1X").arg(r), f12);
                for (const auto& [nombre, indicativo] : Repetidos) {
                    const int f = v.navegacion().FilaActual;
                    CeldaBench(v, "Indicativo", f)->setFocus();
                    CeldaBench(v, "Indicativo", f)->setText(QString::fromLatin1(indicativo));
                    const long long t = AhoraNs();
                    Tecla(&v, Qt::Key_Return);
                    enter[nombre].push_back(Ms(t));
                }
                Tecla(&v, Qt::Key_Up);
                for (auto [nombre, k] :
                     std::initializer_list<std::pair<const char*, Qt::Key>>{{"Re Pág", Qt::Key_PageUp},
                                                                            {"Av Pág", Qt::Key_PageDown},
                                                                            {"Inicio", Qt::Key_Home},
                                                                            {"Flecha abajo", Qt::Key_Down},
                                                                            {"Flecha arriba", Qt::Key_Up},
                                                                            {"Fin", Qt::Key_End}}) {
                    const long long t = AhoraNs();
                    Tecla(&v, k);
                    teclas[nombre].push_back(Ms(t));
                }
                const long long t = AhoraNs();
                v.findChild<QPushButton*>("Volver")->click();
                fin.push_back(Ms(t));
            }
            // The same five F12 with and without the dummy radio, taking turns at going first: the
            // second window of a round is slower whatever it holds.
            for (bool radio : {r % 2 == 0, r % 2 != 0}) {
                PonRadio(radio ? TipoRadio::Hamlib : TipoRadio::Ninguno);
                Log log;
                log.abre();
                FLogConcurso& v = *log.ventana;
                Activa(v);
                const auto* estado = v.findChild<QLabel*>("EstadoRadio");
                if (radio && !QTest::qWaitFor([&] { return estado->text().contains("kHz"); }, 3000))
                    std::printf("el equipo de prueba no respondió\n");
                GrabaCinco(v, QStringLiteral("EA5R%1X").arg(r * 2 + radio), radio ? f12Radio : f12Solo);
                v.findChild<QPushButton*>("Volver")->click();
            }
            PonRadio(TipoRadio::Ninguno);
            // Back to n QSOs in order for the next round.
            auto bd = BaseDatos::Abre(NombreBaseDatos);
            bd->ejecuta(QStringLiteral("DELETE FROM Contactos WHERE NumeroQso > %1").arg(n));
            bd->ejecuta(QStringLiteral("UPDATE Concursos SET UltimoNumEnviado = %1").arg(n));
            Suelo s{bd->conexion()};
            long long t = AhoraNs();
            s.apertura();
            abrirSuelo.push_back(Ms(t));
            t = AhoraNs();
            s.graba(n + 1);
            f12Suelo.push_back(Ms(t));
            t = AhoraNs();
            s.paginaPorNumero(n / 2);
            teclaSuelo.push_back(Ms(t));
            for (const auto& [nombre, indicativo] : Repetidos) {
                t = AhoraNs();
                s.repeticion(indicativo);
                enterSuelo[nombre].push_back(Ms(t));
            }
            t = AhoraNs();
            s.fin();
            finSuelo.push_back(Ms(t));
            bd->ejecuta(QStringLiteral("DELETE FROM Contactos WHERE NumeroQso > %1").arg(n));
            bd->ejecuta(QStringLiteral("UPDATE Concursos SET UltimoNumEnviado = %1").arg(n));
        }
        ImprimeFila(ancho, 2, "abrir el log (renumerar incluido)", abrir);
        ImprimeFila(ancho, 2, "  suelo SQLite", abrirSuelo);
        ImprimeFila(ancho, 2, "F12 hasta la línea siguiente", f12);
        ImprimeFila(ancho, 2, "F12, otra ventana sin equipo", f12Solo);
        ImprimeFila(ancho, 2, "F12, otra ventana con el equipo de prueba", f12Radio);
        ImprimeFila(ancho, 2, "  suelo SQLite", f12Suelo);
        for (const auto& [nombre, indicativo] : Repetidos) {
            ImprimeFila(ancho, 2, nombre, enter[nombre]);
            ImprimeFila(ancho, 2, "  suelo SQLite (la consulta)", enterSuelo[nombre]);
        }
        for (const auto& [nombre, v] : teclas)
            ImprimeFila(ancho, 2, nombre, v);
        ImprimeFila(ancho, 2, "  suelo SQLite (una página)", teclaSuelo);
        ImprimeFila(ancho, 2, "FIN", fin);
        ImprimeFila(ancho, 2, "  suelo SQLite", finSuelo);
        QDir::setCurrent(QDir::tempPath());
    }
    return 0;
}
