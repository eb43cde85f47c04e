// The link with real radios: Hamlib's dummy rig in the process and a rigctld started here.
#include "EnlaceRadio.h"

#include <gtest/gtest.h>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QProcess>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <QTimer>

#include <functional>

namespace {

int PuertoLibre() {
    QTcpServer s;
    s.listen(QHostAddress::LocalHost);
    return s.serverPort();
}

// The last reading the link gave, waited for as the window would: its thread keeps running.
struct Lecturas {
    explicit Lecturas(EnlaceRadio& enlace) {
        QObject::connect(&enlace, &EnlaceRadio::lectura, [this](const LecturaRadio& l) { ultima = l; });
    }
    bool espera(const std::function<bool(const LecturaRadio&)>& condicion, int ms) {
        QDeadlineTimer plazo(ms);
        while (!condicion(ultima) && !plazo.hasExpired())
            QTest::qWait(10);
        return condicion(ultima);
    }
    LecturaRadio ultima;
};

// A rigctld serving Hamlib's dummy rig on a loopback port.
class Rigctld {
public:
    explicit Rigctld(int puerto) : puerto_(puerto) { arranca(); }
    ~Rigctld() { para(); }
    void arranca() {
        proceso_.start(XK_RIGCTLD, {"-m", "1", "-T", "127.0.0.1", "-t", QString::number(puerto_)});
        ASSERT_TRUE(proceso_.waitForStarted());
        QDeadlineTimer plazo(5000);
        while (!plazo.hasExpired()) {
            QTcpSocket s;
            s.connectToHost("127.0.0.1", quint16(puerto_));
            if (s.waitForConnected(200)) return;
            QTest::qWait(50);
        }
    }
    void para() {
        proceso_.kill();
        proceso_.waitForFinished();
    }
    // Sets the radio as another program sharing it would.
    void ordena(const QStringList& ordenes) {
        EXPECT_EQ(QProcess::execute(XK_RIGCTL, QStringList{"-m", "2", "-r", direccion()} + ordenes), 0);
    }
    QString direccion() const { return QStringLiteral("127.0.0.1:%1").arg(puerto_); }

private:
    int puerto_;
    QProcess proceso_;
};

ConfiguracionRadio Red(int puerto) {
    ConfiguracionRadio c;
    c.tipo = TipoRadio::Rigctld;
    c.puertoRed = puerto;
    return c;
}

} // namespace

TEST(EnlaceRadio, ElEquipoDePruebaSeLeeYSeProbar) {
    EnlaceRadio enlace;
    Lecturas lecturas(enlace);
    ConfiguracionRadio dummy;
    dummy.tipo = TipoRadio::Hamlib;
    dummy.modelo = 1;
    enlace.conecta(dummy);
    EXPECT_TRUE(lecturas.espera([](const LecturaRadio& l) { return l.conectado; }, 5000));
    EXPECT_EQ(TextoEstadoRadio(lecturas.ultima), "Equipo: 145.000,00 kHz FM");

    ConfiguracionRadio desconocido = dummy;
    desconocido.modelo = 999999;
    const int libre = PuertoLibre();
    const std::vector<std::pair<ConfiguracionRadio, QString>> casos{
        {dummy, "145.000,00 kHz FM"},
        {desconocido, "Hamlib no conoce el modelo de equipo 999999"},
        {Red(libre), QStringLiteral("No hay rigctld en 127.0.0.1:%1").arg(libre)},
    };
    QSignalSpy respuestas(&enlace, &EnlaceRadio::resultadoPrueba);
    for (const auto& [configuracion, texto] : casos) {
        enlace.prueba(configuracion);
        ASSERT_TRUE(respuestas.wait(5000));
        EXPECT_EQ(respuestas.takeFirst().at(1).toString(), texto);
    }

    enlace.conecta({});
    EXPECT_TRUE(lecturas.espera([](const LecturaRadio& l) { return !l.conectado; }, 5000));
    EXPECT_EQ(TextoEstadoRadio(lecturas.ultima), "");
}

TEST(EnlaceRadio, SigueAlRigctldLoPierdeYVuelve) {
    const int puerto = PuertoLibre();
    Rigctld rigctld(puerto);
    EnlaceRadio enlace;
    Lecturas lecturas(enlace);
    enlace.conecta(Red(puerto));
    rigctld.ordena({"F", "7025000", "M", "CW", "500"});
    EXPECT_TRUE(lecturas.espera(
        [](const LecturaRadio& l) { return l.conectado && l.frecuenciaHz == 7'025'000; }, 5000));
    EXPECT_EQ(TextoEstadoRadio(lecturas.ultima), "Equipo: 7.025,00 kHz CW");
    // A radio answering garbage is reported, and read again as it mends.
    rigctld.ordena({"F", "-5"});
    EXPECT_TRUE(lecturas.espera([](const LecturaRadio& l) { return !l.problema.isEmpty(); }, 2000));
    EXPECT_EQ(TextoEstadoRadio(lecturas.ultima), "Equipo: frecuencia no válida (-5 Hz)");
    rigctld.ordena({"F", "7025000"});
    EXPECT_TRUE(lecturas.espera([](const LecturaRadio& l) { return l.problema.isEmpty(); }, 2000));

    rigctld.para();
    EXPECT_TRUE(lecturas.espera([](const LecturaRadio& l) { return !l.conectado; }, 2000));
    EXPECT_EQ(TextoEstadoRadio(lecturas.ultima), "Equipo: sin conexión (reintentando)");

    rigctld.arranca();
    EXPECT_TRUE(lecturas.espera([](const LecturaRadio& l) { return l.conectado; }, 5000));
}

TEST(EnlaceRadio, UnEquipoMudoNoDetieneAlQueLlama) {
    // Accepts the connection and never answers: every Hamlib call waits its whole time.
    QTcpServer mudo;
    ASSERT_TRUE(mudo.listen(QHostAddress::LocalHost));
    EnlaceRadio enlace;
    Lecturas lecturas(enlace);

    QElapsedTimer reloj;
    qint64 anterior = 0, mayorHueco = 0;
    QTimer latido;
    QObject::connect(&latido, &QTimer::timeout, [&] {
        mayorHueco = std::max(mayorHueco, reloj.elapsed() - anterior);
        anterior = reloj.elapsed();
    });
    reloj.start();
    latido.start(5);
    enlace.conecta(Red(mudo.serverPort()));
    EXPECT_TRUE(lecturas.espera([](const LecturaRadio& l) { return !l.problema.isEmpty(); }, 2000));
    QTest::qWait(EnlaceRadio::IntervaloReintento + EnlaceRadio::EsperaRespuesta);
    EXPECT_EQ(TextoEstadoRadio(lecturas.ultima), "Equipo: sin conexión (reintentando)");
    // Half of Hamlib's own wait: far more than a busy machine's hiccup, far less than a call.
    EXPECT_LT(mayorHueco, EnlaceRadio::EsperaRespuesta / 2);
}
