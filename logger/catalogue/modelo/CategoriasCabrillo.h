#pragma once
#include "Formatos.h"

#include <array>
#include <functional>
#include <QString>
#include <span>

// The category values of the Cabrillo header the contest editor offers, per header version.

enum class VersionCabrillo { V20, V30 };
enum class CajaCabrillo { Categoria, Banda, Potencia, Modo, Overlay, Asistido, Estacion, Tx, Time };

struct DefCajaCabrillo {
    CajaCabrillo caja;
    const char* control; // the choice box
    const char* campo;   // the ResumenCabrillo field it is stored in
};
// The nine value boxes in the order the summary row lists them.
extern const std::array<DefCajaCabrillo, 9> CajasCabrillo;

struct ListaCabrillo {
    std::span<const char* const> entradas; // empty: the box is not filled in this version
    const char* predeterminado;            // selected whenever the list is refilled
};
ListaCabrillo ValoresCabrillo(VersionCabrillo version, CajaCabrillo caja);

// Overlay entries offered when a summary names a format the editor does not know.
std::span<const char* const> OverlayFormatoDesconocido();

// Index of the first entry equal to the text, exactly and with case; -1 when none. The entries
// are counted and read through `entrada`, so that a list box is searched the same way.
int BuscaEntrada(int cuantas, const std::function<QString(int)>& entrada, const QString& texto);
int BuscaEntrada(std::span<const char* const> entradas, const QString& texto);
