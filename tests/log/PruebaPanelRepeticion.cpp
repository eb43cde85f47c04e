// The panel "Estación repetida" shows what the look-up found.
#include "PanelRepeticion.h"

#include "Repeticion.h"

#include <gtest/gtest.h>
#include <QFontInfo>
#include <QLineEdit>
#include <QListWidget>

namespace {

QColor Fondo(const PanelRepeticion& p, const char* nombre) {
    return p.findChild<QLineEdit*>(nombre)->palette().color(QPalette::Base);
}

TEST(PanelRepeticion, ColoresYLineas) {
    QWidget ventana;
    auto* panel = new PanelRepeticion(&ventana);
    ventana.show();
    EXPECT_FALSE(panel->isVisible());

    ResultadoRepeticion r;
    r.encontrado = true;
    r.lineas = {"12-03-2005 10:30 14 SSB", "12-03-2005 11:00 14 CW"};
    r.campos[static_cast<size_t>(Columna::Banda)] = "14";
    r.campos[static_cast<size_t>(Columna::Modo)] = "CW";
    r.campos[static_cast<size_t>(Columna::Indicativo)] = "EA1ABC";
    r.bandaIgual = true;
    panel->muestra(r);

    EXPECT_TRUE(panel->isVisible());
    EXPECT_EQ(panel->title(), "Estación repetida");
    auto* lista = panel->findChild<QListWidget*>("ListaRepeticion");
    ASSERT_TRUE(lista);
    EXPECT_TRUE(lista->isVisible());
    ASSERT_EQ(lista->count(), 2);
    EXPECT_EQ(lista->item(0)->text(), "12-03-2005 10:30 14 SSB");
    EXPECT_TRUE(lista->font().fixedPitch()); // what the machine resolves it to depends on its fonts
    EXPECT_EQ(Fondo(*panel, "BandaRep"), QColor(255, 0, 0));
    EXPECT_EQ(Fondo(*panel, "ModoRep"), QColor(0, 255, 255));
    EXPECT_EQ(panel->findChild<QLineEdit*>("IndicativoRep")->text(), "EA1ABC");
    EXPECT_EQ(panel->findChild<QLineEdit*>("BandaRep")->accessibleName(), "MHz.");

    r.bandaIgual = false;
    r.modoIgual = true;
    r.lineas = {"12-03-2005 11:00 14 CW"};
    panel->muestra(r);
    EXPECT_EQ(Fondo(*panel, "BandaRep"), QColor(0, 255, 255));
    EXPECT_EQ(Fondo(*panel, "ModoRep"), QColor(255, 0, 0));
    EXPECT_EQ(lista->count(), 1);

    panel->oculta();
    EXPECT_FALSE(panel->isVisible());
    EXPECT_FALSE(lista->isVisible());
}

} // namespace
