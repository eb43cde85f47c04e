#include "Reloj.h"

namespace {
class RelojSistema : public Reloj {
public:
    QDateTime ahora() const override { return QDateTime::currentDateTime(); }
};

Reloj*& instancia() {
    static RelojSistema sistema;
    static Reloj* actual = &sistema;
    return actual;
}
} // namespace

Reloj& Reloj::actual() {
    return *instancia();
}

Reloj* Reloj::instala(Reloj* nuevo) {
    Reloj* previo = instancia();
    instancia() = nuevo;
    return previo;
}

QDateTime Ahora() {
    return Reloj::actual().ahora();
}
QDateTime AhoraUTC() {
    // From the instant, not the wall clock: across a summer-time change local time repeats or
    // skips an hour, UTC never does.
    return Ahora().toUTC();
}
QDate Hoy() {
    return Ahora().date();
}
