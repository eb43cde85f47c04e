#pragma once
#include <QString>

// Texts the log window's parts share: the help lines under the grid (the date format is
// the model's FormatoFecha).
inline const QString TextoCarga =
    QStringLiteral(" Pulse la tecla [ENTER] para pasar al siguiente control    Pulse "
                   "[F12-Aceptar] para grabar el contacto ");
inline const QString TextoEntrada = QStringLiteral(
    " Pulse la tecla [ENTER] para pasar al siguiente control -- Pulse [F12-Aceptar] para grabar el "
    "contacto -- Pulse [ESC] para salir");
// The browsing help names F6, the key of "Log": F8 is the ADIF export.
inline const QString TextoNavegacion =
    QStringLiteral(" Pulse [F6 Log] para obtener el FICHERO CABRILLO -- Pulse [FIN] para salir");
