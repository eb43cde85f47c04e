#pragma once
// Text forms the log, its checks and its outputs share: numbers as typed, serials, Cabrillo formats.
#include <QString>

#include <optional>

// The value of a number as the operator types it (the locale's decimal comma); none for "-" or
// anything else that names no finite number.
std::optional<double> ValorNumerico(const QString& texto);
// A serial "formatted 0000": 12 gives 0012 (a fraction is rounded); an empty or non-numeric text
// is left as it is.
QString Formato0000(const QString& texto);

// The formats a Cabrillo summary names.
inline constexpr const char* FormatoCabrillo20 = "CABRILLO 2.0";
inline constexpr const char* FormatoCabrillo30 = "CABRILLO 3.0";
inline constexpr const char* FormatoEspecial = "ESPECIAL";
// The category entry meaning "no line for this category in the header".
inline constexpr const char* NoAplicable = "No Aplicable";
