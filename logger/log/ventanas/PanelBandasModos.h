#pragma once
#include "Filas.h"

#include <QWidget>

#include <array>
#include <functional>

class QButtonGroup;
class QGroupBox;
class QRadioButton;

// The band and mode options of the log window, in their frames FrameBanda and FrameModo.
class PanelBandasModos : public QWidget {
public:
    explicit PanelBandasModos(QWidget* padre);

    // CargaBandasModos: captions, the contest's options enabled, the first option selected (its
    // handler runs). Returns the selected band and mode indexes (-1: none).
    std::pair<int, int> CargaBandasModos(const FilaConcurso& d, const NombresUser& n);
    // The option's caption; an option's index, or -1, by caption among the enabled ones.
    int bandaSeleccionada() const;
    int modoSeleccionado() const;

    QGroupBox *FrameBanda, *FrameModo;
    std::array<QRadioButton*, 16> Option3D1{};
    std::array<QRadioButton*, 18> Option3D2{};
    // Choice handlers: run when an option becomes selected, by the program or by the user.
    std::function<void(int)> alElegirBanda, alElegirModo;

private:
    QButtonGroup *grupoBandas_, *grupoModos_;
};
