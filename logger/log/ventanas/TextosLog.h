#pragma once
#include <QString>

// Texts the log window's parts share: the help lines under the grid (the date format is
// the model's FormatoFecha).
inline const QString TextoCarga =
    QStringLiteral(" Pulse la tecla [ENTER] para pasar al siguiente control    Pulse "
                   "[F12-Aceptar] para grabar el contacto ");
// The band and mode keys are named where the operator types.
inline const QString TextoEntrada = QStringLiteral(
    " Pulse la tecla [ENTER] para pasar al siguiente control -- Pulse [F12-Aceptar] para grabar el "
    "contacto -- Pulse [ESC] para salir -- [Ctrl+↑/↓] BANDA -- [Ctrl+←/→] MODO");
// The browsing help names F6, the key of "Log": F8 is the ADIF export. FIN and the date options
// answer their underlined letters.
inline const QString TextoNavegacion =
    QStringLiteral(" Pulse [F6 Log] para obtener el FICHERO CABRILLO -- Pulse [Alt+F] FIN para salir -- "
                   "[Alt+O] QSO en otra Fecha");
inline const QString TextoFecha =
    QStringLiteral(" Escriba la FECHA de los contactos (dd-mm-aaaa) -- Pulse [F12-Aceptar] para cambiarla -- "
                   "Pulse [ESC] para volver a QSO en Tiempo Real");
