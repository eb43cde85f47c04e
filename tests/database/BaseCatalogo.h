#pragma once
// A working database in the current folder, filled row by row, for the catalogue upgrades.
#include "BaseDatos.h"

#include <QStringList>
#include <QVariant>

#include <memory>
#include <optional>
#include <utility>
#include <vector>

#include <ostream>

#include "TextoQt.h"

using Campos = std::vector<std::pair<QString, QVariant>>;

// The working database as the build delivers it, with the month field, and a connection with the
// Control row open on it as the main window keeps them.
class BaseCatalogo {
public:
    BaseCatalogo();
    std::shared_ptr<BaseDatos> bd;
    std::optional<ConjuntoRegistros> control;

    void fila(const QString& tabla, const Campos& campos);
    void concurso(int numero, const QString& nombre, const QString& edicion, const Campos& mas = {});
    void resumen(int numero, const QString& nombre, const QString& edicion, const Campos& mas = {});
    void categoria(int numero, const QString& concurso, const QString& cabrillo);
    void contacto(int numero);
    void ultimoConcurso(int valor);

    // Rows of a table as "field=value|..." texts in table order, for comparing whole states.
    QStringList volcado(const QString& tabla);
    QStringList volcadoCompleto();
    // One value of the first row a query gives; null when it gives none.
    QVariant valor(const QString& sql, const QString& campo);
    int cuenta(const QString& sql);
};

// A database file of the new-contests layout (Concursos with or without Mes), its contest names
// as wide as asked.
void CreaNuevosConcursos(const QString& archivo, bool conMes = true, int largoNombre = 64);
