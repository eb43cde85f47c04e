#pragma once
#include "Apertura.h"
#include "BandasModos.h"
#include "DatosIndicativos.h"
#include "DatosResumenCabrillo.h"
#include "EstadoPrincipal.h"
#include "NombresUser.h"
#include "OpcionesConcurso.h"

#include <array>
#include <QString>
#include <vector>

// The main window's selection (RegConcursos, RegIndicativos, RegControl of EstadoPrincipal) read
// and written for its windows, which see plain values only.

// What the contest frame shows of a contest row and stores back into it.
struct FichaConcurso {
    std::array<QString, 10> text3; // box i the field at position i, box 8 the repeat hours, box 9 Mes
    std::array<bool, NumeroBandas> bandas{};
    std::array<bool, NumeroModos> modos{};
};

// An entry of the contest or callsign list: its text and its NumeroOrden.
struct EntradaLista {
    QString texto;
    int numero = 0;
};

// The summary a stored contest takes with it: the shown values and, for the special format only,
// its categories (otherwise none).
struct ResumenAGuardar {
    ValoresResumen valores;
    std::vector<CategoriaEspecial> especiales;
};

// --- The selection ---
bool HayConcursoActual(const EstadoPrincipal& e);
int NumeroConcursoActual(const EstadoPrincipal& e); // 0 when none
QString NombreConcursoActual(const EstadoPrincipal& e);
QString EdicionConcursoActual(const EstadoPrincipal& e);
bool HoraUTCConcursoActual(const EstadoPrincipal& e);
FichaConcurso LeeFichaConcurso(const EstadoPrincipal& e);
bool HayIndicativoActual(const EstadoPrincipal& e);
// The station callsign loaded in the callsign frame; empty when none is.
QString IndicativoActual(const EstadoPrincipal& e);
int NumeroIndicativoActual(const EstadoPrincipal& e); // 0 when none
// The six columns of the selected callsign; all empty when none.
ValoresIndicativo LeeValoresIndicativo(const EstadoPrincipal& e);
// The selected contest read again from the file at its next read (the log wrote into its row).
void RefrescaConcursoActual(EstadoPrincipal& e);
// The callsign table is empty: no callsign is selected.
void OlvidaIndicativo(EstadoPrincipal& e);
// The callsign writes of DatosIndicativos on the selection's database and Control row.
int SiguienteNumeroIndicativo(EstadoPrincipal& e);
void InsertaIndicativo(EstadoPrincipal& e, const ValoresIndicativo& valores);
void EliminaIndicativo(EstadoPrincipal& e, int numeroOrden);
// Control.ConcursoActivo and Control.IndicativoActivo.
int ConcursoActivo(const EstadoPrincipal& e);
int IndicativoActivo(const EstadoPrincipal& e);
void FijaConcursoActivo(EstadoPrincipal& e, int numero);
void FijaIndicativoActivo(EstadoPrincipal& e, int numero);

// The user band and mode names of the Control row; none before it is open.
std::optional<NombresUser> LeeNombresUser(const EstadoPrincipal& e);
void GuardaNombresUser(EstadoPrincipal& e, const NombresUser& nombres);
// The startup upgrades of the catalogue on the selection's database and Control row.
void ActualizaCatalogo(EstadoPrincipal& e);

// --- Opening the lists: each leaves its set past its last row, as the listing did ---
// Every callsign; empty when there is none.
std::vector<EntradaLista> AbreIndicativos(EstadoPrincipal& e);
// Every contest; false when there is none.
bool AbreConcursos(EstadoPrincipal& e);
// The contests of a month ("" for those without one) as "name - edition".
std::vector<EntradaLista> AbreConcursosDelMes(EstadoPrincipal& e, const QString& mes);
// The contest or callsign of that number as the selection; false when it is gone.
bool AbreConcursoPorNumero(EstadoPrincipal& e, int numero);
bool AbreIndicativoPorNumero(EstadoPrincipal& e, int numero);
// The month of the active contest, read on a connection of its own.
QString MesDelConcursoActivo(const EstadoPrincipal& e);

// --- Loading and storing the selected contest ---
CargaDeOpciones CargaOpcionesActual(const EstadoPrincipal& e, const QString& indicativo);
// Rewrites the selected row with what loading derived; nothing when nothing changed.
void GuardaDerivadosCarga(EstadoPrincipal& e, const CargaDeOpciones& carga);
// A new contest (or new edition) numbered `numero`: its row, Control.UltimoConcurso and
// ConcursoActivo, and its summary, in one transaction. `o` becomes what the window must show.
void InsertaConcurso(EstadoPrincipal& e, int numero, const FichaConcurso& ficha, OpcionesConcurso& o,
                     const QString& indicativo, const ResumenAGuardar& resumen);
// The selected contest rewritten with its summary, in one transaction.
void ReescribeConcursoActual(EstadoPrincipal& e, const FichaConcurso& ficha, OpcionesConcurso& o,
                             const QString& indicativo, const ResumenAGuardar& resumen);
// The selected contest with its QSOs, summary and categories; ConcursoActivo back to 0. One
// transaction.
void EliminaConcursoActual(EstadoPrincipal& e);
// Writes the summary of a contest and its categories in one transaction.
void GuardaResumen(BaseDatos& bd, int numeroOrden, const QString& nombre, const QString& edicion,
                   const ResumenAGuardar& resumen);

// What the opening checks of the log read of the selection (the typed locator and letters are
// the window's).
DatosApertura DatosAperturaActual(const EstadoPrincipal& e);
