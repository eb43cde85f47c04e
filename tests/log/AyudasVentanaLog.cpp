#include "AyudasVentanaLog.h"

#include "Teclado.h"

void PruebaLog::Abre() {
    if (!bd) bd = BaseDatos::Abre("XkLumoConcursos.Mdb");
    estado = std::make_unique<EstadoPrincipal>();
    estado->programa.NombreBaseDatos = "XkLumoConcursos.Mdb";
    estado->programa.BaseConcursos = BaseDatos::Abre(estado->programa.NombreBaseDatos);
    estado->RegConcursos.emplace(
        estado->programa.BaseConcursos->abreConjunto("Select * From Concursos Where NumeroOrden = 5"));
    estado->RegControl.emplace(estado->programa.BaseConcursos->abreConjunto("Control"));
    estado->RegIndicativos.emplace(estado->programa.BaseConcursos->abreConjunto("Indicativos"));
    estado->OperacionEnCurso = "CONSULTA";
    ventana = std::make_unique<FLogConcurso>(*estado);
    ventana->AlCerrar = [this] { ++cierres; };
    ventana->Form_Load();
    ventana->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(ventana.get()));
    ASSERT_TRUE(QTest::qWaitFor([this] { return !ventana->estadoLog().VentanaIniciada; }));
}

void PruebaLog::Pulsa(Qt::Key tecla, Qt::KeyboardModifiers mods) {
    PulsaTecla(ventana.get(), tecla, mods);
}

void PruebaLog::Escribe(const QString& texto) {
    EscribeTexto(texto);
}

QStringList PruebaLog::Indicativos() const {
    QStringList l;
    for (int f = 0; f < RejillaLog::NumeroFilas; ++f)
        l << Texto(Columna::Indicativo, f);
    while (!l.isEmpty() && l.back().isEmpty())
        l.removeLast();
    return l;
}
