#include "ConcursosNombrados.h"

#include <array>

namespace {
const std::array<ConcursoNombrado, 8> Tabla{{
    {"NACIONAL DE V-UHF", true},
    {"QSL V-UHF", true},
    {"SEGOVIA EA1RCS", true},
    {"ATLANTICO", true},
    {"COMBINADO DE MARZO", true},
    {"COSTA DEL SOL", true},
    {"SANT SADURNI VUHF SSB", true},
    {"SANT SADURNI VUHF FM", true},
}};
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
