#pragma once
#include <QMetaType>
#include <QString>
#include <QStringList>

#include <optional>

// What the radio said at one poll.
struct LecturaRadio {
    bool conectado = false;
    double frecuenciaHz = 0;
    QString modo;     // Hamlib's name: "CW", "USB", "LSB", "FM", "AM", "RTTY", "PKTUSB"...
    QString problema; // in Spanish, empty when the reading is sound

    bool operator==(const LecturaRadio&) const = default;
};
Q_DECLARE_METATYPE(LecturaRadio)

// A radio that is lost while set carries this problem; a reading with no problem and no
// connection is no radio at all.
inline const QString SinConexion = QStringLiteral("sin conexión (reintentando)");

// The status line: "Equipo: 14.025,00 kHz CW", "Equipo: sin conexión (reintentando)", "Equipo: "
// and the problem of the reading; empty for no radio.
QString TextoEstadoRadio(const LecturaRadio& lectura);
// A sound reading's frequency and mode: "14.025,00 kHz CW".
QString TextoLectura(const LecturaRadio& lectura);

// The contest's mode for Hamlib's mode `modoHamlib` among the enabled ones (upper-cased log
// texts): CW/CWR give CW, USB/LSB give SSB when enabled or else themselves, RTTY/RTTYR give RTTY,
// FM and AM themselves. Empty when the option should stay as it is: a data mode, a mode the
// contest does not enable (see AvisoNoHabilitado) or one no option names.
std::optional<QString> ModoDelContest(const QString& modoHamlib, const QStringList& modosHabilitados);

// The enabled band text ("14", "144", or a user band that is a number of MHz) whose range holds
// `hz`; empty when none does.
std::optional<QString> BandaDeFrecuencia(double hz, const QStringList& bandasHabilitadas);

// For the status line, when the radio sits on a band or in a mode the contest does not enable:
// "El equipo está en 10 MHz: banda no habilitada en este concurso", "El equipo está en FM: modo no
// habilitado en este concurso"; empty when the reading fits the contest or is no reading at all.
QString AvisoNoHabilitado(const LecturaRadio& lectura, const QStringList& bandasHabilitadas,
                          const QStringList& modosHabilitados);
