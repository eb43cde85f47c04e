#include "TextoWindows.h"

#include <QSaveFile>

#include <unicode/ucnv.h>

#include <memory>

QByteArray ATextoWindows(const QString& texto) {
    if (texto.isEmpty()) return {};
    UErrorCode estado = U_ZERO_ERROR;
    // One converter per thread: a file of many lines converts each of them.
    thread_local std::unique_ptr<UConverter, decltype(&ucnv_close)> conv = [] {
        UErrorCode e = U_ZERO_ERROR;
        std::unique_ptr<UConverter, decltype(&ucnv_close)> c(ucnv_open("windows-1252", &e), &ucnv_close);
        if (U_FAILURE(e))
            c.reset();
        else
            ucnv_setSubstChars(c.get(), "?", 1, &e);
        return c;
    }();
    if (!conv) return texto.toLatin1();
    ucnv_resetFromUnicode(conv.get());
    const auto* origen = reinterpret_cast<const UChar*>(texto.utf16());
    const auto longitud = static_cast<int32_t>(texto.size());
    // One byte per UTF-16 unit at most, plus room for the terminator the call may write.
    QByteArray salida(longitud + 1, '\0');
    estado = U_ZERO_ERROR;
    const int32_t escritos = ucnv_fromUChars(conv.get(), salida.data(), static_cast<int32_t>(salida.size()),
                                             origen, longitud, &estado);
    if (U_FAILURE(estado)) return texto.toLatin1();
    salida.truncate(escritos);
    return salida;
}

bool EscribeArchivoTexto(const QString& ruta, const QStringList& lineas, QString* error) {
    QSaveFile archivo(ruta);
    if (!archivo.open(QIODevice::WriteOnly)) {
        if (error) *error = archivo.errorString();
        return false;
    }
    QByteArray contenido;
    for (const QString& linea : lineas) {
        contenido += ATextoWindows(linea);
        contenido += "\r\n";
    }
    if (archivo.write(contenido) != contenido.size() || !archivo.commit()) {
        if (error) *error = archivo.errorString();
        archivo.cancelWriting();
        return false;
    }
    return true;
}
