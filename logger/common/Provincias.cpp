#include "Provincias.h"

const QStringList& CodigosProvincia() {
    static const QStringList codigos = {"AV", "BU", "C",  "LE", "LO", "LU", "O",  "OU", "P",  "PO", "S",
                                        "SA", "SG", "SO", "VA", "ZA", "BI", "HU", "NA", "SS", "TE", "VI",
                                        "Z",  "B",  "GI", "L",  "T",  "BA", "CC", "CR", "CU", "GU", "M",
                                        "TO", "A",  "AB", "CS", "MU", "V",  "IB", "AL", "CA", "CO", "GR",
                                        "H",  "J",  "MA", "SE", "GC", "TF", "CE", "ML"};
    return codigos;
}
