#include "ActualizacionCatalogo.h"

#include "CorreccionesConcursos.h"
#include "DatosEntregados.h"
#include "Reloj.h"

#include <limits>
#include <unordered_map>
#include <vector>

namespace {

QString Numero(qint64 n) {
    return QString::number(n);
}

bool EsConcursoActual(const QString& nombre) {
    return nombre.startsWith(QLatin1String("ACT-"), Qt::CaseInsensitive);
}

// A contest row of the working database as the roll-over sees it. The groups and ranks come from
// the engine's own collation, so "same name" and "later edition" mean what they mean in SQL.
struct FilaEdicion {
    qint64 fila = 0;
    int numero = 0;
    QString nombre;
    qint64 grupo = 0;
    qint64 rango = 0;
    bool actual = false;
    bool anterior = false;
    bool conContactos = false;
};

struct EstadoGrupo {
    qint64 rangoMaximo = 0;
    bool tieneActual = false;
};

// One read answers the small queries for every row at once: per-row queries would cost a table
// scan each, at every activation.
std::vector<FilaEdicion> LeeEdiciones(BaseDatos& bd, const QString& año) {
    const QString y = Comillas(año);
    ConjuntoRegistros r = bd.abreConjunto(
        QStringLiteral("SELECT rowid AS Fila, NumeroOrden, NombreConcurso, "
                       "dense_rank() OVER (ORDER BY NombreConcurso) AS Grupo, "
                       "dense_rank() OVER (ORDER BY Edicion) AS Rango, "
                       "coalesce(Edicion = %1, 0) AS Actual, coalesce(Edicion < %1, 0) AS Anterior, "
                       "CASE WHEN Edicion < %1 THEN EXISTS (SELECT 1 FROM Contactos "
                       "WHERE Contactos.NumeroOrden = Concursos.NumeroOrden) ELSE 0 END AS ConContactos "
                       "FROM Concursos ORDER BY rowid")
            .arg(y));
    std::vector<FilaEdicion> filas;
    filas.reserve(static_cast<size_t>(r.cuenta()));
    for (; !r.eof(); r.siguiente()) {
        filas.push_back({r.valor(0).toLongLong(), r.valor(1).toInt(), r.valor(2).toString(),
                         r.valor(3).toLongLong(), r.valor(4).toLongLong(), r.valor(5).toBool(),
                         r.valor(6).toBool(), r.valor(7).toBool()});
    }
    return filas;
}

// Past editions that might still need a change. Most activations find only contests with QSOs
// whose later edition bears exactly the same name, and those need nothing: this answers that
// without comparing every name with every other by the collation.
bool HayEdicionesPendientes(BaseDatos& bd, const QString& año) {
    const QString y = Comillas(año);
    ConjuntoRegistros r = bd.abreConjunto(
        QStringLiteral("SELECT c.NombreConcurso AS Nombre FROM Concursos c WHERE c.Edicion < %1 AND NOT ("
                       "EXISTS (SELECT 1 FROM Contactos k WHERE k.NumeroOrden = c.NumeroOrden) AND "
                       "c.rowid IN (SELECT a.rowid FROM Concursos a JOIN Concursos p "
                       "ON p.NombreConcurso = a.NombreConcurso COLLATE BINARY "
                       "WHERE a.Edicion < %1 AND p.Edicion > a.Edicion))")
            .arg(y));
    for (; !r.eof(); r.siguiente())
        if (!EsConcursoActual(r.valor(0).toString())) return true;
    return false;
}

QString Lista(const std::vector<qint64>& numeros) {
    QStringList l;
    for (qint64 n : numeros)
        l << QString::number(n);
    return l.join(',');
}

} // namespace

// Every per-contest table is read by contest number; without these, each such read scans the
// table, and Contactos grows with the log.
void IndexaNumeroOrden(BaseDatos& bd) {
    BaseDatos::Transaccion t(bd);
    for (const char* tabla : {"Concursos", "ResumenCabrillo", "FormatoEspecial", "Contactos"})
        bd.ejecuta(
            QStringLiteral("CREATE INDEX IF NOT EXISTS %1PorNumeroOrden ON %1 (NumeroOrden)").arg(tabla));
    t.confirma();
}

QString AñoActual() {
    return Hoy().toString(QStringLiteral("yyyy"));
}

int LeeUltimoConcurso(ConjuntoRegistros& control) {
    control.primero(); // drops any older read of the row
    return control.entero("UltimoConcurso");
}

void CopiaCampos(const ConjuntoRegistros& origen, ConjuntoRegistros& destino) {
    const int n = std::min(origen.numeroCampos(), destino.numeroCampos());
    for (int i = 0; i < n; ++i)
        destino.asigna(i, origen.valor(i));
}

void AñadeCopia(const ConjuntoRegistros& origen, ConjuntoRegistros& destino, int numero,
                const QString& edicion) {
    destino.anade();
    CopiaCampos(origen, destino);
    destino.asigna("NumeroOrden", numero);
    if (!edicion.isNull()) destino.asigna("Edicion", edicion);
    destino.actualiza();
}

void GuardaUltimoConcurso(ConjuntoRegistros& control, int valor) {
    control.edita();
    control.asigna("UltimoConcurso", valor);
    control.actualiza();
}

bool TieneContactos(BaseDatos& bd, int numero) {
    return !bd.abreConjunto("Select NumeroOrden From Contactos Where NumeroOrden  = " + Numero(numero)).eof();
}

bool ExisteEdicionPosterior(BaseDatos& bd, const QString& nombre, const QString& edicion) {
    return !bd.abreConjunto("Select NombreConcurso, Edicion  From Concursos where NombreConcurso = " +
                            Comillas(nombre) + " and Edicion > " + Comillas(edicion))
                .eof();
}

bool ExisteConcurso(BaseDatos& bd, const QString& nombre, const QString& edicion, int excepto) {
    ConjuntoRegistros r =
        bd.abreConjunto("Select NumeroOrden, NombreConcurso, Edicion from Concursos Where NombreConcurso = " +
                        Comillas(nombre) + " and Edicion = " + Comillas(edicion));
    for (; !r.eof(); r.siguiente())
        if (excepto == 0 || r.entero("NumeroOrden") != excepto) return true;
    return false;
}

void BorraRegistrosConcurso(BaseDatos& bd, const QString& tabla, int numero) {
    try {
        ConjuntoRegistros r =
            bd.abreConjunto("Select * From " + tabla + " Where NumeroOrden = " + Numero(numero));
        while (!r.eof()) {
            r.borra();
            r.siguiente();
        }
    } catch (const ErrorBD&) {
    }
}

void ActualizaEdicionResumen(BaseDatos& bd, int numero, const QString& edicion) {
    ConjuntoRegistros r = bd.abreConjunto(
        "Select NumeroOrden, Edicion From ResumenCabrillo Where NumeroOrden = " + Numero(numero));
    if (r.eof()) return;
    r.edita();
    r.asigna("Edicion", edicion);
    r.actualiza();
}

namespace {

// Copies the rows of `tabla` that `donde` picks, field by field by position, and gives the copies
// the contest number `numero` and, when not null, the edition `edicion`.
void CopiaFilas(BaseDatos& bd, const QString& tabla, const QString& donde, int numero,
                const QString& edicion = {}) {
    // New rows take rowids above the last one, which is how the copies are told from the rest.
    const qint64 ultima =
        bd.abreConjunto("SELECT coalesce(max(rowid), 0) AS Ultima FROM " + tabla).valor(0).toLongLong();
    bd.ejecuta("INSERT INTO " + tabla + " SELECT * FROM " + tabla + " WHERE " + donde + " ORDER BY rowid");
    QString cambios = "NumeroOrden = " + Numero(numero);
    if (!edicion.isNull()) cambios += ", Edicion = " + Comillas(edicion);
    bd.ejecuta("UPDATE " + tabla + " SET " + cambios + " WHERE rowid > " + Numero(ultima));
}

QString PrimeraDelConcurso(const QString& tabla, int numero) {
    return "rowid = (SELECT min(rowid) FROM " + tabla + " WHERE NumeroOrden = " + Numero(numero) + ")";
}

} // namespace

int CreaNuevaEdicion(BaseDatos& bd, ConjuntoRegistros& control, int numero, const QString& edicion) {
    if (bd.abreConjunto("Select NumeroOrden from Concursos where NumeroOrden = " + Numero(numero)).eof())
        return 0;
    BaseDatos::Transaccion t(bd);
    const int nuevo = LeeUltimoConcurso(control) + 1;
    // The counter is a 16-bit field: once it is full no contest can be numbered, and failing here
    // would stop the program at every start.
    if (nuevo > std::numeric_limits<qint16>::max()) return 0;
    CopiaFilas(bd, "Concursos", PrimeraDelConcurso("Concursos", numero), nuevo, edicion);
    CopiaFilas(bd, "ResumenCabrillo", PrimeraDelConcurso("ResumenCabrillo", numero), nuevo, edicion);
    CopiaFilas(bd, "FormatoEspecial", "NumeroOrden = " + Numero(numero), nuevo);
    GuardaUltimoConcurso(control, nuevo);
    t.confirma();
    return nuevo;
}

void ActualizaEdiciones(BaseDatos& bd, ConjuntoRegistros& control) {
    const QString año = AñoActual();
    if (!HayEdicionesPendientes(bd, año)) return;
    std::vector<FilaEdicion> filas = LeeEdiciones(bd, año);

    std::unordered_map<qint64, EstadoGrupo> grupos;
    for (const FilaEdicion& f : filas) {
        EstadoGrupo& g = grupos[f.grupo];
        g.rangoMaximo = std::max(g.rangoMaximo, f.rango);
        g.tieneActual = g.tieneActual || f.actual;
    }

    // Decided in table order, as each change bears on the rows after it; stored together.
    std::vector<qint64> borrar, borrarNumeros, mover, moverNumeros;
    std::vector<int> copiar;
    // A copy that finds no number is not made, and must not count as this year's edition.
    int libres = std::numeric_limits<qint16>::max() - LeeUltimoConcurso(control);
    for (const FilaEdicion& f : filas) {
        if (!f.anterior || EsConcursoActual(f.nombre)) continue;
        EstadoGrupo& g = grupos[f.grupo];
        if (f.conContactos) {
            // This year's edition, once made, is later than every edition looked at here.
            if (g.tieneActual || g.rangoMaximo > f.rango || libres <= 0) continue;
            --libres;
            copiar.push_back(f.numero);
        } else if (g.tieneActual) {
            borrar.push_back(f.fila);
            borrarNumeros.push_back(f.numero);
        } else {
            mover.push_back(f.fila);
            moverNumeros.push_back(f.numero);
        }
        g.tieneActual = true;
    }

    BaseDatos::Transaccion t(bd);
    if (!borrar.empty()) {
        // Their categories are kept: no later contest is ever given the same number.
        bd.ejecuta("Delete From Concursos Where rowid In (" + Lista(borrar) + ")");
        bd.ejecuta("Delete From ResumenCabrillo Where NumeroOrden In (" + Lista(borrarNumeros) + ")");
    }
    if (!mover.empty()) {
        bd.ejecuta("Update Concursos Set Edicion = " + Comillas(año) + " Where rowid In (" + Lista(mover) +
                   ")");
        // The first summary row of each contest, as ActualizaEdicionResumen does one by one.
        bd.ejecuta("Update ResumenCabrillo Set Edicion = " + Comillas(año) +
                   " Where rowid In (Select min(rowid) From ResumenCabrillo Where NumeroOrden In (" +
                   Lista(moverNumeros) + ") Group By NumeroOrden)");
    }
    for (int numero : copiar)
        CreaNuevaEdicion(bd, control, numero, año);
    t.confirma();
}

void ActualizaCatalogo(BaseDatos& bd, ConjuntoRegistros& control) {
    IndexaNumeroOrden(bd);
    ActualizaEdiciones(bd, control);
    AñadeNuevosConcursos(bd, control);
    CorrigeConcursos(bd);
}
