#include "ReglasContacto.h"

#include "ConcursosNombrados.h"

const ConcursoNombrado* ReglasContacto::nombrado() const {
    return BuscaConcursoNombrado(nombreConcurso);
}

ReglasContacto ReglasDe(const FilaConcurso& concurso, const QString& indicativoEstacion) {
    return {concurso, indicativoEstacion};
}
