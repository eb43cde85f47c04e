#pragma once
#include "BaseDatos.h"
#include "NombresUser.h"
#include "SeleccionPrincipal.h"

#include <array>
#include <QGroupBox>
#include <vector>

class CampoTexto;
class PanelCategoria;
class PanelNombresUser;
class QCheckBox;
class QKeyEvent;
class QLabel;
class QPushButton;
class QRadioButton;

// The frame with the definition of the selected contest: its ten boxes, the band and mode check
// boxes, the exchange, time and repeat choices, and the panel of user band and mode names laid
// over them.
class PanelConcurso : public QGroupBox {
    Q_OBJECT
public:
    explicit PanelConcurso(QWidget* parent = nullptr);

    // The Cabrillo summary at the bottom, and the user names panel laid over the band and mode frames.
    PanelCategoria& PanelCabrillo() { return *FrameCategoria; }
    PanelNombresUser& PanelNombres() { return *PanelNuevaBanda; }

    // Box `caja` of the ten (text3).
    QString Texto(int caja) const;
    void PonTexto(int caja, const QString& texto);
    void EnfocaCaja(int caja);
    // The box with the focus; -1 when none of the ten has it.
    int CajaConFoco() const;
    // Enter in box `caja`: on to the next box shown in the typing order, round to the name.
    void EnfocaTrasIntro(int caja);
    // Up or Down from box `caja`: the next box shown and open among 1 to 7, round from either end.
    void MueveFoco(int caja, int paso);
    // The UTC offset box and its label, shown and open.
    void MuestraCajaUTC();
    void HabilitaAñadirBandaModo(bool habilitar);
    // Ticks the exchange boxes, in ItemsIntercambio order, their reactions running.
    void MarcaEnviar(const std::array<bool, 5>& marcadas);
    void MarcaRecibir(const std::array<bool, 5>& marcadas);
    // The user band and mode names into the check boxes' captions and the user names panel.
    void MuestraNombresUser(const NombresUser& nombres);
    // The user names panel in place of the band and mode frames, the rest of the frame closed,
    // the focus on the first band or mode name.
    void AbreNombresUser(bool desdeBanda);
    void CierraNombresUser();

    // Empties the ten boxes; clears the band and mode boxes, the exchange boxes (the fixed and
    // variable letters choice stays), the repeat boxes and both time options, with their reactions.
    void LimpiaConcurso();
    // The contest into the boxes and the band and mode check boxes; the options and the boxes
    // they drive are the editor's (CargaOpciones).
    void MuestraConcurso(const FichaConcurso& ficha);
    // The boxes and the band and mode check boxes as shown.
    FichaConcurso FichaMostrada() const;
    void AjustaLongitudesConcurso(const DefTabla& defConcursos, int extra);
    // Opens or locks the boxes for typing; text3[0], the contest's key, stays locked.
    void BloqueaCamposConcurso(bool bloquear);

signals:
    // One of the ten boxes took the focus.
    void cajaEnfocada(int caja);
    // A band or mode check box was clicked.
    void bandaOModoPulsado();
    // "Añadir nueva BANDA" (true) or "Añadir nuevo MODO" (false).
    void pideNombresUser(bool desdeBanda);

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    // Closes or reopens everything in the frame but the user names panel, which stays usable
    // while open; what was closed before stays closed.
    void HabilitaSalvoNombresUser(bool habilitar);

    // Controls, under the names their objectName carries.
    std::array<CampoTexto*, 10> text3{};
    std::array<QLabel*, 10> etiquetas{};
    QLabel* LabelUTC;
    QGroupBox* PanelBandas;
    QGroupBox* PanelModos;
    std::array<QCheckBox*, 16> SSCheck2{};
    std::array<QCheckBox*, 18> SSCheck1{};

    QGroupBox* FrameControles;
    QLabel *Label44, *Label45;
    QCheckBox *EnviarNumeral, *EnviarLocator, *EnviarSiglas, *EnviarZonaCQ, *EnviarPuntos;
    QCheckBox *RecibirNumeral, *RecibirLocator, *RecibirSiglas, *RecibirZonaCQ, *RecibirPuntos;
    QCheckBox *NumeraloSiglas, *LiteralFijo, *LiteralVariable;
    QLabel* Label3;
    QRadioButton *HoraLocal, *HoraUTC;
    QGroupBox* SSFrame5;
    QCheckBox *NoRepetir, *RepetirEstacion, *RepetirEnCadaBanda, *RepetirEnCadaModo, *RepetirEnCadaHoras;
    QPushButton *AñadirBanda, *AñadirModo;
    PanelNombresUser* PanelNuevaBanda;
    PanelCategoria* FrameCategoria;

    std::vector<QWidget*> cerrados_;
};
