#include "ListaProvincias.h"

#include "Provincias.h"

#include <QListWidget>

void CargaListaProvincias(QListWidget& listaProv) {
    listaProv.clear();
    listaProv.addItems(CodigosProvincia());
}

bool ExisteProvincia(const QString& texto, const QListWidget& listaProv) {
    for (int i = 0; i < listaProv.count(); ++i)
        if (listaProv.item(i)->text() == texto) return true;
    return false;
}
