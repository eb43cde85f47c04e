#pragma once
// Qt texts printed readably in the test failures.
#include <QString>

#include <ostream>

inline void PrintTo(const QString& texto, std::ostream* os) {
    *os << '"' << texto.toStdString() << '"';
}
