#pragma once
// The table every benchmark prints: minimum, median and maximum of repeated measurements in ms.
#include <algorithm>
#include <cstdio>
#include <vector>

inline double Mediana(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

inline void ImprimeCabecera(int ancho) {
    std::printf("%-*s %10s %10s %10s\n", ancho, "medida (ms)", "mínimo", "mediana", "máximo");
}

inline void ImprimeFila(int ancho, int decimales, const char* nombre, const std::vector<double>& v) {
    std::printf("%-*s %10.*f %10.*f %10.*f\n", ancho, nombre, decimales,
                *std::min_element(v.begin(), v.end()), decimales, Mediana(v), decimales,
                *std::max_element(v.begin(), v.end()));
}
