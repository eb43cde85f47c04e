// The main window's data through the model alone: the lists, storing, changing and deleting a
// contest, the callsign deletion and the duplicate query, without a window.
#include "Ayudas.h"
#include "DatosConcursos.h"
#include "DatosIndicativos.h"
#include "DatosPrincipal.h"
#include "Esquema.h"
#include "SeleccionPrincipal.h"
#include "TextoQt.h"

#include <gtest/gtest.h>

namespace {
class Seleccion : public testing::Test {
protected:
    EstadoPrincipal e;
    void SetUp() override {
        CreaBaseTrabajo();
        AnadeIndicativo(1, "EA1AAA");
        AnadeIndicativo(2, "F5BBB");
        AnadeConcurso(5, "CNCW", "2026", "ENERO");
        AnadeConcurso(6, "ATLANTICO", "2026", "ENERO");
        AnadeConcurso(7, "O'BRIEN", "2025", QVariant());
        AnadeConcurso(8, "RARO", "2025", "BRUMARIO");
        EscribeControl("UltimoConcurso", 8);
        EscribeControl("ConcursoActivo", 6);
        e.programa.NombreBaseDatos = ::NombreBaseDatos;
        AbreBaseDatos(e);
        AbreControl(e);
    }
    static QStringList Textos(const std::vector<EntradaLista>& l) {
        QStringList t;
        for (const EntradaLista& x : l)
            t << QStringLiteral("%1 %2").arg(x.numero).arg(x.texto);
        return t;
    }
    FichaConcurso Ficha(const QString& nombre) {
        FichaConcurso f;
        f.text3[0] = "9";
        f.text3[1] = nombre;
        f.text3[2] = "2026";
        f.text3[5] = "0";
        f.text3[9] = "MARZO";
        f.bandas[4] = f.modos[1] = true;
        return f;
    }
};
} // namespace

TEST_F(Seleccion, ListasDeMesesEIndicativos) {
    const struct {
        QString mes;
        QStringList esperado;
    } filas[] = {
        {"ENERO", {"6 ATLANTICO - 2026", "5 CNCW - 2026"}},
        {"", {"7 O'BRIEN - 2025", "8 RARO - 2025"}}, // no month, or no month name
        {"MARZO", {}},
    };
    for (const auto& f : filas) {
        EXPECT_EQ(Textos(AbreConcursosDelMes(e, f.mes)), f.esperado) << f.mes.toStdString();
        EXPECT_FALSE(HayConcursoActual(e)) << "the listing leaves the set past its last row";
    }
    EXPECT_EQ(Textos(AbreIndicativos(e)), QStringList({"1 EA1AAA", "2 F5BBB"}));
    EXPECT_EQ(MesDelConcursoActivo(e), "ENERO");
    ASSERT_TRUE(AbreConcursoPorNumero(e, 7));
    EXPECT_EQ(NombreConcursoActual(e), "O'BRIEN");
    EXPECT_EQ(LeeFichaConcurso(e).text3[0], "7");
    EXPECT_FALSE(AbreConcursoPorNumero(e, 99));
    ASSERT_TRUE(AbreIndicativoPorNumero(e, 2));
    EXPECT_EQ(IndicativoActual(e), "F5BBB");
}

TEST_F(Seleccion, ExisteConcursoPorNombreYEdicion) {
    const struct {
        QString nombre, edicion;
        int excepto;
        bool existe;
    } filas[] = {
        {"o'brien", "2025", 0, true}, {"O'BRIEN", "2026", 0, false}, {"O'BRIEN", "2025", 7, false},
        {"cncw", "2026", 6, true},    {"CNCW", "2026", 5, false},
    };
    for (const auto& f : filas)
        EXPECT_EQ(ExisteConcurso(*e.programa.BaseConcursos, f.nombre, f.edicion, f.excepto), f.existe)
            << f.nombre.toStdString() << " " << f.excepto;
}

TEST_F(Seleccion, AltaCambioYBorradoDeUnConcurso) {
    OpcionesConcurso o;
    o.marcada[static_cast<size_t>(Opcion::EnviarZonaCQ)] = true;
    ResumenAGuardar resumen;
    resumen.valores.formato = "ESPECIAL";
    resumen.especiales = {{"FIJA", "FIJA"}, {"LISTA", "CHECKLOG"}};
    InsertaConcurso(e, 9, Ficha("BARTG-RTTY-SPRINT"), o, "EA1AAA", resumen);
    EXPECT_EQ(LeeControl("UltimoConcurso"), 9);
    EXPECT_EQ(LeeControl("ConcursoActivo"), 9);
    ASSERT_TRUE(AbreConcursoPorNumero(e, 9));
    const FichaConcurso leida = LeeFichaConcurso(e);
    EXPECT_EQ(leida.text3[1], "BARTG-RTTY-SPRINT");
    EXPECT_EQ(leida.text3[9], "MARZO");
    EXPECT_TRUE(leida.bandas[4]);
    EXPECT_TRUE(leida.modos[1]);
    ConjuntoRegistros fila = ConcursoPorNumero(*e.programa.BaseConcursos, 9);
    EXPECT_TRUE(fila.siNo("EnviarZonaCq"));
    EXPECT_FALSE(fila.siNo("EnviarRst")) << "the named contest is stored without reports";
    EXPECT_EQ(LeeFormatoEspecial(*e.programa.BaseConcursos, 9).size(), 2u);

    resumen.especiales.clear();
    ReescribeConcursoActual(e, Ficha("OTRO"), o, "EA1AAA", resumen);
    EXPECT_EQ(ConcursoPorNumero(*e.programa.BaseConcursos, 9).texto("NombreConcurso"), "OTRO");
    EXPECT_TRUE(ConcursoPorNumero(*e.programa.BaseConcursos, 9).siNo("EnviarRst"));
    EXPECT_TRUE(LeeFormatoEspecial(*e.programa.BaseConcursos, 9).empty());
    EXPECT_EQ(LeeResumenCabrillo(*e.programa.BaseConcursos, 9)->formato, "ESPECIAL");

    Ejecuta("INSERT INTO Contactos (NumeroOrden, NumeroQso, Indicativo) VALUES (9, 1, 'EA2X')");
    EliminaConcursoActual(e);
    EXPECT_TRUE(ConcursoPorNumero(*e.programa.BaseConcursos, 9).eof());
    EXPECT_TRUE(
        e.programa.BaseConcursos->abreConjunto("Select * From Contactos Where NumeroOrden = 9").eof());
    EXPECT_FALSE(LeeResumenCabrillo(*e.programa.BaseConcursos, 9));
    EXPECT_EQ(LeeControl("ConcursoActivo"), 0);
}

TEST_F(Seleccion, BorrarElUltimoIndicativoAnulaElActivo) {
    EscribeControl("IndicativoActivo", 2);
    AbreControl(e);
    EliminaIndicativo(*e.programa.BaseConcursos, *e.RegControl, 2);
    EXPECT_EQ(Textos(AbreIndicativos(e)), QStringList({"1 EA1AAA"}));
    EliminaIndicativo(*e.programa.BaseConcursos, *e.RegControl, 1);
    EXPECT_EQ(LeeControl("IndicativoActivo"), 0);
    EXPECT_TRUE(AbreIndicativos(e).empty());
    EXPECT_FALSE(HayIndicativoActual(e));
}
