// What the radio's readings mean to a contest, and the setting kept in the working database.
#include "ConfiguracionRadio.h"
#include "Esquema.h"
#include "LecturaRadio.h"

#include <gtest/gtest.h>
#include <QFile>

namespace {
const QStringList BandasHf{"3.5", "7", "14", "21", "28"};
} // namespace

TEST(LecturaRadio, ModoDelContest) {
    struct Caso {
        const char* hamlib;
        QStringList habilitados;
        std::optional<QString> esperado;
    };
    const std::vector<Caso> casos{
        {"CW", {"CW", "SSB"}, "CW"},
        {"CWR", {"CW"}, "CW"},
        {"USB", {"CW", "SSB"}, "SSB"},
        {"LSB", {"LSB", "USB"}, "LSB"},
        {"USB", {"CW"}, std::nullopt},
        {"FM", {"FM"}, "FM"},
        {"AM", {"AM", "FM"}, "AM"},
        {"RTTYR", {"RTTY"}, "RTTY"},
        {"PKTUSB", {"SSB", "USB"}, std::nullopt},
        {"PKTFM", {"FM"}, std::nullopt},
        {"FM", {"CW", "SSB"}, std::nullopt},
    };
    for (const Caso& c : casos)
        EXPECT_EQ(ModoDelContest(c.hamlib, c.habilitados), c.esperado) << c.hamlib;
}

TEST(LecturaRadio, BandaDeFrecuencia) {
    const std::vector<std::pair<double, std::optional<QString>>> casos{
        {3'520'000, "3.5"}, {7'025'000, "7"},           {14'350'000, "14"},
        {28'500'000, "28"}, {10'120'000, std::nullopt}, {12'000'000, std::nullopt},
    };
    for (const auto& [hz, banda] : casos)
        EXPECT_EQ(BandaDeFrecuencia(hz, BandasHf), banda) << hz;
    // A user band named by its MHz is found by the range that holds it.
    EXPECT_EQ(BandaDeFrecuencia(70'200'000, {"144", "70"}), QString("70"));
}

TEST(LecturaRadio, TextosDelEstado) {
    LecturaRadio cw{true, 14'025'000, "CW", {}};
    LecturaRadio perdida{false, 0, {}, SinConexion};
    LecturaRadio treinta{true, 10'120'000, "CW", {}};
    LecturaRadio fm{true, 14'200'000, "FM", {}};
    LecturaRadio mil{true, 1'296'200'000, "USB", {}};
    const std::vector<std::pair<QString, QString>> casos{
        {TextoEstadoRadio(cw), "Equipo: 14.025,00 kHz CW"},
        {TextoEstadoRadio(perdida), "Equipo: sin conexión (reintentando)"},
        {TextoEstadoRadio(LecturaRadio{}), ""},
        {TextoEstadoRadio(mil), "Equipo: 1.296.200,00 kHz USB"},
        {AvisoNoHabilitado(cw, BandasHf, {"CW"}), ""},
        {AvisoNoHabilitado(treinta, BandasHf, {"CW"}),
         "El equipo está en 10 MHz: banda no habilitada en este concurso"},
        {AvisoNoHabilitado(fm, BandasHf, {"CW", "SSB"}),
         "El equipo está en FM: modo no habilitado en este concurso"},
        {AvisoNoHabilitado(perdida, BandasHf, {"CW"}), ""},
    };
    for (const auto& [texto, esperado] : casos)
        EXPECT_EQ(texto, esperado);
}

TEST(ConfiguracionRadio, SeGuardaEnLaBaseDeTrabajo) {
    CreaTodasLasTablas();
    ASSERT_TRUE(QFile::rename(NombreBaseEsquema, NombreBaseDatos));
    CreaTablaRadio();
    auto bd = BaseDatos::Abre(NombreBaseDatos);
    EXPECT_EQ(LeeConfiguracionRadio(*bd), ConfiguracionRadio{});

    ConfiguracionRadio serie{TipoRadio::Hamlib, 3073, "/dev/ttyUSB0", 38400};
    ConfiguracionRadio red{TipoRadio::Rigctld, 0, {}, 9600, "192.168.1.20", 4533};
    for (const ConfiguracionRadio& c : {serie, red}) {
        GuardaConfiguracionRadio(*bd, c);
        EXPECT_EQ(LeeConfiguracionRadio(*BaseDatos::Abre(NombreBaseDatos)), c);
    }
    EXPECT_EQ(bd->abreConjunto("Radio").cuenta(), 1);
    // The upgrade at the next start keeps the setting.
    CreaTablaRadio();
    EXPECT_EQ(LeeConfiguracionRadio(*bd), red);
}
