#include "PresetsConcurso.h"

#include "ConcursosNombrados.h"

#include <iterator>

namespace {

// Descriptions and codes go to the log and to the organisers exactly as written, odd spacing and
// punctuation included.
constexpr CategoriaPreset conjunto1[] = {
    {"General (No Vertice)", "GENERAL"},
    {"Vertice Geodésico Mono-Operador Low Power", "VG-MONO-LP"},
    {"Vertice Geodésico Mono-Operador QRP", "VG-MONO-QRP"},
    {"Vertice Geodésico Multi-Operador low Power", "VG-MULTI-LP"},
    {"Vertice Geodésico Multi-Operador  QRP", "VG-MULTI-QRP"},
    {"Lista de Control (CHECKLOG)", "CHECKLOG"},
};
constexpr CategoriaPreset conjunto2[] = {
    {"ISLA-RESIDENTE", "ISLA-RESIDENTE"},
    {"ISLA-EXPEDICION", "ISLA-EXPEDICION"},
    {"FARO", "FARO"},
    {"GENERAL-PENINSULAR (EA, CT y C3", "GENERAL-PENINSULAR"},
    {"GENERAL NO EA (Resto de países)", "GENERAL-NO-EA"},
    {"ESCUCHAS (SWL)", "SWL"},
    {"LISTA DE CONTROL (CHECKLOG)", "CHECKLOG"},
};
constexpr CategoriaPreset conjunto3[] = {
    {"RADIOAFICIONADO NACIONAL", "RADIOAFICIONADO NACIONAL"},
    {"RADIOAFICIONADO INTERNACIONAL", "RADIOAFICIONADO INTERNACIONAL"},
    {"RADIOCLUB NACIONAL", "RADIOCLUB NACIONAL"},
    {"RADIOCLUB INTERNACIONAL", "RADIOCLUB INTERNACIONAL"},
    {"RADIOCLUB MIEMBRO", "RADIOCLUB MIEMBRO"},
    {"RADIOCLUB AMIGO", "RADIOCLUB AMIGO"},
    {"LISTA DE CONTROL", "CHECKLOG"},
};
constexpr CategoriaPreset conjunto4[] = {
    {"MONOOPERADOR MULTIBANDA", "SINGLE-OP ALL"},
    {"MONOOPERADOR MONOBANDA 10M", "SINGLE-OP 10M"},
    {"MONOOPERADOR MONOBANDA 15M", "SINGLE-OP 15M"},
    {"MONOOPERADOR MONOBANDA 20M", "SINGLE-OP 20M"},
    {"MONOOPERADOR MONOBANDA 40M", "SINGLE-OP 40M"},
    {"MONOOPERADOR MONOBANDA 80M", "SINGLE-OP 80M"},
    {"MONOOPERADOR MULTIBANDA QRP", "SINGLE-OP ALL QRP"},
    {"MULTIOPERADOR MULTIBANDA", "MULTI-MULTI ALL"},
    {"LISTA DE CONTROL", "CHECKLOG"},
};
constexpr CategoriaPreset conjunto5[] = {
    {"MonoOperador Fijo", "FIJA"},
    {"MonoOperador Portable", "MONO-PORTABLE"},
    {"MultiOperador Portable", "MULTI-PORTABLE"},
    {"Lista de Control (CHECKLOG)", "CHECKLOG"},
};
constexpr CategoriaPreset conjunto6[] = {
    {"MONOOPERADOR MULTIBANDA ALTA POTENCIA", "SINGLE-OP ALL HIGH"},
    {"MONOOPERADOR MONOBANDA 10M ALTA POTENCIA", "SINGLE-OP 10M HIGH"},
    {"MONOOPERADOR MONOBANDA 15M ALTA POTENCIA", "SINGLE-OP 15M HIGH"},
    {"MONOOPERADOR MONOBANDA 20M ALTA POTENCIA", "SINGLE-OP 20M HIGH"},
    {"MONOOPERADOR MONOBANDA 40M ALTA POTENCIA", "SINGLE-OP 40M HIGH"},
    {"MONOOPERADOR MONOBANDA 80M ALTA POTENCIA", "SINGLE-OP 80M HIGH"},
    {"MONOOPERADOR MONOBANDA 160M ALTA POTENCIA", "SINGLE-OP 160M HIGH"},
    {"MULTIOPERADOR MULTIBANDA SINGLE TX", "MULTI-ONE ALL"},
    {"MULTIOPERADOR MULTIBANDA MULTI TX", "MULTI-MULTI ALL"},
    {"LISTA DE CONTROL", "CHECKLOG"},
};
constexpr CategoriaPreset conjunto7[] = {
    {"MONOOPERADOR MULTIBANDA", "SINGLE-OP ALL"},    {"MONOOPERADOR MONOBANDA 10M", "SINGLE-OP 10M"},
    {"MONOOPERADOR MONOBANDA 15M", "SINGLE-OP 15M"}, {"MONOOPERADOR MONOBANDA 20M", "SINGLE-OP 20M"},
    {"MONOOPERADOR MONOBANDA 40M", "SINGLE-OP 40M"}, {"MONOOPERADOR MONOBANDA 80M", "SINGLE-OP 80M"},
    {"MULTIOPERADOR MULTIBANDA", "MULTI-MULTI ALL"}, {"LISTA DE CONTROL", "CHECKLOG"},
};
constexpr CategoriaPreset conjunto8[] = {
    {"MONOOPERADOR", "SINGLE-OP ALL SSB FIXED"},
    {"MONOOPERADOR MULTIBANDA EXPEDICIÓN", "SINGLE-OP ALL SSB EXPEDITION"},
    {"MONOOPERADOR 20M EXPEDICIÓN", "SINGLE-OP 20M SSB EXPEDITION"},
    {"MONOOPERADOR 40M EXPEDICIÓN", "SINGLE-OP 40M SSB EXPEDITION"},
    {"MULTIOPERADOR MULTIBANDA EXPEDICIÓN", "MULTI-OP ALL SSB EXPEDITION"},
    {"MULTIOPERADOR 40M EXPEDICIÓN", "MULTI-OP 40M SSB EXPEDITION"},
    {"MULTIOPERADOR 20M EXPEDICIÓN", "MULTI-OP 20M SSB EXPEDITION"},
    {"LISTA DE CONTROL", "CHECKLOG"},
};
constexpr CategoriaPreset conjunto9[] = {
    {"MONOOPERADOR MULTIBANDA BAJA POTENCIA", "SINGLE-OP LP ALL"},
    {"MONOOPERADOR MULTIBANDA ALTA POTENCIA", "SINGLE-OP HP ALL"},
    {"MONOOPERADOR MONOBANDA 10M", "SINGLE-OP 10M"},
    {"MONOOPERADOR MONOBANDA 15M", "SINGLE-OP 15M"},
    {"MONOOPERADOR MONOBANDA 20M", "SINGLE-OP 20M"},
    {"MONOOPERADOR MONOBANDA 40M", "SINGLE-OP 40M"},
    {"MONOOPERADOR MONOBANDA 80M", "SINGLE-OP 80M"},
    {"MONOOPERADOR MONOBANDA 160M", "SINGLE-OP 160M"},
    {"MULTIOPERADOR MULTIBANDA", "MULTI-MULTI ALL"},
    {"LISTA DE CONTROL", "CHECKLOG"},
};
constexpr CategoriaPreset conjunto10[] = {
    {"MONOOPERADOR MULTIBANDA", "SINGLE-OP ALL"},
    {"MONOOPERADOR MONOBANDA 10M", "SINGLE-OP 10M"},
    {"MONOOPERADOR MONOBANDA 15M", "SINGLE-OP 15M"},
    {"MONOOPERADOR MONOBANDA 20M", "SINGLE-OP 20M"},
    {"MONOOPERADOR MONOBANDA 40M", "SINGLE-OP 40M"},
    {"MONOOPERADOR MONOBANDA 80M", "SINGLE-OP 80M"},
    {"MONOOPERADOR MONOBANDA 160M", "SINGLE-OP 160M"},
    {"MULTIOPERADOR MULTIBANDA", "MULTI-MULTI ALL"},
    {"LISTA DE CONTROL", "CHECKLOG"},
};

// The category sets by their number in the named-contest table (1 to 10).
constexpr std::span<const CategoriaPreset> Conjuntos[] = {
    {},        conjunto1, conjunto2, conjunto3, conjunto4,  conjunto5,
    conjunto6, conjunto7, conjunto8, conjunto9, conjunto10,
};

//                                      Numeral Locator Siglas ZonaCQ Puntos
constexpr ResultadoIntercambio resultadoA{
    'A', {true, true, false, false, false}, {true, true, false, false, false}, SiglasEnviadas::SinCambio};
constexpr ResultadoIntercambio resultadoB{
    'B', {false, false, true, false, false}, {true, false, true, false, false}, SiglasEnviadas::SinCambio};
constexpr ResultadoIntercambio resultadoC{
    'C', {true, false, false, false, false}, {true, false, true, false, false}, SiglasEnviadas::Vacias};
constexpr ResultadoIntercambio resultadoD{
    'D', {false, false, true, false, false}, {false, false, true, false, false}, SiglasEnviadas::SinCambio};
constexpr ResultadoIntercambio resultadoE{
    'E', {false, false, false, false, false}, {false, false, false, false, false}, SiglasEnviadas::SinCambio};
constexpr ResultadoIntercambio resultadoF{
    'F', {false, false, false, false, false}, {false, false, false, false, true}, SiglasEnviadas::SinCambio};
constexpr ResultadoIntercambio resultadoG{
    'G', {false, false, true, false, false}, {false, false, true, false, false}, SiglasEnviadas::DXDesdeEA};

// Only the "EA" prefix counts here: the organisers' rules name it, not every Spanish prefix.
bool EsEstacionEA(const QString& indicativo) {
    return indicativo.startsWith(QLatin1String("EA"));
}

} // namespace

std::span<const CategoriaPreset> CategoriasDeConcurso(const QString& nombre) {
    const int conjunto = ColumnaNombrado(nombre, &ConcursoNombrado::conjuntoCategorias);
    if (conjunto <= 0 || conjunto >= static_cast<int>(std::size(Conjuntos))) return {};
    return Conjuntos[conjunto];
}

std::optional<ResultadoIntercambio> ResultadoCategoria(const QString& nombre, int indice,
                                                       const QString& indicativoEstacion) {
    using I = ConcursoNombrado::Intercambio;
    switch (ColumnaNombrado(nombre, &ConcursoNombrado::intercambio)) {
    case I::Ninguno:
        return std::nullopt;
    case I::A:
        return resultadoA;
    case I::D:
        return resultadoD;
    case I::E:
        return resultadoE;
    case I::F:
        return resultadoF;
    case I::G:
        return resultadoG;
    case I::SegunVertice:
        return (indice == 0 || indice == 5) ? resultadoC : resultadoB;
    case I::SegunDie:
        return indice < 3 ? resultadoB : resultadoC;
    case I::SegunEstacion:
        return EsEstacionEA(indicativoEstacion) ? resultadoB : resultadoC;
    }
    return std::nullopt;
}

QString SiglasTrasResultado(const ResultadoIntercambio& resultado, const QString& siglasActuales,
                            const QString& indicativoEstacion) {
    switch (resultado.siglas) {
    case SiglasEnviadas::SinCambio:
        return siglasActuales;
    case SiglasEnviadas::Vacias:
        return {};
    case SiglasEnviadas::DXDesdeEA:
        return EsEstacionEA(indicativoEstacion) ? QStringLiteral("DX") : QString();
    }
    return siglasActuales;
}
