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

// ---- Cabrillo: frequency and mode columns of a QSO line ----

namespace {
const std::vector<FilaBandaCabrillo> BandasCabrillo{
    {50, "50"},     {70, "70"},     {144, "144"},     {222, "222"},     {420, "432"},     {902, "902"},
    {1240, "1.2G"}, {2300, "2.3G"}, {3300, "3.4G"},   {5650, "5.7G"},   {10000, "10G"},   {24000, "24G"},
    {47000, "47G"}, {75500, "75G"}, {119980, "122G"}, {134000, "134G"}, {241000, "241G"},
};

struct FilaModoCabrillo {
    const char* modo;
    const char* codigo;
};
const std::array<FilaModoCabrillo, 9> ModosCabrillo{{{"CW", "CW"},
                                                     {"RTTY", "RY"},
                                                     {"FM", "FM"},
                                                     {"AM", "PH"},
                                                     {"SSB", "PH"},
                                                     {"USB", "PH"},
                                                     {"LSB", "PH"},
                                                     {"PSK31", "RY"},
                                                     {"BPSK63", "RY"}}};
} // namespace

const std::vector<FilaBandaCabrillo>& TablaBandasCabrillo() {
    return BandasCabrillo;
}

QString FrecuenciaCabrillo(const QString& banda) {
    bool esNumero = false;
    const double mhz =
        QString(banda).replace(QLatin1Char(','), QLatin1Char('.')).trimmed().toDouble(&esNumero);
    if (!esNumero || mhz <= 0) return banda;
    if (mhz < BandasCabrillo.front().desdeMHz) return QString::number(qRound64(mhz * 1000));
    const char* designador = BandasCabrillo.front().designador;
    for (const auto& fila : BandasCabrillo)
        if (mhz >= fila.desdeMHz) designador = fila.designador;
    return QString::fromLatin1(designador);
}

QString ModoCabrillo(const QString& modo, bool version30) {
    for (const auto& fila : ModosCabrillo)
        if (modo == QLatin1String(fila.modo)) return QString::fromLatin1(fila.codigo);
    if (modo.contains(QLatin1String("PSK"))) return QStringLiteral("RY");
    return version30 ? QStringLiteral("DG") : QStringLiteral("RY");
}
