#include "EnlaceRadio.h"

#include <QDir>
#include <QTimer>

#include <hamlib/rig.h>

#include <algorithm>
#include <cmath>
#include <mutex>

namespace {

// Hamlib's backends are registered once, before any rig is made or listed from any thread; its
// own trace would fill the operator's terminal.
void PreparaHamlib() {
    static std::once_flag hecho;
    std::call_once(hecho, [] {
        rig_set_debug(RIG_DEBUG_NONE);
        rig_load_all_backends();
    });
}

void Ajusta(RIG* rig, const char* nombre, const QString& valor) {
    rig_set_conf(rig, rig_token_lookup(rig, nombre), valor.toUtf8().constData());
}

// An open rig, closed and freed with its owner.
struct Rig {
    RIG* rig = nullptr;
    Rig() = default;
    Rig(const Rig&) = delete;
    Rig& operator=(const Rig&) = delete;
    ~Rig() { cierra(); }
    void cierra() {
        if (!rig) return;
        rig_close(rig);
        rig_cleanup(rig);
        rig = nullptr;
    }
};

// Why the radio of `c` does not answer, in the operator's words.
QString SinRespuesta(const ConfiguracionRadio& c) {
    if (c.tipo == TipoRadio::Rigctld)
        return QStringLiteral("No hay rigctld en %1:%2").arg(c.host).arg(c.puertoRed);
    return QStringLiteral("No responde el equipo en %1 a %2 baudios").arg(c.dispositivo).arg(c.velocidad);
}

// Opens the radio of `c` into `r`; on failure `r` stays closed and `motivo` says why.
bool Abre(const ConfiguracionRadio& c, Rig& r, QString& motivo) {
    PreparaHamlib();
    r.cierra();
    const rig_model_t modelo = c.tipo == TipoRadio::Rigctld ? RIG_MODEL_NETRIGCTL : c.modelo;
    r.rig = rig_init(modelo);
    if (!r.rig) {
        motivo = QStringLiteral("Hamlib no conoce el modelo de equipo %1").arg(c.modelo);
        return false;
    }
    if (c.tipo == TipoRadio::Rigctld) {
        Ajusta(r.rig, "rig_pathname", QStringLiteral("%1:%2").arg(c.host).arg(c.puertoRed));
    } else {
        if (!c.dispositivo.isEmpty()) Ajusta(r.rig, "rig_pathname", c.dispositivo);
        Ajusta(r.rig, "serial_speed", QString::number(c.velocidad));
    }
    // One short wait and no retries: a silent radio is reported at once and opened again later.
    Ajusta(r.rig, "timeout", QString::number(EnlaceRadio::EsperaRespuesta));
    Ajusta(r.rig, "retry", QStringLiteral("0"));
    if (rig_open(r.rig) != RIG_OK) {
        rig_cleanup(r.rig);
        r.rig = nullptr;
        motivo = SinRespuesta(c);
        return false;
    }
    // Every reading asks the radio itself: a cached answer would hide its loss.
    rig_set_cache_timeout_ms(r.rig, HAMLIB_CACHE_ALL, 0);
    return true;
}

// One reading of an open rig; a failed call leaves `conectado` false.
LecturaRadio Lee(RIG* rig) {
    LecturaRadio l;
    freq_t frecuencia = 0;
    rmode_t modo = RIG_MODE_NONE;
    pbwidth_t ancho = 0;
    if (rig_get_freq(rig, RIG_VFO_CURR, &frecuencia) != RIG_OK ||
        rig_get_mode(rig, RIG_VFO_CURR, &modo, &ancho) != RIG_OK) {
        l.problema = SinConexion;
        return l;
    }
    l.conectado = true;
    l.frecuenciaHz = frecuencia;
    const char* nombre = modo == RIG_MODE_NONE ? "" : rig_strrmode(modo);
    l.modo = QString::fromLatin1(nombre ? nombre : "");
    if (!std::isfinite(frecuencia) || frecuencia <= 0)
        l.problema = QStringLiteral("frecuencia no válida (%1 Hz)").arg(frecuencia);
    else if (l.modo.isEmpty())
        l.problema = QStringLiteral("modo desconocido");
    return l;
}

} // namespace

// The worker: owns the rig and its poll, on the link's thread.
class TrabajoRadio : public QObject {
    Q_OBJECT
public:
    TrabajoRadio() : temporizador_(this) {
        temporizador_.setSingleShot(true);
        connect(&temporizador_, &QTimer::timeout, this, &TrabajoRadio::sondea);
    }

    void aplica(const ConfiguracionRadio& c) {
        temporizador_.stop();
        rig_.cierra();
        configuracion_ = c;
        if (c.tipo == TipoRadio::Ninguno) {
            informa(LecturaRadio{});
            return;
        }
        sondea();
    }

    void prueba(const ConfiguracionRadio& c) {
        LecturaRadio l;
        QString motivo;
        if (rig_.rig && c == configuracion_) {
            l = Lee(rig_.rig);
        } else {
            Rig propio;
            if (!Abre(c, propio, motivo)) {
                emit resultadoPrueba(false, motivo);
                return;
            }
            l = Lee(propio.rig);
        }
        if (!l.conectado)
            emit resultadoPrueba(false, SinRespuesta(c));
        else if (!l.problema.isEmpty())
            emit resultadoPrueba(false, l.problema);
        else
            emit resultadoPrueba(true, TextoLectura(l));
    }

    void termina() {
        temporizador_.stop();
        rig_.cierra();
    }

signals:
    void lectura(const LecturaRadio& lectura);
    void resultadoPrueba(bool ok, const QString& texto);

private:
    // One request at a time: the next one is timed from this one's answer.
    void sondea() {
        QString motivo;
        if (!rig_.rig && !Abre(configuracion_, rig_, motivo)) {
            LecturaRadio perdida;
            perdida.problema = SinConexion;
            informa(perdida);
            temporizador_.start(EnlaceRadio::IntervaloReintento);
            return;
        }
        const LecturaRadio l = Lee(rig_.rig);
        informa(l);
        if (l.conectado) {
            temporizador_.start(EnlaceRadio::IntervaloSondeo);
        } else {
            rig_.cierra();
            temporizador_.start(EnlaceRadio::IntervaloReintento);
        }
    }

    void informa(const LecturaRadio& l) {
        if (l == anterior_) return;
        anterior_ = l;
        emit lectura(l);
    }

    QTimer temporizador_;
    Rig rig_;
    LecturaRadio anterior_;
    ConfiguracionRadio configuracion_;
};

EnlaceRadio::EnlaceRadio(QObject* parent) : QObject(parent), hilo_(new QThread), trabajo_(new TrabajoRadio) {
    qRegisterMetaType<LecturaRadio>();
    trabajo_->moveToThread(hilo_);
    connect(hilo_, &QThread::finished, trabajo_, &QObject::deleteLater);
    connect(hilo_, &QThread::finished, hilo_, &QObject::deleteLater);
    connect(trabajo_, &TrabajoRadio::lectura, this, [this](const LecturaRadio& l) {
        ultima_ = l;
        emit lectura(l);
    });
    connect(trabajo_, &TrabajoRadio::resultadoPrueba, this, &EnlaceRadio::resultadoPrueba);
    hilo_->start();
}

EnlaceRadio::~EnlaceRadio() {
    disconnect(trabajo_, nullptr, this, nullptr);
    QMetaObject::invokeMethod(trabajo_, [t = trabajo_] {
        t->termina();
        QThread::currentThread()->quit();
    });
}

void EnlaceRadio::conecta(const ConfiguracionRadio& configuracion) {
    QMetaObject::invokeMethod(trabajo_, [t = trabajo_, configuracion] { t->aplica(configuracion); });
}

void EnlaceRadio::prueba(const ConfiguracionRadio& configuracion) {
    QMetaObject::invokeMethod(trabajo_, [t = trabajo_, configuracion] { t->prueba(configuracion); });
}

QList<ModeloHamlib> EnlaceRadio::ModelosHamlib() {
    PreparaHamlib();
    QList<ModeloHamlib> modelos;
    rig_list_foreach(
        [](const rig_caps* caps, rig_ptr_t datos) {
            static_cast<QList<ModeloHamlib>*>(datos)->append({QString::fromUtf8(caps->mfg_name),
                                                              QString::fromUtf8(caps->model_name),
                                                              int(caps->rig_model)});
            return 1; // go on
        },
        &modelos);
    std::sort(modelos.begin(), modelos.end(), [](const ModeloHamlib& a, const ModeloHamlib& b) {
        const int f = QString::localeAwareCompare(a.fabricante, b.fabricante);
        return f != 0 ? f < 0 : QString::localeAwareCompare(a.modelo, b.modelo) < 0;
    });
    return modelos;
}

QStringList EnlaceRadio::PuertosSerie() {
    // The USB adapters a radio's CAT cable is nearly always on come before the built-in ports.
    QStringList puertos;
    for (const char* patron : {"ttyUSB*", "ttyACM*", "ttyS*"}) {
        QStringList nombres = QDir(QStringLiteral("/dev")).entryList({QLatin1String(patron)}, QDir::System);
        std::sort(nombres.begin(), nombres.end(), [](const QString& a, const QString& b) {
            return a.size() != b.size() ? a.size() < b.size() : a < b; // ttyS2 before ttyS10
        });
        for (const QString& nombre : nombres)
            puertos << QStringLiteral("/dev/") + nombre;
    }
    return puertos;
}

#include "EnlaceRadio.moc"
