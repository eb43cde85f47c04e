#include "FLogConcurso.h"

#include "Avisos.h"
#include "CampoTexto.h"
#include "ConcursosNombrados.h"
#include "Contactos.h"
#include "CursorEspera.h"
#include "FrameMenu.h"
#include "ListaProvincias.h"
#include "Nombres.h"
#include "PanelBandasModos.h"
#include "PanelListados.h"
#include "PanelRepeticion.h"
#include "PreviaTeclas.h"
#include "PrimeraActivacion.h"
#include "RejillaLog.h"
#include "Reloj.h"
#include "Repeticion.h"
#include "Ventanas.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QVBoxLayout>

#include "TextosLog.h"

FLogConcurso::FLogConcurso(Programa& programa, int numeroConcurso, int numeroIndicativo,
                           std::function<void()> alCerrar, QWidget* padre)
    : QWidget(padre), programa_(programa), numeroConcurso_(numeroConcurso),
      numeroIndicativo_(numeroIndicativo), alCerrar_(std::move(alCerrar)) {
    setObjectName("FLogConcurso");
    setAttribute(Qt::WA_DeleteOnClose, false);
}

FLogConcurso::~FLogConcurso() = default;

void FLogConcurso::Form_Load() {
    CursorEspera espera;
    BaseDatos& bd = *programa_.BaseConcursos;
    datos_ = LeeFilaConcurso(bd, numeroConcurso_);
    estacion_ = LeeFilaIndicativo(bd, numeroIndicativo_);
    nombres_ = LeeFilaControl(bd).nombres;
    reglas_ = ReglasDe(datos_, estacion_.indicativo);
    log_ = std::make_unique<LogContactos>(programa_.BaseConcursos, numeroConcurso_);
    construyeVentana();
    QuitaTabStop(*this);
    adjustSize();
    AjustaPantalla(*this, programa_.PorcentajePantalla);
    CentraFormulario(*this);
    const auto [banda, modo] = BandasModos->CargaBandasModos(datos_, nombres_);
    IndiceBandaActual = banda >= 0 ? banda : datos_.indiceBanda;
    if (modo < 0) IndiceModoActual = datos_.indiceModo;
    // The options' captions do not change while the log is open; the mode field holds capitals,
    // so a user mode named in small letters is compared as the field shows it.
    for (QRadioButton* b : BandasModos->Option3D1)
        if (b->isEnabled()) bandas_ << b->text();
    for (QRadioButton* b : BandasModos->Option3D2)
        if (b->isEnabled()) modos_ << b->text().toUpper();
    ModoEdicion_ = ModoEdicion::Ninguno;
    flags_.VentanaIniciada = true;
    flags_.PuedeCerrar = false;
    construyeTeclas();
    new PrimeraActivacion(*this, [this] { Form_Activate(); });
    show();
}

void FLogConcurso::construyeVentana() {
    setWindowTitle(datos_.nombreConcurso);
    auto* principal = new QVBoxLayout(this);
    construyePanelRepeticion();
    principal->addWidget(PanelRepeticion);

    Rejilla = new RejillaLog(datos_, this);
    Rejilla->alEntrar = [this](CeldaLog& c) { alEntrarEnCelda(c); };
    principal->addWidget(Rejilla);
    PanelRepeticion->alineaCon(*Rejilla);

    auto* abajo = new QHBoxLayout;
    BandasModos = new PanelBandasModos(this);
    BandasModos->alElegirBanda = [this](int i) { eligeBanda(i); };
    BandasModos->alElegirModo = [this](int i) { eligeModo(i); };
    abajo->addWidget(BandasModos, 1);

    FrameFecha = new QGroupBox(this);
    FrameFecha->setObjectName("FrameFecha");
    auto* fecha = new QVBoxLayout(FrameFecha);
    TiempoReal = new QRadioButton("QSO en Tiempo Real", FrameFecha);
    Nombra(TiempoReal, "TiempoReal", TiempoReal->text());
    OtraFecha = new QRadioButton("QSO en otra Fecha", FrameFecha);
    Nombra(OtraFecha, "OtraFecha", OtraFecha->text());
    FechaActual = new CampoTexto(QColor(0, 255, 255), FrameFecha);
    Nombra(FechaActual, "FechaActual", "Fecha CONTACTOS");
    FechaActual->setMaxLength(10);
    FechaActual->setBloqueado(true);
    fecha->addWidget(TiempoReal);
    fecha->addWidget(OtraFecha);
    fecha->addWidget(Etiqueta(FrameFecha, "LabelFechaActual", "Fecha CONTACTOS"));
    fecha->addWidget(FechaActual);
    TiempoReal->setChecked(true);
    abajo->addWidget(FrameFecha);
    principal->addLayout(abajo);

    Menu = new FrameMenu(this);
    principal->addWidget(Menu);
    vigilaClic(BandasModos->FrameBanda);
    vigilaClic(BandasModos->FrameModo);
    vigilaClic(Menu);
    LabelEnter = Etiqueta(this, "LabelEnter", TextoCarga);
    principal->addWidget(LabelEnter);

    // Province codes for the exchange checks; never shown.
    ListaProv = new QListWidget(this);
    Nombra(ListaProv, "ListaProv", "Provincias");
    ListaProv->hide();

    Timer2 = new QTimer(this);
    Timer2->setObjectName("Timer2");
    connect(Timer2, &QTimer::timeout, this, &FLogConcurso::Timer2_Timer);
    connect(Menu->Aceptar, &QPushButton::clicked, this, &FLogConcurso::Aceptar_Click);
    connect(Menu->Cancelar, &QPushButton::clicked, this, &FLogConcurso::Cancelar_Click);
    connect(Menu->Volver, &QPushButton::clicked, this, &FLogConcurso::Volver_Click);
    connect(Menu->Ordenar, &QPushButton::clicked, this, &FLogConcurso::Ordenar_Click);
    connect(Menu->ModificarReg, &QPushButton::clicked, this, &FLogConcurso::ModificarReg_Click);
    connect(Menu->BorrarReg, &QPushButton::clicked, this, &FLogConcurso::BorrarReg_Click);
    connect(Menu->Listar, &QPushButton::clicked, this, &FLogConcurso::Listar_Click);
    connect(Menu->ExportarXk, &QPushButton::clicked, this, &FLogConcurso::ExportarXk_Click);
    connect(Menu->ExportarADIF, &QPushButton::clicked, this, &FLogConcurso::ExportarADIF_Click);
    connect(OtraFecha, &QRadioButton::toggled, this, [this](bool si) {
        if (si) OtraFecha_Click();
    });
    connect(TiempoReal, &QRadioButton::toggled, this, [this](bool si) {
        if (si) TiempoReal_Click();
    });
    conectaCorrecciones();
    construyeSalidas();
}

void FLogConcurso::construyePanelRepeticion() {
    PanelRepeticion = new ::PanelRepeticion(this);
    PanelRepeticion->ponNumeraloSiglas(datos_.numeraloSiglas);
    ListaRepeticion = PanelRepeticion->lista();
    // The panel keeps its place while hidden: showing it must neither move the grid under the
    // operator's eyes nor grow the window past the screen.
    ListaRepeticion->setMaximumHeight(ListaRepeticion->fontMetrics().lineSpacing() * 4 + 6);
    for (QWidget* w : {static_cast<QWidget*>(PanelRepeticion), static_cast<QWidget*>(ListaRepeticion)}) {
        QSizePolicy p = w->sizePolicy();
        p.setRetainSizeWhenHidden(true);
        w->setSizePolicy(p);
    }
}

void FLogConcurso::vigilaClic(QWidget* marco) {
    marco->installEventFilter(this);
}

bool FLogConcurso::event(QEvent* evento) {
    // The first activation is PrimeraActivacion's; every later one puts the focus in its place,
    // except the return from a box of this window, which leaves the focus where the box put it
    // (the field a refused check names).
    if (evento->type() == QEvent::WindowDeactivate) trasCaja_ = QApplication::activeModalWidget() != nullptr;
    if (evento->type() == QEvent::WindowActivate && !flags_.VentanaIniciada) {
        if (!trasCaja_) QTimer::singleShot(0, this, &FLogConcurso::ColocaFoco);
        trasCaja_ = false;
    }
    return QWidget::event(evento);
}

void FLogConcurso::Form_Activate() {
    if (flags_.VentanaIniciada && log_) {
        flags_.LineaEntrada = false;
        FechaActual->setText(Hoy().toString(FormatoFecha));
        CargaListaProvincias(*ListaProv);
        Rejilla->BorraPantalla();
        // A refused renumbering shows the log in its old order rather than not at all; the next
        // opening renumbers.
        if (!intentaBD([this] { log_->abre(); })) intentaBD([this] { log_->carga(); });
        // Without the index the look-up still finds the repeats, only slower.
        intentaBD([this] { IndexaIndicativos(*programa_.BaseConcursos); });
        CargaContactos();
        NumeracionPorBanda_ = NumeracionPorBanda(datos_.nombreConcurso);
        Rejilla->BloqueaLinea(nav_.FilaActual, true);
        flags_.TeclasNavegacion = true;
        BotonesConsulta();
        aplica(nav_.tecla(NavegacionLog::Tecla::Abajo, false), false);
        flags_.VentanaIniciada = false;
    }
    ColocaFoco();
}

CeldaLog* FLogConcurso::celdaActual(Columna c) const {
    return Rejilla->celda(c, nav_.FilaActual);
}

void FLogConcurso::ColocaFoco() {
    if (flags_.VentanaIniciada) return;
    switch (ModoEdicion_) {
    case ModoEdicion::Alta:
    case ModoEdicion::Modificar:
        celdaActual(Columna::Indicativo)->setFocus();
        break;
    case ModoEdicion::Borrar:
        Menu->Cancelar->setFocus();
        break;
    case ModoEdicion::ListarCabrillo:
        if (FrameListaPantalla->isVisible()) FrameListaPantalla->AceptarFicheroCabrillo->setFocus();
        break;
    case ModoEdicion::CambioFecha:
        // An activation while the date is typed must not send the typing into the grid.
        FechaActual->setFocus();
        break;
    default:
        if (flags_.LineaEntrada)
            celdaActual(Columna::Indicativo)->setFocus();
        else
            celdaActual(Columna::FechaQso)->setFocus();
    }
}

void FLogConcurso::muestraPagina() {
    const int primera = nav_.primeraDePagina();
    const int ultima = nav_.ultimaDePagina();
    const std::vector<Qso> qsos = log_->lee(primera, ultima);
    for (int f = 0; f < RejillaLog::NumeroFilas; ++f) {
        Rejilla->BorraLinea(f);
        if (f < static_cast<int>(qsos.size())) Rejilla->MuestraContacto(f, qsos[static_cast<size_t>(f)]);
    }
}

void FLogConcurso::CargaContactos() {
    for (int f = 0; f < RejillaLog::NumeroFilas; ++f)
        Rejilla->MarcaLinea(false, f);
    nav_.cargaContactos(log_->total());
    if (nav_.TotalContactos == 0) {
        Rejilla->BorraLinea(nav_.FilaActual);
        Rejilla->MarcaLinea(true, 0);
        Rejilla->LabelNumQSO->clear();
    } else {
        Rejilla->LabelNumQSO->setText(QStringLiteral("%1 QSO").arg(nav_.TotalContactos));
        Rejilla->BorraPantalla();
        muestraPagina();
    }
    setWindowTitle(datos_.nombreConcurso);
}

void FLogConcurso::BotonesConsulta() {
    const bool hay = nav_.TotalContactos >= 1;
    for (QPushButton* b :
         {Menu->ModificarReg, Menu->BorrarReg, Menu->Listar, Menu->ExportarXk, Menu->Ordenar})
        b->setEnabled(hay);
    Menu->ExportarADIF->setEnabled(hay);
    Menu->Volver->setEnabled(true);
    Menu->Aceptar->setEnabled(false);
    Menu->Cancelar->setEnabled(false);
}

void FLogConcurso::DesactivaBotones() {
    for (QPushButton* b : {Menu->ModificarReg, Menu->BorrarReg, Menu->Volver, Menu->Listar, Menu->ExportarXk,
                           Menu->ExportarADIF, Menu->Ordenar})
        b->setEnabled(false);
}

void FLogConcurso::muestraErrorBD(const QString& mensaje) {
    MsgBox(mensaje, Icono::Critico);
}

void FLogConcurso::Aceptar_Click() {
    CursorEspera espera;
    if (ModoEdicion_ == ModoEdicion::Alta)
        GrabaContacto();
    else
        aceptaCorreccion();
}

void FLogConcurso::Cancelar_Click() {
    if (ModoEdicion_ == ModoEdicion::Alta) {
        int tecla = Qt::Key_Up;
        TeclaNavegacion(tecla);
    } else {
        cancelaCorreccion();
    }
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
    CargaContactos();
}

bool FLogConcurso::renumeraYRecarga() {
    // A refused renumbering leaves the log in its old order: shown, and exported, as it is.
    const bool hecho = intentaBD([this] { log_->renumera(); });
    recarga();
    return hecho;
}

void FLogConcurso::Ordenar_Click() {
    renumeraYRecarga();
    celdaActual(Columna::FechaQso)->setFocus();
}

void FLogConcurso::Volver_Click() {
    // The log stays open on a refusal: leaving now would leave the placeholders for the outputs.
    if (!intentaBD([this] { log_->quitaMarcadores(); })) return;
    flags_.PuedeCerrar = true;
    Timer2->stop();
    teclas_->setActiva(false);
    close();
    if (alCerrar_) alCerrar_();
}

void FLogConcurso::closeEvent(QCloseEvent* evento) {
    if (!flags_.PuedeCerrar) {
        evento->ignore();
        return;
    }
    evento->accept();
}
