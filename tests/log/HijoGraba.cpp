// Child of the durability test: stores QSOs through the log's store path in the working
// database of the current folder, one after another, and prints each number once it is stored.
#include "BaseDatos.h"
#include "Contactos.h"
#include "Esquema.h"

#include <cstdio>

int main() {
    auto bd = BaseDatos::Abre(NombreBaseDatos);
    LogContactos log(bd, 5);
    log.carga();
    for (;;) {
        Qso q;
        q.numeroOrden = 5;
        q.numeroQso = log.siguienteNumero();
        q.fecha = QDate(2026, 3, 1);
        q.hora = "10:00";
        q.banda = "14";
        q.modo = "CW";
        q.indicativo = QStringLiteral("EA%1XX").arg(q.numeroQso);
        q.numeralEnviado = QStringLiteral("%1").arg(q.numeroQso, 4, 10, QLatin1Char('0'));
        log.graba(q);
        std::printf("%d\n", q.numeroQso);
        std::fflush(stdout);
    }
}
