// The checks run before a contest definition is stored: order, messages, focus, normalised values.
#include "Falsos.h"
#include "ValidacionConcurso.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <map>
#include <tuple>

namespace {

using O = Opcion;
using Prepara = std::function<void(DatosValidacion&)>;

// A definition every check accepts: with it a case changes only what it is about.
DatosValidacion Valida() {
    DatosValidacion d;
    d.valores = QStringList{"1", "PRUEBA", "2026", "", "", "0", "", "", "", "MAYO"};
    d.bandas[0] = true;
    d.modos[1] = true;
    d.indicativo = "EA4BBB";
    PreparaNuevoConcurso(d.opciones, d.indicativo);
    return d;
}

Prepara Valor(int i, const QString& texto, std::optional<O> marca = {}) {
    return [=](DatosValidacion& d) {
        d.valores[i] = texto;
        if (marca) Cambia(d.opciones, *marca, true, d.indicativo);
    };
}
Prepara Horas(const QString& h) {
    return Valor(8, h, O::RepetirEnCadaHoras);
}
Prepara Zona(const QString& z) {
    return Valor(6, z, O::EnviarZonaCQ);
}
Prepara Siglas(const QString& nombre, const QString& siglas, const QString& indicativo = "EA4BBB") {
    return [=](DatosValidacion& d) {
        Valor(6, siglas, O::EnviarSiglas)(d);
        d.valores[1] = nombre;
        d.indicativo = indicativo;
    };
}

struct Mensaje {
    QString texto; // its beginning
    QString titulo;
    Icono icono;
    bool pitido;
    int foco;
};

const QString Letras = "VERIFICAR LETRAS A ENVIAR", Zona2 = "VERIFICAR ZONA A ENVIAR";
const QString Referencia = "VERIFICAR REFERENCIA", HoraMal = "Error en formato de la hora.- Formato admitido";

// clang-format off
const std::map<int, Mensaje> Mensajes{
    {1, {"Campo Concurso vacio", "", Icono::Ninguno, false, 1}},
    {2, {"El dato Edición no se puede dejar vacio", "", Icono::Ninguno, false, 2}},
    {3, {"El NOMBRE del MES no es correcto", "", Icono::Ninguno, false, 9}},
    {4, {"Falta el número de horas en que se puede REPETIR ESTACIÓN (Poner 24 para repetir contacto por dia )", "VERIFICAR HORAS DE REPETICION", Icono::Critico, true, 8}},
    {5, {HoraMal, "VERIFICAR HORA", Icono::Informacion, false, 8}},
    {7, {" No se ha configurado ninguna BANDA.", "VERIFICAR la configuración de la BANDAS.", Icono::Critico, false, -1}},
    {8, {" No se ha configurado ningún MODO.", "VERIFICAR la configuración de los MODOS.", Icono::Critico, false, -1}},
    {9, {"Falta el LOCATOR", "", Icono::Ninguno, false, 4}},
    {10, {"Locator no válido", "VERIFICAR LOCATOR CONCURSO", Icono::Critico, false, 4}},
    {11, {"   .- FALTAN los códigos, siglas, letras, EDAD, ZONA, Potencia etc. que va a enviar en el concurso o en la activación.\r\n\r\n   .- Si va a enviar en cada contacto códigos, siglas o letras diferentes marque enviar códigos VARIABLES.", Letras, Icono::Critico, true, 6}},
    {12, {"   .- No se puede dejar espacios en blanco entre las Siglas, Ref. o Controles a enviar.\r\n\r\n   .- Si va a enviar varias Siglas, Ref. o Controles, sepárelos con , (comas).", Letras, Icono::Critico, true, 6}},
    {13, {"La referencia no es correcta", Referencia, Icono::Critico, false, 6}},
    {-13, {"Las SIGLAS de la provincia no son correctas", Referencia, Icono::Critico, false, 6}},
    {14, {"   .- FALTA la ZONA CQ PROPIA.\r\n\r\n   .- Introduzca el código de su ZONA CQ.", "VERIFICAR ZONA CQ", Icono::Critico, true, 6}},
    {15, {"   .- No se puede haber espacios en blanco entre los digitos de la ZONA", Zona2, Icono::Critico, true, 6}},
    {16, {" La ZONA CQ debe ser numérica.", Zona2, Icono::Critico, false, 6}},
    {17, {" La ZONA CQ no debe ser mayor de 40.", Zona2, Icono::Critico, false, 6}},
};
// clang-format on

} // namespace

TEST(ValidaConcurso, CadaRechazoConSuMensajeTituloIconoYFoco) {
    const auto sinBandaConLocator = [](DatosValidacion& d) {
        d.bandas[0] = false;
        Valor(4, "", O::EnviarLocator)(d);
    };
    // Step 13 of a province list is -13: the same check with the province message.
    // clang-format off
    const std::vector<std::tuple<const char*, Prepara, int>> casos{
        {"nombre de blancos", Valor(1, "   "), 1}, {"edicion vacia", Valor(2, ""), 2},
        {"mes mal escrito", Valor(9, "MAYOO"), 3}, {"Sin Mes no es un mes", Valor(9, "Sin Mes"), 3},
        {"faltan horas", Horas(" "), 4}, {"2400", Horas("2400"), 5}, {"12.30", Horas("12.30"), 5},
        {"sin banda, antes que el locator", sinBandaConLocator, 7},
        {"sin modo", [](DatosValidacion& d) { d.modos[1] = false; }, 8},
        {"falta locator", Valor(4, " ", O::EnviarLocator), 9}, {"locator mal", Valor(4, "IN8DJ", O::EnviarLocator), 10},
        {"faltan letras", Siglas("PRUEBA", ""), 11}, {"blancos en letras", Siglas("PRUEBA", "M, TO"), 12},
        {"VGE dos cifras", Siglas("VGE SPRINT", "VGM-12"), 13}, {"VGE sin provincia", Siglas("VGE SPRINT", "VGX-123"), 13},
        {"VGE sin cifras", Siglas("VGE SPRINT", "VG-ABC"), 13}, {"VGE con signo", Siglas("VGE SPRINT", "-5"), 13},
        {"CNCW", Siglas("CNCW", "XX"), -13}, {"minusculas", Siglas("S.M. EL REY SSB", "m"), -13},
        {"NARANJA desde EA", Siglas("NARANJA-CW", "XX", "EA5AAA"), -13},
        {"falta zona", Zona(""), 14}, {"zona 1 4", Zona("1 4"), 15}, {"zona -", Zona("-"), 16},
        {"zona abc", Zona("abc"), 16}, {"zona 1e1", Zona("1e1"), 16}, {"zona 41", Zona("41"), 17},
        {"zona enorme", Zona("99999999999999999999"), 17},
    };
    // clang-format on
    AvisosFalsos avisos;
    for (const auto& [nombre, prepara, paso] : casos) {
        SCOPED_TRACE(nombre);
        DatosValidacion d = Valida();
        prepara(d);
        const ResultadoValidacion r = ValidaConcurso(d);
        ASSERT_FALSE(r.acepta());
        const RechazoConcurso& rechazo = *r.rechazo;
        const Mensaje& m = Mensajes.at(paso);
        EXPECT_EQ(rechazo.paso, std::abs(paso));
        EXPECT_TRUE(rechazo.aviso.texto.startsWith(m.texto)) << rechazo.aviso.texto.toStdString();
        EXPECT_EQ(rechazo.aviso.titulo, m.titulo);
        EXPECT_EQ(rechazo.aviso.icono, m.icono);
        EXPECT_EQ(rechazo.aviso.botones, Botones::Aceptar);
        EXPECT_EQ(rechazo.pitido, m.pitido);
        EXPECT_EQ(rechazo.foco, m.foco);
    }
    EXPECT_TRUE(avisos.cajas.empty()) << "the checks show nothing themselves";
}

TEST(ValidaConcurso, AceptaYNormaliza) {
    // clang-format off
    const std::vector<std::tuple<const char*, Prepara, int, QString>> casos{
        {"24 horas", Horas("24"), 8, "23:59"}, {"1230", Horas("1230"), 8, "12:30"},
        {"VGM-123", Siglas("VGE SPRINT", "VGM-123"), 6, "VGM123"}, {"VGM123", Siglas("VGE SPRINT", "VGM123"), 6, "VGM123"},
        {"vertice numerico", Siglas("VGE SPRINT", "123"), 6, "123"},
        {"CNCW sin enviar siglas", Valor(1, "CNCW"), 6, ""}, {"CNCW con provincia", Siglas("CNCW", "TO"), 6, "TO"},
        {"NARANJA desde EB", Siglas("NARANJA-CW", "XX", "EB5AAA"), 6, "XX"},
        {"NARANJA C3", Siglas("NARANJA-PSK63", "C3", "EA5AAA"), 6, "C3"},
        {"nombre en otra forma", Siglas("cncw", "XX"), 6, "XX"}, {"zona 40", Zona("40"), 6, "40"},
        {"locator", Valor(4, "IN80DJ", O::EnviarLocator), 4, "IN80DJ"}, {"sin mes", Valor(9, ""), 9, ""},
    };
    // clang-format on
    for (const auto& [nombre, prepara, posicion, guardado] : casos) {
        SCOPED_TRACE(nombre);
        DatosValidacion d = Valida();
        prepara(d);
        const ResultadoValidacion r = ValidaConcurso(d);
        EXPECT_TRUE(r.acepta()) << (r.rechazo ? r.rechazo->aviso.texto.toStdString() : "");
        EXPECT_TRUE(r.muestraHoras);
        EXPECT_EQ(r.valores.value(posicion), guardado);
    }
}

TEST(ValidaConcurso, LasHorasSeMuestranNormalizadasAunqueOtraComprobacionRechace) {
    DatosValidacion d = Valida();
    Horas("24")(d);
    d.modos[1] = false;
    ResultadoValidacion r = ValidaConcurso(d);
    EXPECT_EQ(r.rechazo->paso, 8);
    EXPECT_TRUE(r.muestraHoras);
    EXPECT_EQ(r.valores[8], "23:59");

    d = Valida();
    Horas("2400")(d);
    EXPECT_FALSE(ValidaConcurso(d).muestraHoras); // a refused hour stays as typed
}

TEST(ValidaConcurso, ElRechazoPitaYMuestraSuCaja) {
    AvisosFalsos avisos;
    DatosValidacion d = Valida();
    Zona("1 4")(d);
    MuestraRechazo(*ValidaConcurso(d).rechazo);
    EXPECT_EQ(avisos.pitidos, 1);
    ASSERT_EQ(avisos.cajas.size(), 1u);
    EXPECT_EQ(avisos.cajas[0].titulo, Zona2);

    avisos.limpia();
    d = Valida();
    d.valores[1].clear();
    MuestraRechazo(*ValidaConcurso(d).rechazo);
    EXPECT_EQ(avisos.pitidos, 0);
    EXPECT_EQ(avisos.textos(), QStringList{"Campo Concurso vacio"});
}
