// The cost of following the radio: the process's CPU time while the link polls Hamlib's dummy rig
// for a while (10 s unless told), as a share of the time elapsed.
//
//   xk_bench_radio [segundos]
#include "EnlaceRadio.h"
#include "Medidas.h"

#include <QCoreApplication>
#include <QTimer>

#include <cstdio>
#include <cstdlib>

namespace {
long long CpuProcesoNs() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<long long>(t.tv_sec) * 1000000000LL + t.tv_nsec;
}
} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int segundos = argc > 1 ? std::max(1, std::atoi(argv[1])) : 10;
    EnlaceRadio enlace;
    ConfiguracionRadio dummy;
    dummy.tipo = TipoRadio::Hamlib;
    dummy.modelo = 1;
    enlace.conecta(dummy);

    const long long cpu0 = CpuProcesoNs(), t0 = AhoraNs();
    QTimer::singleShot(segundos * 1000, &app, &QCoreApplication::quit);
    app.exec();
    const double cpuMs = static_cast<double>(CpuProcesoNs() - cpu0) / 1e6;
    const double pasadoMs = static_cast<double>(AhoraNs() - t0) / 1e6;
    std::printf("sondeo del equipo de prueba durante %d s (sondeo cada %d ms)\n", segundos,
                EnlaceRadio::IntervaloSondeo);
    std::printf("%-28s %10.1f\n", "CPU del proceso (ms)", cpuMs);
    std::printf("%-28s %10.3f\n", "parte de la CPU (%)", 100.0 * cpuMs / pasadoMs);
    std::printf("%-28s %10s\n", "equipo conectado", enlace.ultimaLectura().conectado ? "sí" : "no");
    return 0;
}
