#include "TextoLimpio.h"

#include <QLineEdit>

QString SinControles(const QString& texto) {
    QString limpio;
    limpio.reserve(texto.size());
    for (qsizetype i = 0; i < texto.size(); ++i) {
        const QChar c = texto[i];
        if (c == u'\r' || c == u'\n') {
            if (c == u'\r' && i + 1 < texto.size() && texto[i + 1] == u'\n') ++i;
            limpio += u' ';
        } else if (c.category() != QChar::Other_Control) {
            limpio += c;
        }
    }
    return limpio;
}

void FiltraControles(QLineEdit& caja) {
    QObject::connect(&caja, &QLineEdit::textEdited, &caja, [&caja](const QString&) {
        const QString texto = caja.text();
        const QString limpio = SinControles(texto);
        if (limpio == texto) return;
        // The caret keeps its place among the characters that stay.
        const int cursor = static_cast<int>(SinControles(texto.left(caja.cursorPosition())).size());
        caja.setText(limpio);
        caja.setCursorPosition(cursor);
    });
}
