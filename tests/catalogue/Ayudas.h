#pragma once
#include "BaseDatos.h"
#include "EstadoPrincipal.h"
#include "FConcursos.h"
#include "Falsos.h"

#include <QVariant>
#include <gtest/gtest.h>
#include <memory>

// A working database in the current folder, as the build delivers it (Control row only), with
// the month field the startup adds.
void CreaBaseTrabajo();
void AnadeIndicativo(int numero, const QString& indicativo);
// A contest row; `mes` invalid stores null.
void AnadeConcurso(int numero, const QString& nombre, const QString& edicion, const QVariant& mes);
void EscribeControl(const QString& campo, int valor);
int LeeControl(const QString& campo);

// The main window with every box, the clock and the system calls faked.
class PruebaVentana : public testing::Test {
protected:
    AvisosFalsos avisos;
    RelojFalso reloj;
    SistemaFalso sistema;
    std::unique_ptr<EstadoPrincipal> estado = std::make_unique<EstadoPrincipal>();
    std::unique_ptr<FConcursos> ventana;
    int terminaciones = 0;

    void TearDown() override;
    // Loads the window with this command line; when it is shown, waits until it is active.
    FConcursos::Carga Carga(const QString& linea = "comando");
    // Loads and presses "Iniciar XkLumoCon".
    void Inicia();
    // Fresh state and window, as at the next start of the program.
    void NuevaVentana();
};
