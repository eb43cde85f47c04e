#pragma once
#include "BaseDatos.h"
#include "Rechazo.h"

// The working database of the logger, in the programs' folder.
inline const QString NombreBaseDatos = QStringLiteral("XkLumoConcursos.Mdb");
// The file the schema builders create in the current folder.
inline const QString NombreBaseEsquema = QStringLiteral("Concursos.mdb");

// Characters of a serial sent or received: a contest holds up to 32,767 QSOs.
inline constexpr int TamanoNumeral = 5;
// The serial sent as a number, as the serial indexes hold it: the same to every tool.
inline const QString SerieEnviada = QStringLiteral("CAST(NumeralEnviado AS INTEGER) COLLATE BINARY");

// The radio's frequency of a QSO in Hz, empty when logged by hand; the startup upgrades append it to
// Contactos and Listados.
inline const DefCampo CampoFrecuencia{QStringLiteral("Frecuencia"), TipoCampo::Texto, 12};

// Field lists of the seven tables, in table order (Concursos without Mes).
DefTabla DefinicionConcursos();
DefTabla DefinicionResumenCabrillo();
DefTabla DefinicionFormatoEspecial();
DefTabla DefinicionIndicativos();
DefTabla DefinicionControl();
DefTabla DefinicionContactos();
DefTabla DefinicionListados();

// Schema builders: each creates its table in "Concursos.mdb"; CreaTablaConcursos creates the file
// and must run first. They fail (ErrorBD) when the file or the table exists.
void CreaTablaConcursos();
void CreaTablaResumenCabrillo();
void CreaTablaFormatoEspecial();
void CreaTablaIndicativos();
void CreaTablaControl();
void CreaTablaContactos();
void CreaTablaListados();

// Runs every builder in order (the delivered working database is this file, renamed).
void CreaTodasLasTablas();

// Startup upgrade of the working database: adds Concursos.Mes (text 12) when missing.
void AñadeCampoMes();

// The radio's setting, one row (see ConfiguracionRadio); startup upgrade: the table is created
// empty when missing. The overload without arguments works on the working database.
DefTabla DefinicionRadio();
void CreaTablaRadio(BaseDatos& bd);
void CreaTablaRadio();

// The indexes the log reads Contactos through, made when missing: by number, by callsign as
// stored (binary, so another tool's NOCASE orders it the same) and by the serial sent, in the
// contest and in each band. Older callsign indexes ordered by the program's NOCASE are dropped.
void IndexaContactos(BaseDatos& bd);
// Startup upgrade of the QSO tables, one transaction: serial columns of TamanoNumeral characters
// in Contactos and Listados (rows and indexes kept), CampoFrecuencia appended to both when
// missing, then IndexaContactos. Running it again
// changes nothing. The overload without arguments works on the working database.
void ActualizaTablasContactos(BaseDatos& bd);
void ActualizaTablasContactos();

// Checks every value against its field's type (date: VerificaFecha; integers: VerificaNumero).
// A refusal names the position of the first failing field as its focus; a refused number has no
// box. Fields without a value in `valores` are not checked.
Verificacion VerificaTiposCampos(const DefTabla& tabla, QStringList& valores);
