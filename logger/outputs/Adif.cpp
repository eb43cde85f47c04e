#include "Adif.h"

#include "BandasModos.h"
#include "BaseDatos.h"
#include "Indicativos.h"
#include "TextoWindows.h"

#include <QDir>

#include <cstdio>
#include <optional>

using namespace Qt::Literals::StringLiterals;

namespace {
// The ADIF version whose band and mode lists the file follows.
const QString VersionAdif = QStringLiteral("3.1.4");
const QString Crlf = QStringLiteral("\r\n");

// CampoAdif appended in place: a record is built without a text per field.
void Anade(QString& linea, QLatin1StringView etiqueta, const QString& valor) {
    if (valor.isEmpty()) return;
    linea += u'<';
    linea += etiqueta;
    linea += u':';
    linea += QString::number(valor.size());
    linea += u'>';
    linea += valor;
}
} // namespace

void RecorreQsosExportacion(BaseDatos& bd, int numeroOrden, const std::function<void(Qso)>& porQso) {
    // One read transaction: one snapshot of the log, instead of one lock and check per row.
    BaseDatos::Transaccion lectura(bd);
    std::optional<LectorQso> lector;
    // Walked once, one row held at a time.
    bd.recorre(
        QStringLiteral("Select * From Contactos Where NumeroOrden = %1 Order by  NumeroQso").arg(numeroOrden),
        [&](const ConjuntoRegistros& rs) {
            if (!lector) lector.emplace(rs);
            porQso(lector->lee(rs));
        });
}

std::vector<Qso> LeeQsosExportacion(BaseDatos& bd, int numeroOrden) {
    std::vector<Qso> qsos;
    // Room made once: a log of 32,767 QSOs grown step by step is copied and faulted in again.
    qsos.reserve(static_cast<size_t>(
        bd.abreLectura(
              QStringLiteral("Select count(*) As N From Contactos Where NumeroOrden = %1").arg(numeroOrden))
            .entero("N")));
    RecorreQsosExportacion(bd, numeroOrden, [&](Qso q) { qsos.push_back(std::move(q)); });
    return qsos;
}

QString CampoAdif(const QString& etiqueta, const QString& valor, bool siempre) {
    if (valor.isEmpty() && !siempre) return {};
    return u'<' + etiqueta + u':' + QString::number(valor.size()) + u'>' + valor;
}

QStringList CabeceraAdif(const DatosExportacion& d) {
    // ARRL_SECTION is no header field; readers look for the version and the program instead.
    return {QStringLiteral("Exportación a ADIF por XKLumoCon Versión ") + d.version,
            CampoAdif("ADIF_VER", VersionAdif) + CampoAdif("PROGRAMID", QStringLiteral("XkLumoCon")) +
                CampoAdif("PROGRAMVERSION", d.version),
            CampoAdif("CONTEST_ID", d.concurso.nombreConcurso, true),
            CampoAdif("OPERATOR", d.estacion.indicativo, true),
            CampoAdif("NAME", d.estacion.operador, true),
            CampoAdif("ADDRESS", d.estacion.direccion, true),
            CampoAdif("ADDRESS", d.estacion.poblacion, true),
            CampoAdif("ADDRESS", d.estacion.pais, true),
            QStringLiteral("<EOH>"),
            QString()};
}

QStringList RegistroAdif(const Qso& q, const QString& nombreConcurso, const QString& indicativoEstacion) {
    QStringList lineas;
    if (!nombreConcurso.isEmpty()) lineas << CampoAdif("CONTEST_ID", nombreConcurso);
    QString fecha;
    if (q.fecha.isValid()) {
        // Formatted by hand: the locale machinery of QDate::toString costs more than the whole record.
        char texto[16];
        std::snprintf(texto, sizeof texto, "%04d%02d%02d", q.fecha.year(), q.fecha.month(), q.fecha.day());
        fecha = QString::fromLatin1(texto);
    }
    const QString hora = q.hora.isEmpty() ? QString() : q.hora.left(2) + q.hora.right(2);
    const ModoAdif modo = ModoParaAdif(q.modo);
    QString a;
    a.reserve(160);
    Anade(a, "QSO_DATE"_L1, fecha);
    Anade(a, "TIME_ON"_L1, hora);
    Anade(a, "BAND"_L1, BandaAdif(q.banda));
    Anade(a, "MODE"_L1, modo.modo);
    Anade(a, "SUBMODE"_L1, modo.submodo);
    Anade(a, "OPERATOR"_L1, indicativoEstacion);
    Anade(a, "RST_SENT"_L1, q.rstEnviado);
    Anade(a, "CALL"_L1, q.indicativo);
    Anade(a, "RST_RCVD"_L1, q.rstRecibido);
    lineas << a;
    QString b;
    Anade(b, "STX"_L1, q.numeralEnviado);
    Anade(b, "STX_STRING"_L1, q.literalEnviado);
    Anade(b, "MY_GRIDSQUARE"_L1, q.locatorEnviado);
    Anade(b, "SRX"_L1, q.numeralRecibido);
    Anade(b, "SRX_STRING"_L1, q.literalRecibido);
    Anade(b, "GRIDSQUARE"_L1, q.locatorRecibido);
    if (!b.isEmpty()) lineas << b;
    lineas << QStringLiteral("<EOR>") << QString();
    return lineas;
}

namespace {
void AnadeRegistro(QStringList& lineas, const Qso& q, const DatosExportacion& d) {
    // A row without a callsign is no QSO; the ones after it still belong in the file.
    if (q.indicativo.trimmed().isEmpty()) return;
    lineas << RegistroAdif(q, d.concurso.nombreConcurso, d.estacion.indicativo);
}
} // namespace

QStringList LineasAdif(const DatosExportacion& d, const std::vector<Qso>& qsos) {
    QStringList lineas = CabeceraAdif(d);
    lineas.reserve(lineas.size() + static_cast<qsizetype>(qsos.size()) * 5);
    for (const Qso& q : qsos)
        AnadeRegistro(lineas, q, d);
    return lineas;
}

QString NombreArchivoAdif(const QString& indicativoEstacion) {
    QString base = indicativoEstacion, resto;
    SeparaIndicativo(base, resto);
    return base + QStringLiteral(".adi");
}

Aviso MensajeAdif(const QString& carpeta, const QString& nombreArchivo) {
    Aviso a;
    a.icono = Icono::Informacion;
    a.titulo = QStringLiteral("INFORMACIÓN");
    a.texto = QStringLiteral("Se ha generado en la carpeta:") + Crlf + Crlf + carpeta + Crlf + Crlf +
              QStringLiteral("El siguiente fichero en formato ADIF:") + Crlf + Crlf +
              nombreArchivo.toUpper() + Crlf + Crlf;
    return a;
}

Aviso ExportaADIF(BaseDatos& bd, const DatosExportacion& d) {
    const QString nombre = NombreArchivoAdif(d.estacion.indicativo);
    QStringList lineas;
    try {
        // Each QSO becomes its record as it is read: the log is not held besides its lines.
        lineas = CabeceraAdif(d);
        RecorreQsosExportacion(bd, d.concurso.numeroOrden, [&](Qso q) { AnadeRegistro(lineas, q, d); });
    } catch (const ErrorBD& e) {
        // The log could not be read (locked by another program): say so; the log window goes on.
        Aviso a;
        a.icono = Icono::Critico;
        a.titulo = QStringLiteral("ERROR");
        a.texto = QStringLiteral("No se han podido leer los contactos para el fichero ") + nombre +
                  QStringLiteral(": ") + e.mensaje();
        return a;
    }
    QString error;
    // The file is complete and in place before the message names it.
    if (!EscribeArchivoTexto(nombre, lineas, &error)) {
        Aviso a;
        a.icono = Icono::Critico;
        a.titulo = QStringLiteral("ERROR");
        a.texto =
            QStringLiteral("No se ha podido escribir el fichero ") + nombre + QStringLiteral(": ") + error;
        return a;
    }
    return MensajeAdif(QDir::toNativeSeparators(QDir::currentPath()), nombre);
}
