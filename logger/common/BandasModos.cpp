#include "BandasModos.h"

namespace {
const std::array<FilaBanda, NumeroBandas> Bandas{{{0, "1.8", false},
                                                  {1, "3.5", false},
                                                  {2, "7", false},
                                                  {3, "10", false},
                                                  {4, "14", false},
                                                  {5, "18", false},
                                                  {6, "21", false},
                                                  {7, "24", false},
                                                  {8, "28", false},
                                                  {9, "50", false},
                                                  {10, "144", false},
                                                  {11, "432", false},
                                                  {12, "1296", false},
                                                  {13, "User1", true},
                                                  {14, "User2", true},
                                                  {15, "User3", true}}};

const std::array<FilaModo, NumeroModos> Modos{{{0, "AM", false},
                                               {1, "CW", false},
                                               {2, "USB", false},
                                               {3, "LSB", false},
                                               {4, "SSB", false},
                                               {5, "FM", false},
                                               {6, "RTTY", false},
                                               {7, "Packet", false},
                                               {8, "User1", true},
                                               {9, "User2", true},
                                               {10, "User3", true},
                                               {11, "User4", true},
                                               {12, "User5", true},
                                               {13, "User6", true},
                                               {14, "User7", true},
                                               {15, "User8", true},
                                               {16, "User9", true},
                                               {17, "User10", true}}};
} // namespace

const std::array<FilaBanda, NumeroBandas>& TablaBandas() {
    return Bandas;
}
const std::array<FilaModo, NumeroModos>& TablaModos() {
    return Modos;
}

QString NombreBanda(int indice) {
    return indice >= 0 && indice < NumeroBandas ? QString::fromLatin1(Bandas[indice].nombre) : QString();
}

QString NombreModo(int indice) {
    return indice >= 0 && indice < NumeroModos ? QString::fromLatin1(Modos[indice].nombre) : QString();
}
