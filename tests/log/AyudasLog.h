#pragma once
#include "BaseDatos.h"
#include "Qso.h"

#include <memory>
#include <QList>
#include <QStringList>
#include <QVariant>
#include <utility>
#include <vector>

// A working database in the current folder with one callsign and one contest (number 5) whose
// fields are the given ones (on top of: band 14 and modes CW and SSB enabled, RST and serial
// sent and received).
using Campos = std::vector<std::pair<QString, QVariant>>;
std::shared_ptr<BaseDatos> CreaBaseConConcurso(const QString& nombre, const Campos& campos = {});
// QSOs 1..n of contest 5 on 14 CW, one a minute from 01-03-2026 10:00, serial i sent.
void AnadeQsos(BaseDatos& bd, int n, int desde = 1);
// The contest's QSOs as "number callsign" in NumeroQso order.
std::vector<Qso> QsosGuardados(BaseDatos& bd);
int UltimoNumEnviado(BaseDatos& bd);

// For the outputs: contest 1 with its station, summary and QSOs.
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
