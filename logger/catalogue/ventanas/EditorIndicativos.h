#pragma once
#include "DatosIndicativos.h"

#include <QObject>

class FConcursos;
class PanelConcurso;
class PanelEstaciones;
struct EstadoPrincipal;

// The station callsign editor of the main window: adds, changes and deletes rows of Indicativos
// through the frame PanelEstaciones, and keeps the active callsign in the Control row. While a
// callsign operation is open the contest side of the window is out of reach.
class EditorIndicativos : public QObject {
public:
    // `concurso` shows the UTC offset the selected callsign implies.
    EditorIndicativos(FConcursos& ventana, PanelEstaciones& panel, PanelConcurso& concurso);

    // The buttons of the frame.
    void NuevoIndicativo_Click();
    void ModificaIndicativo_Click();
    void BorrarIndicativo_Click();
    void AceptaIndicativo_Click();
    void CancelaIndicativo_Click();

    // Loads the callsign selected in the list into the boxes and makes it the active one.
    void CargaIndicativo();
    // Finish the operation in OperacionEnCurso; false when the input was refused and the edit
    // stays open.
    bool AltaIndicativo();
    bool GuardaIndicativo();
    void BorraIndicativo();

private:
    // Opens an operation: the contest side and the callsign list go out of reach, only the
    // accept and cancel buttons of the frame stay on.
    void EmpiezaOperacion(const QString& operacion, bool conTamañoPantalla);
    // The boxes open for typing, the focus on the callsign.
    void AbreCajas();
    // Back to idle after save, delete or cancel.
    void Reposo();
    // The six boxes, trimmed.
    ValoresIndicativo Valores() const;
    // The checks every stored callsign passes: a callsign and all five data. On a refusal the box
    // at fault takes the focus.
    bool DatosCompletos(const ValoresIndicativo& v);
    void Rechaza(int caja);
    void MuestraHoraUTC();

    FConcursos& ventana_;
    EstadoPrincipal& estado_;
    PanelEstaciones& panel_;
    PanelConcurso& concurso_;
};
