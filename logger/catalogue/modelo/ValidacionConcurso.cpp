#include "ValidacionConcurso.h"

#include "ConcursosNombrados.h"
#include "DatosPrincipal.h"
#include "Indicativos.h"
#include "Locator.h"
#include "Provincias.h"
#include "Verificaciones.h"

#include <vector>

namespace {

using Resultado = std::optional<RechazoConcurso>;
constexpr int SinFoco = -1;

const QString DosSaltos = QStringLiteral("\r\n\r\n");
const QString TituloLetras = QStringLiteral("VERIFICAR LETRAS A ENVIAR");
const QString TituloReferencia = QStringLiteral("VERIFICAR REFERENCIA");
const QString TituloZona = QStringLiteral("VERIFICAR ZONA A ENVIAR");
const QString ReferenciaMal = QStringLiteral("La referencia no es correcta");
const QString ProvinciaMal = QStringLiteral("Las SIGLAS de la provincia no son correctas");

RechazoConcurso Rechaza(int paso, const QString& texto, const QString& titulo, Icono icono, bool pitido,
                        int foco) {
    Aviso a;
    a.texto = texto;
    a.titulo = titulo;
    a.icono = icono;
    return {paso, a, pitido, foco};
}

bool EsProvincia(const QString& texto) {
    return CodigosProvincia().contains(texto);
}

// Whole digits only: a zone or a vertex number is never signed, fractional or in exponent form.
bool SonDigitos(const QString& texto) {
    if (texto.isEmpty()) return false;
    for (QChar c : texto)
        if (c < u'0' || c > u'9') return false;
    return true;
}

// The values the checks read and may rewrite, with the inputs they look at.
struct Revision {
    QStringList v;
    const DatosValidacion& d;
    bool muestraHoras = false;

    bool marcada(Opcion o) const { return d.opciones[o]; }
};

// Geodesic-vertex reference: a bare number, or "VG" with a province and three digits.
Resultado ReferenciaVertice(Revision& r) {
    QString ref = r.v[6];
    if (!ref.startsWith(QStringLiteral("VG"))) {
        // An empty reference is typed per contact when the letters are variable.
        if (ref.isEmpty() || SonDigitos(ref)) return std::nullopt;
        return Rechaza(13, ReferenciaMal, TituloReferencia, Icono::Critico, false, 6);
    }
    QString letras, digitos;
    SeparaReferenciaVG(ref, letras, digitos);
    if (!SonDigitos(digitos) || digitos.size() != 3 || !EsProvincia(letras))
        return Rechaza(13, ReferenciaMal, TituloReferencia, Icono::Critico, false, 6);
    r.v[6] = ref;
    return std::nullopt;
}

Resultado SiglasProvincia(Revision& r) {
    if (EsProvincia(r.v[6])) return std::nullopt;
    return Rechaza(13, ProvinciaMal, TituloReferencia, Icono::Critico, false, 6);
}

// Spanish stations send their province or "C3"; the others send what they like.
Resultado SiglasNaranja(Revision& r) {
    if (!r.d.indicativo.startsWith(QStringLiteral("EA")) || r.v[6] == u"C3") return std::nullopt;
    return SiglasProvincia(r);
}

Resultado Nombre(Revision& r) {
    if (!EstaEnBlanco(r.v[1])) return std::nullopt;
    return Rechaza(1, QStringLiteral("Campo") + QStringLiteral(" Concurso vacio"), {}, Icono::Ninguno, false,
                   1);
}

Resultado Edicion(Revision& r) {
    if (!EstaEnBlanco(r.v[2])) return std::nullopt;
    return Rechaza(2, QStringLiteral("El dato Edición no se puede dejar vacio"), {}, Icono::Ninguno, false,
                   2);
}

// The roll-over to a new year compares editions: anything but a year would be rewritten unseen.
Resultado EdicionAño(Revision& r) {
    if (r.v[2].size() == 4 && SonDigitos(r.v[2])) return std::nullopt;
    return Rechaza(18, QStringLiteral(" La EDICIÓN debe ser un año de cuatro cifras (por ejemplo 2024)."),
                   QStringLiteral("VERIFICAR EDICIÓN"), Icono::Critico, false, 2);
}

// A serial is counted on from here: never signed, fractional or in exponent form.
Resultado SerieEntera(Revision& r) {
    if (r.v[5].isEmpty() || SonDigitos(r.v[5])) return std::nullopt;
    return Rechaza(19,
                   QStringLiteral(" El último número de serie enviado debe ser un número entero desde 0."),
                   QStringLiteral("VERIFICAR NÚMERO DE SERIE"), Icono::Critico, false, 5);
}

Resultado Mes(Revision& r) {
    if (r.v[9].isEmpty() || MesesLista().indexOf(r.v[9]) > 0) return std::nullopt;
    return Rechaza(3, QStringLiteral("El NOMBRE del MES no es correcto"), {}, Icono::Ninguno, false, 9);
}

Resultado FaltanHoras(Revision& r) {
    if (!r.marcada(Opcion::RepetirEnCadaHoras) || !EstaEnBlanco(r.v[8])) return std::nullopt;
    return Rechaza(4,
                   QStringLiteral("Falta el número de horas en que se puede REPETIR ESTACIÓN (Poner 24 para "
                                  "repetir contacto por dia )"),
                   QStringLiteral("VERIFICAR HORAS DE REPETICION"), Icono::Critico, true, 8);
}

Resultado FormatoHoras(Revision& r) {
    if (r.marcada(Opcion::RepetirEnCadaHoras)) {
        if (r.v[8] == u"24") r.v[8] = QStringLiteral("23:59");
        if (auto h = VerificaHora(r.v[8]).rechazo) return h->en(8, 5);
    }
    r.muestraHoras = true;
    return std::nullopt;
}

Resultado Bandas(Revision& r) {
    for (bool b : r.d.bandas)
        if (b) return std::nullopt;
    return Rechaza(7, QStringLiteral(" No se ha configurado ninguna BANDA."),
                   QStringLiteral("VERIFICAR la configuración de la BANDAS."), Icono::Critico, false,
                   SinFoco);
}

Resultado Modos(Revision& r) {
    for (bool m : r.d.modos)
        if (m) return std::nullopt;
    return Rechaza(8, QStringLiteral(" No se ha configurado ningún MODO."),
                   QStringLiteral("VERIFICAR la configuración de los MODOS."), Icono::Critico, false,
                   SinFoco);
}

Resultado FaltaLocator(Revision& r) {
    if (!r.marcada(Opcion::EnviarLocator) || !EstaEnBlanco(r.v[4])) return std::nullopt;
    return Rechaza(9, QStringLiteral("Falta el LOCATOR"), {}, Icono::Ninguno, false, 4);
}

Resultado FormaLocator(Revision& r) {
    float longitud = 0, latitud = 0;
    if (!r.marcada(Opcion::EnviarLocator) || ConvierteLocator(r.v[4], longitud, latitud)) return std::nullopt;
    return Rechaza(10, QStringLiteral("Locator no válido"), QStringLiteral("VERIFICAR LOCATOR CONCURSO"),
                   Icono::Critico, false, 4);
}

Resultado FaltanLetras(Revision& r) {
    if (!r.marcada(Opcion::EnviarSiglas) || !r.marcada(Opcion::LiteralFijo) || !EstaEnBlanco(r.v[6]))
        return std::nullopt;
    return Rechaza(
        11,
        QStringLiteral("   .- FALTAN los códigos, siglas, letras, EDAD, ZONA, Potencia etc. que va a "
                       "enviar en el concurso o en la activación.") +
            DosSaltos +
            QStringLiteral("   .- Si va a enviar en cada contacto códigos, siglas o letras diferentes "
                           "marque enviar códigos VARIABLES."),
        TituloLetras, Icono::Critico, true, 6);
}

Resultado BlancosEnLetras(Revision& r) {
    if (!r.marcada(Opcion::EnviarSiglas) || !r.v[6].contains(u' ')) return std::nullopt;
    return Rechaza(
        12,
        QStringLiteral("   .- No se puede dejar espacios en blanco entre las Siglas, Ref. o Controles "
                       "a enviar.") +
            DosSaltos +
            QStringLiteral("   .- Si va a enviar varias Siglas, Ref. o Controles, sepárelos con , "
                           "(comas)."),
        TituloLetras, Icono::Critico, true, 6);
}

Resultado SiglasDelConcurso(Revision& r) {
    if (!r.marcada(Opcion::EnviarSiglas)) return std::nullopt;
    using E = ConcursoNombrado::SiglasEnvio;
    switch (ColumnaNombrado(r.v[1], &ConcursoNombrado::siglasEnviadas)) {
    case E::Libres:
        return std::nullopt;
    case E::ReferenciaVG:
        return ReferenciaVertice(r);
    case E::Provincia:
        return SiglasProvincia(r);
    case E::ProvinciaOC3:
        return SiglasNaranja(r);
    }
    return std::nullopt;
}

Resultado FaltaZona(Revision& r) {
    if (!r.marcada(Opcion::EnviarZonaCQ) || !EstaEnBlanco(r.v[6])) return std::nullopt;
    return Rechaza(14,
                   QStringLiteral("   .- FALTA la ZONA CQ PROPIA.") + DosSaltos +
                       QStringLiteral("   .- Introduzca el código de su ZONA CQ."),
                   QStringLiteral("VERIFICAR ZONA CQ"), Icono::Critico, true, 6);
}

Resultado BlancosEnZona(Revision& r) {
    if (!r.marcada(Opcion::EnviarZonaCQ) || !r.v[6].contains(u' ')) return std::nullopt;
    return Rechaza(15,
                   QStringLiteral("   .- No se puede haber espacios en blanco entre los digitos de la ZONA"),
                   TituloZona, Icono::Critico, true, 6);
}

// The zone box gets the focus back too, like every other refused value.
Resultado ZonaNumerica(Revision& r) {
    if (!r.marcada(Opcion::EnviarZonaCQ) || SonDigitos(r.v[6])) return std::nullopt;
    return Rechaza(16, QStringLiteral(" La ZONA CQ debe ser numérica."), TituloZona, Icono::Critico, false,
                   6);
}

Resultado ZonaHasta40(Revision& r) {
    if (!r.marcada(Opcion::EnviarZonaCQ)) return std::nullopt;
    bool ok = false;
    const qlonglong zona = r.v[6].toLongLong(&ok);
    if (ok && zona <= 40) return std::nullopt;
    return Rechaza(17, QStringLiteral(" La ZONA CQ no debe ser mayor de 40."), TituloZona, Icono::Critico,
                   false, 6);
}

// The checks in the order they run.
const std::vector<Resultado (*)(Revision&)>& Comprobaciones() {
    static const std::vector<Resultado (*)(Revision&)> lista{Nombre,
                                                             Edicion,
                                                             EdicionAño,
                                                             SerieEntera,
                                                             Mes,
                                                             FaltanHoras,
                                                             FormatoHoras,
                                                             Bandas,
                                                             Modos,
                                                             FaltaLocator,
                                                             FormaLocator,
                                                             FaltanLetras,
                                                             BlancosEnLetras,
                                                             SiglasDelConcurso,
                                                             FaltaZona,
                                                             BlancosEnZona,
                                                             ZonaNumerica,
                                                             ZonaHasta40};
    return lista;
}

} // namespace

ResultadoValidacion ValidaConcurso(const DatosValidacion& datos) {
    Revision r{datos.valores, datos};
    while (r.v.size() < 10)
        r.v << QString();
    ResultadoValidacion resultado;
    for (auto comprueba : Comprobaciones()) {
        resultado.rechazo = comprueba(r);
        if (resultado.rechazo) break;
    }
    resultado.valores = r.v;
    resultado.muestraHoras = r.muestraHoras;
    return resultado;
}
