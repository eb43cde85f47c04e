#pragma once
#include "EstadoPrincipal.h"
#include "SeleccionPrincipal.h"

#include <QObject>
#include <QString>

#include <optional>
#include <utility>

class FConcursos;
class PanelConcurso;
class QKeyEvent;

// The contest definition editor of the main window: new contest, new edition, change and
// deletion through the window's buttons, loading the selected contest into the frame and storing
// the frame into the contest row, and the keyboard movement between the frame's boxes.
class EditorConcursos : public QObject {
    Q_OBJECT
public:
    EditorConcursos(FConcursos& ventana, EstadoPrincipal& estado, PanelConcurso& panel);

    void AltaReg_Click();
    void NuevaEdicion_Click();
    void ModificarReg_Click();
    void BorrarReg_Click();
    void Aceptar_Click();
    void Cancelar_Click();

    // Shows the contest selected in the list and makes it the active one; true if one was shown.
    bool CargaConcurso();
    void MuestraConcurso();
    void LimpiaConcurso();
    void BloqueaCamposConcurso(bool bloquear);
    // Each stores and returns to idle, or refuses with the focus on the box at fault.
    bool AltaConcurso();
    bool GuardaConcurso();
    bool BorraConcurso();
    // Enter, arrow and Tab keys while a contest is typed; true when the key was used.
    bool NavegaCamposConcurso(QKeyEvent* tecla);

private:
    bool IniciaEdicion();
    void VuelveAReposo();
    bool HayConcursoMostrado() const;
    bool ConfirmaSinMes(const QString& accion, const QString& continua, const QString& cancela);
    bool CompruebaValores();

    QString IndicativoActivo() const;
    // The checks before storing: refuses with the box shown and the focus on the box at fault,
    // or writes the normalised values back into the boxes.
    bool ValidaConcurso();
    // What storing derived from the options (NumeraloSiglas, the UTC offset) shown.
    void MuestraDerivados(const OpcionesConcurso& o);
    // The options of the current row shown, and what loading derives stored back.
    void DerivaCamposAlCargar();
    void HabilitaAñadirBandaModo(bool habilitar);

    // The Cabrillo panel and the presets (EditorCabrillo.cpp).
    void ConectaCabrillo();
    void OcultaListaCategoriasCabrillo();
    void CargaTipoConcursos();
    void CargaComboCabrillo20();
    void CargaResumenCabrillo();
    // The summary as the panel shows it, to be stored with the contest.
    ResumenAGuardar ResumenMostrado() const;
    void CargaCategoriasConcurso();
    // Sets the exchange boxes a known contest and its category index (-1: none) imply.
    void AjustaControlesCategoria(int indice);
    // A change about to be stored: the presets of the contest and category shown reach the boxes
    // before the checks, once per name and category within an edit.
    void AjustaControlesAntesDeGuardar();

    FConcursos& ventana_;
    EstadoPrincipal& estado_;
    PanelConcurso& panel_;
    // Contest name and category whose presets the current edit already applied on storing.
    std::optional<std::pair<QString, int>> presetsAplicados_;
};
