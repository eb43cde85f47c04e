// Loading the main window: hand-over to the updater, the pending updater install, broken working
// databases, and the window as it stands before the work starts.
#include "ArchivosPrueba.h"
#include "Ayudas.h"

#include "CampoTexto.h"
#include "Esquema.h"
#include "Identidad.h"
#include "PanelConcurso.h"
#include "PanelEstaciones.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>
#include <QTest>
#include <QTimer>

#include <cstdio>
#include <cstdlib>

using Arranque = PruebaVentana;

TEST_F(Arranque, LineaVaciaEntregaAlActualizadorConTokenYNoAbreNada) {
    // No working database: nothing after the hand-over may touch it.
    EXPECT_EQ(Carga(""), FConcursos::Carga::Entregada);
    ASSERT_EQ(sistema.arranques.size(), 1u);
    EXPECT_EQ(sistema.arranques[0].programa, "ClienteXkLumoFTP");
    ASSERT_EQ(sistema.arranques[0].argumentos.size(), 1);
    EXPECT_TRUE(VerificaIdentidad(sistema.arranques[0].argumentos[0]));
    EXPECT_TRUE(estado->PuedeTerminar);
    EXPECT_FALSE(ventana->isVisible());
    EXPECT_TRUE(avisos.cajas.empty());
}

TEST_F(Arranque, SinActualizadorArrancaNormalConVersionEnElTitulo) {
    CreaBaseTrabajo();
    sistema.arrancaOk = false;
    sistema.version = "1.2.3.4";
    NuevaVentana();
    EXPECT_EQ(ventana->windowTitle(), "Concursos");
    EXPECT_EQ(Carga(""), FConcursos::Carga::Mostrada);
    EXPECT_EQ(sistema.arranques.size(), 1u);
    EXPECT_EQ(ventana->windowTitle(), "XkLumoCon Versión: 1.2.3.4");
    EXPECT_EQ(sistema.versionesLeidas, QStringList{"XkLumoCon"});
    EXPECT_FALSE(estado->PuedeTerminar);
}

TEST_F(Arranque, InstalaElActualizadorDescargado) {
    CreaBaseTrabajo();
    EscribeArchivo("ClienteXkLumoFTP", "viejo");
    EscribeArchivo("clientexklumoftpdescarga", "nuevo"); // found whatever its case
    ASSERT_EQ(Carga(), FConcursos::Carga::Mostrada);
    EXPECT_TRUE(sistema.arranques.empty());
    EXPECT_EQ(sistema.alFrente, QStringList{"ClienteXkLumoFTP"});
    EXPECT_EQ(avisos.textos(),
              (QStringList{"Actualizando Versión ClienteXkLumoFTP", "Versión ClienteXkLumoFTP Actualizada"}));
    for (const Aviso& a : avisos.cajas) {
        EXPECT_EQ(a.titulo, "");
        EXPECT_EQ(a.icono, Icono::Ninguno);
        EXPECT_EQ(a.botones, Botones::Aceptar);
    }
    EXPECT_EQ(QDir().entryList(QDir::Files).filter("descarga", Qt::CaseInsensitive), QStringList{});
    EXPECT_EQ(LeeArchivo("ClienteXkLumoFTP"), "nuevo");
    EXPECT_TRUE(QFile::permissions("ClienteXkLumoFTP") & QFileDevice::ExeOwner);
}

TEST_F(Arranque, BaseDeTrabajoRotaFallaConErrorBDSinMostrarLaVentana) {
    const std::vector<std::pair<const char*, std::function<void()>>> casos{
        {"falta", [] {}},
        {"sin tablas",
         [] {
             CreaTablaConcursos();
             QFile::rename(NombreBaseEsquema, NombreBaseDatos);
         }},
        {"corrupta", [] { EscribeArchivo(NombreBaseDatos, QByteArray(4096, 'x')); }},
    };
    const QString raiz = QDir::currentPath();
    for (const auto& [caso, prepara] : casos) {
        QDir(raiz).mkdir(caso);
        QDir::setCurrent(raiz + '/' + caso);
        prepara();
        NuevaVentana();
        try {
            ventana->Form_Load("comando");
            ADD_FAILURE() << caso << ": the load went on";
        } catch (const ErrorBD& e) {
            EXPECT_FALSE(e.mensaje().isEmpty()) << caso;
        }
        EXPECT_FALSE(ventana->isVisible()) << caso;
    }
    QDir::setCurrent(raiz);
}

// The real box and the real end, in a process of its own: the engine's message in a critical
// box, then exit code 1; neither a crash nor a wait.
TEST(ArranqueFatal, SinBaseDeTrabajoCajaCriticaYFin) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    const auto arranca = [] {
        auto* respuesta = new QTimer;
        QObject::connect(respuesta, &QTimer::timeout, [] {
            if (auto* caja = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                std::fprintf(stderr, "caja %d: %s\n", static_cast<int>(caja->icon()),
                             qPrintable(caja->text()));
                caja->accept();
            }
        });
        respuesta->start(10);
        EstadoPrincipal estado;
        FConcursos ventana(estado);
        CargaVentanaPrincipal(ventana, "comando");
        std::exit(0);
    };
    EXPECT_EXIT(arranca(), testing::ExitedWithCode(1), "caja 3: .*XkLumoConcursos");
}

TEST_F(Arranque, VentanaCargadaAntesDeEmpezar) {
    CreaTodasLasTablas(); // without the month field
    ASSERT_TRUE(QFile::rename(NombreBaseEsquema, NombreBaseDatos));
    ASSERT_EQ(Carga(), FConcursos::Carga::Mostrada);
    FConcursos& v = *ventana;
    const DefTabla def = BaseDatos::Abre(NombreBaseDatos)->definicionTabla("Concursos");
    EXPECT_EQ(def.campo(def.cuenta() - 1).nombre, "Mes");

    for (QPushButton* b : v.findChildren<QPushButton*>()) {
        EXPECT_EQ(b->isEnabled(), b == Boton("IniciarXkLumoCon") || b == Boton("NuevoIndicativo"))
            << b->objectName().toStdString();
    }
    EXPECT_FALSE(Marco("SeleccionMes")->isEnabled());
    EXPECT_FALSE(Marco("SeleccionConcurso")->isEnabled());
    EXPECT_FALSE(Marco("PanelConcurso")->isEnabled());
    EXPECT_TRUE(Marco("PanelTamañoPantalla")->isEnabled());
    // No control takes Tab focus (a drop-down's popup is a window of its own).
    for (QWidget* w : v.findChildren<QWidget*>())
        if (w->window() == &v) {
            EXPECT_FALSE(w->focusPolicy() & Qt::TabFocus) << w->metaObject()->className();
        }
    // Shown on a desktop that never activates it, its first exposure runs the data upgrades.
    EXPECT_TRUE(QTest::qWaitFor([&] { return estado->ActivarCheck; }));
    EXPECT_TRUE(estado->ArranquePendiente);
    EXPECT_FALSE(estado->ActualizandoDatos);
}

TEST_F(Arranque, CadaActivacionAntesDeEmpezarRehaceLasActualizaciones) {
    CreaBaseTrabajo();
    ASSERT_EQ(Carga(), FConcursos::Carga::Mostrada);
    ASSERT_TRUE(QTest::qWaitFor([&] { return estado->ActivarCheck; }));
    QWidget otra;
    otra.show();
    otra.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&otra));
    estado->OperacionEnCurso = OperacionPrincipal::Alta;
    estado->ActivarCheck = false;
    ventana->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(ventana.get()));
    EXPECT_TRUE(QTest::qWaitFor([&] { return estado->ActivarCheck; }));
    EXPECT_EQ(estado->OperacionEnCurso, OperacionPrincipal::Ninguna);
}

TEST_F(Arranque, NombresTitulosYLongitudes) {
    CreaBaseTrabajo();
    ASSERT_EQ(Carga(), FConcursos::Carga::Mostrada);
    // objectName, caption, accessible name.
    const std::vector<std::array<const char*, 3>> controles{
        {"IniciarXkLumoCon", "&Iniciar XkLumoCon", "Iniciar XkLumoCon"},
        {"NuevaEdicion", "Nueva &Edición", "Nueva Edición"},
        {"FinClientes", "&Fin", "Fin"},
        {"AceptaIndicativo", "[F12] Aceptar", "[F12] Aceptar"},
        {"TamañoTotal", "Tamaño TOTAL MONITOR 4:3", "Tamaño TOTAL MONITOR 4:3"},
        {"SSCheck2_13", "User1", "User1"},
        {"ListaIndicativos", nullptr, "Indicativos en uso"},
        {"ListaConcursos", nullptr, "SELECCIONE UN CONCURSO"},
        {"text2_4", nullptr, "C.P. y Ciudad"},
        {"text3_4", nullptr, "Mi Locator para el CONCURSO :"},
        {"text3_3", nullptr, "Puntos a enviar"}, // named although no label is shown beside it
    };
    for (const auto& [nombre, titulo, accesible] : controles) {
        auto* w = ventana->findChild<QWidget*>(QString::fromUtf8(nombre));
        ASSERT_NE(w, nullptr) << nombre;
        if (titulo) {
            EXPECT_EQ(w->property("text").toString(), QString::fromUtf8(titulo));
        }
        EXPECT_EQ(w->accessibleName(), QString::fromUtf8(accesible));
    }
    EXPECT_EQ(ventana->findChild<QGroupBox*>("PanelEstaciones")->title(),
              "Datos de la ESTACIÓN para el CONCURSO");
    EXPECT_EQ(ventana->findChild<QLabel*>("Labeltext3_3")->text(), "");
    EXPECT_EQ(ventana->findChild<QLabel*>("MsgTamaño")->text(),
              "Deberá REINICIAR el programa para que los cambios surtan efecto.");

    ventana->AjustaLongitudesIndicativo(0);
    ventana->AjustaLongitudesConcurso(0);
    EXPECT_EQ(CajaEstacion(0)->maxLength(), 11); // 32-bit number
    EXPECT_EQ(CajaEstacion(1)->maxLength(), 12);
    EXPECT_EQ(CajaConcurso(5)->maxLength(), 6);  // 16-bit number: sign and five digits
    EXPECT_EQ(CajaConcurso(9)->maxLength(), 12); // the month box takes the size of Mes, the last field
    ventana->AjustaLongitudesIndicativo(2);
    EXPECT_EQ(CajaEstacion(1)->maxLength(), 14);
}

// Screen readers and automation find every control of the window by its names, whichever frame
// brought it.
TEST_F(Arranque, CadaControlTieneNombreYNombreAccesibleUnicos) {
    CreaBaseTrabajo();
    ASSERT_EQ(Carga(), FConcursos::Carga::Mostrada);
    QSet<QString> vistos;
    for (QWidget* w : ventana->findChildren<QWidget*>()) {
        if (!qobject_cast<QAbstractButton*>(w) && !qobject_cast<QLineEdit*>(w) &&
            !qobject_cast<QComboBox*>(w) && !qobject_cast<QListWidget*>(w))
            continue;
        // Parts Qt builds inside a control (a combo box's own line edit) are not controls.
        if (w->objectName().startsWith("qt_") || qobject_cast<QComboBox*>(w->parentWidget())) continue;
        const QString nombre = w->objectName();
        EXPECT_FALSE(nombre.isEmpty())
            << w->metaObject()->className() << " " << w->accessibleName().toStdString();
        EXPECT_FALSE(w->accessibleName().trimmed().isEmpty()) << nombre.toStdString();
        EXPECT_FALSE(vistos.contains(nombre)) << "repeated " << nombre.toStdString();
        vistos.insert(nombre);
    }
    EXPECT_GT(vistos.size(), 120); // the sweep reached every frame
}
