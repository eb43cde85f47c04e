#include "PanelConcurso.h"

#include "BandasModos.h"
#include "CampoTexto.h"
#include "DatosConcursos.h"
#include "DatosPrincipal.h"
#include "Nombres.h"
#include "PanelCategoria.h"
#include "PanelNombresUser.h"
#include "VistaOpciones.h"

#include <algorithm>
#include <QApplication>
#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {
const std::array<const char*, 10> EtiquetasConcurso{"Número",
                                                    "Concurso",
                                                    "Edición",
                                                    "Puntos a enviar",
                                                    "Mi Locator para el CONCURSO : ",
                                                    "Último Num. serie enviado : ",
                                                    "Siglas, Ref., Letras o Control a enviar:",
                                                    "Hora UTC = Local  ",
                                                    "Repetir cada",
                                                    "MES"};
// Box 9 shows Mes, the table's last field.
constexpr int CajaMes = 9;

QCheckBox* Casilla(QWidget* padre, const QString& nombre, const QString& titulo) {
    auto* c = new QCheckBox(titulo, padre);
    Nombra(c, nombre, titulo);
    return c;
}

QRadioButton* BotonOpcion(QWidget* padre, const QString& nombre, const QString& titulo) {
    auto* o = new QRadioButton(titulo, padre);
    Nombra(o, nombre, titulo);
    return o;
}
} // namespace

PanelConcurso::PanelConcurso(QWidget* parent) : QGroupBox(QStringLiteral("CONCURSO"), parent) {
    setObjectName("PanelConcurso");
    // Two columns, so that the whole window fits a laptop screen at its normal size: what is typed
    // and exchanged on the left, bands, modes and the Cabrillo summary on the right.
    auto* columnas = new QHBoxLayout(this);
    auto* columna = new QVBoxLayout;
    auto* derecha = new QVBoxLayout;
    columnas->addLayout(columna, 1);
    columnas->addLayout(derecha, 1);

    for (size_t i = 0; i < text3.size(); ++i) {
        const QString nombre = QStringLiteral("text3_%1").arg(i);
        etiquetas[i] = Etiqueta(this, "Label" + nombre, QString::fromUtf8(EtiquetasConcurso[i]));
        text3[i] = new CampoTexto(Qt::yellow, this);
        Nombra(text3[i], nombre, etiquetas[i]);
        text3[i]->setBloqueado(true);
        text3[i]->ponMayusculas();
        text3[i]->installEventFilter(this);
    }
    // The points box has no label of its own: it sits beside the "send points" choice. Screen
    // readers still need a name for it.
    etiquetas[3]->clear();
    etiquetas[3]->hide();
    etiquetas[3]->setBuddy(nullptr);
    // The number is the contest's key: a click gives the box the focus, so the lock alone would
    // still let typed keys change it.
    text3[0]->setReadOnly(true);
    LabelUTC = etiquetas[7];
    LabelUTC->setObjectName("LabelUTC");
    // The repeat box is named by the "Repetir cada" choice before it; its own label reads after it.
    etiquetas[8]->setText(QStringLiteral("Horas"));
    etiquetas[8]->setBuddy(nullptr);
    text3[CajaMes]->setMaxLength(80);

    // Number, edition and month on one line; the name, up to 64 letters, on the whole next one.
    auto* cabecera = new QGridLayout;
    const auto pon = [&](int caja, int fila, int columnaRejilla, int ancho) {
        cabecera->addWidget(etiquetas[static_cast<size_t>(caja)], fila, columnaRejilla);
        cabecera->addWidget(text3[static_cast<size_t>(caja)], fila, columnaRejilla + 1, 1, ancho);
    };
    pon(0, 0, 0, 1);
    pon(2, 0, 2, 1);
    pon(CajaMes, 0, 4, 1);
    pon(1, 1, 0, 5);
    cabecera->setColumnStretch(1, 1);
    cabecera->setColumnStretch(3, 1);
    cabecera->setColumnStretch(5, 2);
    columna->addLayout(cabecera);

    // What is sent and received in each contact.
    FrameControles = new QGroupBox(QStringLiteral("Contro&les"), this);
    FrameControles->setObjectName("FrameControles");
    auto* controles = new QVBoxLayout(FrameControles);
    auto* intercambio = new QGridLayout;
    Label44 = Etiqueta(FrameControles, "Label44", "A ENVIAR");
    Label45 = Etiqueta(FrameControles, "Label45", "A RECIBIR");
    intercambio->addWidget(Label44, 0, 0);
    intercambio->addWidget(Label45, 0, 2);
    struct Par {
        QCheckBox** enviar;
        const char *nombreEnviar, *tituloEnviar;
        QCheckBox** recibir;
        const char *nombreRecibir, *tituloRecibir;
    };
    const std::array<Par, 5> pares{{
        {&EnviarNumeral, "EnviarNumeral", "Número Serie", &RecibirNumeral, "RecibirNumeral", "Número Serie"},
        {&EnviarLocator, "EnviarLocator", "Locator", &RecibirLocator, "RecibirLocator", "Locator"},
        {&EnviarSiglas, "EnviarSiglas", "Siglas, Ref., etc..", &RecibirSiglas, "RecibirSiglas",
         "Siglas, Ref., etc.."},
        {&EnviarZonaCQ, "EnviarZonaCQ", "Zona CQ.", &RecibirZonaCQ, "RecibirZonaCQ", "Zona CQ"},
        {&EnviarPuntos, "EnviarPuntos", "Puntos", &RecibirPuntos, "RecibirPuntos", "Puntos"},
    }};
    for (size_t i = 0; i < pares.size(); ++i) {
        const Par& p = pares[i];
        *p.enviar = Casilla(FrameControles, p.nombreEnviar, QString::fromUtf8(p.tituloEnviar));
        *p.recibir = Casilla(FrameControles, p.nombreRecibir, QString::fromUtf8(p.tituloRecibir));
        // Send and receive boxes share captions: the column tells them apart.
        (*p.enviar)->setAccessibleDescription(Label44->text());
        (*p.recibir)->setAccessibleDescription(Label45->text());
        intercambio->addWidget(*p.enviar, static_cast<int>(i) + 1, 0);
        intercambio->addWidget(*p.recibir, static_cast<int>(i) + 1, 2);
    }
    intercambio->addWidget(text3[3], 5, 1);
    NumeraloSiglas = Casilla(FrameControles, "NumeraloSiglas", "Recibir NUMERAL o SIGLAS");
    intercambio->addWidget(NumeraloSiglas, 6, 2);
    controles->addLayout(intercambio);

    auto* enviados = new QGridLayout;
    for (int i : {4, 5, 6}) {
        enviados->addWidget(etiquetas[static_cast<size_t>(i)], i - 4, 0);
        enviados->addWidget(text3[static_cast<size_t>(i)], i - 4, 1);
    }
    LiteralFijo = Casilla(FrameControles, "LiteralFijo", "Fijas");
    LiteralVariable = Casilla(FrameControles, "LiteralVariable", "Variables");
    // Fixed or variable letters, under the letters box so that the boxes keep their width.
    auto* literales = new QHBoxLayout;
    literales->addWidget(LiteralFijo);
    literales->addWidget(LiteralVariable);
    literales->addStretch();
    enviados->addLayout(literales, 3, 1);
    enviados->setColumnStretch(1, 1);
    controles->addLayout(enviados);
    columna->addWidget(FrameControles);

    // The UTC offset on a line of its own under the choice, its room kept while hidden: showing it
    // for a UTC contest must never widen or reflow the window.
    auto* hora = new QGridLayout;
    Label3 = Etiqueta(this, "Label3", "&Hora para el CONCURSO :");
    HoraLocal = BotonOpcion(this, "HoraLocal", "Hora LOCAL");
    HoraUTC = BotonOpcion(this, "HoraUTC", "Hora UTC");
    // Its access key reaches the chosen option; the arrows choose another.
    Label3->setBuddy(HoraLocal);
    hora->addWidget(Label3, 0, 0);
    hora->addWidget(HoraLocal, 0, 1);
    hora->addWidget(HoraUTC, 0, 2);
    hora->addWidget(LabelUTC, 1, 0, Qt::AlignRight);
    hora->addWidget(text3[7], 1, 1);
    for (QWidget* w : {static_cast<QWidget*>(LabelUTC), static_cast<QWidget*>(text3[7])}) {
        QSizePolicy politica = w->sizePolicy();
        politica.setRetainSizeWhenHidden(true);
        w->setSizePolicy(politica);
    }
    columna->addLayout(hora);

    SSFrame5 = new QGroupBox(QStringLiteral("R&EPETIR ESTACIÓN"), this);
    SSFrame5->setObjectName("SSFrame5");
    auto* repetir = new QGridLayout(SSFrame5);
    NoRepetir = Casilla(SSFrame5, "NoRepetir", "No repetir");
    RepetirEstacion = Casilla(SSFrame5, "RepetirEstacion", "Puede Repetir");
    RepetirEnCadaBanda = Casilla(SSFrame5, "RepetirEnCadaBanda", "Distinta Banda");
    RepetirEnCadaModo = Casilla(SSFrame5, "RepetirEnCadaModo", "Distinto Modo");
    RepetirEnCadaHoras = Casilla(SSFrame5, "RepetirEnCadaHoras", "Repetir cada");
    repetir->addWidget(NoRepetir, 0, 0);
    repetir->addWidget(RepetirEstacion, 0, 1);
    repetir->addWidget(RepetirEnCadaBanda, 1, 0);
    repetir->addWidget(RepetirEnCadaModo, 1, 1);
    repetir->addWidget(RepetirEnCadaHoras, 2, 0);
    repetir->addWidget(text3[8], 2, 1);
    repetir->addWidget(etiquetas[8], 2, 2);
    columna->addWidget(SSFrame5);

    auto* bandasModos = new QHBoxLayout;
    PanelBandas = new QGroupBox(QStringLiteral("Ban&das"), this);
    PanelBandas->setObjectName("PanelBandas");
    auto* rejillaBandas = new QGridLayout(PanelBandas);
    for (size_t i = 0; i < SSCheck2.size(); ++i) {
        SSCheck2[i] =
            Casilla(PanelBandas, QStringLiteral("SSCheck2_%1").arg(i), NombreBanda(static_cast<int>(i)));
        rejillaBandas->addWidget(SSCheck2[i], static_cast<int>(i % 6), static_cast<int>(i / 6));
    }
    PanelModos = new QGroupBox(QStringLiteral("M&odos"), this);
    PanelModos->setObjectName("PanelModos");
    auto* rejillaModos = new QGridLayout(PanelModos);
    for (size_t i = 0; i < SSCheck1.size(); ++i) {
        SSCheck1[i] =
            Casilla(PanelModos, QStringLiteral("SSCheck1_%1").arg(i), NombreModo(static_cast<int>(i)));
        rejillaModos->addWidget(SSCheck1[i], static_cast<int>(i % 6), static_cast<int>(i / 6));
    }
    bandasModos->addWidget(PanelBandas);
    bandasModos->addWidget(PanelModos);
    derecha->addLayout(bandasModos);
    auto* añadir = new QHBoxLayout;
    AñadirBanda = Boton(this, "AñadirBanda", "Añadir n&ueva BANDA");
    AñadirModo = Boton(this, "AñadirModo", "Añadir &nuevo MODO");
    // Only during an edit.
    AñadirBanda->setEnabled(false);
    AñadirModo->setEnabled(false);
    añadir->addWidget(AñadirBanda);
    añadir->addWidget(AñadirModo);
    derecha->addLayout(añadir);

    // Over the top of the frame, in place of the band and mode frames, only while open.
    PanelNuevaBanda = new PanelNombresUser(this);
    PanelNuevaBanda->hide();
    derecha->insertWidget(0, PanelNuevaBanda);
    FrameCategoria = new PanelCategoria(this);
    derecha->addWidget(FrameCategoria);
    derecha->addStretch();
    columna->addStretch();

    // The points box is there only while points are sent, the UTC offset only for UTC contests.
    text3[3]->hide();
    LabelUTC->hide();
    text3[7]->hide();

    for (QCheckBox* c : SSCheck2)
        connect(c, &QCheckBox::clicked, this, &PanelConcurso::bandaOModoPulsado);
    for (QCheckBox* c : SSCheck1)
        connect(c, &QCheckBox::clicked, this, &PanelConcurso::bandaOModoPulsado);
    connect(AñadirBanda, &QPushButton::clicked, this, [this] { emit pideNombresUser(true); });
    connect(AñadirModo, &QPushButton::clicked, this, [this] { emit pideNombresUser(false); });
}

bool PanelConcurso::eventFilter(QObject* objeto, QEvent* evento) {
    const auto it = std::find(text3.begin(), text3.end(), objeto);
    if (it != text3.end()) {
        if (evento->type() == QEvent::FocusIn) {
            emit cajaEnfocada(static_cast<int>(it - text3.begin()));
        } else if (evento->type() == QEvent::FocusOut) {
            const QString recortado = (*it)->text().trimmed();
            if (recortado != (*it)->text()) (*it)->setText(recortado);
        }
    }
    return QGroupBox::eventFilter(objeto, evento);
}

QString PanelConcurso::Texto(int caja) const {
    return text3[static_cast<size_t>(caja)]->text();
}

void PanelConcurso::PonTexto(int caja, const QString& texto) {
    text3[static_cast<size_t>(caja)]->setText(texto);
}

void PanelConcurso::EnfocaCaja(int caja) {
    text3[static_cast<size_t>(caja)]->setFocus();
}

int PanelConcurso::CajaConFoco() const {
    const auto it = std::find(text3.begin(), text3.end(), QApplication::focusWidget());
    return it == text3.end() ? -1 : static_cast<int>(it - text3.begin());
}

void PanelConcurso::EnfocaTrasIntro(int caja) {
    const auto mostrada = [&](int i) { return !text3[static_cast<size_t>(i)]->isHidden(); };
    const auto habilitada = [&](int i) { return text3[static_cast<size_t>(i)]->isEnabled(); };
    int siguiente = 1;
    switch (caja) {
    case 1:
        siguiente = CajaMes;
        break;
    case CajaMes:
        siguiente = 2;
        break;
    case 2:
        siguiente = mostrada(3) ? 3 : 4;
        break;
    case 3:
    case 4:
    case 5:
        siguiente = caja + 1;
        break;
    case 6:
        siguiente = mostrada(7) ? 7 : habilitada(8) ? 8 : 1;
        break;
    case 7:
        siguiente = habilitada(8) ? 8 : 1;
        break;
    default:
        break;
    }
    EnfocaCaja(siguiente);
    // Typing replaces what the box holds, such as the month a new contest brings.
    text3[static_cast<size_t>(siguiente)]->selectAll();
}

void PanelConcurso::MueveFoco(int caja, int paso) {
    // Among boxes 1 to 7, round from either end.
    for (int vueltas = 0; vueltas < 7; ++vueltas) {
        caja += paso;
        if (caja < 1 || caja > 7) caja = paso > 0 ? 1 : 7;
        CampoTexto* destino = text3[static_cast<size_t>(caja)];
        if (!destino->isHidden() && destino->isEnabled()) {
            destino->setFocus();
            return;
        }
    }
}

void PanelConcurso::MuestraCajaUTC() {
    LabelUTC->show();
    LabelUTC->setEnabled(true);
    text3[7]->show();
    text3[7]->setEnabled(true);
}

void PanelConcurso::HabilitaAñadirBandaModo(bool habilitar) {
    AñadirBanda->setEnabled(habilitar);
    AñadirModo->setEnabled(habilitar);
}

void PanelConcurso::MarcaEnviar(const std::array<bool, 5>& marcadas) {
    const std::array<QCheckBox*, 5> casillas{EnviarNumeral, EnviarLocator, EnviarSiglas, EnviarZonaCQ,
                                             EnviarPuntos};
    for (size_t i = 0; i < casillas.size(); ++i)
        casillas[i]->setChecked(marcadas[i]);
}

void PanelConcurso::MarcaRecibir(const std::array<bool, 5>& marcadas) {
    const std::array<QCheckBox*, 5> casillas{RecibirNumeral, RecibirLocator, RecibirSiglas, RecibirZonaCQ,
                                             RecibirPuntos};
    for (size_t i = 0; i < casillas.size(); ++i)
        casillas[i]->setChecked(marcadas[i]);
}

void PanelConcurso::MuestraNombresUser(const NombresUser& nombres) {
    for (size_t i = 0; i < nombres.bandas.size(); ++i)
        SSCheck2[static_cast<size_t>(PrimeraBandaUser) + i]->setText(nombres.bandas[i]);
    for (size_t i = 0; i < nombres.modos.size(); ++i)
        SSCheck1[static_cast<size_t>(PrimerModoUser) + i]->setText(nombres.modos[i]);
    PanelNuevaBanda->Muestra(nombres);
}

void PanelConcurso::AbreNombresUser(bool desdeBanda) {
    PanelBandas->hide();
    PanelModos->hide();
    // The rest of the frame is closed to the user; the panel itself stays usable.
    HabilitaSalvoNombresUser(false);
    PanelNuevaBanda->show();
    PanelNuevaBanda->EnfocaPrimera(desdeBanda);
}

void PanelConcurso::CierraNombresUser() {
    PanelBandas->show();
    PanelModos->show();
    HabilitaSalvoNombresUser(true);
    PanelNuevaBanda->hide();
}

void PanelConcurso::LimpiaConcurso() {
    for (CampoTexto* t : text3)
        t->clear();
    for (QCheckBox* c : SSCheck2)
        c->setChecked(false);
    for (QCheckBox* c : SSCheck1)
        c->setChecked(false);
    // Unticking reaches no time option and computes no offset: no station callsign is needed.
    OpcionesConcurso o = LeeOpciones(*this);
    LimpiaOpciones(o, QString());
    MuestraOpciones(*this, o, false);
}

void PanelConcurso::MuestraConcurso(const FichaConcurso& ficha) {
    for (size_t i = 0; i < text3.size(); ++i)
        text3[i]->setText(ficha.text3[i]);
    for (size_t i = 0; i < SSCheck2.size(); ++i)
        SSCheck2[i]->setChecked(ficha.bandas[i]);
    for (size_t i = 0; i < SSCheck1.size(); ++i)
        SSCheck1[i]->setChecked(ficha.modos[i]);
}

FichaConcurso PanelConcurso::FichaMostrada() const {
    FichaConcurso ficha;
    for (size_t i = 0; i < text3.size(); ++i)
        ficha.text3[i] = text3[i]->text();
    for (size_t i = 0; i < SSCheck2.size(); ++i)
        ficha.bandas[i] = SSCheck2[i]->isChecked();
    for (size_t i = 0; i < SSCheck1.size(); ++i)
        ficha.modos[i] = SSCheck1[i]->isChecked();
    return ficha;
}

void PanelConcurso::AjustaLongitudesConcurso(const DefTabla& defConcursos, int extra) {
    for (size_t i = 0; i < text3.size(); ++i)
        if (const DefCampo* campo = CampoDeCaja(defConcursos, static_cast<int>(i)))
            if (const auto largo = LongitudMaxima(*campo, extra)) text3[i]->setMaxLength(*largo);
}

void PanelConcurso::HabilitaSalvoNombresUser(bool habilitar) {
    if (!habilitar) {
        cerrados_.clear();
        for (QWidget* w : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (w != PanelNuevaBanda && !w->testAttribute(Qt::WA_ForceDisabled)) {
                w->setEnabled(false);
                cerrados_.push_back(w);
            }
    } else {
        for (QWidget* w : cerrados_)
            w->setEnabled(true);
        cerrados_.clear();
    }
}

void PanelConcurso::BloqueaCamposConcurso(bool bloquear) {
    for (size_t i = 0; i < text3.size(); ++i)
        text3[i]->setBloqueado(bloquear || i == 0);
}
