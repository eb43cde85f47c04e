#include "CamposEntrada.h"

#include "ConcursosNombrados.h"
#include "Indicativos.h"
#include "VerificacionContacto.h"
#include "Verificaciones.h"

#include <QLocale>

#include <cmath>

namespace {

using C = Columna;
using A = ResultadoEnter::Accion;

ResultadoEnter Foco(Columna c) {
    ResultadoEnter r;
    r.accion = A::Foco;
    r.foco = c;
    return r;
}

ResultadoEnter Graba() {
    ResultadoEnter r;
    r.accion = A::Graba;
    return r;
}

struct Eslabon {
    Columna campo;
    bool (*pide)(const ReglasContacto&);
};

// The received chain: the first field asked for takes the focus. NumeraloSiglas hides the
// separate serial and literal behind ControlRec.
const Eslabon Recibidos[] = {
    {C::ControlRec, [](const ReglasContacto& r) { return r.numeraloSiglas; }},
    {C::NumeralRecibido, [](const ReglasContacto& r) { return !r.numeraloSiglas && r.recibirNumeral; }},
    {C::LiteralRecibido,
     [](const ReglasContacto& r) { return !r.numeraloSiglas && (r.recibirSiglas || r.recibirZonaCq); }},
    {C::PuntosRecibidos, [](const ReglasContacto& r) { return r.recibirPuntos; }},
    {C::QraLocatorRecibido, [](const ReglasContacto& r) { return r.recibirLocator; }},
    {C::LiteralEnviado, [](const ReglasContacto& r) { return r.literalVariable; }},
};

// The sent chain of a correction; LiteralEnviado appears twice, as sent item and as variable literal.
const Eslabon Enviados[] = {
    {C::RsEnviado, [](const ReglasContacto& r) { return r.enviarRst; }},
    {C::NumeralEnviado, [](const ReglasContacto& r) { return r.enviarNumeral; }},
    {C::LiteralEnviado, [](const ReglasContacto& r) { return r.enviarSiglas || r.enviarZonaCq; }},
    {C::PuntosEnviados, [](const ReglasContacto& r) { return r.enviarPuntos; }},
    {C::QraLocatorEnviado, [](const ReglasContacto& r) { return r.enviarLocator; }},
    {C::LiteralEnviado, [](const ReglasContacto& r) { return r.literalVariable; }},
};

template <size_t N>
std::optional<Columna> Busca(const Eslabon (&cadena)[N], size_t desde, const ReglasContacto& r) {
    for (size_t i = desde; i < N; ++i)
        if (cadena[i].pide(r)) return cadena[i].campo;
    return std::nullopt;
}

template <size_t N> size_t Posicion(const Eslabon (&cadena)[N], Columna c) {
    for (size_t i = 0; i < N; ++i)
        if (cadena[i].campo == c) return i;
    return N;
}

bool EsRsgbIota(const QString& nombre) {
    return nombre.startsWith(QStringLiteral("RSGB-IOTA"));
}

ResultadoEnter Queda(bool pitido) {
    ResultadoEnter r;
    r.accion = A::Queda;
    r.pitido = pitido;
    return r;
}

} // namespace

int LongitudMaxima(Columna campo) {
    return Columnas()[static_cast<size_t>(Indice(campo))].longitud;
}

QString Mayusculas(const QString& texto) {
    return texto.toUpper();
}

QString NumeralSinCeros(const QString& texto) {
    const auto v = ValorNumerico(texto);
    if (!v) return texto;
    const double a = std::fabs(*v);
    if (a == std::floor(a) && a < 1e15) return QString::number(static_cast<long long>(a));
    return QString::number(a, 'g', 15);
}

QString TextoAlSalir(Columna campo, const QString& texto) {
    switch (campo) {
    case C::ControlRec:
    case C::NumeralEnviado:
        return texto;
    case C::NumeralRecibido: {
        QString t = texto.trimmed();
        if (t == u"-") return t;
        if (t.startsWith(u'-')) t.remove(0, 1);
        return Formato0000(t);
    }
    default:
        return texto.trimmed();
    }
}

ResultadoEnter CadenaEnviada(Columna desde, const ReglasContacto& reglas) {
    if (auto c = Busca(Enviados, Posicion(Enviados, desde), reglas)) return Foco(*c);
    return Foco(C::FechaQso);
}

ResultadoEnter CadenaRecibida(Columna desde, const ReglasContacto& reglas, ModoCampos modo) {
    if (auto c = Busca(Recibidos, Posicion(Recibidos, desde), reglas)) return Foco(*c);
    if (modo == ModoCampos::Modificar) return CadenaEnviada(C::RsEnviado, reglas);
    return Graba();
}

ResultadoEnter TeclaEnter(Columna campo, const QString& texto, const ReglasContacto& reglas,
                          ModoCampos modo) {
    const bool modificar = modo == ModoCampos::Modificar;
    const auto* nombrado = reglas.nombrado();
    switch (campo) {
    case C::FechaQso:
        return Foco(C::HoraQso);
    case C::HoraQso:
        return Foco(modo == ModoCampos::Alta ? C::Indicativo : C::Banda);
    case C::Banda:
        return Foco(C::Modo);
    case C::Modo:
        return Foco(C::Indicativo);
    case C::Indicativo: {
        QString t = texto;
        if (EstaEnBlanco(t)) return {};
        if (!IndicativoValido(t.trimmed())) {
            ResultadoEnter r = Queda(false);
            r.aviso = AvisoIndicativo();
            return r;
        }
        if (modificar) return Foco(C::RsRecibido);
        ResultadoEnter r = CadenaRecibida(C::ControlRec, reglas, modo);
        r.buscaRepeticion = true;
        return r;
    }
    case C::RsRecibido:
        return CadenaRecibida(C::ControlRec, reglas, modo);
    case C::ControlRec: {
        QString t = texto;
        if (EsRsgbIota(reglas.nombreConcurso) && t.isEmpty()) t = QStringLiteral("------");
        ResultadoEnter r = CadenaRecibida(C::PuntosRecibidos, reglas, modo);
        if (t != texto) r.texto = t;
        r.literalRecibido = t;
        return r;
    }
    case C::NumeralRecibido:
        return CadenaRecibida(C::LiteralRecibido, reglas, modo);
    case C::LiteralRecibido: {
        std::optional<QString> nuevo;
        if (nombrado && nombrado->literalRecibidoNumerico) {
            QString t = texto;
            if (!VerificaNumero(t)) return Queda(true);
            nuevo = Formato0000(t);
        }
        ResultadoEnter r = CadenaRecibida(C::PuntosRecibidos, reglas, modo);
        if (nuevo && *nuevo != texto) r.texto = nuevo;
        return r;
    }
    case C::PuntosRecibidos:
        return CadenaRecibida(C::QraLocatorRecibido, reglas, modo);
    case C::QraLocatorRecibido: {
        float lon = 0, lat = 0;
        if (!VerificaLocator(texto, lon, lat)) {
            ResultadoEnter r = Queda(false);
            r.aviso = AvisoLocator();
            return r;
        }
        return CadenaRecibida(C::LiteralEnviado, reglas, modo);
    }
    case C::RsEnviado:
        return modificar ? CadenaEnviada(C::NumeralEnviado, reglas) : ResultadoEnter{};
    case C::NumeralEnviado: {
        ResultadoEnter r = modificar ? CadenaEnviada(C::LiteralEnviado, reglas) : ResultadoEnter{};
        const QString t = NumeralSinCeros(texto);
        if (t != texto) r.texto = t;
        return r;
    }
    case C::LiteralEnviado: {
        // The variable literal ends the received chain of a new QSO.
        if (!modificar) return reglas.literalVariable ? Graba() : ResultadoEnter{};
        // Past the literal: the sent chain's points, locator, variable literal, then FechaQso.
        if (auto c = Busca(Enviados, 3, reglas)) return Foco(*c);
        return Foco(C::FechaQso);
    }
    case C::PuntosEnviados: {
        if (!modificar) return {};
        if (auto c = Busca(Enviados, 4, reglas)) return Foco(*c);
        return Foco(C::FechaQso);
    }
    case C::QraLocatorEnviado:
        return modificar ? Foco(C::FechaQso) : ResultadoEnter{};
    case C::NumeroQso:
        break;
    }
    return {};
}
