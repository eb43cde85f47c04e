// Function keys, the screen size options with their storage, and the end of the program.
#include "Ayudas.h"

#include "CampoTexto.h"
#include "ConfiguracionRadio.h"
#include "PanelEstaciones.h"
#include "RigctldPrueba.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QFile>
#include <QGroupBox>
#include <QKeySequence>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSpinBox>
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
using Acceso = Teclas;

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

TEST_F(Teclas, F7AbreLaConexionConElEquipoQuePruebaYGuarda) {
    Inicia();
    Pulsa(Qt::Key_F7);
    auto* dialogo = Control<QDialog>("DialogoRadio");
    ASSERT_TRUE(dialogo && dialogo->isVisible());
    auto* tipo = Control<QComboBox>("Tipo");
    EXPECT_EQ(tipo->currentText(), "Ninguno");
    EXPECT_FALSE(Boton("Probar")->isEnabled());
    // A rig typed that is none of Hamlib's list is asked for again, the dialog still open.
    tipo->setCurrentIndex(1);
    Control<QComboBox>("Modelo")->setEditText("Ninguna marca");
    Boton("AceptarRadio")->click();
    EXPECT_EQ(avisos.textos(), QStringList{"Elija un equipo de la lista de Hamlib."});
    EXPECT_TRUE(dialogo->isVisible());
    // Nothing listens on that port: the test says so in the dialog.
    const int puerto = PuertoLibre();
    tipo->setCurrentIndex(2);
    Control<QSpinBox>("PuertoRed")->setValue(puerto);
    Boton("Probar")->click();
    auto* resultado = Control<QLabel>("ResultadoPrueba");
    EXPECT_TRUE(QTest::qWaitFor([&] { return Boton("Probar")->isEnabled(); }, 10000));
    EXPECT_EQ(resultado->text(), QString("No hay rigctld en 127.0.0.1:%1").arg(puerto));
    Boton("AceptarRadio")->click();
    EXPECT_FALSE(dialogo->isVisible());
    ConfiguracionRadio esperada;
    esperada.tipo = TipoRadio::Rigctld;
    esperada.puertoRed = puerto;
    EXPECT_EQ(LeeConfiguracionRadio(*estado->programa.BaseConcursos), esperada);
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

// Every button, list, drop-down and check box from the keyboard: access keys, Tab and arrows.
TEST_F(Acceso, CadaTeclaLlevaElFocoDondeDice) {
    Inicia();
    const auto conFoco = [] { return QApplication::focusWidget()->objectName().toStdString(); };
    const Qt::KeyboardModifiers nada = Qt::NoModifier, alt = Qt::AltModifier;
    const std::vector<std::tuple<const char*, Qt::Key, Qt::KeyboardModifiers, const char*>> pasos{
        {"reposo", Qt::Key_Tab, nada, "NuevaEdicion"},
        {"reposo", Qt::Key_S, alt, "ListaMeses"},
        {"reposo", Qt::Key_L, alt, "ListaConcursos"},
        {"reposo", Qt::Key_D, alt, "ListaIndicativos"},
        {"reposo", Qt::Key_T, alt, "TamañoNormal"},     // the chosen size
        {"reposo", Qt::Key_Right, nada, "TamañoMedio"}, // two by two; the arrow chooses it
        {"reposo", Qt::Key_M, alt, "text3_1"},          // Modificar
        {"edición", Qt::Key_L, alt, "EnviarNumeral"},
        {"edición", Qt::Key_Tab, nada, "RecibirNumeral"},
        {"edición", Qt::Key_D, alt, "SSCheck2_0"},
        {"edición", Qt::Key_Up, nada, "SSCheck2_15"},
        {"edición", Qt::Key_H, alt, "HoraLocal"},
        {"edición", Qt::Key_U, alt, "BandaUser_1"}, // Añadir nueva BANDA
        {"nombres", Qt::Key_B, alt, "Aceptar"},     // Cancelar Cambios
        {"edición", Qt::Key_Escape, nada, "AltaReg"},
        {"reposo", Qt::Key_V, alt, "text2_1"},     // Nuevo Indicativo
        {"indicativo", Qt::Key_I, alt, "text2_1"}, // no control has it now: the box takes no letter
    };
    for (const auto& [estadoVentana, tecla, mods, foco] : pasos) {
        Pulsa(tecla, mods);
        // A button's access key presses it a moment later, as a click seen on the screen.
        static_cast<void>(QTest::qWaitFor([&] { return conFoco() == foco; }, 1000));
        EXPECT_EQ(conFoco(), foco) << estadoVentana << " "
                                   << QKeySequence(tecla | mods).toString().toStdString();
    }
    EXPECT_TRUE(Control<QRadioButton>("TamañoMedio")->isChecked());
    EXPECT_EQ(CajaEstacion(1)->text(), "");
}

TEST_F(Acceso, NingunaTeclaDeAccesoSeRepiteEnLoQueSeVe) {
    // The access keys of the controls the user sees and can use now, a shared one as often as shared.
    const auto comprueba = [&](const char* estadoVentana) {
        QStringList teclas;
        for (const QWidget* w : ventana->findChildren<QWidget*>()) {
            const auto* l = qobject_cast<const QLabel*>(w);
            const QString texto = qobject_cast<const QGroupBox*>(w) ? w->property("title").toString()
                                  : qobject_cast<const QAbstractButton*>(w) || (l && l->buddy())
                                      ? w->property("text").toString()
                                      : QString();
            if (w->isVisible() && w->isEnabled() && !QKeySequence::mnemonic(texto).isEmpty())
                teclas << QKeySequence::mnemonic(texto).toString();
        }
        EXPECT_EQ(teclas.size(), QSet<QString>(teclas.begin(), teclas.end()).size())
            << estadoVentana << ": " << teclas.join(' ').toStdString();
    };
    ASSERT_EQ(Carga(), FConcursos::Carga::Mostrada);
    comprueba("antes de empezar");
    Boton("IniciarXkLumoCon")->click();
    comprueba("reposo");
    Pulsa(Qt::Key_F4);
    Control<QComboBox>("CatConcurso")->setCurrentText("CABRILLO 3.0");
    comprueba("edición 3.0");
    Boton("AñadirModo")->click();
    comprueba("nombres User");
    Boton("CancelarCambios")->click();
    Pulsa(Qt::Key_Escape);
    Boton("NuevoIndicativo")->click();
    comprueba("indicativo");
}

TEST_F(Acceso, LlegarPorIntroSeleccionaLoEscritoParaSustituirlo) {
    Inicia();
    Pulsa(Qt::Key_F2);
    Pulsa(Qt::Key_Return);
    Escribe("DIC");
    EXPECT_EQ(CajaConcurso(9)->text(), "DIC"); // the month of the list, replaced
    Pulsa(Qt::Key_Escape);
    Boton("ModificaIndicativo")->click();
    for (int i = 0; i < 5; ++i)
        Pulsa(Qt::Key_Return); // round to the callsign
    Escribe("EA2BBB");
    EXPECT_EQ(CajaEstacion(1)->text(), "EA2BBB");
}
