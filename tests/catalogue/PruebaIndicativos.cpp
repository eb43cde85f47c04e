// The station callsign editor driven from the keyboard: new, changed and deleted callsigns, the
// refusals, the field movement and the rows left in the working database.
#include "Ayudas.h"

#include "CampoTexto.h"
#include "DatosIndicativos.h"
#include "Esquema.h"
#include "PanelConcurso.h"
#include "PanelEstaciones.h"

#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QTest>

namespace {
const QString TextoAdvertencia =
    "ADVERTENCIA: \n\nSe han dejado varios datos en blanco. \n\nTodos los datos son "
    "necesarios para incluirlos en el LOG del Formato Cabrillo.\n\n";

void AnadeEstacion(int numero, const QString& indicativo, const QString& operador = "ANA") {
    ConjuntoRegistros r = BaseDatos::Abre(NombreBaseDatos)->abreConjunto("Indicativos");
    r.anade();
    const QVariantList valores{numero, indicativo, operador, "CALLE MAYOR 1", "28001 MADRID", "ESPAÑA"};
    for (int i = 0; i < valores.size(); ++i)
        r.asigna(i, valores[i]);
    r.actualiza();
}

// Every callsign row in number order, columns joined with '|'.
QStringList Filas() {
    ConjuntoRegistros r =
        BaseDatos::Abre(NombreBaseDatos)->abreConjunto("Select * From Indicativos order by NumeroOrden");
    QStringList filas;
    for (; !r.eof(); r.siguiente()) {
        QStringList campos;
        for (int i = 0; i < 6; ++i)
            campos << r.valor(i).toString();
        filas << campos.join('|');
    }
    return filas;
}

QStringList Lista(const QComboBox* lista) {
    QStringList t;
    for (int i = 0; i < lista->count(); ++i)
        t << lista->itemText(i) + "=" + lista->itemData(i).toString();
    return t;
}

class Indicativos : public PruebaVentana {
protected:
    void SetUp() override {
        CreaBaseTrabajo();
        AnadeConcurso(5, "CNCW", "2025", "MARZO");
        EscribeControl("ConcursoActivo", 5);
    }
    void Empieza() {
        Inicia();
        avisos.limpia();
    }
    QGroupBox& Panel() { return *Marco("PanelEstaciones"); }
    QComboBox* ListaIndicativos() { return Control<QComboBox>("ListaIndicativos"); }
    CampoTexto* Caja(int i) { return CajaEstacion(i); }
    QWidget* Foco() { return QApplication::focusWidget(); }
    // Replaces the text of the box with the focus, as a user selecting all and typing over it.
    void Reescribe(const QString& texto) { PruebaVentana::Reescribe(texto, Qt::Key_Delete); }
    // Types the five data, Enter after each.
    void EscribeDatos(const QStringList& datos) {
        for (const QString& d : datos) {
            Reescribe(d);
            Pulsa(Qt::Key_Return);
        }
    }
    void EsperaUnaCaja(const QString& texto, Icono icono, const QString& titulo) {
        ASSERT_EQ(avisos.cajas.size(), 1u) << avisos.textos().join('|').toStdString();
        EXPECT_EQ(avisos.cajas[0].texto, texto);
        EXPECT_EQ(avisos.cajas[0].icono, icono);
        EXPECT_EQ(avisos.cajas[0].titulo, titulo);
        EXPECT_EQ(avisos.cajas[0].botones, Botones::Aceptar);
        avisos.limpia();
    }
    void EsperaReposo() {
        EXPECT_EQ(estado->OperacionEnCurso, OperacionPrincipal::Ninguna);
        EXPECT_FALSE(estado->EditandoIndicativo);
        EXPECT_FALSE(Boton("AceptaIndicativo")->isEnabled());
        EXPECT_FALSE(Boton("CancelaIndicativo")->isEnabled());
        EXPECT_TRUE(Boton("NuevoIndicativo")->isEnabled());
        EXPECT_TRUE(ListaIndicativos()->isEnabled());
        EXPECT_FALSE(Marco("PanelConcurso")->isEnabled());
        EXPECT_TRUE(Marco("SeleccionConcurso")->isEnabled());
        EXPECT_TRUE(Marco("PanelTamañoPantalla")->isEnabled());
        EXPECT_TRUE(Boton("AltaReg")->hasFocus());
        for (int i = 0; i < 6; ++i)
            EXPECT_TRUE(Caja(i)->bloqueado() && Caja(i)->isReadOnly()) << i;
    }
};
using DatosIndicativos = Indicativos;
} // namespace

TEST_F(Indicativos, AltaConElNumeroSiguienteEnMayusculasYSinBlancos) {
    AnadeEstacion(3, "EA1AAA");
    EscribeControl("UltimoIndicativo", 7);
    EscribeControl("IndicativoActivo", 3);
    Empieza();

    Boton("NuevoIndicativo")->click();
    EXPECT_EQ(estado->OperacionEnCurso, OperacionPrincipal::Alta);
    EXPECT_TRUE(estado->EditandoIndicativo);
    EXPECT_EQ(Caja(0)->text(), "8");
    for (int i = 1; i < 6; ++i)
        EXPECT_TRUE(Caja(i)->text().isEmpty()) << i;
    EXPECT_EQ(Caja(1)->maxLength(), 12);
    EXPECT_TRUE(Caja(1)->hasFocus());
    EXPECT_EQ(Caja(1)->palette().color(QPalette::Base), QColor(255, 255, 0));
    for (QWidget* w : std::initializer_list<QWidget*>{
             Boton("NuevoIndicativo"), Boton("ModificaIndicativo"), Boton("BorrarIndicativo"),
             ListaIndicativos(), Boton("AltaReg"), Boton("FinClientes"), Marco("PanelConcurso"),
             Marco("SeleccionConcurso"), Marco("SeleccionMes"), Control<QFrame>("PanelBotonesConcurso")})
        EXPECT_FALSE(w->isEnabled()) << w->objectName().toStdString();
    EXPECT_TRUE(Boton("AceptaIndicativo")->isEnabled());
    EXPECT_TRUE(Boton("CancelaIndicativo")->isEnabled());
    EXPECT_TRUE(Marco("PanelTamañoPantalla")->isEnabled());

    Escribe("  ea3xyz");
    Pulsa(Qt::Key_Return);
    EXPECT_EQ(Caja(1)->text(), "EA3XYZ");
    EXPECT_EQ(Caja(1)->palette().color(QPalette::Base), QColor(255, 255, 255));
    EXPECT_TRUE(Caja(2)->hasFocus());
    EXPECT_EQ(estado->CampoActual, 2);
    Escribe("juan perez  ");
    Pulsa(Qt::Key_Return);
    EXPECT_EQ(Caja(2)->text(), "JUAN PEREZ");
    EscribeDatos({"calle mayor 1", "08001 barcelona"});
    Escribe("espa");
    QTest::sendKeyEvent(QTest::Click, Foco(), Qt::Key_Ntilde, QString::fromUtf8("ñ"), Qt::NoModifier);
    Escribe("a");
    EXPECT_EQ(Caja(5)->text(), "ESPAÑA");
    Pulsa(Qt::Key_F12);

    EsperaUnaCaja("Alta de NUEVO INDICATIVO efectuada", Icono::Informacion, "ALTA");
    EXPECT_EQ(Filas(), (QStringList{"3|EA1AAA|ANA|CALLE MAYOR 1|28001 MADRID|ESPAÑA",
                                    "8|EA3XYZ|JUAN PEREZ|CALLE MAYOR 1|08001 BARCELONA|ESPAÑA"}));
    EXPECT_EQ(LeeControl("UltimoIndicativo"), 8);
    EXPECT_EQ(LeeControl("IndicativoActivo"), 8);
    EXPECT_EQ(Lista(ListaIndicativos()), (QStringList{"EA1AAA=3", "EA3XYZ=8"}));
    EXPECT_EQ(ListaIndicativos()->currentText(), "EA3XYZ");
    EsperaReposo();
    EXPECT_TRUE(Boton("ModificaIndicativo")->isEnabled());
    EXPECT_TRUE(Boton("BorrarIndicativo")->isEnabled());
}

TEST_F(Indicativos, AltaRechazadaMantieneLaEdicionSinGuardarNada) {
    AnadeEstacion(1, "EA1AAA");
    EscribeControl("UltimoIndicativo", 1);
    Empieza();
    const QStringList antes = Filas();
    Boton("NuevoIndicativo")->click();

    // Same callsign in other case and with a trailing blank.
    EscribeDatos({"ea1aaa ", "ANA", "CALLE", "PUEBLO", "PAIS"});
    Pulsa(Qt::Key_F12);
    EsperaUnaCaja("Ya hay registrado un INDICATIVO. ", Icono::Critico, "INDICATIVOS");
    EXPECT_TRUE(Caja(1)->hasFocus());

    Reescribe("   ");
    Pulsa(Qt::Key_F12);
    EsperaUnaCaja("Falta el INDICATIVO", Icono::Critico, "INDICATIVOS");
    EXPECT_TRUE(Caja(1)->hasFocus());

    // Blank address: the first empty box takes the focus.
    Reescribe("EA5NEW");
    Pulsa(Qt::Key_Down);
    Pulsa(Qt::Key_Down);
    Reescribe("  ");
    Pulsa(Qt::Key_F12);
    EsperaUnaCaja(TextoAdvertencia, Icono::Ninguno, "ADVERTENCIA");
    EXPECT_TRUE(Caja(3)->hasFocus());

    EXPECT_EQ(Filas(), antes);
    EXPECT_EQ(LeeControl("UltimoIndicativo"), 1);
    EXPECT_EQ(estado->OperacionEnCurso, OperacionPrincipal::Alta);
    EXPECT_TRUE(Boton("AceptaIndicativo")->isEnabled());

    Reescribe("CALLE NUEVA");
    Pulsa(Qt::Key_F12);
    EsperaUnaCaja("Alta de NUEVO INDICATIVO efectuada", Icono::Informacion, "ALTA");
    EXPECT_EQ(Filas(), antes + QStringList{"2|EA5NEW|ANA|CALLE NUEVA|PUEBLO|PAIS"});
}

TEST_F(Indicativos, IntroYFlechasRecorrenLasCajasConVuelta) {
    AnadeEstacion(1, "EA1AAA");
    Empieza();
    Boton("NuevoIndicativo")->click();
    ASSERT_TRUE(Caja(1)->hasFocus());

    Pulsa(Qt::Key_Up);
    EXPECT_TRUE(Caja(5)->hasFocus());
    EXPECT_EQ(estado->CampoActual, 5);
    Pulsa(Qt::Key_Return); // Enter in "País" goes back to "Indicativo"
    EXPECT_TRUE(Caja(1)->hasFocus());
    Pulsa(Qt::Key_Up);
    Pulsa(Qt::Key_Down);
    EXPECT_TRUE(Caja(1)->hasFocus());
    Pulsa(Qt::Key_Down);
    Pulsa(Qt::Key_Down);
    EXPECT_TRUE(Caja(3)->hasFocus());
    Pulsa(Qt::Key_Tab);
    EXPECT_TRUE(Caja(3)->hasFocus());
    for (int i = 0; i < 3; ++i)
        Pulsa(Qt::Key_Return);
    EXPECT_TRUE(Caja(1)->hasFocus());

    // Once the edit is over the arrows no longer move between the boxes.
    Pulsa(Qt::Key_Escape);
    EXPECT_FALSE(estado->EditandoIndicativo);
    Caja(2)->setFocus();
    Pulsa(Qt::Key_Down);
    EXPECT_TRUE(Caja(2)->hasFocus());
}

TEST_F(Indicativos, CambiarOperadorYNombreSinPisarOtroIndicativo) {
    AnadeEstacion(1, "EA1AAA");
    AnadeEstacion(4, "EA4BBB");
    EscribeControl("IndicativoActivo", 1);
    Empieza();

    Boton("ModificaIndicativo")->click();
    EXPECT_EQ(estado->OperacionEnCurso, OperacionPrincipal::Modificar);
    EXPECT_TRUE(Caja(1)->hasFocus());
    EXPECT_EQ(Caja(1)->text(), "EA1AAA");
    EXPECT_FALSE(Marco("PanelTamañoPantalla")->isEnabled());
    EXPECT_FALSE(ListaIndicativos()->isEnabled());
    Pulsa(Qt::Key_Down);
    Reescribe("pepe");
    Pulsa(Qt::Key_F12);
    EsperaUnaCaja("Los datos del INDICATIVO han sido modificados", Icono::Informacion, "ALTA");
    EXPECT_EQ(Filas()[0], "1|EA1AAA|PEPE|CALLE MAYOR 1|28001 MADRID|ESPAÑA");
    EsperaReposo();

    Boton("ModificaIndicativo")->click();
    Reescribe("ea4bbb");
    Pulsa(Qt::Key_F12);
    EsperaUnaCaja("Ya hay un Indicativo con el MISMO NOMBRE", Icono::Critico, "INDICATIVOS");
    EXPECT_TRUE(Caja(1)->hasFocus());
    EXPECT_EQ(Filas()[0], "1|EA1AAA|PEPE|CALLE MAYOR 1|28001 MADRID|ESPAÑA");

    Reescribe("ea1zzz");
    Pulsa(Qt::Key_Down);
    Pulsa(Qt::Key_Down);
    Reescribe("");
    Pulsa(Qt::Key_F12);
    EsperaUnaCaja(TextoAdvertencia, Icono::Ninguno, "ADVERTENCIA");
    EXPECT_TRUE(Caja(3)->hasFocus());

    Reescribe("plaza 2");
    Pulsa(Qt::Key_F12);
    EsperaUnaCaja("Los datos del INDICATIVO han sido modificados", Icono::Informacion, "ALTA");
    EXPECT_EQ(Filas(), (QStringList{"1|EA1ZZZ|PEPE|PLAZA 2|28001 MADRID|ESPAÑA",
                                    "4|EA4BBB|ANA|CALLE MAYOR 1|28001 MADRID|ESPAÑA"}));
    EXPECT_EQ(Lista(ListaIndicativos()), (QStringList{"EA1ZZZ=1", "EA4BBB=4"}));
    EXPECT_EQ(Caja(1)->text(), "EA1ZZZ");
    EXPECT_EQ(LeeControl("IndicativoActivo"), 1);
    EsperaReposo();
}

TEST_F(Indicativos, BorrarPreguntaYNoDejaTodoComoEstaba) {
    AnadeEstacion(1, "EA1AAA");
    AnadeEstacion(4, "EA4BBB");
    EscribeControl("IndicativoActivo", 4);
    Empieza();

    Boton("BorrarIndicativo")->click();
    EXPECT_EQ(estado->OperacionEnCurso, OperacionPrincipal::Borrar);
    EXPECT_TRUE(Boton("CancelaIndicativo")->hasFocus());

    avisos.respuestas = {Respuesta::No};
    Pulsa(Qt::Key_F12);
    ASSERT_EQ(avisos.cajas.size(), 1u);
    EsPreguntaDeBorrado(avisos.cajas[0], "De verdad quiere BORRAR este Indicativo");
    avisos.limpia();
    EXPECT_EQ(Filas().size(), 2);
    EXPECT_EQ(Lista(ListaIndicativos()), (QStringList{"EA1AAA=1", "EA4BBB=4"}));
    EXPECT_EQ(ListaIndicativos()->currentText(), "EA4BBB");
    EXPECT_EQ(LeeControl("IndicativoActivo"), 4);
    EsperaReposo();

    // Yes: the row and its entry go, the first callsign left is loaded and active.
    Boton("BorrarIndicativo")->click();
    avisos.respuestas = {Respuesta::Si};
    Pulsa(Qt::Key_F12);
    EXPECT_EQ(Filas(), QStringList{"1|EA1AAA|ANA|CALLE MAYOR 1|28001 MADRID|ESPAÑA"});
    EXPECT_EQ(Lista(ListaIndicativos()), QStringList{"EA1AAA=1"});
    EXPECT_EQ(LeeControl("IndicativoActivo"), 1);
    EsperaReposo();

    // The last one: nothing left to change or delete, and no active callsign.
    Boton("BorrarIndicativo")->click();
    avisos.respuestas = {Respuesta::Si};
    Pulsa(Qt::Key_F12);
    EXPECT_TRUE(Filas().isEmpty());
    EXPECT_EQ(ListaIndicativos()->count(), 0);
    for (int i = 0; i < 6; ++i)
        EXPECT_TRUE(Caja(i)->text().isEmpty()) << i;
    EXPECT_FALSE(Boton("ModificaIndicativo")->isEnabled());
    EXPECT_FALSE(Boton("BorrarIndicativo")->isEnabled());
    EXPECT_EQ(LeeControl("IndicativoActivo"), 0);
    EsperaReposo();
}

TEST_F(Indicativos, CancelarDevuelveLoGuardado) {
    AnadeEstacion(1, "EA1AAA");
    AnadeEstacion(4, "EA4BBB", "LUIS");
    EscribeControl("IndicativoActivo", 4);
    EscribeControl("UltimoIndicativo", 4);
    Empieza();
    const QStringList antes = Filas();

    Boton("NuevoIndicativo")->click();
    EscribeDatos({"ea9zz", "X", "Y"});
    Pulsa(Qt::Key_Escape);
    EXPECT_EQ(Caja(0)->text(), "4");
    EXPECT_EQ(Caja(1)->text(), "EA4BBB");
    EXPECT_EQ(Caja(2)->text(), "LUIS");
    EXPECT_EQ(LeeControl("UltimoIndicativo"), 4);
    EsperaReposo();

    Boton("ModificaIndicativo")->click();
    Reescribe("EA9ZZ");
    Pulsa(Qt::Key_Return);
    Reescribe("OTRO");
    Pulsa(Qt::Key_Escape);
    EXPECT_EQ(Caja(1)->text(), "EA4BBB");
    EXPECT_EQ(Caja(2)->text(), "LUIS");
    EsperaReposo();

    Boton("BorrarIndicativo")->click();
    Pulsa(Qt::Key_Escape);
    EsperaReposo();

    EXPECT_TRUE(avisos.cajas.empty());
    EXPECT_EQ(Filas(), antes);
    EXPECT_EQ(Lista(ListaIndicativos()), (QStringList{"EA1AAA=1", "EA4BBB=4"}));
}

TEST_F(Indicativos, ComillasSeGuardanYSeEncuentran) {
    AnadeEstacion(1, "EA1AAA");
    Empieza();

    Boton("NuevoIndicativo")->click();
    EscribeDatos({"ea1'\"x", "o'brien", "calle \"la paz\"", "l'hospitalet", "pais"});
    Pulsa(Qt::Key_F12);
    EsperaUnaCaja("Alta de NUEVO INDICATIVO efectuada", Icono::Informacion, "ALTA");
    EXPECT_EQ(Filas().last(), "2|EA1'\"X|O'BRIEN|CALLE \"LA PAZ\"|L'HOSPITALET|PAIS");

    // Found again: the same callsign is a duplicate.
    Boton("NuevoIndicativo")->click();
    EscribeDatos({"EA1'\"X", "A", "B", "C", "D"});
    Pulsa(Qt::Key_F12);
    EsperaUnaCaja("Ya hay registrado un INDICATIVO. ", Icono::Critico, "INDICATIVOS");
}

TEST_F(Indicativos, AntesDeEmpezarElPrimerIndicativoDejaSoloIniciar) {
    ASSERT_EQ(Carga(), FConcursos::Carga::Mostrada);
    EXPECT_FALSE(Boton("ModificaIndicativo")->isEnabled());
    EXPECT_FALSE(Boton("BorrarIndicativo")->isEnabled());

    Boton("NuevoIndicativo")->click();
    EXPECT_FALSE(Boton("IniciarXkLumoCon")->isEnabled());
    EXPECT_EQ(Caja(0)->text(), "1");
    EscribeDatos({"ea2abc", "A", "B", "C", "D"});
    Pulsa(Qt::Key_F12);
    EsperaUnaCaja("Alta de NUEVO INDICATIVO efectuada", Icono::Informacion, "ALTA");
    EXPECT_TRUE(Boton("IniciarXkLumoCon")->isEnabled());
    EXPECT_TRUE(Boton("IniciarXkLumoCon")->hasFocus());
    for (QWidget* w : std::initializer_list<QWidget*>{Boton("AltaReg"), Boton("FinClientes"),
                                                      Marco("SeleccionMes"), Marco("SeleccionConcurso")})
        EXPECT_FALSE(w->isEnabled()) << w->objectName().toStdString();

    Boton("IniciarXkLumoCon")->click();
    EXPECT_EQ(Lista(ListaIndicativos()), QStringList{"EA2ABC=1"});
    EXPECT_TRUE(avisos.cajas.empty()) << avisos.textos().join('|').toStdString();
    EXPECT_TRUE(Boton("AltaReg")->isEnabled());
}

TEST_F(Indicativos, FueraDeLaEdicionLasCajasNoAdmitenTeclas) {
    AnadeEstacion(1, "EA1AAA");
    Empieza();
    QTest::mouseClick(Caja(2), Qt::LeftButton);
    Caja(2)->setFocus();
    Escribe("xyz");
    Pulsa(Qt::Key_Backspace);
    EXPECT_EQ(Caja(2)->text(), "ANA");
    EXPECT_EQ(Filas()[0], "1|EA1AAA|ANA|CALLE MAYOR 1|28001 MADRID|ESPAÑA");
}

TEST_F(Indicativos, UnaEstacionEspanolaPoneElDesfaseDelConcursoUTC) {
    reloj.momento = HoraMadrid(QDate(2026, 7, 15), QTime(12, 0));
    Ejecuta("Update Concursos Set HoraUTC = 1, HoraLocal = 0 Where NumeroOrden = 5");
    AnadeEstacion(1, "W1AW");
    AnadeEstacion(2, "EA2BBB");
    EscribeControl("IndicativoActivo", 1);
    Empieza();
    ASSERT_EQ(CajaConcurso(0)->text(), "5");
    CajaConcurso(7)->setText("0");

    ListaIndicativos()->setCurrentIndex(1);
    EXPECT_EQ(CajaConcurso(7)->text(), "-2");
    EXPECT_EQ(estado->programa.DesfaseUTC, -2);
    EXPECT_FALSE(Control<QLabel>("LabelUTC")->isHidden());
    EXPECT_FALSE(CajaConcurso(7)->isHidden());

    // A foreign station leaves the offset alone.
    CajaConcurso(7)->setText("0");
    ListaIndicativos()->setCurrentIndex(0);
    EXPECT_EQ(CajaConcurso(7)->text(), "0");
    EXPECT_EQ(LeeControl("IndicativoActivo"), 1);
}

TEST_F(DatosIndicativos, UnNumeroNuncaSeDaDosVeces) {
    AnadeEstacion(5, "EA5AAA");
    EscribeControl("UltimoIndicativo", 2);
    auto bd = BaseDatos::Abre(NombreBaseDatos);
    ConjuntoRegistros control = bd->abreConjunto("Control");
    EXPECT_EQ(SiguienteNumeroIndicativo(*bd, control), 6);
    EscribeControl("UltimoIndicativo", 9);
    control = bd->abreConjunto("Control");
    EXPECT_EQ(SiguienteNumeroIndicativo(*bd, control), 10);
}

TEST_F(DatosIndicativos, LaFilaYElContadorSeGuardanJuntos) {
    auto bd = BaseDatos::Abre(NombreBaseDatos);
    ConjuntoRegistros control = bd->abreConjunto("Control");
    // A number the 16-bit counter cannot hold: the Control write fails, so the row must not stay.
    EXPECT_THROW(InsertaIndicativo(*bd, control, {"40000", "EA1X", "A", "B", "C", "D"}), ErrorBD);
    EXPECT_TRUE(Filas().isEmpty());
    EXPECT_EQ(LeeControl("UltimoIndicativo"), 0);
}
