// The option controls of a frame kept in step with the option rules, found by their names.
#include "CampoTexto.h"
#include "Falsos.h"
#include "VistaOpciones.h"

#include <gtest/gtest.h>
#include <QCheckBox>
#include <QLabel>
#include <QRadioButton>
#include <QTest>
#include <QVBoxLayout>

namespace {

using O = Opcion;

// A frame with the controls under the names the contest frame gives them, showing a new contest.
class Marco : public testing::Test {
protected:
    RelojFalso reloj{HoraMadrid(QDate(2026, 7, 1), QTime(9, 0))};
    QWidget marco;
    std::array<CampoTexto*, 10> text3{};
    QLabel* etiqueta = new QLabel("Hora UTC = Local  ", &marco);
    std::optional<qint16> desfase;

    void SetUp() override {
        auto* columna = new QVBoxLayout(&marco);
        for (int i = 0; i < NumeroOpciones; ++i) {
            const O op = static_cast<O>(i);
            QAbstractButton* b = (op == O::HoraLocal || op == O::HoraUTC)
                                     ? static_cast<QAbstractButton*>(new QRadioButton(&marco))
                                     : new QCheckBox(&marco);
            b->setObjectName(NombreOpcion(op));
            columna->addWidget(b);
        }
        etiqueta->setObjectName("LabelUTC");
        columna->addWidget(etiqueta);
        for (size_t i = 0; i < text3.size(); ++i) {
            text3[i] = new CampoTexto(Qt::yellow, &marco);
            text3[i]->setObjectName(QStringLiteral("text3_%1").arg(i));
            columna->addWidget(text3[i]);
        }
        ConectaOpciones(marco, {[] { return QStringLiteral("EA4BBB"); }, [] { return true; },
                                [this](const OpcionesConcurso& o) { desfase = o.desfaseUTC; }});
        OpcionesConcurso nuevo;
        PreparaNuevoConcurso(nuevo, "EA4BBB");
        MuestraOpciones(marco, nuevo, true);
        marco.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&marco));
    }
    QAbstractButton* Boton(O op) { return marco.findChild<QAbstractButton*>(NombreOpcion(op)); }
};

} // namespace

TEST_F(Marco, ClicsYCambiosDelProgramaMuestranSusReacciones) {
    Boton(O::EnviarSiglas)->click();
    text3[6]->setText("M");
    Boton(O::EnviarZonaCQ)->click();
    EXPECT_FALSE(Boton(O::EnviarSiglas)->isChecked() || Boton(O::LiteralFijo)->isChecked());
    EXPECT_EQ(text3[6]->text(), "");

    Boton(O::EnviarPuntos)->click();
    EXPECT_TRUE(text3[3]->isVisible() && text3[3]->hasFocus());

    EXPECT_FALSE(text3[8]->isEnabled());
    Boton(O::RepetirEnCadaHoras)->click();
    EXPECT_FALSE(Boton(O::NoRepetir)->isChecked());
    EXPECT_TRUE(text3[8]->isEnabled() && !text3[8]->bloqueado());
    text3[8]->setText("06:00");
    Boton(O::RepetirEnCadaHoras)->click();
    EXPECT_EQ(text3[8]->text(), "");
    EXPECT_TRUE(text3[8]->bloqueado());

    Boton(O::RecibirZonaCQ)->setChecked(true); // as the presets would
    Boton(O::RecibirSiglas)->setChecked(true);
    EXPECT_FALSE(Boton(O::RecibirZonaCQ)->isChecked());

    QTest::mouseClick(Boton(O::NumeraloSiglas), Qt::LeftButton);
    EXPECT_FALSE(Boton(O::NumeraloSiglas)->isChecked());
}

TEST_F(Marco, LasOpcionesDeHoraYElBloqueoFueraDeUnaEdicion) {
    Boton(O::HoraLocal)->click();
    EXPECT_FALSE(Boton(O::HoraUTC)->isChecked());
    EXPECT_FALSE(etiqueta->isVisible() || text3[7]->isVisible());
    Boton(O::HoraUTC)->click();
    EXPECT_TRUE(etiqueta->isVisible());
    EXPECT_EQ(text3[7]->text(), "-2");
    EXPECT_EQ(desfase, -2);

    // Emptying the editor clears both option buttons, which no click can do.
    OpcionesConcurso o = LeeOpciones(marco);
    LimpiaOpciones(o, "EA4BBB");
    Cambia(o, O::RepetirEnCadaHoras, true, "EA4BBB");
    MuestraOpciones(marco, o, false);
    EXPECT_FALSE(Boton(O::HoraLocal)->isChecked() || Boton(O::HoraUTC)->isChecked());
    EXPECT_FALSE(text3[7]->isVisible());
    EXPECT_TRUE(text3[8]->bloqueado()); // every box is locked outside an edit
}
