#pragma once
#include <QString>

class QListWidget;

// Empties the window's province list and fills it with the codes.
void CargaListaProvincias(QListWidget& listaProv);

// True if an entry of the list equals the text exactly (case matters, no trimming); an empty
// list (not loaded yet) knows no province.
bool ExisteProvincia(const QString& texto, const QListWidget& listaProv);
