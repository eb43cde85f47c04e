#include "Verificaciones.h"

#include <QDate>
#include <QLocale>
#include <QTime>

#include <cmath>

namespace {

const QString kTituloHora = QStringLiteral("VERIFICAR HORA");
const QString kMensajeHora = QStringLiteral("Error en formato de la hora.- Formato admitido: hh:mm. Hora "
                                            "igual o menor que 23 y minutos igual o menor que 59");
const QString kTituloFecha = QStringLiteral("VERIFICAR FORMATO FECHA ");
const QString kMensajeFecha = QStringLiteral("Error en FORMATO fecha, formato correcto: dd-mm-aa ");

Verificacion Rechaza(const QString& texto, Icono icono, const QString& titulo) {
    Aviso a;
    a.texto = texto;
    a.titulo = titulo;
    a.icono = icono;
    return {Rechazo<>{0, a}};
}

Verificacion RechazaHora() {
    return Rechaza(kMensajeHora, Icono::Informacion, kTituloHora);
}

bool SoloDigitos(QStringView texto) {
    if (texto.isEmpty()) return false;
    for (QChar c : texto)
        if (c < u'0' || c > u'9') // other scripts' digits are not times or dates
            return false;
    return true;
}

bool EsSeparador(QChar c) {
    return c == u'-' || c == u'/';
}

} // namespace

bool EstaEnBlanco(QString& valor) {
    for (QChar c : valor)
        if (c != u' ') return false;
    valor.clear();
    return true;
}

bool VerificaNumero(QString& valor) {
    if (EstaEnBlanco(valor)) {
        valor = QStringLiteral("0");
        return true;
    }
    if (valor == u"-") return true;
    bool ok = false;
    const double numero = QLocale().toDouble(valor, &ok);
    // "inf" and "nan" parse but are no number a user can store.
    return ok && std::isfinite(numero);
}

bool EsEntero(const QString& valor) {
    return SoloDigitos(valor);
}

bool EsZonaCq(const QString& valor) {
    const int zona = SoloDigitos(valor) ? valor.toInt() : 0; // too many digits read as 0
    return zona >= 1 && zona <= 40;
}

Verificacion VerificaHora(QString& valor) {
    if (valor.isEmpty()) return {};
    switch (valor.size()) {
    case 4:
        break;
    case 5:
        if (valor[2] != u':') return RechazaHora(); // "12.30": the operator still learns why
        break;
    default:
        return RechazaHora();
    }
    valor = valor.left(2) + u':' + valor.right(2);

    // Rebuilt text is "hh:mm" with any characters in it.
    const qsizetype dosPuntos = valor.indexOf(u':');
    const QStringView horas = QStringView(valor).left(dosPuntos);
    const QStringView minutos = QStringView(valor).mid(dosPuntos + 1);
    if (!SoloDigitos(horas) || !SoloDigitos(minutos)) return RechazaHora();
    const QTime hora(horas.toInt(), minutos.toInt());
    if (!hora.isValid() || horas.toInt() > 23 || minutos.toInt() > 59) return RechazaHora();
    valor = hora.toString(QStringLiteral("HH:mm"));
    return {};
}

Verificacion VerificaFecha(QString& valor) {
    if (EstaEnBlanco(valor)) return {};

    const QString dia = valor.mid(0, 2);
    const qsizetype inicioMes = (valor.size() > 2 && EsSeparador(valor[2])) ? 3 : 2;
    const QString mes = valor.mid(inicioMes, 2);
    qsizetype inicioAno = inicioMes + 2;
    if (valor.size() > inicioAno && EsSeparador(valor[inicioAno])) ++inicioAno;
    const QString ano = valor.mid(inicioAno, 4);
    // Characters past the year would otherwise be dropped without a word: refuse and keep the
    // typed text so the user sees them.
    const bool sobra = valor.size() > inicioAno + 4;
    if (!sobra) valor = dia + u'-' + mes + u'-' + ano;

    QDate fecha;
    if (!sobra && dia.size() == 2 && mes.size() == 2 && (ano.size() == 2 || ano.size() == 4) &&
        SoloDigitos(dia) && SoloDigitos(mes) && SoloDigitos(ano)) {
        int a = ano.toInt();
        if (ano.size() == 2) a += a < 30 ? 2000 : 1900;
        // A year outside these is a typing slip: no contest is dated there.
        if (a >= 1900 && a <= 2099) fecha = QDate(a, mes.toInt(), dia.toInt());
    }
    if (!fecha.isValid()) return Rechaza(kMensajeFecha, Icono::Pregunta, kTituloFecha);
    valor = fecha.toString(QStringLiteral("dd-MM-yyyy"));
    return {};
}
