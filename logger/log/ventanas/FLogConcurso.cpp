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
#include "PreviaTeclas.h"
#include "PrimeraActivacion.h"
#include "RejillaLog.h"
#include "Reloj.h"
#include "Ventanas.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QVBoxLayout>

#include <array>

namespace {
const QString TextoCarga = QStringLiteral(" Pulse la tecla [ENTER] para pasar al siguiente control    Pulse "
                                          "[F12-Aceptar] para grabar el contacto ");
const QString TextoEntrada = QStringLiteral(
    " Pulse la tecla [ENTER] para pasar al siguiente control -- Pulse [F12-Aceptar] para grabar el "
    "contacto -- Pulse [ESC] para salir");
const QString TextoNavegacion =
    QStringLiteral(" Pulse [F8 Log] para obtener el FICHERO CABRILLO -- Pulse [FIN] para salir");
const QString FormatoFecha = QStringLiteral("dd-MM-yyyy");
} // namespace

FLogConcurso::FLogConcurso(EstadoPrincipal& estado, QWidget* padre) : QWidget(padre), estado_(estado) {
    setObjectName("FLogConcurso");
    setAttribute(Qt::WA_DeleteOnClose, false);
}

FLogConcurso::~FLogConcurso() = default;

void FLogConcurso::Form_Load() {
    CursorEspera espera;
    datos_ = LeeDatosConcurso(*estado_.RegConcursos);
    nombres_ = LeeNombresUsuario(*estado_.RegControl);
    log_ = std::make_unique<LogContactos>(estado_.BaseConcursos, *estado_.RegConcursos);
    construyeVentana();
    QuitaTabStop(*this);
    adjustSize();
    AjustaPantalla(*this, estado_.PorcentajePantalla);
    CentraFormulario(*this);
    const auto [banda, modo] = BandasModos->CargaBandasModos(datos_, nombres_);
    IndiceBandaActual = banda >= 0 ? banda : datos_.IndiceBanda;
    if (modo < 0) IndiceModoActual = datos_.IndiceModo;
    ModoEdicion_ = ModoEdicion::Ninguno;
    flags_.VentanaIniciada = true;
    flags_.PuedeCerrar = false;
    construyeTeclas();
    new PrimeraActivacion(*this, [this] { Form_Activate(); });
    show();
}

void FLogConcurso::construyeVentana() {
    setWindowTitle(datos_.NombreConcurso);
    auto* principal = new QVBoxLayout(this);
    construyePanelRepeticion();
    principal->addWidget(PanelRepeticion);

    Rejilla = new RejillaLog(datos_, this);
    Rejilla->alEntrar = [this](CeldaLog& c) { alEntrarEnCelda(c); };
    principal->addWidget(Rejilla);

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
}

// The repeat panel's place above the grid: empty until the repeat look-up fills it.
void FLogConcurso::construyePanelRepeticion() {
    PanelRepeticion = new QGroupBox("Estación repetida", this);
    PanelRepeticion->setObjectName("PanelRepeticion");
    auto* capa = new QVBoxLayout(PanelRepeticion);
    ListaRepeticion = new QListWidget(PanelRepeticion);
    Nombra(ListaRepeticion, "ListaRepeticion", "Estación repetida");
    ListaRepeticion->setMaximumHeight(60);
    capa->addWidget(ListaRepeticion);
    PanelRepeticion->hide();
}

bool FLogConcurso::event(QEvent* evento) {
    // The first activation is PrimeraActivacion's; every later one puts the focus in its place.
    if (evento->type() == QEvent::WindowActivate && !flags_.VentanaIniciada)
        QTimer::singleShot(0, this, &FLogConcurso::ColocaFoco);
    return QWidget::event(evento);
}

void FLogConcurso::Form_Activate() {
    if (flags_.VentanaIniciada && log_) {
        flags_.LineaEntrada = false;
        FechaActual->setText(Hoy().toString(FormatoFecha));
        CargaListaProvincias(*ListaProv);
        Rejilla->BorraPantalla();
        try {
            log_->abre();
        } catch (const ErrorBD& e) {
            // Shown in its old order rather than not at all; the next opening renumbers.
            muestraErrorBD(e.mensaje());
            log_->carga();
        }
        CargaContactos();
        NumeracionPorBanda_ = NumeracionPorBanda(datos_.NombreConcurso);
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
    setWindowTitle(datos_.NombreConcurso);
}

void FLogConcurso::aplica(const NavegacionLog::Paso& p, bool arriba) {
    if (arriba) {
        LabelEnter->setText(TextoNavegacion);
        TiempoReal->setEnabled(true);
        OtraFecha->setEnabled(true);
        if (OtraFecha->isChecked()) FechaActual->setBloqueado(false);
        PanelRepeticion->hide();
        ListaRepeticion->hide();
        flags_.LineaEntrada = false;
    }
    if (p.dejaLinea) {
        ModoEdicion_ = ModoEdicion::Ninguno;
        Timer2->stop();
        Rejilla->BorraLinea(p.filaDesmarcada);
        BotonesConsulta();
        flags_.TeclasNavegacion = true;
        Rejilla->setNavegando(true);
    }
    if (p.filaDesmarcada >= 0) Rejilla->MarcaLinea(false, p.filaDesmarcada);
    if (p.borraPantalla) Rejilla->BorraPantalla();
    if (p.llenaPagina) muestraPagina();
    if (p.marca) Rejilla->MarcaLinea(true, nav_.FilaActual);
    if (p.dejaLinea) Rejilla->BloqueaLinea(nav_.FilaActual, true);
    if (p.foco == NavegacionLog::Foco::Fecha) celdaActual(Columna::FechaQso)->setFocus();
    if (p.foco == NavegacionLog::Foco::Indicativo) celdaActual(Columna::Indicativo)->setFocus();
    if (p.pita) Beep();
    if (p.abreLinea) {
        flags_.LineaEntrada = true;
        NuevoContacto();
    }
}

void FLogConcurso::TeclaNavegacion(int& tecla) {
    using T = NavegacionLog::Tecla;
    T t = T::Otra;
    switch (tecla) {
    case Qt::Key_PageUp:
        t = T::RePag;
        break;
    case Qt::Key_PageDown:
        t = T::AvPag;
        break;
    case Qt::Key_End:
        t = T::Fin;
        break;
    case Qt::Key_Home:
        t = T::Inicio;
        break;
    case Qt::Key_Up:
        t = T::Arriba;
        break;
    case Qt::Key_Down:
        t = T::Abajo;
        break;
    default:
        break;
    }
    if (t == T::Otra) {
        if (ModoEdicion_ == ModoEdicion::Ninguno) tecla = 0;
        return;
    }
    const NavegacionLog::Paso p = nav_.tecla(t, ModoEdicion_ == ModoEdicion::Alta);
    if (p.consumida) tecla = 0;
    aplica(p, t == T::Arriba);
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

void FLogConcurso::NuevoContacto() {
    DesactivaBotones();
    reintento_ = false;
    qint16 desfase = 0;
    if (datos_.HoraUTC) {
        desfase = DesfaseUTCDeReloj(Ahora());
        try {
            log_->guardaHoraUTCActual(desfase);
        } catch (const ErrorBD& e) {
            muestraErrorBD(e.mensaje());
        }
    }
    estado_.DesfaseUTC = desfase;
    const int f = nav_.FilaActual;
    if (TiempoReal->isChecked()) {
        const MomentoQso m = MomentoEntrada(Ahora(), desfase);
        Rejilla->pon(Columna::FechaQso, f, m.fecha);
        Rejilla->pon(Columna::HoraQso, f, m.hora);
    } else {
        const QDate d = QDate::fromString(FechaActual->text(), FormatoFecha);
        Rejilla->pon(Columna::FechaQso, f, d.isValid() ? d.toString(FormatoFecha) : FechaActual->text());
        Rejilla->pon(Columna::HoraQso, f, QString());
    }
    Rejilla->pon(Columna::Banda, f, BandaActual);
    Rejilla->pon(Columna::Modo, f, ModoActual);
    RstPorDefecto_ =
        RstPorDefecto(ModoActual, IndiceModoActual, BandasModos->modoSeleccionado() == IndiceModoActual,
                      nombres_, RstPorDefecto_);
    Rejilla->pon(Columna::RsRecibido, f, RstPorDefecto_);
    Rejilla->pon(Columna::RsEnviado, f, RstPorDefecto_);
    PreparaEnvio();
    Menu->Aceptar->setEnabled(true);
    Menu->Cancelar->setEnabled(true);
    Rejilla->setNavegando(false);
    ModoEdicion_ = ModoEdicion::Alta;
    if (TiempoReal->isChecked()) {
        Timer2->start(30000);
        celdaActual(Columna::Indicativo)->setFocus();
    } else {
        Timer2->stop();
        celdaActual(Columna::HoraQso)->setFocus();
    }
    TiempoReal->setEnabled(false);
    OtraFecha->setEnabled(false);
    FechaActual->setBloqueado(true);
    LabelEnter->setText(TextoEntrada);
}

void FLogConcurso::PreparaEnvio() {
    const int f = nav_.FilaActual;
    datos_.UltimoNumEnviado = log_->siguienteNumero() - 1;
    ContextoEnvio c;
    c.numeracionPorBanda = NumeracionPorBanda_;
    if (NumeracionPorBanda_ && datos_.EnviarNumeral) UltimoSerieBanda = log_->ultimoNumeroBanda(BandaActual);
    c.ultimoSerieBanda = UltimoSerieBanda;
    c.ultimoNumeroRecibido = [this] { return log_->ultimoNumeroRecibido(); };
    c.horaQso = Rejilla->texto(Columna::HoraQso, f);
    const Preparacion p = ::PreparaEnvio(datos_, c);
    for (int i = 0; i < NumeroColumnas; ++i) {
        const auto col = static_cast<Columna>(i);
        if (p.texto[static_cast<size_t>(i)]) Rejilla->pon(col, f, *p.texto[static_cast<size_t>(i)]);
        if (p.bloqueo[static_cast<size_t>(i)]) Rejilla->bloquea(col, f, *p.bloqueo[static_cast<size_t>(i)]);
    }
}

// Until the exchange checks come, every QSO passes.
bool FLogConcurso::VerificaContacto() {
    return true;
}

// Until the repeat rules come, the look-up finds nothing.
void FLogConcurso::BuscaRepeticion() {}

// Until the corrections and the outputs come, their buttons do nothing.
void FLogConcurso::ModificarReg_Click() {}
void FLogConcurso::BorrarReg_Click() {}
void FLogConcurso::Listar_Click() {}
void FLogConcurso::ExportarXk_Click() {}
void FLogConcurso::ExportarADIF_Click() {}
// The date change ("CAMBIOFECHA") comes with the corrections; until then the next entry line takes
// the date in FechaActual.
void FLogConcurso::OtraFecha_Click() {}

void FLogConcurso::muestraErrorBD(const QString& mensaje) {
    MsgBox(mensaje, Icono::Critico);
}

void FLogConcurso::GrabaContacto() {
    const int f = nav_.FilaActual;
    Rejilla->pon(Columna::NumeroQso, f, QString::number(log_->siguienteNumero()));
    if (!VerificaContacto()) return;
    try {
        log_->graba(QsoDeFila(Rejilla->textos(f), datos_.NumeroOrden));
    } catch (const ErrorBD& e) {
        // Nothing stored: the QSO stays on the entry line for another F12.
        muestraErrorBD(e.mensaje());
        reintento_ = true;
        Menu->Aceptar->setEnabled(true);
        celdaActual(Columna::Indicativo)->setFocus();
        return;
    }
    Timer2->stop();
    PanelRepeticion->hide();
    ListaRepeticion->hide();
    for (int i = 0; i < RejillaLog::NumeroFilas; ++i)
        Rejilla->MarcaLinea(false, i);
    nav_.cargaContactos(log_->total());
    Rejilla->LabelNumQSO->setText(QStringLiteral("%1 QSO").arg(nav_.TotalContactos));
    muestraPagina();
    ModoEdicion_ = ModoEdicion::Ninguno;
    Rejilla->BloqueaLinea(nav_.FilaActual, true);
    flags_.TeclasNavegacion = true;
    Rejilla->MarcaLinea(true, nav_.FilaActual);
    flags_.LineaEntrada = false;
    estado_.OperacionEnCurso.clear();
    aplica(nav_.tecla(NavegacionLog::Tecla::Abajo, false), false);
}

void FLogConcurso::Timer2_Timer() {
    if (ModoEdicion_ != ModoEdicion::Alta || !nav_.enLineaEntrada()) return;
    const MomentoQso m = MomentoEntrada(Ahora(), estado_.DesfaseUTC);
    Rejilla->pon(Columna::FechaQso, nav_.FilaActual, m.fecha);
    Rejilla->pon(Columna::HoraQso, nav_.FilaActual, m.hora);
}

void FLogConcurso::Aceptar_Click() {
    CursorEspera espera;
    // "CAMBIOFECHA", "BORRAR" and "MODIFICAR" come with the corrections.
    if (ModoEdicion_ == ModoEdicion::Alta) GrabaContacto();
}

void FLogConcurso::Cancelar_Click() {
    if (ModoEdicion_ == ModoEdicion::Alta) {
        int tecla = Qt::Key_Up;
        TeclaNavegacion(tecla);
    }
}

void FLogConcurso::Ordenar_Click() {
    try {
        log_->renumera();
    } catch (const ErrorBD& e) {
        muestraErrorBD(e.mensaje());
    }
    log_->carga();
    CargaContactos();
    celdaActual(Columna::FechaQso)->setFocus();
}

void FLogConcurso::Volver_Click() {
    try {
        log_->quitaMarcadores();
    } catch (const ErrorBD& e) {
        // The log stays open: leaving now would leave the placeholders for the outputs.
        muestraErrorBD(e.mensaje());
        return;
    }
    flags_.PuedeCerrar = true;
    Timer2->stop();
    teclas_->setActiva(false);
    close();
    if (AlCerrar) AlCerrar();
}

void FLogConcurso::closeEvent(QCloseEvent* evento) {
    if (!flags_.PuedeCerrar) {
        evento->ignore();
        return;
    }
    evento->accept();
}

void FLogConcurso::TiempoReal_Click() {
    FechaActual->setBloqueado(true);
    FechaActual->setText(Hoy().toString(FormatoFecha));
    if (log_ && !flags_.VentanaIniciada) celdaActual(Columna::FechaQso)->setFocus();
}

void FLogConcurso::eligeBanda(int i) {
    BandaActual = BandasModos->Option3D1[static_cast<size_t>(i)]->text();
    if (ModoEdicion_ == ModoEdicion::Alta || ModoEdicion_ == ModoEdicion::Modificar) {
        Rejilla->pon(Columna::Banda, nav_.FilaActual, BandaActual);
        Rejilla->pon(Columna::Modo, nav_.FilaActual, ModoActual);
        // Per-band numbering: the serial follows the band the entry line moved to.
        if (ModoEdicion_ == ModoEdicion::Alta && NumeracionPorBanda_ && datos_.EnviarNumeral) {
            UltimoSerieBanda = log_->ultimoNumeroBanda(BandaActual);
            Rejilla->pon(Columna::NumeralEnviado, nav_.FilaActual,
                         Formato0000(QString::number(UltimoSerieBanda + 1)));
        }
        celdaActual(ModoEdicion_ == ModoEdicion::Alta ? Columna::Indicativo : Columna::Banda)->setFocus();
    }
}

void FLogConcurso::eligeModo(int i) {
    ModoActual = BandasModos->Option3D2[static_cast<size_t>(i)]->text().toUpper();
    IndiceModoActual = i;
    RstPorDefecto_ = RstPorDefecto(ModoActual, i, true, nombres_, RstPorDefecto_);
    if (ModoEdicion_ == ModoEdicion::Alta || ModoEdicion_ == ModoEdicion::Modificar) {
        const int f = nav_.FilaActual;
        // A contest without a received report keeps the locked "599" of the entry line.
        if (ModoEdicion_ != ModoEdicion::Alta || datos_.RecibirRst)
            Rejilla->pon(Columna::RsRecibido, f, RstPorDefecto_);
        Rejilla->pon(Columna::RsEnviado, f, RstPorDefecto_);
        Rejilla->pon(Columna::Modo, f, ModoActual);
        celdaActual(ModoEdicion_ == ModoEdicion::Alta ? Columna::Indicativo : Columna::Modo)->setFocus();
    }
}

void FLogConcurso::alEntrarEnCelda(CeldaLog& c) {
    if (c.columna != Columna::Indicativo || c.fila != nav_.FilaActual) return;
    if (ModoEdicion_ != ModoEdicion::Alta && ModoEdicion_ != ModoEdicion::Modificar) return;
    if (!reintento_) Menu->Aceptar->setEnabled(false);
    BandasModos->FrameBanda->setEnabled(true);
    BandasModos->FrameModo->setEnabled(true);
    Rejilla->BloqueaLinea(c.fila, true);
    c.setBloqueado(false);
}

void FLogConcurso::sigueCadenaRecibida(Columna desde) {
    if (const auto siguiente = CadenaRecibida(datos_, desde)) {
        celdaActual(*siguiente)->setFocus();
    } else if (ModoEdicion_ != ModoEdicion::Modificar) {
        Menu->Aceptar->setEnabled(true);
        Aceptar_Click();
    }
}

// The Enter chain along the row; the exchange fields' own rules come with the exchange checks.
void FLogConcurso::EnterEnCelda(CeldaLog& c) {
    const bool alta = ModoEdicion_ == ModoEdicion::Alta;
    switch (c.columna) {
    case Columna::FechaQso:
        celdaActual(Columna::HoraQso)->setFocus();
        break;
    case Columna::HoraQso:
        celdaActual(alta ? Columna::Indicativo : Columna::Banda)->setFocus();
        break;
    case Columna::Banda:
        celdaActual(Columna::Modo)->setFocus();
        break;
    case Columna::Modo:
        celdaActual(Columna::Indicativo)->setFocus();
        break;
    case Columna::Indicativo:
        if (c.text().trimmed().isEmpty()) return;
        Menu->Aceptar->setEnabled(true);
        PanelRepeticion->hide();
        ListaRepeticion->hide();
        if (ModoEdicion_ == ModoEdicion::Modificar) {
            celdaActual(Columna::RsRecibido)->setFocus();
            return;
        }
        BuscaRepeticion();
        sigueCadenaRecibida(Columna::ControlRec);
        break;
    case Columna::RsRecibido:
        sigueCadenaRecibida(Columna::ControlRec);
        break;
    case Columna::ControlRec:
        Rejilla->pon(Columna::LiteralRecibido, c.fila, c.text());
        sigueCadenaRecibida(Columna::PuntosRecibidos);
        break;
    case Columna::NumeralRecibido:
        sigueCadenaRecibida(Columna::LiteralRecibido);
        break;
    case Columna::LiteralRecibido:
        sigueCadenaRecibida(Columna::PuntosRecibidos);
        break;
    case Columna::PuntosRecibidos:
        sigueCadenaRecibida(Columna::QraLocatorRecibido);
        break;
    case Columna::QraLocatorRecibido:
        sigueCadenaRecibida(Columna::LiteralEnviado);
        break;
    default:
        break;
    }
}

void FLogConcurso::construyeTeclas() {
    teclas_ = new PreviaTeclas(*this);
    const std::array<std::pair<int, QPushButton*>, 8> tabla{{{Qt::Key_F4, Menu->ModificarReg},
                                                             {Qt::Key_F5, Menu->BorrarReg},
                                                             {Qt::Key_F6, Menu->Listar},
                                                             {Qt::Key_F7, Menu->ExportarXk},
                                                             {Qt::Key_F8, Menu->ExportarADIF},
                                                             {Qt::Key_F9, Menu->Ordenar},
                                                             {Qt::Key_F12, Menu->Aceptar},
                                                             {Qt::Key_Escape, Menu->Cancelar}}};
    for (const auto& [tecla, boton] : tabla)
        teclas_->asigna(tecla, boton);
    teclas_->antes = [this](QKeyEvent&) {
        auto* celda = dynamic_cast<CeldaLog*>(QApplication::focusWidget());
        if (celda && celda->columna == Columna::HoraQso) Timer2->stop();
        return celda && celda->columna == Columna::NumeroQso;
    };
    // Every other key, a disabled button's key and any key with Shift browse or move along the row.
    teclas_->despues = [this](QKeyEvent& e) { return TeclaSinBoton(e); };
    // While the date of the contacts is typed the field has the keys first.
    FechaActual->installEventFilter(this);
}

bool FLogConcurso::eventFilter(QObject* objeto, QEvent* evento) {
    if (objeto == FechaActual && (evento->type() == QEvent::FocusIn || evento->type() == QEvent::FocusOut))
        teclas_->setActiva(evento->type() == QEvent::FocusOut);
    return QWidget::eventFilter(objeto, evento);
}

bool FLogConcurso::TeclaSinBoton(QKeyEvent& e) {
    auto* celda = dynamic_cast<CeldaLog*>(QApplication::focusWidget());
    if (flags_.TeclasNavegacion) {
        int tecla = e.key();
        TeclaNavegacion(tecla);
        if (tecla == 0) return true;
    }
    if (celda && celda->fila == nav_.FilaActual && (e.key() == Qt::Key_Return || e.key() == Qt::Key_Enter)) {
        EnterEnCelda(*celda);
        return true;
    }
    return false;
}
