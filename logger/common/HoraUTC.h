#pragma once
#include <QDateTime>
#include <QtGlobal>

// Hours to add to the local time of `ahora` to get UTC, from its own offset: -1 in Spain's winter,
// -2 in its summer, -1 and 0 in the Canaries, 0 on UTC. The log's UTC times carry this offset, so
// the main window shows this one too.
qint16 DesfaseUTCEn(const QDateTime& ahora);

// The same for the clock's current date and time.
void DiferenciaHoraUTC(qint16& desfase);
