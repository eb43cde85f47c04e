#pragma once
#include <QString>

// File names are matched without regard to case, as on the desktop the data files come from:
// returns the existing entry of the folder whose name equals `nombre` ignoring case, or `nombre`
// itself when there is none. A relative name is resolved in the current folder.
QString ResuelveNombreArchivo(const QString& nombre);

// Makes the folder of the running executable the current folder.
void CambiaACarpetaPrograma();
