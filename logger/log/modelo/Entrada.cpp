#include "Entrada.h"

#include <QLocale>

#include <algorithm>
#include <cmath>

const std::array<InfoColumna, NumeroColumnas>& Columnas() {
    // Each column takes what its stored field holds and its rules allow: user bands have 8
    // characters, serials go up to the 32,767 QSOs of a full contest.
    static const std::array<InfoColumna, NumeroColumnas> t{{
        {"FechaQso", 10, "FECHA", "", 10, "la FECHA", "VERIFICAR FECHA"},
        {"HoraQso", 5, "QTR", "", 5, "la HORA", "VERIFICAR HORA"},
        {"Banda", 8, "MHz.", "", 10, "la BANDA", "ERROR EN BANDA"},
        {"Modo", 10, "MODO", "", 10, "el MODO", "ERROR EN MODO"},
        {"Indicativo", 14, "INDICATIVO", "", 14, "el INDICATIVO", "VERIFICAR INDICATIVO"},
        {"RsRecibido", 5, "RST", "recibido", 5, "el RST recibido", "VERIFICAR RST RECIBIDO"},
        {"NumeralRecibido", 5, "N. Serie", "recibido", 5, "el NÚMERO SERIE Recibido",
         "VERIFICAR NÚMERO SERIE RECIBIDO"},
        {"LiteralRecibido", 64, "Siglas, Ref.", "recibido", 64,
         "las SIGLAS, REF., CÓDIGOS o CONTROLES recibidos", "VERIFICAR CONTROL RECIBIDO"},
        {"ControlRec", 64, "Control Recibido", "", 64, "el CONTROL Recibido", "VERIFICAR CONTROL RECIBIDO"},
        {"PuntosRecibidos", 4, "Puntos", "recibido", 4, "los PUNTOS Recibidos", "VERIFICAR PUNTOS RECIBIDOS"},
        {"QraLocatorRecibido", 6, "Locator", "recibido", 6, "el LOCATOR recibido",
         "VERIFICAR QRALOCATOR RECIBIDO"},
        {"RsEnviado", 5, "RST", "enviado", 5, "el RST enviado", "VERIFICAR RST ENVIADO"},
        {"NumeralEnviado", 5, "N. Serie", "enviado", 5, "el NÚMERO SERIE Enviado",
         "VERIFICAR NUMERAL Enviado"},
        {"LiteralEnviado", 64, "Siglas, Ref.", "enviado", 64,
         "las SIGLAS, REF., CÓDIGOS o CONTROLES a enviar", "VERIFICAR LITERAL Enviado"},
        {"PuntosEnviados", 4, "Puntos", "enviado", 4, "los PUNTOS Enviados", "VERIFICAR PUNTOS Enviados"},
        {"QraLocatorEnviado", 6, "Locator", "enviado", 6, "el LOCATOR enviado", "VERIFICAR LOCATOR ENVIADO"},
        {"NumeroQso", 9, "Número QSO", "", 0, "el NÚMERO de QSO", ""},
    }};
    return t;
}

QString Cabecera(Columna c) {
    const InfoColumna& i = Columnas()[static_cast<size_t>(Indice(c))];
    QString n = QString::fromUtf8(i.cabecera);
    if (*i.lado) n += QLatin1Char(' ') + QLatin1String(i.lado);
    return n;
}

QString NombreAccesible(Columna c, int fila) {
    return Cabecera(c) + QStringLiteral(" fila %1").arg(fila);
}

QString NombreColumna(Columna c) {
    return QString::fromLatin1(Columnas()[static_cast<size_t>(Indice(c))].nombre);
}

TextosFila FilaDeQso(const Qso& q, bool numeraloSiglas) {
    TextosFila t;
    t[Columna::NumeroQso] = QString::number(q.numeroQso);
    t[Columna::FechaQso] = q.fecha.isValid() ? q.fecha.toString(FormatoFecha) : QString();
    t[Columna::HoraQso] = q.hora;
    t[Columna::Banda] = q.banda;
    t[Columna::Modo] = q.modo;
    t[Columna::Indicativo] = q.indicativo;
    t[Columna::RsEnviado] = q.rstEnviado;
    t[Columna::RsRecibido] = q.rstRecibido;
    t[Columna::NumeralRecibido] = q.numeralRecibido;
    t[Columna::QraLocatorRecibido] = q.locatorRecibido;
    t[Columna::LiteralRecibido] = q.literalRecibido;
    t[Columna::PuntosRecibidos] = q.puntosRecibidos;
    t[Columna::NumeralEnviado] = q.numeralEnviado;
    t[Columna::QraLocatorEnviado] = q.locatorEnviado;
    t[Columna::LiteralEnviado] = q.literalEnviado;
    t[Columna::PuntosEnviados] = q.puntosEnviados;
    if (numeraloSiglas) t[Columna::ControlRec] = q.literalRecibido;
    return t;
}

std::array<std::optional<QString>, NumeroColumnas> TextosDeQso(const Qso& q, bool numeraloSiglas) {
    const TextosFila f = FilaDeQso(q, numeraloSiglas);
    std::array<std::optional<QString>, NumeroColumnas> t;
    for (size_t i = 0; i < t.size(); ++i)
        t[i] = f[i];
    if (!q.fecha.isValid()) t[Indice(Columna::FechaQso)].reset();
    if (!numeraloSiglas) t[Indice(Columna::ControlRec)].reset();
    t[Indice(Columna::NumeralRecibido)] = Formato0000(q.numeralRecibido);
    t[Indice(Columna::NumeralEnviado)] = Formato0000(q.numeralEnviado);
    return t;
}

Qso QsoDeFila(const TextosFila& f, int numeroOrden) {
    auto v = [&f](Columna c) { return f[static_cast<size_t>(Indice(c))]; };
    Qso q;
    q.numeroOrden = numeroOrden;
    q.numeroQso = v(Columna::NumeroQso).toInt();
    q.fecha = QDate::fromString(v(Columna::FechaQso), FormatoFecha);
    q.hora = v(Columna::HoraQso);
    q.banda = v(Columna::Banda);
    q.modo = v(Columna::Modo);
    q.indicativo = v(Columna::Indicativo);
    q.rstRecibido = v(Columna::RsRecibido);
    q.numeralRecibido = v(Columna::NumeralRecibido) == u"-" ? QString() : v(Columna::NumeralRecibido);
    q.literalRecibido = v(Columna::LiteralRecibido);
    q.puntosRecibidos = v(Columna::PuntosRecibidos);
    q.locatorRecibido = v(Columna::QraLocatorRecibido);
    q.rstEnviado = v(Columna::RsEnviado);
    q.numeralEnviado = v(Columna::NumeralEnviado);
    q.literalEnviado = v(Columna::LiteralEnviado);
    q.puntosEnviados = v(Columna::PuntosEnviados);
    q.locatorEnviado = v(Columna::QraLocatorEnviado);
    return q;
}

QString RstPorDefecto(const QString& modo, int indiceModo, bool seleccionada, const NombresUser& n,
                      const QString& previo) {
    if (modo == "SSB" || modo == "LSB" || modo == "USB" || modo == "FM") return QStringLiteral("59");
    if (modo == "CW" || modo == "RTTY" || modo == "PACKET") return QStringLiteral("599");
    if (indiceModo >= 8 && indiceModo <= 15 && seleccionada)
        return n.tipos[static_cast<size_t>(indiceModo - 8)];
    return previo;
}

MomentoQso MomentoEntrada(const QDateTime& t) {
    return {t.toString(FormatoFecha), t.toString(QStringLiteral("HH:mm"))};
}

Preparacion PreparaEnvio(const FilaConcurso& d, const ContextoEnvio& c) {
    Preparacion p;
    auto texto = [&p](Columna col, const QString& t) { p.texto[static_cast<size_t>(Indice(col))] = t; };
    auto bloquea = [&p](Columna col, bool b) { p.bloqueo[static_cast<size_t>(Indice(col))] = b; };
    auto conRegla = [&](Columna col, bool recibe, const QString& siNo) {
        bloquea(col, !recibe);
        if (!recibe) texto(col, siNo);
    };

    if (d.enviarNumeral) {
        if (c.numeracionPorBanda) {
            texto(Columna::NumeralEnviado, Formato0000(QString::number(c.ultimoSerieBanda + 1)));
        } else {
            texto(Columna::NumeralEnviado, Formato0000(QString::number(d.ultimoNumEnviado + 1)));
            bloquea(Columna::NumeralEnviado, false);
        }
    } else {
        bloquea(Columna::NumeralEnviado, true);
        texto(Columna::NumeralEnviado, QStringLiteral("0"));
    }
    conRegla(Columna::RsRecibido, d.recibirRst, QStringLiteral("599"));
    conRegla(Columna::NumeralRecibido, d.recibirNumeral, QStringLiteral("0"));
    conRegla(Columna::LiteralRecibido, d.recibirSiglas || d.recibirZonaCq, QString());
    conRegla(Columna::PuntosRecibidos, d.recibirPuntos, QString());
    conRegla(Columna::QraLocatorRecibido, d.recibirLocator, QString());
    bloquea(Columna::RsEnviado, true);
    texto(Columna::QraLocatorEnviado, d.enviarLocator ? d.miLocator : QString());
    bloquea(Columna::QraLocatorEnviado, true);
    texto(Columna::PuntosEnviados, d.enviarPuntos ? d.numeroPuntosEnviar : QString());
    bloquea(Columna::PuntosEnviados, true);

    if (d.enviarZonaCq || d.enviarSiglas) {
        if (d.literalVariable) {
            bloquea(Columna::LiteralEnviado, false);
        } else if (d.nombreConcurso == "LZ-OPEN-CW") {
            texto(Columna::LiteralEnviado,
                  Formato0000(QString::number(c.ultimoNumeroRecibido ? c.ultimoNumeroRecibido() : 0)));
            bloquea(Columna::LiteralEnviado, true);
        } else if (d.nombreConcurso == "BARTG-RTTY") {
            const qsizetype dosPuntos = c.horaQso.indexOf(QLatin1Char(':'));
            texto(Columna::LiteralEnviado,
                  dosPuntos >= 0 ? QString(c.horaQso).remove(dosPuntos, 1) : QString());
        } else {
            texto(Columna::LiteralEnviado, d.siglas);
            bloquea(Columna::LiteralEnviado, true);
        }
    } else {
        bloquea(Columna::LiteralEnviado, true);
        texto(Columna::LiteralEnviado, QString());
    }
    return p;
}
