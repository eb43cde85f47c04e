#pragma once
#include "Avisos.h"
#include "Entrada.h"
#include "Qso.h"
#include "ReglasContacto.h"

#include <QDateTime>
#include <QStringList>

#include <array>
#include <optional>

class BaseDatos;

// The repeat rules of a contest: which earlier QSO with the same station is a repeat the
// rules do not allow. A warning only: storing is never refused for a repeat.

// What one earlier QSO is, by the rules ticked, for its band and mode against the new QSO's.
enum class Repeticion { Permitida, Prohibida, SegunHoras };

// The one decision: by "Distinta Banda", "Distinto Modo" and "Repetir cada", for an earlier QSO
// on the same or another band and mode.
Repeticion DecideRepeticion(bool enCadaBanda, bool enCadaModo, bool enCadaHoras, bool mismaBanda,
                            bool mismoModo);

// Minutes of a "hh:mm" text or of whole hours ("01:30" gives 90, "24" gives 1440).
int MinutosIntervalo(const QString& horasRepeticion);

// True while the interval has not passed since the earlier QSO (dated `fecha0`, at `hora0`):
// "23:59" counts from 00:01 of that day, "12:00" from its noon, anything else from the QSO
// itself. A current QSO dated before the earlier one is always within the interval.
bool VerRepetirEnCadaHoras(const QDateTime& actual, const QDate& fecha0, const QString& hora0,
                           const QString& horasRepeticion);

// True when the earlier QSO is a forbidden repeat of the current row's QSO (band, mode, instant).
bool VerificarDuplicados(const ReglasContacto& reglas, const QString& banda, const QString& modo,
                         const QDateTime& actual, const Qso& anterior);

// ListaRepeticion's line of a QSO: "12-03-2005 10:30 14 SSB".
QString LineaRepeticion(const Qso& q);

// What the look-up found and what the panel "Estación repetida" shows.
struct ResultadoRepeticion {
    bool encontrado = false;
    // The row's time was refused: the box to show; the focus goes to HoraQso and the entry goes on.
    std::optional<Aviso> avisoHora;
    QString horaQso;    // the row's time, normalised "hh:mm" once accepted
    int numeroQso = 0;  // the last forbidden earlier QSO
    QStringList lineas; // ListaRepeticion, in NumeroQso order
    Qso ultimo;
    // The panel's fields by column (FechaQsoRep...), from the last forbidden QSO.
    std::array<QString, NumeroColumnas> campos;
    bool bandaIgual = false; // BandaRep red, else cyan
    bool modoIgual = false;  // ModoRep red, else cyan
};

// Enter on a callsign outside "MODIFICAR": the earlier QSOs of the contest with this callsign
// judged by the rules against the row (its date, time, band and mode). `hayQsos` false: the log
// is empty and nothing is looked at.
ResultadoRepeticion BuscaRepeticion(BaseDatos& bd, const ReglasContacto& reglas, const QString& indicativo,
                                    const TextosFila& fila, bool hayQsos);

// The panel's data of a QSO judged against the row's band and mode.
void MuestraRepeticion(ResultadoRepeticion& r, const Qso& q, const ReglasContacto& reglas,
                       const TextosFila& fila);
