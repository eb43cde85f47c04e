#include "Provincias.h"

#include <QListWidget>

const QStringList& CodigosProvincia() {
    static const QStringList codigos = {"AV", "BU", "C",  "LE", "LO", "LU", "O",  "OU", "P",  "PO", "S",
                                        "SA", "SG", "SO", "VA", "ZA", "BI", "HU", "NA", "SS", "TE", "VI",
                                        "Z",  "B",  "GI", "L",  "T",  "BA", "CC", "CR", "CU", "GU", "M",
                                        "TO", "A",  "AB", "CS", "MU", "V",  "IB", "AL", "CA", "CO", "GR",
                                        "H",  "J",  "MA", "SE", "GC", "TF", "CE", "ML"};
    return codigos;
}

void CargaListaProvincias(QListWidget& listaProv) {
    listaProv.clear();
    listaProv.addItems(CodigosProvincia());
}

bool ExisteProvincia(const QString& texto, const QListWidget& listaProv) {
    for (int i = 0; i < listaProv.count(); ++i)
        if (listaProv.item(i)->text() == texto) return true;
    return false;
}
