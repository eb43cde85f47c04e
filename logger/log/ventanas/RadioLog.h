#pragma once
#include "LecturaRadio.h"

#include <QObject>
#include <QString>

#include <functional>
#include <optional>

class BaseDatos;
class EnlaceRadio;
class PanelBandasModos;
class QLabel;

// The radio in the log window: the status line EstadoRadio under the options, and the band and
// mode options following the radio's changes while `sigue()` allows, by the options' own click.
// Hamlib runs on the link's worker thread; here only its queued readings arrive.
class RadioLog : public QObject {
public:
    RadioLog(BaseDatos& bd, PanelBandasModos& opciones, std::function<bool()> sigue, QWidget* padre);

    QLabel* estado() const { return estado_; }
    // The radio's frequency in Hz ("7025000") when it is sound and on `banda`; empty otherwise, so
    // a QSO logged on another band by hand does not take it.
    QString frecuenciaPara(const QString& banda) const;

    // After a change of state: the radio's last change, if the options could not follow it then.
    void pendiente();

private:
    void lee(const LecturaRadio& l);

    PanelBandasModos& opciones_;
    std::function<bool()> sigue_;
    QLabel* estado_;
    EnlaceRadio* enlace_;
    LecturaRadio ultima_;
    // What the options last followed: a change of the radio's, not the operator's clicks, moves them.
    std::optional<QString> banda_, modo_;
    // A reading came while the options could not follow it.
    bool pendiente_ = false;
};
