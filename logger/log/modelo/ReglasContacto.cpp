#include "ReglasContacto.h"

#include "BaseDatos.h"
#include "ConcursosNombrados.h"

const ConcursoNombrado* ReglasContacto::nombrado() const {
    return BuscaConcursoNombrado(nombreConcurso);
}

ReglasContacto ReglasDe(const DatosConcurso& d, const QString& indicativoEstacion) {
    ReglasContacto r;
    r.numeroOrden = d.NumeroOrden;
    r.nombreConcurso = d.NombreConcurso;
    r.indicativoEstacion = indicativoEstacion;
    r.enviarRst = d.EnviarRst;
    r.enviarNumeral = d.EnviarNumeral;
    r.enviarSiglas = d.EnviarSiglas;
    r.enviarZonaCq = d.EnviarZonaCq;
    r.enviarPuntos = d.EnviarPuntos;
    r.enviarLocator = d.EnviarLocator;
    r.recibirRst = d.RecibirRst;
    r.recibirNumeral = d.RecibirNumeral;
    r.recibirSiglas = d.RecibirSiglas;
    r.recibirZonaCq = d.RecibirZonaCq;
    r.recibirPuntos = d.RecibirPuntos;
    r.recibirLocator = d.RecibirLocator;
    r.numeraloSiglas = d.NumeraloSiglas;
    r.literalVariable = d.LiteralVariable;
    r.repetirEstacion = d.RepetirEstacion;
    r.noRepetir = d.NoRepetir;
    r.repetirEnCadaBanda = d.RepetirEnCadaBanda;
    r.repetirEnCadaModo = d.RepetirEnCadaModo;
    r.repetirEnCadaHoras = d.RepetirEnCadaHoras;
    r.horasRepeticion = d.HorasRepeticion;
    return r;
}

ReglasContacto LeeReglasContacto(const ConjuntoRegistros& rs, const QString& indicativoEstacion) {
    return ReglasDe(LeeDatosConcurso(rs), indicativoEstacion);
}

ReglasContacto LeeReglasContacto(const ConjuntoRegistros& concurso, const ConjuntoRegistros* estacion) {
    const bool hay = estacion && !estacion->eof() && !estacion->bof();
    return LeeReglasContacto(concurso, hay ? estacion->texto("Indicativo") : QString());
}
