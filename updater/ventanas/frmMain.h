#pragma once
#include "CursorEspera.h"
#include "Versiones.h"

#include <memory>
#include <optional>
#include <QWidget>

class cFTP;
class PrimeraActivacion;
class QLabel;
class QProgressBar;
class QPushButton;

// The updater's only window: checks the launch token, fetches the version list, offers what is
// newer, installs it and starts the logger again. It never shows a message. The window ends the
// program by closing; only a refused token and the user's own close end it without starting
// the logger.
class frmMain : public QWidget {
    Q_OBJECT
public:
    static constexpr const char* Titulo = "Verificando nuevas versiones";
    static constexpr const char* Clave = "FTPrix38gal";

    // The endpoint of the update server, and the whole command line (the launch token).
    // Loads the window at once: with a refused token it is closed before it was ever shown.
    frmMain(const QString& servidor, int puerto, const QString& usuario, const QString& lineaComando,
            const QString& clave = QString::fromLatin1(Clave), QWidget* parent = nullptr);
    ~frmMain() override;

    // The window has closed (or never opened): the updater ends.
    bool Terminado() const { return cerrado_; }
    const EstadoVersiones& Versiones() const { return versiones_; }

    void Form_Load();
    void Form_Activate();
    bool Conecta();
    bool DescargaVersiones();
    void CierraConexion();
    void LeeVersiones();
    bool ComparaVersiones();
    void Aceptar_Click();
    void ActualizaFicheros();
    bool DescargaFichero(const QString& nombre);
    void ArrancaPrograma();
    void mFTP_FileTransferProgress(qint32 lCurrentBytes, qint32 lTotalBytes);
    bool VerificaIdentidad(const QString& lineaComando) const;
    void Form_Unload();

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    // Every ending but the user's close: the logger starts, the window closes.
    void terminaArrancando();
    void cursorEspera(bool espera);

    QString servidor_, usuario_, clave_, lineaComando_;
    int puerto_;
    std::unique_ptr<cFTP> mFTP;
    EstadoVersiones versiones_;

    QLabel* LabelAviso;
    QPushButton* Aceptar;
    QPushButton* Cancelar;
    QLabel* LabelDescarga;
    QProgressBar* pb;

    bool activado_ = false;
    bool actualizando_ = false;
    bool cerrado_ = false;
    std::optional<CursorEspera> espera_;
    PrimeraActivacion* activacion_ = nullptr;
};
