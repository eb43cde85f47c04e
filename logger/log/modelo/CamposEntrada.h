#pragma once
#include "Avisos.h"
#include "Entrada.h"
#include "ReglasContacto.h"

#include <optional>

// What a row's field does with its keys: pure rules the log window applies.

// The editing mode as far as the fields care.
enum class ModoCampos { Navegacion, Alta, Modificar, Otro };

// The most characters a column takes (never more than its stored field holds).
int LongitudMaxima(Columna campo);

// Every typed character upper-cased, Spanish letters included ("ñ" gives "Ñ").
QString Mayusculas(const QString& texto);

// The text a field keeps when it loses the focus: trimmed, except ControlRec and NumeralEnviado;
// NumeralRecibido also loses a leading "-" and shows four digits ("12" gives "0012"). A lone "-"
// (nothing received) stays, so the checks accept it.
QString TextoAlSalir(Columna campo, const QString& texto);

// Enter on NumeralEnviado: the absolute value without leading zeros ("0012" gives "12"); an empty
// or non-numeric text is left as typed, for the checks to refuse.
QString NumeralSinCeros(const QString& texto);

// What Enter in a field leads to.
struct ResultadoEnter {
    enum class Accion {
        Nada,  // the key is consumed and nothing else happens
        Foco,  // the focus goes to `foco` of the same row
        Queda, // the focus stays (after the beep or the box)
        Graba, // the QSO is stored as if Aceptar had been pressed
    } accion = Accion::Nada;
    Columna foco = Columna::FechaQso;
    bool pitido = false;
    std::optional<Aviso> aviso;             // shown before staying (a refused locator)
    std::optional<QString> texto;           // the field's new text
    std::optional<QString> literalRecibido; // LiteralRecibido's new text (from ControlRec)
    bool buscaRepeticion = false;           // Indicativo: the repeat look-up runs first
    bool operator==(const ResultadoEnter&) const = default;
};

// Enter in `campo` holding `texto`, for the contest's rules and the editing mode.
ResultadoEnter TeclaEnter(Columna campo, const QString& texto, const ReglasContacto& reglas, ModoCampos modo);

// The received chain searched from the given field; its end stores the QSO outside "MODIFICAR"
// and goes on along the sent chain in "MODIFICAR".
ResultadoEnter CadenaRecibida(Columna desde, const ReglasContacto& reglas, ModoCampos modo);
// The sent chain of a correction searched from the given field; its end is FechaQso.
ResultadoEnter CadenaEnviada(Columna desde, const ReglasContacto& reglas);
