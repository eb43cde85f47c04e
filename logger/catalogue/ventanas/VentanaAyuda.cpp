#include "VentanaAyuda.h"

#include "Archivos.h"
#include "Avisos.h"
#include "Sistema.h"

#include <QFileInfo>
#include <QScreen>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

VentanaAyuda::VentanaAyuda(const QString& ruta, QWidget* parent) : QDialog(parent) {
    setObjectName("VentanaAyuda");
    setWindowTitle(QStringLiteral("Ayuda de XkLumoCon"));
    Texto = new QTextBrowser(this);
    Texto->setObjectName("TextoAyuda");
    Texto->setAccessibleName(windowTitle());
    Texto->setOpenLinks(true);
    Texto->setOpenExternalLinks(false);
    Texto->setSource(QUrl::fromLocalFile(QFileInfo(ruta).absoluteFilePath()));
    (new QVBoxLayout(this))->addWidget(Texto);
    const QRect pantalla = screen() ? screen()->availableGeometry() : QRect(0, 0, 1024, 768);
    resize(std::min(900, pantalla.width() * 9 / 10), std::min(700, pantalla.height() * 9 / 10));
}

void MuestraAyuda(QWidget& ventana, const QString& nombreDocumento) {
    const QString ruta = ResuelveNombreArchivo(nombreDocumento);
    if (!QFileInfo(ruta).isFile()) {
        MsgBox(QStringLiteral("No se encuentra el archivo de ayuda \"%1\" en la carpeta del programa.")
                   .arg(nombreDocumento),
               Icono::Exclamacion, QStringLiteral("AYUDA"));
        return;
    }
    if (Sistema::actual().abreDocumento(ruta)) return;
    auto* ayuda = ventana.findChild<VentanaAyuda*>();
    if (!ayuda) {
        ayuda = new VentanaAyuda(ruta, &ventana);
        ayuda->setAttribute(Qt::WA_DeleteOnClose);
    }
    ayuda->show();
    ayuda->raise();
    ayuda->activateWindow();
}
