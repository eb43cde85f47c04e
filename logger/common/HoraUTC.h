#pragma once
#include <QDateTime>
#include <QtGlobal>

// Hours to add to Spanish peninsular local time to get UTC at the moment `ahora`: -1 in winter,
// -2 in summer (last Sunday of March after 02:00 to last Sunday of October before 03:00).
qint16 DesfaseUTCEn(const QDateTime& ahora);

// The same for the clock's current date and time.
void DiferenciaHoraUTC(qint16& desfase);
