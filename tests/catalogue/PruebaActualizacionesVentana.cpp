// The catalogue upgrades as the main window runs them: at load and at its activation, silently.
#include "ArchivosPrueba.h"
#include "Ayudas.h"

#include "DatosEntregados.h"
#include "Esquema.h"

#include <QFile>
#include <QListWidget>
#include <QTest>

namespace {

// A delivered file with one contest, "NUEVO" of this year, in May.
void EntregaUnConcurso() {
    auto n = BaseDatos::Crea(NombreNuevosConcursos);
    DefTabla concursos = DefinicionConcursos();
    concursos.agrega("Mes", TipoCampo::Texto, 12);
    for (const DefTabla& d : {concursos, DefinicionResumenCabrillo(), DefinicionFormatoEspecial()})
        n->creaTabla(d);
    n->ejecuta("INSERT INTO Concursos (NumeroOrden, NombreConcurso, Edicion, Mes) VALUES (1, 'NUEVO', "
               "'2026', 'MAYO')");
}

} // namespace

using Actualizaciones = PruebaVentana;

TEST_F(Actualizaciones, LaActivacionPoneAlDiaElCatalogoYElControlQueLaVentanaGuarda) {
    CreaBaseTrabajo();
    AnadeIndicativo(1, "EA4ABC");
    AnadeConcurso(1, "VIEJO", "2025", QVariant());
    EscribeControl("UltimoConcurso", 1);
    EntregaUnConcurso();
    ASSERT_EQ(Carga(), FConcursos::Carga::Mostrada);
    ASSERT_TRUE(QTest::qWaitFor([&] { return estado->ActivarCheck; }));

    EXPECT_FALSE(QFile::exists(NombreNuevosConcursos));
    // The window numbers its next contest from the Control row it holds.
    EXPECT_EQ(estado->RegControl->entero("UltimoConcurso"), 2);
    EXPECT_EQ(LeeControl("UltimoConcurso"), 2);
    Boton("IniciarXkLumoCon")->click();
    const auto* lista = ventana->findChild<QListWidget*>("ListaConcursos");
    ASSERT_NE(lista, nullptr);
    QStringList textos;
    for (int i = 0; i < lista->count(); ++i)
        textos << lista->item(i)->text();
    EXPECT_EQ(textos, QStringList{"VIEJO - 2026"});
    EXPECT_TRUE(avisos.cajas.empty());
}

TEST_F(Actualizaciones, ArchivosEntregadosRotosNoDetienenElPrograma) {
    CreaBaseTrabajo();
    AnadeIndicativo(1, "EA4ABC");
    AnadeConcurso(1, "UNO", "2026", QVariant());
    EscribeArchivo(NombreNuevosConcursos, QByteArray(2048, 'x'));
    EscribeArchivo("XkConfLumoConcursos.mdb", QByteArray(2048, 'y'));
    ASSERT_EQ(Carga(), FConcursos::Carga::Mostrada);
    ASSERT_TRUE(QTest::qWaitFor([&] { return estado->ActivarCheck; }));
    EXPECT_EQ(terminaciones, 0);
    EXPECT_TRUE(avisos.cajas.empty());
    EXPECT_TRUE(Boton("IniciarXkLumoCon")->isEnabled());
    EXPECT_EQ(LeeControl("UltimoConcurso"), 0);
}
