#pragma once
#include "Avisos.h"

#include <optional>

// Why a check refused a value: the box (none when its text is empty), whether the beep sounds
// first, the field that gets the focus and, in an ordered list of checks, the one that refused.
// Checks return it and show nothing; the window (or the model that owns the moment) shows it.
template <class Campo = int> struct Rechazo {
    int paso = 0;
    Aviso aviso;
    bool pitido = false;
    Campo foco{};

    // The same refusal as a step of a row's checks, with the focus on the field checked.
    template <class Otro> Rechazo<Otro> en(Otro campo, int enPaso) const {
        return {enPaso, aviso, pitido, campo};
    }
};

// The beep, when the check asks for one, then the box when it has a text.
template <class Campo> void MuestraRechazo(const Rechazo<Campo>& rechazo) {
    if (rechazo.pitido) Beep();
    if (!rechazo.aviso.texto.isEmpty()) Avisos::actual().muestra(rechazo.aviso);
}

// A check's answer: accepted, or the refusal to show. Deliberately no bool: the checks that once
// answered true for "accepted" must not be read the other way round.
struct Verificacion {
    std::optional<Rechazo<>> rechazo;

    bool acepta() const { return !rechazo; }
};
