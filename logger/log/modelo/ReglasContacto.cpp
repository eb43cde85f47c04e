#include "ReglasContacto.h"

#include "BaseDatos.h"
#include "ConcursosNombrados.h"

const ConcursoNombrado* ReglasContacto::nombrado() const {
    return BuscaConcursoNombrado(nombreConcurso);
}

ReglasContacto LeeReglasContacto(const ConjuntoRegistros& rs, const QString& indicativoEstacion) {
    ReglasContacto r;
    r.numeroOrden = rs.entero("NumeroOrden");
    r.nombreConcurso = rs.texto("NombreConcurso");
    r.indicativoEstacion = indicativoEstacion;
    r.enviarRst = rs.siNo("EnviarRst");
    r.enviarNumeral = rs.siNo("EnviarNumeral");
    r.enviarSiglas = rs.siNo("EnviarSiglas");
    r.enviarZonaCq = rs.siNo("EnviarZonaCq");
    r.enviarPuntos = rs.siNo("EnviarPuntos");
    r.enviarLocator = rs.siNo("EnviarLocator");
    r.recibirRst = rs.siNo("RecibirRst");
    r.recibirNumeral = rs.siNo("RecibirNumeral");
    r.recibirSiglas = rs.siNo("RecibirSiglas");
    r.recibirZonaCq = rs.siNo("RecibirZonaCq");
    r.recibirPuntos = rs.siNo("RecibirPuntos");
    r.recibirLocator = rs.siNo("RecibirLocator");
    r.numeraloSiglas = rs.siNo("NumeraloSiglas");
    r.literalVariable = rs.siNo("LiteralVariable");
    r.repetirEstacion = rs.siNo("RepetirEstacion");
    r.noRepetir = rs.siNo("NoRepetir");
    r.repetirEnCadaBanda = rs.siNo("RepetirEnCadaBanda");
    r.repetirEnCadaModo = rs.siNo("RepetirEnCadaModo");
    r.repetirEnCadaHoras = rs.siNo("RepetirEnCadaHoras");
    r.horasRepeticion = rs.texto("HorasRepeticion");
    return r;
}

ReglasContacto LeeReglasContacto(const ConjuntoRegistros& concurso, const ConjuntoRegistros* estacion) {
    const bool hay = estacion && !estacion->eof() && !estacion->bof();
    return LeeReglasContacto(concurso, hay ? estacion->texto("Indicativo") : QString());
}
