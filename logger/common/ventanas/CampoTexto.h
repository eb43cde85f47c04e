#pragma once
#include <QColor>
#include <QLineEdit>

#include <functional>

// A text box with the entry lock: while locked a mouse click neither gives it the focus nor puts
// the caret in it, but it still takes the focus and typed keys when the program moves the focus
// there. The box with the focus is painted in the window's highlight colour.
class CampoTexto : public QLineEdit {
public:
    explicit CampoTexto(QColor colorFoco, QWidget* parent = nullptr);
    void setBloqueado(bool bloqueado);
    bool bloqueado() const { return bloqueado_; }
    // Every letter typed or pasted from then on becomes a capital, the caret staying where it was.
    void ponMayusculas();
    // At most `largo` characters: a key or a paste that would make the text longer is refused whole
    // (the box keeps what it had) and `alRebasar` says why; nothing is cut in silence. The program's
    // own texts are not held to it.
    void ponLargoMaximo(int largo, std::function<void()> alRebasar);

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;

private:
    void pinta(QColor fondo);
    QColor colorFoco_;
    bool bloqueado_ = false;
    int largo_ = 0;  // 0: no limit of its own
    QString previo_; // the text before the edit being signalled
    std::function<void()> alRebasar_;
};
