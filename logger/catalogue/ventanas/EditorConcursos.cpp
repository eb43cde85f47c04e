#include "EditorConcursos.h"

#include "MensajesMotor.h"

#include "Avisos.h"
#include "CampoTexto.h"
#include "CursorEspera.h"
#include "DatosConcursos.h"
#include "DatosPrincipal.h"
#include "EditorNombresUser.h"
#include "Esquema.h"
#include "FConcursos.h"
#include "FrameCategoria.h"
#include "PanelConcurso.h"
#include "PanelEstaciones.h"
#include "Reloj.h"
#include "SeleccionPrincipal.h"
#include "ValidacionConcurso.h"
#include "Verificaciones.h"
#include "VistaOpciones.h"

#include <QApplication>

#include <algorithm>
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>

namespace {
const QString Alta = QStringLiteral("ALTA");
const QString NuevaEdicion = QStringLiteral("NUEVAEDICION");
const QString Modificar = QStringLiteral("MODIFICAR");
const QString Borrar = QStringLiteral("BORRAR");
const QString Consulta = QStringLiteral("CONSULTA");

constexpr int CajaMes = 9;

} // namespace

EditorConcursos::EditorConcursos(FConcursos& ventana, EstadoPrincipal& estado)
    : QObject(&ventana), v_(ventana), estado_(estado), panel_(*ventana.Concurso) {
    connect(v_.AltaReg, &QPushButton::clicked, this, &EditorConcursos::AltaReg_Click);
    connect(v_.NuevaEdicion, &QPushButton::clicked, this, &EditorConcursos::NuevaEdicion_Click);
    connect(v_.ModificarReg, &QPushButton::clicked, this, &EditorConcursos::ModificarReg_Click);
    connect(v_.BorrarReg, &QPushButton::clicked, this, &EditorConcursos::BorrarReg_Click);
    connect(v_.Aceptar, &QPushButton::clicked, this, &EditorConcursos::Aceptar_Click);
    connect(v_.Cancelar, &QPushButton::clicked, this, &EditorConcursos::Cancelar_Click);
    for (CampoTexto* t : panel_.text3)
        t->installEventFilter(this);
    ConectaCabrillo();
    ConectaOpciones(panel_,
                    {[this] { return IndicativoActivo(); }, [this] { return estado_.EditandoConcurso; },
                     [this](const OpcionesConcurso& o) {
                         if (o.desfaseUTC) estado_.DesfaseUTC = *o.desfaseUTC;
                     }});
    new EditorNombresUser(ventana, estado_);
    // Until the startup upgrades end, a click on a band or mode box sends the focus to the name.
    const auto antesDeArrancar = [this] {
        if (!estado_.ActivarCheck) panel_.text3[1]->setFocus();
    };
    for (QCheckBox* c : panel_.SSCheck2)
        connect(c, &QCheckBox::clicked, this, antesDeArrancar);
    for (QCheckBox* c : panel_.SSCheck1)
        connect(c, &QCheckBox::clicked, this, antesDeArrancar);
}

// The station callsign loaded in the callsign frame; empty when none is.
QString EditorConcursos::IndicativoActivo() const {
    return IndicativoActual(estado_);
}

bool EditorConcursos::eventFilter(QObject* objeto, QEvent* evento) {
    const auto& t = panel_.text3;
    const auto it = std::find(t.begin(), t.end(), objeto);
    if (it != t.end()) {
        if (evento->type() == QEvent::FocusIn) {
            estado_.CampoActual = static_cast<int>(it - t.begin());
        } else if (evento->type() == QEvent::FocusOut) {
            const QString recortado = (*it)->text().trimmed();
            if (recortado != (*it)->text()) (*it)->setText(recortado);
        }
    }
    return false;
}

// --- Starting and ending an edit ---

bool EditorConcursos::HayConcursoMostrado() const {
    // A month without contests leaves the buttons of the last active contest enabled, with no
    // row behind the empty frame.
    return HayConcursoActual(estado_) && !panel_.text3[0]->text().isEmpty() &&
           NumeroConcursoActual(estado_) == panel_.text3[0]->text().toInt();
}

void EditorConcursos::HabilitaAlrededor(bool habilitar) {
    for (QWidget* w : std::initializer_list<QWidget*>{v_.SeleccionConcurso, v_.SeleccionMes,
                                                      v_.PanelTamañoPantalla, v_.Estaciones})
        w->setEnabled(habilitar);
}

bool EditorConcursos::IniciaEdicion() {
    if (v_.Estaciones->ListaIndicativos->currentIndex() < 0) {
        MsgBox("No hay ningún INDICATIVO configurado. Inicialmente es necesario dar de ALTA, al menos, un "
               "indicativo",
               Icono::Informacion, "CONFIGURE ALGÚN INDICATIVO");
        return false;
    }
    panel_.setEnabled(true);
    v_.DesactivaBotonesConcurso();
    v_.Aceptar->setEnabled(true);
    v_.Cancelar->setEnabled(true);
    HabilitaAñadirBandaModo(true);
    HabilitaAlrededor(false);
    v_.AjustaLongitudesConcurso(0);
    estado_.EditandoConcurso = true;
    panel_.text3[0]->setBloqueado(true);
    presetsAplicados_.reset();
    return true;
}

void EditorConcursos::VuelveAReposo() {
    estado_.OperacionEnCurso.clear();
    estado_.EditandoConcurso = false;
    BloqueaCamposConcurso(true);
    panel_.setEnabled(false);
    HabilitaAlrededor(true);
    HabilitaAñadirBandaModo(false);
    v_.HabilitaBotonesConcurso();
    v_.AltaReg->setFocus();
}

void EditorConcursos::AltaReg_Click() {
    if (!IniciaEdicion()) return;
    estado_.OperacionEnCurso = Alta;
    LimpiaConcurso();
    OcultaListaCategoriasCabrillo();
    CargaTipoConcursos();
    CargaComboCabrillo20();
    auto& t = panel_.text3;
    t[0]->setText(QString::number(SiguienteNumeroConcurso(*estado_.BaseConcursos)));
    t[2]->setText(QString::number(Hoy().year()));
    if (v_.ListaMeses->currentRow() > 0) t[CajaMes]->setText(v_.ListaMeses->currentItem()->text());
    BloqueaCamposConcurso(false);
    t[0]->setBloqueado(true);
    OpcionesConcurso o = LeeOpciones(panel_);
    PreparaNuevoConcurso(o, IndicativoActivo());
    if (o.desfaseUTC) estado_.DesfaseUTC = *o.desfaseUTC;
    MuestraOpciones(panel_, o, true);
    estado_.CampoActual = 1;
    t[1]->setFocus();
}

void EditorConcursos::ModificarReg_Click() {
    if (!HayConcursoMostrado()) return Beep();
    if (!IniciaEdicion()) return;
    estado_.OperacionEnCurso = Modificar;
    BloqueaCamposConcurso(false);
    // The hours box opens only when the contest repeats by hours.
    MuestraOpciones(panel_, LeeOpciones(panel_), true);
    panel_.text3[0]->setBloqueado(true);
    estado_.CampoActual = 1;
    panel_.text3[1]->setFocus();
}

void EditorConcursos::NuevaEdicion_Click() {
    if (!HayConcursoMostrado()) return Beep();
    if (!IniciaEdicion()) return;
    estado_.ConcursoOrigen = NumeroConcursoActual(estado_);
    estado_.OperacionEnCurso = NuevaEdicion;
    auto& t = panel_.text3;
    t[0]->setText(QString::number(SiguienteNumeroConcurso(*estado_.BaseConcursos)));
    t[2]->clear();
    // The new edition has no QSOs yet: its numbering starts again.
    t[5]->setText(QStringLiteral("0"));
    BloqueaCamposConcurso(true);
    estado_.CampoActual = 2;
    t[2]->setFocus();
}

void EditorConcursos::BorrarReg_Click() {
    if (!HayConcursoMostrado()) return Beep();
    estado_.OperacionEnCurso = Borrar;
    v_.DesactivaBotonesConcurso();
    // Another selection now would leave the deletion pending behind idle buttons.
    HabilitaAlrededor(false);
    v_.Aceptar->setEnabled(true);
    v_.Cancelar->setEnabled(true);
    v_.Cancelar->setFocus();
}

void EditorConcursos::Aceptar_Click() {
    const QString op = estado_.OperacionEnCurso;
    bool guardado = false;
    if (op == Alta || op == NuevaEdicion)
        guardado = AltaConcurso();
    else if (op == Modificar)
        guardado = GuardaConcurso();
    else if (op == Borrar)
        BorraConcurso();
    if (guardado) HabilitaAñadirBandaModo(false);
}

void EditorConcursos::Cancelar_Click() {
    const QString op = estado_.OperacionEnCurso;
    if (op == Alta) {
        LimpiaConcurso();
        {
            const QSignalBlocker bloqueo(v_.ListaConcursos);
            v_.ListaConcursos->setCurrentRow(-1);
        }
        // The list's selection change: with nothing selected no contest is active.
        CargaConcurso();
    } else if (op == NuevaEdicion) {
        LimpiaConcurso();
        CargaConcurso();
    } else if (op == Modificar) {
        MuestraConcurso();
    } else if (op != Borrar) {
        return;
    }
    VuelveAReposo();
}

// --- Showing a contest ---

bool EditorConcursos::CargaConcurso() {
    if (estado_.ActualizandoDatos) return false;
    OcultaListaCategoriasCabrillo();
    CargaTipoConcursos();
    bool mostrado = false;
    if (QListWidgetItem* item = v_.ListaConcursos->currentItem()) {
        if (AbreConcursoPorNumero(estado_, item->data(Qt::UserRole).toInt())) {
            panel_.setEnabled(true);
            MuestraConcurso();
            panel_.setEnabled(false);
            mostrado = true;
        } else {
            LimpiaConcurso(); // gone meanwhile: no number of another contest stays on show
        }
        BloqueaCamposConcurso(true);
    }
    FijaConcursoActivo(estado_, panel_.text3[0]->text().toInt());
    v_.HabilitaBotonesConcurso();
    v_.AltaReg->setFocus();
    return mostrado;
}

void EditorConcursos::MuestraConcurso() {
    panel_.MuestraConcurso(LeeFichaConcurso(estado_));
    DerivaCamposAlCargar();
    CargaResumenCabrillo();
}

void EditorConcursos::DerivaCamposAlCargar() {
    const CargaDeOpciones carga = CargaOpcionesActual(estado_, IndicativoActivo());
    if (carga.opciones.desfaseUTC) estado_.DesfaseUTC = *carga.opciones.desfaseUTC;
    MuestraOpciones(panel_, carga.opciones, false);
    GuardaDerivadosCarga(estado_, carga);
}

void EditorConcursos::HabilitaAñadirBandaModo(bool habilitar) {
    panel_.AñadirBanda->setEnabled(habilitar);
    panel_.AñadirModo->setEnabled(habilitar);
}

void EditorConcursos::LimpiaConcurso() {
    panel_.LimpiaConcurso();
}

void EditorConcursos::BloqueaCamposConcurso(bool bloquear) {
    panel_.BloqueaCamposConcurso(bloquear);
}

void EditorConcursos::SeleccionaMes(const QString& mes) {
    const int fila = PosicionMes(mes);
    // The same month is listed again too, so that the list shows the contest as stored.
    if (v_.ListaMeses->currentRow() == fila)
        v_.ListaMeses_Click();
    else
        v_.ListaMeses->setCurrentRow(fila);
}

// --- Storing ---

bool EditorConcursos::ConfirmaSinMes(const QString& accion, const QString& continua, const QString& cancela) {
    if (!panel_.text3[CajaMes]->text().trimmed().isEmpty()) return true;
    const QString texto = accion +
                          "\n\nSe recomienda especificar el MES ya que será más fácil acceder al "
                          "concurso.\n\n" +
                          continua + "\n" + cancela;
    if (MsgBox(texto, Icono::Ninguno, "Verificar MES del concurso", Botones::AceptarCancelar) ==
        Respuesta::Aceptar)
        return true;
    panel_.text3[CajaMes]->setFocus();
    return false;
}

bool EditorConcursos::CompruebaValores() {
    auto& t = panel_.text3;
    QStringList valores;
    for (CampoTexto* caja : t)
        valores << caja->text().trimmed();
    std::optional<Rechazo<>> rechazo = VerificaTiposCampos(estado_.DefConcursos, valores).rechazo;
    if (!rechazo) {
        const int noCabe = CajaQueNoCabe(estado_.DefConcursos, valores);
        if (noCabe >= 0) rechazo = Rechazo<>{0, {}, false, noCabe};
    }
    if (rechazo) {
        MuestraRechazo(*rechazo);
        if (rechazo->foco >= 0 && rechazo->foco < static_cast<int>(t.size()))
            t[static_cast<size_t>(rechazo->foco)]->setFocus();
        return false;
    }
    for (size_t i = 0; i < t.size(); ++i)
        t[i]->setText(valores[static_cast<qsizetype>(i)]);
    return true;
}

bool EditorConcursos::ValidaConcurso() {
    auto& t = panel_.text3;
    DatosValidacion datos;
    for (CampoTexto* caja : t)
        datos.valores << caja->text();
    datos.opciones = LeeOpciones(panel_);
    for (size_t i = 0; i < datos.bandas.size(); ++i)
        datos.bandas[i] = panel_.SSCheck2[i]->isChecked();
    for (size_t i = 0; i < datos.modos.size(); ++i)
        datos.modos[i] = panel_.SSCheck1[i]->isChecked();
    datos.indicativo = IndicativoActivo();
    const ResultadoValidacion r = ::ValidaConcurso(datos);
    if (r.muestraHoras) t[8]->setText(r.valores[8]);
    if (!r.acepta()) {
        MuestraRechazo(*r.rechazo);
        if (r.rechazo->foco >= 0) t[static_cast<size_t>(r.rechazo->foco)]->setFocus();
        return false;
    }
    for (size_t i = 0; i < t.size(); ++i)
        if (t[i]->text() != r.valores[static_cast<qsizetype>(i)])
            t[i]->setText(r.valores[static_cast<qsizetype>(i)]);
    return true;
}

void EditorConcursos::MuestraDerivados(const OpcionesConcurso& o) {
    if (o.desfaseUTC) estado_.DesfaseUTC = *o.desfaseUTC;
    MuestraOpciones(panel_, o, estado_.EditandoConcurso);
}

bool EditorConcursos::AltaConcurso() {
    auto& t = panel_.text3;
    if (!ConfirmaSinMes("Va dar de ALTA un concurso sin especificar el MES.",
                        ".- Si pulsa ACEPTAR se continúa el ALTA sin incluir el MES.",
                        ".- Si pulsa CANCELAR se cancela el ALTA concurso para poder introducir el MES."))
        return false;
    if (ExisteConcurso(*estado_.BaseConcursos, t[1]->text().trimmed(), t[2]->text().trimmed())) {
        MsgBox("Ya hay un concurso con el MISMO NOMBRE y EDICIÓN", Icono::Critico, "CONCURSO");
        t[1]->setFocus();
        return false;
    }
    if (!CompruebaValores() || !ValidaConcurso()) return false;

    const int numero = t[0]->text().toInt();
    OpcionesConcurso o = LeeOpciones(panel_);
    // A new edition takes the summary the panel still shows of its source edition, with the
    // operator's changes: the same store as a new contest.
    const bool guardado = IntentaGuardar([&] {
        const CursorEspera espera;
        InsertaConcurso(estado_, numero, panel_.FichaMostrada(), o, IndicativoActivo(), ResumenMostrado());
    });
    MuestraDerivados(o);
    if (!guardado) return false;
    // The row is stored already: this reaches only the screen.
    AjustaControlesCategoria(panel_.Categorias->IndiceCategoriaElegida());
    SeleccionaMes(t[CajaMes]->text());
    MsgBox("Alta de Concurso efectuada", Icono::Informacion, "ALTA");
    VuelveAReposo();
    return true;
}

bool EditorConcursos::GuardaConcurso() {
    auto& t = panel_.text3;
    if (!ConfirmaSinMes(
            "Va MODIFICAR un concurso sin especificar el MES.",
            ".- Si pulsa ACEPTAR se continúa la MODIFICACÓN sin incluir el MES.",
            ".- Si pulsa CANCELAR se cancela la MODIFICACIÓN del concurso para poder introducir el "
            "MES."))
        return false;
    const QString nombre = t[1]->text().trimmed();
    const QString edicion = t[2]->text().trimmed();
    // Only a new name is looked up: a change of edition alone is the operator's own correction.
    // The contest itself never counts as its own duplicate.
    if (nombre != NombreConcursoActual(estado_) &&
        ExisteConcurso(*estado_.BaseConcursos, nombre, edicion, NumeroConcursoActual(estado_))) {
        MsgBox("Ya hay un concurso con el MISMO NOMBRE y EDICIÓN", Icono::Critico, "CONCURSO");
        t[1]->setFocus();
        return false;
    }
    // The checks see, and the row stores, the exchange the presets leave.
    AjustaControlesAntesDeGuardar();
    if (!CompruebaValores() || !ValidaConcurso()) return false;
    OpcionesConcurso o = LeeOpciones(panel_);
    // The summary takes the name and edition being stored with it, so its copy never lags behind
    // a renamed contest. Its presets were applied before the checks.
    const bool guardado = IntentaGuardar([&] {
        const CursorEspera espera;
        ReescribeConcursoActual(estado_, panel_.FichaMostrada(), o, IndicativoActivo(), ResumenMostrado());
    });
    MuestraDerivados(o);
    if (!guardado) return false;
    SeleccionaMes(t[CajaMes]->text());
    VuelveAReposo();
    return true;
}

bool EditorConcursos::BorraConcurso() {
    if (MsgBox("De verdad quiere BORRAR este CONCURSO", Icono::Critico, "VERIFICAR BORRADO DE QSO",
               Botones::SiNo, Respuesta::No) != Respuesta::Si) {
        VuelveAReposo();
        estado_.OperacionEnCurso = Consulta;
        return false;
    }
    const int numero = NumeroConcursoActual(estado_);
    if (!IntentaGuardar([&] {
            // All of the contest goes, or none of it.
            const CursorEspera espera;
            EliminaConcursoActual(estado_);
        }))
        return false;
    {
        const QSignalBlocker bloqueo(v_.ListaConcursos);
        for (int i = v_.ListaConcursos->count() - 1; i >= 0; --i)
            if (v_.ListaConcursos->item(i)->data(Qt::UserRole).toInt() == numero)
                delete v_.ListaConcursos->takeItem(i);
        v_.ListaConcursos->setCurrentRow(-1);
    }
    LimpiaConcurso();
    VuelveAReposo();
    return true;
}

// --- Keys ---

int EditorConcursos::CajaConFoco() const {
    const auto& t = panel_.text3;
    const auto it = std::find(t.begin(), t.end(), QApplication::focusWidget());
    return it == t.end() ? -1 : static_cast<int>(it - t.begin());
}

int EditorConcursos::CajaTrasIntro(int caja) const {
    const auto& t = panel_.text3;
    const auto mostrada = [&](int i) { return !t[static_cast<size_t>(i)]->isHidden(); };
    const auto habilitada = [&](int i) { return t[static_cast<size_t>(i)]->isEnabled(); };
    switch (caja) {
    case 1:
        return CajaMes;
    case CajaMes:
        return 2;
    case 2:
        return mostrada(3) ? 3 : 4;
    case 3:
    case 4:
    case 5:
        return caja + 1;
    case 6:
        return mostrada(7) ? 7 : habilitada(8) ? 8 : 1;
    case 7:
        return habilitada(8) ? 8 : 1;
    default:
        return 1;
    }
}

void EditorConcursos::MueveFoco(int caja, int paso) {
    const auto& t = panel_.text3;
    // Among boxes 1 to 7, round from either end.
    for (int vueltas = 0; vueltas < 7; ++vueltas) {
        caja += paso;
        if (caja < 1 || caja > 7) caja = paso > 0 ? 1 : 7;
        CampoTexto* destino = t[static_cast<size_t>(caja)];
        if (!destino->isHidden() && destino->isEnabled()) {
            destino->setFocus();
            return;
        }
    }
}

bool EditorConcursos::NavegaCamposConcurso(QKeyEvent* tecla) {
    if (tecla->key() == Qt::Key_Tab || tecla->key() == Qt::Key_Backtab) return true;
    const int caja = CajaConFoco();
    if (caja < 0) return false;
    switch (tecla->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (estado_.OperacionEnCurso == Alta && caja == 1) CargaCategoriasConcurso();
        if (estado_.OperacionEnCurso != NuevaEdicion)
            panel_.text3[static_cast<size_t>(CajaTrasIntro(caja))]->setFocus();
        return true;
    case Qt::Key_Up:
        MueveFoco(caja, -1);
        return true;
    case Qt::Key_Down:
        MueveFoco(caja, 1);
        return true;
    default:
        return false;
    }
}
