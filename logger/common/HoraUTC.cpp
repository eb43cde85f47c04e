#include "HoraUTC.h"

#include "Reloj.h"

qint16 DesfaseUTCEn(const QDateTime& ahora) {
    return static_cast<qint16>(-qRound(ahora.offsetFromUtc() / 3600.0));
}

void DiferenciaHoraUTC(qint16& desfase) {
    desfase = DesfaseUTCEn(Ahora());
}
