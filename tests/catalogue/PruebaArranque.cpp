// Loading the main window: hand-over to the updater, the pending updater install, the database
// and the Control row, and the state the window shows before the work starts.
#include "Ayudas.h"

#include "CampoTexto.h"
#include "Esquema.h"
#include "Identidad.h"
#include "PanelConcurso.h"
#include "PanelEstaciones.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include <cstdio>
#include <cstdlib>

namespace {
void EscribeArchivo(const QString& nombre, const QByteArray& datos) {
    QFile f(nombre);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(datos);
}

QByteArray LeeArchivo(const QString& nombre) {
    QFile f(nombre);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
} // namespace

using Arranque = PruebaVentana;

TEST_F(Arranque, LineaVaciaEntregaAlActualizadorConTokenYNoAbreNada) {
    // No working database: nothing after the hand-over may touch it.
    EXPECT_EQ(Carga(""), FConcursos::Carga::Entregada);
    ASSERT_EQ(sistema.arranques.size(), 1u);
    EXPECT_EQ(sistema.arranques[0].programa, "ClienteXkLumoFTP");
    ASSERT_EQ(sistema.arranques[0].argumentos.size(), 1);
    const QString token = sistema.arranques[0].argumentos[0];
    EXPECT_EQ(token.size(), 10);
    EXPECT_TRUE(VerificaIdentidad(token));
    EXPECT_TRUE(estado->PuedeTerminar);
    EXPECT_FALSE(ventana->isVisible());
    EXPECT_TRUE(avisos.cajas.empty());
    EXPECT_TRUE(sistema.versionesLeidas.isEmpty());
}

TEST_F(Arranque, SinActualizadorArrancaNormalConVersionEnElTitulo) {
    CreaBaseTrabajo();
    sistema.arrancaOk = false;
    sistema.version = "1.2.3.4";
    NuevaVentana();
    EXPECT_EQ(ventana->windowTitle(), "Concursos");
    EXPECT_EQ(Carga(""), FConcursos::Carga::Mostrada);
    EXPECT_EQ(sistema.arranques.size(), 1u);
    EXPECT_TRUE(ventana->isVisible());
    EXPECT_EQ(ventana->windowTitle(), "XkLumoCon Versión: 1.2.3.4");
    EXPECT_EQ(sistema.versionesLeidas, QStringList{"XkLumoCon"});
    EXPECT_EQ(estado->VersionPrograma, "1.2.3.4");
    EXPECT_FALSE(estado->PuedeTerminar);
}

TEST_F(Arranque, ConLineaNoVaciaNoEntrega) {
    CreaBaseTrabajo();
    EXPECT_EQ(Carga("comando"), FConcursos::Carga::Mostrada);
    EXPECT_TRUE(sistema.arranques.empty());
}

TEST_F(Arranque, InstalaElActualizadorDescargado) {
    CreaBaseTrabajo();
    EscribeArchivo("ClienteXkLumoFTP", "viejo");
    EscribeArchivo("ClienteXkLumoFTPDescarga", "nuevo");
    ASSERT_EQ(Carga(), FConcursos::Carga::Mostrada);

    EXPECT_EQ(sistema.alFrente, QStringList{"ClienteXkLumoFTP"});
    ASSERT_EQ(avisos.cajas.size(), 2u);
    EXPECT_EQ(avisos.cajas[0].texto, "Actualizando Versión ClienteXkLumoFTP");
    EXPECT_EQ(avisos.cajas[1].texto, "Versión ClienteXkLumoFTP Actualizada");
    for (const Aviso& a : avisos.cajas) {
        EXPECT_EQ(a.titulo, "");
        EXPECT_EQ(a.icono, Icono::Ninguno);
        EXPECT_EQ(a.botones, Botones::Aceptar);
    }
    EXPECT_FALSE(QFile::exists("ClienteXkLumoFTPDescarga"));
    EXPECT_EQ(LeeArchivo("ClienteXkLumoFTP"), "nuevo");
    EXPECT_TRUE(QFile::permissions("ClienteXkLumoFTP") & QFileDevice::ExeOwner);

    // The next start finds nothing to install.
    avisos.limpia();
    NuevaVentana();
    ASSERT_EQ(Carga(), FConcursos::Carga::Mostrada);
    EXPECT_TRUE(avisos.cajas.empty());
    EXPECT_EQ(LeeArchivo("ClienteXkLumoFTP"), "nuevo");
}

TEST_F(Arranque, LaDescargaSeEncuentraSinDistinguirMayusculas) {
    CreaBaseTrabajo();
    EscribeArchivo("clientexklumoftpdescarga", "nuevo");
    ASSERT_EQ(Carga(), FConcursos::Carga::Mostrada);
    EXPECT_EQ(avisos.cajas.size(), 2u);
    EXPECT_EQ(LeeArchivo("ClienteXkLumoFTP"), "nuevo");
}

// Each broken working database stops the load with the engine's message (shown by the program's
// top-level handler) before the window is shown.
TEST_F(Arranque, SinBaseDeTrabajoFallaConElMensajeDelMotor) {
    NuevaVentana();
    try {
        ventana->Form_Load("comando");
        FAIL() << "the load went on without a working database";
    } catch (const ErrorBD& e) {
        EXPECT_FALSE(e.mensaje().isEmpty());
    }
    EXPECT_FALSE(ventana->isVisible());
}

TEST_F(Arranque, TablaQueFaltaYArchivoCorruptoFallanConErrorBD) {
    CreaTablaConcursos(); // only the contest table
    ASSERT_TRUE(QFile::rename(NombreBaseEsquema, NombreBaseDatos));
    NuevaVentana();
    EXPECT_THROW(ventana->Form_Load("comando"), ErrorBD);
    EXPECT_FALSE(ventana->isVisible());

    ASSERT_TRUE(QFile::remove(NombreBaseDatos));
    EscribeArchivo(NombreBaseDatos, QByteArray(4096, 'x'));
    NuevaVentana();
    EXPECT_THROW(ventana->Form_Load("comando"), ErrorBD);
    EXPECT_FALSE(ventana->isVisible());
}

TEST_F(Arranque, AnadeElMesALaBaseQueNoLoTiene) {
    CreaTodasLasTablas();
    ASSERT_TRUE(QFile::rename(NombreBaseEsquema, NombreBaseDatos));
    ASSERT_EQ(Carga(), FConcursos::Carga::Mostrada);
    const DefTabla def = BaseDatos::Abre(NombreBaseDatos)->definicionTabla("Concursos");
    EXPECT_EQ(def.campo(def.cuenta() - 1).nombre, "Mes");
    EXPECT_EQ(estado->DefConcursos.cuenta(), def.cuenta());
}

TEST_F(Arranque, VentanaCargadaAntesDeEmpezar) {
    CreaBaseTrabajo();
    ASSERT_EQ(Carga(), FConcursos::Carga::Mostrada);
    FConcursos& v = *ventana;
    for (QPushButton* b : v.PanelBotonesConcurso->findChildren<QPushButton*>())
        EXPECT_EQ(b->isEnabled(), b == v.IniciarXkLumoCon) << b->objectName().toStdString();
    for (QPushButton* b : v.Estaciones->findChildren<QPushButton*>())
        EXPECT_EQ(b->isEnabled(), b == v.Estaciones->NuevoIndicativo) << b->objectName().toStdString();
    EXPECT_FALSE(v.SeleccionMes->isEnabled());
    EXPECT_FALSE(v.SeleccionConcurso->isEnabled());
    EXPECT_FALSE(v.Concurso->isEnabled());
    EXPECT_TRUE(v.Estaciones->isEnabled());
    EXPECT_TRUE(v.PanelTamañoPantalla->isEnabled());
    EXPECT_EQ(v.ListaProv->count(), 52);
    EXPECT_FALSE(v.ListaProv->isVisible());
    EXPECT_EQ(v.ListaMeses->count(), 0);
    // No control takes Tab focus (a drop-down's popup is a window of its own).
    for (QWidget* w : v.findChildren<QWidget*>())
        if (w->window() == &v) {
            EXPECT_FALSE(w->focusPolicy() & Qt::TabFocus) << w->metaObject()->className();
        }
    // The first exposure or activation ran the data upgrades.
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
    estado->OperacionEnCurso = "ALTA";
    estado->ActivarCheck = false;
    ventana->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(ventana.get()));
    EXPECT_TRUE(QTest::qWaitFor([&] { return estado->ActivarCheck; }));
    EXPECT_EQ(estado->OperacionEnCurso, "");
}

TEST_F(Arranque, NombresYTitulosDeLosControles) {
    CreaBaseTrabajo();
    ASSERT_EQ(Carga(), FConcursos::Carga::Mostrada);
    const std::vector<std::pair<const char*, const char*>> botones{
        {"IniciarXkLumoCon", "&Iniciar XkLumoCon"}, {"Ayuda", "&Ayuda"},
        {"AltaReg", "&Nuevo CONCURSO"},             {"NuevaEdicion", "Nueva &Edición"},
        {"ModificarReg", "&Modificar"},             {"BorrarReg", "&Borrar"},
        {"IrContactos", "&Contactos"},              {"Aceptar", "&Aceptar"},
        {"Cancelar", "&Cancelar"},                  {"FinClientes", "Fin"},
        {"NuevoIndicativo", "Nuevo Indicativo"},    {"ModificaIndicativo", "Cambiar"},
        {"BorrarIndicativo", "Borrar"},             {"AceptaIndicativo", "[F12] Aceptar"},
        {"CancelaIndicativo", "[Esc] Cancelar"}};
    for (const auto& [nombre, titulo] : botones) {
        auto* b = ventana->findChild<QPushButton*>(QString::fromUtf8(nombre));
        ASSERT_NE(b, nullptr) << nombre;
        EXPECT_EQ(b->text(), QString::fromUtf8(titulo));
        EXPECT_EQ(b->accessibleName(), QString::fromUtf8(titulo).remove('&'));
    }
    const std::vector<std::pair<const char*, const char*>> marcos{
        {"SeleccionMes", "MES"},
        {"SeleccionConcurso", "SELECCIONE UN CONCURSO"},
        {"PanelEstaciones", "Datos de la ESTACIÓN para el CONCURSO"},
        {"PanelTamañoPantalla", "Tamaño Pantallas Programa"},
        {"PanelConcurso", "CONCURSO"}};
    for (const auto& [nombre, titulo] : marcos) {
        auto* m = ventana->findChild<QGroupBox*>(QString::fromUtf8(nombre));
        ASSERT_NE(m, nullptr) << nombre;
        EXPECT_EQ(m->title(), QString::fromUtf8(titulo));
    }
    const std::vector<std::pair<const char*, const char*>> opciones{
        {"TamañoNormal", "Tamaño NORMAL"},
        {"TamañoMedio", "Tamaño MEDIO"},
        {"TamañoGrande", "Tamaño GRANDE"},
        {"TamañoTotal", "Tamaño TOTAL MONITOR 4:3"}};
    for (const auto& [nombre, titulo] : opciones) {
        auto* o = ventana->findChild<QRadioButton*>(QString::fromUtf8(nombre));
        ASSERT_NE(o, nullptr) << nombre;
        EXPECT_EQ(o->text(), QString::fromUtf8(titulo));
    }
    EXPECT_EQ(ventana->findChild<QLabel*>("MsgTamaño")->text(),
              "Deberá REINICIAR el programa para que los cambios surtan efecto.");
    EXPECT_EQ(ventana->findChild<QListWidget*>("ListaMeses")->accessibleName(), "MES");
    EXPECT_EQ(ventana->findChild<QListWidget*>("ListaConcursos")->accessibleName(), "SELECCIONE UN CONCURSO");
    EXPECT_EQ(ventana->findChild<QComboBox*>("ListaIndicativos")->accessibleName(), "Indicativos en uso");
    EXPECT_EQ(ventana->findChild<QLineEdit*>("text2_1")->accessibleName(), "Indicativo");
    EXPECT_EQ(ventana->findChild<QLineEdit*>("text2_4")->accessibleName(), "C.P. y Ciudad");
    EXPECT_EQ(ventana->findChild<QLineEdit*>("text3_4")->accessibleName(), "Mi Locator para el CONCURSO :");
    EXPECT_NE(ventana->findChild<QCheckBox*>("SSCheck2_13"), nullptr);
    EXPECT_NE(ventana->findChild<QGroupBox*>("PanelNuevaBanda"), nullptr);
    EXPECT_NE(ventana->findChild<QListWidget*>("ListaProv"), nullptr);
}

TEST_F(Arranque, LongitudesDeLasCajasPorElTipoDelCampo) {
    CreaBaseTrabajo();
    ASSERT_EQ(Carga(), FConcursos::Carga::Mostrada);
    ventana->AjustaLongitudesIndicativo(0);
    const auto& t2 = ventana->Estaciones->text2;
    EXPECT_EQ(t2[0]->maxLength(), 11); // 32-bit number
    EXPECT_EQ(t2[1]->maxLength(), 12);
    EXPECT_EQ(t2[5]->maxLength(), 24);
    ventana->AjustaLongitudesConcurso(0);
    const auto& t3 = ventana->Concurso->text3;
    EXPECT_EQ(t3[0]->maxLength(), 11);
    EXPECT_EQ(t3[1]->maxLength(), 64);
    EXPECT_EQ(t3[2]->maxLength(), 4);
    EXPECT_EQ(t3[5]->maxLength(), 4); // 16-bit number
    EXPECT_EQ(t3[8]->maxLength(), 5);
    EXPECT_EQ(t3[9]->maxLength(), 80); // position 9 is a yes/no field: the box keeps its length
    ventana->AjustaLongitudesIndicativo(2);
    EXPECT_EQ(t2[1]->maxLength(), 14);

    t2[3]->setText("CALLE");
    ventana->LimpiaIndicativo();
    EXPECT_EQ(t2[3]->text(), "");
}

// The real box and the real end of the program, in a process of its own: the engine's message in
// a critical box, then exit code 1, neither a crash nor a wait.
TEST(ArranqueFatal, SinBaseDeTrabajoCajaCriticaYFin) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            QTimer::singleShot(0, [] {
                QTimer* t = new QTimer;
                QObject::connect(t, &QTimer::timeout, [] {
                    if (auto* caja = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                        std::fprintf(stderr, "caja %d: %s\n", static_cast<int>(caja->icon()),
                                     qPrintable(caja->text()));
                        caja->accept();
                    }
                });
                t->start(10);
            });
            EstadoPrincipal estado;
            FConcursos ventana(estado);
            CargaVentanaPrincipal(ventana, "comando");
            std::exit(0);
        },
        testing::ExitedWithCode(1), "caja 3: .*XkLumoConcursos");
}
