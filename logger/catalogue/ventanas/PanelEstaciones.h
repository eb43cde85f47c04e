#pragma once
#include "BaseDatos.h"
#include "DatosIndicativos.h"

#include <array>
#include <QGroupBox>

class CampoTexto;
class QComboBox;
class QKeyEvent;
class QLabel;
class QPushButton;

// The frame with the station callsigns of the main window: the list of callsigns in use, the
// six boxes of the selected callsign's row and the editor's buttons. The boxes type in capitals,
// drop outer blanks when left, and Enter moves on to the next box.
class PanelEstaciones : public QGroupBox {
    Q_OBJECT
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
    // "Cambiar" and "Borrar" only act on a loaded callsign: they stay off while none is selected.
    void HabilitaBotonesIndicativo(bool habilitar);
    void AjustaLongitudesIndicativo(const DefTabla& defIndicativos, int extra);
    // Locked boxes take no typing at all; text2[0], the row's key, is locked always.
    void BloqueaCamposIndicativo(bool bloquear);
    // Columns 0 to 5 of the row into the six boxes.
    void MuestraIndicativo(const ValoresIndicativo& valores);
    // Arrow-key movement while a callsign is typed: Up and Down walk text2[1] to text2[5] with
    // wrap, Tab is swallowed. True when the key was used.
    bool NavegaCamposIndicativo(QKeyEvent* tecla);

signals:
    // A callsign box took the focus.
    void campoEnfocado(int indice);

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    void enfocaCampo(int indice);
    int indiceDe(const QObject* objeto) const;
    int campoActual_ = 1;
};
