#include "LecturaRadio.h"

#include "BandasModos.h"

#include <cmath>

namespace {

// Hamlib's modes the contest's options follow: the option preferred, then the one taken when the
// contest does not enable it. Every other mode (the data modes among them) leaves the option.
struct FilaModoRadio {
    const char* hamlib;
    const char* preferido;
    const char* alternativo;
};
constexpr FilaModoRadio ModosRadio[] = {
    {"CW", "CW", ""}, {"CWR", "CW", ""}, {"USB", "SSB", "USB"}, {"LSB", "SSB", "LSB"},
    {"FM", "FM", ""}, {"AM", "AM", ""},  {"RTTY", "RTTY", ""},  {"RTTYR", "RTTY", ""},
};

const FilaModoRadio* FilaDeModo(const QString& modoHamlib) {
    for (const auto& fila : ModosRadio)
        if (modoHamlib.compare(QLatin1String(fila.hamlib), Qt::CaseInsensitive) == 0) return &fila;
    return nullptr;
}

bool Habilitado(const QStringList& habilitados, const char* texto) {
    return *texto && habilitados.contains(QLatin1String(texto), Qt::CaseInsensitive);
}

// Whether the ADIF range of the band text `banda` holds `hz`.
bool BandaContiene(const QString& banda, double hz) {
    const QString adif = BandaAdif(banda);
    if (adif.isEmpty()) return false;
    const double mhz = hz / 1e6;
    for (const auto& fila : TablaBandasAdif())
        if (adif == QLatin1String(fila.adif)) return mhz >= fila.desdeMHz && mhz <= fila.hastaMHz;
    return false;
}

// "14.025,00": kHz with two decimals, thousands grouped by points whatever the digits.
QString TextoKhz(double hz) {
    const QString texto = QString::number(hz / 1000.0, 'f', 2);
    const qsizetype coma = texto.indexOf(QLatin1Char('.'));
    QString entero = texto.left(coma);
    for (qsizetype i = entero.size() - 3; i > 0; i -= 3)
        entero.insert(i, QLatin1Char('.'));
    return entero + QLatin1Char(',') + texto.mid(coma + 1);
}

} // namespace

QString TextoEstadoRadio(const LecturaRadio& lectura) {
    const QString equipo = QStringLiteral("Equipo: ");
    if (!lectura.problema.isEmpty()) return equipo + lectura.problema;
    if (!lectura.conectado) return {};
    return equipo + TextoLectura(lectura);
}

QString TextoLectura(const LecturaRadio& lectura) {
    return TextoKhz(lectura.frecuenciaHz) + QStringLiteral(" kHz ") + lectura.modo;
}

std::optional<QString> ModoDelContest(const QString& modoHamlib, const QStringList& modosHabilitados) {
    const FilaModoRadio* fila = FilaDeModo(modoHamlib);
    if (!fila) return std::nullopt;
    for (const char* modo : {fila->preferido, fila->alternativo})
        if (Habilitado(modosHabilitados, modo)) return QString::fromLatin1(modo);
    return std::nullopt;
}

std::optional<QString> BandaDeFrecuencia(double hz, const QStringList& bandasHabilitadas) {
    for (const QString& banda : bandasHabilitadas)
        if (BandaContiene(banda, hz)) return banda;
    return std::nullopt;
}

QString AvisoNoHabilitado(const LecturaRadio& lectura, const QStringList& bandasHabilitadas,
                          const QStringList& modosHabilitados) {
    if (!lectura.conectado || !lectura.problema.isEmpty()) return {};
    const QString prefijo = QStringLiteral("El equipo está en ");
    if (!BandaDeFrecuencia(lectura.frecuenciaHz, bandasHabilitadas)) {
        for (const auto& fila : TablaBandasLogAdif())
            if (BandaContiene(QLatin1String(fila.banda), lectura.frecuenciaHz))
                return prefijo + QLatin1String(fila.banda) +
                       QStringLiteral(" MHz: banda no habilitada en este concurso");
        return prefijo + TextoKhz(lectura.frecuenciaHz) +
               QStringLiteral(" kHz: fuera de las bandas del concurso");
    }
    const FilaModoRadio* fila = FilaDeModo(lectura.modo);
    if (fila && !ModoDelContest(lectura.modo, modosHabilitados))
        return prefijo + QString::fromLatin1(*fila->alternativo ? fila->alternativo : fila->preferido) +
               QStringLiteral(": modo no habilitado en este concurso");
    return {};
}
