#include "FLogConcurso.h"

#include "Avisos.h"
#include "CampoTexto.h"
#include "Contactos.h"
#include "CursorEspera.h"
#include "FrameMenu.h"
#include "Nombres.h"
#include "PanelBandasModos.h"
#include "PanelRepeticion.h"
#include "PreviaTeclas.h"
#include "PrimeraActivacion.h"
#include "RadioLog.h"
#include "RejillaLog.h"
#include "Reloj.h"
#include "Repeticion.h"
#include "TeclasRetenidas.h"
#include "Ventanas.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QVBoxLayout>

#include "TextosLog.h"

namespace {
// Every activation after the first puts the focus in its place, except the return from a box of
// the window, which leaves the focus where the box put it (the field a refused check names).
class VigilaActivacion : public QObject {
public:
    VigilaActivacion(QWidget& ventana, std::function<void()> alVolver)
        : QObject(&ventana), alVolver_(std::move(alVolver)) {
        ventana.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* evento) override {
        if (evento->type() == QEvent::WindowDeactivate)
            trasCaja_ = QApplication::activeModalWidget() != nullptr;
        if (evento->type() == QEvent::WindowActivate) {
            if (!trasCaja_) alVolver_();
            trasCaja_ = false;
        }
        return false;
    }

private:
    std::function<void()> alVolver_;
    bool trasCaja_ = false;
};
} // namespace

FLogConcurso::FLogConcurso(Programa& programa, int numeroConcurso, int numeroIndicativo,
                           std::function<void()> alCerrar, QWidget* padre)
    : QWidget(padre), programa_(programa), numeroConcurso_(numeroConcurso),
      numeroIndicativo_(numeroIndicativo), alCerrar_(std::move(alCerrar)) {
    setObjectName("FLogConcurso");
    setAttribute(Qt::WA_DeleteOnClose, false);
}

FLogConcurso::~FLogConcurso() {
    // The children go after the log: a focus moving among them must not reach for it.
    disconnect(focoEnOpcion_);
}

void FLogConcurso::Form_Load() {
    CursorEspera espera;
    BaseDatos& bd = *programa_.BaseConcursos;
    datos_ = LeeFilaConcurso(bd, numeroConcurso_);
    estacion_ = LeeFilaIndicativo(bd, numeroIndicativo_);
    nombres_ = LeeFilaControl(bd).nombres;
    ReglasContacto reglas = ReglasDe(datos_, estacion_.indicativo);
    log_ = std::make_unique<LogContactos>(programa_.BaseConcursos, numeroConcurso_);
    construyeVentana(std::move(reglas));
    QuitaTabStop(*this);
    ColocaEnPantalla(*this, programa_.PorcentajePantalla);
    entrada_->cargaOpciones(bandasModos_->CargaBandasModos(datos_, nombres_).second);
    construyeTeclas();
    new PrimeraActivacion(*this, [this] { Form_Activate(); });
    new VigilaActivacion(*this, [this] {
        if (estado() != EstadoVentanaLog::Apertura) QTimer::singleShot(0, this, [this] { colocaFoco(); });
    });
    show();
}

void FLogConcurso::construyeVentana(ReglasContacto reglas) {
    setWindowTitle(datos_.nombreConcurso);
    auto* principal = CuerpoDesplazable(*this);
    construyePanelRepeticion();
    principal->addWidget(panelRepeticion_);

    rejilla_ = new RejillaLog(datos_, this);
    rejilla_->alEntrar = [this](CeldaLog& c) { entrada_->alEntrarEnCelda(c); };
    principal->addWidget(rejilla_);
    panelRepeticion_->alineaCon(*rejilla_);

    auto* abajo = new QHBoxLayout;
    bandasModos_ = new PanelBandasModos(this);
    abajo->addWidget(bandasModos_, 1);

    frameFecha_ = new QGroupBox(this);
    frameFecha_->setObjectName("FrameFecha");
    auto* fecha = new QVBoxLayout(frameFecha_);
    tiempoReal_ = new QRadioButton("QSO en &Tiempo Real", frameFecha_);
    Nombra(tiempoReal_, "TiempoReal", tiempoReal_->text());
    otraFecha_ = new QRadioButton("QSO en &otra Fecha", frameFecha_);
    Nombra(otraFecha_, "OtraFecha", otraFecha_->text());
    // Chosen by their access keys or a click, never holding the focus themselves.
    for (QRadioButton* o : {tiempoReal_, otraFecha_})
        o->setFocusPolicy(Qt::NoFocus);
    fechaActual_ = new CampoTexto(QColor(0, 255, 255), frameFecha_);
    Nombra(fechaActual_, "FechaActual", "Fecha CONTACTOS");
    fechaActual_->setMaxLength(10);
    fechaActual_->setBloqueado(true);
    fecha->addWidget(tiempoReal_);
    fecha->addWidget(otraFecha_);
    fecha->addWidget(Etiqueta(frameFecha_, "LabelFechaActual", "Fecha CONTACTOS"));
    fecha->addWidget(fechaActual_);
    tiempoReal_->setChecked(true);
    abajo->addWidget(frameFecha_);
    principal->addLayout(abajo);
    radio_ = new RadioLog(
        *programa_.BaseConcursos, *bandasModos_, [this] { return SigueAlEquipo(estado()); }, this);

    menu_ = new FrameMenu(this);
    menu_->ponEstado(radio_->estado());
    principal->addWidget(menu_);
    vigilaClic(bandasModos_->marcoBanda());
    vigilaClic(bandasModos_->marcoModo());
    vigilaClic(*menu_);
    labelEnter_ = Etiqueta(this, "LabelEnter", TextoCarga);
    principal->addWidget(labelEnter_);

    entrada_ = new EntradaLog(*this, *rejilla_, *bandasModos_, *panelRepeticion_, *log_, programa_, datos_,
                              nombres_, std::move(reglas), this);
    entrada_->frecuenciaEquipo = [this](const QString& banda) { return radio_->frecuenciaPara(banda); };
    // The outputs' panels take the grid's place in the window.
    salidas_ = new SalidasLog(*this, *this, *principal, principal->indexOf(rejilla_) + 1, *log_, programa_,
                              datos_, estacion_);
    conectaBotones();
}

void FLogConcurso::conectaBotones() {
    const auto conecta = [this](ControlLog c, auto alPulsar) {
        connect(menu_->boton(c), &QPushButton::clicked, this, alPulsar);
    };
    conecta(ControlLog::Aceptar, [this] { aceptar(); });
    conecta(ControlLog::Cancelar, [this] { cancelar(); });
    conecta(ControlLog::Volver, [this] { volver(); });
    conecta(ControlLog::Ordenar, [this] { dispara(EventoLog::Ordenar); });
    conecta(ControlLog::ModificarReg, [this] { dispara(EventoLog::ModificarReg); });
    conecta(ControlLog::BorrarReg, [this] { dispara(EventoLog::BorrarReg); });
    conecta(ControlLog::Listar, [this] {
        if (dispara(EventoLog::Listar)) salidas_->abreEleccion();
    });
    conecta(ControlLog::ExportarXk, [this] {
        if (dispara(EventoLog::ExportarXk)) salidas_->abreLibro();
    });
    conecta(ControlLog::ExportarADIF, [this] {
        if (dispara(EventoLog::ExportarADIF)) salidas_->exportaAdif();
    });
    connect(otraFecha_, &QRadioButton::toggled, this, [this](bool si) {
        if (si) dispara(EventoLog::OtraFecha);
    });
    connect(tiempoReal_, &QRadioButton::toggled, this, [this](bool si) {
        if (si) dispara(EventoLog::TiempoReal);
    });
    // Choosing the option already chosen chooses it again: another date change by its access key.
    connect(otraFecha_, &QRadioButton::clicked, this, [this] { dispara(EventoLog::OtraFecha); });
    connect(tiempoReal_, &QRadioButton::clicked, this, [this] { dispara(EventoLog::TiempoReal); });
    // Nothing typed means anything on an option of the window: should the focus fall there, it
    // goes back.
    focoEnOpcion_ = connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* ahora) {
        if (ahora && (bandasModos_->isAncestorOf(ahora) || ahora == tiempoReal_ || ahora == otraFecha_))
            colocaFoco();
    });
}

void FLogConcurso::construyePanelRepeticion() {
    panelRepeticion_ = new PanelRepeticion(this);
    panelRepeticion_->ponNumeraloSiglas(datos_.numeraloSiglas);
    QListWidget* lista = panelRepeticion_->lista();
    // The panel keeps its place while hidden: showing it must neither move the grid under the
    // operator's eyes nor grow the window past the screen.
    // On a screen as short as 1280x720 the room kept for it is two lines, so the window fits.
    const int lineas = SitioVentana(*this).height() < 720 ? 2 : 4;
    lista->setMaximumHeight(lista->fontMetrics().lineSpacing() * lineas + 6);
    for (QWidget* w : {static_cast<QWidget*>(panelRepeticion_), static_cast<QWidget*>(lista)}) {
        QSizePolicy p = w->sizePolicy();
        p.setRetainSizeWhenHidden(true);
        w->setSizePolicy(p);
    }
}

void FLogConcurso::vigilaClic(QWidget& marco) {
    marco.installEventFilter(this);
}

void FLogConcurso::Form_Activate() {
    if (estado() == EstadoVentanaLog::Apertura && log_) {
        fechaActual_->setText(Hoy().toString(FormatoFecha));
        rejilla_->BorraPantalla();
        // A refused renumbering shows the log in its old order rather than not at all; the next
        // opening renumbers.
        if (!intentaBD([this] { log_->abre(); })) intentaBD([this] { log_->carga(); });
        cargaPagina();
        entrada_->abre();
        dispara(EventoLog::Abre);
        aplica(nav_.tecla(NavegacionLog::Tecla::Abajo, false), false);
    }
    colocaFoco();
}

CeldaLog* FLogConcurso::celdaActual(Columna c) const {
    return rejilla_->celda(c, nav_.FilaActual);
}

void FLogConcurso::muestraPagina() {
    const std::vector<Qso> qsos = log_->lee(nav_.primeraDePagina(), nav_.ultimaDePagina());
    for (int f = 0; f < RejillaLog::NumeroFilas; ++f) {
        rejilla_->BorraLinea(f);
        if (f < static_cast<int>(qsos.size())) rejilla_->MuestraContacto(f, qsos[static_cast<size_t>(f)]);
    }
}

// CargaContactos: the last page, its last QSO current.
void FLogConcurso::cargaPagina() {
    for (int f = 0; f < RejillaLog::NumeroFilas; ++f)
        rejilla_->MarcaLinea(false, f);
    nav_.cargaContactos(log_->total());
    if (nav_.TotalContactos == 0) {
        rejilla_->BorraLinea(nav_.FilaActual);
        rejilla_->MarcaLinea(true, 0);
        rejilla_->ponNumQso({});
    } else {
        rejilla_->ponNumQso(QStringLiteral("%1 QSO").arg(nav_.TotalContactos));
        rejilla_->BorraPantalla();
        muestraPagina();
    }
    setWindowTitle(datos_.nombreConcurso);
}

void FLogConcurso::muestraGuardado() {
    for (int i = 0; i < RejillaLog::NumeroFilas; ++i)
        rejilla_->MarcaLinea(false, i);
    nav_.cargaContactos(log_->total());
    rejilla_->ponNumQso(QStringLiteral("%1 QSO").arg(nav_.TotalContactos));
    muestraPagina();
    dispara(EventoLog::Graba);
    aplica(nav_.tecla(NavegacionLog::Tecla::Abajo, false), false);
}

bool FLogConcurso::dispara(EventoLog evento) {
    const bool hecho = maquina_.dispara(evento, *this);
    // A reading that came while the options could not follow (the opening, a correction) is
    // taken once they can again.
    if (radio_) radio_->pendiente();
    return hecho;
}

QString FLogConcurso::fechaActual() const {
    return fechaActual_->text();
}

void FLogConcurso::muestraErrorBD(const QString& mensaje) {
    // The keys typed while the engine waited stay for the entry line, not for the box.
    TeclasRetenidas retenidas;
    MsgBox(mensaje, Icono::Critico);
}

void FLogConcurso::aceptar() {
    CursorEspera espera;
    dispara(EventoLog::Aceptar);
}

void FLogConcurso::cancelar() {
    dispara(EventoLog::Cancelar);
}

bool FLogConcurso::intentaBD(const std::function<void()>& paso) {
    try {
        paso();
        return true;
    } catch (const ErrorBD& e) {
        muestraErrorBD(e.mensaje());
        return false;
    }
}

void FLogConcurso::recarga() {
    // A refused read leaves the grid showing what it read last.
    intentaBD([this] { log_->carga(); });
    cargaPagina();
}

void FLogConcurso::volver() {
    if (!dispara(EventoLog::Volver)) return;
    entrada_->paraReloj();
    close();
    if (alCerrar_) alCerrar_();
}

void FLogConcurso::closeEvent(QCloseEvent* evento) {
    // Only FIN closes the window.
    if (estado() != EstadoVentanaLog::Cerrada) {
        evento->ignore();
        return;
    }
    evento->accept();
}
