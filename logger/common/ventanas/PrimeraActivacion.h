#pragma once
#include <QObject>

#include <functional>

class QWidget;

// Runs `paso` once, at the window's first activation, or at its first exposure when no activation
// comes (offscreen platform, no window manager). It runs out of the event handler, from the loop.
class PrimeraActivacion : public QObject {
public:
    PrimeraActivacion(QWidget& ventana, std::function<void()> paso);
    bool hecha() const { return hecha_; }

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    void programa(int esperaMs);
    std::function<void()> paso_;
    bool programada_ = false;
    bool hecha_ = false;
};
