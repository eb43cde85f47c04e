#pragma once
// ADIF export of a contest's QSOs, and the contest and station data both exports read.
#include "Avisos.h"
#include "Filas.h"
#include "Qso.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <vector>

class BaseDatos;

// What the exports take from the selected contest and station rows, and the program version.
struct DatosExportacion {
    FilaConcurso concurso;   // its exchange flags say which values were exchanged
    FilaIndicativo estacion; // its callsign in full ("N0CALL/P")
    QString version;         // "a.b.c.d"
};

// The contest's QSOs in NumeroQso order (date and time order once renumbered).
std::vector<Qso> LeeQsosExportacion(BaseDatos& bd, int numeroOrden);
// The same QSOs handed over one at a time, none kept: for an export that writes as it reads.
void RecorreQsosExportacion(BaseDatos& bd, int numeroOrden, const std::function<void(Qso)>& porQso);

// Empties what the QSO holds but the contest does not exchange (the locked "599" of a report not
// received, the "0" serial of a contest without serials...) and the placeholders "-" and zero
// serials, so that an export gives the same values before and after the log is closed.
void QuitaNoIntercambiados(Qso& q, const FilaConcurso& concurso);

// The header in ASCII: free text naming the program, station and contest, then the header fields
// and "<EOH>" with an empty line.
QByteArray CabeceraAdif(const DatosExportacion& d);
// One QSO in ASCII: CONTEST_ID line when named, line A, line B when it holds a field, "<EOR>", an
// empty line; every line ends with CR LF and each length counts the bytes written.
QByteArray RegistroAdif(const Qso& q, const QString& nombreConcurso, const QString& indicativoEstacion);
// Header and records of the exchanged values; QSOs without a callsign are skipped. `sinBanda`,
// when given, counts the records written without a BAND.
QByteArray ContenidoAdif(const DatosExportacion& d, const std::vector<Qso>& qsos, int* sinBanda = nullptr);

// Base station callsign + ".adi" ("N0CALL/P" gives "N0CALL.adi").
QString NombreArchivoAdif(const QString& indicativoEstacion);
// The closing message naming the folder and the file, and how many records went without a band.
Aviso MensajeAdif(const QString& carpeta, const QString& nombreArchivo, int sinBanda = 0);

// Writes the contest's file in the current folder and returns the message to show: the closing
// message once the file is complete, or a critical message when the log could not be read or the
// file could not be written (a previous file is left whole then).
Aviso ExportaADIF(BaseDatos& bd, const DatosExportacion& d);
