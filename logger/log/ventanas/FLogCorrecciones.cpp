#include "FLogConcurso.h"

#include "CampoTexto.h"
#include "RejillaLog.h"
#include "Reloj.h"
#include "TextosLog.h"

// Until the corrections come, their buttons do nothing.
void FLogConcurso::ModificarReg_Click() {}
void FLogConcurso::BorrarReg_Click() {}
// The date change ("CAMBIOFECHA") comes with the corrections; until then the next entry line takes
// the date in FechaActual.
void FLogConcurso::OtraFecha_Click() {}

// Aceptar and Cancelar of "CAMBIOFECHA", "BORRAR" and "MODIFICAR".
void FLogConcurso::aceptaCorreccion() {}
void FLogConcurso::cancelaCorreccion() {}

void FLogConcurso::TiempoReal_Click() {
    FechaActual->setBloqueado(true);
    FechaActual->setText(Hoy().toString(FormatoFecha));
    if (log_ && !flags_.VentanaIniciada) celdaActual(Columna::FechaQso)->setFocus();
}
