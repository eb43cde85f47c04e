#pragma once

class BaseDatos;

// Numbers the contest's QSOs 1, 2, 3... by date, time, serial sent (by its value) and old number
// (texts by the program's collation) and raises the contest's UltimoNumEnviado to their count
// when lower (it keeps the serial sent last, so no serial is sent twice). Only
// the numbers that change are written, all in one transaction: on ErrorBD every number is as it
// was. Returns the number of QSOs.
int RenumeraContactos(BaseDatos& bd, int numeroOrden);
