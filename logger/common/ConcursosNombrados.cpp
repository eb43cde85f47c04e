#include "ConcursosNombrados.h"

#include <iterator>

namespace {
using S = ConcursoNombrado::Siglas;
using C = ConcursoNombrado::Control;
using E = ConcursoNombrado::SiglasEnvio;
using I = ConcursoNombrado::Intercambio;
using K = ConcursoNombrado::Correccion;

// Prefix rows last, so that an exact name is always found first.
const ConcursoNombrado Tabla[] = {
    // Per-band numbering and logs; category set 5 and exchange A.
    {.nombre = "NACIONAL DE V-UHF", .porBanda = true, .conjuntoCategorias = 5, .intercambio = I::A},
    {.nombre = "QSL V-UHF", .porBanda = true, .conjuntoCategorias = 5, .intercambio = I::A},
    {.nombre = "SEGOVIA EA1RCS", .porBanda = true, .conjuntoCategorias = 5, .intercambio = I::A},
    {.nombre = "ATLANTICO", .porBanda = true, .conjuntoCategorias = 5, .intercambio = I::A},
    {.nombre = "COMBINADO DE MARZO", .porBanda = true, .conjuntoCategorias = 5, .intercambio = I::A},
    {.nombre = "COSTA DEL SOL", .porBanda = true, .conjuntoCategorias = 5, .intercambio = I::A},
    {.nombre = "SANT SADURNI VUHF SSB", .porBanda = true, .conjuntoCategorias = 5, .intercambio = I::A},
    {.nombre = "SANT SADURNI VUHF FM", .porBanda = true, .conjuntoCategorias = 5, .intercambio = I::A},

    // Provinces exchanged.
    {.nombre = "CEUTA CUNA DE LA LEGION", .siglasRecibidas = S::Provincia, .siglasEnviadas = E::Provincia},
    {.nombre = "CNCW",
     .siglasRecibidas = S::Provincia,
     .siglasEnviadas = E::Provincia,
     .conjuntoCategorias = 4,
     .intercambio = I::D,
     .correccion = K::CategoriasCncw},
    {.nombre = "COSTA DE LUGO", .siglasRecibidas = S::Provincia, .siglasEnviadas = E::Provincia},
    {.nombre = "MANISES-80M-CW", .siglasRecibidas = S::Provincia},
    // The editor's check has always known this contest by this shorter name.
    {.nombre = "MANISES-80-CW", .siglasEnviadas = E::Provincia},
    {.nombre = "NACIONAL DE FONIA", .siglasRecibidas = S::Provincia, .siglasEnviadas = E::Provincia},
    {.nombre = "NACIONAL DE RTTY", .siglasRecibidas = S::Provincia},
    {.nombre = "NACIONAL DE SUFIJOS",
     .siglasRecibidas = S::Provincia,
     .siglasEnviadas = E::Provincia,
     .conjuntoCategorias = 7},
    {.nombre = "PARLA-CW", .siglasRecibidas = S::Provincia, .siglasEnviadas = E::Provincia},
    {.nombre = "NARANJA-CW",
     .siglasRecibidas = S::ProvinciaOC3,
     .siglasEnviadas = E::ProvinciaOC3,
     .correccion = K::Naranja},
    {.nombre = "NARANJA-PSK63",
     .siglasRecibidas = S::ProvinciaOC3,
     .siglasEnviadas = E::ProvinciaOC3,
     .correccion = K::Naranja},

    // Province or number received.
    {.nombre = "VGE SPRINT",
     .controlRecibido = C::ReferenciaVG,
     .siglasEnviadas = E::ReferenciaVG,
     .conjuntoCategorias = 1,
     .intercambio = I::SegunVertice},
    {.nombre = "CONCURSO ARAGON", .controlRecibido = C::ProvinciaONumero},
    {.nombre = "EA PSK63",
     .controlRecibido = C::ProvinciaONumero,
     .siglasEnviadas = E::Provincia,
     .conjuntoCategorias = 7,
     .intercambio = I::SegunEstacion,
     .correccion = K::CategoriasEa},
    {.nombre = "EA RTTY",
     .controlRecibido = C::ProvinciaONumero,
     .siglasEnviadas = E::Provincia,
     .conjuntoCategorias = 7,
     .intercambio = I::SegunEstacion,
     .correccion = K::CategoriasEa},
    {.nombre = "S.M. EL REY CW",
     .controlRecibido = C::ProvinciaONumero,
     .siglasEnviadas = E::Provincia,
     .conjuntoCategorias = 9,
     .intercambio = I::SegunEstacion,
     .correccion = K::CategoriasRey},
    {.nombre = "S.M. EL REY SSB",
     .controlRecibido = C::ProvinciaONumero,
     .siglasEnviadas = E::Provincia,
     .conjuntoCategorias = 10,
     .intercambio = I::SegunEstacion,
     .correccion = K::CategoriasRey,
     .nombreCorreccion = "S.M. EL REY SSb"},
    {.nombre = "MUNICIPIOS ESPAÑOLES",
     .controlRecibido = C::ProvinciaHQONumero,
     .intercambio = I::SegunEstacion,
     .correccion = K::Municipios},
    {.nombre = "LZ-OPEN-CW", .literalRecibidoNumerico = true},

    // Categories and exchange only.
    {.nombre = "CONCURSO DIE", .conjuntoCategorias = 2, .intercambio = I::SegunDie},
    {.nombre = "EANET SPRINT", .conjuntoCategorias = 3, .intercambio = I::E},
    {.nombre = "ALL ASIAN DX SSB", .conjuntoCategorias = 6, .intercambio = I::D},
    {.nombre = "ALL ASIAN DX CW", .conjuntoCategorias = 6, .intercambio = I::D},
    {.nombre = "CASTILLOS EN EL AIRE", .conjuntoCategorias = 8, .intercambio = I::F},
    {.nombre = "ARRL-160", .intercambio = I::G},

    // Stored exchange rules.
    {.nombre = "BARTG-RTTY-SPRINT", .sinRst = true},
    {.nombre = "WLOTA (NO EXPEDICION)", .sinNumeraloSiglas = true},
    {.nombre = "UBA-SPRING", .prefijo = true, .sinNumeraloSiglas = true},
    {.nombre = "HELVETIA", .prefijo = true, .sinNumeraloSiglas = true},
    {.nombre = "RSGB-21-28", .prefijo = true, .sinNumeraloSiglas = true},
    {.nombre = "ALL-OE-DX-160", .prefijo = true, .sinNumeraloSiglas = true},
    {.nombre = "IPA RADIO CLUB", .prefijo = true, .sinNumeraloSiglas = true},
    {.nombre = "RSGB-IOTA", .prefijo = true, .anulaNumeraloSiglas = true},
};
} // namespace

const ConcursoNombrado* BuscaConcursoNombrado(const QString& nombre) {
    for (const auto& c : Tabla) {
        const QString n = QString::fromUtf8(c.nombre);
        if (c.prefijo ? nombre.startsWith(n, Qt::CaseSensitive) : nombre == n) return &c;
    }
    return nullptr;
}

FilasNombrados ConcursosNombrados() {
    return {std::begin(Tabla), std::end(Tabla)};
}

bool NumeracionPorBanda(const QString& nombreConcurso) {
    return ColumnaNombrado(nombreConcurso, &ConcursoNombrado::porBanda);
}
