// The typed rows of the catalogue tables: each field written into its table is read back into its
// own member.
#include "BaseDatos.h"
#include "Esquema.h"
#include "Filas.h"

#include <gtest/gtest.h>

#include <functional>

namespace {
using Valores = std::vector<std::pair<QString, QVariant>>;

// The table's only row: the one Control row the schema makes is replaced.
void Inserta(BaseDatos& bd, const QString& tabla, const Valores& valores) {
    bd.ejecuta("Delete From " + tabla);
    ConjuntoRegistros rs = bd.abreConjunto(tabla);
    rs.anade();
    for (const auto& [campo, valor] : valores)
        rs.asigna(campo, valor);
    rs.actualiza();
}
} // namespace

TEST(Filas, CadaCampoVuelveASuMiembro) {
    CreaTodasLasTablas();
    auto bd = BaseDatos::Abre(NombreBaseEsquema);
    struct Caso {
        const char* tabla;
        Valores valores;
        std::function<void()> compara;
    };
    FilaConcurso c;
    c.numeroOrden = 7, c.nombreConcurso = "CQ WW (SSB)", c.edicion = "2026", c.indiceBanda = 3;
    c.indiceModo = 2, c.horaUTC = true, c.horaUTCActual = "-1", c.ultimoNumEnviado = 41;
    c.enviarRst = c.enviarLocator = c.literalVariable = c.recibirSiglas = c.numeraloSiglas = true;
    c.repetirEnCadaHoras = c.bandas[15] = c.modos[17] = true;
    c.miLocator = "IN80DJ", c.numeroPuntosEnviar = "5", c.siglas = "MD", c.horasRepeticion = "02:00";
    const FilaIndicativo e{4, "EA4ZZZ/P", "Ana", "Calle 1", "León", "España"};
    const FilaControl k{7,
                        4,
                        7,
                        4,
                        {{"2400", "3400", "5700"},
                         {"FT8", "", "", "", "", "", "", "", "", "OLIVIA"},
                         {"59", "", "", "", "", "", "", "", "", "599"}}};
    FilaResumen r;
    r.numeroOrden = 7, r.formato = "CABRILLO 3.0", r.categoria = "SINGLE-OP", r.time = "6-HOURS";
    r.email = "a@b.c", r.operators = "EA4ZZZ, EA1A";
    r.columnas = {31, 45, 49, 0, 0, 60, 67, 81, 85, 0, 0, 96};
    const std::vector<Caso> casos{
        {"Concursos",
         {{"NumeroOrden", 7},
          {"NombreConcurso", c.nombreConcurso},
          {"Edicion", "2026"},
          {"IndiceBanda", 3},
          {"IndiceModo", 2},
          {"HoraUTC", true},
          {"HoraUTCActual", "-1"},
          {"UltimoNumEnviado", 41},
          {"EnviarRst", true},
          {"EnviarLocator", true},
          {"LiteralVariable", true},
          {"MiLocator", "IN80DJ"},
          {"NumeroPuntosEnviar", "5"},
          {"Siglas", "MD"},
          {"RecibirSiglas", true},
          {"NumeraloSiglas", true},
          {"RepetirEnCadaHoras", true},
          {"HorasRepeticion", "02:00"},
          {"Banda15", true},
          {"Modo17", true}},
         [&] { EXPECT_EQ(LeeFilaConcurso(*bd, 7), c); }},
        {"Indicativos",
         {{"NumeroOrden", 4},
          {"Indicativo", e.indicativo},
          {"Operador", "Ana"},
          {"Direccion", "Calle 1"},
          {"Poblacion", "León"},
          {"Pais", "España"}},
         [&] { EXPECT_EQ(LeeFilaIndicativo(*bd, 4), e); }},
        {"Control",
         {{"UltimoConcurso", 7},
          {"UltimoIndicativo", 4},
          {"ConcursoActivo", 7},
          {"IndicativoActivo", 4},
          {"BandaUser1", "2400"},
          {"BandaUser2", "3400"},
          {"BandaUser3", "5700"},
          {"ModoUser1", "FT8"},
          {"ModoUser10", "OLIVIA"},
          {"TipoUser1", "59"},
          {"TipoUser10", "599"}},
         [&] { EXPECT_EQ(LeeFilaControl(*bd), k); }},
        {"ResumenCabrillo",
         {{"NumeroOrden", 7},
          {"FormatoCabrillo", r.formato},
          {"Categoria", r.categoria},
          {"Time", r.time},
          {"Email", r.email},
          {"Operators", r.operators},
          {"MiIndicativo", 31},
          {"MiRst", 45},
          {"MiNumero", 49},
          {"MiLocator", 60},
          {"SuIndicativo", 67},
          {"SuRst", 81},
          {"SuNumero", 85},
          {"SuLocator", 96}},
         [&] { EXPECT_EQ(LeeFilaResumen(*bd, 7), r); }},
    };
    for (const Caso& caso : casos) {
        SCOPED_TRACE(caso.tabla);
        Inserta(*bd, caso.tabla, caso.valores);
        caso.compara();
    }
    // A row that is not there: an empty row of that number, or no summary.
    FilaConcurso vacia;
    vacia.numeroOrden = 8;
    EXPECT_EQ(LeeFilaConcurso(*bd, 8), vacia);
    EXPECT_FALSE(LeeFilaResumen(*bd, 8));
}
