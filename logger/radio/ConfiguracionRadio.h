#pragma once
#include "BaseDatos.h"

#include <QString>

// How the logger reaches the transceiver: not at all, a rig of Hamlib's list on a serial port, or
// a rigctld on the network (which also shares a radio already used by other programs).
enum class TipoRadio { Ninguno, Hamlib, Rigctld };

struct ConfiguracionRadio {
    TipoRadio tipo = TipoRadio::Ninguno;
    int modelo = 0;      // Hamlib's model number (Hamlib only)
    QString dispositivo; // serial device, "/dev/ttyUSB0" (Hamlib only)
    int velocidad = 9600;
    QString host = QStringLiteral("127.0.0.1"); // rigctld only
    int puertoRed = 4532;

    bool operator==(const ConfiguracionRadio&) const = default;
};

// The setting kept in the working database's Radio table (see CreaTablaRadio); the defaults
// (no radio) when the table holds no row.
ConfiguracionRadio LeeConfiguracionRadio(BaseDatos& bd);
void GuardaConfiguracionRadio(BaseDatos& bd, const ConfiguracionRadio& configuracion);
