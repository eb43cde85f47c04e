#pragma once
#include <QObject>

#include <functional>
#include <vector>

// Shift, Ctrl, Alt, AltGr, Meta and the lock keys: pressed alone they type and do nothing.
bool EsModificadora(int tecla);

class QAbstractButton;
class QKeyEvent;
class QWidget;

// The window sees every key before the focused field: while the window is active an event filter
// on the application hands it each key first. A function key of the table presses its button
// only when the button is enabled and visible, after giving it the focus.
class PreviaTeclas : public QObject {
public:
    explicit PreviaTeclas(QWidget& ventana);
    ~PreviaTeclas() override;
    void asigna(int tecla, QAbstractButton* boton, Qt::KeyboardModifiers mods = Qt::NoModifier);
    void setActiva(bool activa);
    bool activa() const { return activa_; }
    // Optional: runs first; returning true consumes the key.
    std::function<bool(QKeyEvent&)> antes;
    // Optional: runs after the table found no button for the key; returning true consumes it.
    std::function<bool(QKeyEvent&)> despues;

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    struct Entrada {
        int tecla;
        Qt::KeyboardModifiers mods;
        QAbstractButton* boton;
    };
    QWidget& ventana_;
    std::vector<Entrada> tabla_;
    bool activa_ = true;
};
