#pragma once
#include <array>
#include <optional>
#include <QGroupBox>

class QLabel;
class QRadioButton;

// The screen size options of the main window. A choice other than the size in use tells that it
// takes effect at the next start.
class PanelPantalla : public QGroupBox {
public:
    explicit PanelPantalla(QWidget* parent = nullptr);

    // The size in use (TantoPorCien), its option chosen; an unknown value chooses none.
    void Muestra(int tantoPorCien);
    // The TantoPorCien of the option chosen; none when no option is.
    std::optional<int> TantoPorCienElegido() const;

private:
    void Tamaño_Click(int opcion);

    // Controls, under the names their objectName carries: TamañoNormal, TamañoMedio, TamañoGrande,
    // TamañoTotal.
    std::array<QRadioButton*, 4> OpcionesTamaño{};
    QLabel* MsgTamaño;
    int enUso_ = 1;
};
