#include "EditorConcursos.h"

#include "MensajesMotor.h"

#include "Avisos.h"
#include "CursorEspera.h"
#include "DatosConcursos.h"
#include "DatosPrincipal.h"
#include "EditorNombresUser.h"
#include "Esquema.h"
#include "FConcursos.h"
#include "PanelCategoria.h"
#include "PanelConcurso.h"
#include "Reloj.h"
#include "SeleccionPrincipal.h"
#include "ValidacionConcurso.h"
#include "Verificaciones.h"
#include "VistaOpciones.h"

#include <QKeyEvent>

namespace {

constexpr int CajaMes = 9;

} // namespace

EditorConcursos::EditorConcursos(FConcursos& ventana, EstadoPrincipal& estado, PanelConcurso& panel)
    : QObject(&ventana), ventana_(ventana), estado_(estado), panel_(panel) {
    connect(&panel_, &PanelConcurso::cajaEnfocada, this, [this](int caja) { estado_.CampoActual = caja; });
    ConectaCabrillo();
    ConectaOpciones(panel_,
                    {[this] { return IndicativoActivo(); }, [this] { return estado_.EditandoConcurso; },
                     [this](const OpcionesConcurso& o) {
                         if (o.desfaseUTC) estado_.programa.DesfaseUTC = *o.desfaseUTC;
                     }});
    new EditorNombresUser(ventana, estado_, panel_);
    // Until the startup upgrades end, a click on a band or mode box sends the focus to the name.
    connect(&panel_, &PanelConcurso::bandaOModoPulsado, this, [this] {
        if (!estado_.ActivarCheck) panel_.EnfocaCaja(1);
    });
}

// The station callsign loaded in the callsign frame; empty when none is.
QString EditorConcursos::IndicativoActivo() const {
    return IndicativoActual(estado_);
}

// --- Starting and ending an edit ---

bool EditorConcursos::HayConcursoMostrado() const {
    // A month without contests leaves the buttons of the last active contest enabled, with no
    // row behind the empty frame.
    return HayConcursoActual(estado_) && !panel_.Texto(0).isEmpty() &&
           NumeroConcursoActual(estado_) == panel_.Texto(0).toInt();
}

bool EditorConcursos::IniciaEdicion() {
    if (!ventana_.HayIndicativoElegido()) {
        MsgBox("No hay ningún INDICATIVO configurado. Inicialmente es necesario dar de ALTA, al menos, un "
               "indicativo",
               Icono::Informacion, "CONFIGURE ALGÚN INDICATIVO");
        return false;
    }
    panel_.setEnabled(true);
    ventana_.BotonesEnEdicion();
    HabilitaAñadirBandaModo(true);
    ventana_.HabilitaAlrededorConcurso(false);
    ventana_.AjustaLongitudesConcurso(0);
    estado_.EditandoConcurso = true;
    presetsAplicados_.reset();
    return true;
}

void EditorConcursos::VuelveAReposo() {
    estado_.OperacionEnCurso = OperacionPrincipal::Ninguna;
    estado_.EditandoConcurso = false;
    BloqueaCamposConcurso(true);
    panel_.setEnabled(false);
    ventana_.HabilitaAlrededorConcurso(true);
    HabilitaAñadirBandaModo(false);
    ventana_.BotonesEnReposo();
}

void EditorConcursos::AltaReg_Click() {
    if (!IniciaEdicion()) return;
    estado_.OperacionEnCurso = OperacionPrincipal::Alta;
    LimpiaConcurso();
    OcultaListaCategoriasCabrillo();
    CargaTipoConcursos();
    CargaComboCabrillo20();
    panel_.PonTexto(0, QString::number(SiguienteNumeroConcurso(*estado_.programa.BaseConcursos)));
    panel_.PonTexto(2, QString::number(Hoy().year()));
    if (const QString mes = ventana_.MesElegido(); !mes.isEmpty()) panel_.PonTexto(CajaMes, mes);
    BloqueaCamposConcurso(false);
    OpcionesConcurso o = LeeOpciones(panel_);
    PreparaNuevoConcurso(o, IndicativoActivo());
    if (o.desfaseUTC) estado_.programa.DesfaseUTC = *o.desfaseUTC;
    MuestraOpciones(panel_, o, true);
    estado_.CampoActual = 1;
    panel_.EnfocaCaja(1);
}

void EditorConcursos::ModificarReg_Click() {
    if (!HayConcursoMostrado()) return Beep();
    if (!IniciaEdicion()) return;
    estado_.OperacionEnCurso = OperacionPrincipal::Modificar;
    BloqueaCamposConcurso(false);
    // The hours box opens only when the contest repeats by hours.
    MuestraOpciones(panel_, LeeOpciones(panel_), true);
    estado_.CampoActual = 1;
    panel_.EnfocaCaja(1);
}

void EditorConcursos::NuevaEdicion_Click() {
    if (!HayConcursoMostrado()) return Beep();
    if (!IniciaEdicion()) return;
    estado_.ConcursoOrigen = NumeroConcursoActual(estado_);
    estado_.OperacionEnCurso = OperacionPrincipal::NuevaEdicion;
    panel_.PonTexto(0, QString::number(SiguienteNumeroConcurso(*estado_.programa.BaseConcursos)));
    panel_.PonTexto(2, QString());
    // The new edition has no QSOs yet: its numbering starts again.
    panel_.PonTexto(5, QStringLiteral("0"));
    BloqueaCamposConcurso(true);
    estado_.CampoActual = 2;
    panel_.EnfocaCaja(2);
}

void EditorConcursos::BorrarReg_Click() {
    if (!HayConcursoMostrado()) return Beep();
    estado_.OperacionEnCurso = OperacionPrincipal::Borrar;
    ventana_.BotonesEnEdicion();
    // Another selection now would leave the deletion pending behind idle buttons.
    ventana_.HabilitaAlrededorConcurso(false);
    ventana_.EnfocaCancelar();
}

void EditorConcursos::Aceptar_Click() {
    const OperacionPrincipal op = estado_.OperacionEnCurso;
    bool guardado = false;
    if (op == OperacionPrincipal::Alta || op == OperacionPrincipal::NuevaEdicion)
        guardado = AltaConcurso();
    else if (op == OperacionPrincipal::Modificar)
        guardado = GuardaConcurso();
    else if (op == OperacionPrincipal::Borrar)
        BorraConcurso();
    if (guardado) HabilitaAñadirBandaModo(false);
}

void EditorConcursos::Cancelar_Click() {
    const OperacionPrincipal op = estado_.OperacionEnCurso;
    if (op == OperacionPrincipal::Alta) {
        LimpiaConcurso();
        ventana_.DeseleccionaConcurso();
        // The list's selection change: with nothing selected no contest is active.
        CargaConcurso();
    } else if (op == OperacionPrincipal::NuevaEdicion) {
        LimpiaConcurso();
        CargaConcurso();
    } else if (op == OperacionPrincipal::Modificar) {
        MuestraConcurso();
    } else if (op != OperacionPrincipal::Borrar) {
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
    if (const std::optional<int> elegido = ventana_.ConcursoElegido()) {
        if (AbreConcursoPorNumero(estado_, *elegido)) {
            panel_.setEnabled(true);
            MuestraConcurso();
            panel_.setEnabled(false);
            mostrado = true;
        } else {
            LimpiaConcurso(); // gone meanwhile: no number of another contest stays on show
        }
        BloqueaCamposConcurso(true);
    }
    FijaConcursoActivo(estado_, panel_.Texto(0).toInt());
    ventana_.BotonesEnReposo();
    return mostrado;
}

void EditorConcursos::MuestraConcurso() {
    panel_.MuestraConcurso(LeeFichaConcurso(estado_));
    DerivaCamposAlCargar();
    CargaResumenCabrillo();
}

void EditorConcursos::DerivaCamposAlCargar() {
    const CargaDeOpciones carga = CargaOpcionesActual(estado_, IndicativoActivo());
    if (carga.opciones.desfaseUTC) estado_.programa.DesfaseUTC = *carga.opciones.desfaseUTC;
    MuestraOpciones(panel_, carga.opciones, false);
    GuardaDerivadosCarga(estado_, carga);
}

void EditorConcursos::HabilitaAñadirBandaModo(bool habilitar) {
    panel_.HabilitaAñadirBandaModo(habilitar);
}

void EditorConcursos::LimpiaConcurso() {
    panel_.LimpiaConcurso();
}

void EditorConcursos::BloqueaCamposConcurso(bool bloquear) {
    panel_.BloqueaCamposConcurso(bloquear);
}

// --- Storing ---

bool EditorConcursos::ConfirmaSinMes(const QString& accion, const QString& continua, const QString& cancela) {
    if (!panel_.Texto(CajaMes).trimmed().isEmpty()) return true;
    const QString texto = accion +
                          "\n\nSe recomienda especificar el MES ya que será más fácil acceder al "
                          "concurso.\n\n" +
                          continua + "\n" + cancela;
    if (MsgBox(texto, Icono::Ninguno, "Verificar MES del concurso", Botones::AceptarCancelar) ==
        Respuesta::Aceptar)
        return true;
    panel_.EnfocaCaja(CajaMes);
    return false;
}

bool EditorConcursos::CompruebaValores() {
    const FichaConcurso ficha = panel_.FichaMostrada();
    QStringList valores;
    for (const QString& texto : ficha.text3)
        valores << texto.trimmed();
    std::optional<Rechazo<>> rechazo = VerificaTiposCampos(estado_.programa.DefConcursos, valores).rechazo;
    if (!rechazo) {
        const int noCabe = CajaQueNoCabe(estado_.programa.DefConcursos, valores);
        if (noCabe >= 0) rechazo = Rechazo<>{0, {}, false, noCabe};
    }
    if (rechazo) {
        MuestraRechazo(*rechazo);
        if (rechazo->foco >= 0 && rechazo->foco < static_cast<int>(ficha.text3.size()))
            panel_.EnfocaCaja(rechazo->foco);
        return false;
    }
    for (size_t i = 0; i < ficha.text3.size(); ++i)
        panel_.PonTexto(static_cast<int>(i), valores[static_cast<qsizetype>(i)]);
    return true;
}

bool EditorConcursos::ValidaConcurso() {
    const FichaConcurso ficha = panel_.FichaMostrada();
    DatosValidacion datos;
    for (const QString& texto : ficha.text3)
        datos.valores << texto;
    datos.opciones = LeeOpciones(panel_);
    datos.bandas = ficha.bandas;
    datos.modos = ficha.modos;
    datos.indicativo = IndicativoActivo();
    const ResultadoValidacion r = ::ValidaConcurso(datos);
    if (r.muestraHoras) panel_.PonTexto(8, r.valores[8]);
    if (!r.acepta()) {
        MuestraRechazo(*r.rechazo);
        if (r.rechazo->foco >= 0) panel_.EnfocaCaja(r.rechazo->foco);
        return false;
    }
    for (int i = 0; i < static_cast<int>(ficha.text3.size()); ++i)
        if (panel_.Texto(i) != r.valores[i]) panel_.PonTexto(i, r.valores[i]);
    return true;
}

void EditorConcursos::MuestraDerivados(const OpcionesConcurso& o) {
    if (o.desfaseUTC) estado_.programa.DesfaseUTC = *o.desfaseUTC;
    MuestraOpciones(panel_, o, estado_.EditandoConcurso);
}

bool EditorConcursos::AltaConcurso() {
    if (!ConfirmaSinMes("Va dar de ALTA un concurso sin especificar el MES.",
                        ".- Si pulsa ACEPTAR se continúa el ALTA sin incluir el MES.",
                        ".- Si pulsa CANCELAR se cancela el ALTA concurso para poder introducir el MES."))
        return false;
    if (ExisteConcurso(*estado_.programa.BaseConcursos, panel_.Texto(1).trimmed(),
                       panel_.Texto(2).trimmed())) {
        MsgBox("Ya hay un concurso con el MISMO NOMBRE y EDICIÓN", Icono::Critico, "CONCURSO");
        panel_.EnfocaCaja(1);
        return false;
    }
    if (!CompruebaValores() || !ValidaConcurso()) return false;

    const int numero = panel_.Texto(0).toInt();
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
    AjustaControlesCategoria(panel_.PanelCabrillo().IndiceCategoriaElegida());
    ventana_.SeleccionaMes(panel_.Texto(CajaMes));
    MsgBox("Alta de Concurso efectuada", Icono::Informacion, "ALTA");
    VuelveAReposo();
    return true;
}

bool EditorConcursos::GuardaConcurso() {
    if (!ConfirmaSinMes(
            "Va MODIFICAR un concurso sin especificar el MES.",
            ".- Si pulsa ACEPTAR se continúa la MODIFICACÓN sin incluir el MES.",
            ".- Si pulsa CANCELAR se cancela la MODIFICACIÓN del concurso para poder introducir el "
            "MES."))
        return false;
    const QString nombre = panel_.Texto(1).trimmed();
    const QString edicion = panel_.Texto(2).trimmed();
    // Only a new name is looked up: a change of edition alone is the operator's own correction.
    // The contest itself never counts as its own duplicate.
    if (nombre != NombreConcursoActual(estado_) &&
        ExisteConcurso(*estado_.programa.BaseConcursos, nombre, edicion, NumeroConcursoActual(estado_))) {
        MsgBox("Ya hay un concurso con el MISMO NOMBRE y EDICIÓN", Icono::Critico, "CONCURSO");
        panel_.EnfocaCaja(1);
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
    ventana_.SeleccionaMes(panel_.Texto(CajaMes));
    VuelveAReposo();
    return true;
}

bool EditorConcursos::BorraConcurso() {
    if (MsgBox("De verdad quiere BORRAR este CONCURSO", Icono::Critico, "VERIFICAR BORRADO DE QSO",
               Botones::SiNo, Respuesta::No) != Respuesta::Si) {
        VuelveAReposo();
        estado_.OperacionEnCurso = OperacionPrincipal::Consulta;
        return false;
    }
    const int numero = NumeroConcursoActual(estado_);
    if (!IntentaGuardar([&] {
            // All of the contest goes, or none of it.
            const CursorEspera espera;
            EliminaConcursoActual(estado_);
        }))
        return false;
    ventana_.QuitaConcursoDeLista(numero);
    LimpiaConcurso();
    VuelveAReposo();
    return true;
}

// --- Keys ---

bool EditorConcursos::NavegaCamposConcurso(QKeyEvent* tecla) {
    if (tecla->key() == Qt::Key_Tab || tecla->key() == Qt::Key_Backtab) return true;
    const int caja = panel_.CajaConFoco();
    if (caja < 0) return false;
    switch (tecla->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (estado_.OperacionEnCurso == OperacionPrincipal::Alta && caja == 1) CargaCategoriasConcurso();
        if (estado_.OperacionEnCurso != OperacionPrincipal::NuevaEdicion) panel_.EnfocaTrasIntro(caja);
        return true;
    case Qt::Key_Up:
        panel_.MueveFoco(caja, -1);
        return true;
    case Qt::Key_Down:
        panel_.MueveFoco(caja, 1);
        return true;
    default:
        return false;
    }
}
