#pragma once
#include "Entrada.h"
#include "Qso.h"
#include "Rechazo.h"
#include "ReglasContacto.h"

#include <QStringList>

#include <optional>

// What the checks of a QSO row look at before it is stored or a correction is accepted.
struct DatosContacto {
    TextosFila fila;       // the row's texts as typed
    ReglasContacto reglas; // the contest's flags
    QStringList bandas;    // captions of the enabled band options (Option3D1)
    QStringList modos;     // captions of the enabled mode options (Option3D2)
};

// The first check that failed (paso 1 to 15, the order of the checks), with the column of the
// current row that gets the focus.
using RechazoContacto = Rechazo<Columna>;

struct ResultadoContacto {
    // The row with its normalised texts (date "dd-mm-yyyy", time "hh:mm", a checked VGE reference
    // or province in ControlRec and LiteralRecibido). Write these back into the row, also on refusal.
    TextosFila fila;
    std::optional<RechazoContacto> rechazo; // none: store

    bool acepta() const { return !rechazo; }
};

// Runs the checks in order and stops at the first refusal. Shows nothing; the caller shows it
// with MuestraRechazo (Rechazo.h) and moves the focus. Never writes anything.
ResultadoContacto VerificaContacto(const DatosContacto& datos);

// The band (mode) must equal, exactly and case-sensitively, the caption of an enabled option.
std::optional<RechazoContacto> VerificaBanda(const QString& banda, const QStringList& bandas);
std::optional<RechazoContacto> VerificaModo(const QString& modo, const QStringList& modos);

// An empty value is accepted; otherwise a Maidenhead locator ("IN80" stands for "IN80LL").
bool VerificaLocator(const QString& valor, float& longitud, float& latitud);
Aviso AvisoLocator(); // the box of a refused locator
// The box of a callsign that is not one: fewer than 3 characters, no digit, or a character
// other than A to Z, 0 to 9 and "/".
Aviso AvisoIndicativo();
// The box of a value longer than the column takes (`guardado`: than its stored field holds).
Aviso AvisoLongitud(Columna campo, bool guardado = false);
