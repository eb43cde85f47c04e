#include "VistaOpciones.h"

#include "CampoTexto.h"

#include <QAbstractButton>
#include <QLabel>

#include <vector>

namespace {

constexpr Opcion Enesima(int i) {
    return static_cast<Opcion>(i);
}

QAbstractButton* Control(const QWidget& marco, Opcion opcion) {
    return marco.findChild<QAbstractButton*>(NombreOpcion(opcion));
}

QLineEdit* Caja(const QWidget& marco, int i) {
    return marco.findChild<QLineEdit*>(QStringLiteral("text3_%1").arg(i));
}

// Sets a button without its signals; an option button can only be cleared with its group's
// exclusivity off.
void Pon(QAbstractButton& b, bool valor) {
    if (b.isChecked() == valor) return;
    if (!valor && b.autoExclusive()) {
        b.setAutoExclusive(false);
        b.setChecked(false);
        b.setAutoExclusive(true);
    } else {
        b.setChecked(valor);
    }
}

} // namespace

OpcionesConcurso LeeOpciones(const QWidget& marco) {
    OpcionesConcurso o;
    for (int i = 0; i < NumeroOpciones; ++i)
        if (const auto* c = Control(marco, Enesima(i))) o.marcada[static_cast<size_t>(i)] = c->isChecked();
    for (int caja : CajasDeOpciones)
        if (const auto* t = Caja(marco, caja)) o.text3[static_cast<size_t>(caja)] = t->text();
    if (const auto* t = Caja(marco, 3)) o.puntosVisible = !t->isHidden();
    if (const auto* t = Caja(marco, 7)) o.utcVisible = !t->isHidden();
    if (const auto* t = Caja(marco, 8)) o.horasHabilitado = !t->testAttribute(Qt::WA_ForceDisabled);
    // The window unlocks every box when an edit starts; the hours stay closed unless they repeat.
    o.horasBloqueado = !o[Opcion::RepetirEnCadaHoras];
    return o;
}

void MuestraOpciones(QWidget& marco, const OpcionesConcurso& o, bool enEdicion) {
    // All signals off first: checking one option button clears the other.
    std::vector<std::pair<QAbstractButton*, bool>> controles;
    for (int i = 0; i < NumeroOpciones; ++i)
        if (auto* c = Control(marco, Enesima(i))) controles.emplace_back(c, c->blockSignals(true));
    for (int i = 0; i < NumeroOpciones; ++i)
        if (auto* c = Control(marco, Enesima(i))) Pon(*c, o.marcada[static_cast<size_t>(i)]);
    for (auto& [c, previo] : controles)
        c->blockSignals(previo);

    for (int caja : CajasDeOpciones)
        if (auto* t = Caja(marco, caja); t && t->text() != o.text3[static_cast<size_t>(caja)])
            t->setText(o.text3[static_cast<size_t>(caja)]);
    if (auto* t = Caja(marco, 3)) t->setVisible(o.puntosVisible);
    if (auto* l = marco.findChild<QLabel*>(QStringLiteral("LabelUTC"))) l->setVisible(o.utcVisible);
    if (auto* t = Caja(marco, 7)) {
        t->setVisible(o.utcVisible);
        if (o.utcVisible) t->setEnabled(true);
    }
    if (auto* t = Caja(marco, 8)) {
        t->setEnabled(o.horasHabilitado);
        if (auto* c = dynamic_cast<CampoTexto*>(t)) c->setBloqueado(!enEdicion || o.horasBloqueado);
    }
}

void ConectaOpciones(QWidget& marco, EnlaceOpciones enlace) {
    for (int i = 0; i < NumeroOpciones; ++i) {
        const Opcion opcion = Enesima(i);
        QAbstractButton* c = Control(marco, opcion);
        if (!c) continue;
        if (opcion == Opcion::NumeraloSiglas) {
            // Filled on storing; a tick of the user's would be overwritten anyway.
            c->setAttribute(Qt::WA_TransparentForMouseEvents);
            c->setFocusPolicy(Qt::NoFocus);
            continue;
        }
        QObject::connect(c, &QAbstractButton::toggled, &marco, [&marco, opcion, enlace](bool valor) {
            const bool esHora = opcion == Opcion::HoraLocal || opcion == Opcion::HoraUTC;
            if (esHora && !valor) return; // the option button being selected reacts
            OpcionesConcurso o = LeeOpciones(marco);
            o.marcada[static_cast<size_t>(opcion)] = !valor;
            Cambia(o, opcion, valor, enlace.indicativo());
            MuestraOpciones(marco, o, enlace.enEdicion());
            if (QLineEdit* t = o.foco >= 0 ? Caja(marco, o.foco) : nullptr;
                t && t->isVisible() && t->isEnabled())
                t->setFocus();
            if (enlace.trasCambio) enlace.trasCambio(o);
        });
    }
}
