#pragma once
#include <QString>

#include <array>

class ConjuntoRegistros;

// What the log reads of the contest row and of the Control row, read once when the log opens.
struct DatosConcurso {
    int NumeroOrden = 0;
    QString NombreConcurso;
    int IndiceBanda = 0, IndiceModo = 0;
    std::array<bool, 16> Banda{};
    std::array<bool, 18> Modo{};
    bool HoraUTC = false;
    int UltimoNumEnviado = 0;
    bool EnviarNumeral = false, EnviarRst = false, EnviarSiglas = false, EnviarZonaCq = false,
         EnviarPuntos = false, EnviarLocator = false;
    bool LiteralFijo = false, LiteralVariable = false;
    QString MiLocator, NumeroPuntosEnviar, Siglas;
    bool RecibirRst = false, RecibirNumeral = false, RecibirSiglas = false, RecibirZonaCq = false,
         RecibirPuntos = false, RecibirLocator = false, NumeraloSiglas = false;
    // The repeat rules, for the repeat look-up.
    bool NoRepetir = false, RepetirEstacion = false, RepetirEnCadaBanda = false, RepetirEnCadaModo = false,
         RepetirEnCadaHoras = false;
    QString HorasRepeticion;
};

// User band and mode names and report forms of the Control row.
struct NombresUsuario {
    std::array<QString, 3> BandaUser;
    std::array<QString, 10> ModoUser;
    std::array<QString, 8> TipoUser;
};

DatosConcurso LeeDatosConcurso(const ConjuntoRegistros& concurso);
NombresUsuario LeeNombresUsuario(const ConjuntoRegistros& control);
