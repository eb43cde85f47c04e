#include "CambioFecha.h"

#include "Entrada.h"

#include "Verificaciones.h"

namespace {

Aviso Mensaje(const QString& texto) {
    return {texto, {}, Icono::Ninguno, Botones::Aceptar, Respuesta::Aceptar};
}

} // namespace

ResultadoCambioFecha CambiaFecha(const QString& fechaActual, const QDate& hoy) {
    ResultadoCambioFecha r;
    r.texto = fechaActual;
    // Blanks count as no date: the date check would pass them as an empty date, and new entry
    // lines would be stored without one.
    if (fechaActual.trimmed().isEmpty()) {
        r.aviso = Mensaje(QStringLiteral("Introduzca una FECHA"));
        return r;
    }
    QString fecha = fechaActual;
    if (auto rechazo = VerificaFecha(fecha).rechazo) {
        r.aviso = rechazo->aviso;
        return r; // the field keeps what was typed
    }
    r.texto = fecha;
    const QDate nueva = QDate::fromString(fecha, FormatoFecha);
    if (nueva == hoy) {
        r.aviso = Mensaje(QStringLiteral("La nueva fecha de ser diferente de la actual FECHA"));
        return r;
    }
    r.aceptada = true;
    r.fecha = nueva;
    return r;
}
