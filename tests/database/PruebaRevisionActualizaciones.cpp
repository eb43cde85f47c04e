// Startup upgrades against delivered files made by other tools than this program's.
#include "ActualizacionCatalogo.h"
#include "BaseCatalogo.h"
#include "CorreccionesConcursos.h"
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

// With no contest number left the contest with QSOs gets no copy for this year, so an older
// edition of it without QSOs is moved to this year rather than deleted as if the copy existed.
TEST(RevisionActualizaciones, SinNumerosLibresLaEdicionSinContactosSeMueveNoSeBorra) {
    RelojFalso reloj; // 2026
    BaseCatalogo b;
    b.concurso(1, "UNO", "2025");
    b.contacto(1);
    b.concurso(2, "UNO", "2024");
    b.resumen(2, "UNO", "2024");
    b.ultimoConcurso(32767);

    ActualizaEdiciones(*b.bd, *b.control);
    EXPECT_EQ(b.volcado("Select NumeroOrden, Edicion From Concursos"),
              QStringList({"NumeroOrden=1|Edicion=2025", "NumeroOrden=2|Edicion=2026"}));
    EXPECT_EQ(b.volcado("Select NumeroOrden, Edicion From ResumenCabrillo"),
              QStringList({"NumeroOrden=2|Edicion=2026"}));
    EXPECT_EQ(b.control->entero("UltimoConcurso"), 32767);
}

// "No repetir" and "Puede Repetir" exclude the hours rule, and the log's repeat test looks at them
// first: the daily repeat of the NARANJA contests only works with both cleared.
TEST(RevisionActualizaciones, NaranjaQuitaLasReglasQueExcluyenRepetirCadaHoras) {
    RelojFalso reloj; // 2026
    BaseCatalogo b;
    b.concurso(1, "NARANJA-CW", "2026", {{"NoRepetir", true}});
    b.concurso(2, "NARANJA-PSK63", "2026", {{"RepetirEstacion", true}, {"RepetirEnCadaBanda", true}});
    CorrigeConcursos(*b.bd);
    EXPECT_EQ(b.volcado("Select NumeroOrden, NoRepetir, RepetirEstacion, RepetirEnCadaBanda, "
                        "RepetirEnCadaHoras, HorasRepeticion From Concursos"),
              QStringList({"NumeroOrden=1|NoRepetir=false|RepetirEstacion=<nulo>|RepetirEnCadaBanda=<nulo>|"
                           "RepetirEnCadaHoras=true|HorasRepeticion=23:59",
                           "NumeroOrden=2|NoRepetir=<nulo>|RepetirEstacion=false|RepetirEnCadaBanda=true|"
                           "RepetirEnCadaHoras=true|HorasRepeticion=23:59"}));
    const QStringList antes = b.volcadoCompleto();
    CorrigeConcursos(*b.bd);
    EXPECT_EQ(b.volcadoCompleto(), antes);
}

} // namespace
