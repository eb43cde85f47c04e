#pragma once
// The table every benchmark prints: minimum, median and maximum of repeated measurements in ms.
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>

// A monotonic clock in nanoseconds; a clock stable across processes (CLOCK_MONOTONIC) lets a
// child process report when it reached a point.
inline long long AhoraNs() {
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return static_cast<long long>(t.tv_sec) * 1000000000LL + t.tv_nsec;
}

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
