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

// For each contest name, its first row in table order when that row has no month, with the month
// of the first row of the months file that names it and gives one. Names compare by the working
// table's collation, whatever the delivered file declares, in one join rather than one scan of the
// contests per name of the file.
std::vector<std::pair<qint64, QString>> MesesQueFaltan(BaseDatos& trabajo, const QString& archivo) {
    trabajo.ejecuta("ATTACH DATABASE " + Comillas(QFileInfo(archivo).absoluteFilePath()) + " AS Entregada");
    struct Separa {
        BaseDatos& bd;
        ~Separa() {
            try {
                bd.ejecuta("DETACH DATABASE Entregada");
            } catch (const ErrorBD&) {
            }
        }
    } separa{trabajo};
    ConjuntoRegistros r = trabajo.abreConjunto(
        "SELECT c.Fila, m.Mes FROM (SELECT rowid AS Fila, NombreConcurso, Mes, "
        "row_number() OVER (PARTITION BY NombreConcurso ORDER BY rowid) AS Orden FROM main.Concursos) c "
        "JOIN Entregada.Concursos m ON m.Concurso = c.NombreConcurso COLLATE NOCASE "
        "WHERE c.Orden = 1 AND (c.Mes IS NULL OR c.Mes = '') AND m.Mes <> '' ORDER BY c.Fila, m.rowid");
    std::vector<std::pair<qint64, QString>> meses;
    for (; !r.eof(); r.siguiente()) {
        const qint64 fila = r.valor(0).toLongLong();
        if (meses.empty() || meses.back().first != fila) meses.emplace_back(fila, r.valor(1).toString());
    }
    return meses;
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
        std::vector<std::pair<qint64, QString>> meses = MesesQueFaltan(*trabajo, archivo);
        if (meses.empty()) return;
        BaseDatos::Transaccion t(*trabajo);
        for (const auto& [fila, mes] : meses)
            trabajo->ejecuta("Update Concursos Set Mes = " + Comillas(mes) +
                             " Where rowid = " + QString::number(fila));
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
