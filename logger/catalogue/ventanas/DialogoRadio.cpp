#include "DialogoRadio.h"

#include "Avisos.h"
#include "EnlaceRadio.h"
#include "Nombres.h"

#include <QComboBox>
#include <QCompleter>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

namespace {
// Which controls each kind of link uses, in the order of the Tipo choice.
struct FilaTipo {
    TipoRadio tipo;
    const char* texto;
    bool serie; // model, device and speed
    bool red;   // host and port
};
constexpr FilaTipo Tipos[] = {
    {TipoRadio::Ninguno, "Ninguno", false, false},
    {TipoRadio::Hamlib, "Equipo de la lista de Hamlib", true, false},
    {TipoRadio::Rigctld, "rigctld", false, true},
};
constexpr int Velocidades[] = {1200, 2400, 4800, 9600, 19200, 38400, 57600, 115200};

QString TextoModelo(const ModeloHamlib& m) {
    return QStringLiteral("%1 %2 (%3)").arg(m.fabricante, m.modelo).arg(m.numero);
}

QComboBox* Lista(QWidget* padre, const QString& nombre, QFormLayout& forma, const QString& etiqueta) {
    auto* c = new QComboBox(padre);
    auto* l = new QLabel(etiqueta, padre);
    Nombra(c, nombre, l);
    forma.addRow(l, c);
    return c;
}
} // namespace

DialogoRadio::DialogoRadio(std::shared_ptr<BaseDatos> bd, QWidget* padre)
    : QDialog(padre), bd_(std::move(bd)), enlace_(new EnlaceRadio(this)) {
    setObjectName("DialogoRadio");
    setWindowTitle(QStringLiteral("Conexión con el equipo"));
    auto* forma = new QFormLayout(this);
    Tipo = Lista(this, "Tipo", *forma, QStringLiteral("&Conexión:"));
    for (const FilaTipo& f : Tipos)
        Tipo->addItem(QString::fromUtf8(f.texto));
    Modelo = Lista(this, "Modelo", *forma, QStringLiteral("&Equipo:"));
    // Typed words find the rig anywhere in "maker model (number)".
    Modelo->setEditable(true);
    Modelo->setInsertPolicy(QComboBox::NoInsert);
    for (const ModeloHamlib& m : EnlaceRadio::ModelosHamlib())
        Modelo->addItem(TextoModelo(m), m.numero);
    Modelo->completer()->setCompletionMode(QCompleter::PopupCompletion);
    Modelo->completer()->setFilterMode(Qt::MatchContains);
    Modelo->completer()->setCaseSensitivity(Qt::CaseInsensitive);
    Dispositivo = Lista(this, "Dispositivo", *forma, QStringLiteral("&Puerto serie:"));
    Dispositivo->setEditable(true);
    Dispositivo->addItems(EnlaceRadio::PuertosSerie());
    Velocidad = Lista(this, "Velocidad", *forma, QStringLiteral("&Velocidad:"));
    for (int v : Velocidades)
        Velocidad->addItem(QString::number(v), v);
    Host = new QLineEdit(this);
    auto* etiquetaHost = new QLabel(QStringLiteral("&Host de rigctld:"), this);
    Nombra(Host, "Host", etiquetaHost);
    forma->addRow(etiquetaHost, Host);
    PuertoRed = new QSpinBox(this);
    PuertoRed->setRange(1, 65535);
    auto* etiquetaPuerto = new QLabel(QStringLiteral("P&uerto de rigctld:"), this);
    Nombra(PuertoRed, "PuertoRed", etiquetaPuerto);
    forma->addRow(etiquetaPuerto, PuertoRed);

    Probar = Boton(this, "Probar", QStringLiteral("P&robar"));
    ResultadoPrueba = Etiqueta(this, "ResultadoPrueba", {});
    ResultadoPrueba->setWordWrap(true);
    forma->addRow(Probar, ResultadoPrueba);
    AceptarRadio = Boton(this, "AceptarRadio", QStringLiteral("&Aceptar"));
    CancelarRadio = Boton(this, "CancelarRadio", QStringLiteral("Ca&ncelar"));
    AceptarRadio->setDefault(true);
    auto* botones = new QHBoxLayout;
    botones->addWidget(AceptarRadio);
    botones->addWidget(CancelarRadio);
    forma->addRow(botones);

    connect(Tipo, &QComboBox::currentIndexChanged, this, [this] { habilita(); });
    connect(Probar, &QPushButton::clicked, this, [this] { prueba(); });
    connect(AceptarRadio, &QPushButton::clicked, this, [this] { guarda(); });
    connect(CancelarRadio, &QPushButton::clicked, this, &QDialog::reject);
    connect(enlace_, &EnlaceRadio::resultadoPrueba, this, [this](bool, const QString& texto) {
        ResultadoPrueba->setText(texto);
        Probar->setEnabled(true);
    });
    muestra(LeeConfiguracionRadio(*bd_));
}

DialogoRadio::~DialogoRadio() = default;

void DialogoRadio::muestra(const ConfiguracionRadio& c) {
    for (int i = 0; i < static_cast<int>(std::size(Tipos)); ++i)
        if (Tipos[i].tipo == c.tipo) Tipo->setCurrentIndex(i);
    Modelo->setCurrentIndex(Modelo->findData(c.modelo));
    if (!c.dispositivo.isEmpty()) Dispositivo->setCurrentText(c.dispositivo);
    Velocidad->setCurrentIndex(std::max(0, Velocidad->findData(c.velocidad)));
    Host->setText(c.host);
    PuertoRed->setValue(c.puertoRed);
    habilita();
}

void DialogoRadio::habilita() {
    const FilaTipo& f = Tipos[std::max(0, Tipo->currentIndex())];
    for (QWidget* w : std::initializer_list<QWidget*>{Modelo, Dispositivo, Velocidad})
        w->setEnabled(f.serie);
    Host->setEnabled(f.red);
    PuertoRed->setEnabled(f.red);
    Probar->setEnabled(f.serie || f.red);
    ResultadoPrueba->clear();
}

std::optional<ConfiguracionRadio> DialogoRadio::configuracion() const {
    // Only what the kind of link uses; the rest keeps its defaults.
    ConfiguracionRadio c;
    const FilaTipo& f = Tipos[std::max(0, Tipo->currentIndex())];
    c.tipo = f.tipo;
    if (f.serie) {
        const int modelo = Modelo->findText(Modelo->currentText());
        if (modelo < 0) return std::nullopt;
        c.modelo = Modelo->itemData(modelo).toInt();
        c.dispositivo = Dispositivo->currentText().trimmed();
        c.velocidad = Velocidad->currentData().toInt();
    }
    if (f.red) {
        c.host = Host->text().trimmed();
        c.puertoRed = PuertoRed->value();
    }
    return c;
}

std::optional<ConfiguracionRadio> DialogoRadio::elegida() {
    const auto c = configuracion();
    if (!c) {
        MsgBox(QStringLiteral("Elija un equipo de la lista de Hamlib."), Icono::Exclamacion, windowTitle());
        Modelo->setFocus();
    }
    return c;
}

void DialogoRadio::prueba() {
    const auto c = elegida();
    if (!c) return;
    // One test at a time: the answer enables the button again.
    Probar->setEnabled(false);
    ResultadoPrueba->setText(QStringLiteral("Probando..."));
    enlace_->prueba(*c);
}

void DialogoRadio::guarda() {
    const auto c = elegida();
    if (!c) return;
    try {
        GuardaConfiguracionRadio(*bd_, *c);
    } catch (const ErrorBD& e) {
        // Kept open: the operator may retry once the file is free.
        MsgBox(QStringLiteral("No se ha podido guardar la conexión con el equipo: ") + e.mensaje(),
               Icono::Critico, windowTitle());
        return;
    }
    accept();
}
