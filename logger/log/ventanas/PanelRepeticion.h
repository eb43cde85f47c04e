#pragma once
#include "Entrada.h"

#include <QGroupBox>

#include <array>

class QLineEdit;
class QListWidget;
class RejillaLog;
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

    // Keeps each field under the same column of the grid's first row, as the window resizes.
    void alineaCon(const RejillaLog& rejilla);

    QLineEdit* campo(Columna c) const { return campos_[static_cast<size_t>(c)]; }
    QListWidget* lista() const { return lista_; }

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    void alinea();
    std::array<QLineEdit*, NumeroColumnas> campos_{};
    QWidget* fila_;
    QListWidget* lista_;
    const RejillaLog* rejilla_ = nullptr;
};
