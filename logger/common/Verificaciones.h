#pragma once
#include "Rechazo.h"

#include <QString>
#include <QStringList>

// Checks of values the user types. Each one works on the text in place: an accepted value is left
// in its normal form ("hh:mm", "dd-mm-yyyy", "0"), so the caller stores what the check leaves.
// None shows anything: a refusal comes back with its box, for the caller to show.

// True if empty or only blanks; an all-blank value is cleared.
bool EstaEnBlanco(QString& valor);

// True if blank (becomes "0"), exactly "-" (no number), or a number in the user's number format.
// A refused number has no box of its own: its callers name the field.
bool VerificaNumero(QString& valor);

// A whole number written with digits only ("12", "007"): no sign, decimals, blanks or exponent.
bool EsEntero(const QString& valor);
// A CQ zone: a whole number from 1 to 40.
bool EsZonaCq(const QString& valor);

// Accepts an empty or valid 24-hour time ("hhmm", "hh:mm"), rewritten to "hh:mm". Any other value
// is refused with the time box: one digit, and five characters without ":" in the middle, included.
Verificacion VerificaHora(QString& valor);

// Accepts a blank value (cleared) or a valid day-first date (ddmmyy[yy] with optional "-" or "/"
// separators) of the years 1900 to 2099, rewritten to "dd-mm-yyyy". Otherwise refused with the date box.
Verificacion VerificaFecha(QString& valor);
