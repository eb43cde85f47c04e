#include "AyudasVentanaLog.h"

#include "Teclado.h"
#include "TextosLog.h"

#include <QLabel>

void PruebaLog::Abre() {
    if (!bd) bd = BaseDatos::Abre("XkLumoConcursos.Mdb");
    programa = std::make_unique<Programa>();
    programa->NombreBaseDatos = "XkLumoConcursos.Mdb";
    programa->BaseConcursos = BaseDatos::Abre(programa->NombreBaseDatos);
    const int estacion = programa->BaseConcursos->abreConjunto("Indicativos").entero("NumeroOrden");
    ventana = std::make_unique<FLogConcurso>(*programa, 5, estacion, [this] { ++cierres; });
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
