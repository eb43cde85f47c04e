#pragma once
#include <QString>
#include <QStringList>

// The 52 Spanish province codes, in the order the exchange lists use.
const QStringList& CodigosProvincia();
