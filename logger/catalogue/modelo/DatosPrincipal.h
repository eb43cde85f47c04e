#pragma once
#include "BaseDatos.h"
#include "EstadoPrincipal.h"

#include <array>
#include <optional>
#include <QStringList>

// The main window's reads and writes of the working database: the window holds no SQL text.

// "Sin Mes", then the twelve months, as the month list shows them.
const QStringList& MesesLista();

// The screen size options in window order (normal, medium, large, whole screen) and their
// stored values of Control.TantoPorCien.
inline constexpr std::array<int, 4> ValoresTamaño{1, 25, 50, 100};
// Position of a stored value among the options; none for any other value.
std::optional<int> OpcionTamaño(int tantoPorCien);

// Opens BaseConcursos, the four table definitions and RegConcursos over every contest.
void AbreBaseDatos(EstadoPrincipal& estado);
// Opens RegControl on the Control row and takes PorcentajePantalla from it.
void AbreControl(EstadoPrincipal& estado);

// Month of a contest read on a connection of its own; empty when the contest is missing or has
// no month.
QString MesDelConcurso(const QString& nombreBaseDatos, int numeroOrden);
// The contests of a month ordered by name and edition; "" lists those without month (null, empty
// or no month name).
ConjuntoRegistros ConcursosDelMes(BaseDatos& bd, const QString& mes);
ConjuntoRegistros ConcursoPorNumero(BaseDatos& bd, int numeroOrden);
ConjuntoRegistros IndicativoPorNumero(BaseDatos& bd, int numeroOrden);

// Writes one field of the Control row through its result set.
void AsignaControl(ConjuntoRegistros& regControl, const QString& campo, const QVariant& valor);

// Stores the chosen screen size on a connection of its own.
void GuardaTamañoPantalla(const QString& nombreBaseDatos, int tantoPorCien);

// Maximum length of a box showing a field: a text field's size, 4 for a 16-bit integer, 11 for a
// 32-bit one, 10 for a date, plus `extra`; none for yes/no fields (the box keeps its length).
std::optional<int> LongitudMaxima(const DefCampo& campo, int extra);
