#include "TextoWindows.h"

#include "Archivos.h"

#include <algorithm>

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

namespace {
// Letters and signs whose ASCII form is not their decomposition's base letter.
struct FormaAscii {
    char16_t letra;
    const char* ascii;
};
constexpr FormaAscii FormasAscii[] = {
    {u'ß', "ss"},    {u'æ', "ae"}, {u'Æ', "AE"},  {u'œ', "oe"},  {u'Œ', "OE"},  {u'ø', "o"},  {u'Ø', "O"},
    {u'đ', "d"},     {u'Đ', "D"},  {u'ð', "d"},   {u'Ð', "D"},   {u'ł', "l"},   {u'Ł', "L"},  {u'þ', "th"},
    {u'Þ', "TH"},    {u'ı', "i"},  {u'‘', "'"},   {u'’', "'"},   {u'‚', ","},   {u'´', "'"},  {u'“', "\""},
    {u'”', "\""},    {u'„', "\""}, {u'«', "\""},  {u'»', "\""},  {u'‐', "-"},   {u'‑', "-"},  {u'–', "-"},
    {u'—', "-"},     {u'−', "-"},  {u'…', "..."}, {u'€', "EUR"}, {u'£', "GBP"}, {u'¡', "!"},  {u'¿', "?"},
    {u'·', "."},     {u'×', "x"},  {u'÷', "/"},   {u'©', "(C)"}, {u'®', "(R)"}, {u'™', "TM"}, {u'\t', " "},
    {u'\u00A0', " "}};

bool EsAsciiImprimible(char32_t c) {
    return c >= 0x20 && c < 0x7F;
}

// One character of the text: its form, its decomposition stripped of accents, or "?".
void AnadeAscii(QString& salida, char32_t c) {
    for (const FormaAscii& f : FormasAscii)
        if (c == f.letra) {
            salida += QLatin1String(f.ascii);
            return;
        }
    QString letras;
    for (const char32_t d : QString::fromUcs4(&c, 1).normalized(QString::NormalizationForm_KD).toUcs4()) {
        if (QChar::category(d) == QChar::Mark_NonSpacing) continue;
        if (!EsAsciiImprimible(d)) {
            letras.clear();
            break;
        }
        letras += QChar(char16_t(d));
    }
    salida += letras.isEmpty() ? QStringLiteral("?") : letras;
}
} // namespace

QString TextoAscii(const QString& texto) {
    if (std::all_of(texto.begin(), texto.end(), [](QChar c) { return EsAsciiImprimible(c.unicode()); }))
        return texto;
    QString salida;
    salida.reserve(texto.size());
    for (const char32_t c : texto.toUcs4())
        if (EsAsciiImprimible(c))
            salida += QChar(char16_t(c));
        else
            AnadeAscii(salida, c);
    return salida;
}

bool EscribeArchivo(const QString& ruta, const QByteArray& contenido, QString* error) {
    QString razon;
    const auto archivo = Archivos::actual().creaSalida(ruta, razon);
    if (archivo && archivo->escribe(contenido) && archivo->confirma()) return true;
    if (error) *error = archivo ? archivo->razon() : razon;
    return false;
}

bool EscribeArchivoTexto(const QString& ruta, const QStringList& lineas, QString* error,
                         Codificacion codificacion) {
    QByteArray contenido;
    for (const QString& linea : lineas) {
        contenido +=
            codificacion == Codificacion::Ascii ? TextoAscii(linea).toLatin1() : ATextoWindows(linea);
        contenido += "\r\n";
    }
    return EscribeArchivo(ruta, contenido, error);
}

QString MensajeEscrituraFallida(const QString& fichero, const QString& razon) {
    return QStringLiteral("No se ha podido escribir el fichero %1: %2.\r\n\r\nSi ya había un fichero con ese "
                          "nombre, queda como estaba.")
        .arg(fichero, razon);
}
