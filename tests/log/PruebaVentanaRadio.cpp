// The log window with a real rigctld (Hamlib's dummy rig) on a free loopback port.
#include "AyudasVentanaLog.h"
#include "ConfiguracionRadio.h"
#include "Esquema.h"
#include "RigctldPrueba.h"

#include <QLabel>
#include <QRadioButton>

namespace {
class VentanaRadio : public PruebaLog {
protected:
    void SetUp() override {
        bd = CreaBaseConConcurso("CNCW", {{"Banda2", true}});
        ActualizaTablasContactos(*bd);
        ConfiguracionRadio c;
        c.tipo = TipoRadio::Rigctld;
        c.puertoRed = rigctld.puerto();
        GuardaConfiguracionRadio(*bd, c);
    }
    bool Rigctl(const QStringList& ordenes) { return rigctld.ordena(ordenes); }
    QString Estado() const { return Control<QLabel>("EstadoRadio")->text(); }
    bool Elegida(const QString& opcion) const { return Control<QRadioButton>(opcion)->isChecked(); }
    RigctldPrueba rigctld;
};
} // namespace

TEST_F(VentanaRadio, LasOpcionesSiguenAlEquipoYElQsoGuardaSuFrecuencia) {
    ASSERT_TRUE(Rigctl({"F", "7025000", "M", "CW", "500"}));
    Abre();
    // Band 7 (option 2) and CW (mode 1), as a click on them would choose.
    EXPECT_TRUE(QTest::qWaitFor([&] { return Elegida("Option3D1_2") && Elegida("Option3D2_1"); }, 5000));
    EXPECT_EQ(Estado(), "Equipo: 7.025,00 kHz CW");
    ASSERT_TRUE(Rigctl({"M", "USB", "2400"}));
    EXPECT_TRUE(QTest::qWaitFor([&] { return Elegida("Option3D2_4"); }, 5000)); // SSB
    ASSERT_TRUE(Rigctl({"M", "CW", "500"}));
    EXPECT_TRUE(QTest::qWaitFor([&] { return Elegida("Option3D2_1"); }, 5000));
    Escribe("ea4abc");
    Pulsa(Qt::Key_Return);
    Escribe("12");
    Pulsa(Qt::Key_F12);
    const auto qsos = QsosGuardados(*bd);
    ASSERT_EQ(qsos.size(), 1u);
    EXPECT_EQ(qsos[0].banda, "7");
    EXPECT_EQ(qsos[0].frecuencia, "7025000");

    // A band the contest does not enable is not chosen; the status line says why.
    ASSERT_TRUE(Rigctl({"F", "10120000"}));
    EXPECT_TRUE(QTest::qWaitFor([&] { return Estado().contains("banda no habilitada"); }, 5000));
    EXPECT_EQ(Estado(),
              "Equipo: 10.120,00 kHz CW. El equipo está en 10 MHz: banda no habilitada en este concurso");
    EXPECT_TRUE(Elegida("Option3D1_2"));

    // rigctld gone while a QSO is typed: the keys still answer and the status line tells.
    rigctld.para();
    Escribe("ea1b");
    EXPECT_EQ(Texto(Columna::Indicativo, ventana->navegacion().FilaActual), "EA1B");
    EXPECT_TRUE(QTest::qWaitFor([&] { return Estado() == "Equipo: sin conexión (reintentando)"; }, 5000));
    EXPECT_TRUE(avisos.cajas.empty());
}
