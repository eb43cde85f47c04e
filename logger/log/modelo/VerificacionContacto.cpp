#include "VerificacionContacto.h"

#include "ConcursosNombrados.h"
#include "Indicativos.h"
#include "Locator.h"
#include "Provincias.h"
#include "Verificaciones.h"

#include <QDate>
#include <QLocale>

#include <cmath>
#include <functional>
#include <vector>

namespace {

using C = Columna;
using Resultado = std::optional<RechazoContacto>;

const QString TituloControl = QStringLiteral("VERIFICAR CONTROL RECIBIDO");
const QString TituloReferencia = QStringLiteral("VERIFICAR REFERENCIA");
const QString ZonaMayor = QStringLiteral("La ZONA no debe ser mayor de 40");

RechazoContacto Rechaza(int paso, const QString& texto, const QString& titulo, Columna foco) {
    Aviso a;
    a.texto = texto;
    a.titulo = titulo;
    a.icono = texto.isEmpty() ? Icono::Ninguno : Icono::Critico;
    return {paso, a, false, foco};
}

bool EsProvincia(const QString& texto) {
    return CodigosProvincia().contains(texto);
}

bool EsNumero(QString texto) {
    return VerificaNumero(texto);
}

struct Revision {
    TextosFila f;
    const DatosContacto& d;
    const ReglasContacto& r() const { return d.reglas; }
};

Resultado Fecha(Revision& v) {
    if (EstaEnBlanco(v.f[C::FechaQso])) return Rechaza(1, {}, {}, C::FechaQso);
    if (auto r = VerificaFecha(v.f[C::FechaQso]).rechazo) return r->en(C::FechaQso, 1);
    return std::nullopt;
}

Resultado Hora(Revision& v) {
    if (EstaEnBlanco(v.f[C::HoraQso])) return Rechaza(2, {}, {}, C::HoraQso);
    if (auto r = VerificaHora(v.f[C::HoraQso]).rechazo) return r->en(C::HoraQso, 2);
    return std::nullopt;
}

Resultado Indicativo(Revision& v) {
    if (!EstaEnBlanco(v.f[C::Indicativo])) return std::nullopt;
    return Rechaza(3, {}, {}, C::Indicativo);
}

Resultado BandaModo(Revision& v) {
    if (auto b = VerificaBanda(v.f[C::Banda], v.d.bandas)) return b;
    return VerificaModo(v.f[C::Modo], v.d.modos);
}

// The checks alike: a flag asks for a field, which must not be empty and, where a second text
// is given, must pass the number test (zones also at most 40).
struct Obligatorio {
    int paso;
    bool ReglasContacto::*flag;
    Columna campo;
    const char* falta;
    const char* noNumerico; // nullptr: any text
    bool zona;
    const char* titulo;
};

Resultado CompruebaObligatorio(const Obligatorio& o, Revision& v) {
    if (!(v.r().*o.flag)) return std::nullopt;
    QString& t = v.f[o.campo];
    const QString titulo = QString::fromUtf8(o.titulo);
    if (EstaEnBlanco(t)) return Rechaza(o.paso, QString::fromUtf8(o.falta), titulo, o.campo);
    if (!o.noNumerico) return std::nullopt;
    const QString noNumerico = QString::fromUtf8(o.noNumerico);
    if (!EsNumero(t)) return Rechaza(o.paso, noNumerico, titulo, o.campo);
    if (!o.zona) return std::nullopt;
    // A zone of "-" names no zone to hold against the limit: refused as not numeric.
    const auto zona = ValorNumerico(t);
    if (!zona) return Rechaza(o.paso, noNumerico, titulo, o.campo);
    if (*zona > 40) return Rechaza(o.paso, ZonaMayor, titulo, o.campo);
    return std::nullopt;
}

const Obligatorio Enviados[] = {
    {5, &ReglasContacto::enviarNumeral, C::NumeralEnviado, "Falta NÚMERO SERIE Enviado",
     "El NÚMERO SERIE enviado no es numérico", false, "VERIFICAR NUMERAL Enviado"},
    {6, &ReglasContacto::enviarSiglas, C::LiteralEnviado,
     "Falta las SIGLAS, REF., CÓDIGOS o CONTROLES a enviar ", nullptr, false, "VERIFICAR LITERAL Enviado"},
    {7, &ReglasContacto::enviarLocator, C::QraLocatorEnviado, "Falta el LOCATOR enviado", nullptr, false,
     "VERIFICAR LOCATOR ENVIADO"},
    {8, &ReglasContacto::enviarZonaCq, C::LiteralEnviado, "Falta La ZONA enviada",
     "La ZONA enviada no es numérica", true, "VERIFICAR ZONA Enviada"},
    {9, &ReglasContacto::enviarPuntos, C::PuntosEnviados, "Falta PUNTOS Enviados",
     "Los PUNTOS Enviados no son numéricos", false, "VERIFICAR PUNTOS Enviados"},
};

const Obligatorio NumeralRecibido{10,
                                  &ReglasContacto::recibirNumeral,
                                  C::NumeralRecibido,
                                  "Falta el NÚMERO SERIE Recibido",
                                  "El NÚMERO SERIE Recibido no es numérico",
                                  false,
                                  "VERIFICAR NÚMERO SERIE RECIBIDO"};

const Obligatorio Recibidos[] = {
    {12, &ReglasContacto::recibirLocator, C::QraLocatorRecibido, "Falta LOCATOR Recibido", nullptr, false,
     "VERIFICAR QRALOCATOR RECIBIDO"},
    {13, &ReglasContacto::recibirZonaCq, C::LiteralRecibido, "Falta La ZONA recibida",
     "La ZONA recibida no es numérica", true, "VERIFICAR ZONA recibida"},
    {14, &ReglasContacto::recibirPuntos, C::PuntosRecibidos, "Faltan los PUNTOS Recibidos",
     "Los PUNTOS Recibidos no son correctos", false, "VERIFICAR PUNTOS RECIBIDOS"},
};

Resultado EnviadosCheck(Revision& v) {
    for (const auto& o : Enviados)
        if (auto r = CompruebaObligatorio(o, v)) return r;
    return std::nullopt;
}

Resultado Numeral(Revision& v) {
    if (!v.r().numeraloSiglas) return CompruebaObligatorio(NumeralRecibido, v);
    if (!v.r().recibirNumeral || !EstaEnBlanco(v.f[C::ControlRec])) return std::nullopt;
    return Rechaza(10, QStringLiteral("Falta el CONTROL Recibido"), TituloControl, C::ControlRec);
}

Resultado SiglasSeparadas(Revision& v) {
    QString& lit = v.f[C::LiteralRecibido];
    if (EstaEnBlanco(lit))
        return Rechaza(
            11,
            QStringLiteral("Falta las SIGLAS, REF., CÓDIGOS o CONTROLES recibidasSi no recibe siglas, "
                           "u otro tipo de control, introduzca un - (Guión). "),
            TituloControl, C::LiteralRecibido);
    const auto* n = v.r().nombrado();
    using S = ConcursoNombrado::Siglas;
    const S regla = n ? n->siglasRecibidas : S::Libres;
    if (regla == S::Libres) return std::nullopt;
    if (regla == S::ProvinciaOC3 &&
        (lit == u"C3" || v.r().indicativoEstacion.startsWith(QStringLiteral("CT"))))
        return std::nullopt;
    if (EsProvincia(lit)) return std::nullopt;
    return Rechaza(11, QStringLiteral("Las SIGLAS de la provincia no son correctas"),
                   QStringLiteral("VERIFICAR SIGLAS"), C::LiteralRecibido);
}

void TomaControl(Revision& v, const QString& c) {
    v.f[C::ControlRec] = c;
    v.f[C::LiteralRecibido] = c;
}

Resultado ControlCombinado(Revision& v) {
    QString c = v.f[C::ControlRec];
    if (EstaEnBlanco(c))
        return Rechaza(
            11,
            QStringLiteral("Falta el CONTROL Recibido. Si no recibe siglas, u otro tipo de control, "
                           "introduzca un - (Guión)."),
            TituloControl, C::ControlRec);
    const auto* n = v.r().nombrado();
    using K = ConcursoNombrado::Control;
    const K regla = n ? n->controlRecibido : K::Libre;
    switch (regla) {
    case K::Libre:
        return std::nullopt;
    case K::ReferenciaVG: {
        const QString mal = QStringLiteral("La referencia o el número serie no son correctos");
        if (!c.startsWith(QStringLiteral("VG")))
            return EsNumero(c) ? Resultado{} : Rechaza(11, mal, TituloReferencia, C::ControlRec);
        QString letras, digitos;
        SeparaReferenciaVG(c, letras, digitos);
        if (digitos.size() != 3)
            return Rechaza(11, QStringLiteral("La referencia no es correcta"), TituloReferencia,
                           C::ControlRec);
        if (!EsProvincia(letras)) return Rechaza(11, mal, TituloReferencia, C::ControlRec);
        TomaControl(v, c);
        return std::nullopt;
    }
    case K::ProvinciaONumero:
    case K::ProvinciaHQONumero:
        if (EsProvincia(c) || (regla == K::ProvinciaHQONumero && c == u"HQ")) {
            TomaControl(v, c);
            return std::nullopt;
        }
        if (EsNumero(c)) return std::nullopt;
        return Rechaza(11, QStringLiteral("Las SIGLAS o el número serie no son correctos"), TituloControl,
                       C::ControlRec);
    }
    return std::nullopt;
}

Resultado Siglas(Revision& v) {
    if (!v.r().recibirSiglas) return std::nullopt;
    return v.r().numeraloSiglas ? ControlCombinado(v) : SiglasSeparadas(v);
}

Resultado RecibidosCheck(Revision& v) {
    for (const auto& o : Recibidos)
        if (auto r = CompruebaObligatorio(o, v)) return r;
    return std::nullopt;
}

// Size of the stored field of each column (the received literal also holds ControlRec).
int TamanoGuardado(Columna c) {
    return Columnas()[static_cast<size_t>(Indice(c))].guardado;
}

// A value longer than its stored field would be refused by the engine after the checks passed;
// a serial numbered past 9999 is one (the fields are typed within their sizes).
Resultado Longitudes(Revision& v) {
    for (Columna c : ColumnasTecleadas) {
        if (v.f[c].size() <= TamanoGuardado(c)) continue;
        return Rechaza(15,
                       QStringLiteral("El dato no cabe en el registro: como máximo %1 caracteres")
                           .arg(TamanoGuardado(c)),
                       QStringLiteral("VERIFICAR LONGITUD"), c);
    }
    return std::nullopt;
}

using Comprobacion = Resultado (*)(Revision&);

// The order in which the row is checked; the first refusal stops it.
const Comprobacion Orden[] = {
    Fecha, Hora, Indicativo, BandaModo, EnviadosCheck, Numeral, Siglas, RecibidosCheck, Longitudes,
};

} // namespace

std::optional<RechazoContacto> VerificaBanda(const QString& banda, const QStringList& bandas) {
    if (bandas.contains(banda, Qt::CaseSensitive)) return std::nullopt;
    return Rechaza(4, QStringLiteral("Banda no permitida o no existente"), QStringLiteral("ERROR EN BANDA"),
                   C::Banda);
}

std::optional<RechazoContacto> VerificaModo(const QString& modo, const QStringList& modos) {
    if (modos.contains(modo, Qt::CaseSensitive)) return std::nullopt;
    return Rechaza(4, QStringLiteral("MODO no permitido o no existente"), QStringLiteral("ERROR EN MODO"),
                   C::Modo);
}

bool VerificaLocator(const QString& valor, float& longitud, float& latitud) {
    return valor.isEmpty() || ConvierteLocator(valor, longitud, latitud);
}

Aviso AvisoLocator() {
    Aviso a;
    a.texto = QStringLiteral("ERROR en QRA LOCATOR ");
    a.titulo = QStringLiteral("VERIFICAR QRA LOCATOR");
    a.icono = Icono::Critico;
    return a;
}

ResultadoContacto VerificaContacto(const DatosContacto& datos) {
    Revision v{datos.fila, datos};
    // With NumeraloSiglas what is typed in ControlRec is the received literal.
    if (datos.reglas.numeraloSiglas) v.f[C::LiteralRecibido] = v.f[C::ControlRec];
    for (Comprobacion c : Orden) {
        if (auto r = c(v)) {
            // The separate received fields are hidden behind ControlRec.
            if (datos.reglas.numeraloSiglas &&
                (r->foco == C::LiteralRecibido || r->foco == C::NumeralRecibido))
                r->foco = C::ControlRec;
            return {v.f, r};
        }
    }
    return {v.f, std::nullopt};
}
