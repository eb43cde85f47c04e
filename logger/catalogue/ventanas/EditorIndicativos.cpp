#include "EditorIndicativos.h"

#include "MensajesMotor.h"

#include "Avisos.h"
#include "CursorEspera.h"
#include "DatosPrincipal.h"
#include "EstadoPrincipal.h"
#include "FConcursos.h"
#include "HoraUTC.h"
#include "Indicativos.h"
#include "PanelConcurso.h"
#include "PanelEstaciones.h"
#include "SeleccionPrincipal.h"

namespace {
const QString Alta = QStringLiteral("ALTA");
const QString Modificar = QStringLiteral("MODIFICAR");
const QString Borrar = QStringLiteral("BORRAR");
constexpr int CajaIndicativo = 1;

} // namespace

EditorIndicativos::EditorIndicativos(FConcursos& ventana, PanelEstaciones& panel, PanelConcurso& concurso)
    : QObject(&ventana), ventana_(ventana), estado_(ventana.Estado()), panel_(panel), concurso_(concurso) {
    connect(&panel_, &PanelEstaciones::nuevoPulsado, this, &EditorIndicativos::NuevoIndicativo_Click);
    connect(&panel_, &PanelEstaciones::cambioPulsado, this, &EditorIndicativos::ModificaIndicativo_Click);
    connect(&panel_, &PanelEstaciones::borradoPulsado, this, &EditorIndicativos::BorrarIndicativo_Click);
    connect(&panel_, &PanelEstaciones::aceptarPulsado, this, &EditorIndicativos::AceptaIndicativo_Click);
    connect(&panel_, &PanelEstaciones::cancelarPulsado, this, &EditorIndicativos::CancelaIndicativo_Click);
    connect(&panel_, &PanelEstaciones::indicativoElegido, this, &EditorIndicativos::CargaIndicativo);
    connect(&panel_, &PanelEstaciones::campoEnfocado, this, [this](int i) { estado_.CampoActual = i; });
}

void EditorIndicativos::EmpiezaOperacion(const QString& operacion, bool conTamañoPantalla) {
    estado_.OperacionEnCurso = operacion;
    ventana_.DesactivaBotonesConcurso();
    panel_.HabilitaBotonesIndicativo(false);
    // Picking another callsign in the middle would load it over the open operation.
    panel_.MuestraOperacion(true);
    ventana_.CierraParaIndicativo(conTamañoPantalla);
}

void EditorIndicativos::AbreCajas() {
    ventana_.AjustaLongitudesIndicativo(0);
    panel_.BloqueaCamposIndicativo(false);
    estado_.EditandoIndicativo = true;
    estado_.CampoActual = CajaIndicativo;
    panel_.EnfocaCampo(CajaIndicativo);
}

void EditorIndicativos::Reposo() {
    ventana_.AbreTrasIndicativo();
    panel_.setEnabled(true);
    panel_.MuestraOperacion(false);
    panel_.HabilitaBotonesIndicativo(true);
    panel_.BloqueaCamposIndicativo(true);
    ventana_.EnfocaTrasIndicativo();
}

void EditorIndicativos::NuevoIndicativo_Click() {
    EmpiezaOperacion(Alta, false);
    panel_.LimpiaIndicativo();
    ValoresIndicativo nuevo;
    nuevo[0] = QString::number(SiguienteNumeroIndicativo(estado_));
    panel_.MuestraIndicativo(nuevo);
    AbreCajas();
}

void EditorIndicativos::ModificaIndicativo_Click() {
    if (!HayIndicativoActual(estado_)) return;
    EmpiezaOperacion(Modificar, true);
    // The edit starts from the stored row, whatever the boxes show.
    panel_.MuestraIndicativo(LeeValoresIndicativo(estado_));
    AbreCajas();
}

void EditorIndicativos::BorrarIndicativo_Click() {
    if (!HayIndicativoActual(estado_)) return;
    EmpiezaOperacion(Borrar, true);
    panel_.EnfocaCancelar();
}

void EditorIndicativos::AceptaIndicativo_Click() {
    const CursorEspera espera;
    if (estado_.OperacionEnCurso == Alta)
        AltaIndicativo();
    else if (estado_.OperacionEnCurso == Modificar)
        GuardaIndicativo();
    else if (estado_.OperacionEnCurso == Borrar)
        BorraIndicativo();
}

void EditorIndicativos::CancelaIndicativo_Click() {
    const QString operacion = estado_.OperacionEnCurso;
    if (operacion == Alta) {
        panel_.LimpiaIndicativo();
        Reposo();
        CargaIndicativo();
    } else if (operacion == Modificar) {
        if (HayIndicativoActual(estado_)) panel_.MuestraIndicativo(LeeValoresIndicativo(estado_));
        Reposo();
    } else if (operacion == Borrar) {
        Reposo();
    }
    estado_.EditandoIndicativo = false;
    estado_.OperacionEnCurso.clear();
}

ValoresIndicativo EditorIndicativos::Valores() const {
    ValoresIndicativo v = panel_.ValoresMostrados();
    for (QString& texto : v)
        texto = texto.trimmed();
    return v;
}

void EditorIndicativos::Rechaza(int caja) {
    panel_.EnfocaCampo(caja);
}

bool EditorIndicativos::DatosCompletos(const ValoresIndicativo& v) {
    if (v[CajaIndicativo].isEmpty()) {
        MsgBox("Falta el INDICATIVO", Icono::Critico, "INDICATIVOS");
        Rechaza(CajaIndicativo);
        return false;
    }
    for (int i = CajaIndicativo; i < static_cast<int>(v.size()); ++i) {
        if (!v[static_cast<size_t>(i)].isEmpty()) continue;
        MsgBox(
            "ADVERTENCIA: \n\nSe han dejado varios datos en blanco. \n\nTodos los datos son necesarios para "
            "incluirlos en el LOG del Formato Cabrillo.\n\n",
            Icono::Ninguno, "ADVERTENCIA", Botones::Aceptar);
        Rechaza(i);
        return false;
    }
    return true;
}

bool EditorIndicativos::AltaIndicativo() {
    // Checked on the trimmed values: "EA1AAA " must not slip past the duplicate test as another
    // callsign and then be stored as "EA1AAA".
    const ValoresIndicativo v = Valores();
    if (!v[CajaIndicativo].isEmpty() && ExisteIndicativo(estado_.NombreBaseDatos, v[CajaIndicativo])) {
        MsgBox("Ya hay registrado un INDICATIVO. ", Icono::Critico, "INDICATIVOS");
        Rechaza(CajaIndicativo);
        return false;
    }
    if (!DatosCompletos(v)) return false;
    panel_.MuestraIndicativo(v);
    // A store the engine refuses keeps the boxes open with what was typed, for another try.
    if (!IntentaGuardar([&] { InsertaIndicativo(estado_, v); })) return false;

    panel_.AñadeALista(v[CajaIndicativo], v[0].toInt());
    panel_.EligeFila(panel_.FilaDe(v[0].toInt()));
    MsgBox("Alta de NUEVO INDICATIVO efectuada", Icono::Informacion, "ALTA");
    Reposo();
    estado_.EditandoIndicativo = false;
    return true;
}

bool EditorIndicativos::GuardaIndicativo() {
    if (!HayIndicativoActual(estado_)) return false;
    ValoresIndicativo v = Valores();
    const int numero = NumeroIndicativoActual(estado_);
    v[0] = QString::number(numero);
    // The row itself does not count as a duplicate of its own callsign.
    if (!v[CajaIndicativo].isEmpty() && v[CajaIndicativo] != IndicativoActual(estado_) &&
        ExisteIndicativo(estado_.NombreBaseDatos, v[CajaIndicativo], numero)) {
        MsgBox("Ya hay un Indicativo con el MISMO NOMBRE", Icono::Critico, "INDICATIVOS");
        Rechaza(CajaIndicativo);
        return false;
    }
    if (!DatosCompletos(v)) return false;
    panel_.MuestraIndicativo(v);
    if (!IntentaGuardar([&] { ReescribeIndicativo(*estado_.BaseConcursos, v); })) return false;

    panel_.RenombraEnLista(numero, v[CajaIndicativo]);
    MsgBox("Los datos del INDICATIVO han sido modificados", Icono::Informacion, "ALTA");
    Reposo();
    // The edit is over: arrow keys no longer belong to the callsign boxes.
    estado_.EditandoIndicativo = false;
    CargaIndicativo();
    return true;
}

void EditorIndicativos::BorraIndicativo() {
    if (MsgBox("De verdad quiere BORRAR este Indicativo", Icono::Critico, "VERIFICAR BORRADO DE QSO",
               Botones::SiNo, Respuesta::No) == Respuesta::Si) {
        const int numero = panel_.ValoresMostrados()[0].toInt();
        if (!IntentaGuardar([&] { EliminaIndicativo(estado_, numero); })) return;
        panel_.QuitaDeLista(numero);
        panel_.LimpiaIndicativo();
        if (panel_.CuentaLista() == 0) OlvidaIndicativo(estado_);
        if (panel_.CuentaLista() > 0) panel_.EligeFila(0);
    }
    // Answering No keeps the callsign the user had selected.
    estado_.OperacionEnCurso.clear();
    Reposo();
}

void EditorIndicativos::CargaIndicativo() {
    if (!panel_.HayElegido()) return;
    if (AbreIndicativoPorNumero(estado_, panel_.NumeroElegido()))
        panel_.MuestraIndicativo(LeeValoresIndicativo(estado_));
    else
        panel_.LimpiaIndicativo();
    panel_.BloqueaCamposIndicativo(true);
    FijaIndicativoActivo(estado_, panel_.ValoresMostrados()[0].toInt());
    estado_.OperacionEnCurso.clear();
    MuestraHoraUTC();
    panel_.HabilitaBotonesIndicativo(true);
}

void EditorIndicativos::MuestraHoraUTC() {
    const QString numero = concurso_.Texto(0);
    if (numero.isEmpty() || !HayConcursoActual(estado_)) return;
    if (QString::number(NumeroConcursoActual(estado_)) != numero || !HoraUTCConcursoActual(estado_)) return;
    concurso_.MuestraCajaUTC();
    if (EsIndicativoEspanol(panel_.ValoresMostrados()[CajaIndicativo])) {
        DiferenciaHoraUTC(estado_.DesfaseUTC);
        concurso_.PonTexto(7, QString::number(estado_.DesfaseUTC));
    }
}
