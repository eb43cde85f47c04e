#pragma once
// A real rigctld serving Hamlib's dummy rig on a free loopback port, for the tests of the radio.
#include <QProcess>
#include <QStringList>

class RigctldPrueba {
public:
    RigctldPrueba(); // started, and listening when the constructor returns
    ~RigctldPrueba() { para(); }
    void arranca();
    void para();
    // Sets the radio as another program sharing it would: {"F", "7025000", "M", "CW", "500"}.
    bool ordena(const QStringList& ordenes);
    int puerto() const { return puerto_; }

private:
    int puerto_;
    QProcess proceso_;
};

// A loopback port nobody listens on.
int PuertoLibre();
