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

// A frame with the controls under the names the contest frame gives them.
class Marco : public testing::Test {
protected:
    QWidget marco;
    std::array<CampoTexto*, 10> text3{};
    bool editando = true;
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
        auto* etiqueta = new QLabel("Hora UTC = Local  ", &marco);
        etiqueta->setObjectName("LabelUTC");
        columna->addWidget(etiqueta);
        for (size_t i = 0; i < text3.size(); ++i) {
            text3[i] = new CampoTexto(Qt::yellow, &marco);
            text3[i]->setObjectName(QStringLiteral("text3_%1").arg(i));
            columna->addWidget(text3[i]);
        }
        ConectaOpciones(marco, {[] { return QStringLiteral("EA4BBB"); }, [this] { return editando; },
                                [this](const OpcionesConcurso& o) { desfase = o.desfaseUTC; }});
        OpcionesConcurso nuevo;
        PreparaNuevoConcurso(nuevo, "EA4BBB");
        MuestraOpciones(marco, nuevo, true);
        marco.show();
        marco.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&marco));
    }
    QAbstractButton* Boton(O op) { return marco.findChild<QAbstractButton*>(NombreOpcion(op)); }
};

} // namespace

TEST_F(Marco, UnClicMuestraLaReaccionYSusCascadas) {
    Boton(O::EnviarSiglas)->click();
    EXPECT_TRUE(Boton(O::LiteralFijo)->isChecked());
    text3[6]->setText("M");
    Boton(O::EnviarZonaCQ)->click();
    EXPECT_FALSE(Boton(O::EnviarSiglas)->isChecked());
    EXPECT_FALSE(Boton(O::LiteralFijo)->isChecked());
    EXPECT_EQ(text3[6]->text(), "");

    Boton(O::EnviarPuntos)->click();
    EXPECT_TRUE(text3[3]->isVisible());
    EXPECT_TRUE(text3[3]->hasFocus());

    EXPECT_FALSE(text3[8]->isEnabled());
    Boton(O::RepetirEnCadaHoras)->click();
    EXPECT_FALSE(Boton(O::NoRepetir)->isChecked());
    EXPECT_TRUE(text3[8]->isEnabled());
    EXPECT_FALSE(text3[8]->bloqueado());
    text3[8]->setText("06:00");
    Boton(O::RepetirEnCadaHoras)->click();
    EXPECT_EQ(text3[8]->text(), "");
    EXPECT_TRUE(text3[8]->bloqueado());
}

TEST_F(Marco, LasOpcionesDeHoraYElDesfase) {
    RelojFalso reloj(QDateTime(QDate(2026, 7, 1), QTime(9, 0)));
    auto* etiqueta = marco.findChild<QLabel*>("LabelUTC");
    Boton(O::HoraLocal)->click();
    EXPECT_FALSE(Boton(O::HoraUTC)->isChecked());
    EXPECT_FALSE(etiqueta->isVisible());
    EXPECT_FALSE(text3[7]->isVisible());
    Boton(O::HoraUTC)->click();
    EXPECT_TRUE(etiqueta->isVisible());
    EXPECT_EQ(text3[7]->text(), "-2");
    EXPECT_EQ(desfase, -2);

    // Emptying the editor clears both option buttons, which a click cannot do.
    OpcionesConcurso o = LeeOpciones(marco);
    LimpiaOpciones(o, "EA4BBB");
    MuestraOpciones(marco, o, false);
    EXPECT_FALSE(Boton(O::HoraLocal)->isChecked() || Boton(O::HoraUTC)->isChecked());
    EXPECT_FALSE(text3[7]->isVisible());
}

TEST_F(Marco, UnCambioDelProgramaTambienReaccionaYNumeralOSiglasNoSeMarcaConElRaton) {
    Boton(O::RecibirZonaCQ)->setChecked(true);
    Boton(O::RecibirSiglas)->setChecked(true);
    EXPECT_FALSE(Boton(O::RecibirZonaCQ)->isChecked());

    QAbstractButton* numeral = Boton(O::NumeraloSiglas);
    QTest::mouseClick(numeral, Qt::LeftButton);
    EXPECT_FALSE(numeral->isChecked());

    // Outside an edit the hours box stays locked whatever the options say.
    OpcionesConcurso o = LeeOpciones(marco);
    Cambia(o, O::RepetirEnCadaHoras, true, "EA4BBB");
    MuestraOpciones(marco, o, false);
    EXPECT_TRUE(text3[8]->bloqueado());
    MuestraOpciones(marco, o, true);
    EXPECT_FALSE(text3[8]->bloqueado());
}
