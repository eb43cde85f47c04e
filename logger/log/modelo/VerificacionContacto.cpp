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
const QString ZonaEntera = QStringLiteral("La ZONA debe ser un número entero de 1 a 40");

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
    QString& t = v.f[C::Indicativo];
    if (EstaEnBlanco(t)) return Rechaza(3, {}, {}, C::Indicativo);
    t = t.trimmed();
    if (IndicativoValido(t)) return std::nullopt;
    return RechazoContacto{3, AvisoIndicativo(), false, C::Indicativo};
}

Resultado BandaModo(Revision& v) {
    if (auto b = VerificaBanda(v.f[C::Banda], v.d.bandas)) return b;
    return VerificaModo(v.f[C::Modo], v.d.modos);
}

// What a field asked for must hold besides not being empty.
enum class Forma {
    Libre,
    Numero, // the number test
    Entero, // a whole number in digits, or "-" for nothing received
    Zona,   // a CQ zone, a whole number from 1 to 40
};

// The checks alike: a flag asks for a field, which must not be empty and must have its form.
struct Obligatorio {
    int paso;
    bool ReglasContacto::*flag;
    Columna campo;
    const char* falta;
    const char* noNumerico; // refused by the number test (or not whole)
    Forma forma;
    const char* titulo;
};

Resultado CompruebaObligatorio(const Obligatorio& o, Revision& v) {
    if (!(v.r().*o.flag)) return std::nullopt;
    QString& t = v.f[o.campo];
    const QString titulo = QString::fromUtf8(o.titulo);
    if (EstaEnBlanco(t)) return Rechaza(o.paso, QString::fromUtf8(o.falta), titulo, o.campo);
    if (o.forma == Forma::Libre) return std::nullopt;
    const QString noNumerico = QString::fromUtf8(o.noNumerico);
    if (!EsNumero(t)) return Rechaza(o.paso, noNumerico, titulo, o.campo);
    switch (o.forma) {
    case Forma::Entero:
        if (t != u"-" && !EsEntero(t)) return Rechaza(o.paso, noNumerico, titulo, o.campo);
        break;
    case Forma::Zona: {
        // A zone of "-" names no zone to hold against the limit: refused as not numeric.
        const auto zona = ValorNumerico(t);
        if (!zona) return Rechaza(o.paso, noNumerico, titulo, o.campo);
        if (*zona > 40) return Rechaza(o.paso, ZonaMayor, titulo, o.campo);
        if (!EsZonaCq(t)) return Rechaza(o.paso, ZonaEntera, titulo, o.campo);
        break;
    }
    case Forma::Libre:
    case Forma::Numero:
        break;
    }
    return std::nullopt;
}

using F = Forma;

const Obligatorio Enviados[] = {
    {5, &ReglasContacto::enviarNumeral, C::NumeralEnviado, "Falta NÚMERO SERIE Enviado",
     "El NÚMERO SERIE enviado no es numérico", F::Numero, "VERIFICAR NUMERAL Enviado"},
    {6, &ReglasContacto::enviarSiglas, C::LiteralEnviado,
     "Falta las SIGLAS, REF., CÓDIGOS o CONTROLES a enviar ", nullptr, F::Libre, "VERIFICAR LITERAL Enviado"},
    {7, &ReglasContacto::enviarLocator, C::QraLocatorEnviado, "Falta el LOCATOR enviado", nullptr, F::Libre,
     "VERIFICAR LOCATOR ENVIADO"},
    {8, &ReglasContacto::enviarZonaCq, C::LiteralEnviado, "Falta La ZONA enviada",
     "La ZONA enviada no es numérica", F::Zona, "VERIFICAR ZONA Enviada"},
    {9, &ReglasContacto::enviarPuntos, C::PuntosEnviados, "Falta PUNTOS Enviados",
     "Los PUNTOS Enviados no son numéricos", F::Entero, "VERIFICAR PUNTOS Enviados"},
};

const Obligatorio NumeralRecibido{10,
                                  &ReglasContacto::recibirNumeral,
                                  C::NumeralRecibido,
                                  "Falta el NÚMERO SERIE Recibido",
                                  "El NÚMERO SERIE Recibido no es numérico",
                                  F::Numero,
                                  "VERIFICAR NÚMERO SERIE RECIBIDO"};

const Obligatorio Recibidos[] = {
    {12, &ReglasContacto::recibirLocator, C::QraLocatorRecibido, "Falta LOCATOR Recibido", nullptr, F::Libre,
     "VERIFICAR QRALOCATOR RECIBIDO"},
    {13, &ReglasContacto::recibirZonaCq, C::LiteralRecibido, "Falta La ZONA recibida",
     "La ZONA recibida no es numérica", F::Zona, "VERIFICAR ZONA recibida"},
    {14, &ReglasContacto::recibirPuntos, C::PuntosRecibidos, "Faltan los PUNTOS Recibidos",
     "Los PUNTOS Recibidos no son correctos", F::Entero, "VERIFICAR PUNTOS RECIBIDOS"},
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
            QStringLiteral("Falta las SIGLAS, REF., CÓDIGOS o CONTROLES recibidas. Si no recibe siglas, "
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

// A received locator typed but not confirmed with Enter gets the form test of Enter.
Resultado FormaLocator(Revision& v) {
    float lon = 0, lat = 0;
    if (VerificaLocator(v.f[C::QraLocatorRecibido], lon, lat)) return std::nullopt;
    return RechazoContacto{12, AvisoLocator(), false, C::QraLocatorRecibido};
}

Resultado RecibidosCheck(Revision& v) {
    for (const auto& o : Recibidos)
        if (auto r = CompruebaObligatorio(o, v)) return r;
    return std::nullopt;
}

// A value longer than its stored field would be refused by the engine after the checks passed
// (the cells refuse what is typed past their size, not what the program or a contest puts there).
Resultado Longitudes(Revision& v) {
    for (Columna c : ColumnasTecleadas) {
        // With NumeraloSiglas the received literal is what ControlRec took: named as ControlRec.
        const Columna campo = v.r().numeraloSiglas && c == C::LiteralRecibido ? C::ControlRec : c;
        if (v.f[c].size() > Columnas()[static_cast<size_t>(Indice(c))].guardado)
            return RechazoContacto{15, AvisoLongitud(campo, true), false, campo};
    }
    return std::nullopt;
}

using Comprobacion = Resultado (*)(Revision&);

// The order in which the row is checked; the first refusal stops it.
const Comprobacion Orden[] = {
    Fecha,   Hora,   Indicativo,   BandaModo,      EnviadosCheck,
    Numeral, Siglas, FormaLocator, RecibidosCheck, Longitudes,
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

Aviso AvisoIndicativo() {
    Aviso a;
    a.texto = QStringLiteral("El INDICATIVO no es correcto: debe tener al menos 3 caracteres, alguna cifra y "
                             "solo letras de la A a la Z, cifras o la barra /");
    a.titulo = QStringLiteral("VERIFICAR INDICATIVO");
    a.icono = Icono::Critico;
    return a;
}

Aviso AvisoLongitud(Columna campo, bool guardado) {
    const InfoColumna& i = Columnas()[static_cast<size_t>(Indice(campo))];
    Aviso a;
    a.texto = QStringLiteral("No caben más de %1 caracteres en %2")
                  .arg(guardado ? i.guardado : i.longitud)
                  .arg(QString::fromUtf8(i.dato));
    a.titulo = QString::fromUtf8(i.titulo);
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
