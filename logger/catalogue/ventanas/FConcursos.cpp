#include "FConcursos.h"

#include "Accesibles.h"
#include "ActualizacionCatalogo.h"
#include "Apertura.h"
#include "AplicacionXk.h"
#include "Archivos.h"
#include "Arranque.h"
#include "Avisos.h"
#include "DatosConcursos.h"
#include "DatosEntregados.h"
#include "DatosPrincipal.h"
#include "EditorConcursos.h"
#include "EditorIndicativos.h"
#include "EditorNombresUser.h"
#include "Esquema.h"
#include "FLogConcurso.h"
#include "InstanciaUnica.h"
#include "Nombres.h"
#include "PanelCategoria.h"
#include "PanelConcurso.h"
#include "PanelEstaciones.h"
#include "PanelPantalla.h"
#include "PreviaTeclas.h"
#include "PrimeraActivacion.h"
#include "Provincias.h"
#include "RecorridoTeclado.h"
#include "SeleccionPrincipal.h"
#include "Sistema.h"
#include "VentanaAyuda.h"
#include "Ventanas.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>

namespace {

QGroupBox* Marco(QWidget* padre, const QString& nombre, const QString& titulo) {
    auto* m = new QGroupBox(titulo, padre);
    m->setObjectName(nombre);
    return m;
}
} // namespace

FConcursos::FConcursos(EstadoPrincipal& estado, QWidget* parent) : QWidget(parent), estado_(estado) {
    Termina = [] { QCoreApplication::exit(0); };
    ConstruyeVentana();
    editorIndicativos_ = new EditorIndicativos(*this, *Estaciones, *Concurso);
    editorConcursos_ = new EditorConcursos(*this, estado_, *Concurso);
    ConectaEventos();
    NombraParaLectores(*this);
    // The window sees every key before the control that has the focus.
    auto* teclas = new PreviaTeclas(*this);
    const std::pair<int, QPushButton*> tabla[] = {
        {Qt::Key_F1, Ayuda},
        {Qt::Key_F2, AltaReg},
        {Qt::Key_F3, NuevaEdicion},
        {Qt::Key_F4, ModificarReg},
        {Qt::Key_F5, BorrarReg},
        {Qt::Key_F6, IrContactos},
        // The contest editor's buttons when it edits, else the callsign editor's.
        {Qt::Key_F12, Aceptar},
        {Qt::Key_Escape, Cancelar},
    };
    for (const auto& [tecla, boton] : tabla)
        teclas->asigna(tecla, boton);
    Estaciones->AsignaTeclas(*teclas);
    // The boxes of the two Enter chains keep their keys; every other control is walked.
    recorrido_ = new RecorridoTeclado(*this, [](const QWidget* w) {
        return w->objectName().startsWith(QLatin1String("text2_")) ||
               w->objectName().startsWith(QLatin1String("text3_"));
    });
    teclas->despues = [this](QKeyEvent& tecla) { return Form_KeyDown(&tecla); };
    // Where no window manager ever activates the window, its first exposure stands for the first
    // activation; a real activation that follows it is that same first one.
    new PrimeraActivacion(*this, [this] { Form_Activate(); });
}

FConcursos::~FConcursos() = default;

void FConcursos::ConstruyeVentana() {
    setObjectName("FConcursos");
    setWindowTitle("Concursos");
    auto* principal = CuerpoDesplazable(*this);

    PanelBotonesConcurso = new QFrame(this);
    PanelBotonesConcurso->setObjectName("PanelBotonesConcurso");
    auto* filaBotones = new QHBoxLayout(PanelBotonesConcurso);
    IniciarXkLumoCon = Boton(PanelBotonesConcurso, "IniciarXkLumoCon", "&Iniciar XkLumoCon");
    // Alt+A is accept's while an edit is open; help has F1 too.
    Ayuda = Boton(PanelBotonesConcurso, "Ayuda", "A&yuda");
    AltaReg = Boton(PanelBotonesConcurso, "AltaReg", "&Nuevo CONCURSO");
    NuevaEdicion = Boton(PanelBotonesConcurso, "NuevaEdicion", "Nueva &Edición");
    ModificarReg = Boton(PanelBotonesConcurso, "ModificarReg", "&Modificar");
    BorrarReg = Boton(PanelBotonesConcurso, "BorrarReg", "&Borrar");
    IrContactos = Boton(PanelBotonesConcurso, "IrContactos", "&Contactos");
    Aceptar = Boton(PanelBotonesConcurso, "Aceptar", "&Aceptar");
    Cancelar = Boton(PanelBotonesConcurso, "Cancelar", "&Cancelar");
    FinClientes = Boton(PanelBotonesConcurso, "FinClientes", "&Fin");
    for (QPushButton* b : {IniciarXkLumoCon, Ayuda, AltaReg, NuevaEdicion, ModificarReg, BorrarReg,
                           IrContactos, Aceptar, Cancelar, FinClientes}) {
        filaBotones->addWidget(b);
        b->setEnabled(b == IniciarXkLumoCon);
    }
    principal->addWidget(PanelBotonesConcurso);

    auto* cuerpo = new QHBoxLayout;
    auto* izquierda = new QVBoxLayout;

    SeleccionMes = Marco(this, "SeleccionMes", "ME&S");
    ListaMeses = new QListWidget(SeleccionMes);
    Nombra(ListaMeses, "ListaMeses", SeleccionMes->title());
    (new QVBoxLayout(SeleccionMes))->addWidget(ListaMeses);
    // Wide enough for "SEPTIEMBRE" beside a scroll bar; the contest names get the rest.
    const int bordes = ListaMeses->style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 10;
    ListaMeses->setFixedWidth(ListaMeses->fontMetrics().horizontalAdvance(QStringLiteral("SEPTIEMBRE")) +
                              bordes);

    SeleccionConcurso = Marco(this, "SeleccionConcurso", "SE&LECCIONE UN CONCURSO");
    ListaConcursos = new QListWidget(SeleccionConcurso);
    Nombra(ListaConcursos, "ListaConcursos", SeleccionConcurso->title());
    // Name and edition of a long contest name in full: two editions must not look alike.
    ListaConcursos->setMinimumWidth(
        ListaConcursos->fontMetrics().horizontalAdvance(QStringLiteral("CEUTA CUNA DE LA LEGION - 2026")) +
        bordes);
    (new QVBoxLayout(SeleccionConcurso))->addWidget(ListaConcursos);

    auto* listas = new QHBoxLayout;
    listas->addWidget(SeleccionMes, 0);
    listas->addWidget(SeleccionConcurso, 1);
    izquierda->addLayout(listas);

    Estaciones = new PanelEstaciones(this);
    izquierda->addWidget(Estaciones);

    PanelTamañoPantalla = new PanelPantalla(this);
    izquierda->addWidget(PanelTamañoPantalla);

    Concurso = new PanelConcurso(this);
    cuerpo->addLayout(izquierda, 1);
    cuerpo->addWidget(Concurso, 1);
    principal->addLayout(cuerpo);

    SeleccionMes->setEnabled(false);
    SeleccionConcurso->setEnabled(false);
    Concurso->setEnabled(false);
}

void FConcursos::ConectaEventos() {
    connect(IniciarXkLumoCon, &QPushButton::clicked, this, &FConcursos::IniciarXkLumoCon_Click);
    connect(AltaReg, &QPushButton::clicked, editorConcursos_, &EditorConcursos::AltaReg_Click);
    connect(NuevaEdicion, &QPushButton::clicked, editorConcursos_, &EditorConcursos::NuevaEdicion_Click);
    connect(ModificarReg, &QPushButton::clicked, editorConcursos_, &EditorConcursos::ModificarReg_Click);
    connect(BorrarReg, &QPushButton::clicked, editorConcursos_, &EditorConcursos::BorrarReg_Click);
    connect(Aceptar, &QPushButton::clicked, editorConcursos_, &EditorConcursos::Aceptar_Click);
    connect(Cancelar, &QPushButton::clicked, editorConcursos_, &EditorConcursos::Cancelar_Click);
    connect(Ayuda, &QPushButton::clicked, this, &FConcursos::Ayuda_Click);
    connect(IrContactos, &QPushButton::clicked, this, &FConcursos::IrContactos_Click);
    connect(FinClientes, &QPushButton::clicked, this, &FConcursos::FinClientes_Click);
    connect(ListaMeses, &QListWidget::currentRowChanged, this, [this](int fila) {
        if (fila >= 0) ListaMeses_Click();
    });
    connect(ListaConcursos, &QListWidget::currentRowChanged, this, [this](int fila) {
        if (fila >= 0) CargaConcurso();
    });
}

FConcursos::Carga FConcursos::Form_Load(const QString& lineaComando) {
    if (lineaComando.isEmpty()) {
        if (EntregaAlActualizador()) {
            estado_.PuedeTerminar = true;
            return Carga::Entregada;
        }
        // No updater to hand over to: start as it would have started us, rather than end with
        // nothing on the screen.
    }
    estado_.programa.VersionPrograma =
        Sistema::actual().versionEjecutable(ResuelveNombreArchivo(NombreLogger()));
    // Only the copy that shows its window holds the folder: one that hands over never does, so
    // the logger the updater starts again finds it free.
    if (!TomaInstanciaUnica(QDir::currentPath())) {
        AvisaYaAbierto("XkLumoCon Versión: " + estado_.programa.VersionPrograma);
        estado_.PuedeTerminar = true;
        return Carga::YaAbierto;
    }
    InstalaActualizadorDescargado();

    setWindowTitle("XkLumoCon Versión: " + estado_.programa.VersionPrograma);

    estado_.EditandoConcurso = false;
    estado_.EditandoUser = false;
    estado_.ArranquePendiente = true;
    estado_.programa.NombreBaseDatos = NombreBaseDatos;

    AñadeCampoMes();
    ActualizaTablasContactos();
    AsignaMesesConcursos(estado_.programa.NombreBaseDatos);
    AbreBaseDatos(estado_);
    CargaControl();

    QuitaTabStop(*this);
    ColocaEnPantalla(*this, estado_.programa.PorcentajePantalla);

    show();
    unsetCursor();
    return Carga::Mostrada;
}

void FConcursos::CargaControl() {
    AbreControl(estado_);
    CargaNombresUser(*Concurso, estado_);
    PanelTamañoPantalla->Muestra(estado_.programa.PorcentajePantalla);
}

bool FConcursos::event(QEvent* evento) {
    // The first activation is PrimeraActivacion's; every later one runs the step again.
    if (evento->type() == QEvent::WindowActivate) {
        if (activacionVista_) QTimer::singleShot(0, this, &FConcursos::Form_Activate);
        activacionVista_ = true;
    }
    return QWidget::event(evento);
}

void FConcursos::Form_Activate() {
    // A box shown by an upgrade may activate the window again while it runs.
    if (!estado_.ArranquePendiente || estado_.ActualizandoDatos) return;
    // An activation never cancels an edit: a box of it just closed, or the user came back from
    // another window. The upgrades wait for an activation with no edit open.
    if (estado_.EditandoIndicativo || estado_.EditandoConcurso || Estaciones->OperacionAbierta() ||
        Aceptar->isEnabled())
        return;
    estado_.OperacionEnCurso = OperacionPrincipal::Ninguna;
    estado_.ActualizandoDatos = true;
    ActualizaCatalogo(estado_);
    estado_.ActivarCheck = true;
    estado_.ActualizandoDatos = false;
}

void FConcursos::closeEvent(QCloseEvent* evento) {
    if (!estado_.PuedeTerminar) {
        evento->ignore();
        return;
    }
    evento->accept();
    Termina();
}

bool FConcursos::Form_KeyDown(QKeyEvent* tecla) {
    // The box with the focus would take the letter as typed.
    if (RecorridoTeclado::AccesoSinControl(*tecla)) {
        Beep();
        return true;
    }
    if (recorrido_->Tabula(*tecla)) return true;
    if (!estado_.EditandoUser) {
        if (estado_.EditandoConcurso) {
            if (editorConcursos_->NavegaCamposConcurso(tecla)) return true;
        } else if (estado_.EditandoIndicativo && Estaciones->NavegaCamposIndicativo(tecla)) {
            return true;
        }
    }
    return recorrido_->Flecha(*tecla);
}

void FConcursos::SeleccionaFila(QListWidget* lista, int fila, void (FConcursos::*click)()) {
    if (lista->currentRow() == fila)
        (this->*click)();
    else
        lista->setCurrentRow(fila);
}

void FConcursos::IniciarXkLumoCon_Click() {
    if (!CargaListaIndicativos()) return;
    // Before the month shows its active contest, whose summary would otherwise be replaced on
    // screen by the defaults.
    Concurso->PanelCabrillo().IniciaTipoConcursos();
    CargaListaMeses();
    SeleccionaMesActivo();
    BotonesEnReposo();
    estado_.ArranquePendiente = false;

    const int activo = ConcursoActivo(estado_);
    if (activo != 0 && ListaConcursos->count() > 0) {
        int hallado = -1;
        for (int i = 0; i < ListaConcursos->count() && hallado < 0; ++i)
            if (ListaConcursos->item(i)->data(Qt::UserRole).toInt() == activo) hallado = i;
        ListaConcursos->setCurrentRow(0);
        if (hallado >= 0) ListaConcursos->setCurrentRow(hallado);
    }
    IniciarXkLumoCon->setEnabled(false);
    Ayuda->setEnabled(true);
}

bool FConcursos::CargaListaIndicativos() {
    const std::vector<EntradaLista> indicativos = AbreIndicativos(estado_);
    if (indicativos.empty()) {
        MsgBox("No hay ningún INDICATIVO configurado. Inicialmente es necesario dar de ALTA el primer "
               "indicativo",
               Icono::Informacion, "CONFIGURE ALGÚN INDICATIVO");
        return false;
    }
    // A callsign added before the work started is in the table too: list each row once.
    Estaciones->LlenaLista(indicativos);
    const int activo = IndicativoActivo(estado_);
    const int hallado = activo != 0 ? Estaciones->FilaDe(activo) : -1;
    Estaciones->EligeFila(hallado >= 0 ? hallado : 0);
    return true;
}

void FConcursos::CargaListaMeses() {
    const QSignalBlocker bloqueo(ListaMeses);
    ListaMeses->clear();
    ListaMeses->addItems(MesesLista());
}

void FConcursos::SeleccionaMesActivo() {
    const QString mes = MesDelConcursoActivo(estado_);
    if (!AbreConcursos(estado_)) {
        MsgBox("No hay Concursos Definidos", Icono::Informacion, "DEFINA ALGUN CONCURSO");
        return;
    }
    const int fila = mes.isEmpty() ? 0 : static_cast<int>(MesesLista().indexOf(mes));
    SeleccionaFila(ListaMeses, fila < 0 ? 0 : fila, &FConcursos::ListaMeses_Click);
}

void FConcursos::ListaMeses_Click() {
    {
        const QSignalBlocker bloqueo(ListaConcursos);
        ListaConcursos->clear();
    }
    Concurso->LimpiaConcurso();
    const int fila = ListaMeses->currentRow();
    if (fila < 0) return;
    const QString mes = fila == 0 ? QString() : ListaMeses->item(fila)->text();
    const std::vector<EntradaLista> concursos = AbreConcursosDelMes(estado_, mes);
    if (concursos.empty()) {
        MsgBox(fila == 0 ? QStringLiteral("No hay Concursos CONFIGURADOS para esta opción")
                         : QStringLiteral("No hay Concursos CONFIGURADOS para este MES. Seleccione 'Sin "
                                          "Mes' en SELECCIÓN de Mes para obtener un lista de concursos "
                                          "disponibles o configure un concurso para este mes"),
               Icono::Informacion, "DEFINA ALGUN CONCURSO");
        Concurso->LimpiaConcurso();
        return;
    }
    SeleccionConcurso->setEnabled(true);
    SeleccionMes->setEnabled(true);
    const int activo = ConcursoActivo(estado_);
    int recordada = -1;
    {
        const QSignalBlocker bloqueo(ListaConcursos);
        for (const EntradaLista& e : concursos) {
            auto* item = new QListWidgetItem(e.texto);
            item->setData(Qt::UserRole, e.numero);
            ListaConcursos->addItem(item);
            if (e.numero == activo) recordada = ListaConcursos->count() - 1;
        }
    }
    ListaConcursos->setCurrentRow(recordada >= 0 ? recordada : 0);
}

bool FConcursos::CargaConcurso() {
    return editorConcursos_->CargaConcurso();
}

void FConcursos::HabilitaBotonesConcurso() {
    AltaReg->setEnabled(true);
    Estaciones->setEnabled(true);
    if (ConcursoActivo(estado_) != 0) {
        for (QPushButton* b : {IrContactos, ModificarReg, BorrarReg, NuevaEdicion, FinClientes})
            b->setEnabled(true);
    }
    Aceptar->setEnabled(false);
    Cancelar->setEnabled(false);
    FinClientes->setEnabled(true);
}

void FConcursos::DesactivaBotonesConcurso() {
    for (QPushButton* b : {AltaReg, NuevaEdicion, IrContactos, ModificarReg, BorrarReg, FinClientes})
        b->setEnabled(false);
}

void FConcursos::BotonesEnEdicion() {
    DesactivaBotonesConcurso();
    Aceptar->setEnabled(true);
    Cancelar->setEnabled(true);
}

void FConcursos::BotonesEnReposo() {
    HabilitaBotonesConcurso();
    AltaReg->setFocus();
}

void FConcursos::EnfocaCancelar() {
    Cancelar->setFocus();
}

void FConcursos::BotonesConNombresUser(bool abierto) {
    PanelBotonesConcurso->setEnabled(!abierto);
    Aceptar->setEnabled(!abierto);
    Cancelar->setEnabled(!abierto);
    if (!abierto) Aceptar->setFocus();
}

void FConcursos::HabilitaAlrededorConcurso(bool habilitar) {
    for (QWidget* w :
         std::initializer_list<QWidget*>{SeleccionConcurso, SeleccionMes, PanelTamañoPantalla, Estaciones})
        w->setEnabled(habilitar);
}

void FConcursos::CierraParaIndicativo(bool conTamañoPantalla) {
    for (QWidget* w :
         std::initializer_list<QWidget*>{Concurso, SeleccionConcurso, SeleccionMes, PanelBotonesConcurso})
        w->setEnabled(false);
    if (conTamañoPantalla) PanelTamañoPantalla->setEnabled(false);
}

void FConcursos::AbreTrasIndicativo() {
    Concurso->setEnabled(false);
    // Before the work starts the month and contest lists and the contest buttons stay as the
    // window first showed them; only the start button leads on.
    if (!estado_.ArranquePendiente) {
        SeleccionConcurso->setEnabled(true);
        SeleccionMes->setEnabled(true);
    }
    PanelTamañoPantalla->setEnabled(true);
    PanelBotonesConcurso->setEnabled(true);
}

void FConcursos::EnfocaTrasIndicativo() {
    if (!estado_.ArranquePendiente)
        BotonesEnReposo();
    else if (IniciarXkLumoCon->isEnabled())
        IniciarXkLumoCon->setFocus(Qt::OtherFocusReason);
}

bool FConcursos::HayIndicativoElegido() const {
    return Estaciones->HayElegido();
}

QString FConcursos::MesElegido() const {
    return ListaMeses->currentRow() > 0 ? ListaMeses->currentItem()->text() : QString();
}

void FConcursos::SeleccionaMes(const QString& mes) {
    // The same month is listed again too, so that the list shows the contest as stored.
    SeleccionaFila(ListaMeses, PosicionMes(mes), &FConcursos::ListaMeses_Click);
}

std::optional<int> FConcursos::ConcursoElegido() const {
    if (const QListWidgetItem* item = ListaConcursos->currentItem()) return item->data(Qt::UserRole).toInt();
    return std::nullopt;
}

void FConcursos::DeseleccionaConcurso() {
    const QSignalBlocker bloqueo(ListaConcursos);
    ListaConcursos->setCurrentRow(-1);
}

void FConcursos::QuitaConcursoDeLista(int numero) {
    const QSignalBlocker bloqueo(ListaConcursos);
    for (int i = ListaConcursos->count() - 1; i >= 0; --i)
        if (ListaConcursos->item(i)->data(Qt::UserRole).toInt() == numero) delete ListaConcursos->takeItem(i);
    ListaConcursos->setCurrentRow(-1);
}

void FConcursos::AjustaLongitudesIndicativo(int extra) {
    Estaciones->AjustaLongitudesIndicativo(estado_.programa.DefIndicativos, extra);
}

void FConcursos::AjustaLongitudesConcurso(int extra) {
    Concurso->AjustaLongitudesConcurso(estado_.programa.DefConcursos, extra);
}

void FConcursos::Ayuda_Click() {
    MuestraAyuda(*this, DocumentoAyuda);
}

// The checks before the log opens run on the contest shown in the editor; then this window hides
// until the log closes with FIN.
void FConcursos::IrContactos_Click() {
    DatosApertura d = DatosAperturaActual(estado_);
    d.hayIndicativo = d.hayIndicativo && Estaciones->HayElegido();
    d.MiLocator = Concurso->Texto(4);
    d.Siglas = Concurso->Texto(6);
    if (const auto rechazo = CompruebaApertura(d)) {
        if (rechazo->pita) Beep();
        Avisos::actual().muestra(rechazo->aviso);
        return;
    }
    if (!d.hayIndicativo || !HayConcursoActual(estado_)) return;
    hide();
    ventanaLog_ = std::make_unique<FLogConcurso>(
        estado_.programa, NumeroConcursoActual(estado_), NumeroIndicativoActual(estado_), [this] {
            estado_.OperacionEnCurso = OperacionPrincipal::Ninguna;
            // The log wrote its counter and UTC offset into the contest's row: the selection reads it again.
            RefrescaConcursoActual(estado_);
            show();
            // The contest shown again from the file: its last serial and UTC offset moved on in the log.
            CargaConcurso();
            // The log window goes once its own handlers have returned.
            QTimer::singleShot(0, this, [this] { ventanaLog_.reset(); });
        });
    ventanaLog_->setScreen(screen()); // sized for the screen the operator works on
    ventanaLog_->Form_Load();
}

void FConcursos::FinClientes_Click() {
    if (const auto elegido = PanelTamañoPantalla->TantoPorCienElegido())
        GuardaTamañoPantalla(estado_.programa.NombreBaseDatos, *elegido);
    estado_.PuedeTerminar = true;
    close();
}

bool CargaVentanaPrincipal(FConcursos& ventana, const QString& lineaComando) {
    try {
        return ventana.Form_Load(lineaComando) == FConcursos::Carga::Mostrada;
    } catch (const ErrorBD& e) {
        AplicacionXk::ErrorFatal(e.mensaje());
    } catch (const std::exception& e) {
        AplicacionXk::ErrorFatal(QString::fromUtf8(e.what()));
    }
}
