// Startup upgrades against delivered files made by other tools than this program's.
#include "ActualizacionCatalogo.h"
#include "BaseCatalogo.h"
#include "DatosEntregados.h"
#include "Esquema.h"
#include "Falsos.h"

#include <gtest/gtest.h>

namespace {

// A months file whose table was made with plain text columns still names the contests as the
// working database compares them: ignoring case.
TEST(RevisionActualizaciones, MesesDeUnArchivoConColumnasSinColacionIgualQueEnLaBaseDeTrabajo) {
    RelojFalso reloj;
    BaseCatalogo b;
    b.concurso(1, "CQ WW DX", "2026");
    b.concurso(2, "D'ARTAGNAN", "2026");
    b.concurso(3, "Sin Cambio", "2026");
    auto meses = BaseDatos::Crea(NombreMesesConcursos);
    meses->ejecuta("CREATE TABLE Concursos (Concurso TEXT, Mes TEXT)");
    meses->ejecuta("INSERT INTO Concursos VALUES ('cq ww dx', 'OCTUBRE'), ('d''Artagnan', 'JULIO'), "
                   "('SIN CAMBIO', '')");
    meses.reset();

    AsignaMesesConcursos(NombreBaseDatos);
    EXPECT_EQ(
        b.volcado("Select NumeroOrden, Mes From Concursos"),
        QStringList({"NumeroOrden=1|Mes=OCTUBRE", "NumeroOrden=2|Mes=JULIO", "NumeroOrden=3|Mes=<nulo>"}));
}

} // namespace
