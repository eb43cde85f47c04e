#pragma once
#include <QObject>
#include <QPointer>
#include <QWidget>

#include <memory>
#include <vector>

class QKeyEvent;

// Keys typed while the window thread waited (a write blocked by another program's lock) are still
// queued; a message box shown now would take them, and an F12 among them would run again inside
// the failed step. Made before such a box: the queued input is read now and its keys held (clicks
// made while nothing could answer are dropped); when it goes, after the box, the keys go to the
// field with the focus, as if typed then.
class TeclasRetenidas : public QObject {
public:
    TeclasRetenidas();
    ~TeclasRetenidas() override;
    TeclasRetenidas(const TeclasRetenidas&) = delete;
    TeclasRetenidas& operator=(const TeclasRetenidas&) = delete;

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    std::vector<std::unique_ptr<QKeyEvent>> teclas_;
    QPointer<QWidget> campo_;
};
