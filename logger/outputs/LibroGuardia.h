#pragma once
// Logbook export: the contest's QSOs appended to the table LibroGuardia of a logbook file.
#include "Adif.h"
#include "Avisos.h"
#include "BaseDatos.h"
#include "Qso.h"

#include <QString>
#include <QVariant>

#include <utility>
#include <vector>

// The logbook's table: every field the export writes, in the order it writes them.
DefTabla DefinicionLibroGuardia();
// Creates an empty logbook file (fails when the file exists).
void CreaLibroGuardia(const QString& ruta);

// The station's part of every row: base callsign and "/..." part, "FIJA" when it has none.
struct EstacionLibro {
    QString indicativoPropio;
    QString base;
};
EstacionLibro SeparaEstacion(const QString& indicativo);

// A numeral as the logbook keeps it: trimmed and formatted 0000 as the grid shows it ("7" gives
// "0007"); a text that is no number stays as it is.
QString FormatoNumeral(const QString& numeral);

// The fields of one new row in order, without those the empty-value rules leave unwritten; a
// value the contest does not exchange is written as an empty one.
using FilaLibro = std::vector<std::pair<QString, QVariant>>;
FilaLibro FilaLibroGuardia(const Qso& q, const DatosExportacion& d, const EstacionLibro& estacion);

// Appends a row per QSO of the contest (NumeroQso order) to the logbook at `ruta`, all in one
// transaction: on any failure the logbook is left as it was. Returns the message to show.
Aviso ExportaLibroGuardia(BaseDatos& trabajo, const DatosExportacion& d, const QString& ruta);
