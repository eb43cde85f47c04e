#include "Navegacion.h"

#include <algorithm>

namespace {
// The smallest multiple of a page that is not below the total.
int MultiploPagina(int total) {
    const int n = NavegacionLog::NumeroFilas;
    return (total + n - 1) / n * n;
}
} // namespace

int NavegacionLog::ultimaDePagina() const {
    return std::min(primeraDePagina() + NumeroFilas - 1, TotalContactos);
}

void NavegacionLog::cargaContactos(int total) {
    TotalContactos = total;
    if (total == 0) {
        PosicionActual = 1;
        FilaActual = 0;
        return;
    }
    const int primera = MultiploPagina(total) - NumeroFilas + 1;
    FilaActual = total - primera;
    PosicionActual = total;
}

NavegacionLog::Paso NavegacionLog::ultimaPagina() {
    Paso p;
    p.filaDesmarcada = FilaActual;
    PosicionActual = MultiploPagina(TotalContactos) - NumeroFilas + 1;
    FilaActual = 0;
    p.borraPantalla = p.llenaPagina = p.marca = true;
    p.foco = Foco::Fecha;
    return p;
}

NavegacionLog::Paso NavegacionLog::tecla(Tecla t, bool enAlta) {
    Paso p;
    // Paging an empty log (after leaving its entry line) has nothing to show: the usual beep.
    const bool vacio = TotalContactos == 0;
    switch (t) {
    case Tecla::RePag: {
        if (enAlta) {
            p.pita = true;
            return p;
        }
        const int f = primeraDePagina();
        if (f <= NumeroFilas || vacio) {
            p.pita = true;
        } else {
            p.filaDesmarcada = FilaActual;
            PosicionActual = f - 1;
            FilaActual = NumeroFilas - 1;
            p.llenaPagina = p.marca = true;
        }
        p.foco = Foco::Fecha;
        return p;
    }
    case Tecla::AvPag: {
        if (enAlta) {
            p.pita = true;
            p.foco = Foco::Indicativo;
            return p;
        }
        const int e = primeraDePagina() + NumeroFilas - 1;
        if (e < TotalContactos) {
            p.filaDesmarcada = FilaActual;
            PosicionActual = e + 1;
            FilaActual = 0;
            p.borraPantalla = p.llenaPagina = p.marca = true;
        } else {
            p.pita = true;
        }
        p.foco = Foco::Fecha;
        return p;
    }
    case Tecla::Fin:
        if (enAlta) {
            p.consumida = false;
            p.pita = true;
            p.foco = Foco::Indicativo;
            return p;
        }
        if (vacio) {
            p.pita = true;
            return p;
        }
        return ultimaPagina();
    case Tecla::Inicio:
        if (enAlta) {
            p.consumida = false;
            p.pita = true;
            return p;
        }
        if (vacio) {
            p.pita = true;
            return p;
        }
        p.filaDesmarcada = FilaActual;
        PosicionActual = 1;
        FilaActual = 0;
        p.borraPantalla = p.llenaPagina = p.marca = true;
        p.foco = Foco::Fecha;
        return p;
    case Tecla::Arriba:
        if (vacio) {
            // The entry line of an empty log is left; the row stays unmarked.
            p.dejaLinea = true;
            p.filaDesmarcada = FilaActual;
            p.foco = Foco::Fecha;
            p.pita = true;
            return p;
        }
        if (enLineaEntrada()) {
            p.dejaLinea = true;
            p.filaDesmarcada = FilaActual;
            if (FilaActual != 0) {
                --FilaActual;
                --PosicionActual;
            } else {
                // The entry line opened a new page: back to the last, full page.
                PosicionActual = TotalContactos;
                FilaActual = NumeroFilas - 1;
                p.llenaPagina = true;
            }
            p.marca = true;
            p.foco = Foco::Fecha;
        } else if (PosicionActual == 1) {
            p.pita = true;
        } else {
            p.filaDesmarcada = FilaActual;
            if (FilaActual != 0) {
                --FilaActual;
                --PosicionActual;
            } else {
                --PosicionActual;
                FilaActual = NumeroFilas - 1;
                p.llenaPagina = true;
            }
            p.marca = true;
            p.foco = Foco::Fecha;
        }
        return p;
    case Tecla::Abajo:
        if (enAlta) {
            p.pita = true;
            p.foco = Foco::Indicativo;
            return p;
        }
        if (enLineaEntrada()) {
            p.pita = true;
            p.marca = true;
            p.abreLinea = true;
        } else if (PosicionActual == TotalContactos) {
            p.filaDesmarcada = FilaActual;
            ++PosicionActual;
            if (++FilaActual == NumeroFilas) {
                p.borraPantalla = true;
                FilaActual = 0;
            }
            p.marca = true;
            p.abreLinea = true;
        } else {
            p.filaDesmarcada = FilaActual;
            ++PosicionActual;
            if (++FilaActual == NumeroFilas) {
                FilaActual = 0;
                p.borraPantalla = p.llenaPagina = true;
            }
            p.marca = true;
            p.foco = Foco::Fecha;
        }
        return p;
    case Tecla::Otra:
        p.consumida = !enAlta;
        return p;
    }
    return p;
}
