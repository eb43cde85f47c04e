#pragma once
#include <QDir>
#include <QGroupBox>

class QComboBox;
class QLabel;
class QListWidget;
class QProgressBar;
class QPushButton;

// The panel "EXPORTACIÓN A ONDALIA" of the log window, where the logbook file to export to is chosen
// among the files "LibroDe*.mdb" of a folder. It only chooses: the window runs the export.
class PanelExportacionXk : public QGroupBox {
    Q_OBJECT
public:
    explicit PanelExportacionXk(QWidget* parent = nullptr);

    // Shows the panel on the folder (the user's home by default), progress at 0 and no file chosen.
    void Abre(const QString& carpeta = QDir::homePath());
    QString Carpeta() const { return carpeta_; }
    // The chosen logbook's path, "" when no file is selected.
    QString LibroSeleccionado() const;
    // The progress full: every QSO is in the logbook.
    void Terminada();

signals:
    void LibroElegido(const QString& ruta);
    void Cancelado();

protected:
    void keyPressEvent(QKeyEvent* e) override;

private:
    void cambiaUnidad();
    void cambiaCarpeta();
    void acepta();
    void cancela();
    void ponCarpeta(const QString& carpeta);
    void entraEnCarpeta();

    QComboBox* drive_;
    QListWidget* carpetas_;
    QListWidget* libros_;
    QLabel *ayuda_, *nota_, *carpetaActual_;
    QPushButton *aceptar_, *cancelar_;
    QProgressBar* progreso_;
    QString carpeta_;
};
