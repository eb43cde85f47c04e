#pragma once
#include "OpcionesConcurso.h"
#include "Rechazo.h"

#include <QStringList>

#include <array>
#include <optional>

// What the checks of a contest definition look at before it is stored.
struct DatosValidacion {
    QStringList valores;           // text3(0) to text3(9), after the field type checks
    OpcionesConcurso opciones;     // the exchange and repeat boxes as shown
    std::array<bool, 16> bandas{}; // SSCheck2
    std::array<bool, 18> modos{};  // SSCheck1
    QString indicativo;            // the selected station callsign
};

// The first check that failed (paso 1 to 19), with the text3 box that gets the focus (-1: the
// focus stays).
using RechazoConcurso = Rechazo<int>;

struct ResultadoValidacion {
    // The values with their normalised forms: repeat hours "hh:mm" ("24" becomes "23:59"), a
    // geodesic-vertex reference without its hyphen. Store these on acceptance.
    QStringList valores;
    // text3(8) shows valores[8] once the repeat hours passed their check, also when a later
    // check refuses.
    bool muestraHoras = false;
    std::optional<RechazoConcurso> rechazo; // none: store

    bool acepta() const { return !rechazo; }
};

// Runs the checks in order and stops at the first failure. Shows nothing: the caller shows the
// refusal with MuestraRechazo (Rechazo.h) and moves the focus.
ResultadoValidacion ValidaConcurso(const DatosValidacion& datos);
