// Faults found with a real keyboard and screen reader: the activation during a first callsign, the
// window's width, the own help window, refused stores, engine messages, control characters, the
// edition and serial checks and the names screen readers announce.
#include "Ayudas.h"

#include "CampoTexto.h"
#include "DatosPrincipal.h"
#include "Esquema.h"
#include "FLogConcurso.h"
#include "PanelConcurso.h"
#include "PanelEstaciones.h"
#include "VentanaAyuda.h"

#include <QAccessible>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyleOptionComboBox>
#include <QTest>
#include <QTextBrowser>

namespace {
// The laptop screen the window must fit, and beside it the smallest desktop screens, set before
// the application starts.
const bool PantallaPortatil = [] {
    const QString ruta = QDir::tempPath() + "/xk_pantalla_1366x768.json";
    QFile f(ruta);
    if (f.open(QIODevice::WriteOnly))
        f.write(R"({"screens": [{"name": "Portatil", "x": 0, "y": 0, "width": 1366, "height": 768,)"
                R"( "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1},)"
                R"( {"name": "P1024", "x": 1366, "y": 0, "width": 1024, "height": 768, "logicalDpi": 96,)"
                R"( "logicalBaseDpi": 96, "dpr": 1},)"
                R"( {"name": "P1280", "x": 2390, "y": 0, "width": 1280, "height": 1024, "logicalDpi": 96,)"
                R"( "logicalBaseDpi": 96, "dpr": 1}]})");
    f.close();
    qputenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + ruta).toLocal8Bit());
    return true;
}();

class Fallos : public PruebaVentana {
protected:
    void SetUp() override {
        CreaBaseTrabajo();
        AnadeIndicativo(1, "EA1AAA");
        AnadeConcurso(5, "CEUTA CUNA DE LA LEGION", "2025", "MARZO");
        Ejecuta(
            "Update Concursos Set Banda3 = 1, Modo1 = 1, HoraUTC = 1, HoraLocal = 0 Where NumeroOrden = 5");
        EscribeControl("ConcursoActivo", 5);
    }
    void Reescribe(QLineEdit* caja, const QString& texto) {
        caja->setFocus();
        caja->selectAll();
        Pulsa(Qt::Key_Backspace);
        Escribe(texto);
    }
    CampoTexto* Estacion(int i) { return CajaEstacion(i); }
    CampoTexto* Caja(int i) { return CajaConcurso(i); }
    static QStringList Indicativos() {
        QStringList l;
        auto r =
            BaseDatos::Abre(NombreBaseDatos)->abreConjunto("Select * From Indicativos order by NumeroOrden");
        for (; !r.eof(); r.siguiente())
            l << r.texto("Indicativo") + "|" + r.texto("Operador");
        return l;
    }
};
} // namespace

// A box of the first callsign closing activates the window again: the edit must go on.
TEST_F(Fallos, LaActivacionNoCancelaElPrimerIndicativo) {
    Ejecuta("Delete From Indicativos");
    ASSERT_EQ(Carga(), FConcursos::Carga::Mostrada);
    Boton("NuevoIndicativo")->click();
    Escribe("EA2BBB");
    Pulsa(Qt::Key_F12);
    ASSERT_TRUE(avisos.textos().value(0).startsWith("ADVERTENCIA"));
    QEvent activa(QEvent::WindowActivate);
    QApplication::sendEvent(ventana.get(), &activa);
    QTest::qWait(20);
    for (int i = 2; i <= 5; ++i)
        Estacion(i)->setText("X");
    Pulsa(Qt::Key_F12);
    EXPECT_EQ(Indicativos(), QStringList{"EA2BBB|X"});
    EXPECT_TRUE(Boton("IniciarXkLumoCon")->isEnabled());
}

// Every size option: the window within a 1366x768 screen, its width the same with the UTC offset
// shown or hidden; the lists and drop-downs wide enough for their texts.
TEST_F(Fallos, LaVentanaCabeYNoCambiaDeAnchoEnCadaTamano) {
    for (int valor : ValoresTamaño) {
        SCOPED_TRACE(valor);
        EscribeControl("TantoPorCien", valor);
        NuevaVentana();
        Inicia();
        FConcursos& v = *ventana;
        ASSERT_FALSE(Control<QLabel>("LabelUTC")->isHidden());
        QTest::qWait(20);
        const int ancho = v.width();
        EXPECT_LE(v.frameGeometry().width(), 1366);
        EXPECT_LE(v.frameGeometry().height(), 768);
        Control<QRadioButton>("HoraLocal")->click();
        Control<QLabel>("LabelUTC")->hide();
        CajaConcurso(7)->hide();
        QTest::qWait(20);
        EXPECT_EQ(v.width(), ancho);
        Control<QLabel>("LabelUTC")->show();
        CajaConcurso(7)->show();
        QTest::qWait(20);
        EXPECT_EQ(v.width(), ancho);
        const QFontMetrics fm(Control<QListWidget>("ListaConcursos")->font());
        EXPECT_GE(Control<QListWidget>("ListaConcursos")->viewport()->width(),
                  fm.horizontalAdvance(Control<QListWidget>("ListaConcursos")->item(0)->text()));
        for (QComboBox* c : v.findChildren<QComboBox*>()) {
            QStyleOptionComboBox o;
            o.initFrom(c);
            const QRect campo =
                c->style()->subControlRect(QStyle::CC_ComboBox, &o, QStyle::SC_ComboBoxEditField, c);
            for (int i = 0; i < c->count() && c->isVisible(); ++i)
                EXPECT_GE(campo.width() - 2, c->fontMetrics().horizontalAdvance(c->itemText(i)));
        }
    }
}

// Every size option on 1366x768, 1280x1024 and 1024x768 (which scrolls): both windows centred within
// the free area, never smaller nor with smaller letters than at the normal size, no scroll bars.
TEST_F(Fallos, LasVentanasCabenEnLasPantallasPequenas) {
    std::pair<QSize, qreal> normal[2];
    const auto comprueba = [&](QWidget& w, const QScreen& pantalla, int valor) {
        const auto* cuerpo = Busca<QScrollArea>(&w, "CuerpoVentana");
        ASSERT_NE(cuerpo, nullptr);
        const QRect libre = pantalla.availableGeometry();
        // Placed again on its true frame once shown; the drop-downs widen once filled.
        EXPECT_TRUE(QTest::qWaitFor([&] {
            return (w.frameGeometry().center() - libre.center()).manhattanLength() <= 2 &&
                   (pantalla.size().width() < 1280 || !(cuerpo->horizontalScrollBar()->isVisible() ||
                                                        cuerpo->verticalScrollBar()->isVisible()));
        }));
        EXPECT_TRUE(libre.contains(w.frameGeometry()));
        const qreal letra = Busca<QWidget>(&w, "Cancelar")->font().pointSizeF();
        auto& n = normal[dynamic_cast<FLogConcurso*>(&w) != nullptr];
        if (valor == ValoresTamaño[0]) n = {w.size(), letra};
        EXPECT_GE(letra, std::max(8.0, n.second) - 1e-3);
        EXPECT_TRUE(w.width() >= n.first.width() && w.height() >= n.first.height());
    };
    for (QScreen* pantalla : QGuiApplication::screens()) {
        for (int valor : ValoresTamaño) {
            SCOPED_TRACE(pantalla->name().toStdString() + " " + std::to_string(valor));
            EscribeControl("TantoPorCien", valor);
            NuevaVentana();
            ventana->setScreen(pantalla);
            Inicia();
            comprueba(*ventana, *pantalla, valor);
            Pulsa(Qt::Key_F6);
            FLogConcurso* log = nullptr;
            for (QWidget* w : QApplication::topLevelWidgets())
                if (auto* l = dynamic_cast<FLogConcurso*>(w)) log = l;
            ASSERT_NE(log, nullptr);
            ASSERT_TRUE(QTest::qWaitForWindowExposed(log));
            comprueba(*log, *pantalla, valor);
            Busca<QPushButton>(log, "Volver")->click();
        }
    }
}

// Without a desktop viewer the guide shows in the program's own window; a missing one is named.
TEST_F(Fallos, LaAyudaSeVeSinVisorYSuFaltaSeDice) {
    sistema.abreOk = false;
    Inicia();
    Pulsa(Qt::Key_F1);
    EXPECT_TRUE(avisos.textos().contains(
        "No se encuentra el archivo de ayuda \"GuiaXkLumoCon.htm\" en la carpeta del programa."));
    EXPECT_EQ(ventana->findChild<VentanaAyuda*>(), nullptr);

    QFile guia("GuiaXkLumoCon.htm");
    ASSERT_TRUE(guia.open(QIODevice::WriteOnly));
    guia.write("<html><body><h1>Gu\xc3\xad"
               "a de XkLumoCon</h1></body></html>");
    guia.close();
    Boton("AltaReg")->setFocus();
    Pulsa(Qt::Key_F1);
    auto* ayuda = ventana->findChild<VentanaAyuda*>();
    ASSERT_NE(ayuda, nullptr);
    EXPECT_TRUE(ayuda->isVisible());
    QTextBrowser* texto = Busca<QTextBrowser>(ayuda, "TextoAyuda");
    ASSERT_NE(texto, nullptr);
    EXPECT_TRUE(texto->isReadOnly());
    EXPECT_TRUE(texto->toPlainText().contains(QString::fromUtf8("Guía de XkLumoCon")));
    QTest::keyClick(texto, Qt::Key_Escape);
    EXPECT_FALSE(ayuda->isVisible());
}

// Another program holding the write lock: the refusal is shown in Spanish and the typed callsign
// stays for another try, stored once the lock is gone.
TEST_F(Fallos, UnaBaseBloqueadaNoPierdeElIndicativo) {
    Inicia();
    Boton("NuevoIndicativo")->click();
    Escribe("EA3CCC");
    for (int i = 2; i <= 5; ++i)
        Estacion(i)->setText("Y");
    {
        auto otra = BaseDatos::Abre(NombreBaseDatos);
        BaseDatos::Transaccion bloqueo(*otra);
        Pulsa(Qt::Key_F12);
    }
    ASSERT_FALSE(avisos.cajas.empty());
    EXPECT_EQ(avisos.cajas.back().icono, Icono::Critico);
    EXPECT_TRUE(avisos.cajas.back().texto.startsWith("La base de datos está bloqueada por otro programa."));
    EXPECT_TRUE(avisos.cajas.back().texto.contains("XkLumoConcursos.Mdb"));
    EXPECT_EQ(Estacion(1)->text(), "EA3CCC");
    EXPECT_EQ(Indicativos().size(), 1);
    Pulsa(Qt::Key_F12);
    EXPECT_EQ(Indicativos().value(1), "EA3CCC|Y");
}

// Failures of the file at load are told in Spanish with the file and the engine's text, before the
// window shows.
TEST_F(Fallos, LosFallosDelMotorSeDicenEnEspanolAlCargar) {
    const struct {
        const char* sql;
        QByteArray contenido;
        const char* frase;
        const char* motor;
    } casos[] = {
        {"Drop Table FormatoEspecial", {}, "Falta una tabla en la base de datos.", "FormatoEspecial"},
        {nullptr, QByteArray(4096, 'x'), "El archivo no es una base de datos", "file is not a database"},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.frase);
        if (c.sql) Ejecuta(c.sql);
        if (!c.contenido.isEmpty()) {
            QFile::remove(NombreBaseDatos + "-wal");
            QFile::remove(NombreBaseDatos + "-shm");
            QFile f(NombreBaseDatos);
            ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
            f.write(c.contenido);
        }
        NuevaVentana();
        try {
            ventana->Form_Load("comando");
            ADD_FAILURE() << "loaded";
        } catch (const ErrorBD& e) {
            EXPECT_TRUE(e.mensaje().startsWith(c.frase)) << e.mensaje().toStdString();
            EXPECT_TRUE(e.mensaje().contains("XkLumoConcursos.Mdb"));
            EXPECT_TRUE(e.mensaje().contains(c.motor));
        }
        EXPECT_FALSE(ventana->isVisible());
    }
}

// Pasted control characters never reach a box: a line break is a blank, the rest goes.
TEST_F(Fallos, LosCaracteresDeControlNoEntranEnLasCajas) {
    Inicia();
    Pulsa(Qt::Key_F4);
    QLineEdit* email = Control<QLineEdit>("EMAIL");
    for (QLineEdit* caja : {static_cast<QLineEdit*>(Caja(1)), email}) {
        SCOPED_TRACE(caja->objectName().toStdString());
        caja->setFocus();
        caja->selectAll();
        QApplication::clipboard()->setText(QString::fromUtf8("ea1\r\nb\tc\x07\x1b"
                                                             "d\ne"));
        Pulsa(Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(caja->text().toUpper(), "EA1 BCD E");
    }
}

// The edition is a four-digit year and the serial a whole number from 0; the box gets the focus.
TEST_F(Fallos, EdicionYSerieSeRechazanComoNumeros) {
    Inicia();
    const struct {
        int caja;
        const char* valor;
        const char* mensaje;
    } casos[] = {
        {2, "-", " La EDICIÓN debe ser un año de cuatro cifras (por ejemplo 2024)."},
        {2, "1E5", " La EDICIÓN debe ser un año de cuatro cifras (por ejemplo 2024)."},
        {5, "-5", " El último número de serie enviado debe ser un número entero desde 0."},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.valor);
        Pulsa(Qt::Key_F4);
        Reescribe(Caja(c.caja), c.valor);
        avisos.limpia();
        Pulsa(Qt::Key_F12);
        EXPECT_TRUE(avisos.textos().contains(QString::fromUtf8(c.mensaje)))
            << avisos.textos().join("|").toStdString();
        EXPECT_TRUE(Caja(c.caja)->hasFocus());
        Pulsa(Qt::Key_Escape);
    }
    auto r = BaseDatos::Abre(NombreBaseDatos)->abreConjunto("Concursos");
    EXPECT_EQ(r.texto("Edicion"), "2025");
    EXPECT_EQ(r.entero("UltimoNumEnviado"), 0);
}

// Screen readers: each frame by its own caption, each drop-down by its label.
TEST_F(Fallos, MarcosYDesplegablesTienenSuNombre) {
    Inicia();
    for (QGroupBox* marco : Marco("PanelConcurso")->findChildren<QGroupBox*>()) {
        QString titulo = marco->title();
        titulo.remove('&');
        EXPECT_EQ(QAccessible::queryAccessibleInterface(marco)->text(QAccessible::Name), titulo.trimmed());
    }
    EXPECT_EQ(
        QAccessible::queryAccessibleInterface(Control<QComboBox>("CatConcurso"))->text(QAccessible::Name),
        "Formato");
    for (QComboBox* caja : ventana->findChildren<QComboBox*>()) {
        QAccessibleInterface* i = QAccessible::queryAccessibleInterface(caja);
        EXPECT_EQ(i->text(QAccessible::Name), caja->accessibleName()) << caja->objectName().toStdString();
        EXPECT_EQ(i->text(QAccessible::Value), caja->currentText());
    }
    // Each box is labelled by its label (its buddy) first; a drop-down by it alone, not by its frame.
    const std::pair<const char*, const char*> etiquetas[] = {{"CatConcurso", "Formato"},
                                                             {"Categoria", "Categoría"},
                                                             {"CatBanda", "Banda"},
                                                             {"CatPotencia", "Potencia"},
                                                             {"CatModo", "Modo"},
                                                             {"CatTime", "Time"},
                                                             {"ListaIndicativos", "Indicativos en uso"},
                                                             {"EMAIL", "Su dirección EMAIL"},
                                                             {"text2_2", "Operador"},
                                                             {"text3_2", "Edición"}};
    for (const auto& [nombre, etiqueta] : etiquetas) {
        QWidget* caja = Control<QWidget>(QString::fromUtf8(nombre));
        const auto relaciones = QAccessible::queryAccessibleInterface(caja)->relations(QAccessible::Label);
        ASSERT_FALSE(relaciones.isEmpty()) << nombre;
        EXPECT_EQ(relaciones[0].first->text(QAccessible::Name), QString::fromUtf8(etiqueta)) << nombre;
        if (qobject_cast<QComboBox*>(caja)) {
            EXPECT_EQ(relaciones.size(), 1) << nombre;
        }
    }
}
