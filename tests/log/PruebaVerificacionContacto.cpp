// The checks of a QSO row before it is stored, one row per case.
#include "VerificacionContacto.h"

#include "Falsos.h"

#include <gtest/gtest.h>

#include <functional>
#include <tuple>

namespace {

using C = Columna;

const QString MensajeHora = QStringLiteral("Error en formato de la hora.- Formato admitido: hh:mm. Hora "
                                           "igual o menor que 23 y minutos igual o menor "
                                           "que 59");

DatosContacto Base() {
    DatosContacto d;
    d.fila[C::FechaQso] = "150326";
    d.fila[C::HoraQso] = "1030";
    d.fila[C::Banda] = "14";
    d.fila[C::Modo] = "SSB";
    d.fila[C::Indicativo] = "EA1ABC";
    d.fila[C::RsRecibido] = "59";
    d.fila[C::RsEnviado] = "59";
    d.bandas = {"7", "14", "21"};
    d.modos = {"SSB", "CW"};
    d.reglas.nombreConcurso = "PRUEBA";
    return d;
}

struct Caso {
    const char* nombre;
    std::function<void(DatosContacto&)> prepara;
    const char* mensaje; // nullptr: accepted
    const char* titulo;
    Columna foco;
};

void Zona(DatosContacto& d, bool enviada, const char* v) {
    if (enviada) {
        d.reglas.enviarZonaCq = true;
        d.fila[C::LiteralEnviado] = v;
    } else {
        d.reglas.recibirZonaCq = true;
        d.fila[C::LiteralRecibido] = v;
    }
}

void Siglas(DatosContacto& d, const char* concurso, const char* v) {
    d.reglas.nombreConcurso = QString::fromUtf8(concurso);
    d.reglas.recibirSiglas = true;
    d.fila[C::LiteralRecibido] = QString::fromUtf8(v);
}

void Control(DatosContacto& d, const char* concurso, const char* v) {
    d.reglas.nombreConcurso = QString::fromUtf8(concurso);
    d.reglas.recibirSiglas = true;
    d.reglas.numeraloSiglas = true;
    d.fila[C::ControlRec] = QString::fromUtf8(v);
}

const char* const FaltaSiglas =
    "Falta las SIGLAS, REF., CÓDIGOS o CONTROLES recibidas. Si no recibe siglas, u otro "
    "tipo de control, introduzca un - (Guión). ";
const char* const FechaMala = "Error en FORMATO fecha, formato correcto: dd-mm-aa ";
const char* const ProvinciaMal = "Las SIGLAS de la provincia no son correctas";
const char* const VgMal = "La referencia o el número serie no son correctos";

TEST(VerificaContacto, CadaComprobacionConSuMensajeTituloYFoco) {
    const Caso casos[] = {
        {"todo bien", [](DatosContacto&) {}, nullptr, nullptr, C::FechaQso},
        {"sin fecha", [](DatosContacto& d) { d.fila[C::FechaQso] = "  "; }, "", "", C::FechaQso},
        {"fecha mala", [](DatosContacto& d) { d.fila[C::FechaQso] = "32-13-2026"; },
         "Error en FORMATO fecha, formato correcto: dd-mm-aa ", "VERIFICAR FORMATO FECHA ", C::FechaQso},
        {"sin hora", [](DatosContacto& d) { d.fila[C::HoraQso] = ""; }, "", "", C::HoraQso},
        {"hora 2460", [](DatosContacto& d) { d.fila[C::HoraQso] = "2460"; }, nullptr, "VERIFICAR HORA",
         C::HoraQso},
        {"hora 12.30 no calla", [](DatosContacto& d) { d.fila[C::HoraQso] = "12.30"; }, nullptr,
         "VERIFICAR HORA", C::HoraQso},
        {"sin indicativo", [](DatosContacto& d) { d.fila[C::Indicativo] = ""; }, "", "", C::Indicativo},
        {"banda 14 sin habilitar",
         [](DatosContacto& d) {
             d.bandas = {"7", "21"};
         },
         "Banda no permitida o no existente", "ERROR EN BANDA", C::Banda},
        {"modo en minúsculas", [](DatosContacto& d) { d.fila[C::Modo] = "ssb"; },
         "MODO no permitido o no existente", "ERROR EN MODO", C::Modo},
        {"falta numeral enviado", [](DatosContacto& d) { d.reglas.enviarNumeral = true; },
         "Falta NÚMERO SERIE Enviado", "VERIFICAR NUMERAL Enviado", C::NumeralEnviado},
        {"numeral enviado no numérico",
         [](DatosContacto& d) {
             d.reglas.enviarNumeral = true;
             d.fila[C::NumeralEnviado] = "1A";
         },
         "El NÚMERO SERIE enviado no es numérico", "VERIFICAR NUMERAL Enviado", C::NumeralEnviado},
        {"numeral enviado sin sitio",
         [](DatosContacto& d) {
             d.reglas.enviarNumeral = true;
             d.fila[C::NumeralEnviado] = "100000";
         },
         "No caben más de 5 caracteres en el NÚMERO SERIE Enviado", "VERIFICAR NUMERAL Enviado",
         C::NumeralEnviado},
        {"falta literal enviado", [](DatosContacto& d) { d.reglas.enviarSiglas = true; },
         "Falta las SIGLAS, REF., CÓDIGOS o CONTROLES a enviar ", "VERIFICAR LITERAL Enviado",
         C::LiteralEnviado},
        {"falta locator enviado", [](DatosContacto& d) { d.reglas.enviarLocator = true; },
         "Falta el LOCATOR enviado", "VERIFICAR LOCATOR ENVIADO", C::QraLocatorEnviado},
        {"zona enviada 40", [](DatosContacto& d) { Zona(d, true, "40"); }, nullptr, nullptr, C::FechaQso},
        {"zona enviada 41", [](DatosContacto& d) { Zona(d, true, "41"); }, "La ZONA no debe ser mayor de 40",
         "VERIFICAR ZONA Enviada", C::LiteralEnviado},
        {"zona enviada -", [](DatosContacto& d) { Zona(d, true, "-"); }, "La ZONA enviada no es numérica",
         "VERIFICAR ZONA Enviada", C::LiteralEnviado},
        {"zona recibida 40", [](DatosContacto& d) { Zona(d, false, "40"); }, nullptr, nullptr, C::FechaQso},
        {"zona recibida 41", [](DatosContacto& d) { Zona(d, false, "41"); },
         "La ZONA no debe ser mayor de 40", "VERIFICAR ZONA recibida", C::LiteralRecibido},
        {"zona recibida vacía", [](DatosContacto& d) { Zona(d, false, ""); }, "Falta La ZONA recibida",
         "VERIFICAR ZONA recibida", C::LiteralRecibido},
        {"zona en ControlRec",
         [](DatosContacto& d) {
             Control(d, "CQ WW", "41");
             d.reglas.recibirSiglas = false;
             d.reglas.recibirZonaCq = true;
         },
         "La ZONA no debe ser mayor de 40", "VERIFICAR ZONA recibida", C::ControlRec},
        {"puntos enviados",
         [](DatosContacto& d) {
             d.reglas.enviarPuntos = true;
             d.fila[C::PuntosEnviados] = "x";
         },
         "Los PUNTOS Enviados no son numéricos", "VERIFICAR PUNTOS Enviados", C::PuntosEnviados},
        {"numeral recibido -",
         [](DatosContacto& d) {
             d.reglas.recibirNumeral = true;
             d.fila[C::NumeralRecibido] = "-";
         },
         nullptr, nullptr, C::FechaQso},
        {"falta numeral recibido", [](DatosContacto& d) { d.reglas.recibirNumeral = true; },
         "Falta el NÚMERO SERIE Recibido", "VERIFICAR NÚMERO SERIE RECIBIDO", C::NumeralRecibido},
        {"falta control",
         [](DatosContacto& d) {
             d.reglas.recibirNumeral = true;
             d.reglas.numeraloSiglas = true;
         },
         "Falta el CONTROL Recibido", "VERIFICAR CONTROL RECIBIDO", C::ControlRec},
        {"falta literal recibido", [](DatosContacto& d) { Siglas(d, "PRUEBA", " "); }, FaltaSiglas,
         "VERIFICAR CONTROL RECIBIDO", C::LiteralRecibido},
        {"CNCW provincia", [](DatosContacto& d) { Siglas(d, "CNCW", "M"); }, nullptr, nullptr, C::FechaQso},
        {"CNCW no provincia", [](DatosContacto& d) { Siglas(d, "CNCW", "XX"); }, ProvinciaMal,
         "VERIFICAR SIGLAS", C::LiteralRecibido},
        {"nombre casi igual", [](DatosContacto& d) { Siglas(d, "cncw", "XX"); }, nullptr, nullptr,
         C::FechaQso},
        {"NARANJA-CW C3", [](DatosContacto& d) { Siglas(d, "NARANJA-CW", "C3"); }, nullptr, nullptr,
         C::FechaQso},
        {"NARANJA-CW desde CT",
         [](DatosContacto& d) {
             Siglas(d, "NARANJA-PSK63", "XX");
             d.reglas.indicativoEstacion = "CT1ABC";
         },
         nullptr, nullptr, C::FechaQso},
        {"NARANJA-CW desde EA",
         [](DatosContacto& d) {
             Siglas(d, "NARANJA-CW", "XX");
             d.reglas.indicativoEstacion = "EA1ABC";
         },
         ProvinciaMal, "VERIFICAR SIGLAS", C::LiteralRecibido},
        {"falta ControlRec", [](DatosContacto& d) { Control(d, "PRUEBA", ""); },
         "Falta el CONTROL Recibido. Si no recibe siglas, u otro tipo de control, introduzca un - (Guión).",
         "VERIFICAR CONTROL RECIBIDO", C::ControlRec},
        {"VGE referencia", [](DatosContacto& d) { Control(d, "VGE SPRINT", "VG-M123"); }, nullptr, nullptr,
         C::FechaQso},
        {"VGE número", [](DatosContacto& d) { Control(d, "VGE SPRINT", "123"); }, nullptr, nullptr,
         C::FechaQso},
        {"VGE ni número ni VG", [](DatosContacto& d) { Control(d, "VGE SPRINT", "ABC"); }, VgMal,
         "VERIFICAR REFERENCIA", C::ControlRec},
        {"VGE dos cifras", [](DatosContacto& d) { Control(d, "VGE SPRINT", "VGM12"); },
         "La referencia no es correcta", "VERIFICAR REFERENCIA", C::ControlRec},
        {"VGE sin provincia", [](DatosContacto& d) { Control(d, "VGE SPRINT", "VGXX123"); }, VgMal,
         "VERIFICAR REFERENCIA", C::ControlRec},
        {"EA RTTY provincia", [](DatosContacto& d) { Control(d, "EA RTTY", "M"); }, nullptr, nullptr,
         C::FechaQso},
        {"EA RTTY número", [](DatosContacto& d) { Control(d, "EA RTTY", "12"); }, nullptr, nullptr,
         C::FechaQso},
        {"EA RTTY mal", [](DatosContacto& d) { Control(d, "EA RTTY", "ZZ"); },
         "Las SIGLAS o el número serie no son correctos", "VERIFICAR CONTROL RECIBIDO", C::ControlRec},
        {"EA RTTY HQ", [](DatosContacto& d) { Control(d, "EA RTTY", "HQ"); },
         "Las SIGLAS o el número serie no son correctos", "VERIFICAR CONTROL RECIBIDO", C::ControlRec},
        {"MUNICIPIOS HQ", [](DatosContacto& d) { Control(d, "MUNICIPIOS ESPAÑOLES", "HQ"); }, nullptr,
         nullptr, C::FechaQso},
        {"falta locator recibido", [](DatosContacto& d) { d.reglas.recibirLocator = true; },
         "Falta LOCATOR Recibido", "VERIFICAR QRALOCATOR RECIBIDO", C::QraLocatorRecibido},
        {"puntos recibidos",
         [](DatosContacto& d) {
             d.reglas.recibirPuntos = true;
             d.fila[C::PuntosRecibidos] = "x";
         },
         "Los PUNTOS Recibidos no son correctos", "VERIFICAR PUNTOS RECIBIDOS", C::PuntosRecibidos},
        {"comillas", [](DatosContacto& d) { Siglas(d, "PRUEBA", "'; DROP TABLE Contactos; --"); }, nullptr,
         nullptr, C::FechaQso},
        {"pegado largo",
         [](DatosContacto& d) {
             Control(d, "PRUEBA", "");
             d.fila[C::ControlRec] = QString(200, u'Ж');
         },
         "No caben más de 64 caracteres en el CONTROL Recibido", "VERIFICAR CONTROL RECIBIDO", C::ControlRec},
        {"locator sin confirmar", [](DatosContacto& d) { d.fila[C::QraLocatorRecibido] = "IN8"; },
         "ERROR en QRA LOCATOR ", "VERIFICAR QRA LOCATOR", C::QraLocatorRecibido},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.nombre);
        DatosContacto d = Base();
        c.prepara(d);
        AvisosFalsos avisos;
        const ResultadoContacto r = VerificaContacto(d);
        EXPECT_TRUE(avisos.cajas.empty()); // the caller shows the refusal
        if (!c.titulo) {
            EXPECT_TRUE(r.acepta()) << r.rechazo->aviso.texto.toStdString();
            continue;
        }
        ASSERT_FALSE(r.acepta());
        EXPECT_EQ(r.rechazo->aviso.texto, c.mensaje ? QString::fromUtf8(c.mensaje) : MensajeHora);
        EXPECT_EQ(r.rechazo->aviso.titulo, QString::fromUtf8(c.titulo));
        EXPECT_EQ(r.rechazo->foco, c.foco);
        if (!r.rechazo->aviso.texto.isEmpty() && r.rechazo->paso > 2) {
            EXPECT_EQ(r.rechazo->aviso.icono, Icono::Critico);
        }
    }
}

// Values not of their kind, refused with their field's message and the focus there ("": accepted).
TEST(VerificaContacto, CadaValorDeSuClase) {
    const QString z = "La ZONA debe ser un número entero de 1 a 40", f = FechaMala, h = MensajeHora,
                  i = "El INDICATIVO no es correcto: debe tener al menos 3 caracteres, alguna cifra y solo "
                      "letras de la A a la Z, cifras o la barra /";
    const std::tuple<Columna, QStringList, QString> casos[] = {
        {C::LiteralRecibido, {"0", "-5", "4.5", "1E1"}, z},
        {C::LiteralEnviado, {"0"}, z},
        {C::PuntosRecibidos, {"1E3"}, "Los PUNTOS Recibidos no son correctos"},
        {C::PuntosEnviados, {"1.5"}, "Los PUNTOS Enviados no son numéricos"},
        {C::FechaQso, {"31-12-1899", "01-01-0100", "01-01-9999"}, f},
        {C::HoraQso, {"7"}, h},
        {C::Indicativo, {"EA", "E4", "EAABC", "EA4 AB", "EA4\"B", "EA4ÑA", "EA4😀"}, i},
        {C::LiteralRecibido, {"1", "40"}, ""},
        {C::FechaQso, {"01-01-1900", "31-12-2099"}, ""},
        {C::Indicativo, {"N0CALL/P"}, ""}};
    for (const auto& [campo, valores, mensaje] : casos)
        for (const QString& valor : valores) {
            DatosContacto d = Base();
            d.reglas.recibirZonaCq = d.reglas.enviarZonaCq = d.reglas.recibirPuntos = d.reglas.enviarPuntos =
                true;
            d.fila[C::LiteralRecibido] = d.fila[C::LiteralEnviado] = "14";
            d.fila[C::PuntosRecibidos] = d.fila[C::PuntosEnviados] = "3";
            d.fila[campo] = valor;
            const ResultadoContacto r = VerificaContacto(d);
            EXPECT_EQ(r.acepta() ? QString() : r.rechazo->aviso.texto, mensaje) << valor.toStdString();
            EXPECT_EQ(r.acepta() ? campo : r.rechazo->foco, campo) << valor.toStdString();
        }
}

TEST(VerificaContacto, DejaLosValoresNormalizadosYElQsoAGuardar) {
    DatosContacto d = Base();
    Control(d, "VGE SPRINT", "VG-M123");
    d.reglas.recibirNumeral = true;
    const auto r = VerificaContacto(d);
    ASSERT_TRUE(r.acepta());
    EXPECT_EQ(r.fila[C::FechaQso], "15-03-2026");
    EXPECT_EQ(r.fila[C::HoraQso], "10:30");
    EXPECT_EQ(r.fila[C::ControlRec], "VGM123");
    TextosFila guardada = r.fila;
    guardada[C::NumeroQso] = "7";
    const Qso q = QsoDeFila(guardada, d.reglas.numeroOrden);
    EXPECT_EQ(q.fecha, QDate(2026, 3, 15));
    EXPECT_EQ(q.literalRecibido, "VGM123");
    EXPECT_EQ(q.numeroQso, 7);

    DatosContacto s = Base();
    s.reglas.recibirNumeral = true;
    s.fila[C::NumeralRecibido] = "-";
    const auto rs = VerificaContacto(s);
    ASSERT_TRUE(rs.acepta());
    EXPECT_EQ(QsoDeFila(rs.fila, s.reglas.numeroOrden).numeralRecibido,
              ""); // nothing received is stored empty
}

TEST(VerificaLocator, FormasAceptadasYRechazadas) {
    const std::pair<const char*, bool> casos[] = {
        {"", true},        {"IN80", true}, {"IN80DJ", true},   {"IN80L", false},  {"SA00AA", false},
        {"in80dj", false}, {"IN8", false}, {"IN80DJX", false}, {"ИН80ДЖ", false},
    };
    for (const auto& [valor, bien] : casos) {
        float lon = 0, lat = 0;
        EXPECT_EQ(VerificaLocator(QString::fromUtf8(valor), lon, lat), bien) << valor;
    }
    EXPECT_EQ(AvisoLocator().texto, "ERROR en QRA LOCATOR ");
    EXPECT_EQ(AvisoLocator().titulo, "VERIFICAR QRA LOCATOR");
}

} // namespace
