#pragma once
#include <QString>
#include <QStringList>

// Checks of values the user types. Each one works on the text in place: an accepted value is left
// in its normal form ("hh:mm", "dd-mm-yyyy", "0"), so the caller stores what the check leaves.

// True if empty or only blanks; an all-blank value is cleared.
bool EstaEnBlanco(QString& valor);

// True if blank (becomes "0"), exactly "-" (no number), or a number in the user's number format.
bool VerificaNumero(QString& valor);

// True if empty or a valid 24-hour time ("h", "hhmm", "hh:mm"); rewritten to "hh:mm".
// A bad shape or value shows the time message, except a five-character value without ":" in the
// middle, which fails silently.
bool VerificaHora(QString& valor);

// True if blank (cleared) or a valid day-first date (ddmmyy[yy] with optional "-" or "/"
// separators); rewritten to "dd-mm-yyyy". Otherwise shows the date message.
bool VerificaFecha(QString& valor);
