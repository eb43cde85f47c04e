// The checks run before a contest definition is stored: order, messages, focus, normalised values.
#include "Falsos.h"
#include "ValidacionConcurso.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

using O = Opcion;

// A definition every check accepts.
DatosValidacion Valida() {
    DatosValidacion d;
    d.valores = QStringList{"1", "PRUEBA", "2026", "", "", "0", "", "", "", "MAYO"};
    d.bandas[0] = true;
    d.modos[1] = true;
    d.indicativo = "EA4BBB";
    PreparaNuevoConcurso(d.opciones, d.indicativo);
    return d;
}

void Marca(DatosValidacion& d, O opcion) {
    Cambia(d.opciones, opcion, true, d.indicativo);
}

// A contest that sends these letters and has this name.
std::function<void(DatosValidacion&)> Siglas(const QString& nombre, const QString& siglas,
                                             const QString& indicativo = "EA4BBB") {
    return [=](DatosValidacion& d) {
        Marca(d, O::EnviarSiglas);
        d.valores[1] = nombre;
        d.valores[6] = siglas;
        d.indicativo = indicativo;
    };
}

std::function<void(DatosValidacion&)> Zona(const QString& zona) {
    return [=](DatosValidacion& d) {
        Marca(d, O::EnviarZonaCQ);
        d.valores[6] = zona;
    };
}

std::function<void(DatosValidacion&)> Horas(const QString& horas) {
    return [=](DatosValidacion& d) {
        Marca(d, O::RepetirEnCadaHoras);
        d.valores[8] = horas;
    };
}

const QString Letras = "VERIFICAR LETRAS A ENVIAR";
const QString Referencia = "VERIFICAR REFERENCIA";
const QString ZonaEnviar = "VERIFICAR ZONA A ENVIAR";
const QString ProvinciaMal = "Las SIGLAS de la provincia no son correctas";
const QString ReferenciaMal = "La referencia no es correcta";
const QString HoraMal = "Error en formato de la hora.- Formato admitido: hh:mm. Hora igual o menor que 23 y "
                        "minutos igual o menor que 59";

struct Caso {
    const char* nombre;
    std::function<void(DatosValidacion&)> prepara;
    int paso;
    QString texto; // beginning of the message
    QString titulo;
    Icono icono;
    bool pitido;
    int foco;
};

} // namespace

TEST(ValidaConcurso, CadaRechazoConSuMensajeTituloIconoYFoco) {
    const std::vector<Caso> casos{
        {"nombre de blancos", [](auto& d) { d.valores[1] = "   "; }, 1, "Campo Concurso vacio", "",
         Icono::Ninguno, false, 1},
        {"edicion vacia", [](auto& d) { d.valores[2] = ""; }, 2, "El dato Edición no se puede dejar vacio",
         "", Icono::Ninguno, false, 2},
        {"mes mal escrito", [](auto& d) { d.valores[9] = "MAYOO"; }, 3, "El NOMBRE del MES no es correcto",
         "", Icono::Ninguno, false, 9},
        {"Sin Mes no es un mes", [](auto& d) { d.valores[9] = "Sin Mes"; }, 3, "El NOMBRE del MES", "",
         Icono::Ninguno, false, 9},
        {"faltan horas", Horas(" "), 4, "Falta el número de horas en que se puede REPETIR ESTACIÓN (Poner 24",
         "VERIFICAR HORAS DE REPETICION", Icono::Critico, true, 8},
        {"2400 horas", Horas("2400"), 5, HoraMal, "VERIFICAR HORA", Icono::Informacion, false, 8},
        {"horas con punto", Horas("12.30"), 5, HoraMal, "VERIFICAR HORA", Icono::Informacion, false, 8},
        {"ninguna banda antes que el locator",
         [](auto& d) {
             d.bandas[0] = false;
             Marca(d, O::EnviarLocator);
         },
         7, " No se ha configurado ninguna BANDA.", "VERIFICAR la configuración de la BANDAS.",
         Icono::Critico, false, -1},
        {"ningun modo", [](auto& d) { d.modos[1] = false; }, 8, " No se ha configurado ningún MODO.",
         "VERIFICAR la configuración de los MODOS.", Icono::Critico, false, -1},
        {"falta el locator", [](auto& d) { Marca(d, O::EnviarLocator); }, 9, "Falta el LOCATOR", "",
         Icono::Ninguno, false, 4},
        {"locator mal",
         [](auto& d) {
             Marca(d, O::EnviarLocator);
             d.valores[4] = "IN8DJ";
         },
         10, "Locator no válido", "VERIFICAR LOCATOR CONCURSO", Icono::Critico, false, 4},
        {"faltan letras fijas", Siglas("PRUEBA", ""), 11,
         "   .- FALTAN los códigos, siglas, letras, EDAD, ZONA, Potencia etc. que va a enviar en el concurso "
         "o en "
         "la activación.\r\n\r\n   .- Si va a enviar en cada contacto",
         Letras, Icono::Critico, true, 6},
        {"blancos en las letras", Siglas("PRUEBA", "M, TO"), 12,
         "   .- No se puede dejar espacios en blanco entre las Siglas, Ref. o Controles a enviar.\r\n\r\n   "
         ".- Si "
         "va a enviar varias",
         Letras, Icono::Critico, true, 6},
        {"VGE con dos cifras", Siglas("VGE SPRINT", "VGM-12"), 13, ReferenciaMal, Referencia, Icono::Critico,
         false, 6},
        {"VGE sin provincia", Siglas("VGE SPRINT", "VGX-123"), 13, ReferenciaMal, Referencia, Icono::Critico,
         false, 6},
        {"VGE sin cifras", Siglas("VGE SPRINT", "VG-ABC"), 13, ReferenciaMal, Referencia, Icono::Critico,
         false, 6},
        {"VGE numero con signo", Siglas("VGE SPRINT", "-5"), 13, ReferenciaMal, Referencia, Icono::Critico,
         false, 6},
        {"CNCW sin provincia", Siglas("CNCW", "XX"), 13, ProvinciaMal, Referencia, Icono::Critico, false, 6},
        {"provincia en minusculas", Siglas("S.M. EL REY SSB", "m"), 13, ProvinciaMal, Referencia,
         Icono::Critico, false, 6},
        {"NARANJA desde EA", Siglas("NARANJA-CW", "XX", "EA5AAA"), 13, ProvinciaMal, Referencia,
         Icono::Critico, false, 6},
        {"falta la zona", Zona(""), 14,
         "   .- FALTA la ZONA CQ PROPIA.\r\n\r\n   .- Introduzca el código de su "
         "ZONA CQ.",
         "VERIFICAR ZONA CQ", Icono::Critico, true, 6},
        {"zona 1 4", Zona("1 4"), 15,
         "   .- No se puede haber espacios en blanco entre los digitos de la ZONA", ZonaEnviar,
         Icono::Critico, true, 6},
        {"zona -", Zona("-"), 16, " La ZONA CQ debe ser numérica.", ZonaEnviar, Icono::Critico, false, 6},
        {"zona abc", Zona("abc"), 16, " La ZONA CQ debe ser numérica.", ZonaEnviar, Icono::Critico, false, 6},
        {"zona 1e1", Zona("1e1"), 16, " La ZONA CQ debe ser numérica.", ZonaEnviar, Icono::Critico, false, 6},
        {"zona 41", Zona("41"), 17, " La ZONA CQ no debe ser mayor de 40.", ZonaEnviar, Icono::Critico, false,
         6},
        {"zona enorme", Zona("99999999999999999999"), 17, " La ZONA CQ no debe", ZonaEnviar, Icono::Critico,
         false, 6},
    };
    AvisosFalsos avisos;
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nombre);
        DatosValidacion d = Valida();
        c.prepara(d);
        const ResultadoValidacion r = ValidaConcurso(d);
        ASSERT_FALSE(r.acepta());
        const RechazoConcurso& rechazo = *r.rechazo;
        EXPECT_EQ(rechazo.paso, c.paso);
        EXPECT_TRUE(rechazo.aviso.texto.startsWith(c.texto)) << rechazo.aviso.texto.toStdString();
        EXPECT_EQ(rechazo.aviso.titulo, c.titulo);
        EXPECT_EQ(rechazo.aviso.icono, c.icono);
        EXPECT_EQ(rechazo.aviso.botones, Botones::Aceptar);
        EXPECT_EQ(rechazo.pitido, c.pitido);
        EXPECT_EQ(rechazo.foco, c.foco);
    }
    EXPECT_TRUE(avisos.cajas.empty()) << "the checks show nothing themselves";
}

TEST(ValidaConcurso, AceptaYNormaliza) {
    struct Aceptado {
        const char* nombre;
        std::function<void(DatosValidacion&)> prepara;
        int posicion;
        QString guardado;
    };
    const std::vector<Aceptado> casos{
        {"24 horas", Horas("24"), 8, "23:59"},
        {"1230", Horas("1230"), 8, "12:30"},
        {"VGM-123", Siglas("VGE SPRINT", "VGM-123"), 6, "VGM123"},
        {"VGM123", Siglas("VGE SPRINT", "VGM123"), 6, "VGM123"},
        {"vertice numerico", Siglas("VGE SPRINT", "123"), 6, "123"},
        {"CNCW sin enviar siglas", [](auto& d) { d.valores[1] = "CNCW"; }, 6, ""},
        {"CNCW con provincia", Siglas("CNCW", "TO"), 6, "TO"},
        {"NARANJA desde EB", Siglas("NARANJA-CW", "XX", "EB5AAA"), 6, "XX"},
        {"NARANJA C3", Siglas("NARANJA-PSK63", "C3", "EA5AAA"), 6, "C3"},
        {"nombre en otra forma", Siglas("cncw", "XX"), 6, "XX"},
        {"zona 40", Zona("40"), 6, "40"},
        {"locator",
         [](auto& d) {
             Marca(d, O::EnviarLocator);
             d.valores[4] = "IN80DJ";
         },
         4, "IN80DJ"},
        {"sin mes", [](auto& d) { d.valores[9] = ""; }, 9, ""},
    };
    for (const Aceptado& c : casos) {
        SCOPED_TRACE(c.nombre);
        DatosValidacion d = Valida();
        c.prepara(d);
        const ResultadoValidacion r = ValidaConcurso(d);
        EXPECT_TRUE(r.acepta()) << (r.rechazo ? r.rechazo->aviso.texto.toStdString() : "");
        EXPECT_TRUE(r.muestraHoras);
        EXPECT_EQ(r.valores.value(c.posicion), c.guardado);
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

    // A refused hour is left as typed in its box.
    d = Valida();
    Horas("2400")(d);
    r = ValidaConcurso(d);
    EXPECT_FALSE(r.muestraHoras);
}

TEST(ValidaConcurso, ElRechazoPitaAntesDeMostrarSuCaja) {
    AvisosFalsos avisos;
    DatosValidacion d = Valida();
    Zona("1 4")(d);
    MuestraRechazo(*ValidaConcurso(d).rechazo);
    EXPECT_EQ(avisos.pitidos, 1);
    ASSERT_EQ(avisos.cajas.size(), 1u);
    EXPECT_EQ(avisos.cajas[0].titulo, ZonaEnviar);

    avisos.limpia();
    d = Valida();
    d.valores[1] = "";
    MuestraRechazo(*ValidaConcurso(d).rechazo);
    EXPECT_EQ(avisos.pitidos, 0);
    EXPECT_EQ(avisos.textos(), QStringList{"Campo Concurso vacio"});
}
