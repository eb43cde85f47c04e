#include "Ventanas.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>

namespace {

// A window with controls placed by hand and others placed by layouts, one of them nested.
struct Ventana {
    QWidget w;
    QLabel* suelta;
    QGroupBox* marco;
    QLabel* enMarco;
    QLineEdit* campo;
    QPushButton* boton;
    QCheckBox* casilla;

    Ventana(int ancho, int alto) {
        w.setFont(QFont("Sans", 10));
        suelta = new QLabel("suelta", &w);
        suelta->setGeometry(20, 40, 100, 20);
        marco = new QGroupBox("Marco", &w);
        marco->setGeometry(10, 100, 200, 120);
        auto* capa = new QVBoxLayout(marco);
        enMarco = new QLabel("dentro", marco);
        campo = new QLineEdit(marco);
        boton = new QPushButton("Alta", marco);
        casilla = new QCheckBox("Sí", marco);
        for (QWidget* c : {static_cast<QWidget*>(enMarco), static_cast<QWidget*>(campo),
                           static_cast<QWidget*>(boton), static_cast<QWidget*>(casilla)})
            capa->addWidget(c);
        w.resize(ancho, alto);
    }
};

TEST(QuitaTabStop, NingunControlTomaTabPeroSiElFoco) {
    Ventana v(400, 300);
    QuitaTabStop(v.w);
    for (QWidget* c : v.w.findChildren<QWidget*>())
        EXPECT_FALSE(c->focusPolicy() & Qt::TabFocus) << c->metaObject()->className();
    EXPECT_EQ(v.campo->focusPolicy(), Qt::ClickFocus);
    EXPECT_EQ(v.suelta->focusPolicy(), Qt::NoFocus);

    v.w.show();
    v.w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&v.w));
    v.campo->setFocus();
    ASSERT_TRUE(QTest::qWaitFor([&] { return v.campo->hasFocus(); }));
    QTest::keyClick(v.campo, Qt::Key_Tab);
    EXPECT_TRUE(v.campo->hasFocus()); // nothing else takes Tab focus
}

TEST(AjustaPantalla, MitadDelEspacioLibreEnPantalla4x3) {
    Ventana v(400, 300);
    v.campo->setMinimumWidth(100);
    AjustaPantalla(v.w, 50, QRect(0, 0, 800, 600));
    EXPECT_EQ(v.w.size(), QSize(600, 450));
    EXPECT_EQ(v.campo->minimumWidth(), 150); // sizes given for the text grow with it
    // Placed by hand: position and size scale; fonts 1.5 times, nested ones not twice.
    EXPECT_EQ(v.suelta->geometry(), QRect(30, 60, 150, 30));
    EXPECT_EQ(v.marco->geometry(), QRect(15, 150, 300, 180));
    for (QWidget* c : v.w.findChildren<QWidget*>())
        EXPECT_DOUBLE_EQ(c->font().pointSizeF(), 15.0) << c->metaObject()->className();
}

TEST(AjustaPantalla, PorcentajesYFormasDePantalla) {
    const struct {
        int porcentaje;
        QRect pantalla;
        QSize diseno, esperado;
        double letra;
    } casos[] = {
        {100, QRect(0, 0, 800, 600), QSize(400, 300), QSize(800, 600), 20},
        {25, QRect(0, 0, 800, 600), QSize(400, 300), QSize(500, 375), 12.5},
        {1, QRect(0, 0, 800, 600), QSize(400, 300), QSize(404, 303), 10.1},
        // Wide screen: the width aims at three quarters of the screen.
        {100, QRect(0, 0, 1920, 1080), QSize(480, 270), QSize(1440, 1080), 30},
        {50, QRect(0, 0, 1920, 1080), QSize(480, 270), QSize(960, 675), 20},
        // Larger than the screen, or than three quarters of a wide one: within it, nothing shrinks.
        {100, QRect(0, 0, 800, 600), QSize(1600, 1200), QSize(800, 600), 10},
        {50, QRect(0, 0, 800, 600), QSize(1000, 300), QSize(800, 450), 10},
        {25, QRect(0, 0, 1600, 900), QSize(1400, 300), QSize(1400, 450), 10},
    };
    for (const auto& c : casos) {
        Ventana v(c.diseno.width(), c.diseno.height());
        AjustaPantalla(v.w, c.porcentaje, c.pantalla);
        EXPECT_EQ(v.w.size(), c.esperado) << c.porcentaje << " " << c.diseno.width();
        EXPECT_NEAR(v.boton->font().pointSizeF(), c.letra, 1e-3) << c.porcentaje << " " << c.diseno.width();
    }
}

// The room a screen leaves (frame and title bar taken off): a window whose controls need more than
// the size options give gets smaller letters, never unreadable ones; where even those do not fit,
// the window takes the whole room and scrolls.
TEST(AjustaPantalla, LasLetrasDejanCaberLosControles) {
    const struct {
        QSize diseno, minimo, sitio;
        int porcentaje;
        QSize tamano;
        float letra;
    } casos[] = {
        // 1280x1024: TOTAL grows the letters until the controls fill the width; at NORMAL a
        // design 10% too wide shrinks them by 10%.
        {QSize(1200, 650), QSize(1100, 600), QSize(1272, 984), 100, QSize(1272, 984), 1272.0f / 1100},
        {QSize(1400, 650), QSize(1400, 600), QSize(1272, 984), 1, QSize(1272, 653), 1272.0f / 1400},
        // 1280x720, TOTAL: three quarters of the width are narrower than the design, which stays.
        {QSize(1200, 650), QSize(1100, 600), QSize(1272, 680), 100, QSize(1200, 680), 1.0f},
        // 1024x768: readable letters, the rest scrolls.
        {QSize(1280, 650), QSize(1280, 600), QSize(1016, 728), 1, QSize(1016, 651), 8.0f / 9},
    };
    for (const auto& c : casos) {
        const Ajuste a = CalculaAjuste(c.diseno, c.minimo, 9, c.sitio, c.porcentaje);
        EXPECT_EQ(a.tamaño, c.tamano) << c.diseno.width() << " " << c.sitio.width();
        EXPECT_NEAR(a.letra, c.letra, 1e-3) << c.diseno.width() << " " << c.sitio.width();
    }
}

TEST(AjustaPantalla, LetraEnPixeles) {
    QWidget w;
    w.resize(400, 300);
    auto* l = new QLabel("x", &w);
    QFont f = l->font();
    f.setPixelSize(12);
    l->setFont(f);
    AjustaPantalla(w, 50, QRect(0, 0, 800, 600));
    EXPECT_EQ(l->font().pixelSize(), 18);
}

TEST(CentraFormulario, CentradoEnSuPantalla) {
    QWidget w;
    w.resize(400, 300);
    CentraFormulario(w, QRect(0, 0, 800, 600));
    EXPECT_EQ(w.pos(), QPoint(200, 150));
    // A second monitor to the right: centred on it, not on the first.
    CentraFormulario(w, QRect(1920, 0, 1280, 1024));
    EXPECT_EQ(w.pos(), QPoint(1920 + 440, 362));
    EXPECT_EQ(QApplication::overrideCursor(), nullptr); // hourglass gone
}

TEST(CentraFormulario, PantallaDeLaVentana) {
    QWidget w;
    w.resize(200, 100);
    CentraFormulario(w);
    const QRect p = SitioVentana(w);
    EXPECT_EQ(w.pos(), QPoint(p.x() + (p.width() - 200) / 2, p.y() + (p.height() - 100) / 2));
}

} // namespace
