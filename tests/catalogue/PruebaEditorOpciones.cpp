// The contest editor's options, checks and user band and mode names driven through the main
// window, checked against the rows stored in the working database.
#include "Ayudas.h"

#include "CampoTexto.h"
#include "Esquema.h"
#include "PanelConcurso.h"
#include "PanelEstaciones.h"
#include "PanelNombresUser.h"

#include <QApplication>
#include <QCheckBox>
#include <QFrame>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QTest>

namespace {

ConjuntoRegistros Fila(const QString& tabla, const QString& donde) {
    return BaseDatos::Abre(NombreBaseDatos)->abreConjunto("Select * From " + tabla + donde);
}
ConjuntoRegistros Concurso(int numero) {
    return Fila("Concursos", " Where NumeroOrden = " + QString::number(numero));
}
int CuentaConcursos() {
    return Fila("Concursos", "").cuenta();
}

// A Spanish station and one contest of March; the clock is in winter time (offset -1).
class EditorOpciones : public PruebaVentana {
protected:
    void SetUp() override {
        CreaBaseTrabajo();
        AnadeIndicativo(1, "EA1AAA");
        AnadeConcurso(5, "CNCW", "2025", "MARZO");
        // Stored as its preset leaves it: the province sent both ways.
        Ejecuta("Update Concursos Set Banda1 = 1, Modo1 = 1, EnviarSiglas = 1, LiteralFijo = 1, "
                "RecibirSiglas = 1, Siglas = 'M' Where NumeroOrden = 5");
        EscribeControl("UltimoConcurso", 41);
        EscribeControl("ConcursoActivo", 5);
    }
    QGroupBox& P() { return *Marco("PanelConcurso"); }
    QGroupBox& U() { return *Marco("PanelNuevaBanda"); }
    // BandaUser(n), ModoUser(n) and RST(n) of the user names panel, counted from 1.
    CampoTexto* BandaUser(int n) { return Control<CampoTexto>(QStringLiteral("BandaUser_%1").arg(n)); }
    CampoTexto* ModoUser(int n) { return Control<CampoTexto>(QStringLiteral("ModoUser_%1").arg(n)); }
    QLineEdit* RST(int n) { return Control<QLineEdit>(QStringLiteral("RST_%1").arg(n)); }
    CampoTexto* Caja(int i) { return CajaConcurso(i); }
    void Reescribe(QWidget* caja, const QString& texto) {
        caja->setFocus();
        PruebaVentana::Reescribe(texto);
    }
    // A new contest with a name, a band and a mode: what every store needs.
    void NuevoConcurso(const QString& nombre) {
        Pulsa(Qt::Key_F2);
        ASSERT_EQ(estado->OperacionEnCurso, "ALTA");
        Escribe(nombre);
        Banda(4)->click();
        Modo(1)->click();
    }
    // F12, and the refusal expected: one box with this text, the edit open, nothing stored.
    void RechazaCon(const QString& texto, int foco) {
        const int filas = CuentaConcursos();
        avisos.limpia();
        Pulsa(Qt::Key_F12);
        ASSERT_EQ(avisos.cajas.size(), 1u) << avisos.textos().join('|').toStdString();
        EXPECT_EQ(avisos.cajas[0].texto, texto);
        if (foco >= 0) {
            EXPECT_TRUE(Caja(foco)->hasFocus()) << foco;
        }
        EXPECT_TRUE(estado->EditandoConcurso);
        EXPECT_TRUE(Boton("Aceptar")->isEnabled());
        EXPECT_EQ(CuentaConcursos(), filas);
    }
    void Guarda() {
        avisos.limpia();
        Pulsa(Qt::Key_F12);
        EXPECT_FALSE(estado->EditandoConcurso) << avisos.textos().join('|').toStdString();
    }
};

TEST_F(EditorOpciones, ValoresDerivadosAlGuardar) {
    Inicia();
    NuevoConcurso("PRUEBA");
    // The new contest starts in UTC with the Spanish station's offset and "No repetir".
    EXPECT_TRUE(Control<QRadioButton>("HoraUTC")->isChecked());
    EXPECT_FALSE(Caja(7)->isHidden());
    EXPECT_EQ(Caja(7)->text(), "-1");
    EXPECT_FALSE(Caja(8)->isEnabled());
    Control<QCheckBox>("RecibirNumeral")->click();
    Control<QCheckBox>("RecibirSiglas")->click();
    Control<QCheckBox>("EnviarNumeral")->click();
    Control<QCheckBox>("EnviarPuntos")->click();
    EXPECT_FALSE(Caja(3)->isHidden());
    EXPECT_TRUE(Caja(3)->hasFocus());
    Escribe("5");
    Guarda();
    ConjuntoRegistros r = Concurso(42);
    ASSERT_FALSE(r.eof());
    EXPECT_TRUE(r.siNo("NumeraloSiglas"));
    EXPECT_TRUE(Control<QCheckBox>("NumeraloSiglas")->isChecked());
    EXPECT_FALSE(r.siNo("EnviarPuntos"));
    EXPECT_FALSE(r.siNo("RecibirPuntos"));
    EXPECT_EQ(r.texto("NumeroPuntosEnviar"), "");
    EXPECT_TRUE(r.siNo("EnviarRst"));
    EXPECT_TRUE(r.siNo("RecibirRst"));
    EXPECT_EQ(r.texto("HoraUTCActual"), "-1");
    EXPECT_TRUE(Caja(3)->isHidden()) << "the stored contest shows no points";

    // Sending letters as well: no longer "number or letters".
    Pulsa(Qt::Key_F4);
    Control<QCheckBox>("EnviarSiglas")->click();
    Reescribe(Caja(6), "AB");
    Guarda();
    EXPECT_FALSE(Concurso(42).siNo("NumeraloSiglas"));

    // The same exchange under names that never have it, and the one contest without reports.
    for (const QString nombre : {"HELVETIA 2026", "WLOTA (NO EXPEDICION)", "BARTG-RTTY-SPRINT"}) {
        Pulsa(Qt::Key_F4);
        Control<QCheckBox>("EnviarSiglas")->setChecked(false);
        Reescribe(Caja(1), nombre);
        Guarda();
        r = Concurso(42);
        EXPECT_EQ(r.siNo("NumeraloSiglas"), nombre == "BARTG-RTTY-SPRINT") << nombre.toStdString();
        EXPECT_EQ(r.siNo("EnviarRst"), nombre != "BARTG-RTTY-SPRINT") << nombre.toStdString();
        EXPECT_EQ(r.siNo("RecibirRst"), nombre != "BARTG-RTTY-SPRINT");
    }
    // A name that only begins like the expedition one keeps the computed value.
    Pulsa(Qt::Key_F4);
    Reescribe(Caja(1), "WLOTA (NO EXPEDICION) 2");
    Guarda();
    EXPECT_TRUE(Concurso(42).siNo("NumeraloSiglas"));
}

TEST_F(EditorOpciones, CambiosDelProgramaReaccionanComoClics) {
    Inicia();
    NuevoConcurso("PRUEBA");
    // A preset ticks boxes with setChecked: the cascade runs as for a click.
    Control<QCheckBox>("EnviarSiglas")->setChecked(true);
    EXPECT_TRUE(Control<QCheckBox>("LiteralFijo")->isChecked());
    Caja(6)->setText("XYZ");
    Control<QCheckBox>("EnviarZonaCQ")->setChecked(true);
    EXPECT_FALSE(Control<QCheckBox>("EnviarSiglas")->isChecked());
    EXPECT_FALSE(Control<QCheckBox>("LiteralFijo")->isChecked());
    EXPECT_EQ(Caja(6)->text(), "");
    Control<QCheckBox>("RecibirSiglas")->setChecked(true);
    Control<QCheckBox>("RecibirZonaCQ")->setChecked(true);
    EXPECT_FALSE(Control<QCheckBox>("RecibirSiglas")->isChecked());

    // Hours typed, then "No repetir": emptied and closed.
    Control<QCheckBox>("RepetirEnCadaHoras")->click();
    EXPECT_FALSE(Control<QCheckBox>("NoRepetir")->isChecked());
    EXPECT_TRUE(Caja(8)->isEnabled());
    EXPECT_FALSE(Caja(8)->bloqueado());
    Reescribe(Caja(8), "12");
    // The other repeat rules leave the UTC offset alone.
    Control<QCheckBox>("RepetirEnCadaBanda")->click();
    Control<QCheckBox>("RepetirEnCadaModo")->click();
    EXPECT_EQ(Caja(7)->text(), "-1");
    EXPECT_TRUE(Caja(7)->isEnabled());
    Control<QCheckBox>("RepetirEstacion")->click();
    EXPECT_FALSE(Control<QCheckBox>("RepetirEnCadaBanda")->isChecked());
    EXPECT_FALSE(Control<QCheckBox>("RepetirEnCadaHoras")->isChecked());
    EXPECT_EQ(Caja(8)->text(), "");
    Control<QCheckBox>("RepetirEnCadaHoras")->click();
    Reescribe(Caja(8), "12");
    Control<QCheckBox>("NoRepetir")->click();
    EXPECT_EQ(Caja(8)->text(), "");
    EXPECT_FALSE(Caja(8)->isEnabled());

    // "Number or letters" is the program's to fill: a mouse click does not tick it.
    const auto clicEn = [&](QWidget* casilla) {
        const QPoint punto = casilla->mapTo(ventana.get(), QPoint(6, casilla->height() / 2));
        QTest::mouseClick(ventana->windowHandle(), Qt::LeftButton, {}, punto);
    };
    clicEn(Control<QCheckBox>("NumeraloSiglas"));
    EXPECT_FALSE(Control<QCheckBox>("NumeraloSiglas")->isChecked());
    clicEn(Control<QCheckBox>("RecibirLocator")); // the same click reaches an ordinary box
    EXPECT_TRUE(Control<QCheckBox>("RecibirLocator")->isChecked());

    Control<QRadioButton>("HoraLocal")->click();
    EXPECT_TRUE(Caja(7)->isHidden());
    EXPECT_EQ(Caja(7)->text(), "");

    // Cancelling a new contest leaves the options of an empty editor, then the shown contest's.
    Pulsa(Qt::Key_Escape);
    EXPECT_FALSE(Control<QCheckBox>("EnviarZonaCQ")->isChecked());
}

TEST_F(EditorOpciones, CargarMuestraUnEstadoAlcanzableYDerivaLoGuardado) {
    // Stored with both sent letters and zone, a variable literal, UTC with an old offset, repeat
    // hours without "Repetir cada", points kept: no click could reach that.
    Ejecuta("Update Concursos Set EnviarSiglas = 1, EnviarZonaCq = 1, LiteralVariable = 1, Siglas = 'M', "
            "HoraUTC = 1, HoraUTCActual = '5', HorasRepeticion = '02:00', EnviarPuntos = 0, "
            "NumeroPuntosEnviar = '9' Where NumeroOrden = 5");
    AnadeConcurso(6, "RSGB-IOTA", "2025", "MARZO");
    Ejecuta("Update Concursos Set NumeraloSiglas = 1, HoraLocal = 1 Where NumeroOrden = 6");
    Inicia();
    ASSERT_EQ(Caja(0)->text(), "5");
    EXPECT_TRUE(Control<QCheckBox>("EnviarZonaCQ")->isChecked());
    EXPECT_FALSE(Control<QCheckBox>("EnviarSiglas")->isChecked());
    EXPECT_EQ(Caja(6)->text(), "M");
    EXPECT_EQ(Caja(8)->text(), "");
    EXPECT_TRUE(Caja(3)->isHidden());
    EXPECT_EQ(Caja(3)->text(), "");
    EXPECT_FALSE(Caja(7)->isHidden());
    EXPECT_EQ(Caja(7)->text(), "-1");
    EXPECT_EQ(Concurso(5).texto("HoraUTCActual"), "-1");
    EXPECT_EQ(estado->DesfaseUTC, -1);

    Control<QListWidget>("ListaConcursos")->setCurrentRow(1);
    ASSERT_EQ(Caja(0)->text(), "6");
    EXPECT_FALSE(Concurso(6).siNo("NumeraloSiglas"));
    EXPECT_FALSE(Control<QCheckBox>("NumeraloSiglas")->isChecked());
    EXPECT_TRUE(Caja(7)->isHidden());

    // Changing contest 5: the hours box opens only with "Repetir cada".
    Control<QListWidget>("ListaConcursos")->setCurrentRow(0);
    Pulsa(Qt::Key_F4);
    EXPECT_TRUE(Caja(8)->bloqueado());
    Control<QCheckBox>("RepetirEnCadaHoras")->click();
    EXPECT_FALSE(Caja(8)->bloqueado());
    // Cancelling shows the stored options again.
    Pulsa(Qt::Key_Escape);
    EXPECT_FALSE(Control<QCheckBox>("RepetirEnCadaHoras")->isChecked());
    EXPECT_TRUE(Caja(8)->bloqueado());
}

TEST_F(EditorOpciones, ComprobacionesAntesDeGuardar) {
    Inicia();
    Pulsa(Qt::Key_F2);
    Escribe("PRUEBA");
    RechazaCon(" No se ha configurado ninguna BANDA.", -1);
    EXPECT_EQ(avisos.cajas[0].titulo, "VERIFICAR la configuración de la BANDAS.");
    Banda(4)->click();
    RechazaCon(" No se ha configurado ningún MODO.", -1);
    Modo(1)->click();

    Reescribe(Caja(9), "MARZ");
    RechazaCon("El NOMBRE del MES no es correcto", 9);
    Reescribe(Caja(9), "marzo");

    Control<QCheckBox>("RepetirEnCadaHoras")->click();
    RechazaCon(
        "Falta el número de horas en que se puede REPETIR ESTACIÓN (Poner 24 para repetir contacto por "
        "dia )",
        8);
    EXPECT_EQ(avisos.pitidos, 1);
    Reescribe(Caja(8), "2400");
    RechazaCon("Error en formato de la hora.- Formato admitido: hh:mm. Hora igual o menor que 23 y minutos "
               "igual o menor que 59",
               8);
    EXPECT_EQ(avisos.cajas[0].titulo, "VERIFICAR HORA");
    Reescribe(Caja(8), "24");

    Control<QCheckBox>("EnviarZonaCQ")->click();
    for (const auto& [zona, texto] : std::initializer_list<std::pair<QString, QString>>{
             {"1 4", "   .- No se puede haber espacios en blanco entre los digitos de la ZONA"},
             {"41", " La ZONA CQ no debe ser mayor de 40."},
             {"-", " La ZONA CQ debe ser numérica."},
             {"ABC", " La ZONA CQ debe ser numérica."}}) {
        Reescribe(Caja(6), zona);
        RechazaCon(texto, 6);
        EXPECT_EQ(avisos.cajas[0].titulo, "VERIFICAR ZONA A ENVIAR") << zona.toStdString();
        // The hours passed their check before: the box shows them normalised.
        EXPECT_EQ(Caja(8)->text(), "23:59");
    }
    Reescribe(Caja(6), "40");
    Guarda();
    ConjuntoRegistros r = Concurso(42);
    EXPECT_EQ(r.texto("HorasRepeticion"), "23:59");
    EXPECT_EQ(r.texto("Siglas"), "40");
    EXPECT_EQ(r.texto("Mes"), "MARZO");

    // A geodesic vertex reference is stored without its hyphen.
    Pulsa(Qt::Key_F4);
    Reescribe(Caja(1), "VGE SPRINT");
    Control<QCheckBox>("EnviarSiglas")->click();
    Reescribe(Caja(6), "VGX-123");
    RechazaCon("La referencia no es correcta", 6);
    Reescribe(Caja(6), "VGM-123");
    Guarda();
    EXPECT_EQ(Concurso(42).texto("Siglas"), "VGM123");
    EXPECT_EQ(Caja(6)->text(), "VGM123");
}

TEST_F(EditorOpciones, NombresDeBandasYModosDeUsuario) {
    Inicia();
    EXPECT_EQ(Banda(13)->text(), "User1");
    EXPECT_EQ(RST(1)->text(), "59");
    EXPECT_FALSE(Boton("AñadirBanda")->isEnabled());

    Pulsa(Qt::Key_F4);
    ASSERT_TRUE(Boton("AñadirModo")->isEnabled());
    Boton("AñadirModo")->click();
    EXPECT_TRUE(estado->EditandoUser);
    EXPECT_FALSE(U().isHidden());
    EXPECT_TRUE(Marco("PanelBandas")->isHidden());
    EXPECT_TRUE(ModoUser(1)->hasFocus());
    EXPECT_FALSE(Boton("Aceptar")->isEnabled());
    EXPECT_FALSE(Control<QFrame>("PanelBotonesConcurso")->isEnabled());
    EXPECT_FALSE(Marco("FrameControles")->isEnabled());
    EXPECT_TRUE(Boton("AceptarCambios")->isEnabled());

    // Both a band and a mode empty: the band is reported; then the mode; nothing stored.
    Reescribe(ModoUser(4), "   ");
    Reescribe(BandaUser(2), "");
    avisos.limpia();
    Boton("AceptarCambios")->click();
    ASSERT_EQ(avisos.textos(), QStringList{"No se puede dejar el nombre de la BANDA en blanco"});
    EXPECT_EQ(avisos.cajas[0].titulo, "");
    EXPECT_EQ(avisos.cajas[0].icono, Icono::Ninguno);
    EXPECT_TRUE(BandaUser(2)->hasFocus());
    Escribe("23cm");
    avisos.limpia();
    Boton("AceptarCambios")->click();
    ASSERT_EQ(avisos.textos(), QStringList{"No se puede dejar el nombre del MODO en blanco"});
    EXPECT_TRUE(ModoUser(4)->hasFocus());
    EXPECT_TRUE(estado->EditandoUser);
    EXPECT_EQ(Fila("Control", "").texto("BandaUser2"), "User2");

    // Accepted: names as typed (no capitals), reports cut to their field, an empty report kept.
    Escribe("ft8");
    Reescribe(BandaUser(1), "2400");
    Reescribe(RST(1), "5999");
    Reescribe(RST(2), "");
    Boton("AceptarCambios")->click();
    EXPECT_FALSE(estado->EditandoUser);
    EXPECT_TRUE(U().isHidden());
    EXPECT_FALSE(Marco("PanelBandas")->isHidden());
    EXPECT_TRUE(Boton("Aceptar")->isEnabled());
    EXPECT_TRUE(Marco("FrameControles")->isEnabled());
    EXPECT_EQ(Banda(13)->text(), "2400");
    EXPECT_EQ(Banda(14)->text(), "23cm");
    EXPECT_EQ(Modo(11)->text(), "ft8");
    ConjuntoRegistros c = Fila("Control", "");
    EXPECT_EQ(c.texto("BandaUser1"), "2400");
    EXPECT_EQ(c.texto("ModoUser4"), "ft8");
    EXPECT_EQ(c.texto("TipoUser1"), "599");
    EXPECT_EQ(c.texto("TipoUser2"), "");

    // Cancelled: captions and stored names stay, the typed text waits for the next opening.
    Boton("AñadirBanda")->click();
    EXPECT_TRUE(BandaUser(1)->hasFocus());
    Reescribe(BandaUser(1), "70CM");
    Boton("CancelarCambios")->click();
    EXPECT_EQ(Banda(13)->text(), "2400");
    EXPECT_EQ(Fila("Control", "").texto("BandaUser1"), "2400");
    Boton("AñadirBanda")->click();
    EXPECT_EQ(BandaUser(1)->text(), "70CM");
    Boton("CancelarCambios")->click();

    // The contest edit goes on and ends; the buttons close with it.
    Guarda();
    EXPECT_FALSE(Boton("AñadirBanda")->isEnabled());
}

TEST_F(EditorOpciones, BandaPulsadaAntesDeTerminarElArranque) {
    Inicia();
    Pulsa(Qt::Key_F2);
    estado->ActivarCheck = false;
    Caja(4)->setFocus();
    Banda(2)->click();
    EXPECT_TRUE(Caja(1)->hasFocus());
    estado->ActivarCheck = true;
    Caja(4)->setFocus();
    Modo(2)->click();
    EXPECT_FALSE(Caja(1)->hasFocus());
}

} // namespace
