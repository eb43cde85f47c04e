#include "Adif.h"

#include "BandasModos.h"
#include "BaseDatos.h"
#include "Indicativos.h"
#include "TextoWindows.h"

#include <QDir>

#include <algorithm>
#include <cstdio>
#include <optional>

using namespace Qt::Literals::StringLiterals;

namespace {
// The ADIF version whose band and mode lists the file follows.
const QString VersionAdif = QStringLiteral("3.1.4");
const QString Crlf = QStringLiteral("\r\n");

// An exchange value of the QSO and whether the contest exchanges it.
struct ItemIntercambio {
    QString Qso::*valor;
    bool (*intercambiado)(const FilaConcurso&);
    bool serie; // a zero serial is a placeholder: no QSO sends or gets serial 0
};
const ItemIntercambio ItemsIntercambio[] = {
    {&Qso::rstEnviado, [](const FilaConcurso& c) { return c.enviarRst; }, false},
    {&Qso::numeralEnviado, [](const FilaConcurso& c) { return c.enviarNumeral; }, true},
    {&Qso::literalEnviado, [](const FilaConcurso& c) { return c.enviarSiglas || c.enviarZonaCq; }, false},
    {&Qso::puntosEnviados, [](const FilaConcurso& c) { return c.enviarPuntos; }, false},
    {&Qso::locatorEnviado, [](const FilaConcurso& c) { return c.enviarLocator; }, false},
    {&Qso::rstRecibido, [](const FilaConcurso& c) { return c.recibirRst; }, false},
    {&Qso::numeralRecibido, [](const FilaConcurso& c) { return c.recibirNumeral && !c.numeraloSiglas; },
     true},
    {&Qso::literalRecibido,
     [](const FilaConcurso& c) { return c.recibirSiglas || c.recibirZonaCq || c.numeraloSiglas; }, false},
    {&Qso::puntosRecibidos, [](const FilaConcurso& c) { return c.recibirPuntos; }, false},
    {&Qso::locatorRecibido, [](const FilaConcurso& c) { return c.recibirLocator; }, false},
};

bool EsMarcador(const QString& valor, bool serie) {
    if (valor == u'-') return true;
    return serie && !valor.isEmpty() &&
           std::all_of(valor.begin(), valor.end(), [](QChar c) { return c == u'0'; });
}

// Text already in ASCII appended as bytes.
void CopiaAscii(QByteArray& b, const QString& ascii) {
    const qsizetype inicio = b.size();
    b.resize(inicio + ascii.size());
    char* destino = b.data() + inicio;
    for (const QChar c : ascii)
        *destino++ = static_cast<char>(c.unicode());
}

// The value in ASCII appended as bytes; most values are ASCII already and are copied as they are.
void AnadeTexto(QByteArray& b, const QString& valor) {
    CopiaAscii(b, TextoAscii(valor));
}

// "<TAG:n>value", n the bytes of the value; nothing for an empty value. Put together by hand: a
// log of 32,767 QSOs writes half a million fields.
void Anade(QByteArray& b, QLatin1StringView etiqueta, const QString& valor) {
    if (valor.isEmpty()) return;
    const QString ascii = TextoAscii(valor);
    b += '<';
    b += etiqueta;
    b += ':';
    char cifras[12];
    int n = 0;
    for (auto largo = ascii.size(); largo > 0 || n == 0; largo /= 10)
        cifras[n++] = static_cast<char>('0' + largo % 10);
    while (n > 0)
        b += cifras[--n];
    b += '>';
    CopiaAscii(b, ascii);
}

// A line of the header's free text: no "<", which would open a field.
void AnadeLibre(QByteArray& b, const char* rotulo, const QString& valor) {
    b += rotulo;
    AnadeTexto(b, QString(valor).replace(u'<', u'('));
    b += "\r\n";
}

QString FechaAdif(const QDate& fecha) {
    if (!fecha.isValid()) return {};
    // Formatted by hand: the locale machinery of QDate::toString costs more than the whole record.
    char texto[16];
    std::snprintf(texto, sizeof texto, "%04d%02d%02d", fecha.year(), fecha.month(), fecha.day());
    return QString::fromLatin1(texto);
}

// The record of one exchanged QSO; false when it has no ADIF band.
bool AnadeRegistro(QByteArray& b, const Qso& q, const QString& nombreConcurso, const QString& estacion) {
    if (!nombreConcurso.isEmpty()) {
        Anade(b, "CONTEST_ID"_L1, nombreConcurso);
        b += "\r\n";
    }
    const double hz = FrecuenciaHz(q);
    const QString mhz = hz > 0 ? QString::number(hz / 1e6, 'f', 6) : QString();
    // A user band with no ADIF name still has one where the radio was.
    QString banda = BandaAdif(q.banda);
    if (banda.isEmpty() && !mhz.isEmpty()) banda = BandaAdif(mhz);
    const ModoAdif modo = ModoParaAdif(q.modo);
    Anade(b, "QSO_DATE"_L1, FechaAdif(q.fecha));
    Anade(b, "TIME_ON"_L1, q.hora.isEmpty() ? QString() : q.hora.left(2) + q.hora.right(2));
    Anade(b, "BAND"_L1, banda);
    Anade(b, "FREQ"_L1, mhz);
    Anade(b, "MODE"_L1, modo.modo);
    Anade(b, "SUBMODE"_L1, modo.submodo);
    // Importers take STATION_CALLSIGN as "my call"; OPERATOR names who logged.
    Anade(b, "STATION_CALLSIGN"_L1, estacion);
    Anade(b, "OPERATOR"_L1, estacion);
    Anade(b, "RST_SENT"_L1, q.rstEnviado);
    Anade(b, "CALL"_L1, q.indicativo);
    Anade(b, "RST_RCVD"_L1, q.rstRecibido);
    b += "\r\n";
    const qsizetype inicioB = b.size();
    Anade(b, "STX"_L1, q.numeralEnviado);
    Anade(b, "STX_STRING"_L1, q.literalEnviado);
    Anade(b, "MY_GRIDSQUARE"_L1, q.locatorEnviado);
    Anade(b, "SRX"_L1, q.numeralRecibido);
    Anade(b, "SRX_STRING"_L1, q.literalRecibido);
    Anade(b, "GRIDSQUARE"_L1, q.locatorRecibido);
    if (b.size() > inicioB) b += "\r\n";
    b += "<EOR>\r\n\r\n";
    return !banda.isEmpty();
}

int CuentaQsos(BaseDatos& bd, int numeroOrden) {
    return bd
        .abreLectura(
            QStringLiteral("Select count(*) As N From Contactos Where NumeroOrden = %1").arg(numeroOrden))
        .entero("N");
}

// Counts the records without a band into `sinBanda`.
void AnadeQso(QByteArray& b, Qso q, const DatosExportacion& d, int& sinBanda) {
    // A row without a callsign is no QSO; the ones after it still belong in the file.
    if (q.indicativo.trimmed().isEmpty()) return;
    QuitaNoIntercambiados(q, d.concurso);
    if (!AnadeRegistro(b, q, d.concurso.nombreConcurso, d.estacion.indicativo)) ++sinBanda;
}
} // namespace

void QuitaNoIntercambiados(Qso& q, const FilaConcurso& concurso) {
    for (const ItemIntercambio& item : ItemsIntercambio) {
        QString& valor = q.*item.valor;
        if (!item.intercambiado(concurso) || EsMarcador(valor, item.serie)) valor.clear();
    }
}

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
    qsos.reserve(static_cast<size_t>(CuentaQsos(bd, numeroOrden)));
    RecorreQsosExportacion(bd, numeroOrden, [&](Qso q) { qsos.push_back(std::move(q)); });
    return qsos;
}

QByteArray CabeceraAdif(const DatosExportacion& d) {
    // The station and the contest as free text: as header fields an importer would take the
    // operator's own name and address for a contact's.
    QByteArray b;
    AnadeLibre(b, "Exportacion a ADIF por XKLumoCon Version ", d.version);
    AnadeLibre(b, "Estacion: ", d.estacion.indicativo);
    AnadeLibre(b, "Operador: ", d.estacion.operador);
    AnadeLibre(b, "Direccion: ", d.estacion.direccion);
    AnadeLibre(b, "Poblacion: ", d.estacion.poblacion);
    AnadeLibre(b, "Pais: ", d.estacion.pais);
    AnadeLibre(b, "Concurso: ", d.concurso.nombreConcurso);
    Anade(b, "ADIF_VER"_L1, VersionAdif);
    Anade(b, "PROGRAMID"_L1, QStringLiteral("XkLumoCon"));
    Anade(b, "PROGRAMVERSION"_L1, d.version);
    b += "\r\n<EOH>\r\n\r\n";
    return b;
}

QByteArray RegistroAdif(const Qso& q, const QString& nombreConcurso, const QString& indicativoEstacion) {
    QByteArray b;
    AnadeRegistro(b, q, nombreConcurso, indicativoEstacion);
    return b;
}

QByteArray ContenidoAdif(const DatosExportacion& d, const std::vector<Qso>& qsos, int* sinBanda) {
    QByteArray b = CabeceraAdif(d);
    b.reserve(b.size() + static_cast<qsizetype>(qsos.size()) * 240);
    int n = 0;
    for (const Qso& q : qsos)
        AnadeQso(b, q, d, n);
    if (sinBanda) *sinBanda = n;
    return b;
}

QString NombreArchivoAdif(const QString& indicativoEstacion) {
    QString base = indicativoEstacion, resto;
    SeparaIndicativo(base, resto);
    return base + QStringLiteral(".adi");
}

Aviso MensajeAdif(const QString& carpeta, const QString& nombreArchivo, int sinBanda) {
    Aviso a;
    a.icono = Icono::Informacion;
    a.titulo = QStringLiteral("INFORMACIÓN");
    a.texto = QStringLiteral("Se ha generado en la carpeta:") + Crlf + Crlf + carpeta + Crlf + Crlf +
              QStringLiteral("El siguiente fichero en formato ADIF:") + Crlf + Crlf +
              nombreArchivo.toUpper() + Crlf + Crlf;
    if (sinBanda > 0)
        a.texto += QStringLiteral("%1 %2 sin banda ADIF")
                       .arg(sinBanda)
                       .arg(sinBanda == 1 ? QStringLiteral("contacto") : QStringLiteral("contactos")) +
                   Crlf;
    return a;
}

Aviso ExportaADIF(BaseDatos& bd, const DatosExportacion& d) {
    const QString nombre = NombreArchivoAdif(d.estacion.indicativo);
    QByteArray contenido;
    int sinBanda = 0;
    try {
        // Each QSO becomes its record as it is read: the log is not held besides its bytes.
        contenido = CabeceraAdif(d);
        // Room for the usual record made once: growing a file of megabytes step by step copies it.
        contenido.reserve(contenido.size() +
                          256 * static_cast<qsizetype>(CuentaQsos(bd, d.concurso.numeroOrden)));
        RecorreQsosExportacion(bd, d.concurso.numeroOrden,
                               [&](Qso q) { AnadeQso(contenido, std::move(q), d, sinBanda); });
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
    if (!EscribeArchivo(nombre, contenido, &error)) {
        Aviso a;
        a.icono = Icono::Critico;
        a.titulo = QStringLiteral("ERROR");
        a.texto = MensajeEscrituraFallida(nombre, error);
        return a;
    }
    return MensajeAdif(QDir::toNativeSeparators(QDir::currentPath()), nombre, sinBanda);
}
