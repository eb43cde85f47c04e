#pragma once
#include "Avisos.h"

#include <optional>

// What the opening checks of the log look at: the main window's callsign selection and the
// contest shown in its editor (the locator and literal fields as typed there).
struct DatosApertura {
    bool hayIndicativo = false;
    bool EnviarLocator = false;
    QString MiLocator;
    bool EnviarSiglas = false;
    bool LiteralFijo = false;
    QString Siglas;
    bool EnviarZonaCq = false;
};

struct RechazoApertura {
    Aviso aviso;
    bool pita = false; // a beep before the box
};

// The checks before the log opens, in their order; the first refusal, or nothing when it may open.
std::optional<RechazoApertura> CompruebaApertura(const DatosApertura& d);
