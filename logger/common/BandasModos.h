#pragma once
#include <QString>

#include <array>

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
