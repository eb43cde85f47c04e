#pragma once
#include <QString>

// Contests that the program knows by name and treats in their own way. One row per name; the
// rules of the catalogue, the log and the outputs read their columns here.
struct ConcursoNombrado {
    const char* nombre; // compared exactly, as the contest row stores it
    // The name begins every contest name the row stands for ("RSGB-IOTA" for "RSGB-IOTA 2024").
    bool prefijo = false;
    // Sent serials numbered separately on each band, and one Cabrillo log per band.
    bool porBanda = false;

    // --- Checks of the received exchange in the log ---
    // Separate received literal (without NumeraloSiglas): what it must be.
    enum class Siglas { Libres, Provincia, ProvinciaOC3 } siglasRecibidas = Siglas::Libres;
    // Combined ControlRec (with NumeraloSiglas): what it must be.
    enum class Control {
        Libre,
        ReferenciaVG,
        ProvinciaONumero,
        ProvinciaHQONumero
    } controlRecibido = Control::Libre;
    // Enter on the received literal: it must be numeric and is shown with four digits.
    bool literalRecibidoNumerico = false;

    // --- The contest editor ---
    // What the sent letters of the contest definition must be (Spanish stations only for
    // ProvinciaOC3: a province or "C3").
    enum class SiglasEnvio {
        Libres,
        ReferenciaVG,
        Provincia,
        ProvinciaOC3
    } siglasEnviadas = SiglasEnvio::Libres;
    // Its own Cabrillo categories: the number of the category set of the presets, 0 for none.
    int conjuntoCategorias = 0;
    // The exchange its category implies: one outcome (A to G), or chosen by the category
    // (geodesic vertex, DIE) or by the station (EA or not).
    enum class Intercambio {
        Ninguno,
        A,
        D,
        E,
        F,
        G,
        SegunVertice,
        SegunDie,
        SegunEstacion
    } intercambio = Intercambio::Ninguno;
    // The received exchange is never "number or letters", whatever the boxes say.
    bool sinNumeraloSiglas = false;
    // Loading the contest clears a stored "number or letters".
    bool anulaNumeraloSiglas = false;
    // No report sent or received.
    bool sinRst = false;

    // --- Fixed corrections applied to the current edition at startup ---
    enum class Correccion {
        Ninguna,
        CategoriasRey,
        CategoriasEa,
        CategoriasCncw,
        Municipios,
        Naranja
    } correccion = Correccion::Ninguna;
    // The name the correction looks the contest up by, when it is not `nombre` as written (the
    // engine compares it without regard to case).
    const char* nombreCorreccion = nullptr;
};

// The row of a contest name (the first that names it exactly or, for a prefix row, begins it),
// or nullptr when the program does not know it by name.
const ConcursoNombrado* BuscaConcursoNombrado(const QString& nombre);

// The column of a name's row, or the column's default when the name has no row.
template <class T> T ColumnaNombrado(const QString& nombre, T ConcursoNombrado::*columna) {
    const ConcursoNombrado* c = BuscaConcursoNombrado(nombre);
    return c ? c->*columna : ConcursoNombrado{}.*columna;
}

// Every row, in table order.
struct FilasNombrados {
    const ConcursoNombrado* desde;
    const ConcursoNombrado* hasta;
    const ConcursoNombrado* begin() const { return desde; }
    const ConcursoNombrado* end() const { return hasta; }
};
FilasNombrados ConcursosNombrados();

bool NumeracionPorBanda(const QString& nombreConcurso);
