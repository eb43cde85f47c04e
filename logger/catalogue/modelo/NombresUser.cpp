#include "NombresUser.h"

#include "BaseDatos.h"

namespace {

constexpr int TamañoNombreUser = 10; // BandaUser* and ModoUser* fields

// A name of blanks counts as empty even when its box kept the focus and was never trimmed.
bool Vacio(const QString& texto) {
    return texto.trimmed().isEmpty();
}

Aviso Mensaje(const QString& texto) {
    Aviso a;
    a.texto = texto;
    return a;
}

// The field sizes (10 for names, 3 for reports) are the last guard: a longer text would be
// refused by the database and end the program.
template <size_t N> std::array<QString, N> Recortados(const std::array<QString, N>& origen, int largo) {
    std::array<QString, N> r;
    for (size_t i = 0; i < N; ++i)
        r[i] = origen[i].trimmed().left(largo);
    return r;
}

} // namespace

std::optional<NombresUser> LeeNombresUser(const ConjuntoRegistros& regControl) {
    if (regControl.eof() || regControl.bof()) return std::nullopt;
    return LeeFilaControl(regControl).nombres;
}

std::optional<RechazoNombresUser> RevisaNombresUser(const NombresUser& nombres) {
    for (size_t i = 0; i < nombres.bandas.size(); ++i)
        if (Vacio(nombres.bandas[i]))
            return RechazoNombresUser{
                Mensaje(QStringLiteral("No se puede dejar el nombre de la BANDA en blanco")), true,
                static_cast<int>(i) + 1};
    for (size_t i = 0; i < nombres.modos.size(); ++i)
        if (Vacio(nombres.modos[i]))
            return RechazoNombresUser{
                Mensaje(QStringLiteral("No se puede dejar el nombre del MODO en blanco")), false,
                static_cast<int>(i) + 1};
    return std::nullopt;
}

void GuardaNombresUser(ConjuntoRegistros& regControl, const NombresUser& nombres) {
    const NombresUser recortados{Recortados(nombres.bandas, TamañoNombreUser),
                                 Recortados(nombres.modos, TamañoNombreUser),
                                 Recortados(nombres.tipos, LargoTipoUser)};
    regControl.edita();
    EscribeNombresUser(regControl, recortados);
    regControl.actualiza();
}
