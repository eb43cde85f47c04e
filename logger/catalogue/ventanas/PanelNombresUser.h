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
    Q_OBJECT
public:
    explicit PanelNombresUser(QWidget* parent = nullptr);

    NombresUser Lee() const;
    void Muestra(const NombresUser& nombres);
    // The focus on the first band name (true) or the first mode name.
    void EnfocaPrimera(bool banda);
    // The focus on BandaUser(indice) or ModoUser(indice), counted from 1.
    void EnfocaNombre(bool esBanda, int indice);

signals:
    void aceptarPulsado();
    void cancelarPulsado();

private:
    // Controls, under the names their objectName carries. Element i-1 is BandaUser(i), ModoUser(i),
    // RST(i).
    std::array<CampoTexto*, 3> BandaUser{};
    std::array<CampoTexto*, 10> ModoUser{};
    std::array<QLineEdit*, 10> RST{};
    QPushButton *AceptarCambios, *CancelarCambios;
};
