#include "DatosResumenCabrillo.h"

#include "CategoriasCabrillo.h"
#include "Filas.h"

namespace {
QString Donde(const char* tabla, int numeroOrden) {
    return QStringLiteral("Select * From %1 Where NumeroOrden = %2")
        .arg(QLatin1String(tabla), QString::number(numeroOrden));
}
} // namespace

std::optional<ValoresResumen> LeeResumenCabrillo(BaseDatos& bd, int numeroOrden) {
    const std::optional<FilaResumen> fila = LeeFilaResumen(bd, numeroOrden);
    if (!fila) return std::nullopt;
    ValoresResumen v;
    v.formato = fila->formato;
    for (size_t i = 0; i < CategoriasResumen.size(); ++i)
        v.categorias[i] = (*fila).*CategoriasResumen[i];
    v.email = fila->email;
    v.operadores = fila->operators;
    return v;
}

std::vector<CategoriaEspecial> LeeFormatoEspecial(BaseDatos& bd, int numeroOrden) {
    std::vector<CategoriaEspecial> lista;
    ConjuntoRegistros r = bd.abreConjunto(Donde("FormatoEspecial", numeroOrden) + " Order By rowid");
    for (; !r.eof(); r.siguiente())
        lista.push_back({r.texto("CategoriaConcurso"), r.texto("CategoriaCabrillo")});
    return lista;
}

void EscribeResumenCabrillo(BaseDatos& bd, int numeroOrden, const QString& nombre, const QString& edicion,
                            const ValoresResumen& valores) {
    ConjuntoRegistros r = bd.abreConjunto(Donde("ResumenCabrillo", numeroOrden));
    if (r.eof())
        r.anade();
    else
        r.edita();
    r.asigna("NumeroOrden", numeroOrden);
    r.asigna("NombreConcurso", nombre);
    r.asigna("Edicion", edicion);
    r.asigna("FormatoCabrillo", valores.formato);
    for (size_t i = 0; i < CajasCabrillo.size(); ++i)
        r.asigna(QString::fromUtf8(CajasCabrillo[i].campo), valores.categorias[i]);
    r.asigna("Email", valores.email);
    r.asigna("Operators", valores.operadores);
    r.actualiza();
}

void EscribeFormatoEspecial(BaseDatos& bd, int numeroOrden,
                            const std::vector<CategoriaEspecial>& categorias) {
    BaseDatos::Transaccion transaccion(bd);
    bd.ejecuta(QStringLiteral("Delete From FormatoEspecial Where NumeroOrden = %1").arg(numeroOrden));
    ConjuntoRegistros r = bd.abreConjunto(Donde("FormatoEspecial", numeroOrden));
    for (const CategoriaEspecial& c : categorias) {
        r.anade();
        r.asigna("NumeroOrden", numeroOrden);
        r.asigna("CategoriaConcurso", c.descripcion);
        r.asigna("CategoriaCabrillo", c.codigo);
        r.actualiza();
    }
    transaccion.confirma();
}
