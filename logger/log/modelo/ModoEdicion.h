#pragma once
#include <QString>

// What the log window is doing; the accept (F12) and cancel (Esc) buttons act by it.
enum class ModoEdicion {
    Ninguno,       // browsing the log
    Alta,          // a new QSO on the entry line
    Modificar,     // correcting the QSO of the current row
    Borrar,        // a deletion waiting for its confirmation
    CambioFecha,   // another QSO date being typed
    ListarCabrillo // the Cabrillo file on screen
};

// The mode's word where a text is needed: "", "ALTA", "MODIFICAR", "BORRAR", "CAMBIOFECHA",
// "LISTARCABRILLO".
QString TextoModoEdicion(ModoEdicion modo);
