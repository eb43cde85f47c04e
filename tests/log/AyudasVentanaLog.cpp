#include "AyudasVentanaLog.h"

#include "Teclado.h"
#include "TextosLog.h"

#include <QLabel>

void PruebaLog::Abre() {
    if (!bd) bd = BaseDatos::Abre("XkLumoConcursos.Mdb");
    estado = std::make_unique<EstadoPrincipal>();
    estado->NombreBaseDatos = "XkLumoConcursos.Mdb";
    estado->BaseConcursos = BaseDatos::Abre(estado->NombreBaseDatos);
    estado->RegConcursos.emplace(
        estado->BaseConcursos->abreConjunto("Select * From Concursos Where NumeroOrden = 5"));
    estado->RegControl.emplace(estado->BaseConcursos->abreConjunto("Control"));
    estado->RegIndicativos.emplace(estado->BaseConcursos->abreConjunto("Indicativos"));
    estado->OperacionEnCurso = "CONSULTA";
    ventana = std::make_unique<FLogConcurso>(*estado);
    ventana->AlCerrar = [this] { ++cierres; };
    ventana->Form_Load();
    ventana->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(ventana.get()));
    // Opened: the help line no longer shows the loading text.
    ASSERT_TRUE(QTest::qWaitFor([this] { return Control<QLabel>("LabelEnter")->text() != TextoCarga; }));
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
