#pragma once
#include "BaseDatos.h"

#include <array>
#include <QGroupBox>

class CampoTexto;
class QCheckBox;
class QKeyEvent;
class QLabel;

// The frame with the definition of the selected contest: its ten boxes, the band and mode check
// boxes, and the panel of user band and mode names laid over them.
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
    QGroupBox* PanelNuevaBanda;

    // Empties the ten boxes and clears the band and mode check boxes.
    void LimpiaConcurso();
    // The contest row into the ten boxes; HorasRepeticion and Mes only when not empty.
    void MuestraConcurso(const ConjuntoRegistros& fila);
    void AjustaLongitudesConcurso(const DefTabla& defConcursos, int extra);
    void BloqueaCamposConcurso(bool bloquear);
    // Arrow-key movement while a contest is typed; true when the key was used.
    bool NavegaCamposConcurso(QKeyEvent* tecla);
};
