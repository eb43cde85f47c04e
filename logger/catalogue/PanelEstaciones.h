#pragma once
#include "BaseDatos.h"

#include <array>
#include <QGroupBox>

class CampoTexto;
class QComboBox;
class QKeyEvent;
class QLabel;
class QPushButton;

// The frame with the station callsigns of the main window: the list of callsigns in use, the
// six boxes of the selected callsign's row and the editor's buttons.
class PanelEstaciones : public QGroupBox {
public:
    explicit PanelEstaciones(QWidget* parent = nullptr);

    QLabel* Label25;
    QComboBox* ListaIndicativos;
    std::array<CampoTexto*, 6> text2{};
    std::array<QLabel*, 6> etiquetas{};
    QPushButton* NuevoIndicativo;
    QPushButton* ModificaIndicativo;
    QPushButton* BorrarIndicativo;
    QPushButton* AceptaIndicativo;
    QPushButton* CancelaIndicativo;

    void LimpiaIndicativo();
    void HabilitaBotonesIndicativo(bool habilitar);
    void AjustaLongitudesIndicativo(const DefTabla& defIndicativos, int extra);
    void BloqueaCamposIndicativo(bool bloquear);
    // Columns 0 to 5 of the row into the six boxes.
    void MuestraIndicativo(const ConjuntoRegistros& fila);
    // Arrow-key movement while a callsign is typed; true when the key was used.
    bool NavegaCamposIndicativo(QKeyEvent* tecla);
};
