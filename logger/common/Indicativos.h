#pragma once
#include <QString>

// True if the station callsign begins with a Spanish prefix (EA to EH, AM to AO; case matters).
// Callers pass the callsign of the selected station row, or "" while there is none.
bool EsIndicativoEspanol(const QString& indicativo);

// A callsign as the log takes it: at least 3 characters, a digit among them, and only capitals A to
// Z, digits and "/".
bool IndicativoValido(const QString& indicativo);

// Splits "F/N0CALL/P" into the base callsign (left in `indicativo`: N0CALL) and the rest
// ("F/P"). A callsign without "/" keeps itself and gets an empty rest.
void SeparaIndicativo(QString& indicativo, QString& resto);

// "VG-AB123": removes the first "-" from the reference (VGAB123) and splits what follows the first
// "VG" into letters (AB) and digits (123). An empty reference empties only `digitos`.
void SeparaReferenciaVG(QString& referencia, QString& letras, QString& digitos);
