#include "Sistema.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QUrl>
#include <QWidget>

namespace {
class SistemaReal : public Sistema {
public:
    bool arranca(const QString& programa, const QStringList& argumentos) override {
        QFileInfo info(programa);
        if (!info.exists() || !info.isExecutable()) return false;
        return QProcess::startDetached(info.absoluteFilePath(), argumentos);
    }
    void traeAlFrente(const QString& titulo) override {
        // Only this process's own windows can be raised portably.
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (w->isVisible() && w->windowTitle() == titulo) {
                w->raise();
                w->activateWindow();
            }
        }
    }
    bool abreDocumento(const QString& ruta) override {
        return QDesktopServices::openUrl(QUrl::fromLocalFile(QFileInfo(ruta).absoluteFilePath()));
    }
    QString versionEjecutable(const QString& ruta) override {
        QFile f(ruta);
        if (!f.open(QIODevice::ReadOnly)) return "0.0.0.0";
        const QByteArray datos = f.readAll();
        const QByteArray marca(MarcaVersion);
        static const QRegularExpression patron("^\\d+\\.\\d+\\.\\d+\\.\\d+");
        // Every program that reads versions also holds the bare marker text it searches for, so the
        // first marker found may carry no version: the one followed by a version counts.
        for (qsizetype i = datos.indexOf(marca); i >= 0; i = datos.indexOf(marca, i + 1)) {
            const auto m = patron.match(QString::fromLatin1(datos.mid(i + marca.size(), 32)));
            if (m.hasMatch()) return m.captured(0);
        }
        return "0.0.0.0";
    }
};

Sistema*& instancia() {
    static SistemaReal real;
    static Sistema* actual = &real;
    return actual;
}
} // namespace

Sistema& Sistema::actual() {
    return *instancia();
}

Sistema* Sistema::instala(Sistema* nuevo) {
    Sistema* previo = instancia();
    instancia() = nuevo;
    return previo;
}
