#pragma once
#include "BaseDatos.h"
#include "Filas.h"
#include "Qso.h"

#include <QString>
#include <QStringList>

#include <array>
#include <vector>

// The Cabrillo log of a contest: columns, header and QSO lines as pure functions over rows, and the
// run that copies the QSOs into Listados and writes one file per list.
namespace cabrillo {

struct AnchosLiterales {
    int enviado = 6;
    int recibido = 6;
};

enum class Orden { NumeroQso, NumeralRecibido, LiteralRecibido };
QString CampoOrden(Orden orden);

// The 16 band captions in index order, with the user bands as the Control row names them.
std::array<QString, 16> TextosBandas(BaseDatos& bd);

// Longest non-empty sent and received literal of the contest's QSOs, never below 6.
AnchosLiterales CalculaAnchoLiterales(BaseDatos& bd, int numeroOrden);
// Sent columns (callsign at 31) from the contest's exchange flags and, after them, the received ones.
ColumnasResumen CalculaColumnasEnviadas(const FilaConcurso& i, const AnchosLiterales& a);
void CalculaColumnasRecibidas(const FilaConcurso& i, const AnchosLiterales& a, ColumnasResumen& c);
// Stores the columns in the contest's summary row, adding a row that holds only them when it has
// none; one transaction.
void GuardaColumnas(BaseDatos& bd, int numeroOrden, const ColumnasResumen& c);

// Replaces Listados by the contest's QSOs (on `banda` only when `porBanda`) in the order chosen;
// one transaction. True when at least one QSO was copied.
bool CopiaContactosListados(BaseDatos& bd, int numeroOrden, const QString& banda, bool porBanda, Orden orden);

// "CQ WW (SSB)" gives "CQ WW".
QString NombreCabrillo(const QString& nombreConcurso);
// "No Aplicable" in any case.
bool EsNoAplicable(const QString& valor);
QString CategoriaCombinada(const FilaResumen& r);
// Header lines from START-OF-LOG to SOAPBOX; `indicativo` is the station's callsign in full.
QStringList CabeceraCabrillo(const FilaResumen& r, const QString& nombreConcurso, const QString& indicativo,
                             const FilaIndicativo& estacion, const QString& versionPrograma);
// One item of a QSO line: its text from its 1-based column on.
struct ItemLinea {
    int columna;
    QString texto;
};
// Frequency column of a QSO line, not yet aligned: the radio's in whole kHz below 30 MHz, else the
// band's (FrecuenciaCabrillo).
QString FrecuenciaLinea(const Qso& q);
// The exchange items of one QSO line, in ASCII.
void EscribeIntercambioQSO(std::vector<ItemLinea>& items, const QString& indicativoEnviado,
                           const FilaResumen& r, const FilaConcurso& i, const Qso& q);
// The whole QSO line, trailing blanks removed.
QString LineaQso(const Qso& q, const QString& indicativoEnviado, const FilaResumen& r, const FilaConcurso& i);
// The whole file: header, QSO lines, END-OF-LOG.
QStringList LineasFichero(const std::vector<Qso>& qsos, const FilaResumen& r, const FilaConcurso& c,
                          const FilaIndicativo& estacion, const QString& versionPrograma);

// Writes `nombre` + ".LOG" in the current folder from the contest's Listados rows; nothing when
// there are none. ErrorBD on a database or file failure; false when nothing was written.
bool EscribeFicheroCabrillo(BaseDatos& bd, const FilaConcurso& c, const FilaIndicativo& estacion, Orden orden,
                            const QString& nombre, const QString& versionPrograma);

// The lines of `nombre` + ".LOG" in the current folder, followed by three empty lines.
QStringList MuestraFicheroLog(const QString& nombre);

struct Peticion {
    int numeroConcurso = 0;
    int numeroIndicativo = 0; // NumeroOrden of the station's Indicativos row
    Orden orden = Orden::NumeroQso;
    bool porBanda = false;
    QString versionPrograma;
};

struct Resultado {
    QStringList ficheros;       // written, in order ("N0CALL-144.LOG")
    QStringList lineasPantalla; // for ListaPantalla
    QString mensaje;            // the summary box text
    QString titulo = QStringLiteral("INFORMACIÓN");
};

// True when the contest asks for one log per band (the per-band choice ticked on opening).
bool ListasPorBandaPredeterminado(const QString& nombreConcurso);

// The whole run in the current folder.
Resultado GeneraListadosCabrillo(BaseDatos& bd, const Peticion& p);

} // namespace cabrillo
