#include "RejillaLog.h"

#include "Avisos.h"
#include "CamposEntrada.h"
#include "Nombres.h"
#include "VerificacionContacto.h"

#include <QFontMetrics>
#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

#include <algorithm>
#include <array>

namespace {
const QColor Amarillo(255, 255, 0);
const QColor Cian(0, 255, 255);

// Grid column of each field: ControlRec shares the two columns of the received serial and literal.
int ColumnaRejilla(Columna c) {
    const int i = Indice(c);
    if (c == Columna::ControlRec) return Indice(Columna::NumeralRecibido);
    return i > Indice(Columna::ControlRec) ? i - 1 : i;
}

// Columns that hold figures are measured by a digit, not by the widest letter, so the five-digit
// serials and eight-letter bands leave the grid as wide as before on a 1280-pixel screen.
constexpr std::array Cifras{Columna::FechaQso,   Columna::HoraQso,         Columna::Banda,
                            Columna::RsRecibido, Columna::NumeralRecibido, Columna::PuntosRecibidos,
                            Columna::RsEnviado,  Columna::NumeralEnviado,  Columna::PuntosEnviados};

int AnchoCelda(Columna c, const InfoColumna& info, const QFontMetrics& fm) {
    const bool cifras = std::find(Cifras.begin(), Cifras.end(), c) != Cifras.end();
    const int ancho = fm.horizontalAdvance(QLatin1Char(cifras ? '0' : 'W')) * std::min(info.longitud, 10) + 8;
    return c == Columna::ControlRec ? ancho : std::min(ancho, 60 + 4 * info.longitud);
}
} // namespace

CeldaLog::CeldaLog(Columna c, int f, const std::function<void(CeldaLog&)>& alEntrar, QWidget* padre)
    : CampoTexto(Cian, padre), columna(c), fila(f), alEntrar_(alEntrar) {
    const InfoColumna& info = Columnas()[static_cast<size_t>(Indice(c))];
    Nombra(this, QStringLiteral("%1_%2").arg(QLatin1String(info.nombre)).arg(f), NombreAccesible(c, f));
    ponLargoMaximo(LongitudMaxima(c), [this] { Avisos::actual().muestra(AvisoLongitud(columna)); });
    ponMayusculas();
    setFocusPolicy(Qt::ClickFocus);
}

void CeldaLog::pintaFondo(QColor c) {
    QPalette p = palette();
    p.setColor(QPalette::Base, c);
    setPalette(p);
}

void CeldaLog::setMarca(QColor color) {
    marca_ = color;
    if (!hasFocus()) pintaFondo(color.isValid() ? color : QColor(Qt::white));
}

void CeldaLog::focusInEvent(QFocusEvent* e) {
    CampoTexto::focusInEvent(e);
    if (amarilloConFoco) pintaFondo(Amarillo);
    if (alEntrar_) alEntrar_(*this);
}

void CeldaLog::focusOutEvent(QFocusEvent* e) {
    CampoTexto::focusOutEvent(e);
    const QString limpio = TextoAlSalir(columna, text());
    if (limpio != text()) setText(limpio);
    if (marca_.isValid()) pintaFondo(marca_);
}

RejillaLog::RejillaLog(const FilaConcurso& concurso, QWidget* padre) : QWidget(padre) {
    setObjectName("RejillaLog");
    CreaLineas(concurso);
}

void RejillaLog::CreaLineas(const FilaConcurso& d) {
    auto* principal = new QVBoxLayout(this);
    principal->setContentsMargins(0, 0, 0, 0);
    numQso_ = Etiqueta(this, "LabelNumQSO", QString());
    principal->addWidget(numQso_);
    auto* g = new QGridLayout;
    g->setHorizontalSpacing(1);
    g->setVerticalSpacing(0);
    principal->addLayout(g);

    g->addWidget(Etiqueta(this, "LabelDatosObligatorios", "DATOS OBLIGATORIOS"), 0, 0, 1, 5, Qt::AlignCenter);
    g->addWidget(Etiqueta(this, "LabelControlesRecibidos", "CONTROLES RECIBIDOS DE"), 0, 5, 1, 5,
                 Qt::AlignCenter);
    g->addWidget(Etiqueta(this, "LabelControlesEnviados", "CONTROLES ENVIADOS"), 0, 10, 1, 5,
                 Qt::AlignCenter);

    const QString siglas = !d.recibirZonaCq                   ? QStringLiteral("Siglas, Ref.")
                           : d.nombreConcurso == "LZ-OPEN-CW" ? QStringLiteral("Ulmo.Num.")
                                                              : QStringLiteral("ZONA");
    std::array<QLabel*, NumeroColumnas> cabeceras{};
    for (int i = 0; i < NumeroColumnas; ++i) {
        const auto c = static_cast<Columna>(i);
        if (c == Columna::NumeroQso) continue;
        const InfoColumna& info = Columnas()[static_cast<size_t>(i)];
        static const std::array<const char*, NumeroColumnas> nombres{"LabelFechaQso",
                                                                     "LabelHoraQso",
                                                                     "LabelBanda",
                                                                     "LabelModo",
                                                                     "LabelIndicativo",
                                                                     "LabelRstRecibido",
                                                                     "LabelNumeralRecibido",
                                                                     "LabelSiglasRecibidas",
                                                                     "LabelControl",
                                                                     "LabelPuntosRecibidos",
                                                                     "LabelLocatorRecibido",
                                                                     "LabelRstEnviado",
                                                                     "LabelNumeralEnviado",
                                                                     "LabelSiglasEnviadas",
                                                                     "LabelPuntosEnviados",
                                                                     "LabelLocatorEnviado",
                                                                     ""};
        QString texto = QString::fromUtf8(info.cabecera);
        if (c == Columna::LiteralRecibido || c == Columna::LiteralEnviado) texto = siglas;
        cabeceras[static_cast<size_t>(i)] =
            Etiqueta(this, QString::fromLatin1(nombres[static_cast<size_t>(i)]), texto);
        g->addWidget(cabeceras[static_cast<size_t>(i)], 1, ColumnaRejilla(c), 1,
                     c == Columna::ControlRec ? 2 : 1);
    }
    cabeceraNumeral_ = cabeceras[Indice(Columna::NumeralRecibido)];
    cabeceraSiglas_ = cabeceras[Indice(Columna::LiteralRecibido)];
    cabeceraControl_ = cabeceras[Indice(Columna::ControlRec)];

    const QFontMetrics fm(font());
    for (int i = 0; i < NumeroColumnas; ++i) {
        const auto c = static_cast<Columna>(i);
        const InfoColumna& info = Columnas()[static_cast<size_t>(i)];
        for (int f = 0; f < NumeroFilas; ++f) {
            auto* celda = new CeldaLog(c, f, alEntrar, this);
            columnas_[static_cast<size_t>(i)][static_cast<size_t>(f)] = celda;
            celda->setMinimumWidth(AnchoCelda(c, info, fm));
            if (c == Columna::NumeroQso) {
                celda->hide();
                continue;
            }
            g->addWidget(celda, 2 + f, ColumnaRejilla(c), 1, c == Columna::ControlRec ? 2 : 1);
        }
    }
    // Either the combined received control or the separate serial and literal.
    const bool combinado = d.numeraloSiglas;
    for (int f = 0; f < NumeroFilas; ++f) {
        celda(Columna::ControlRec, f)->setVisible(combinado);
        celda(Columna::NumeralRecibido, f)->setVisible(!combinado);
        celda(Columna::LiteralRecibido, f)->setVisible(!combinado);
    }
    cabeceraControl_->setVisible(combinado);
    cabeceraNumeral_->setVisible(!combinado);
    cabeceraSiglas_->setVisible(!combinado);

    auto* ayudas = new QGridLayout;
    const std::array<std::array<const char*, 3>, 6> textos{{
        {"LabelAvPag", "Av Pág", " Pulse la tecla de [Av Pág] avanzar una página ."},
        {"LabelRePag", "Re Pág", " Pulse la tecla de [Re Pág] retroceder una página ."},
        {"LabelFin", "Fin", " Pulse la tecla de [Fin] para ir al ÚLTIMO QSO. "},
        {"LabelInicio", "Inicio", " Pulse la tecla de [Inicio] para ir al PRIMER QSO. "},
        {"LabelAbajo", "↓",
         " Pulse la tecla [Flecha-Abajo] hasta la última línea para un nuevo QSO o para desplazarse hacia "
         "abajo en "
         "la lista de contactos"},
        {"LabelArriba", "↑",
         " Pulse la tecla [Flecha-Arriba] para salir de la línea de introducción de QSO o desplazarse hacia "
         "arriba por la lista de contactos"},
    }};
    for (size_t i = 0; i < textos.size(); ++i) {
        ayudas->addWidget(Etiqueta(this, QString::fromLatin1(textos[i][0]), QString::fromUtf8(textos[i][1])),
                          static_cast<int>(i / 2), static_cast<int>(i % 2) * 2);
        auto* l =
            Etiqueta(this, QString::fromLatin1(textos[i][0]) + "Ayuda", QString::fromUtf8(textos[i][2]));
        l->setWordWrap(true);
        ayudas->addWidget(l, static_cast<int>(i / 2), static_cast<int>(i % 2) * 2 + 1);
    }
    principal->addLayout(ayudas);
}

void RejillaLog::MuestraContacto(int fila, const Qso& qso) {
    const auto t = TextosDeQso(qso, true);
    for (int i = 0; i < NumeroColumnas; ++i)
        if (t[static_cast<size_t>(i)])
            columnas_[static_cast<size_t>(i)][static_cast<size_t>(fila)]->setText(*t[static_cast<size_t>(i)]);
}

void RejillaLog::BorraLinea(int fila) {
    for (auto& columna : columnas_)
        columna[static_cast<size_t>(fila)]->clear();
}

void RejillaLog::BorraPantalla() {
    for (int f = 0; f < NumeroFilas; ++f)
        BorraLinea(f);
}

void RejillaLog::MarcaLinea(bool marcar, int fila) {
    celda(Columna::FechaQso, fila)->setMarca(marcar ? Amarillo : QColor());
}

void RejillaLog::MarcaIndicativo(int fila, QColor color) {
    celda(Columna::Indicativo, fila)->setMarca(color == QColor(Qt::white) ? QColor() : color);
}

void RejillaLog::BloqueaLinea(int fila, bool bloquear) {
    for (int i = 0; i < NumeroColumnas; ++i) {
        const auto c = static_cast<Columna>(i);
        if (c != Columna::ControlRec && c != Columna::NumeroQso) bloquea(c, fila, bloquear);
    }
}

TextosFila RejillaLog::textos(int fila) const {
    TextosFila t;
    for (int i = 0; i < NumeroColumnas; ++i)
        t[static_cast<size_t>(i)] = columnas_[static_cast<size_t>(i)][static_cast<size_t>(fila)]->text();
    return t;
}

void RejillaLog::ponNumQso(const QString& texto) {
    numQso_->setText(texto);
}

void RejillaLog::setNavegando(bool navegando) {
    for (int f = 0; f < NumeroFilas; ++f)
        celda(Columna::FechaQso, f)->amarilloConFoco = navegando;
}
