#pragma once
#include <QString>

// One logger per programs' folder: two copies on one working database would number callsigns and
// contests alike. The lock is a file of the folder held with flock, which the kernel drops when
// the process ends however it ends, so a killed logger leaves nothing that stops the next start.
// The descriptor is closed on exec: a program the logger starts (the updater) never holds it.
inline const QString ArchivoBloqueoLogger = QStringLiteral("XkLumoCon.bloqueo");

// Takes the lock of `carpeta` for the rest of the process; true when taken, also by an earlier call
// of this process, and when the folder cannot hold the file at all (a read-only folder must not
// stop the program). False only while another process holds it.
bool TomaInstanciaUnica(const QString& carpeta);

// The second copy's steps: brings the first copy's window (`tituloVentana`) forward where the
// desktop allows and says in a box that the program is already open.
void AvisaYaAbierto(const QString& tituloVentana);
