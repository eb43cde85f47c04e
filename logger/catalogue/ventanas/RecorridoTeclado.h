#pragma once
#include <functional>
#include <QObject>
#include <vector>

class QKeyEvent;
class QWidget;

// Keys that reach the window's buttons, lists, drop-downs and check boxes. No control is a Tab
// stop, so the window walks its own list of them: Tab and Shift+Tab go to the next or previous
// one that is shown and enabled; the arrows walk the buttons and check boxes of one frame (lists,
// drop-downs and option groups keep their own arrows). A frame's access key, and a label's that
// names an option group, bring the focus to the first control inside, the chosen option first.
class RecorridoTeclado : public QObject {
public:
    // Every such control of the window in creation order, except those `excluida` keeps out:
    // boxes whose own Enter chain moves the focus.
    RecorridoTeclado(QWidget& ventana, const std::function<bool(const QWidget*)>& excluida);
    // Tab, Shift+Tab or an arrow from a control of the walk; true when the focus moved.
    bool Tabula(const QKeyEvent& tecla);
    bool Flecha(const QKeyEvent& tecla);
    // Alt and a letter or digit that no control of the window takes now.
    static bool AccesoSinControl(const QKeyEvent& tecla);

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    bool Mueve(int paso, bool mismoMarco);
    std::vector<QWidget*> paradas_;
};
