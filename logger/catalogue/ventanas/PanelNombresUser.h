#pragma once
#include "NombresUser.h"

#include <QGroupBox>

#include <array>

class CampoTexto;
class QLineEdit;
class QPushButton;

// The panel "PanelNuevaBanda" where the names of the user bands and modes, and the report proposed
// for each user mode, are typed. Laid over the band and mode frames of the contest frame while open.
class PanelNombresUser : public QGroupBox {
public:
    explicit PanelNombresUser(QWidget* parent = nullptr);

    // Element i-1 is BandaUser(i), ModoUser(i), RST(i).
    std::array<CampoTexto*, 3> BandaUser{};
    std::array<CampoTexto*, 10> ModoUser{};
    std::array<QLineEdit*, 10> RST{};
    QPushButton *AceptarCambios, *CancelarCambios;

    NombresUser Lee() const;
    void Muestra(const NombresUser& nombres);
};
