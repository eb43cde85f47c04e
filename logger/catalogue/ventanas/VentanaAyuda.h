#pragma once
#include <QDialog>

class QTextBrowser;

// The program's own read-only view of the user guide, for desktops with no viewer for it.
// Esc closes it, as every dialog.
class VentanaAyuda : public QDialog {
    Q_OBJECT
public:
    VentanaAyuda(const QString& ruta, QWidget* parent);

private:
    QTextBrowser* Texto;
};

// F1 / Ayuda: the guide in the desktop's viewer; where that cannot be started, in the program's
// own window (one per main window, brought forward when already open). A missing guide is told in
// a Spanish box naming it.
void MuestraAyuda(QWidget& ventana, const QString& nombreDocumento);
