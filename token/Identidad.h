#pragma once
#include <QString>

// The small substitution cipher both programs carry, and the launch token built on it.
//
// Texts are handled one UTF-16 unit at a time, each taken as its Windows-1252 code, so coded and
// plain texts always keep the length of the input.

// The 52 characters with codes 45 ("-") to 96 (grave accent); position 1 is "-".
inline constexpr char AlfabetoCifrado[] = "-./0123456789:;<=>?@ABCDEFGHIJKLMNOPQRSTUVWXYZ[\\]^_`";
inline constexpr char ClaveCifrado[] = "QUMVERLI";

// Windows-1252 code of one character; characters that code page cannot hold give "?" (63),
// as the desktop's 8-bit conversion does.
int CodigoAnsi(QChar c);

// The character a plain character is coded as before the key is applied (blank -> "[", ...).
QChar SustituyeAntes(QChar c);
// The inverse, applied after the key is removed ("[" -> blank, ...).
QChar SustituyeDespues(QChar c);

// `mensaje` becomes its upper-case form; `codificado` receives its code, of the same length.
void CifrarMsg(QString& mensaje, QString& codificado);
// `plano` receives the decoded text, of the same length as `codificado`.
void DesCifrarMsg(QString& plano, const QString& codificado);

// The launch token: two random digits (0 to 8) and the local time "hh:mm:ss", coded.
void GeneraIdentidad(QString& identidad);
QString GeneraIdentidad();

// True when `lineaComando` decodes to a token of the current clock minute.
bool VerificaIdentidad(const QString& lineaComando);
