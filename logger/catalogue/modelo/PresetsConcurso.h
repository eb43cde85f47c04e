#pragma once
#include <array>
#include <optional>
#include <QString>
#include <span>

// Contests the editor knows by name: their own Cabrillo categories, and the exchange each one
// (or each of its categories) implies. Pure data and one rule table; the windows apply them.

struct CategoriaPreset {
    const char* descripcion; // shown to the operator
    const char* codigo;      // written to the log as the Cabrillo category
};

// The category set of a contest typed with exactly this name; empty when it has none.
std::span<const CategoriaPreset> CategoriasDeConcurso(const QString& nombre);

// Exchange items in the order the editor sets them, sent and received alike.
enum class ItemIntercambio { Numeral, Locator, Siglas, ZonaCQ, Puntos };
inline constexpr std::array<ItemIntercambio, 5> ItemsIntercambio{
    ItemIntercambio::Numeral, ItemIntercambio::Locator, ItemIntercambio::Siglas, ItemIntercambio::ZonaCQ,
    ItemIntercambio::Puntos};

// What happens to the sent-letters box.
enum class SiglasEnviadas { SinCambio, Vacias, DXDesdeEA };

struct ResultadoIntercambio {
    char letra;                  // A to G, for messages and tests
    std::array<bool, 5> enviar;  // ticked, in ItemsIntercambio order
    std::array<bool, 5> recibir; // ticked, in ItemsIntercambio order
    SiglasEnviadas siglas;
};

// The exchange the contest name and category index (-1 when none is chosen) give, for a station
// whose loaded callsign is `indicativoEstacion` (empty when none); nothing for unknown names.
std::optional<ResultadoIntercambio> ResultadoCategoria(const QString& nombre, int indice,
                                                       const QString& indicativoEstacion);

// The sent letters after applying an exchange: kept, emptied, or "DX" for a station in Spain.
QString SiglasTrasResultado(const ResultadoIntercambio& resultado, const QString& siglasActuales,
                            const QString& indicativoEstacion);
