#pragma once
// A working database with one contest, one station and its QSOs, for the Cabrillo tests.
#include "BaseDatos.h"
#include "Cabrillo.h"

#include <QString>

#include <memory>
#include <ostream>

inline void PrintTo(const QString& texto, std::ostream* os) {
    *os << '"' << texto.toStdString() << '"';
}

// Creates "Concursos.mdb" in the current folder with contest 1 (name, the flags listed as
// "EnviarRst,RecibirRst", the bands by index) and station 1.
std::shared_ptr<BaseDatos> CreaBaseLog(const QString& nombreConcurso, const QStringList& flags,
                                       const QList<int>& bandas = {4},
                                       const QString& indicativo = QStringLiteral("N0CALL/P"));
// Summary row of contest 1 with these "Campo=valor" texts.
void AnadeResumenLog(BaseDatos& bd, const QStringList& campos);
// A QSO of contest 1; fields not given stay empty.
void AnadeQsoLog(BaseDatos& bd, int numero, const QString& banda, const QString& modo,
                 const QString& indicativo, const QStringList& campos = {});
