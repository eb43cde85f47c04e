// F6 in the main window: the opening checks, the log window in its place and back with FIN.
#include "Ayudas.h"

#include "FLogConcurso.h"
#include "FrameMenu.h"
#include "TextosLog.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

namespace {
class IrContactos : public PruebaVentana {
protected:
    void SetUp() override {
        CreaBaseTrabajo();
        AnadeIndicativo(1, "EA1AAA");
        AnadeConcurso(5, "CNCW", "2025", "MARZO");
        Ejecuta(
            "UPDATE Concursos SET Banda4 = 1, Modo1 = 1, IndiceBanda = 4, IndiceModo = 1, EnviarZonaCq = 1, "
            "Siglas = '' WHERE NumeroOrden = 5");
        EscribeControl("ConcursoActivo", 5);
    }
    void F6() { QTest::keyClick(QApplication::focusWidget(), Qt::Key_F6); }
    // The log window while it exists.
    static FLogConcurso* VentanaLog() {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* log = dynamic_cast<FLogConcurso*>(w)) return log;
        return nullptr;
    }
};
} // namespace

TEST_F(IrContactos, UnaComprobacionFallidaDejaLaVentanaYLaBuenaAbreElLogHastaFin) {
    Inicia();
    FConcursos& v = *ventana;
    F6();
    ASSERT_EQ(avisos.cajas.size(), 1u);
    EXPECT_EQ(avisos.cajas[0].titulo, "VERIFICAR ZONA CQ");
    EXPECT_EQ(avisos.pitidos, 1);
    EXPECT_TRUE(v.isVisible());
    EXPECT_EQ(VentanaLog(), nullptr);

    Ejecuta("UPDATE Concursos SET Siglas = '14' WHERE NumeroOrden = 5");
    Control<QListWidget>("ListaConcursos")->setCurrentRow(-1);
    Control<QListWidget>("ListaConcursos")->setCurrentRow(0); // shows the contest again
    avisos.limpia();
    estado->OperacionEnCurso = "CONSULTA";
    F6();
    EXPECT_TRUE(avisos.cajas.empty());
    ASSERT_NE(VentanaLog(), nullptr);
    EXPECT_FALSE(v.isVisible());
    FLogConcurso& log = *VentanaLog();
    // Opened: the help line no longer shows the loading text.
    ASSERT_TRUE(QTest::qWaitFor([&] { return log.findChild<QLabel*>("LabelEnter")->text() != TextoCarga; }));
    EXPECT_EQ(log.windowTitle(), "CNCW");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
    log.findChild<QPushButton*>("Volver")->click();
    EXPECT_TRUE(v.isVisible());
    EXPECT_TRUE(estado->OperacionEnCurso.isEmpty());
    EXPECT_TRUE(Boton("IrContactos")->isEnabled());
    EXPECT_TRUE(QTest::qWaitFor([&] { return VentanaLog() == nullptr; }));
}
