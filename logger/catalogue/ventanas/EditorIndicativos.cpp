#include "EditorIndicativos.h"

#include "MensajesMotor.h"

#include "Avisos.h"
#include "CampoTexto.h"
#include "CursorEspera.h"
#include "DatosPrincipal.h"
#include "EstadoPrincipal.h"
#include "FConcursos.h"
#include "HoraUTC.h"
#include "Indicativos.h"
#include "PanelConcurso.h"
#include "PanelEstaciones.h"
#include "SeleccionPrincipal.h"

#include <QApplication>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>

namespace {
constexpr int CajaIndicativo = 1;

} // namespace

EditorIndicativos::EditorIndicativos(FConcursos& ventana)
    : QObject(&ventana), ventana_(ventana), estado_(ventana.Estado()), panel_(*ventana.Estaciones) {
    connect(panel_.NuevoIndicativo, &QPushButton::clicked, this, &EditorIndicativos::NuevoIndicativo_Click);
    connect(panel_.ModificaIndicativo, &QPushButton::clicked, this,
            &EditorIndicativos::ModificaIndicativo_Click);
    connect(panel_.BorrarIndicativo, &QPushButton::clicked, this, &EditorIndicativos::BorrarIndicativo_Click);
    connect(panel_.AceptaIndicativo, &QPushButton::clicked, this, &EditorIndicativos::AceptaIndicativo_Click);
    connect(panel_.CancelaIndicativo, &QPushButton::clicked, this,
            &EditorIndicativos::CancelaIndicativo_Click);
    connect(&panel_, &PanelEstaciones::campoEnfocado, this, [this](int i) { estado_.CampoActual = i; });
}

void EditorIndicativos::empiezaOperacion(OperacionPrincipal operacion, bool conTamañoPantalla) {
    estado_.OperacionEnCurso = operacion;
    ventana_.DesactivaBotonesConcurso();
    ventana_.HabilitaBotonesIndicativo(false);
    panel_.AceptaIndicativo->setEnabled(true);
    panel_.CancelaIndicativo->setEnabled(true);
    for (QWidget* w : std::initializer_list<QWidget*>{ventana_.Concurso, ventana_.SeleccionConcurso,
                                                      ventana_.SeleccionMes, ventana_.PanelBotonesConcurso})
        w->setEnabled(false);
    if (conTamañoPantalla) ventana_.PanelTamañoPantalla->setEnabled(false);
    // Picking another callsign in the middle would load it over the open operation.
    panel_.Label25->setEnabled(false);
    panel_.ListaIndicativos->setEnabled(false);
}

void EditorIndicativos::abreCajas() {
    ventana_.AjustaLongitudesIndicativo(0);
    panel_.BloqueaCamposIndicativo(false);
    estado_.EditandoIndicativo = true;
    estado_.CampoActual = CajaIndicativo;
    panel_.text2[CajaIndicativo]->setFocus(Qt::OtherFocusReason);
}

void EditorIndicativos::reposo() {
    ventana_.Concurso->setEnabled(false);
    const bool empezado = !estado_.ArranquePendiente;
    // Before the work starts the month and contest lists and the contest buttons stay as the
    // window first showed them; only the start button leads on.
    if (empezado) {
        ventana_.SeleccionConcurso->setEnabled(true);
        ventana_.SeleccionMes->setEnabled(true);
    }
    ventana_.PanelTamañoPantalla->setEnabled(true);
    panel_.setEnabled(true);
    ventana_.PanelBotonesConcurso->setEnabled(true);
    panel_.AceptaIndicativo->setEnabled(false);
    panel_.CancelaIndicativo->setEnabled(false);
    panel_.Label25->setEnabled(true);
    panel_.ListaIndicativos->setEnabled(true);
    ventana_.HabilitaBotonesIndicativo(true);
    panel_.BloqueaCamposIndicativo(true);
    if (empezado) {
        ventana_.HabilitaBotonesConcurso();
        ventana_.AltaReg->setFocus(Qt::OtherFocusReason);
    } else if (ventana_.IniciarXkLumoCon->isEnabled()) {
        ventana_.IniciarXkLumoCon->setFocus(Qt::OtherFocusReason);
    }
}

void EditorIndicativos::NuevoIndicativo_Click() {
    empiezaOperacion(OperacionPrincipal::Alta, false);
    ventana_.LimpiaIndicativo();
    panel_.text2[0]->setText(QString::number(SiguienteNumeroIndicativo(estado_)));
    abreCajas();
}

void EditorIndicativos::ModificaIndicativo_Click() {
    if (!HayIndicativoActual(estado_)) return;
    empiezaOperacion(OperacionPrincipal::Modificar, true);
    // The edit starts from the stored row, whatever the boxes show.
    panel_.MuestraIndicativo(LeeValoresIndicativo(estado_));
    abreCajas();
}

void EditorIndicativos::BorrarIndicativo_Click() {
    if (!HayIndicativoActual(estado_)) return;
    empiezaOperacion(OperacionPrincipal::Borrar, true);
    panel_.CancelaIndicativo->setFocus(Qt::OtherFocusReason);
}

void EditorIndicativos::AceptaIndicativo_Click() {
    const CursorEspera espera;
    if (estado_.OperacionEnCurso == OperacionPrincipal::Alta)
        AltaIndicativo();
    else if (estado_.OperacionEnCurso == OperacionPrincipal::Modificar)
        GuardaIndicativo();
    else if (estado_.OperacionEnCurso == OperacionPrincipal::Borrar)
        BorraIndicativo();
}

void EditorIndicativos::CancelaIndicativo_Click() {
    const OperacionPrincipal operacion = estado_.OperacionEnCurso;
    if (operacion == OperacionPrincipal::Alta) {
        ventana_.LimpiaIndicativo();
        reposo();
        CargaIndicativo();
    } else if (operacion == OperacionPrincipal::Modificar) {
        if (HayIndicativoActual(estado_)) panel_.MuestraIndicativo(LeeValoresIndicativo(estado_));
        reposo();
    } else if (operacion == OperacionPrincipal::Borrar) {
        reposo();
    }
    estado_.EditandoIndicativo = false;
    estado_.OperacionEnCurso = OperacionPrincipal::Ninguna;
}

ValoresIndicativo EditorIndicativos::valores() const {
    ValoresIndicativo v;
    for (size_t i = 0; i < v.size(); ++i)
        v[i] = panel_.text2[i]->text().trimmed();
    return v;
}

void EditorIndicativos::muestraValores(const ValoresIndicativo& v) {
    for (size_t i = 0; i < v.size(); ++i)
        panel_.text2[i]->setText(v[i]);
}

void EditorIndicativos::rechaza(int caja) {
    panel_.text2[static_cast<size_t>(caja)]->setFocus(Qt::OtherFocusReason);
}

bool EditorIndicativos::datosCompletos(const ValoresIndicativo& v) {
    if (v[CajaIndicativo].isEmpty()) {
        MsgBox("Falta el INDICATIVO", Icono::Critico, "INDICATIVOS");
        rechaza(CajaIndicativo);
        return false;
    }
    for (int i = CajaIndicativo; i < static_cast<int>(v.size()); ++i) {
        if (!v[static_cast<size_t>(i)].isEmpty()) continue;
        MsgBox(
            "ADVERTENCIA: \n\nSe han dejado varios datos en blanco. \n\nTodos los datos son necesarios para "
            "incluirlos en el LOG del Formato Cabrillo.\n\n",
            Icono::Ninguno, "ADVERTENCIA", Botones::Aceptar);
        rechaza(i);
        return false;
    }
    return true;
}

bool EditorIndicativos::AltaIndicativo() {
    // Checked on the trimmed values: "EA1AAA " must not slip past the duplicate test as another
    // callsign and then be stored as "EA1AAA".
    const ValoresIndicativo v = valores();
    if (!v[CajaIndicativo].isEmpty() &&
        ExisteIndicativo(estado_.programa.NombreBaseDatos, v[CajaIndicativo])) {
        MsgBox("Ya hay registrado un INDICATIVO. ", Icono::Critico, "INDICATIVOS");
        rechaza(CajaIndicativo);
        return false;
    }
    if (!datosCompletos(v)) return false;
    muestraValores(v);
    // A store the engine refuses keeps the boxes open with what was typed, for another try.
    if (!IntentaGuardar([&] { InsertaIndicativo(estado_, v); })) return false;

    QComboBox* lista = panel_.ListaIndicativos;
    {
        const QSignalBlocker bloqueo(lista);
        lista->addItem(v[CajaIndicativo], v[0].toInt());
    }
    seleccionaIndicativo(lista->findData(v[0].toInt()));
    MsgBox("Alta de NUEVO INDICATIVO efectuada", Icono::Informacion, "ALTA");
    reposo();
    estado_.EditandoIndicativo = false;
    return true;
}

bool EditorIndicativos::GuardaIndicativo() {
    if (!HayIndicativoActual(estado_)) return false;
    ValoresIndicativo v = valores();
    const int numero = NumeroIndicativoActual(estado_);
    v[0] = QString::number(numero);
    // The row itself does not count as a duplicate of its own callsign.
    if (!v[CajaIndicativo].isEmpty() && v[CajaIndicativo] != IndicativoActual(estado_) &&
        ExisteIndicativo(estado_.programa.NombreBaseDatos, v[CajaIndicativo], numero)) {
        MsgBox("Ya hay un Indicativo con el MISMO NOMBRE", Icono::Critico, "INDICATIVOS");
        rechaza(CajaIndicativo);
        return false;
    }
    if (!datosCompletos(v)) return false;
    muestraValores(v);
    if (!IntentaGuardar([&] { ReescribeIndicativo(*estado_.programa.BaseConcursos, v); })) return false;

    QComboBox* lista = panel_.ListaIndicativos;
    if (const int fila = lista->findData(numero); fila >= 0) lista->setItemText(fila, v[CajaIndicativo]);
    MsgBox("Los datos del INDICATIVO han sido modificados", Icono::Informacion, "ALTA");
    reposo();
    // The edit is over: arrow keys no longer belong to the callsign boxes.
    estado_.EditandoIndicativo = false;
    CargaIndicativo();
    return true;
}

void EditorIndicativos::BorraIndicativo() {
    QComboBox* lista = panel_.ListaIndicativos;
    if (MsgBox("De verdad quiere BORRAR este Indicativo", Icono::Critico, "VERIFICAR BORRADO DE QSO",
               Botones::SiNo, Respuesta::No) == Respuesta::Si) {
        const int numero = panel_.text2[0]->text().toInt();
        if (!IntentaGuardar([&] { EliminaIndicativo(estado_, numero); })) return;
        {
            const QSignalBlocker bloqueo(lista);
            if (const int fila = lista->findData(numero); fila >= 0) lista->removeItem(fila);
            if (lista->count() == 0) lista->setCurrentIndex(-1);
        }
        ventana_.LimpiaIndicativo();
        if (lista->count() == 0) OlvidaIndicativo(estado_);
        if (lista->count() > 0) seleccionaIndicativo(0);
    }
    // Answering No keeps the callsign the user had selected.
    estado_.OperacionEnCurso = OperacionPrincipal::Ninguna;
    reposo();
}

void EditorIndicativos::seleccionaIndicativo(int fila) {
    QComboBox* lista = panel_.ListaIndicativos;
    if (lista->currentIndex() == fila)
        CargaIndicativo();
    else
        lista->setCurrentIndex(fila);
}

void EditorIndicativos::CargaIndicativo() {
    QComboBox* lista = panel_.ListaIndicativos;
    const int fila = lista->currentIndex();
    if (fila < 0) return;
    if (AbreIndicativoPorNumero(estado_, lista->itemData(fila).toInt()))
        panel_.MuestraIndicativo(LeeValoresIndicativo(estado_));
    else
        ventana_.LimpiaIndicativo();
    panel_.BloqueaCamposIndicativo(true);
    FijaIndicativoActivo(estado_, panel_.text2[0]->text().toInt());
    estado_.OperacionEnCurso = OperacionPrincipal::Ninguna;
    muestraHoraUTC();
    ventana_.HabilitaBotonesIndicativo(true);
}

void EditorIndicativos::muestraHoraUTC() {
    PanelConcurso& concurso = *ventana_.Concurso;
    const QString numero = concurso.text3[0]->text();
    if (numero.isEmpty() || !HayConcursoActual(estado_)) return;
    if (QString::number(NumeroConcursoActual(estado_)) != numero || !HoraUTCConcursoActual(estado_)) return;
    concurso.LabelUTC->show();
    concurso.LabelUTC->setEnabled(true);
    concurso.text3[7]->show();
    concurso.text3[7]->setEnabled(true);
    if (EsIndicativoEspanol(panel_.text2[CajaIndicativo]->text())) {
        DiferenciaHoraUTC(estado_.programa.DesfaseUTC);
        concurso.text3[7]->setText(QString::number(estado_.programa.DesfaseUTC));
    }
}
