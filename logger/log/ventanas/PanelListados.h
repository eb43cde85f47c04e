#pragma once
#include "Cabrillo.h"

#include <QGroupBox>

class QAbstractButton;
class QCheckBox;
class QListWidget;
class QPushButton;
class QRadioButton;

// The choice of the Cabrillo run (order of the QSOs, one list or one per band). The window shows it
// with Abre, runs the lists on `aceptado` and moves the focus to the entry row on `eleccionCambiada`.
class PanelTipoDeListas : public QGroupBox {
    Q_OBJECT
public:
    explicit PanelTipoDeListas(QWidget* parent = nullptr);

    // One list ticked, and one per band as well for the contests that ask for it; then shown.
    void Abre(const QString& nombreConcurso);
    cabrillo::Orden orden() const;
    bool porBanda() const;
    // The focus on the order chosen.
    void enfocaOrden();
    QAbstractButton& aceptar() const;

signals:
    void aceptado();
    void eleccionCambiada();

private:
    QGroupBox *marcoOrden_, *marcoListas_;
    QRadioButton *ordenQso_, *ordenNum_, *ordenLetras_;
    QCheckBox *listasPorBanda_, *listaPorOrden_;
    QPushButton* aceptar_;
};

// The files just written, one line per list entry, in a fixed-pitch font.
class PanelListaPantalla : public QGroupBox {
    Q_OBJECT
public:
    explicit PanelListaPantalla(QWidget* parent = nullptr);

    void Limpia();
    void Anade(const QStringList& lineas);
    QAbstractButton& aceptar() const;

signals:
    void aceptado();

private:
    QListWidget* lista_;
    QPushButton* aceptar_;
};
