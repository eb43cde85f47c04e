#pragma once
#include "Filas.h"

#include <QStringList>
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
    // The selected option's index, -1 for none.
    int bandaSeleccionada() const;
    int modoSeleccionado() const;
    QString textoBanda(int indice) const;
    QString textoModo(int indice) const;
    // The captions of the enabled options, in order.
    QStringList bandasHabilitadas() const;
    QStringList modosHabilitados() const;
    // A click on the next (paso 1) or previous (-1) usable band or mode option, round the list;
    // false when no other option can be chosen.
    bool eligeVecina(bool banda, int paso);
    // The frames FrameBanda and FrameModo, which the window enables, shows and watches.
    QGroupBox& marcoBanda() const { return *marcoBanda_; }
    QGroupBox& marcoModo() const { return *marcoModo_; }
    // Choice handlers: run when an option becomes selected, by the program or by the user.
    std::function<void(int)> alElegirBanda, alElegirModo;

private:
    QGroupBox *marcoBanda_, *marcoModo_;
    std::array<QRadioButton*, 16> bandas_{};
    std::array<QRadioButton*, 18> modos_{};
    QButtonGroup *grupoBandas_, *grupoModos_;
};
