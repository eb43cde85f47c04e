// Start of work: the callsign, month and contest lists, and the active contest in and out of them.
#include "Ayudas.h"

#include "CampoTexto.h"
#include "PanelConcurso.h"
#include "PanelEstaciones.h"

#include <QComboBox>
#include <QListWidget>
#include <QTest>

namespace {
const QString TextoSinIndicativo = "No hay ningún INDICATIVO configurado. Inicialmente es necesario dar de "
                                   "ALTA el primer indicativo";
const QString TextoSinMes = "No hay Concursos CONFIGURADOS para esta opción";
const QString TextoMesVacio =
    "No hay Concursos CONFIGURADOS para este MES. Seleccione 'Sin Mes' en SELECCIÓN de Mes para obtener "
    "un lista de concursos disponibles o configure un concurso para este mes";

// Three callsigns; contests in March, April and without month (null and empty).
class Inicio : public PruebaVentana {
protected:
    void SetUp() override {
        CreaBaseTrabajo();
        AnadeIndicativo(1, "EA1AAA");
        AnadeIndicativo(4, "EA4BBB");
        AnadeIndicativo(7, "EA7CCC");
        AnadeConcurso(11, "ZULU", "2024", "MARZO");
        AnadeConcurso(12, "ALFA", "2025", "MARZO");
        AnadeConcurso(13, "ALFA", "2024", "MARZO");
        AnadeConcurso(21, "O'HIGGINS", "2024", "ABRIL");
        AnadeConcurso(22, "CASTILLA", "2024", "ABRIL");
        AnadeConcurso(31, "SIN FECHA", "2023", QVariant());
        AnadeConcurso(32, "NACIONAL", "2024", "");
    }
    QString Seleccionado() const {
        auto* item = Control<QListWidget>("ListaConcursos")->currentItem();
        return item ? item->text() : QString();
    }
};
} // namespace

TEST_F(Inicio, ConElConcursoActivoEnSuMes) {
    EscribeControl("ConcursoActivo", 12);
    EscribeControl("IndicativoActivo", 4);
    Inicia();
    EXPECT_TRUE(avisos.cajas.empty()) << avisos.textos().join('|').toStdString();

    QComboBox* indicativos = Control<QComboBox>("ListaIndicativos");
    ASSERT_EQ(indicativos->count(), 3);
    EXPECT_EQ(indicativos->currentText(), "EA4BBB");
    EXPECT_EQ(CajaEstacion(1)->text(), "EA4BBB");
    EXPECT_EQ(CajaEstacion(2)->text(), "OPERADOR EA4BBB");

    EXPECT_EQ(Control<QListWidget>("ListaMeses")->count(), 13);
    EXPECT_EQ(Control<QListWidget>("ListaMeses")->item(0)->text(), "Sin Mes");
    EXPECT_EQ(Control<QListWidget>("ListaMeses")->item(12)->text(), "DICIEMBRE");
    EXPECT_EQ(Control<QListWidget>("ListaMeses")->currentItem()->text(), "MARZO");
    EXPECT_EQ(Textos(Control<QListWidget>("ListaConcursos")),
              (QStringList{"ALFA - 2024", "ALFA - 2025", "ZULU - 2024"}));
    EXPECT_EQ(Seleccionado(), "ALFA - 2025");
    EXPECT_EQ(CajaConcurso(0)->text(), "12");
    EXPECT_EQ(CajaConcurso(1)->text(), "ALFA");
    EXPECT_EQ(CajaConcurso(9)->text(), "MARZO");

    for (QPushButton* b : {Boton("AltaReg"), Boton("NuevaEdicion"), Boton("ModificarReg"), Boton("BorrarReg"),
                           Boton("IrContactos"), Boton("FinClientes"), Boton("Ayuda")})
        EXPECT_TRUE(b->isEnabled()) << b->objectName().toStdString();
    for (QPushButton* b : {Boton("Aceptar"), Boton("Cancelar"), Boton("IniciarXkLumoCon")})
        EXPECT_FALSE(b->isEnabled()) << b->objectName().toStdString();
    EXPECT_TRUE(Marco("SeleccionMes")->isEnabled());
    EXPECT_TRUE(Marco("SeleccionConcurso")->isEnabled());
    EXPECT_FALSE(Marco("PanelConcurso")->isEnabled());
    EXPECT_TRUE(Boton("AltaReg")->hasFocus());
    EXPECT_FALSE(estado->ArranquePendiente);

    EXPECT_EQ(LeeControl("ConcursoActivo"), 12);
    EXPECT_EQ(LeeControl("IndicativoActivo"), 4);
}

TEST_F(Inicio, SinIndicativoNoEmpiezaYSePuedeReintentar) {
    Ejecuta("Delete From Indicativos");
    Inicia();
    ASSERT_EQ(avisos.cajas.size(), 1u);
    EXPECT_EQ(avisos.cajas[0].texto, TextoSinIndicativo);
    EXPECT_EQ(avisos.cajas[0].titulo, "CONFIGURE ALGÚN INDICATIVO");
    EXPECT_EQ(avisos.cajas[0].icono, Icono::Informacion);
    EXPECT_TRUE(Boton("IniciarXkLumoCon")->isEnabled());
    EXPECT_FALSE(Boton("AltaReg")->isEnabled());
    EXPECT_EQ(Control<QListWidget>("ListaMeses")->count(), 0);
    EXPECT_TRUE(estado->ArranquePendiente);

    // An active callsign that no longer exists: the first one is taken and becomes active.
    AnadeIndicativo(9, "EA9ZZZ");
    AnadeIndicativo(8, "EA8YYY");
    EscribeControl("IndicativoActivo", 99);
    avisos.limpia();
    Boton("IniciarXkLumoCon")->click();
    EXPECT_TRUE(avisos.cajas.empty());
    EXPECT_EQ(Control<QComboBox>("ListaIndicativos")->currentText(), "EA9ZZZ");
    EXPECT_FALSE(Boton("IniciarXkLumoCon")->isEnabled());
    EXPECT_EQ(LeeControl("IndicativoActivo"), 9);
}

TEST_F(Inicio, ConcursoActivoSinMesSeleccionaSinMes) {
    EscribeControl("ConcursoActivo", 32);
    Inicia();
    EXPECT_EQ(Control<QListWidget>("ListaMeses")->currentRow(), 0);
    // Null and empty month both mean no month.
    EXPECT_EQ(Textos(Control<QListWidget>("ListaConcursos")),
              (QStringList{"NACIONAL - 2024", "SIN FECHA - 2023"}));
    EXPECT_EQ(Seleccionado(), "NACIONAL - 2024");
    EXPECT_EQ(LeeControl("ConcursoActivo"), 32);
    EXPECT_TRUE(avisos.cajas.empty());
}

TEST_F(Inicio, ConcursoActivoQueYaNoExisteTomaElPrimeroSinMes) {
    EscribeControl("ConcursoActivo", 77);
    Inicia();
    EXPECT_EQ(Control<QListWidget>("ListaMeses")->currentRow(), 0);
    EXPECT_EQ(Seleccionado(), "NACIONAL - 2024");
    EXPECT_EQ(LeeControl("ConcursoActivo"), 32);
}

TEST_F(Inicio, ConcursoActivoQueNoExisteYNingunoSinMes) {
    Ejecuta("Delete From Concursos Where NumeroOrden > 30");
    EscribeControl("ConcursoActivo", 77);
    Inicia();
    ASSERT_EQ(avisos.cajas.size(), 1u);
    EXPECT_EQ(avisos.cajas[0].texto, TextoSinMes);
    EXPECT_EQ(avisos.cajas[0].titulo, "DEFINA ALGUN CONCURSO");
    EXPECT_EQ(avisos.cajas[0].icono, Icono::Informacion);
    EXPECT_EQ(Control<QListWidget>("ListaConcursos")->count(), 0);
    EXPECT_FALSE(Marco("SeleccionConcurso")->isEnabled());
    // The work has started anyway; only a new contest and the end are offered.
    EXPECT_FALSE(Boton("IniciarXkLumoCon")->isEnabled());
    EXPECT_TRUE(Boton("AltaReg")->isEnabled());
    EXPECT_TRUE(Boton("FinClientes")->isEnabled());
}

TEST_F(Inicio, ElegirMes) {
    EscribeControl("ConcursoActivo", 12);
    Inicia();
    ASSERT_EQ(Seleccionado(), "ALFA - 2025");

    // A month without contests: message, empty list, the active contest is kept.
    Control<QListWidget>("ListaMeses")->setCurrentRow(5); // MAYO
    ASSERT_EQ(avisos.cajas.size(), 1u);
    EXPECT_EQ(avisos.cajas[0].texto, TextoMesVacio);
    EXPECT_EQ(avisos.cajas[0].titulo, "DEFINA ALGUN CONCURSO");
    EXPECT_EQ(Control<QListWidget>("ListaConcursos")->count(), 0);
    EXPECT_EQ(CajaConcurso(1)->text(), "");
    EXPECT_EQ(LeeControl("ConcursoActivo"), 12);

    // Back to the month of the active contest: it is selected, not the first.
    Control<QListWidget>("ListaMeses")->setCurrentRow(3);
    EXPECT_EQ(Seleccionado(), "ALFA - 2025");

    // Another month: its first contest (name order, the apostrophe included) becomes active.
    Control<QListWidget>("ListaMeses")->setFocus();
    QTest::keyClick(Control<QListWidget>("ListaMeses"), Qt::Key_Down); // ABRIL
    EXPECT_EQ(Control<QListWidget>("ListaMeses")->currentItem()->text(), "ABRIL");
    EXPECT_EQ(Textos(Control<QListWidget>("ListaConcursos")),
              (QStringList{"CASTILLA - 2024", "O'HIGGINS - 2024"}));
    EXPECT_EQ(Seleccionado(), "CASTILLA - 2024");
    EXPECT_EQ(LeeControl("ConcursoActivo"), 22);

    Control<QListWidget>("ListaConcursos")->setCurrentRow(1);
    EXPECT_EQ(CajaConcurso(1)->text(), "O'HIGGINS");
    EXPECT_EQ(LeeControl("ConcursoActivo"), 21);
    EXPECT_EQ(avisos.cajas.size(), 1u);
}

TEST_F(Inicio, SinConcursosEmpiezaConListasVacias) {
    Ejecuta("Delete From Concursos");
    Inicia();
    ASSERT_EQ(avisos.cajas.size(), 1u);
    EXPECT_EQ(avisos.cajas[0].texto, "No hay Concursos Definidos");
    EXPECT_EQ(avisos.cajas[0].titulo, "DEFINA ALGUN CONCURSO");
    EXPECT_EQ(avisos.cajas[0].icono, Icono::Informacion);
    EXPECT_EQ(Control<QListWidget>("ListaMeses")->count(), 13);
    EXPECT_EQ(Control<QListWidget>("ListaConcursos")->count(), 0);
    EXPECT_FALSE(estado->ArranquePendiente);
    EXPECT_FALSE(Boton("IniciarXkLumoCon")->isEnabled());
    EXPECT_TRUE(Boton("AltaReg")->isEnabled());
    EXPECT_FALSE(Boton("ModificarReg")->isEnabled());
    EXPECT_TRUE(Boton("FinClientes")->isEnabled());
}
