#pragma once
#include "ConfiguracionRadio.h"

#include <QDialog>

#include <memory>

class EnlaceRadio;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

// The radio's setting: none, a rig of Hamlib's list on a serial port, or a rigctld. "Probar"
// opens the radio once, off this thread, and says what it read or why it could not.
class DialogoRadio : public QDialog {
public:
    DialogoRadio(std::shared_ptr<BaseDatos> bd, QWidget* padre);
    ~DialogoRadio() override;

    // The setting the controls show; empty when the rig typed is none of the list's.
    std::optional<ConfiguracionRadio> configuracion() const;

private:
    void muestra(const ConfiguracionRadio& c);
    // configuracion(), or a box asking for a rig of the list.
    std::optional<ConfiguracionRadio> elegida();
    void habilita();
    void prueba();
    void guarda();

    std::shared_ptr<BaseDatos> bd_;
    EnlaceRadio* enlace_;
    QComboBox *Tipo, *Modelo, *Dispositivo, *Velocidad;
    QLineEdit* Host;
    QSpinBox* PuertoRed;
    QPushButton *Probar, *AceptarRadio, *CancelarRadio;
    QLabel* ResultadoPrueba;
};
