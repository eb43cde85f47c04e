#include "CorreccionesConcursos.h"

#include "ActualizacionCatalogo.h"
#include "ConcursosNombrados.h"

namespace {

constexpr ParCategorias LP{"SINGLE-OP LP ALL", "MONOOPERADOR MULTIBANDA BAJA POTENCIA"};
constexpr ParCategorias HP{"SINGLE-OP HP ALL", "MONOOPERADOR MULTIBANDA ALTA POTENCIA"};
constexpr ParCategorias M10{"SINGLE-OP 10M", "MONOOPERADOR MONOBANDA 10M"};
constexpr ParCategorias M15{"SINGLE-OP 15M", "MONOOPERADOR MONOBANDA 15M"};
constexpr ParCategorias M20{"SINGLE-OP 20M", "MONOOPERADOR MONOBANDA 20M"};
constexpr ParCategorias M40{"SINGLE-OP 40M", "MONOOPERADOR MONOBANDA 40M"};
constexpr ParCategorias M80{"SINGLE-OP 80M", "MONOOPERADOR MONOBANDA 80M"};
constexpr ParCategorias M160{"SINGLE-OP 160M", "MONOOPERADOR MONOBANDA 160M"};
constexpr ParCategorias QRP{"SINGLE-OP ALL QRP", "MONOOPERADOR MULTIBANDA QRP"};
constexpr ParCategorias MULTI{"MULTI-MULTI ALL", "MULTIOPERADOR MULTIBANDA"};
constexpr ParCategorias CHECKLOG{"CHECKLOG", "LISTA DE CONTROL"};

constexpr std::array CategoriasRey{LP, HP, M10, M15, M20, M40, M80, M160, MULTI, CHECKLOG};
constexpr std::array CategoriasCncw{LP, HP, M10, M15, M20, M40, M80, QRP, MULTI, CHECKLOG};
constexpr std::array CategoriasEa{LP, HP, M10, M15, M20, M40, M80, MULTI, CHECKLOG};
constexpr std::array CategoriasMunicipios{
    ParCategorias{"SINGLE-OP ALL LOW", "MONOOPERADOR MULTIBANDA BAJA POTENCIA"},
    ParCategorias{"SINGLE-OP ALL HIGH", "MONOOPERADOR MULTIBANDA ALTA POTENCIA"}, CHECKLOG};

constexpr const char* MarcaBajaPotencia = "SINGLE-OP LP ALL";
constexpr const char* NoAplicable = "No Aplicable";

// What each kind of correction of the named-contest table writes.
CorreccionConcurso Miembro(const ConcursoNombrado& c) {
    using K = ConcursoNombrado::Correccion;
    const char* nombre = c.nombreCorreccion ? c.nombreCorreccion : c.nombre;
    switch (c.correccion) {
    case K::CategoriasRey:
        return {nombre, MarcaBajaPotencia, CategoriasRey, ReglaResumen::BajaPotencia};
    case K::CategoriasEa:
        return {nombre, MarcaBajaPotencia, CategoriasEa, ReglaResumen::BajaPotencia};
    case K::CategoriasCncw:
        return {nombre, MarcaBajaPotencia, CategoriasCncw, ReglaResumen::BajaPotencia};
    case K::Municipios:
        return {nombre, "SINGLE-OP ALL LOW", CategoriasMunicipios, ReglaResumen::Municipios};
    case K::Naranja:
    case K::Ninguna:
        break;
    }
    return {nombre, nullptr, {}, ReglaResumen::Naranja};
}

void AplicaResumen(BaseDatos& bd, ReglaResumen regla, const QString& n) {
    if (regla == ReglaResumen::BajaPotencia) {
        ConjuntoRegistros r =
            bd.abreConjunto("Select Categoria from ResumenCabrillo where NumeroOrden = " + n);
        if (r.eof() || r.texto("Categoria") != "SINGLE-OP ALL") return;
        r.edita();
        r.asigna("Categoria", "SINGLE-OP LP ALL");
        r.actualiza();
        return;
    }
    ConjuntoRegistros r = bd.abreConjunto(
        "Select NumeroOrden, Categoria, FormatoCabrillo from ResumenCabrillo where NumeroOrden = " + n);
    if (r.eof()) return;
    for (const auto& [antes, despues] : {std::pair{"SINGLE-OP LP ALL", "SINGLE-OP ALL LOW"},
                                         std::pair{"SINGLE-OP HP ALL", "SINGLE-OP ALL HIGH"}}) {
        if (r.texto("Categoria") != QLatin1String(antes)) continue;
        r.edita();
        r.asigna("Categoria", despues);
        r.asigna("FormatoCabrillo", "ESPECIAL");
        r.actualiza();
    }
}

void CorrigeCategorias(BaseDatos& bd, const CorreccionConcurso& c, int numero) {
    const QString n = QString::number(numero);
    ConjuntoRegistros f = bd.abreConjunto("Select * from FormatoEspecial where NumeroOrden = " + n);
    if (f.eof()) return; // a contest without categories is not one of ours to correct
    for (; !f.eof(); f.siguiente())
        if (f.texto("CategoriaCabrillo") == QLatin1String(c.marcador)) return;
    for (f.primero(); !f.eof(); f.siguiente())
        f.borra();
    for (const ParCategorias& p : c.categorias) {
        f.anade();
        f.asigna("NumeroOrden", numero);
        f.asigna("CategoriaConcurso", p.concurso);
        f.asigna("CategoriaCabrillo", p.cabrillo);
        f.actualiza();
    }
    AplicaResumen(bd, c.regla, n);
}

void CorrigeNaranja(BaseDatos& bd, ConjuntoRegistros& concurso, int numero) {
    // "No repetir" and "Puede Repetir" exclude the hours rule and would hide it from the log's
    // repeat test. Stored only when different: this runs at every activation.
    const bool noRepetir = concurso.siNo("NoRepetir");
    const bool repetirEstacion = concurso.siNo("RepetirEstacion");
    if (noRepetir || repetirEstacion || !concurso.siNo("RepetirEnCadaHoras") ||
        concurso.texto("HorasRepeticion") != "23:59") {
        concurso.edita();
        concurso.asigna("RepetirEnCadaHoras", true);
        concurso.asigna("HorasRepeticion", "23:59");
        if (noRepetir) concurso.asigna("NoRepetir", false);
        if (repetirEstacion) concurso.asigna("RepetirEstacion", false);
        concurso.actualiza();
    }
    ConjuntoRegistros r =
        bd.abreConjunto("Select * from ResumenCabrillo where NumeroOrden = " + QString::number(numero));
    if (r.eof() || r.texto("Banda") == NoAplicable) return;
    r.edita();
    for (const char* campo : {"Banda", "Potencia", "Modo", "Overlay"})
        r.asigna(campo, NoAplicable);
    r.actualiza();
}

} // namespace

const std::vector<CorreccionConcurso>& CorreccionesConcursos() {
    static const std::vector<CorreccionConcurso> lista = [] {
        std::vector<CorreccionConcurso> l;
        for (const ConcursoNombrado& c : ConcursosNombrados())
            if (c.correccion != ConcursoNombrado::Correccion::Ninguna) l.push_back(Miembro(c));
        return l;
    }();
    return lista;
}

namespace {

void AplicaCorreccion(BaseDatos& bd, const CorreccionConcurso& c, ConjuntoRegistros& concurso) {
    const int numero = concurso.entero("NumeroOrden");
    BaseDatos::Transaccion t(bd);
    if (c.regla == ReglaResumen::Naranja)
        CorrigeNaranja(bd, concurso, numero);
    else
        CorrigeCategorias(bd, c, numero);
    t.confirma();
}

} // namespace

void CorrigeConcurso(BaseDatos& bd, const CorreccionConcurso& c, const QString& edicion) {
    const QString nombre = QString::fromUtf8(c.nombre);
    ConjuntoRegistros concurso =
        bd.abreConjunto("Select * from Concursos where NombreConcurso = " + Comillas(nombre) +
                        "  and Edicion = " + Comillas(edicion) + " ");
    if (!concurso.eof()) AplicaCorreccion(bd, c, concurso);
}

void CorrigeConcursos(BaseDatos& bd) {
    // One read finds every member's contest (the first of its name in table order), instead of one
    // scan of the contests per member at every activation.
    const std::vector<CorreccionConcurso>& miembros = CorreccionesConcursos();
    QStringList nombres, casos;
    for (size_t i = 0; i < miembros.size(); ++i) {
        const QString nombre = Comillas(QString::fromUtf8(miembros[i].nombre));
        nombres << nombre;
        casos << QStringLiteral("WHEN NombreConcurso = %1 THEN %2").arg(nombre).arg(i);
    }
    ConjuntoRegistros r =
        bd.abreConjunto("SELECT CASE " + casos.join(' ') + " END AS Miembro, rowid AS Fila " +
                        "FROM Concursos WHERE Edicion = " + Comillas(AñoActual()) +
                        " AND NombreConcurso IN (" + nombres.join(',') + ") ORDER BY rowid");
    std::vector<qint64> filas(miembros.size());
    for (; !r.eof(); r.siguiente()) {
        qint64& fila = filas.at(static_cast<size_t>(r.valor(0).toInt()));
        if (fila == 0) fila = r.valor(1).toLongLong();
    }
    // Stored together: one write to the disk at most, not one per contest.
    BaseDatos::Transaccion t(bd);
    for (size_t i = 0; i < miembros.size(); ++i) {
        if (filas[i] == 0) continue;
        ConjuntoRegistros concurso =
            bd.abreConjunto("Select * from Concursos where rowid = " + QString::number(filas[i]));
        if (!concurso.eof()) AplicaCorreccion(bd, miembros[i], concurso);
    }
    t.confirma();
}
