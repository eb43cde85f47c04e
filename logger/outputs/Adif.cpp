#include "Adif.h"

#include "BandasModos.h"
#include "BaseDatos.h"
#include "Indicativos.h"
#include "TextoWindows.h"

#include <QDir>

namespace {
// The ADIF version whose band and mode lists the file follows.
const QString VersionAdif = QStringLiteral("3.1.4");
const QString Crlf = QStringLiteral("\r\n");
} // namespace

DatosExportacion LeeDatosExportacion(const ConjuntoRegistros& concurso, const ConjuntoRegistros& estacion,
                                     const QString& version) {
    DatosExportacion d;
    d.numeroOrden = concurso.entero("NumeroOrden");
    d.nombreConcurso = concurso.texto("NombreConcurso");
    d.edicion = concurso.texto("Edicion");
    d.indicativo = estacion.texto("Indicativo");
    d.operador = estacion.texto("Operador");
    d.direccion = estacion.texto("Direccion");
    d.poblacion = estacion.texto("Poblacion");
    d.pais = estacion.texto("Pais");
    d.version = version;
    return d;
}

std::vector<Qso> LeeQsosExportacion(BaseDatos& bd, int numeroOrden) {
    ConjuntoRegistros rs =
        bd.abreConjunto(QStringLiteral("Select * From Contactos Where NumeroOrden = %1 Order by  NumeroQso")
                            .arg(numeroOrden));
    std::vector<Qso> qsos;
    qsos.reserve(static_cast<size_t>(rs.cuenta()));
    for (; !rs.eof(); rs.siguiente())
        qsos.push_back(LeeQso(rs));
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
            CampoAdif("CONTEST_ID", d.nombreConcurso, true),
            CampoAdif("OPERATOR", d.indicativo, true),
            CampoAdif("NAME", d.operador, true),
            CampoAdif("ADDRESS", d.direccion, true),
            CampoAdif("ADDRESS", d.poblacion, true),
            CampoAdif("ADDRESS", d.pais, true),
            QStringLiteral("<EOH>"),
            QString()};
}

QStringList RegistroAdif(const Qso& q, const QString& nombreConcurso, const QString& indicativoEstacion) {
    QStringList lineas;
    if (!nombreConcurso.isEmpty()) lineas << CampoAdif("CONTEST_ID", nombreConcurso);
    const QString fecha = q.fecha.isValid() ? q.fecha.toString(QStringLiteral("yyyyMMdd")) : QString();
    const QString hora = q.hora.isEmpty() ? QString() : q.hora.left(2) + q.hora.right(2);
    const ModoAdif modo = ModoParaAdif(q.modo);
    lineas << CampoAdif("QSO_DATE", fecha) + CampoAdif("TIME_ON", hora) +
                  CampoAdif("BAND", BandaAdif(q.banda)) + CampoAdif("MODE", modo.modo) +
                  CampoAdif("SUBMODE", modo.submodo) + CampoAdif("OPERATOR", indicativoEstacion) +
                  CampoAdif("RST_SENT", q.rstEnviado) + CampoAdif("CALL", q.indicativo) +
                  CampoAdif("RST_RCVD", q.rstRecibido);
    const QString lineaB = CampoAdif("STX", q.numeralEnviado) + CampoAdif("STX_STRING", q.literalEnviado) +
                           CampoAdif("MY_GRIDSQUARE", q.locatorEnviado) +
                           CampoAdif("SRX", q.numeralRecibido) + CampoAdif("SRX_STRING", q.literalRecibido) +
                           CampoAdif("GRIDSQUARE", q.locatorRecibido);
    if (!lineaB.isEmpty()) lineas << lineaB;
    lineas << QStringLiteral("<EOR>") << QString();
    return lineas;
}

QStringList LineasAdif(const DatosExportacion& d, const std::vector<Qso>& qsos) {
    QStringList lineas = CabeceraAdif(d);
    lineas.reserve(lineas.size() + static_cast<qsizetype>(qsos.size()) * 5);
    for (const Qso& q : qsos) {
        // A row without a callsign is no QSO; the ones after it still belong in the file.
        if (q.indicativo.trimmed().isEmpty()) continue;
        lineas << RegistroAdif(q, d.nombreConcurso, d.indicativo);
    }
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
    const QString nombre = NombreArchivoAdif(d.indicativo);
    const QStringList lineas = LineasAdif(d, LeeQsosExportacion(bd, d.numeroOrden));
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
