#pragma once
#include "ConfiguracionRadio.h"
#include "LecturaRadio.h"

#include <QList>
#include <QObject>
#include <QThread>

// One rig of Hamlib's list, for the settings dialog.
struct ModeloHamlib {
    QString fabricante;
    QString modelo;
    int numero = 0;
};

class TrabajoRadio;

// The link to the transceiver. Every Hamlib call runs on one worker thread of its own, one request
// at a time, so a radio that does not answer never holds the caller's thread; the answers come
// back as queued signals. While connected it polls every IntervaloSondeo ms; a lost radio is
// reported at once and opened again every IntervaloReintento ms until it answers.
class EnlaceRadio : public QObject {
    Q_OBJECT
public:
    static constexpr int IntervaloSondeo = 300;
    static constexpr int IntervaloReintento = 2000;
    // How long Hamlib waits for one answer of the radio.
    static constexpr int EsperaRespuesta = 500;

    explicit EnlaceRadio(QObject* parent = nullptr);
    ~EnlaceRadio() override;

    // Opens the radio of `configuracion` and starts polling; TipoRadio::Ninguno disconnects.
    void conecta(const ConfiguracionRadio& configuracion);
    // Opens the radio of `configuracion` once and reads it, without touching the connection;
    // answered by resultadoPrueba.
    void prueba(const ConfiguracionRadio& configuracion);

    // The last reading given by `lectura` (no radio before the first).
    LecturaRadio ultimaLectura() const { return ultima_; }

    // Hamlib's rigs, by maker and model.
    static QList<ModeloHamlib> ModelosHamlib();
    // The serial devices present ("/dev/ttyUSB0"...).
    static QStringList PuertosSerie();

signals:
    // At every change of what the radio says (frequency, mode, its loss or return), so that an
    // operator's own choice stands until the radio moves.
    void lectura(const LecturaRadio& lectura);
    // `texto`: "14.025,00 kHz CW", or why the radio did not answer, in Spanish.
    void resultadoPrueba(bool ok, const QString& texto);

private:
    // Both end by themselves once the call in progress returns, so closing a window never waits
    // for a radio that does not answer.
    QThread* hilo_;
    TrabajoRadio* trabajo_; // lives on hilo_
    LecturaRadio ultima_;
};
