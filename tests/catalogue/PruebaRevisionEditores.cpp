// The callsign and contest editors in situations the everyday paths do not reach: boxes reached
// with the mouse, keys in boxes that must never take them.
#include "Ayudas.h"

#include "CampoTexto.h"
#include "Esquema.h"
#include "PanelConcurso.h"

#include <QApplication>
#include <QCheckBox>
#include <QTest>

namespace {
int Cuenta(const QString& tabla, int numero) {
    return BaseDatos::Abre(NombreBaseDatos)
        ->abreConjunto("Select * From " + tabla + " Where NumeroOrden = " + QString::number(numero))
        .cuenta();
}

QString NombreEnResumen(int numero) {
    return BaseDatos::Abre(NombreBaseDatos)
        ->abreConjunto("Select NombreConcurso From ResumenCabrillo Where NumeroOrden = " +
                       QString::number(numero))
        .texto("NombreConcurso");
}

class RevisionEditores : public PruebaVentana {
protected:
    void SetUp() override {
        CreaBaseTrabajo();
        AnadeIndicativo(1, "EA1AAA");
        AnadeConcurso(5, "CNCW", "2025", "MARZO");
        Ejecuta("Update Concursos Set Banda1 = 1, Modo1 = 1");
        EscribeControl("UltimoConcurso", 41);
        EscribeControl("ConcursoActivo", 5);
    }
    QGroupBox& P() { return *Marco("PanelConcurso"); }
    CampoTexto* Caja(int i) { return CajaConcurso(i); }
};
} // namespace

// The number is the contest's key: a click on its box gives it no focus, so no key can give a new
// contest the number of another one, nor move a changed contest's summary to another number.
TEST_F(RevisionEditores, ElNumeroDelConcursoNoAdmiteTeclasNiConElRaton) {
    Inicia();
    Pulsa(Qt::Key_F2);
    Escribe("NUEVO");
    Banda(1)->click();
    Modo(1)->click();
    QTest::mouseClick(Caja(0), Qt::LeftButton);
    EXPECT_NE(QApplication::focusWidget(), Caja(0));
    EXPECT_EQ(Caja(0)->text(), "42");
    Pulsa(Qt::Key_F12);
    EXPECT_EQ(Cuenta("Concursos", 5), 1);
    EXPECT_EQ(Cuenta("Concursos", 42), 1);
    EXPECT_EQ(LeeControl("UltimoConcurso"), 42);

    Pulsa(Qt::Key_F4);
    QTest::mouseClick(Caja(0), Qt::LeftButton);
    EXPECT_NE(QApplication::focusWidget(), Caja(0));
    EXPECT_EQ(Caja(0)->text(), "42");
    Pulsa(Qt::Key_F12);
    EXPECT_EQ(Cuenta("ResumenCabrillo", 42), 1);
    EXPECT_EQ(NombreEnResumen(5), "CNCW");
    EXPECT_EQ(NombreEnResumen(42), "NUEVO");
}

// Serials run past 9999 in the big contests: a change must store the last one sent whole.
TEST_F(RevisionEditores, UnaSerieDeCincoCifrasSeGuardaEntera) {
    Ejecuta("Update Concursos Set NombreConcurso = 'SERIE LARGA', UltimoNumEnviado = 12345");
    Inicia();
    EXPECT_EQ(Caja(5)->text(), "12345");
    Pulsa(Qt::Key_F4);
    EXPECT_EQ(Caja(5)->text(), "12345");
    Pulsa(Qt::Key_F12);
    EXPECT_TRUE(avisos.cajas.empty()) << avisos.textos().join('|').toStdString();
    EXPECT_EQ(BaseDatos::Abre(NombreBaseDatos)
                  ->abreConjunto("Select UltimoNumEnviado From Concursos Where NumeroOrden = 5")
                  .entero("UltimoNumEnviado"),
              12345);
}
