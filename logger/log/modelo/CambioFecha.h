#pragma once
// The date change of the log window: the date typed in FechaActual checked for new entry lines.
#include "Avisos.h"

#include <QDate>
#include <QString>

#include <optional>

struct ResultadoCambioFecha {
    bool aceptada = false;
    QString texto;              // what FechaActual shows afterwards ("dd-mm-yyyy" once the date check passed)
    QDate fecha;                // accepted: the date of new entry lines, whose time then starts empty
    std::optional<Aviso> aviso; // refused: the box to show; the focus goes back to FechaActual
};

// The three refusals in their order: no date, a date the date check refuses (its own message),
// and today's date (today's QSOs are logged in real time).
ResultadoCambioFecha CambiaFecha(const QString& fechaActual, const QDate& hoy);
