#include "PanelEstaciones.h"

#include "CampoTexto.h"
#include "DatosPrincipal.h"
#include "Nombres.h"
#include "PreviaTeclas.h"

#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace {
const std::array<const char*, 6> EtiquetasIndicativo{"Número",    "Indicativo",    "Operador",
                                                     "Dirección", "C.P. y Ciudad", "País"};
// The boxes the user types into; text2[0] holds the row's key.
constexpr int PrimerCampo = 1, UltimoCampo = 5;

} // namespace

PanelEstaciones::PanelEstaciones(QWidget* parent)
    : QGroupBox(QStringLiteral("Datos de la ESTACIÓN para el CONCURSO"), parent) {
    setObjectName("PanelEstaciones");
    auto* columna = new QVBoxLayout(this);

    auto* rejilla = new QGridLayout;
    Label25 = Etiqueta(this, "Label25", "In&dicativos en uso");
    ListaIndicativos = new QComboBox(this);
    Nombra(ListaIndicativos, "ListaIndicativos", Label25);
    rejilla->addWidget(Label25, 0, 0);
    rejilla->addWidget(ListaIndicativos, 0, 1);
    for (size_t i = 0; i < text2.size(); ++i) {
        const QString nombre = QStringLiteral("text2_%1").arg(i);
        etiquetas[i] = Etiqueta(this, "Label" + nombre, QString::fromUtf8(EtiquetasIndicativo[i]));
        text2[i] = new CampoTexto(Qt::yellow, this);
        Nombra(text2[i], nombre, etiquetas[i]);
        text2[i]->setBloqueado(true);
        text2[i]->setReadOnly(true);
        text2[i]->installEventFilter(this);
        text2[i]->ponMayusculas();
        rejilla->addWidget(etiquetas[i], static_cast<int>(i) + 1, 0);
        rejilla->addWidget(text2[i], static_cast<int>(i) + 1, 1);
    }
    // The number is the row's key: kept, never shown or typed.
    etiquetas[0]->hide();
    text2[0]->hide();
    columna->addLayout(rejilla);

    // The operations on one line, accept and cancel under them: the frame stays narrow.
    auto* botones = new QGridLayout;
    NuevoIndicativo = Boton(this, "NuevoIndicativo", "Nue&vo Indicativo");
    ModificaIndicativo = Boton(this, "ModificaIndicativo", "Cambia&r");
    BorrarIndicativo = Boton(this, "BorrarIndicativo", "B&orrar");
    AceptaIndicativo = Boton(this, "AceptaIndicativo", "[F12] Aceptar");
    CancelaIndicativo = Boton(this, "CancelaIndicativo", "[Esc] Cancelar");
    botones->addWidget(NuevoIndicativo, 0, 0, 1, 2);
    botones->addWidget(ModificaIndicativo, 0, 2, 1, 2);
    botones->addWidget(BorrarIndicativo, 0, 4, 1, 2);
    botones->addWidget(AceptaIndicativo, 1, 0, 1, 3);
    botones->addWidget(CancelaIndicativo, 1, 3, 1, 3);
    columna->addLayout(botones);

    ModificaIndicativo->setEnabled(false);
    BorrarIndicativo->setEnabled(false);
    AceptaIndicativo->setEnabled(false);
    CancelaIndicativo->setEnabled(false);

    connect(NuevoIndicativo, &QPushButton::clicked, this, &PanelEstaciones::nuevoPulsado);
    connect(ModificaIndicativo, &QPushButton::clicked, this, &PanelEstaciones::cambioPulsado);
    connect(BorrarIndicativo, &QPushButton::clicked, this, &PanelEstaciones::borradoPulsado);
    connect(AceptaIndicativo, &QPushButton::clicked, this, &PanelEstaciones::aceptarPulsado);
    connect(CancelaIndicativo, &QPushButton::clicked, this, &PanelEstaciones::cancelarPulsado);
    connect(ListaIndicativos, &QComboBox::currentIndexChanged, this, [this](int fila) {
        if (fila >= 0) emit indicativoElegido();
    });
}

void PanelEstaciones::AsignaTeclas(PreviaTeclas& teclas) {
    teclas.asigna(Qt::Key_F12, AceptaIndicativo);
    teclas.asigna(Qt::Key_Escape, CancelaIndicativo);
}

void PanelEstaciones::LlenaLista(const std::vector<EntradaLista>& indicativos) {
    const QSignalBlocker bloqueo(ListaIndicativos);
    ListaIndicativos->clear();
    for (const EntradaLista& e : indicativos)
        ListaIndicativos->addItem(e.texto, e.numero);
    ListaIndicativos->setCurrentIndex(-1);
}

void PanelEstaciones::EligeFila(int fila) {
    if (ListaIndicativos->currentIndex() == fila)
        emit indicativoElegido();
    else
        ListaIndicativos->setCurrentIndex(fila);
}

int PanelEstaciones::FilaDe(int numero) const {
    return ListaIndicativos->findData(numero);
}

bool PanelEstaciones::HayElegido() const {
    return ListaIndicativos->currentIndex() >= 0;
}

int PanelEstaciones::NumeroElegido() const {
    return HayElegido() ? ListaIndicativos->currentData().toInt() : 0;
}

int PanelEstaciones::CuentaLista() const {
    return ListaIndicativos->count();
}

void PanelEstaciones::AñadeALista(const QString& indicativo, int numero) {
    const QSignalBlocker bloqueo(ListaIndicativos);
    ListaIndicativos->addItem(indicativo, numero);
}

void PanelEstaciones::RenombraEnLista(int numero, const QString& indicativo) {
    if (const int fila = FilaDe(numero); fila >= 0) ListaIndicativos->setItemText(fila, indicativo);
}

void PanelEstaciones::QuitaDeLista(int numero) {
    const QSignalBlocker bloqueo(ListaIndicativos);
    if (const int fila = FilaDe(numero); fila >= 0) ListaIndicativos->removeItem(fila);
    if (ListaIndicativos->count() == 0) ListaIndicativos->setCurrentIndex(-1);
}

void PanelEstaciones::MuestraOperacion(bool abierta) {
    AceptaIndicativo->setEnabled(abierta);
    CancelaIndicativo->setEnabled(abierta);
    Label25->setEnabled(!abierta);
    ListaIndicativos->setEnabled(!abierta);
}

bool PanelEstaciones::OperacionAbierta() const {
    return AceptaIndicativo->isEnabled();
}

void PanelEstaciones::EnfocaCancelar() {
    CancelaIndicativo->setFocus(Qt::OtherFocusReason);
}

void PanelEstaciones::LimpiaIndicativo() {
    for (CampoTexto* t : text2)
        t->clear();
}

void PanelEstaciones::HabilitaBotonesIndicativo(bool habilitar) {
    const bool cargado = ListaIndicativos->currentIndex() >= 0;
    NuevoIndicativo->setEnabled(habilitar);
    ModificaIndicativo->setEnabled(habilitar && cargado);
    BorrarIndicativo->setEnabled(habilitar && cargado);
}

void PanelEstaciones::AjustaLongitudesIndicativo(const DefTabla& defIndicativos, int extra) {
    for (size_t i = 0; i < text2.size(); ++i)
        if (const auto largo = LongitudMaxima(defIndicativos.campo(static_cast<int>(i)), extra))
            text2[i]->setMaxLength(*largo);
}

void PanelEstaciones::BloqueaCamposIndicativo(bool bloquear) {
    for (size_t i = 0; i < text2.size(); ++i) {
        // A box that took the focus by a click must not take typing outside an edit either.
        const bool bloqueada = bloquear || i == 0;
        text2[i]->setBloqueado(bloqueada);
        text2[i]->setReadOnly(bloqueada);
    }
}

void PanelEstaciones::MuestraIndicativo(const ValoresIndicativo& valores) {
    for (size_t i = 0; i < text2.size(); ++i)
        text2[i]->setText(valores[i]);
}

ValoresIndicativo PanelEstaciones::ValoresMostrados() const {
    ValoresIndicativo v;
    for (size_t i = 0; i < v.size(); ++i)
        v[i] = text2[i]->text();
    return v;
}

bool PanelEstaciones::NavegaCamposIndicativo(QKeyEvent* tecla) {
    const int actual = IndiceDe(focusWidget()) >= PrimerCampo ? IndiceDe(focusWidget()) : campoActual_;
    switch (tecla->key()) {
    case Qt::Key_Up:
        EnfocaCampo(actual <= PrimerCampo ? UltimoCampo : actual - 1);
        return true;
    case Qt::Key_Down:
        EnfocaCampo(actual >= UltimoCampo ? PrimerCampo : actual + 1);
        return true;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return true;
    default:
        return false;
    }
}

bool PanelEstaciones::eventFilter(QObject* objeto, QEvent* evento) {
    const int i = IndiceDe(objeto);
    if (i < 0) return QGroupBox::eventFilter(objeto, evento);
    CampoTexto* caja = text2[static_cast<size_t>(i)];
    switch (evento->type()) {
    case QEvent::FocusIn:
        campoActual_ = i;
        emit campoEnfocado(i);
        break;
    case QEvent::FocusOut:
        if (const QString limpio = caja->text().trimmed(); limpio != caja->text()) caja->setText(limpio);
        break;
    case QEvent::KeyPress: {
        const int tecla = static_cast<QKeyEvent*>(evento)->key();
        if (tecla == Qt::Key_Return || tecla == Qt::Key_Enter) {
            const int siguiente = i >= UltimoCampo ? PrimerCampo : i + 1;
            EnfocaCampo(siguiente);
            // Typing replaces what the box holds.
            text2[static_cast<size_t>(siguiente)]->selectAll();
            return true;
        }
        break;
    }
    default:
        break;
    }
    return QGroupBox::eventFilter(objeto, evento);
}

void PanelEstaciones::EnfocaCampo(int indice) {
    text2[static_cast<size_t>(indice)]->setFocus(Qt::OtherFocusReason);
}

int PanelEstaciones::IndiceDe(const QObject* objeto) const {
    for (size_t i = 0; i < text2.size(); ++i)
        if (text2[i] == objeto) return static_cast<int>(i);
    return -1;
}
