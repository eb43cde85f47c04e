#include "NombresUser.h"

#include "BaseDatos.h"

namespace {

constexpr int TamañoNombreUser = 10; // BandaUser* and ModoUser* fields

QString Campo(const char* prefijo, size_t i) {
    return QString::fromLatin1(prefijo) + QString::number(i + 1);
}

// A name of blanks counts as empty even when its box kept the focus and was never trimmed.
bool Vacio(const QString& texto) {
    return texto.trimmed().isEmpty();
}

Aviso Mensaje(const QString& texto) {
    Aviso a;
    a.texto = texto;
    return a;
}

template <size_t N>
void Lee(const ConjuntoRegistros& rs, const char* prefijo, std::array<QString, N>& destino) {
    for (size_t i = 0; i < N; ++i)
        destino[i] = rs.texto(Campo(prefijo, i));
}

// The field sizes (10 for names, 3 for reports) are the last guard: a longer text would be
// refused by the database and end the program.
template <size_t N>
void Escribe(ConjuntoRegistros& rs, const char* prefijo, const std::array<QString, N>& origen, int largo) {
    for (size_t i = 0; i < N; ++i)
        rs.asigna(Campo(prefijo, i), origen[i].trimmed().left(largo));
}

} // namespace

std::optional<NombresUser> LeeNombresUser(const ConjuntoRegistros& regControl) {
    if (regControl.eof() || regControl.bof()) return std::nullopt;
    NombresUser n;
    Lee(regControl, "BandaUser", n.bandas);
    Lee(regControl, "ModoUser", n.modos);
    Lee(regControl, "TipoUser", n.tipos);
    return n;
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
    regControl.edita();
    Escribe(regControl, "BandaUser", nombres.bandas, TamañoNombreUser);
    Escribe(regControl, "ModoUser", nombres.modos, TamañoNombreUser);
    Escribe(regControl, "TipoUser", nombres.tipos, LargoTipoUser);
    regControl.actualiza();
}
