#pragma once
#include <QString>

// Centre of a Maidenhead locator ("IN80DJ"; "IN80" stands for IN80LL) in seconds of arc, east and
// north positive. False for a malformed locator (lower case included); the outputs are then
// left as they were.
bool ConvierteLocator(const QString& locator, float& longitud, float& latitud);
