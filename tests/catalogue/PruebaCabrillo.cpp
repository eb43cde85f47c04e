// The Cabrillo panel of the contest editor driven through the main window: summaries shown,
// made when missing, switched between versions and stored with their contest.
#include "AyudasCabrillo.h"

#include "EditorConcursos.h"
#include "Esquema.h"

namespace {
const QStringList CamposResumen{
    "NombreConcurso", "Edicion",  "FormatoCabrillo", "Categoria", "Banda", "Potencia", "Modo",
    "Overlay",        "Asistido", "Estacion",        "Tx",        "Time",  "Email",    "Operators"};
const QStringList Cajas20{"Categoria", "CatBanda", "CatPotencia", "CatModo", "CatOverlay"};

class Cabrillo : public PruebaCabrillo {
protected:
    void SetUp() override {
        CreaBaseTrabajo();
        AnadeIndicativo(1, "EA1AAA");
        AnadeConcurso(5, "PRIMERO", "2025", "MARZO");
        AnadeConcurso(6, "SEGUNDO", "2025", "MARZO");
        AnadeConcurso(7, "TERCERO", "2025", "MARZO");
        // Every stored contest allows some band and some mode.
        Ejecuta("Update Concursos Set Banda1 = 1, Modo1 = 1");
        EscribeControl("UltimoConcurso", 41);
        EscribeControl("ConcursoActivo", 6);
    }
};
} // namespace

TEST_F(Cabrillo, ElResumenQueFaltaSeCreaYLosGuardadosNoCambianAlMostrarlos) {
    AnadeResumen(6, "CABRILLO 2.0",
                 "Email = 'o''neil@correo.es', Operators = 'ea1aaa,EA1BBB', Potencia = 'low', "
                 "Categoria = 'MULTI-ONE', Modo = 'CW'");
    AnadeResumen(5, QString(), "Potencia = 'QRP'");
    const QString guardado6 = Resumen(6, CamposResumen);
    Inicia();
    // A stored value in another case is not in the list: the first entry stands for it.
    EXPECT_EQ(Valores(), "CABRILLO 2.0|MULTI-ONE|No Aplicable|No Aplicable|CW|No Aplicable||||");
    EXPECT_EQ(Visibles(), Cajas20);
    EXPECT_EQ(Entradas(Control<QComboBox>("CatConcurso")), (QStringList{"CABRILLO 2.0", "CABRILLO 3.0"}));
    EXPECT_EQ(Control<QLineEdit>("EMAIL")->text(), "o'neil@correo.es");
    EXPECT_EQ(Control<QLineEdit>("Operadores")->text(), "ea1aaa,EA1BBB");
    EXPECT_TRUE(Control<QListWidget>("ListaCategoriasCabrillo")->isHidden());
    EXPECT_EQ(Resumen(6, CamposResumen), guardado6);
    // The start of work showed the first contest of the month too: a summary without a format
    // is shown with the defaults and left as it is.
    EXPECT_EQ(Resumen(5, {"FormatoCabrillo", "Potencia"}), "<nulo>|QRP");
    EXPECT_EQ(CuentaResumenes(5), 1);

    // The first showing makes the defaults, with the address and operators on screen.
    EXPECT_EQ(CuentaResumenes(7), 0);
    EligeConcurso("TERCERO - 2025");
    EXPECT_EQ(Resumen(7, {"NombreConcurso", "Edicion", "FormatoCabrillo", "Categoria", "Banda", "Potencia",
                          "Modo", "Overlay", "Email", "Operators"}),
              "TERCERO|2025|CABRILLO 2.0|SINGLE-OP|ALL|LOW|SSB|No Aplicable|o'neil@correo.es|ea1aaa,EA1BBB");
    EXPECT_EQ(Valores(), "CABRILLO 2.0|SINGLE-OP|ALL|LOW|SSB|No Aplicable||||");
    EligeConcurso("PRIMERO - 2025");
    EXPECT_EQ(Valores(), "CABRILLO 2.0|SINGLE-OP|ALL|LOW|SSB|No Aplicable||||");
    EligeConcurso("TERCERO - 2025");
    EXPECT_EQ(CuentaResumenes(7), 1);
    EXPECT_TRUE(avisos.cajas.empty());
}

TEST_F(Cabrillo, AlEmpezarElConcursoActivoMuestraSuResumen) {
    // The active contest is the first of its month: the start of work shows it only once.
    AnadeResumen(5, "CABRILLO 3.0", "Potencia = 'QRP', Email = 'cinco@correo.es'");
    EscribeControl("ConcursoActivo", 5);
    Inicia();
    EXPECT_EQ(Control<QComboBox>("CatConcurso")->currentText(), "CABRILLO 3.0");
    EXPECT_EQ(Control<QComboBox>("CatPotencia")->currentText(), "QRP");
    EXPECT_EQ(Control<QLineEdit>("EMAIL")->text(), "cinco@correo.es");
}

TEST_F(Cabrillo, Version30ConValoresVaciosNulosYAusentesDeLaLista) {
    AnadeResumen(
        5, "CABRILLO 3.0",
        "Categoria = 'SINGLE-OP EXPERT', Banda = '6M', Potencia = 'low', Modo = 'CW', "
        "Overlay = 'NOVICE-TECH', Asistido = Null, Estacion = '', Tx = '', Time = Null, Email = Null, "
        "Operators = 'EA1AAA'");
    AnadeResumen(
        6, "CABRILLO 3.0",
        "Categoria = '', Banda = '1.2G', Potencia = 'QRP', Modo = 'RTTY', Overlay = '', "
        "Asistido = 'ASSISTED', Estacion = 'ROVER', Tx = 'TWO', Time = '24-HOURS', Email = 'a@b.es'");
    const QString guardado5 = Resumen(5, CamposResumen);
    Inicia();
    EXPECT_EQ(Valores(), "CABRILLO 3.0|SINGLE-OP|1.2G|QRP|RTTY|No Aplicable|ASSISTED|ROVER|TWO|24-HOURS");
    EXPECT_EQ(Visibles().size(), 9);
    EXPECT_EQ(Control<QLineEdit>("EMAIL")->text(), "a@b.es");

    // An empty station type reads as FIXED; empty or null others as "No Aplicable"; a category
    // of version 2.0 only is not offered in 3.0.
    EligeConcurso("PRIMERO - 2025");
    EXPECT_EQ(Valores(),
              "CABRILLO 3.0|No Aplicable|6M|No Aplicable|CW|NOVICE-TECH|No Aplicable|FIXED|No Aplicable|"
              "No Aplicable");
    EXPECT_EQ(Control<QLineEdit>("EMAIL")->text(), "");
    EXPECT_EQ(Control<QLineEdit>("Operadores")->text(), "EA1AAA");
    EXPECT_EQ(Resumen(5, CamposResumen), guardado5);
}

TEST_F(Cabrillo, CambiarDeVersionDevuelveLosValoresPorDefectoYSeGuardaConElConcurso) {
    AnadeResumen(6, "CABRILLO 3.0", "Potencia = 'HIGH', Tx = 'SWL', Email = 'previo@correo.es'");
    Inicia();
    Pulsa(Qt::Key_F2);
    EXPECT_EQ(Valores(),
              "CABRILLO 2.0|SINGLE-OP|ALL|LOW|SSB|No Aplicable|No Aplicable|FIXED|SWL|No Aplicable");
    EXPECT_EQ(Visibles(), Cajas20);
    EXPECT_EQ(Control<QLineEdit>("EMAIL")->text(), "previo@correo.es");
    Escribe("NUEVO");
    Banda(1)->click();
    Modo(1)->click();

    Control<QComboBox>("CatConcurso")->setFocus();
    Pulsa(Qt::Key_Down);
    EXPECT_EQ(Valores(),
              "CABRILLO 3.0|SINGLE-OP|ALL|LOW|SSB|No Aplicable|No Aplicable|No Aplicable|No Aplicable|"
              "No Aplicable");
    EXPECT_EQ(Visibles().size(), 9);
    Control<QComboBox>("CatPotencia")->setFocus();
    Pulsa(Qt::Key_Down);
    EXPECT_EQ(Control<QComboBox>("CatPotencia")->currentText(), "QRP");
    Control<QComboBox>("CatConcurso")->setFocus();
    Pulsa(Qt::Key_Up);
    EXPECT_EQ(Control<QComboBox>("CatPotencia")->currentText(), "LOW");
    EXPECT_EQ(Entradas(Control<QComboBox>("CatModo")),
              (QStringList{"No Aplicable", "CW", "SSB", "RTTY", "MIXED"}));
    EXPECT_EQ(Visibles(), Cajas20);
    Pulsa(Qt::Key_Down);
    EXPECT_EQ(Control<QComboBox>("CatPotencia")->currentText(), "LOW");
    Control<QComboBox>("CatTx")->setFocus();
    Pulsa(Qt::Key_Down);
    // Typed as it is: no capitals, no check.
    Control<QLineEdit>("EMAIL")->setFocus();
    Control<QLineEdit>("EMAIL")->clear();
    Escribe("Yo@Correo.es");
    Control<QLineEdit>("Operadores")->setFocus();
    Escribe("ea1aaa, eb2bbb");
    EXPECT_EQ(Control<QLineEdit>("EMAIL")->text(), "Yo@Correo.es");

    Pulsa(Qt::Key_F12);
    EXPECT_EQ(avisos.textos(), QStringList{"Alta de Concurso efectuada"});
    EXPECT_EQ(Resumen(42, CamposResumen),
              "NUEVO|2026|CABRILLO 3.0|SINGLE-OP|ALL|LOW|SSB|No Aplicable|No "
              "Aplicable|No Aplicable|ONE|No Aplicable|Yo@Correo.es|ea1aaa, eb2bbb");
    EXPECT_TRUE(Especiales(42).isEmpty());

    // A renamed contest's summary carries the new name and edition.
    Pulsa(Qt::Key_F4);
    Caja(1)->selectAll();
    Escribe("RENOMBRADO");
    Pulsa(Qt::Key_F12);
    EXPECT_EQ(Resumen(42, {"NombreConcurso", "Edicion", "FormatoCabrillo", "Tx"}),
              "RENOMBRADO|2026|CABRILLO 3.0|ONE");
    EXPECT_EQ(CuentaResumenes(42), 1);
}

namespace {
// Contest 5 is special: three categories stored out of alphabetical order, and a category that
// matches none of their codes. Contest 6, shown first, has another address.
class CabrilloEspecial : public Cabrillo {
protected:
    void SetUp() override {
        Cabrillo::SetUp();
        AnadeResumen(6, "CABRILLO 2.0", "Email = 'otro@correo.es'");
        AnadeResumen(5, "ESPECIAL",
                     "Categoria = 'NINGUNA', Email = 'propio@correo.es', Operators = 'EA1AAA'");
        AnadeEspecial(5, "ZETA", "Z");
        AnadeEspecial(5, "ALFA O'NEIL", "A");
        AnadeEspecial(5, "MEDIO", "M");
    }
};
const QStringList EspecialesGuardadas{"ZETA=Z", "ALFA O'NEIL=A", "MEDIO=M"};
} // namespace

TEST_F(CabrilloEspecial, SinCodigoQueCoincidaNadaElegidoYSeReescribeEnElOrdenDeLaLista) {
    Inicia();
    EligeConcurso("PRIMERO - 2025");
    EXPECT_EQ(Entradas(Control<QComboBox>("CatConcurso")), QStringList{"ESPECIAL"});
    EXPECT_EQ(Visibles(), QStringList{"Categoria"});
    EXPECT_FALSE(Control<QListWidget>("ListaCategoriasCabrillo")->isHidden());
    EXPECT_TRUE(Control<QListWidget>("ListaCategorias")->isHidden());
    EXPECT_EQ(Entradas(Control<QListWidget>("ListaCategoriasCabrillo")),
              (QStringList{"ZETA", "ALFA O'NEIL", "MEDIO"}));
    EXPECT_EQ(Entradas(Control<QListWidget>("ListaCategorias")), (QStringList{"Z", "A", "M"}));
    EXPECT_EQ(Control<QListWidget>("ListaCategoriasCabrillo")->currentRow(), -1);
    EXPECT_EQ(Control<QComboBox>("Categoria")->currentText(), "");
    // Its own address, not the one of the contest shown before.
    EXPECT_EQ(Control<QLineEdit>("EMAIL")->text(), "propio@correo.es");

    Pulsa(Qt::Key_F4);
    Pulsa(Qt::Key_F12);
    EXPECT_EQ(Resumen(5, {"FormatoCabrillo", "Categoria", "Email"}), "ESPECIAL||propio@correo.es");
    EXPECT_EQ(Especiales(5), EspecialesGuardadas);

    // A category picked with the mouse is stored; the rows are written again, as many as listed.
    Pulsa(Qt::Key_F4);
    QListWidget* lista = Control<QListWidget>("ListaCategoriasCabrillo");
    QTest::mouseClick(lista->viewport(), Qt::LeftButton, {}, lista->visualItemRect(lista->item(2)).center());
    EXPECT_EQ(Entradas(Control<QComboBox>("Categoria")), QStringList{"M"});
    Pulsa(Qt::Key_F12);
    EXPECT_EQ(Resumen(5, {"FormatoCabrillo", "Categoria"}), "ESPECIAL|M");
    EXPECT_EQ(Especiales(5), EspecialesGuardadas);
    EXPECT_EQ(Control<QListWidget>("ListaCategoriasCabrillo")->currentRow(), 2);
    EXPECT_EQ(Especiales(6), QStringList{});
}

TEST_F(CabrilloEspecial, LaNuevaEdicionLlevaLasMismasCategoriasConSuNumero) {
    Ejecuta("Update ResumenCabrillo Set Categoria = 'A' Where NumeroOrden = 5");
    EscribeControl("ConcursoActivo", 5);
    Inicia();
    EXPECT_EQ(Control<QListWidget>("ListaCategoriasCabrillo")->currentRow(), 1);
    EXPECT_EQ(Control<QComboBox>("Categoria")->currentText(), "A");
    Pulsa(Qt::Key_F3);
    Escribe("2026");
    Pulsa(Qt::Key_F12);
    EXPECT_EQ(avisos.textos(), QStringList{"Alta de Concurso efectuada"});
    EXPECT_EQ(
        Resumen(42, {"NombreConcurso", "Edicion", "FormatoCabrillo", "Categoria", "Email", "Operators"}),
        "PRIMERO|2026|ESPECIAL|A|propio@correo.es|EA1AAA");
    EXPECT_EQ(Especiales(42), EspecialesGuardadas);
    EXPECT_EQ(Especiales(5), EspecialesGuardadas);
    EXPECT_EQ(CuentaResumenes(5), 1);
}

TEST_F(Cabrillo, ElResumenSeGuardaEnLaMismaTransaccionQueElConcurso) {
    Inicia();
    Pulsa(Qt::Key_F2);
    Escribe("CNCW");
    Pulsa(Qt::Key_Return);
    // What the checks ask of it: a band, a mode and the province its preset sends.
    Banda(1)->click();
    Modo(1)->click();
    Caja(6)->setText("M");
    Ejecuta("Create Trigger FallaEspecial Before Insert On FormatoEspecial Begin Select Raise(Abort, 'fallo "
            "de prueba'); End");
    Boton("Aceptar")->click();
    ASSERT_FALSE(avisos.cajas.empty());
    EXPECT_EQ(avisos.cajas.back().icono, Icono::Critico);
    EXPECT_TRUE(avisos.cajas.back().texto.contains("fallo de prueba"));
    EXPECT_TRUE(Boton("Aceptar")->isEnabled());
    EXPECT_EQ(CuentaResumenes(42), 0);
    EXPECT_EQ(FilaConcurso(42).cuenta(), 0);
    EXPECT_EQ(LeeControl("UltimoConcurso"), 41);
}
