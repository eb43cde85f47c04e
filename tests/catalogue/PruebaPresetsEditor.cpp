// Known contests in the contest editor: their own categories on Enter in the name of a new
// contest, and the exchange each name and category sets, on screen and in the stored row.
#include "AyudasCabrillo.h"

#include "PanelEstaciones.h"

namespace {
const QStringList IntercambioB{"ESiglas", "RNumeral", "RSiglas"};
const QStringList IntercambioC{"ENumeral", "RNumeral", "RSiglas"};
const QStringList IntercambioD{"ESiglas", "RSiglas"};

class Presets : public PruebaCabrillo {
protected:
    void SetUp() override {
        CreaBaseTrabajo();
        AnadeIndicativo(1, "EA4CALL");
        AnadeIndicativo(2, "EB4CALL");
        AnadeIndicativo(3, "F5ABC");
        AnadeConcurso(5, "PRIMERO", "2025", "MARZO");
        Ejecuta("Update Concursos Set Banda1 = 1, Modo1 = 1");
        EscribeControl("UltimoConcurso", 41);
        EscribeControl("ConcursoActivo", 5);
    }
    // A new contest with this name typed and Enter pressed.
    void NuevoConNombre(const QString& nombre) {
        Pulsa(Qt::Key_F2);
        Escribe(nombre);
        Pulsa(Qt::Key_Return);
    }
    void Cancela() { Pulsa(Qt::Key_Escape); }
    void EligeEstacion(int fila) { Control<QComboBox>("ListaIndicativos")->setCurrentIndex(fila); }
    void EligeCategoria(int fila) {
        QListWidget* lista = Control<QListWidget>("ListaCategoriasCabrillo");
        QTest::mouseClick(lista->viewport(), Qt::LeftButton, {},
                          lista->visualItemRect(lista->item(fila)).center());
    }
};
} // namespace

TEST_F(Presets, CncwEscritoEnMinusculasDaSusCategoriasYConBlancoFinalNada) {
    Inicia();
    for (const QString& escrito : {QStringLiteral("cncw"), QStringLiteral("CNCW")}) {
        NuevoConNombre(escrito);
        EXPECT_EQ(Caja(1)->text(), "CNCW");
        EXPECT_EQ(Entradas(Control<QComboBox>("CatConcurso")), QStringList{"ESPECIAL"});
        EXPECT_EQ(Entradas(Control<QComboBox>("Categoria")), QStringList{"SINGLE-OP ALL"});
        EXPECT_EQ(Visibles(), QStringList{"Categoria"});
        EXPECT_FALSE(Control<QListWidget>("ListaCategoriasCabrillo")->isHidden());
        EXPECT_EQ(Control<QListWidget>("ListaCategoriasCabrillo")->count(), 9);
        EXPECT_EQ(Control<QListWidget>("ListaCategoriasCabrillo")->currentItem()->text(),
                  "MONOOPERADOR MULTIBANDA");
        EXPECT_EQ(Intercambio(), IntercambioD);
        EXPECT_TRUE(Caja(9)->hasFocus());
        Cancela();
    }

    // Another pick, then Enter again on the name: the lists are built anew from the first.
    NuevoConNombre("CNCW");
    EligeCategoria(7);
    EXPECT_EQ(Control<QComboBox>("Categoria")->currentText(), "MULTI-MULTI ALL");
    Caja(1)->setFocus();
    Pulsa(Qt::Key_Return);
    EXPECT_EQ(Control<QListWidget>("ListaCategoriasCabrillo")->count(), 9);
    EXPECT_EQ(Control<QListWidget>("ListaCategoriasCabrillo")->currentRow(), 0);
    EXPECT_EQ(Entradas(Control<QComboBox>("Categoria")), QStringList{"SINGLE-OP ALL"});
    // The letters its exchange sends were emptied by ticking them: the checks ask for them.
    EXPECT_EQ(Caja(6)->text(), "");
    Banda(1)->click();
    Modo(1)->click();
    Pulsa(Qt::Key_F12);
    ASSERT_EQ(avisos.textos().size(), 1);
    EXPECT_TRUE(avisos.textos()[0].contains("FALTAN los códigos")) << avisos.textos()[0].toStdString();
    ASSERT_TRUE(Caja(6)->hasFocus());
    Escribe("m");
    avisos.limpia();
    Pulsa(Qt::Key_F12);
    EXPECT_EQ(avisos.textos(), QStringList{"Alta de Concurso efectuada"});
    EXPECT_EQ(Resumen(42, {"NombreConcurso", "FormatoCabrillo", "Categoria"}), "CNCW|ESPECIAL|SINGLE-OP ALL");
    const QStringList guardadas = Especiales(42);
    ASSERT_EQ(guardadas.size(), 9);
    EXPECT_EQ(guardadas[0], "MONOOPERADOR MULTIBANDA=SINGLE-OP ALL");
    EXPECT_EQ(guardadas[8], "LISTA DE CONTROL=CHECKLOG");
    ConjuntoRegistros fila = FilaConcurso(42);
    EXPECT_TRUE(fila.siNo("EnviarSiglas"));
    EXPECT_TRUE(fila.siNo("RecibirSiglas"));
    EXPECT_FALSE(fila.siNo("EnviarNumeral"));
    EXPECT_EQ(fila.texto("Siglas"), "M");

    // A trailing blank, or a name without a set, leaves the panel as version 2.0.
    for (const QString& escrito : {QStringLiteral("CNCW "), QStringLiteral("ARRL-160")}) {
        NuevoConNombre(escrito);
        EXPECT_EQ(Entradas(Control<QComboBox>("CatConcurso")), (QStringList{"CABRILLO 2.0", "CABRILLO 3.0"}));
        EXPECT_EQ(Valores(), "CABRILLO 2.0|SINGLE-OP|ALL|LOW|SSB|No Aplicable||||");
        EXPECT_TRUE(Control<QListWidget>("ListaCategoriasCabrillo")->isHidden());
        Cancela();
    }
}

TEST_F(Presets, VgeSprintSegunLaCategoriaElegida) {
    Inicia();
    NuevoConNombre("VGE SPRINT");
    EXPECT_EQ(Intercambio(), IntercambioC);
    EligeCategoria(2);
    EXPECT_EQ(Control<QListWidget>("ListaCategoriasCabrillo")->currentItem()->text(),
              "Vertice Geodésico Mono-Operador QRP");
    EXPECT_EQ(Entradas(Control<QComboBox>("Categoria")), QStringList{"VG-MONO-QRP"});
    EXPECT_EQ(Intercambio(), IntercambioB);
    Caja(6)->setText("VG-123");
    EligeCategoria(5);
    EXPECT_EQ(Entradas(Control<QComboBox>("Categoria")), QStringList{"CHECKLOG"});
    EXPECT_EQ(Intercambio(), IntercambioC);
    EXPECT_EQ(Caja(6)->text(), "");
}

TEST_F(Presets, ElReyCwSegunElIndicativoDeLaEstacion) {
    Inicia();
    const std::pair<int, QStringList> casos[] = {{0, IntercambioB}, {1, IntercambioC}, {2, IntercambioC}};
    for (const auto& [estacion, esperado] : casos) {
        EligeEstacion(estacion);
        NuevoConNombre("S.M. EL REY CW");
        EXPECT_EQ(Control<QListWidget>("ListaCategoriasCabrillo")->count(), 10);
        EXPECT_EQ(Intercambio(), esperado) << estacion;
        Cancela();
    }
}

TEST_F(Presets, Arrl160GuardadoConEstacionEAEnviaDX) {
    AnadeConcurso(6, "ARRL-160", "2025", "MARZO");
    Ejecuta("Update Concursos Set EnviarNumeral = 1, RecibirNumeral = 1, RecibirLocator = 1, Siglas = 'M', "
            "Banda0 = 1, Modo1 = 1 Where NumeroOrden = 6");
    Inicia();
    EligeConcurso("ARRL-160 - 2025");
    EXPECT_EQ(Intercambio(), (QStringList{"ENumeral", "RNumeral", "RLocator"})); // showing changes nothing
    Pulsa(Qt::Key_F4);
    Pulsa(Qt::Key_F12);
    ConjuntoRegistros fila = FilaConcurso(6);
    EXPECT_EQ(fila.texto("Siglas"), "DX");
    for (const char* campo : {"EnviarNumeral", "EnviarLocator", "EnviarZonaCq", "EnviarPuntos",
                              "RecibirNumeral", "RecibirLocator", "RecibirZonaCq", "RecibirPuntos"})
        EXPECT_FALSE(fila.siNo(campo)) << campo;
    EXPECT_TRUE(fila.siNo("EnviarSiglas"));
    EXPECT_TRUE(fila.siNo("RecibirSiglas"));

    // From a station outside Spain the letters are emptied, so the checks ask for them; the
    // letters typed in answer are stored, not emptied again.
    EligeEstacion(2);
    EligeConcurso("ARRL-160 - 2025");
    Pulsa(Qt::Key_F4);
    avisos.limpia();
    Pulsa(Qt::Key_F12);
    ASSERT_EQ(avisos.textos().size(), 1);
    EXPECT_TRUE(avisos.textos()[0].contains("FALTAN los códigos")) << avisos.textos()[0].toStdString();
    EXPECT_EQ(Caja(6)->text(), "");
    EXPECT_EQ(FilaConcurso(6).texto("Siglas"), "DX");
    ASSERT_TRUE(Caja(6)->hasFocus());
    Escribe("ma");
    avisos.limpia();
    Pulsa(Qt::Key_F12);
    EXPECT_TRUE(avisos.cajas.empty()) << avisos.textos().join('|').toStdString();
    fila = FilaConcurso(6);
    EXPECT_EQ(fila.texto("Siglas"), "MA");
    EXPECT_TRUE(fila.siNo("EnviarSiglas"));
    EXPECT_TRUE(fila.siNo("LiteralFijo"));
}

TEST_F(Presets, UnCambioQueLosPresetsDejanIncompletoSeRechazaSinGuardarNada) {
    // Stored sending a CQ zone; as an EA station's change its preset sends letters instead,
    // which empties the shared box: the change is refused before anything is written.
    AnadeConcurso(6, "S.M. EL REY CW", "2025", "MARZO");
    Ejecuta("Update Concursos Set EnviarZonaCq = 1, RecibirNumeral = 1, Siglas = '14', Banda0 = 1, "
            "Modo1 = 1 Where NumeroOrden = 6");
    AnadeResumen(6, "CABRILLO 2.0", "Email = 'antes@correo.es'");
    Inicia();
    EligeEstacion(0);
    EligeConcurso("S.M. EL REY CW - 2025");
    Pulsa(Qt::Key_F4);
    Control<QLineEdit>("EMAIL")->setText("despues@correo.es");
    avisos.limpia();
    Pulsa(Qt::Key_F12);
    ASSERT_EQ(avisos.textos().size(), 1);
    EXPECT_TRUE(avisos.textos()[0].contains("FALTAN los códigos")) << avisos.textos()[0].toStdString();
    EXPECT_EQ(Intercambio(), IntercambioB);
    EXPECT_EQ(Resumen(6, {"Email"}), "antes@correo.es");
    EXPECT_TRUE(FilaConcurso(6).siNo("EnviarZonaCq"));
    // A letter that is not a province is refused by the contest's own check.
    Escribe("xx");
    avisos.limpia();
    Pulsa(Qt::Key_F12);
    EXPECT_EQ(avisos.textos(), QStringList{"Las SIGLAS de la provincia no son correctas"});
    Caja(6)->setText("TO");
    avisos.limpia();
    Pulsa(Qt::Key_F12);
    EXPECT_TRUE(avisos.cajas.empty()) << avisos.textos().join('|').toStdString();
    ConjuntoRegistros fila = FilaConcurso(6);
    EXPECT_EQ(fila.texto("Siglas"), "TO");
    EXPECT_TRUE(fila.siNo("EnviarSiglas"));
    EXPECT_FALSE(fila.siNo("EnviarZonaCq"));
    EXPECT_EQ(Resumen(6, {"Email"}), "despues@correo.es");
}

TEST_F(Presets, ConcursoDieGuardadoVuelveAAplicarSuCategoriaAlMostrarlo) {
    AnadeConcurso(6, "CONCURSO DIE", "2025", "MARZO");
    Ejecuta("Update Concursos Set EnviarNumeral = 1, RecibirLocator = 1 Where NumeroOrden = 6");
    AnadeResumen(6, "ESPECIAL", "Categoria = 'FARO'");
    for (const char* d : {"ISLA-RESIDENTE", "ISLA-EXPEDICION", "FARO"})
        AnadeEspecial(6, d, d);
    Inicia();
    EligeConcurso("CONCURSO DIE - 2025");
    EXPECT_EQ(Control<QListWidget>("ListaCategoriasCabrillo")->currentRow(), 2);
    EXPECT_EQ(Entradas(Control<QComboBox>("Categoria")), QStringList{"FARO"});
    EXPECT_EQ(Intercambio(), IntercambioB);
    // Only the screen: the stored row keeps its exchange.
    ConjuntoRegistros fila = FilaConcurso(6);
    EXPECT_TRUE(fila.siNo("EnviarNumeral"));
    EXPECT_FALSE(fila.siNo("EnviarSiglas"));
}

TEST_F(Presets, UnNombreDeVeintiunLetrasSeGuardaEnteroEnElResumen) {
    Inicia();
    NuevoConNombre("SANT SADURNI VUHF SSB");
    EXPECT_EQ(Intercambio(), (QStringList{"ENumeral", "ELocator", "RNumeral", "RLocator"}));
    // Its exchange sends the locator: the checks want one.
    Banda(10)->click();
    Modo(4)->click();
    Caja(4)->setText("JN11AA");
    Pulsa(Qt::Key_F12);
    EXPECT_EQ(avisos.textos(), QStringList{"Alta de Concurso efectuada"});
    EXPECT_EQ(Resumen(42, {"NombreConcurso", "Categoria"}), "SANT SADURNI VUHF SSB|FIJA");
    EXPECT_EQ(Especiales(42).size(), 4);
}
