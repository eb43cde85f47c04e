#pragma once
#include "Avisos.h"

#include <optional>

// While it lives, boxes and beeps are kept instead of shown: a check that shows its own box can
// then hand that box back, so its caller decides when (and whether) to show it. The first box wins.
class AvisoRetenido : public Avisos {
public:
    AvisoRetenido() : previo_(Avisos::instala(this)) {}
    ~AvisoRetenido() override { Avisos::instala(previo_); }
    AvisoRetenido(const AvisoRetenido&) = delete;
    AvisoRetenido& operator=(const AvisoRetenido&) = delete;

    Respuesta muestra(const Aviso& a) override {
        if (!aviso) aviso = a;
        return a.porDefecto;
    }
    void pita() override { pitido = true; }

    std::optional<Aviso> aviso;
    bool pitido = false;

private:
    Avisos* previo_;
};
