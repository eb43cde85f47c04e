#pragma once
#include "Entrada.h"

#include <QGroupBox>

#include <array>

class QLineEdit;
class QListWidget;
struct ResultadoRepeticion;

// "Estación repetida": the last forbidden earlier QSO, field by field in the grid's columns, and
// ListaRepeticion with every forbidden one. Shows what the look-up found; holds no rule.
class PanelRepeticion : public QGroupBox {
public:
    explicit PanelRepeticion(QWidget* parent = nullptr);

    // ControlRecRep in place of NumeralRecibidoRep and LiteralRecibidoRep, as the grid shows them.
    void ponNumeraloSiglas(bool numeraloSiglas);
    // Fills the fields and the list and makes both visible; nothing found only hides them.
    void muestra(const ResultadoRepeticion& r);
    void oculta();

    QLineEdit* campo(Columna c) const { return campos_[static_cast<size_t>(c)]; }
    QListWidget* lista() const { return lista_; }

private:
    std::array<QLineEdit*, NumeroColumnas> campos_{};
    QListWidget* lista_;
};
