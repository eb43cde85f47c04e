#include "Ventanas.h"

#include "PrimeraActivacion.h"

#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>

#include <QApplication>
#include <QComboBox>
#include <QLayout>
#include <QScreen>
#include <QScrollArea>
#include <QVBoxLayout>
#include <QWidget>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

// The frame and title bar a window manager adds around a window.
constexpr int MarcoAncho = 8, MarcoAlto = 40;
// Below this size a font is no longer read comfortably.
constexpr qreal PuntosLegibles = 8;
const char* const NombreCuerpo = "CuerpoVentana";

QRect Pantalla(const QWidget& ventana, QRect pantalla) {
    return pantalla.isEmpty() ? SitioVentana(ventana) : pantalla;
}

bool EstaEnLayout(const QLayout* layout, const QWidget* w) {
    if (!layout) return false;
    for (int i = 0; i < layout->count(); ++i) {
        QLayoutItem* item = layout->itemAt(i);
        if (item->widget() == w || EstaEnLayout(item->layout(), w)) return true;
    }
    return false;
}

// A control whose place a layout decides keeps it; scaling it by hand would be undone anyway.
bool ColocadoPorLayout(const QWidget* w) {
    const QWidget* padre = w->parentWidget();
    return padre && EstaEnLayout(padre->layout(), w);
}

// Never below 1: a window larger than its target keeps its size; the letters shrink only where the
// controls need it to fit, whatever the size option.
float Factor(int porcentaje, float objetivo, float original) {
    const float p = (objetivo - original) * 100 / original;
    return std::max(1.0f, static_cast<float>(porcentaje) * p / 100 / 100 + 1);
}

// A control's font and the sizes it was given, as the window was designed.
struct Medidas {
    QFont fuente;
    QSize minimo, maximo;
};

// A size given by hand times the factor; none given (0 or no limit) stays none.
int Escala(int medida, float factor) {
    if (medida <= 0 || medida >= QWIDGETSIZE_MAX) return medida;
    return std::min(QWIDGETSIZE_MAX, static_cast<int>(std::ceil(static_cast<float>(medida) * factor)));
}

// Reports the whole contents as its size, so that the window's design size is theirs; the
// scroll bars are for screens smaller than that.
class AreaCuerpo : public QScrollArea {
public:
    using QScrollArea::QScrollArea;
    QSize sizeHint() const override {
        return widget() ? widget()->sizeHint() + QSize(2 * frameWidth(), 2 * frameWidth())
                        : QScrollArea::sizeHint();
    }
};

// The least room the window's controls need: those of its scrollable body, when it has one;
// wrapped texts need more height the narrower the window.
QSize MinimoControles(const QWidget& ventana) {
    const auto* area = ventana.findChild<const QScrollArea*>(NombreCuerpo);
    if (!area || !area->widget()) return ventana.minimumSizeHint();
    QWidget* cuerpo = area->widget();
    if (QLayout* capa = cuerpo->layout()) capa->activate();
    QSize minimo = cuerpo->minimumSizeHint();
    if (cuerpo->hasHeightForWidth())
        minimo.setHeight(
            std::max(minimo.height(), cuerpo->heightForWidth(std::max(minimo.width(), ventana.width()))));
    return minimo;
}

// Controls that grow after the window is placed (texts shown at its first activation) grow the
// window with them, within the room of its screen, rather than bring up scroll bars.
class CreceConCuerpo : public QObject {
public:
    CreceConCuerpo(QWidget& ventana, QWidget& cuerpo) : QObject(&cuerpo), ventana_(ventana) {
        cuerpo.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* evento) override {
        if (evento->type() == QEvent::LayoutRequest)
            QMetaObject::invokeMethod(
                this, [this] { Crece(); }, Qt::QueuedConnection);
        return false;
    }

private:
    void Crece() {
        const QRect sitio = SitioVentana(ventana_);
        const QSize tamaño = ventana_.size().expandedTo(MinimoControles(ventana_)).boundedTo(sitio.size());
        if (tamaño == ventana_.size()) return;
        // It grows about its centre: a centred window stays centred.
        const QPoint centro = ventana_.frameGeometry().center();
        ventana_.resize(tamaño);
        const QSize marco = ventana_.frameGeometry().size();
        ventana_.move(
            std::clamp(centro.x() - marco.width() / 2, sitio.x(), sitio.right() - tamaño.width() + 1),
            std::clamp(centro.y() - marco.height() / 2, sitio.y(), sitio.bottom() - tamaño.height() + 1));
    }
    QWidget& ventana_;
};

} // namespace

void QuitaTabStop(QWidget& ventana) {
    for (QWidget* w : ventana.findChildren<QWidget*>()) {
        const Qt::FocusPolicy politica = w->focusPolicy();
        if (!(politica & Qt::TabFocus)) continue;
        w->setFocusPolicy((politica & Qt::ClickFocus) ? Qt::ClickFocus : Qt::NoFocus);
    }
}

Ajuste CalculaAjuste(QSize diseño, QSize minimo, qreal puntos, QSize sitio, int porcentaje) {
    const float anchoP = static_cast<float>(sitio.width()), altoP = static_cast<float>(sitio.height());
    const float w0 = static_cast<float>(diseño.width()), h0 = static_cast<float>(diseño.height());
    const float legible = puntos > 0 ? std::min(1.0f, static_cast<float>(PuntosLegibles / puntos)) : 0;
    if (w0 <= 0 || h0 <= 0 || anchoP <= 0 || altoP <= 0) return {diseño, 1, 1, 1, legible};

    const float objetivo = anchoP / altoP <= 1.4f ? anchoP : anchoP * 3 / 4;
    const float fH = Factor(porcentaje, altoP, h0);
    float fW = Factor(porcentaje, objetivo, w0);
    float ancho = w0 * fW;
    if (ancho > anchoP) {
        // Recomputed from the design width, not applied on top of the first factor, so the
        // window and its controls grow by the same factor; and never past the screen.
        fW = Factor(porcentaje, anchoP, w0);
        ancho = std::min(w0 * fW, anchoP);
    }
    float alto = h0 * fH;

    // The letters grow by the same share of the room their controls leave, measured on the least
    // room the controls need: the design width of wrapped texts is no measure of it. No larger
    // than lets every control fit the room, nor smaller than can be read; where both cannot hold
    // (a small screen), reading wins and the window scrolls.
    const bool conMinimo = minimo.width() > 0 && minimo.height() > 0;
    const QSizeF base = conMinimo ? QSizeF(minimo) : QSizeF(diseño);
    float letra = Factor(
        porcentaje,
        std::min(objetivo / static_cast<float>(base.width()), altoP / static_cast<float>(base.height())), 1);
    if (conMinimo)
        letra = std::min({letra, anchoP / static_cast<float>(minimo.width()),
                          altoP / static_cast<float>(minimo.height())});
    letra = std::max(letra, legible);
    if (conMinimo) {
        // Room enough for the controls at those letters, where the screen has it.
        ancho = std::max(ancho, static_cast<float>(minimo.width()) * letra);
        alto = std::max(alto, static_cast<float>(minimo.height()) * letra);
    }
    const QSize tamaño(static_cast<int>(std::lround(std::min(ancho, anchoP))),
                       static_cast<int>(std::lround(std::min(alto, altoP))));
    return {tamaño, fW, fH, letra, legible};
}

void AjustaPantalla(QWidget& ventana, int porcentaje, QRect pantalla) {
    const QRect p = Pantalla(ventana, pantalla);
    const Ajuste a = CalculaAjuste(ventana.size(), MinimoControles(ventana), ventana.font().pointSizeF(),
                                   p.size(), porcentaje);

    // Read every font first: a container's new font would otherwise be inherited and scaled again.
    const QList<QWidget*> controles = ventana.findChildren<QWidget*>();
    std::vector<Medidas> medidas;
    medidas.reserve(static_cast<size_t>(controles.size()));
    for (const QWidget* w : controles)
        medidas.push_back({w->font(), w->minimumSize(), w->maximumSize()});
    const auto ponLetra = [&](float letra) {
        for (qsizetype i = 0; i < controles.size(); ++i) {
            const Medidas& m = medidas[static_cast<size_t>(i)];
            QFont f = m.fuente;
            if (f.pointSizeF() > 0)
                f.setPointSizeF(f.pointSizeF() * letra);
            else if (f.pixelSize() > 0)
                f.setPixelSize(std::max(1, static_cast<int>(std::lround(f.pixelSize() * letra))));
            controles[i]->setFont(f);
            // Sizes a control was given for its text at the design letters grow with them; they
            // do not shrink, so smaller letters keep their room.
            const float crece = std::max(1.0f, letra);
            const QSize minimo(Escala(m.minimo.width(), crece), Escala(m.minimo.height(), crece));
            const QSize maximo(Escala(m.maximo.width(), crece), Escala(m.maximo.height(), crece));
            if (minimo != controles[i]->minimumSize()) controles[i]->setMinimumSize(minimo);
            if (maximo != controles[i]->maximumSize()) controles[i]->setMaximumSize(maximo);
        }
    };

    ponLetra(a.letra);
    for (QWidget* w : controles) {
        if (w->isWindow() || ColocadoPorLayout(w)) continue;
        const QRect g = w->geometry();
        w->setGeometry(static_cast<int>(std::lround(g.x() * a.fW)),
                       static_cast<int>(std::lround(g.y() * a.fH)),
                       static_cast<int>(std::lround(g.width() * a.fW)),
                       static_cast<int>(std::lround(g.height() * a.fH)));
    }
    // Margins and spacing do not shrink with the letters: the estimate only approaches the
    // controls' true need, so smaller letters are tried while they still do not fit.
    float letra = a.letra;
    for (int intento = 0; intento < 3; ++intento) {
        const QSize minimo = MinimoControles(ventana);
        if (minimo.width() <= p.width() && minimo.height() <= p.height()) break;
        const float menor =
            std::max(a.letraMinima, letra * std::min(static_cast<float>(p.width()) / minimo.width(),
                                                     static_cast<float>(p.height()) / minimo.height()));
        if (menor >= letra) break;
        letra = menor;
        ponLetra(letra);
    }
    ventana.resize(a.tamaño.expandedTo(MinimoControles(ventana)).boundedTo(p.size()));
}

QRect SitioVentana(const QWidget& ventana) {
    const QScreen* s = ventana.screen();
    const QRect libre = s ? s->availableGeometry() : QRect(0, 0, 800, 600);
    return libre.adjusted(0, 0, -MarcoAncho, -MarcoAlto);
}

QVBoxLayout* CuerpoDesplazable(QWidget& ventana) {
    auto* marco = new QVBoxLayout(&ventana);
    marco->setContentsMargins(0, 0, 0, 0);
    auto* area = new AreaCuerpo(&ventana);
    area->setObjectName(NombreCuerpo);
    area->setFrameShape(QFrame::NoFrame);
    area->setWidgetResizable(true);
    // A click on the empty area leaves the focus where it was.
    area->setFocusPolicy(Qt::NoFocus);
    auto* cuerpo = new QWidget(area);
    area->setWidget(cuerpo);
    new CreceConCuerpo(ventana, *cuerpo);
    marco->addWidget(area);
    auto* capa = new QVBoxLayout(cuerpo);
    // Narrow margins: a window as wide as its grid or its three columns fits a 1280-pixel screen.
    capa->setContentsMargins(4, 4, 4, 4);
    return capa;
}

void ColocaEnPantalla(QWidget& ventana, int porcentaje) {
    // Every drop-down as wide as its longest entry, whatever it holds later, and never squeezed
    // below it: a cut entry reads as another one.
    for (QComboBox* lista : ventana.findChildren<QComboBox*>()) {
        lista->setSizeAdjustPolicy(QComboBox::AdjustToContents);
        QSizePolicy politica = lista->sizePolicy();
        politica.setHorizontalPolicy(QSizePolicy::Minimum);
        lista->setSizePolicy(politica);
    }
    // Its design size in full: adjustSize would stop at two thirds of the screen.
    ventana.resize(ventana.sizeHint());
    const QRect sitio = SitioVentana(ventana);
    AjustaPantalla(ventana, porcentaje, sitio);
    CentraFormulario(ventana, sitio);
    // Centred again once shown, on its true frame, which is not known before.
    new PrimeraActivacion(ventana, [&ventana] { CentraFormulario(ventana); });
}

void CentraFormulario(QWidget& ventana, QRect pantalla) {
    QRect p = pantalla;
    QSize tamano = ventana.frameGeometry().size();
    if (p.isEmpty()) {
        // The free area of its screen; before it shows, its frame as the room allows for it.
        const QScreen* s = ventana.screen();
        p = s ? s->availableGeometry() : QRect(0, 0, 800, 600);
        if (!ventana.isVisible()) tamano = ventana.size() + QSize(MarcoAncho, MarcoAlto);
    }
    ventana.move(p.x() + (p.width() - tamano.width()) / 2, p.y() + (p.height() - tamano.height()) / 2);
}

QFont FuenteFija() {
    QFont fija = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    if (!QFontInfo(fija).fixedPitch()) {
        fija = QFont(QStringLiteral("Monospace"));
        fija.setStyleHint(QFont::TypeWriter);
    }
    fija.setFixedPitch(true);
    return fija;
}
