#pragma once
// The databases the updater delivers beside the working one: new contest definitions, merged once
// and deleted, and the months of known contests, only read.
#include "BaseDatos.h"

inline const QString NombreNuevosConcursos = QStringLiteral("XkLumoNuevosCon.Mdb");
// Opened without extension: ".mdb" is assumed.
inline const QString NombreMesesConcursos = QStringLiteral("XkConfLumoConcursos");

// The tables of the new-contests file, in the order they are read.
inline const QStringList TablasNuevosConcursos{"Concursos", "ResumenCabrillo", "FormatoEspecial"};

// At load, on a connection of its own: fills the month of contests that have none from the months
// file. Without that file, or with one that cannot be read, nothing changes.
void AsignaMesesConcursos(const QString& nombreBaseDatos);

// Adds the delivered contests whose name no edition bears, numbered from UltimoConcurso (read and
// written through `control`, on `bd`), with their Cabrillo summary and categories; then deletes the
// file. A file that is not a database or lacks a table is left in place and nothing is added.
void AñadeNuevosConcursos(BaseDatos& bd, ConjuntoRegistros& control);
