#pragma once

// The log window's position in the log and the decision of each browsing key, without a window.
// Ordinals count the QSOs from 1 in NumeroQso order; pages hold ordinals 1-11, 12-22, ...
class NavegacionLog {
public:
    static constexpr int NumeroFilas = 11;
    int FilaActual = 0;     // current row, 0 to NumeroFilas - 1
    int PosicionActual = 0; // ordinal of the current row; TotalContactos + 1 on the entry line
    int TotalContactos = 0;

    enum class Tecla { RePag, AvPag, Fin, Inicio, Arriba, Abajo, Otra };
    enum class Foco { Ninguno, Fecha, Indicativo };

    // What the window does after a key, in this order.
    struct Paso {
        bool consumida = true;
        bool pita = false;
        bool dejaLinea = false;  // the entry line is abandoned: its row emptied, browsing again
        int filaDesmarcada = -1; // row whose date goes white (before the grid changes)
        bool borraPantalla = false;
        bool llenaPagina = false; // rows show the page from primeraDePagina(), the rest emptied
        bool marca = false;       // the current row's date goes yellow
        bool abreLinea = false;   // NuevoContacto on the current row
        Foco foco = Foco::Ninguno;
    };

    int primeraDePagina() const { return PosicionActual - FilaActual; }
    bool enLineaEntrada() const { return PosicionActual > TotalContactos; }
    // Ordinals shown on the page: primeraDePagina() to this one (fewer on the last page).
    int ultimaDePagina() const;

    // CargaContactos: the last page with the last QSO current; an empty log stands on its entry line.
    void cargaContactos(int total);
    // A key while browsing (`enAlta` false) or on the entry line being typed (`enAlta` true).
    Paso tecla(Tecla t, bool enAlta);

private:
    Paso ultimaPagina();
};
