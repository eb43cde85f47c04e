// The link with real radios: Hamlib's dummy rig in the process and a rigctld started here.
#include "EnlaceRadio.h"
#include "RigctldPrueba.h"

#include <gtest/gtest.h>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTest>

#include <functional>

namespace {

// The link's last reading, waited for as the window would: with its thread running events.
struct Lecturas {
    explicit Lecturas(EnlaceRadio& e) {
        QObject::connect(&e, &EnlaceRadio::lectura, [this](const LecturaRadio& l) { ultima = l; });
    }
    bool espera(const std::function<bool(const LecturaRadio&)>& condicion, int ms) {
        for (QDeadlineTimer plazo(ms); !condicion(ultima) && !plazo.hasExpired();)
            QTest::qWait(10);
        return condicion(ultima);
    }
    LecturaRadio ultima;
};

ConfiguracionRadio Radio(TipoRadio tipo, int modeloOPuerto) {
    ConfiguracionRadio c;
    c.tipo = tipo;
    (tipo == TipoRadio::Rigctld ? c.puertoRed : c.modelo) = modeloOPuerto;
    return c;
}

bool Conectado(const LecturaRadio& l) {
    return l.conectado && l.problema.isEmpty();
}

} // namespace

TEST(EnlaceRadio, ElEquipoDePruebaSeLeeYSePrueba) {
    EnlaceRadio enlace;
    Lecturas lecturas(enlace);
    enlace.conecta(Radio(TipoRadio::Hamlib, 1));
    EXPECT_TRUE(lecturas.espera(Conectado, 5000));
    EXPECT_EQ(TextoEstadoRadio(lecturas.ultima), "Equipo: 145.000,00 kHz FM");

    const int libre = PuertoLibre();
    const std::vector<std::pair<ConfiguracionRadio, QString>> casos{
        {Radio(TipoRadio::Hamlib, 1), "145.000,00 kHz FM"},
        {Radio(TipoRadio::Hamlib, 999999), "Hamlib no conoce el modelo de equipo 999999"},
        {Radio(TipoRadio::Rigctld, libre), QStringLiteral("No hay rigctld en 127.0.0.1:%1").arg(libre)},
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
    const auto modelos = EnlaceRadio::ModelosHamlib();
    EXPECT_TRUE(std::any_of(modelos.begin(), modelos.end(), [](const ModeloHamlib& m) {
        return m.fabricante == "Hamlib" && m.modelo == "Dummy" && m.numero == 1;
    }));
}

TEST(EnlaceRadio, SigueAlRigctldLoPierdeYVuelve) {
    RigctldPrueba rigctld;
    EnlaceRadio enlace;
    Lecturas lecturas(enlace);
    enlace.conecta(Radio(TipoRadio::Rigctld, rigctld.puerto()));
    EXPECT_TRUE(rigctld.ordena({"F", "7025000", "M", "CW", "500"}));
    EXPECT_TRUE(lecturas.espera([](const LecturaRadio& l) { return l.frecuenciaHz == 7'025'000; }, 5000));
    EXPECT_EQ(TextoEstadoRadio(lecturas.ultima), "Equipo: 7.025,00 kHz CW");
    // A radio answering garbage is reported, and read again as it mends.
    EXPECT_TRUE(rigctld.ordena({"F", "-5"}));
    EXPECT_TRUE(lecturas.espera([](const LecturaRadio& l) { return !l.problema.isEmpty(); }, 2000));
    EXPECT_EQ(TextoEstadoRadio(lecturas.ultima), "Equipo: frecuencia no válida (-5 Hz)");
    EXPECT_TRUE(rigctld.ordena({"F", "7025000"}));
    EXPECT_TRUE(lecturas.espera(Conectado, 2000));

    rigctld.para();
    EXPECT_TRUE(lecturas.espera([](const LecturaRadio& l) { return !l.conectado; }, 2000));
    EXPECT_EQ(TextoEstadoRadio(lecturas.ultima), "Equipo: sin conexión (reintentando)");
    rigctld.arranca();
    EXPECT_TRUE(lecturas.espera(Conectado, 5000));
}

TEST(EnlaceRadio, UnEquipoMudoNoDetieneAlQueLlama) {
    // Takes the connection and never answers: every Hamlib call waits its whole time.
    QTcpServer mudo;
    ASSERT_TRUE(mudo.listen(QHostAddress::LocalHost));
    EnlaceRadio enlace;
    Lecturas lecturas(enlace);
    QElapsedTimer reloj;
    qint64 anterior = 0, mayorHueco = 0;
    reloj.start();
    enlace.conecta(Radio(TipoRadio::Rigctld, mudo.serverPort()));
    // Two attempts to open it, the caller's events served in between.
    while (reloj.elapsed() < EnlaceRadio::IntervaloReintento + 2 * EnlaceRadio::EsperaRespuesta) {
        QTest::qWait(5);
        mayorHueco = std::max(mayorHueco, reloj.elapsed() - anterior);
        anterior = reloj.elapsed();
    }
    EXPECT_EQ(TextoEstadoRadio(lecturas.ultima), "Equipo: sin conexión (reintentando)");
    // Half of Hamlib's own wait: far more than a busy machine's hiccup, far less than a call.
    EXPECT_LT(mayorHueco, EnlaceRadio::EsperaRespuesta / 2);
}
