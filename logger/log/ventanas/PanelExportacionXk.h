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
class FrameExportacionXK : public QGroupBox {
    Q_OBJECT
public:
    explicit FrameExportacionXK(QWidget* parent = nullptr);

    QComboBox* Drive1;
    QListWidget* Dir1;
    QListWidget* File1;
    QLabel *Label8, *Label11, *CarpetaActual;
    QPushButton *AceptarExpXk, *CancelarExpXk;
    QProgressBar* PanelCuentaRenum;

    // Shows the panel on the folder (the user's home by default), progress at 0 and no file chosen.
    void Abre(const QString& carpeta = QDir::homePath());
    QString Carpeta() const { return carpeta_; }
    // The chosen logbook's path, "" when no file is selected.
    QString LibroSeleccionado() const;

    void Drive1_Change();
    void Dir1_Change();
    void AceptarExpXk_Click();
    void CancelarExpXk_Click();

signals:
    void LibroElegido(const QString& ruta);
    void Cancelado();

protected:
    void keyPressEvent(QKeyEvent* e) override;

private:
    void PonCarpeta(const QString& carpeta);
    void EntraEnCarpeta();
    QString carpeta_;
};
