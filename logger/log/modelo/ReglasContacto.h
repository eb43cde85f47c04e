#pragma once
#include "DatosConcurso.h"

#include <QString>

class ConjuntoRegistros;
struct ConcursoNombrado;

// What the contest row says about the exchange and the repeats of its QSOs.
struct ReglasContacto {
    int numeroOrden = 0;
    QString nombreConcurso;
    QString indicativoEstacion; // the selected station's own callsign

    bool enviarRst = false, enviarNumeral = false, enviarSiglas = false, enviarZonaCq = false,
         enviarPuntos = false, enviarLocator = false;
    bool recibirRst = false, recibirNumeral = false, recibirSiglas = false, recibirZonaCq = false,
         recibirPuntos = false, recibirLocator = false;
    bool numeraloSiglas = false, literalVariable = false;

    bool repetirEstacion = false, noRepetir = false, repetirEnCadaBanda = false, repetirEnCadaModo = false,
         repetirEnCadaHoras = false;
    QString horasRepeticion; // "hh:mm" or whole hours

    // The contest's row of the named-contest table, or nullptr.
    const ConcursoNombrado* nombrado() const;
};

// The rules of a contest already read, with the callsign of the station row selected.
ReglasContacto ReglasDe(const DatosConcurso& concurso, const QString& indicativoEstacion);
// From the current row of a Concursos set, with the callsign of the station row selected.
ReglasContacto LeeReglasContacto(const ConjuntoRegistros& concurso, const QString& indicativoEstacion);
// The same, with the station's callsign from the current row of the Indicativos set (none when the
// set is missing or past its rows).
ReglasContacto LeeReglasContacto(const ConjuntoRegistros& concurso, const ConjuntoRegistros* estacion);
