#include "ConcursosNombrados.h"

namespace {
using S = ConcursoNombrado::Siglas;
using C = ConcursoNombrado::Control;

const ConcursoNombrado Tabla[] = {
    {"NACIONAL DE V-UHF", true},
    {"QSL V-UHF", true},
    {"SEGOVIA EA1RCS", true},
    {"ATLANTICO", true},
    {"COMBINADO DE MARZO", true},
    {"COSTA DEL SOL", true},
    {"SANT SADURNI VUHF SSB", true},
    {"SANT SADURNI VUHF FM", true},

    // Received exchange checks of the log.
    {.nombre = "CEUTA CUNA DE LA LEGION", .siglasRecibidas = S::Provincia},
    {.nombre = "CNCW", .siglasRecibidas = S::Provincia},
    {.nombre = "COSTA DE LUGO", .siglasRecibidas = S::Provincia},
    {.nombre = "MANISES-80M-CW", .siglasRecibidas = S::Provincia},
    {.nombre = "NACIONAL DE FONIA", .siglasRecibidas = S::Provincia},
    {.nombre = "NACIONAL DE RTTY", .siglasRecibidas = S::Provincia},
    {.nombre = "NACIONAL DE SUFIJOS", .siglasRecibidas = S::Provincia},
    {.nombre = "PARLA-CW", .siglasRecibidas = S::Provincia},
    {.nombre = "NARANJA-CW", .siglasRecibidas = S::ProvinciaOC3},
    {.nombre = "NARANJA-PSK63", .siglasRecibidas = S::ProvinciaOC3},
    {.nombre = "VGE SPRINT", .controlRecibido = C::ReferenciaVG},
    {.nombre = "CONCURSO ARAGON", .controlRecibido = C::ProvinciaONumero},
    {.nombre = "EA PSK63", .controlRecibido = C::ProvinciaONumero},
    {.nombre = "EA RTTY", .controlRecibido = C::ProvinciaONumero},
    {.nombre = "S.M. EL REY CW", .controlRecibido = C::ProvinciaONumero},
    {.nombre = "S.M. EL REY SSB", .controlRecibido = C::ProvinciaONumero},
    {.nombre = "MUNICIPIOS ESPAÑOLES", .controlRecibido = C::ProvinciaHQONumero},
    {.nombre = "LZ-OPEN-CW", .literalRecibidoNumerico = true},
};
} // namespace

const ConcursoNombrado* BuscaConcursoNombrado(const QString& nombre) {
    for (const auto& c : Tabla)
        if (nombre == QString::fromUtf8(c.nombre)) return &c;
    return nullptr;
}

bool NumeracionPorBanda(const QString& nombreConcurso) {
    const auto* c = BuscaConcursoNombrado(nombreConcurso);
    return c && c->porBanda;
}
