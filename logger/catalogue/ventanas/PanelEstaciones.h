#pragma once
#include "BaseDatos.h"
#include "DatosIndicativos.h"
#include "SeleccionPrincipal.h"

#include <array>
#include <QGroupBox>

class CampoTexto;
class PreviaTeclas;
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

    // F12 accepts and Esc cancels the open callsign operation.
    void AsignaTeclas(PreviaTeclas& teclas);

    // The list of callsigns in use, filled quietly with nothing selected.
    void LlenaLista(const std::vector<EntradaLista>& indicativos);
    // Selects the row; its callsign is loaded also when it was the selected one already.
    void EligeFila(int fila);
    int FilaDe(int numero) const;
    bool HayElegido() const;
    // NumeroOrden of the selected callsign; 0 when none is.
    int NumeroElegido() const;
    int CuentaLista() const;
    // Quiet changes of the list: the selection moves only through EligeFila.
    void AñadeALista(const QString& indicativo, int numero);
    void RenombraEnLista(int numero, const QString& indicativo);
    void QuitaDeLista(int numero);

    // An operation open: only accept and cancel take clicks, the list cannot change under it.
    void MuestraOperacion(bool abierta);
    bool OperacionAbierta() const;
    void EnfocaCampo(int indice);
    void EnfocaCancelar();

    void LimpiaIndicativo();
    // "Cambiar" and "Borrar" only act on a loaded callsign: they stay off while none is selected.
    void HabilitaBotonesIndicativo(bool habilitar);
    void AjustaLongitudesIndicativo(const DefTabla& defIndicativos, int extra);
    // Locked boxes take no typing at all; text2[0], the row's key, is locked always.
    void BloqueaCamposIndicativo(bool bloquear);
    // Columns 0 to 5 of the row into the six boxes.
    void MuestraIndicativo(const ValoresIndicativo& valores);
    // The six boxes as typed.
    ValoresIndicativo ValoresMostrados() const;
    // Arrow-key movement while a callsign is typed: Up and Down walk text2[1] to text2[5] with
    // wrap, Tab is swallowed. True when the key was used.
    bool NavegaCamposIndicativo(QKeyEvent* tecla);

signals:
    // A callsign box took the focus.
    void campoEnfocado(int indice);
    // The operator picked a callsign of the list, or EligeFila did.
    void indicativoElegido();
    void nuevoPulsado();
    void cambioPulsado();
    void borradoPulsado();
    void aceptarPulsado();
    void cancelarPulsado();

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    int IndiceDe(const QObject* objeto) const;

    // Controls, under the names their objectName carries.
    QLabel* Label25;
    QComboBox* ListaIndicativos;
    std::array<CampoTexto*, 6> text2{};
    std::array<QLabel*, 6> etiquetas{};
    QPushButton* NuevoIndicativo;
    QPushButton* ModificaIndicativo;
    QPushButton* BorrarIndicativo;
    QPushButton* AceptaIndicativo;
    QPushButton* CancelaIndicativo;
    int campoActual_ = 1;
};
