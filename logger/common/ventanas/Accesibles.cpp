#include "Accesibles.h"

#include <QAccessibleWidget>
#include <QComboBox>
#include <QGroupBox>
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
