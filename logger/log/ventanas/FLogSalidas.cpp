#include "FLogConcurso.h"

// Until the outputs come, their buttons do nothing.
void FLogConcurso::Listar_Click() {}
void FLogConcurso::ExportarXk_Click() {}
void FLogConcurso::ExportarADIF_Click() {}
