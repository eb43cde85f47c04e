#include "HoraUTC.h"

#include "Reloj.h"

namespace {

QDate UltimoDomingo(int ano, int mes) {
    QDate dia(ano, mes, QDate(ano, mes, 1).daysInMonth());
    while (dia.dayOfWeek() != Qt::Sunday)
        dia = dia.addDays(-1);
    return dia;
}

} // namespace

qint16 DesfaseUTCEn(const QDateTime& ahora) {
    const QDate d = ahora.date();
    // The change is compared to the second; milliseconds would make 02:00:00.5 count as later.
    const QTime t = QTime(ahora.time().hour(), ahora.time().minute(), ahora.time().second());
    const QDate inicio = UltimoDomingo(d.year(), 3);
    const QDate fin = UltimoDomingo(d.year(), 10);
    const QTime cambioInicio(2, 0, 0), cambioFin(3, 0, 0);

    if (d == inicio && t > cambioInicio) return -2;
    if (d == inicio && t < cambioInicio) return -1;
    if (d == fin && t > cambioFin) return -1;
    if (d == fin && t < cambioFin) return -2;
    if (d > inicio && d < fin) return -2;
    return -1;
}

void DiferenciaHoraUTC(qint16& desfase) {
    desfase = DesfaseUTCEn(Ahora());
}
