// Function keys, the screen size options with their storage, and the end of the program.
#include "Ayudas.h"

#include "CampoTexto.h"
#include "PanelEstaciones.h"

#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>

namespace {
class Teclas : public PruebaVentana {
protected:
    void SetUp() override {
        CreaBaseTrabajo();
        AnadeIndicativo(1, "EA1AAA");
        AnadeConcurso(5, "CNCW", "2025", "MARZO");
        EscribeControl("ConcursoActivo", 5);
    }
    // Sends the key to the control with the focus, as the keyboard does.
};
using Tamanos = Teclas;
} // namespace

TEST_F(Teclas, AntesDeEmpezarSoloActuanLosBotonesHabilitados) {
    ASSERT_EQ(Carga(), FConcursos::Carga::Mostrada);
    QSignalSpy alta(Boton("AltaReg"), &QPushButton::clicked);
    Pulsa(Qt::Key_F1);
    Pulsa(Qt::Key_F2);
    Pulsa(Qt::Key_F12);
    Pulsa(Qt::Key_Escape);
    EXPECT_TRUE(sistema.documentos.isEmpty());
    EXPECT_EQ(alta.count(), 0);
    EXPECT_FALSE(Boton("AltaReg")->hasFocus());
}

TEST_F(Teclas, CadaTeclaPulsaSuBotonTrasDarleElFoco) {
    // The guide is there: a missing one is told instead of opened.
    QFile guia("GuiaXkLumoCon.htm");
    ASSERT_TRUE(guia.open(QIODevice::WriteOnly));
    guia.close();
    Inicia();
    FConcursos& v = *ventana;
    // Each edit is cancelled before the next key; a cancelled new contest leaves none active, so
    // it comes last.
    // F6 opens the log window: its own test walks there and back.
    const std::vector<std::pair<Qt::Key, QString>> tabla{{Qt::Key_F3, "NuevaEdicion"},
                                                         {Qt::Key_F4, "ModificarReg"},
                                                         {Qt::Key_F5, "BorrarReg"},
                                                         {Qt::Key_F2, "AltaReg"}};
    for (const auto& [tecla, nombre] : tabla) {
        QPushButton* boton = Busca<QPushButton>(&v, nombre);
        ASSERT_NE(boton, nullptr);
        QSignalSpy pulsado(boton, &QPushButton::clicked);
        bool conFoco = false;
        // Seen as the press starts: the button's own action may move the focus on.
        QObject::connect(boton, &QPushButton::pressed, boton, [&, b = boton] { conFoco = b->hasFocus(); });
        CajaEstacion(1)->setFocus(); // the window sees the key before the focused box
        Pulsa(tecla);
        EXPECT_EQ(pulsado.count(), 1) << boton->objectName().toStdString();
        EXPECT_TRUE(conFoco) << boton->objectName().toStdString();
        boton->disconnect(boton);
        Pulsa(Qt::Key_Escape);
    }

    EXPECT_TRUE(avisos.cajas.empty());

    Pulsa(Qt::Key_F1);
    EXPECT_EQ(sistema.documentos, QStringList{"GuiaXkLumoCon.htm"});
    EXPECT_TRUE(Boton("Ayuda")->hasFocus());

    // With Shift, Ctrl or Alt held the keys press nothing.
    QSignalSpy alta(Boton("AltaReg"), &QPushButton::clicked);
    Pulsa(Qt::Key_F2, Qt::ShiftModifier);
    Pulsa(Qt::Key_F2, Qt::ControlModifier);
    EXPECT_EQ(alta.count(), 0);
}

TEST_F(Teclas, F12YEscVanAlIndicativoCuandoElConcursoNoLosTiene) {
    Inicia();
    QSignalSpy aceptar(Boton("Aceptar"), &QPushButton::clicked);
    QSignalSpy cancelar(Boton("Cancelar"), &QPushButton::clicked);
    QSignalSpy aceptaInd(Boton("AceptaIndicativo"), &QPushButton::clicked);
    QSignalSpy cancelaInd(Boton("CancelaIndicativo"), &QPushButton::clicked);

    // Neither button enabled: nothing is pressed.
    Pulsa(Qt::Key_F12);
    Pulsa(Qt::Key_Escape);
    EXPECT_EQ(aceptaInd.count() + cancelaInd.count() + aceptar.count() + cancelar.count(), 0);

    Boton("AceptaIndicativo")->setEnabled(true);
    Boton("CancelaIndicativo")->setEnabled(true);
    Pulsa(Qt::Key_F12);
    EXPECT_EQ(aceptaInd.count(), 1);
    EXPECT_TRUE(Boton("AceptaIndicativo")->hasFocus());
    Pulsa(Qt::Key_Escape);
    EXPECT_EQ(cancelaInd.count(), 1);
    EXPECT_TRUE(Boton("CancelaIndicativo")->hasFocus());

    // The contest editor's buttons come first when they are enabled.
    Boton("Aceptar")->setEnabled(true);
    Boton("Cancelar")->setEnabled(true);
    Pulsa(Qt::Key_F12);
    Pulsa(Qt::Key_Escape);
    EXPECT_EQ(aceptar.count(), 1);
    EXPECT_EQ(cancelar.count(), 1);
    EXPECT_EQ(aceptaInd.count(), 1);
    EXPECT_EQ(cancelaInd.count(), 1);
}

TEST_F(Teclas, ElBotonDeCerrarNoCierraHastaFin) {
    Inicia();
    EXPECT_FALSE(ventana->close());
    EXPECT_TRUE(ventana->isVisible());
    EXPECT_EQ(terminaciones, 0);

    Boton("FinClientes")->click();
    EXPECT_TRUE(estado->PuedeTerminar);
    EXPECT_FALSE(ventana->isVisible());
    EXPECT_EQ(terminaciones, 1);
}

TEST_F(Tamanos, LaOpcionDeLaBaseSeMarcaYElAvisoSigueALaEleccion) {
    EscribeControl("TantoPorCien", 50);
    ASSERT_EQ(Carga(), FConcursos::Carga::Mostrada);
    EXPECT_EQ(estado->programa.PorcentajePantalla, 50);
    EXPECT_TRUE(Control<QRadioButton>("TamañoGrande")->isChecked());
    EXPECT_TRUE(Control<QLabel>("MsgTamaño")->isHidden());

    Control<QRadioButton>("TamañoNormal")->click();
    EXPECT_FALSE(Control<QLabel>("MsgTamaño")->isHidden());
    Control<QRadioButton>("TamañoGrande")->click();
    EXPECT_TRUE(Control<QLabel>("MsgTamaño")->isHidden());
    Control<QRadioButton>("TamañoTotal")->click();
    EXPECT_FALSE(Control<QLabel>("MsgTamaño")->isHidden());
    // Stored only when the program ends.
    EXPECT_EQ(LeeControl("TantoPorCien"), 50);

    Boton("IniciarXkLumoCon")->click();
    Boton("FinClientes")->click();
    EXPECT_EQ(LeeControl("TantoPorCien"), 100);

    // The next start takes the stored size.
    NuevaVentana();
    ASSERT_EQ(Carga(), FConcursos::Carga::Mostrada);
    EXPECT_EQ(estado->programa.PorcentajePantalla, 100);
    EXPECT_TRUE(Control<QRadioButton>("TamañoTotal")->isChecked());
    EXPECT_TRUE(Control<QLabel>("MsgTamaño")->isHidden());
}

TEST_F(Tamanos, ValorDesconocidoNoMarcaNingunaYFinNoLoCambia) {
    EscribeControl("TantoPorCien", 7);
    Inicia();
    for (QRadioButton* o : Control<QGroupBox>("PanelTamañoPantalla")->findChildren<QRadioButton*>())
        EXPECT_FALSE(o->isChecked()) << o->objectName().toStdString();
    Boton("FinClientes")->click();
    EXPECT_EQ(LeeControl("TantoPorCien"), 7);
    EXPECT_EQ(terminaciones, 1);
}

// Operators log on laptops: at its normal size the whole window must fit a 1366x768 screen with
// a task bar and the window's title bar.
TEST_F(Tamanos, ElTamanoNormalCabeEnLaPantallaDeUnPortatil) {
    EscribeControl("TantoPorCien", 0);
    Inicia();
    const QSize tamaño = ventana->frameGeometry().size();
    EXPECT_LE(tamaño.width(), 1366);
    EXPECT_LE(tamaño.height(), 768 - 40 - 30);
}
