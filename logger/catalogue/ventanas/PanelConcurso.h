#pragma once
#include "BaseDatos.h"
#include "SeleccionPrincipal.h"

#include <array>
#include <QGroupBox>
#include <vector>

class CampoTexto;
class FrameCategoria;
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
public:
    explicit PanelConcurso(QWidget* parent = nullptr);

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
    FrameCategoria* Categorias; // the Cabrillo summary, at the bottom

    // Empties the ten boxes; clears the band and mode boxes, the exchange boxes (the fixed and
    // variable letters choice stays), the repeat boxes and both time options, with their reactions.
    void LimpiaConcurso();
    // The contest into the boxes and the band and mode check boxes; the options and the boxes
    // they drive are the editor's (CargaOpciones).
    void MuestraConcurso(const FichaConcurso& ficha);
    // The boxes and the band and mode check boxes as shown.
    FichaConcurso FichaMostrada() const;
    void AjustaLongitudesConcurso(const DefTabla& defConcursos, int extra);
    void BloqueaCamposConcurso(bool bloquear);
    // Closes or reopens everything in the frame but the user names panel, which stays usable
    // while open; what was closed before stays closed.
    void HabilitaSalvoNombresUser(bool habilitar);

private:
    std::vector<QWidget*> cerrados_;
};
