#include "BaseCatalogo.h"

#include "Esquema.h"

#include <gtest/gtest.h>
#include <QFile>

BaseCatalogo::BaseCatalogo() {
    CreaTodasLasTablas();
    EXPECT_TRUE(QFile::rename(NombreBaseEsquema, NombreBaseDatos));
    AñadeCampoMes();
    bd = BaseDatos::Abre(NombreBaseDatos);
    control.emplace(bd->abreConjunto("Control"));
}

void BaseCatalogo::fila(const QString& tabla, const Campos& campos) {
    ConjuntoRegistros r = bd->abreConjunto(tabla);
    r.anade();
    for (const auto& [campo, valor] : campos)
        r.asigna(campo, valor);
    r.actualiza();
}

void BaseCatalogo::concurso(int numero, const QString& nombre, const QString& edicion, const Campos& mas) {
    Campos c{{"NumeroOrden", numero}, {"NombreConcurso", nombre}, {"Edicion", edicion}};
    c.insert(c.end(), mas.begin(), mas.end());
    fila("Concursos", c);
}

void BaseCatalogo::resumen(int numero, const QString& nombre, const QString& edicion, const Campos& mas) {
    Campos c{{"NumeroOrden", numero}, {"NombreConcurso", nombre}, {"Edicion", edicion}};
    c.insert(c.end(), mas.begin(), mas.end());
    fila("ResumenCabrillo", c);
}

void BaseCatalogo::categoria(int numero, const QString& concurso, const QString& cabrillo) {
    fila("FormatoEspecial",
         {{"NumeroOrden", numero}, {"CategoriaConcurso", concurso}, {"CategoriaCabrillo", cabrillo}});
}

void BaseCatalogo::contacto(int numero) {
    fila("Contactos", {{"NumeroOrden", numero}, {"NumeroQso", 1}, {"Indicativo", "EA1AAA"}});
}

void BaseCatalogo::ultimoConcurso(int valor) {
    control->edita();
    control->asigna("UltimoConcurso", valor);
    control->actualiza();
}

QStringList BaseCatalogo::volcado(const QString& tabla) {
    QStringList filas;
    for (ConjuntoRegistros r = bd->abreConjunto(tabla); !r.eof(); r.siguiente()) {
        QStringList campos;
        for (int i = 0; i < r.numeroCampos(); ++i)
            campos << r.definicion().campo(i).nombre + "=" +
                          (r.valor(i).isValid() ? r.valor(i).toString() : "<nulo>");
        filas << campos.join('|');
    }
    return filas;
}

QStringList BaseCatalogo::volcadoCompleto() {
    QStringList todo;
    for (const char* t : {"Concursos", "ResumenCabrillo", "FormatoEspecial", "Control", "Contactos"})
        todo << volcado(t);
    return todo;
}

QVariant BaseCatalogo::valor(const QString& sql, const QString& campo) {
    ConjuntoRegistros r = bd->abreConjunto(sql);
    return r.eof() ? QVariant() : r.valor(campo);
}

int BaseCatalogo::cuenta(const QString& sql) {
    return bd->abreConjunto(sql).cuenta();
}

void CreaNuevosConcursos(const QString& archivo, bool conMes, int largoNombre) {
    auto n = BaseDatos::Crea(archivo);
    DefTabla concursos = DefinicionConcursos();
    concursos.campos[1].tamano = largoNombre;
    if (conMes) concursos.agrega("Mes", TipoCampo::Texto, 12);
    n->creaTabla(concursos);
    n->creaTabla(DefinicionResumenCabrillo());
    n->creaTabla(DefinicionFormatoEspecial());
}
