#pragma once
// ADIF export of a contest's QSOs, and the contest and station data both exports read.
#include "Avisos.h"
#include "Filas.h"
#include "Qso.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

class BaseDatos;

// What the exports take from the selected contest and station rows, and the program version.
struct DatosExportacion {
    FilaConcurso concurso;
    FilaIndicativo estacion; // its callsign in full ("N0CALL/P")
    QString version;         // "a.b.c.d"
};

// The contest's QSOs in NumeroQso order (date and time order once renumbered).
std::vector<Qso> LeeQsosExportacion(BaseDatos& bd, int numeroOrden);
// The same QSOs handed over one at a time, none kept: for an export that writes as it reads.
void RecorreQsosExportacion(BaseDatos& bd, int numeroOrden, const std::function<void(Qso)>& porQso);

// "<TAG:n>value", n the value's length in characters; "" for an empty value unless `siempre`.
QString CampoAdif(const QString& etiqueta, const QString& valor, bool siempre = false);

// The lines before the first record, ending with "<EOH>" and an empty line.
QStringList CabeceraAdif(const DatosExportacion& d);
// The lines of one QSO: CONTEST_ID line when named, line A, line B when it holds a field, "<EOR>", "".
QStringList RegistroAdif(const Qso& q, const QString& nombreConcurso, const QString& indicativoEstacion);
// Header and records; QSOs without a callsign are skipped.
QStringList LineasAdif(const DatosExportacion& d, const std::vector<Qso>& qsos);

// Base station callsign + ".adi" ("N0CALL/P" gives "N0CALL.adi").
QString NombreArchivoAdif(const QString& indicativoEstacion);
// The closing message naming the folder and the file.
Aviso MensajeAdif(const QString& carpeta, const QString& nombreArchivo);

// Writes the contest's file in the current folder and returns the message to show: the closing
// message once the file is complete, or a critical message when the log could not be read or the
// file could not be written (no file is left then).
Aviso ExportaADIF(BaseDatos& bd, const DatosExportacion& d);
