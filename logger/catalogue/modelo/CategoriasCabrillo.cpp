#include "CategoriasCabrillo.h"

namespace {

// Spelt as the Cabrillo readers of the contest organisers expect them.
constexpr const char* categoria20[] = {
    "No Aplicable", "SINGLE-OP",   "SINGLE-OP EXPERT", "SINGLE-OP-ASSISTED", "MULTI-ONE",
    "MULTI-TWO",    "MULTI-MULTI", "SCHOOL-CLUB",      "CHECKLOG",           "SINGLE-OP-PORTABLE",
    "HILLTOPPER",   "ROVER",       "MULTI-LIMITED",    "MULTI-UNLIMITED"};
constexpr const char* categoria30[] = {"No Aplicable", "SINGLE-OP", "MULTI-OP", "CHECKLOG"};
constexpr const char* banda20[] = {"No Aplicable", "ALL", "160M", "80M",    "40M",
                                   "20M",          "15M", "10M",  "LIMITED"};
constexpr const char* banda30[] = {"No Aplicable", "ALL", "160M", "80M", "40M", "20M", "15M",
                                   "10M",          "6M",  "2M",   "222", "432", "902", "1.2G"};
constexpr const char* potencia20[] = {"No Aplicable", "HIGH", "LOW", "QRP"};
constexpr const char* potencia30[] = {"No Aplicable", "HIGH", "LOW", "QRP"};
constexpr const char* modo20[] = {"No Aplicable", "CW", "SSB", "RTTY", "MIXED"};
constexpr const char* modo30[] = {"No Aplicable", "SSB", "CW", "RTTY", "MIXED"};
constexpr const char* overlay20[] = {"No Aplicable", "ROOKIE", "BAND-LIMITED", "TB-WIRES", "OVER-50", "HQ"};
constexpr const char* overlay30[] = {"No Aplicable", "ROOKIE", "TB-WIRES", "NOVICE-TECH", "OVER-50"};
constexpr const char* asistido30[] = {"No Aplicable", "NON-ASSISTED", "ASSISTED"};
constexpr const char* estacion30[] = {"No Aplicable", "FIXED",      "MOBILE", "PORTABLE", "HILLTOPPER",
                                      "ROVER",        "EXPEDITION", "HQ",     "SCHOOL"};
constexpr const char* tx30[] = {"No Aplicable", "ONE", "TWO", "LIMITED", "SWL"};
constexpr const char* time30[] = {"No Aplicable", "6-HOURS", "12-HOURS", "24-HOURS"};
// Only this list spells the entry with a small "a"; kept so old summaries read back the same.
constexpr const char* overlayDesconocido[] = {"No aplicable", "ROOKIE",  "BAND-LIMITED",
                                              "TB-WIRES",     "OVER-50", "HQ"};

} // namespace

const std::array<DefCajaCabrillo, 9> CajasCabrillo{{
    {CajaCabrillo::Categoria, "Categoria", "Categoria"},
    {CajaCabrillo::Banda, "CatBanda", "Banda"},
    {CajaCabrillo::Potencia, "CatPotencia", "Potencia"},
    {CajaCabrillo::Modo, "CatModo", "Modo"},
    {CajaCabrillo::Overlay, "CatOverlay", "Overlay"},
    {CajaCabrillo::Asistido, "CatAsistido", "Asistido"},
    {CajaCabrillo::Estacion, "CatEstacion", "Estacion"},
    {CajaCabrillo::Tx, "CatTx", "Tx"},
    {CajaCabrillo::Time, "CatTime", "Time"},
}};

ListaCabrillo ValoresCabrillo(VersionCabrillo version, CajaCabrillo caja) {
    const bool v20 = version == VersionCabrillo::V20;
    switch (caja) {
    case CajaCabrillo::Categoria:
        return v20 ? ListaCabrillo{categoria20, "SINGLE-OP"} : ListaCabrillo{categoria30, "SINGLE-OP"};
    case CajaCabrillo::Banda:
        return v20 ? ListaCabrillo{banda20, "ALL"} : ListaCabrillo{banda30, "ALL"};
    case CajaCabrillo::Potencia:
        return v20 ? ListaCabrillo{potencia20, "LOW"} : ListaCabrillo{potencia30, "LOW"};
    case CajaCabrillo::Modo:
        return v20 ? ListaCabrillo{modo20, "SSB"} : ListaCabrillo{modo30, "SSB"};
    case CajaCabrillo::Overlay:
        return v20 ? ListaCabrillo{overlay20, NoAplicable} : ListaCabrillo{overlay30, NoAplicable};
    case CajaCabrillo::Asistido:
        return v20 ? ListaCabrillo{{}, nullptr} : ListaCabrillo{asistido30, NoAplicable};
    case CajaCabrillo::Estacion:
        return v20 ? ListaCabrillo{{}, nullptr} : ListaCabrillo{estacion30, NoAplicable};
    case CajaCabrillo::Tx:
        return v20 ? ListaCabrillo{{}, nullptr} : ListaCabrillo{tx30, NoAplicable};
    case CajaCabrillo::Time:
        return v20 ? ListaCabrillo{{}, nullptr} : ListaCabrillo{time30, NoAplicable};
    }
    return {{}, nullptr};
}

std::span<const char* const> OverlayFormatoDesconocido() {
    return overlayDesconocido;
}

int BuscaEntrada(int cuantas, const std::function<QString(int)>& entrada, const QString& texto) {
    for (int i = 0; i < cuantas; ++i)
        if (texto == entrada(i)) return i;
    return -1;
}

int BuscaEntrada(std::span<const char* const> entradas, const QString& texto) {
    return BuscaEntrada(
        static_cast<int>(entradas.size()),
        [&](int i) { return QString::fromUtf8(entradas[static_cast<size_t>(i)]); }, texto);
}
