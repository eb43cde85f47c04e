#pragma once
#include <QString>

#include <array>
#include <vector>

// The bands and modes a contest may allow, by the index its Banda0..15 and Modo0..17 fields use.
// The last entries are named by the user in the Control row; their caption here is the default.
struct FilaBanda {
    int indice;
    const char* nombre; // caption of the option and text stored in a QSO's Banda
    bool deUsuario;     // named in Control (BandaUser1..3)
};

struct FilaModo {
    int indice;
    const char* nombre; // caption in the contest editor ("Packet"); the log shows it upper-cased
    bool deUsuario;     // named in Control (ModoUser1..10)
};

inline constexpr int NumeroBandas = 16;
inline constexpr int NumeroModos = 18;
inline constexpr int PrimeraBandaUser = 13;
inline constexpr int PrimerModoUser = 8;

const std::array<FilaBanda, NumeroBandas>& TablaBandas();
const std::array<FilaModo, NumeroModos>& TablaModos();

// Default caption of band or mode i (the user entries read "User1"...).
QString NombreBanda(int indice);
QString NombreModo(int indice);

// ---- Cabrillo: frequency and mode columns of a QSO line ----

// Lower edge (MHz) of each Cabrillo band designator from 50 MHz up; a band at or above an edge and
// below the next one writes that designator.
struct FilaBandaCabrillo {
    double desdeMHz;
    const char* designador;
};
const std::vector<FilaBandaCabrillo>& TablaBandasCabrillo();

// Frequency column of a QSO on the band text `banda` ("3.5" gives 3500, "10" its lower edge 10100,
// "1296" gives 1.2G), not yet aligned; a text that is no number is written as it is.
QString FrecuenciaCabrillo(const QString& banda);

// Mode column of a QSO in the log's upper-cased mode text; a mode Cabrillo does not name writes
// DG in version 3.0 and RY in the others.
QString ModoCabrillo(const QString& modo, bool version30);

// ---- ADIF names of bands and modes (used by the ADIF export) ----

// A band of the ADIF band list with its range in MHz.
struct FilaBandaAdif {
    const char* adif; // "13CM"
    double desdeMHz;
    double hastaMHz;
};

// The contest band texts the log stores, by the ADIF band they belong to.
struct FilaBandaLogAdif {
    const char* banda; // text stored in a QSO's Banda ("1.8")
    const char* adif;  // "160M"
};

// A mode of the ADIF mode list, or a submode with the mode it belongs to.
struct FilaModoAdif {
    const char* nombre;  // as the log stores it, upper-cased ("PSK31")
    const char* modo;    // ADIF MODE ("PSK")
    const char* submodo; // ADIF SUBMODE, "" when the name is a mode itself
};

const std::vector<FilaBandaAdif>& TablaBandasAdif();
const std::vector<FilaBandaLogAdif>& TablaBandasLogAdif();
const std::vector<FilaModoAdif>& TablaModosAdif();

// The ADIF BAND for a QSO's Banda: the log's band texts by table, a user band that is a number of
// MHz (or of GHz with a "G": "10G") by the range that holds it; "" when there is none.
QString BandaAdif(const QString& banda);

// The ADIF MODE and SUBMODE for a QSO's Modo; a mode ADIF does not know is kept as stored.
struct ModoAdif {
    QString modo;
    QString submodo;
};
ModoAdif ModoParaAdif(const QString& modo);
