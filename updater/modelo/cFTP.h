#pragma once
#include "cDirList.h"

#include <memory>
#include <QObject>
#include <QString>

// A thin FTP client for the updater: one connection, block transfers that report progress and
// let the window process its events, and the text of the last failure.
//
// No operation throws: each returns false, -1, -2, an empty text or nullptr and leaves the reason
// in GetLastErrorMessage() as "<step> error code: <n> Message: <text>", where the text is the
// server's reply when the server refused the request. Codes are libcurl's; -1 marks a local
// reason (no connection, unsafe name, local file).
//
// Remote names are relative to the current remote folder (SetFTPDirectory) or absolute ("/...").
// Local names are relative to the current folder and matched without regard to case.
class cFTP : public QObject {
    Q_OBJECT
public:
    // The transfer types and the passive flag as the desktop's Internet library numbers them.
    static constexpr qint32 TransferASCII = 1;
    static constexpr qint32 TransferBinary = 2;
    static constexpr qint32 PassiveFlag = 0x08000000;
    static constexpr int BlockSize = 255;
    static constexpr int DefaultPort = 21;

    explicit cFTP(QObject* parent = nullptr);
    // Must not run inside one of this object's transfers: close the window with deleteLater().
    ~cFTP() override;

    // The list built by the last GetDirectoryListing, created empty when there is none.
    cDirList& Directory();
    QString GetLastErrorMessage() const;

    // sServer is a host name or address, optionally with ":port"; nPort > 0 overrides both.
    // Without a port the FTP default (21) is used. Logs in before returning.
    bool OpenConnection(const QString& sServer, const QString& sUser, const QString& sPassword,
                        int nPort = 0);
    // During a transfer the transfer is aborted and the connection closed when it returns.
    void CloseConnection();
    bool IsConnected() const;

    bool SimpleFTPPutFile(const QString& sLocal, const QString& sRemote);
    bool SimpleFTPGetFile(const QString& sLocal, const QString& sRemote);
    bool RenameFTPFile(const QString& sExisting, const QString& sNewName);
    bool CreateFTPDirectory(const QString& sDirectory);
    bool RemoveFTPDirectory(const QString& sDirectory);
    bool DeleteFTPFile(const QString& sRemote);

    // Block transfers raising FileTransferProgress. A download lands in a temporary file that
    // replaces sLocal only when every byte arrived; on failure sLocal is left as it was.
    bool FTPUploadFile(const QString& sLocal, const QString& sRemote);
    bool FTPDownloadFile(const QString& sLocal, const QString& sRemote);

    QString GetFTPDirectory();
    bool SetFTPDirectory(const QString& sDir);
    // Low 32 bits of the size; -1 when no such file (last error unchanged); -2 on other failures.
    qint32 GetFTPFileSize(const QString& sFile);
    // sFilter: a wildcard pattern ("*", "*.txt"), optionally behind a folder ("dir/*.txt").
    // Returns the held list, or nullptr when nothing matches or the listing failed (a listing
    // that names an entry twice fails, keeping the entries read so far in Directory()).
    // The pointer stays valid until the next listing.
    cDirList* GetDirectoryListing(const QString& sFilter);

    void SetTransferASCII();
    void SetTransferBinary();
    void SetModeActive();
    void SetModePassive();
    qint32 TransferType() const;
    qint32 ConnectionFlags() const;

    // Seconds allowed to connect and log in (and for any reply of the server), and without a
    // single byte moving during a transfer. Defaults: 15 and 30.
    void SetTimeouts(int connectSeconds, int idleSeconds);

    // The low 32 bits of a size, as the listing's 32-bit field carries it.
    static qint32 TamanoBajo32(qint64 tamano);

signals:
    // After each full block of 255 bytes (downloads count 256, 511, ...; uploads 255, 510, ...),
    // then once with current = total at the end.
    void FileTransferProgress(qint32 lCurrentBytes, qint32 lTotalBytes);

private:
    struct Sesion;
    std::unique_ptr<Sesion> d;

    void RegistraError(long lError, const QString& sStep, const QString& sTexto = QString());
    bool listaRemota(const QString& carpeta, void* entradas, long& codigo);
    qint64 tamanoRemoto(const QString& sFile);
    bool transfiere(bool bajada, bool porBloques, const QString& sLocal, const QString& sRemote);
    bool comando(const QString& sStep, const QStringList& ordenes);
    bool preparada(const QString& sStep);
};
