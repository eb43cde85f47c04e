#pragma once
#include "BaseDatos.h"

#include <array>
#include <optional>
#include <QString>
#include <vector>

// The Cabrillo summary of a contest (one ResumenCabrillo row) and its own categories
// (FormatoEspecial rows), read and written for the contest editor. Null values read as empty.

struct ValoresResumen {
    QString formato;
    std::array<QString, 9> categorias; // in CajasCabrillo order
    QString email, operadores;
};

struct CategoriaEspecial {
    QString descripcion; // shown to the operator
    QString codigo;      // written to the log
};

std::optional<ValoresResumen> LeeResumenCabrillo(BaseDatos& bd, int numeroOrden);

// The special categories of the contest in the order they were stored.
std::vector<CategoriaEspecial> LeeFormatoEspecial(BaseDatos& bd, int numeroOrden);

// Writes the contest's summary: edits its row, or adds one when it has none, so a contest never
// ends with two. Only the fields the editor owns are written.
void EscribeResumenCabrillo(BaseDatos& bd, int numeroOrden, const QString& nombre, const QString& edicion,
                            const ValoresResumen& valores);

// Replaces the contest's special categories by these, in this order (none: all removed).
void EscribeFormatoEspecial(BaseDatos& bd, int numeroOrden, const std::vector<CategoriaEspecial>& categorias);
