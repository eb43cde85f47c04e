#pragma once
// The delivered databases written from a text source kept in the repository, one per database:
//
//   # comment
//   [Concursos]            a new row of that table
//   NombreConcurso = ...   a field of the row; fields not named take false, 0 or the empty text
//
// Yes/no fields take "Si" or "No". Every fault is reported with the line it is on.
#include "BaseDatos.h"

#include <QString>
#include <stdexcept>
#include <vector>

enum class TipoEntrega {
    NuevosConcursos, // "XkLumoNuevosCon.Mdb": Concursos (with Mes), ResumenCabrillo, FormatoEspecial
    MesesConcursos,  // "XkConfLumoConcursos.mdb": Concursos with Concurso and Mes
};

class ErrorFuente : public std::runtime_error {
public:
    ErrorFuente(int linea, const QString& mensaje)
        : std::runtime_error(QStringLiteral("línea %1: %2").arg(linea).arg(mensaje).toStdString()),
          linea(linea) {}
    int linea;
};

struct FilaFuente {
    int linea = 0; // where its [Tabla] header is
    QString tabla;
    std::vector<QVariant> valores; // by field position
};

// The table layouts of a delivered database.
std::vector<DefTabla> TablasEntrega(TipoEntrega tipo);

// Reads and checks a source; throws ErrorFuente naming the line of the first fault.
std::vector<FilaFuente> LeeFuente(TipoEntrega tipo, const QString& texto);

// Writes the rows as a new database at `destino`, replacing it only once complete. Throws ErrorBD.
void EscribeEntrega(TipoEntrega tipo, const std::vector<FilaFuente>& filas, const QString& destino);
