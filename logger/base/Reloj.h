#pragma once
#include <QDateTime>

// The current local date and time; tests set it.
class Reloj {
public:
    virtual ~Reloj() = default;
    virtual QDateTime ahora() const = 0;

    static Reloj& actual();
    static Reloj* instala(Reloj* nuevo);
};

// Shorthands: now, the same instant in UTC, today.
QDateTime Ahora();
QDateTime AhoraUTC();
QDate Hoy();
