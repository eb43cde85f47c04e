#pragma once
#include <QString>

// Contests that the program knows by name and treats in their own way. One row per name; the
// rules of the catalogue, the log and the outputs read their columns here.
struct ConcursoNombrado {
    const char* nombre; // compared exactly, as the contest row stores it
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
};

// The row of a contest name, or nullptr when the program does not know it by name.
const ConcursoNombrado* BuscaConcursoNombrado(const QString& nombre);

bool NumeracionPorBanda(const QString& nombreConcurso);
