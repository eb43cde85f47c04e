#include "ActualizacionCatalogo.h"

#include "CorreccionesConcursos.h"
#include "DatosEntregados.h"
#include "Reloj.h"

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
        "SELECT rowid AS Fila, NumeroOrden, NombreConcurso, "
        "dense_rank() OVER (ORDER BY NombreConcurso) AS Grupo, "
        "dense_rank() OVER (ORDER BY Edicion) AS Rango, "
        "coalesce(Edicion = " +
        y + ", 0) AS Actual, coalesce(Edicion < " + y +
        ", 0) AS Anterior, "
        "CASE WHEN Edicion < " +
        y +
        " THEN EXISTS (SELECT 1 FROM Contactos WHERE Contactos.NumeroOrden = Concursos.NumeroOrden) "
        "ELSE 0 END AS ConContactos FROM Concursos ORDER BY rowid");
    std::vector<FilaEdicion> filas;
    filas.reserve(static_cast<size_t>(r.cuenta()));
    for (; !r.eof(); r.siguiente()) {
        filas.push_back({r.valor(0).toLongLong(), r.valor(1).toInt(), r.valor(2).toString(),
                         r.valor(3).toLongLong(), r.valor(4).toLongLong(), r.valor(5).toBool(),
                         r.valor(6).toBool(), r.valor(7).toBool()});
    }
    return filas;
}

// Looking a contest up by number in Contactos would scan the whole log without it.
void IndexaContactos(BaseDatos& bd) {
    bd.ejecuta("CREATE INDEX IF NOT EXISTS ContactosPorConcurso ON Contactos (NumeroOrden)");
}

} // namespace

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

bool ExisteEdicion(BaseDatos& bd, const QString& nombre, const QString& edicion) {
    return !bd.abreConjunto("Select NombreConcurso, Edicion  From Concursos where NombreConcurso = " +
                            Comillas(nombre) + " and Edicion = " + Comillas(edicion))
                .eof();
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

int CreaNuevaEdicion(BaseDatos& bd, ConjuntoRegistros& control, int numero, const QString& edicion) {
    BaseDatos::Transaccion t(bd);
    const int nuevo = LeeUltimoConcurso(control) + 1;
    const QString n = Numero(numero);
    const QString destino = " where NumeroOrden = " + Numero(nuevo);

    ConjuntoRegistros concurso = bd.abreConjunto("Select * from Concursos where NumeroOrden = " + n);
    if (concurso.eof()) return 0;
    ConjuntoRegistros nuevoConcurso = bd.abreConjunto("Select * from Concursos" + destino);
    AñadeCopia(concurso, nuevoConcurso, nuevo, edicion);

    ConjuntoRegistros resumen = bd.abreConjunto("Select * from ResumenCabrillo where NumeroOrden = " + n);
    if (!resumen.eof()) {
        ConjuntoRegistros nuevoResumen = bd.abreConjunto("Select * from ResumenCabrillo" + destino);
        AñadeCopia(resumen, nuevoResumen, nuevo, edicion);
    }

    ConjuntoRegistros categorias = bd.abreConjunto("Select * from FormatoEspecial where NumeroOrden = " + n);
    if (!categorias.eof()) {
        ConjuntoRegistros nuevas = bd.abreConjunto("Select * from FormatoEspecial" + destino);
        for (; !categorias.eof(); categorias.siguiente())
            AñadeCopia(categorias, nuevas, nuevo);
    }

    GuardaUltimoConcurso(control, nuevo);
    t.confirma();
    return nuevo;
}

void ActualizaEdiciones(BaseDatos& bd, ConjuntoRegistros& control) {
    const QString año = AñoActual();
    IndexaContactos(bd);
    std::vector<FilaEdicion> filas = LeeEdiciones(bd, año);

    std::unordered_map<qint64, EstadoGrupo> grupos;
    bool hayCambios = false;
    for (const FilaEdicion& f : filas) {
        EstadoGrupo& g = grupos[f.grupo];
        g.rangoMaximo = std::max(g.rangoMaximo, f.rango);
        g.tieneActual = g.tieneActual || f.actual;
        hayCambios = hayCambios || (f.anterior && !EsConcursoActual(f.nombre));
    }
    if (!hayCambios) return;

    // Every change of this pass is stored at once, or none.
    BaseDatos::Transaccion t(bd);
    for (const FilaEdicion& f : filas) {
        if (!f.anterior || EsConcursoActual(f.nombre)) continue;
        EstadoGrupo& g = grupos[f.grupo];
        if (f.conContactos) {
            // This year's edition, once made, is later than every edition this pass looks at.
            const bool posterior = g.tieneActual || g.rangoMaximo > f.rango;
            if (posterior) continue;
            CreaNuevaEdicion(bd, control, f.numero, año);
        } else if (g.tieneActual) {
            BaseDatos::Transaccion borrado(bd);
            bd.ejecuta("Delete From Concursos Where rowid = " + Numero(f.fila));
            BorraRegistrosConcurso(bd, "ResumenCabrillo", f.numero);
            borrado.confirma();
        } else {
            BaseDatos::Transaccion cambio(bd);
            bd.ejecuta("Update Concursos Set Edicion = " + Comillas(año) +
                       " Where rowid = " + Numero(f.fila));
            ActualizaEdicionResumen(bd, f.numero, año);
            cambio.confirma();
        }
        g.tieneActual = true;
    }
    t.confirma();
}

void ActualizaCatalogo(BaseDatos& bd, ConjuntoRegistros& control) {
    ActualizaEdiciones(bd, control);
    AñadeNuevosConcursos(bd, control);
    CorrigeConcursos(bd);
}
