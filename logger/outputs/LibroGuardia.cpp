#include "LibroGuardia.h"

#include "Formatos.h"
#include "Indicativos.h"

#include <QDir>

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {
// Types are the logbook's own choice: text everywhere, as the values written are texts, and the
// sizes of the QSO fields they come from; the numerals wider, as "-123" becomes "-0123".
struct CampoLibroDef {
    const char* nombre;
    int tamano;
};
constexpr CampoLibroDef CamposLibro[] = {{"IndicativoPropio", 14},
                                         {"Base", 14},
                                         {"QSOVia", 1},
                                         {"Concurso", 64},
                                         {"Edicion", 4},
                                         {"FechaQso", 10},
                                         {"HoraQso", 5},
                                         {"Banda", 10},
                                         {"Modo", 10},
                                         {"Indicativo", 14},
                                         {"Barra", 14},
                                         {"RsEnviado", 5},
                                         {"RsRecibido", 5},
                                         {"NumeralRecibido", 10},
                                         {"QraLocatorRecibido", 6},
                                         {"LiteralRecibido", 64},
                                         {"PuntosRecibidos", 4},
                                         {"NumeralEnviado", 10},
                                         {"QraLocatorEnviado", 6},
                                         {"LiteralEnviado", 64},
                                         {"PuntosEnviados", 4}};

// "dd-mm-yyyy" by hand: the locale machinery of QDate::toString costs more than the whole row.
QString FechaLibro(const QDate& fecha) {
    char texto[16];
    std::snprintf(texto, sizeof texto, "%02d-%02d-%04d", fecha.day(), fecha.month(), fecha.year());
    return QString::fromLatin1(texto);
}

QVariant NumeroOTexto(const QString& valor, bool formato) {
    if (valor.isEmpty()) return 0;
    return formato ? FormatoNumeral(valor) : valor;
}
} // namespace

DefTabla DefinicionLibroGuardia() {
    DefTabla d;
    d.nombre = QStringLiteral("LibroGuardia");
    for (const CampoLibroDef& c : CamposLibro)
        d.agrega(QString::fromLatin1(c.nombre), TipoCampo::Texto, c.tamano);
    return d;
}

void CreaLibroGuardia(const QString& ruta) {
    BaseDatos::Crea(ruta)->creaTabla(DefinicionLibroGuardia());
}

EstacionLibro SeparaEstacion(const QString& indicativo) {
    EstacionLibro e{indicativo, {}};
    SeparaIndicativo(e.indicativoPropio, e.base);
    if (e.base.isEmpty()) e.base = QStringLiteral("FIJA");
    return e;
}

QString FormatoNumeral(const QString& numeral) {
    return Formato0000(numeral.trimmed());
}

FilaLibro FilaLibroGuardia(const Qso& qso, const DatosExportacion& d, const EstacionLibro& estacion) {
    Qso q = qso;
    QuitaNoIntercambiados(q, d.concurso);
    QString indicativo = q.indicativo, barra;
    SeparaIndicativo(indicativo, barra);
    FilaLibro f;
    f.reserve(std::size(CamposLibro));
    f.emplace_back(QStringLiteral("IndicativoPropio"), estacion.indicativoPropio);
    f.emplace_back(QStringLiteral("Base"), estacion.base);
    f.emplace_back(QStringLiteral("QSOVia"), QStringLiteral("N"));
    if (!d.concurso.nombreConcurso.isEmpty())
        f.emplace_back(QStringLiteral("Concurso"), d.concurso.nombreConcurso);
    if (!d.concurso.edicion.isEmpty()) f.emplace_back(QStringLiteral("Edicion"), d.concurso.edicion);
    if (q.fecha.isValid()) f.emplace_back(QStringLiteral("FechaQso"), FechaLibro(q.fecha));
    f.emplace_back(QStringLiteral("HoraQso"), q.hora);
    f.emplace_back(QStringLiteral("Banda"), q.banda);
    f.emplace_back(QStringLiteral("Modo"), q.modo);
    f.emplace_back(QStringLiteral("Indicativo"), indicativo);
    f.emplace_back(QStringLiteral("Barra"), barra);
    f.emplace_back(QStringLiteral("RsEnviado"), q.rstEnviado);
    f.emplace_back(QStringLiteral("RsRecibido"), q.rstRecibido);
    f.emplace_back(QStringLiteral("NumeralRecibido"), NumeroOTexto(q.numeralRecibido, true));
    f.emplace_back(QStringLiteral("QraLocatorRecibido"), q.locatorRecibido);
    f.emplace_back(QStringLiteral("LiteralRecibido"), q.literalRecibido);
    f.emplace_back(QStringLiteral("PuntosRecibidos"), NumeroOTexto(q.puntosRecibidos, false));
    f.emplace_back(QStringLiteral("NumeralEnviado"), NumeroOTexto(q.numeralEnviado, true));
    f.emplace_back(QStringLiteral("QraLocatorEnviado"), q.locatorEnviado);
    f.emplace_back(QStringLiteral("LiteralEnviado"), q.literalEnviado);
    f.emplace_back(QStringLiteral("PuntosEnviados"), NumeroOTexto(q.puntosEnviados, false));
    return f;
}

Aviso ExportaLibroGuardia(BaseDatos& trabajo, const DatosExportacion& d, const QString& ruta) {
    Aviso a;
    try {
        auto libro = BaseDatos::Abre(ruta);
        // All rows or none: a second try after a failure must not add the first QSOs twice.
        BaseDatos::Transaccion t(*libro);
        ConjuntoRegistros tabla = libro->abreConjunto(QStringLiteral("LibroGuardia"));
        const EstacionLibro estacion = SeparaEstacion(d.estacion.indicativo);
        // Each QSO goes into the logbook as it is read: the log is never held whole.
        RecorreQsosExportacion(trabajo, d.concurso.numeroOrden, [&](Qso q) {
            tabla.anade();
            for (const auto& [campo, valor] : FilaLibroGuardia(q, d, estacion))
                tabla.asigna(campo, valor);
            tabla.actualiza();
        });
        t.confirma();
    } catch (const ErrorBD& e) {
        a.icono = Icono::Critico;
        a.texto = QStringLiteral("No se han exportado los contactos al libro de guardia ") +
                  QDir::toNativeSeparators(ruta) + QStringLiteral(" (el libro queda como estaba):\r\n\r\n") +
                  e.mensaje();
        return a;
    }
    a.texto = QStringLiteral("La importación a Ondalia ha finalizado correctamente.");
    return a;
}
