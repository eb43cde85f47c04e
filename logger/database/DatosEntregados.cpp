#include "DatosEntregados.h"

#include "ActualizacionCatalogo.h"
#include "Archivos.h"

#include <QFile>
#include <QFileInfo>
#include <QtGlobal>

namespace {

void AvisaEnRegistro(const QString& archivo, const ErrorBD& e) {
    // The upgrades show no box; the reason still reaches whoever reads the program's output.
    qWarning("%s: %s", qPrintable(archivo), e.what());
}

void FusionaNuevos(BaseDatos& bd, ConjuntoRegistros& control, const QString& archivo) {
    auto nuevos = BaseDatos::Abre(archivo);
    for (const QString& tabla : TablasNuevosConcursos)
        nuevos->definicionTabla(tabla); // a missing table fails here, before anything is written

    BaseDatos::Transaccion t(bd);
    const int inicial = LeeUltimoConcurso(control);
    int c = inicial;
    for (ConjuntoRegistros n = nuevos->abreConjunto("Concursos"); !n.eof(); n.siguiente()) {
        const QString nombre = n.texto("NombreConcurso");
        ConjuntoRegistros w =
            bd.abreConjunto("Select * From concursos Where NombreConcurso = " + Comillas(nombre));
        if (!w.eof()) continue;
        const int o = n.entero("NumeroOrden");
        AñadeCopia(n, w, ++c);

        ConjuntoRegistros resumen =
            nuevos->abreConjunto("Select * From ResumenCabrillo Where NombreConcurso = " + Comillas(nombre));
        const QString destino = " Where NumeroOrden = " + QString::number(c);
        if (!resumen.eof()) {
            ConjuntoRegistros r = bd.abreConjunto("Select * From ResumenCabrillo" + destino);
            AñadeCopia(resumen, r, c);
        }
        ConjuntoRegistros categorias =
            nuevos->abreConjunto("Select * From FormatoEspecial Where NumeroOrden = " + QString::number(o));
        if (!categorias.eof()) {
            ConjuntoRegistros f = bd.abreConjunto("Select * From FormatoEspecial" + destino);
            for (; !categorias.eof(); categorias.siguiente())
                AñadeCopia(categorias, f, c);
        }
    }
    if (c != inicial) GuardaUltimoConcurso(control, c);
    t.confirma();
}

void BorraArchivo(const QString& archivo) {
    // A file that stays is merged again at the next start and adds nothing.
    for (const char* sufijo : {"", "-wal", "-shm"})
        QFile::remove(archivo + QLatin1String(sufijo));
}

} // namespace

void AsignaMesesConcursos(const QString& nombreBaseDatos) {
    auto trabajo = BaseDatos::Abre(nombreBaseDatos);
    const QString archivo = ResuelveNombreArchivo(NombreMesesConcursos + QStringLiteral(".mdb"));
    if (!QFileInfo(archivo).isFile()) return;
    try {
        auto meses = BaseDatos::Abre(archivo);
        BaseDatos::Transaccion t(*trabajo);
        for (ConjuntoRegistros m = meses->abreConjunto("Concursos"); !m.eof(); m.siguiente()) {
            ConjuntoRegistros r =
                trabajo->abreConjunto("Select NombreConcurso, Mes From Concursos Where NombreConcurso = " +
                                      Comillas(m.texto("Concurso")) + " ");
            if (r.eof() || !r.texto("Mes").isEmpty()) continue;
            r.edita();
            r.asigna("Mes", m.valor("Mes"));
            r.actualiza();
        }
        t.confirma();
    } catch (const ErrorBD& e) {
        AvisaEnRegistro(archivo, e);
    }
}

void AñadeNuevosConcursos(BaseDatos& bd, ConjuntoRegistros& control) {
    const QString archivo = ResuelveNombreArchivo(NombreNuevosConcursos);
    if (!QFileInfo(archivo).isFile()) return;
    try {
        FusionaNuevos(bd, control, archivo);
    } catch (const ErrorBD& e) {
        AvisaEnRegistro(archivo, e);
        return;
    }
    BorraArchivo(archivo);
}
