#include "Accesibles.h"

#include <QAccessibleWidget>

#include <algorithm>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>

namespace {
class ComboConNombre : public QAccessibleWidget {
public:
    explicit ComboConNombre(QComboBox* caja) : QAccessibleWidget(caja, QAccessible::ComboBox) {}
    QString text(QAccessible::Text t) const override {
        auto* caja = static_cast<QComboBox*>(widget());
        if (t == QAccessible::Name && !caja->accessibleName().isEmpty()) return caja->accessibleName();
        if (t == QAccessible::Value || t == QAccessible::Name)
            return caja->isEditable() && caja->lineEdit() ? caja->lineEdit()->text() : caja->currentText();
        return QAccessibleWidget::text(t);
    }
    // Labelled by its label alone where it has one: the platform's interface names the frame too.
    QList<QPair<QAccessibleInterface*, QAccessible::Relation>>
    relations(QAccessible::Relation cuales) const override {
        auto todas = QAccessibleWidget::relations(cuales);
        const auto esSuEtiqueta = [this](const QPair<QAccessibleInterface*, QAccessible::Relation>& r) {
            const auto* etiqueta = qobject_cast<const QLabel*>(r.first ? r.first->object() : nullptr);
            return r.second == QAccessible::Label && etiqueta && etiqueta->buddy() == widget();
        };
        if (std::any_of(todas.begin(), todas.end(), esSuEtiqueta))
            todas.removeIf([&](const auto& r) { return r.second == QAccessible::Label && !esSuEtiqueta(r); });
        return todas;
    }
};

QAccessibleInterface* Fabrica(const QString& clase, QObject* objeto) {
    if (clase != QLatin1String("QComboBox") || !objeto || !objeto->isWidgetType()) return nullptr;
    return new ComboConNombre(static_cast<QComboBox*>(objeto));
}
} // namespace

void NombraParaLectores(QWidget& ventana) {
    static const bool instalada = [] {
        QAccessible::installFactory(Fabrica);
        return true;
    }();
    static_cast<void>(instalada);
    for (QGroupBox* marco : ventana.findChildren<QGroupBox*>()) {
        if (!marco->accessibleName().isEmpty()) continue;
        QString titulo = marco->title();
        titulo.remove(QRegularExpression(QStringLiteral("&(?!&)")));
        marco->setAccessibleName(titulo.trimmed());
    }
}
