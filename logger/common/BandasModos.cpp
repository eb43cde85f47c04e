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
// The modes Cabrillo names; every other one is digital.
const std::array<FilaModoCabrillo, 7> ModosCabrillo{
    {{"CW", "CW"}, {"RTTY", "RY"}, {"FM", "FM"}, {"AM", "PH"}, {"SSB", "PH"}, {"USB", "PH"}, {"LSB", "PH"}}};

// The log's HF bands whose round name lies below the band itself: the frequency written is the
// band's lower edge in kHz.
struct FilaFrecuenciaCabrillo {
    const char* banda;
    const char* khz;
};
constexpr FilaFrecuenciaCabrillo FrecuenciasCabrillo[] = {{"10", "10100"}, {"18", "18068"}, {"24", "24890"}};
} // namespace

const std::vector<FilaBandaCabrillo>& TablaBandasCabrillo() {
    return BandasCabrillo;
}

QString FrecuenciaCabrillo(const QString& banda) {
    for (const auto& fila : FrecuenciasCabrillo)
        if (banda.trimmed() == QLatin1String(fila.banda)) return QString::fromLatin1(fila.khz);
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
    return version30 ? QStringLiteral("DG") : QStringLiteral("RY");
}

// ---- ADIF names of bands and modes ----

namespace {
// The ADIF band list (ADIF 3.1.4), lower and upper edge in MHz.
const std::vector<FilaBandaAdif> BandasAdif{
    {"2190M", 0.1357, 0.1378},   {"630M", 0.472, 0.479},      {"560M", 0.501, 0.504},
    {"160M", 1.8, 2.0},          {"80M", 3.5, 4.0},           {"60M", 5.06, 5.45},
    {"40M", 7.0, 7.3},           {"30M", 10.1, 10.15},        {"20M", 14.0, 14.35},
    {"17M", 18.068, 18.168},     {"15M", 21.0, 21.45},        {"12M", 24.89, 24.99},
    {"10M", 28.0, 29.7},         {"8M", 40.0, 45.0},          {"6M", 50.0, 54.0},
    {"5M", 54.000001, 69.9},     {"4M", 70.0, 71.0},          {"2M", 144.0, 148.0},
    {"1.25M", 222.0, 225.0},     {"70CM", 420.0, 450.0},      {"33CM", 902.0, 928.0},
    {"23CM", 1240.0, 1300.0},    {"13CM", 2300.0, 2450.0},    {"9CM", 3300.0, 3500.0},
    {"6CM", 5650.0, 5925.0},     {"3CM", 10000.0, 10500.0},   {"1.25CM", 24000.0, 24250.0},
    {"6MM", 47000.0, 47200.0},   {"4MM", 75500.0, 81000.0},   {"2.5MM", 119980.0, 123000.0},
    {"2MM", 134000.0, 149000.0}, {"1MM", 241000.0, 250000.0}, {"SUBMM", 300000.0, 7500000.0}};

// The log's band names are the lower edges rounded ("10" for 10.1 MHz), so they go by table.
const std::vector<FilaBandaLogAdif> BandasLogAdif{
    {"1.8", "160M"}, {"3.5", "80M"},  {"7", "40M"},     {"10", "30M"},   {"14", "20M"},
    {"18", "17M"},   {"21", "15M"},   {"24", "12M"},    {"28", "10M"},   {"50", "6M"},
    {"144", "2M"},   {"432", "70CM"}, {"1296", "23CM"}, {"902", "33CM"}, {"2300", "13CM"}};

// Modes of the ADIF mode list that the log may hold, then submodes with their mode.
const std::vector<FilaModoAdif> ModosAdif{{"AM", "AM", ""},
                                          {"ARDOP", "ARDOP", ""},
                                          {"ATV", "ATV", ""},
                                          {"CHIP", "CHIP", ""},
                                          {"CLO", "CLO", ""},
                                          {"CONTESTI", "CONTESTI", ""},
                                          {"CW", "CW", ""},
                                          {"DIGITALVOICE", "DIGITALVOICE", ""},
                                          {"DOMINO", "DOMINO", ""},
                                          {"DYNAMIC", "DYNAMIC", ""},
                                          {"FAX", "FAX", ""},
                                          {"FM", "FM", ""},
                                          {"FSK441", "FSK441", ""},
                                          {"FT8", "FT8", ""},
                                          {"HELL", "HELL", ""},
                                          {"ISCAT", "ISCAT", ""},
                                          {"JT4", "JT4", ""},
                                          {"JT6M", "JT6M", ""},
                                          {"JT9", "JT9", ""},
                                          {"JT44", "JT44", ""},
                                          {"JT65", "JT65", ""},
                                          {"MFSK", "MFSK", ""},
                                          {"MSK144", "MSK144", ""},
                                          {"MT63", "MT63", ""},
                                          {"OLIVIA", "OLIVIA", ""},
                                          {"OPERA", "OPERA", ""},
                                          {"PAC", "PAC", ""},
                                          {"PAX", "PAX", ""},
                                          {"PKT", "PKT", ""},
                                          {"PSK", "PSK", ""},
                                          {"PSK2K", "PSK2K", ""},
                                          {"Q15", "Q15", ""},
                                          {"QRA64", "QRA64", ""},
                                          {"ROS", "ROS", ""},
                                          {"RTTY", "RTTY", ""},
                                          {"RTTYM", "RTTYM", ""},
                                          {"SSB", "SSB", ""},
                                          {"SSTV", "SSTV", ""},
                                          {"T10", "T10", ""},
                                          {"THOR", "THOR", ""},
                                          {"THRB", "THRB", ""},
                                          {"TOR", "TOR", ""},
                                          {"V4", "V4", ""},
                                          {"VOI", "VOI", ""},
                                          {"WINMOR", "WINMOR", ""},
                                          {"WSPR", "WSPR", ""},
                                          // The log's own name for packet radio.
                                          {"PACKET", "PKT", ""},
                                          {"USB", "SSB", "USB"},
                                          {"LSB", "SSB", "LSB"},
                                          {"PCW", "CW", "PCW"},
                                          {"PSK31", "PSK", "PSK31"},
                                          {"PSK63", "PSK", "PSK63"},
                                          {"PSK125", "PSK", "PSK125"},
                                          {"PSK250", "PSK", "PSK250"},
                                          {"PSK500", "PSK", "PSK500"},
                                          {"BPSK31", "PSK", "BPSK31"},
                                          {"BPSK63", "PSK", "BPSK63"},
                                          {"BPSK125", "PSK", "BPSK125"},
                                          {"QPSK31", "PSK", "QPSK31"},
                                          {"QPSK63", "PSK", "QPSK63"},
                                          {"QPSK125", "PSK", "QPSK125"},
                                          {"PSKAM10", "PSK", "PSKAM10"},
                                          {"FT4", "MFSK", "FT4"},
                                          {"JS8", "MFSK", "JS8"},
                                          {"FST4", "MFSK", "FST4"},
                                          {"FST4W", "MFSK", "FST4W"},
                                          {"Q65", "MFSK", "Q65"},
                                          {"MFSK8", "MFSK", "MFSK8"},
                                          {"MFSK16", "MFSK", "MFSK16"},
                                          {"MFSK32", "MFSK", "MFSK32"},
                                          {"JTMS", "MFSK", "JTMS"},
                                          {"FSQCALL", "MFSK", "FSQCALL"},
                                          {"FT2", "MFSK", "FT2"},
                                          {"JT65A", "JT65", "JT65A"},
                                          {"JT65B", "JT65", "JT65B"},
                                          {"JT65C", "JT65", "JT65C"},
                                          {"JT9A", "JT9", "JT9A"},
                                          {"JT4A", "JT4", "JT4A"},
                                          {"JT4B", "JT4", "JT4B"},
                                          {"DOMINOEX", "DOMINO", "DOMINOEX"},
                                          {"DOMINOF", "DOMINO", "DOMINOF"},
                                          {"FMHELL", "HELL", "FMHELL"},
                                          {"FSKHELL", "HELL", "FSKHELL"},
                                          {"HELL80", "HELL", "HELL80"},
                                          {"PSKHELL", "HELL", "PSKHELL"},
                                          {"ASCI", "RTTY", "ASCI"},
                                          {"AMTORFEC", "TOR", "AMTORFEC"},
                                          {"GTOR", "TOR", "GTOR"},
                                          {"PAC2", "PAC", "PAC2"},
                                          {"PAC3", "PAC", "PAC3"},
                                          {"PAX2", "PAX", "PAX2"},
                                          {"THRBX", "THRB", "THRBX"},
                                          {"C4FM", "DIGITALVOICE", "C4FM"},
                                          {"DMR", "DIGITALVOICE", "DMR"},
                                          {"DSTAR", "DIGITALVOICE", "DSTAR"},
                                          {"FREEDV", "DIGITALVOICE", "FREEDV"},
                                          {"M17", "DIGITALVOICE", "M17"}};
} // namespace

const std::vector<FilaBandaAdif>& TablaBandasAdif() {
    return BandasAdif;
}
const std::vector<FilaBandaLogAdif>& TablaBandasLogAdif() {
    return BandasLogAdif;
}
const std::vector<FilaModoAdif>& TablaModosAdif() {
    return ModosAdif;
}

QString BandaAdif(const QString& banda) {
    QString texto = banda.trimmed();
    for (const FilaBandaLogAdif& f : BandasLogAdif)
        if (texto == QLatin1String(f.banda)) return QString::fromLatin1(f.adif);
    // A user band may be named in GHz, "10G" for 10 GHz.
    const bool ghz = texto.endsWith(u'G', Qt::CaseInsensitive);
    if (ghz) texto.chop(1);
    bool numero = false;
    double mhz = texto.replace(u',', u'.').toDouble(&numero);
    if (!numero) return {};
    if (ghz) mhz *= 1000;
    for (const FilaBandaAdif& f : BandasAdif)
        if (mhz >= f.desdeMHz && mhz <= f.hastaMHz) return QString::fromLatin1(f.adif);
    return {};
}

ModoAdif ModoParaAdif(const QString& modo) {
    const QString nombre = modo.trimmed().toUpper();
    for (const FilaModoAdif& f : ModosAdif)
        if (nombre == QLatin1String(f.nombre))
            return {QString::fromLatin1(f.modo), QString::fromLatin1(f.submodo)};
    return {modo, {}};
}
