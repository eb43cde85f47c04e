#include "Ayudas.h"

#include "Esquema.h"

#include <QFile>
#include <QPushButton>
#include <QTest>

void CreaBaseTrabajo() {
    CreaTodasLasTablas();
    ASSERT_TRUE(QFile::rename(NombreBaseEsquema, NombreBaseDatos));
    AñadeCampoMes();
}

void AnadeIndicativo(int numero, const QString& indicativo) {
    auto bd = BaseDatos::Abre(NombreBaseDatos);
    ConjuntoRegistros r = bd->abreConjunto("Indicativos");
    r.anade();
    r.asigna("NumeroOrden", numero);
    r.asigna("Indicativo", indicativo);
    r.asigna("Operador", "OPERADOR " + indicativo);
    r.actualiza();
}

void AnadeConcurso(int numero, const QString& nombre, const QString& edicion, const QVariant& mes) {
    auto bd = BaseDatos::Abre(NombreBaseDatos);
    ConjuntoRegistros r = bd->abreConjunto("Concursos");
    r.anade();
    r.asigna("NumeroOrden", numero);
    r.asigna("NombreConcurso", nombre);
    r.asigna("Edicion", edicion);
    r.asigna("UltimoNumEnviado", 0);
    if (mes.isValid()) r.asigna("Mes", mes);
    r.actualiza();
}

void EscribeControl(const QString& campo, int valor) {
    auto bd = BaseDatos::Abre(NombreBaseDatos);
    ConjuntoRegistros r = bd->abreConjunto("Control");
    r.edita();
    r.asigna(campo, valor);
    r.actualiza();
}

int LeeControl(const QString& campo) {
    auto bd = BaseDatos::Abre(NombreBaseDatos);
    return bd->abreConjunto("Control").entero(campo);
}

void PruebaVentana::TearDown() {
    ventana.reset();
    estado.reset();
}

FConcursos::Carga PruebaVentana::Carga(const QString& linea) {
    if (!ventana) NuevaVentana();
    const FConcursos::Carga c = ventana->Form_Load(linea);
    if (c == FConcursos::Carga::Mostrada) {
        ventana->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(ventana.get()));
    }
    return c;
}

void PruebaVentana::Inicia() {
    ASSERT_EQ(Carga(), FConcursos::Carga::Mostrada);
    ventana->IniciarXkLumoCon->click();
}

void PruebaVentana::NuevaVentana() {
    ventana.reset();
    estado = std::make_unique<EstadoPrincipal>();
    ventana = std::make_unique<FConcursos>(*estado);
    ventana->Termina = [this] { ++terminaciones; };
}
