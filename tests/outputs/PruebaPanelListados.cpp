// The Cabrillo choice and the screen list driven with keys, as the operator does.
#include "PanelListados.h"

#include <gtest/gtest.h>
#include <QCheckBox>
#include <QFontInfo>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>

namespace {
template <typename T> T* Busca(QWidget& w, const char* nombre) {
    return w.findChild<T*>(QString::fromLatin1(nombre));
}
} // namespace

TEST(PanelListados, EleccionConTeclas) {
    PanelTipoDeListas p;
    QSignalSpy aceptado(&p, &PanelTipoDeListas::aceptado);
    QSignalSpy cambio(&p, &PanelTipoDeListas::eleccionCambiada);
    p.Abre("NACIONAL DE V-UHF");
    p.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&p));
    auto* porBanda = Busca<QCheckBox>(p, "ListasPorBanda");
    auto* porOrden = Busca<QCheckBox>(p, "ListaPorOrden");
    ASSERT_TRUE(porBanda && porOrden && Busca<QRadioButton>(p, "OrdenLetras"));
    EXPECT_TRUE(porBanda->isChecked());
    EXPECT_TRUE(porOrden->isChecked());
    EXPECT_EQ(p.title(), "LISTADOS");
    EXPECT_EQ(Busca<QWidget>(p, "SSFrame1")->accessibleName(), "QSO ordenados por");
    EXPECT_EQ(porBanda->accessibleName(), "Listas por cada Banda");

    Busca<QRadioButton>(p, "OrdenQso")->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down); // arrows move within the group
    EXPECT_EQ(p.orden(), cabrillo::Orden::NumeralRecibido);
    porOrden->setFocus();
    QTest::keyClick(porOrden, Qt::Key_Space); // off: the other box goes on
    EXPECT_FALSE(porOrden->isChecked());
    EXPECT_TRUE(porBanda->isChecked());
    porBanda->setFocus();
    QTest::keyClick(porBanda, Qt::Key_Space);
    EXPECT_FALSE(porBanda->isChecked());
    EXPECT_TRUE(porOrden->isChecked());
    EXPECT_EQ(cambio.count(), 2);
    EXPECT_FALSE(p.porBanda());

    p.Abre("CQ WW");
    EXPECT_FALSE(porBanda->isChecked());
    auto* aceptar = Busca<QPushButton>(p, "AceptarListas");
    aceptar->setFocus();
    QTest::keyClick(aceptar, Qt::Key_Space);
    EXPECT_EQ(aceptado.count(), 1);
    EXPECT_FALSE(p.isVisible());
}

TEST(PanelListados, ListaEnPantalla) {
    PanelListaPantalla p;
    QSignalSpy aceptado(&p, &PanelListaPantalla::aceptado);
    p.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&p));
    p.Anade({"START-OF-LOG: 2.0", "END-OF-LOG:", "", "", ""});
    auto* lista = Busca<QListWidget>(p, "ListaPantalla");
    ASSERT_TRUE(lista);
    EXPECT_EQ(lista->count(), 5);
    EXPECT_EQ(lista->item(0)->text(), "START-OF-LOG: 2.0");
    EXPECT_TRUE(lista->font().fixedPitch()); // what the machine resolves it to depends on its fonts
    EXPECT_EQ(p.title(), "LISTADOS LOG CABRILLO");
    auto* aceptar = Busca<QPushButton>(p, "AceptarFicheroCabrillo");
    aceptar->setFocus();
    QTest::keyClick(aceptar, Qt::Key_Space);
    EXPECT_EQ(aceptado.count(), 1);
    p.Limpia();
    EXPECT_EQ(lista->count(), 0);
}
