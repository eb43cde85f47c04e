#include "cFTP.h"

#include "Archivos.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSaveFile>
#include <QTimeZone>
#include <QUrl>

#include <curl/curl.h>

#include <limits>
#include <vector>

namespace {
struct BorraCurl {
    void operator()(CURL* h) const { curl_easy_cleanup(h); }
};
struct BorraOrdenes {
    void operator()(curl_slist* l) const { curl_slist_free_all(l); }
};
using Curl = std::unique_ptr<CURL, BorraCurl>;
using Ordenes = std::unique_ptr<curl_slist, BorraOrdenes>;

void iniciaCurl() {
    static const CURLcode r = curl_global_init(CURL_GLOBAL_DEFAULT);
    (void)r;
}

// One entry as the server described it, before it becomes a cDirItem.
struct Entrada {
    QString nombre;
    bool carpeta = false;
    bool soloLectura = false;
    qint64 tamano = 0;
    QDateTime modificado; // UTC; invalid when unknown
};
using Entradas = std::vector<Entrada>;

// A control character would end the FTP command early and smuggle in another one.
bool nombreSeguro(const QString& s) {
    for (QChar c : s)
        if (c.unicode() < 0x20 || c.unicode() == 0x7F) return false;
    return true;
}

QDateTime FechaLocal(const QDateTime& utc) {
    return utc.isValid() ? utc.toLocalTime() : QDateTime();
}

// Machine listing (RFC 3659): "fact=value;fact=value; name" per line, times in UTC.
Entradas leeMlsd(const QByteArray& datos) {
    Entradas salida;
    for (QByteArray linea : datos.split('\n')) {
        if (linea.endsWith('\r')) linea.chop(1);
        const qsizetype blanco = linea.indexOf(' ');
        if (blanco < 0) continue;
        Entrada e;
        e.nombre = QString::fromUtf8(linea.mid(blanco + 1));
        QByteArray tipo, permisos, modo;
        for (const QByteArray& hecho : linea.left(blanco).split(';')) {
            const qsizetype igual = hecho.indexOf('=');
            if (igual < 0) continue;
            const QByteArray clave = hecho.left(igual).toLower();
            const QByteArray valor = hecho.mid(igual + 1);
            if (clave == "type")
                tipo = valor.toLower();
            else if (clave == "size" || clave == "sizd")
                e.tamano = valor.toLongLong();
            else if (clave == "modify")
                e.modificado = QDateTime::fromString(QString::fromLatin1(valor.left(14)),
                                                     QStringLiteral("yyyyMMddHHmmss"))
                                   .toTimeZone(QTimeZone::utc());
            else if (clave == "perm")
                permisos = valor.toLower();
            else if (clave == "unix.mode")
                modo = valor;
        }
        if (tipo == "cdir" || tipo == "pdir" || e.nombre.isEmpty()) continue;
        e.carpeta = tipo == "dir";
        // The mode bits say it best; else the rights the server grants on the entry.
        if (!modo.isEmpty())
            e.soloLectura = !(modo.toUInt(nullptr, 8) & 0200);
        else if (!permisos.isEmpty())
            e.soloLectura = !permisos.contains(e.carpeta ? 'c' : 'w');
        salida.push_back(std::move(e));
    }
    return salida;
}

// Wildcard matching hands each entry parsed from a LIST reply; skipping it lists without fetching.
long alComenzarTrozo(const void* info, void* datos, int) {
    const auto* f = static_cast<const curl_fileinfo*>(info);
    const QString nombre = QString::fromUtf8(f->filename);
    if (nombre == QLatin1String(".") || nombre == QLatin1String("..")) return CURL_CHUNK_BGN_FUNC_SKIP;
    Entrada e;
    e.nombre = nombre;
    e.carpeta = f->filetype == CURLFILETYPE_DIRECTORY;
    if (f->flags & CURLFINFOFLAG_KNOWN_SIZE) e.tamano = f->size;
    if (f->flags & CURLFINFOFLAG_KNOWN_PERM) e.soloLectura = !(f->perm & 0200);
    if ((f->flags & CURLFINFOFLAG_KNOWN_TIME) && f->time > 0)
        e.modificado = QDateTime::fromSecsSinceEpoch(f->time, QTimeZone::utc());
    static_cast<Entradas*>(datos)->push_back(std::move(e));
    return CURL_CHUNK_BGN_FUNC_SKIP;
}

size_t alAcumular(char* p, size_t tam, size_t n, void* datos) {
    static_cast<QByteArray*>(datos)->append(p, static_cast<qsizetype>(tam * n));
    return tam * n;
}

size_t alDescartar(char*, size_t tam, size_t n, void*) {
    return tam * n;
}
} // namespace

struct cFTP::Sesion {
    Curl curl;
    bool conectado = false;
    QString host;
    int puerto = DefaultPort;
    QByteArray usuario, clave;
    QString carpeta = QStringLiteral("/");
    qint32 tipo = TransferASCII;
    qint32 banderas = 0;
    long segConexion = 15;
    long segInactivo = 30;
    bool sinMlsd = false;
    QString ultimoError;
    QByteArray ultimaRespuesta;
    char bufError[CURL_ERROR_SIZE] = {};
    bool ocupado = false;
    bool cancelar = false;
    bool cerrarAlTerminar = false;
    std::unique_ptr<cDirList> lista;

    QString absoluta(const QString& ruta) const {
        return QDir::cleanPath(ruta.startsWith(u'/') ? ruta : carpeta + u'/' + ruta);
    }

    QByteArray base() const {
        const QString h = host.contains(u':') ? u'[' + host + u']' : host;
        return "ftp://" + h.toUtf8() + ':' + QByteArray::number(puerto);
    }

    // Each segment escaped on its own: a blank or "#" in a name must not break the URL. The
    // leading %2F makes the path absolute rather than relative to the login folder.
    QByteArray url(const QString& ruta, bool esCarpeta) const {
        QByteArray u = base() + "/%2F";
        const QStringList partes = ruta.split(u'/', Qt::SkipEmptyParts);
        for (qsizetype i = 0; i < partes.size(); ++i) {
            if (i) u += '/';
            const QByteArray crudo = partes[i].toUtf8();
            char* esc = curl_easy_escape(curl.get(), crudo.constData(), static_cast<int>(crudo.size()));
            u += esc;
            curl_free(esc);
        }
        if (esCarpeta) u += '/';
        return u;
    }

    static int alDepurar(CURL*, curl_infotype tipo, char* datos, size_t n, void* yo) {
        // The server's replies, kept so a refusal can be reported in the server's own words.
        if (tipo == CURLINFO_HEADER_IN) {
            const QByteArray linea = QByteArray(datos, static_cast<qsizetype>(n)).trimmed();
            if (!linea.isEmpty()) static_cast<Sesion*>(yo)->ultimaRespuesta = linea;
        }
        return 0;
    }

    static int alProgresar(void* yo, curl_off_t, curl_off_t, curl_off_t, curl_off_t) {
        return static_cast<Sesion*>(yo)->cancelar ? 1 : 0;
    }

    // Every request starts from the same options; a reset keeps the live connection.
    CURL* prepara(const QByteArray& direccion) {
        CURL* h = curl.get();
        curl_easy_reset(h);
        bufError[0] = 0;
        ultimaRespuesta.clear();
        curl_easy_setopt(h, CURLOPT_URL, direccion.constData());
        curl_easy_setopt(h, CURLOPT_PROTOCOLS_STR, "ftp");
        curl_easy_setopt(h, CURLOPT_NOSIGNAL, 1L);
        curl_easy_setopt(h, CURLOPT_ERRORBUFFER, bufError);
        curl_easy_setopt(h, CURLOPT_USERNAME, usuario.constData());
        curl_easy_setopt(h, CURLOPT_PASSWORD, clave.constData());
        curl_easy_setopt(h, CURLOPT_CONNECTTIMEOUT, segConexion);
        curl_easy_setopt(h, CURLOPT_SERVER_RESPONSE_TIMEOUT, segConexion);
        curl_easy_setopt(h, CURLOPT_ACCEPTTIMEOUT_MS, segConexion * 1000);
        curl_easy_setopt(h, CURLOPT_LOW_SPEED_LIMIT, 1L);
        curl_easy_setopt(h, CURLOPT_LOW_SPEED_TIME, segInactivo);
        curl_easy_setopt(h, CURLOPT_FTP_FILEMETHOD, static_cast<long>(CURLFTPMETHOD_SINGLECWD));
        curl_easy_setopt(h, CURLOPT_FTPPORT, (banderas & PassiveFlag) ? nullptr : "-");
        curl_easy_setopt(h, CURLOPT_TRANSFERTEXT, tipo == TransferASCII ? 1L : 0L);
        curl_easy_setopt(h, CURLOPT_VERBOSE, 1L);
        curl_easy_setopt(h, CURLOPT_DEBUGFUNCTION, &Sesion::alDepurar);
        curl_easy_setopt(h, CURLOPT_DEBUGDATA, this);
        curl_easy_setopt(h, CURLOPT_NOPROGRESS, 0L);
        curl_easy_setopt(h, CURLOPT_XFERINFOFUNCTION, &Sesion::alProgresar);
        curl_easy_setopt(h, CURLOPT_XFERINFODATA, this);
        curl_easy_setopt(h, CURLOPT_WRITEFUNCTION, &alDescartar);
        return h;
    }

    // Marks the session busy for one operation; a close asked for meanwhile happens at the end.
    class Ocupado {
    public:
        explicit Ocupado(cFTP& ftp) : ftp_(ftp) {
            ftp_.d->ocupado = true;
            ftp_.d->cancelar = false;
        }
        ~Ocupado() {
            ftp_.d->ocupado = false;
            if (ftp_.d->cerrarAlTerminar) {
                ftp_.d->cerrarAlTerminar = false;
                ftp_.CloseConnection();
            }
        }
        Ocupado(const Ocupado&) = delete;
        Ocupado& operator=(const Ocupado&) = delete;

    private:
        cFTP& ftp_;
    };

    long codigoRespuesta() const {
        long codigo = 0;
        if (curl) curl_easy_getinfo(curl.get(), CURLINFO_RESPONSE_CODE, &codigo);
        return codigo;
    }
};

cFTP::cFTP(QObject* parent) : QObject(parent), d(std::make_unique<Sesion>()) {
    iniciaCurl();
}

cFTP::~cFTP() = default;

cDirList& cFTP::Directory() {
    if (!d->lista) d->lista = std::make_unique<cDirList>();
    return *d->lista;
}

QString cFTP::GetLastErrorMessage() const {
    return d->ultimoError;
}
bool cFTP::IsConnected() const {
    return d->conectado;
}

void cFTP::SetTransferASCII() {
    d->tipo = TransferASCII;
}
void cFTP::SetTransferBinary() {
    d->tipo = TransferBinary;
}
void cFTP::SetModeActive() {
    d->banderas = 0;
}
void cFTP::SetModePassive() {
    d->banderas = PassiveFlag;
}
qint32 cFTP::TransferType() const {
    return d->tipo;
}
qint32 cFTP::ConnectionFlags() const {
    return d->banderas;
}

void cFTP::SetTimeouts(int connectSeconds, int idleSeconds) {
    d->segConexion = std::max(1, connectSeconds);
    d->segInactivo = std::max(1, idleSeconds);
}

qint32 cFTP::TamanoBajo32(qint64 tamano) {
    return static_cast<qint32>(static_cast<quint32>(static_cast<quint64>(tamano) & 0xFFFFFFFFu));
}

void cFTP::RegistraError(long lError, const QString& sStep, const QString& sTexto) {
    QString texto = sTexto;
    if (texto.isEmpty() && d->curl) {
        if (d->cancelar)
            texto = QStringLiteral("transfer cancelled: the connection was closed");
        else if (d->codigoRespuesta() >= 400 && !d->ultimaRespuesta.isEmpty())
            texto = QString::fromUtf8(d->ultimaRespuesta);
        else if (d->bufError[0])
            texto = QString::fromUtf8(d->bufError);
    }
    if (texto.isEmpty() && lError > 0)
        texto = QString::fromUtf8(curl_easy_strerror(static_cast<CURLcode>(lError)));
    d->ultimoError = sStep + QStringLiteral(" error code: ") + QString::number(lError) +
                     QStringLiteral(" Message: ") + texto;
}

bool cFTP::preparada(const QString& sStep) {
    if (d->ocupado) {
        RegistraError(-1, sStep, QStringLiteral("another transfer is running"));
        return false;
    }
    if (!d->conectado || !d->curl) {
        RegistraError(-1, sStep, QStringLiteral("no open connection"));
        return false;
    }
    return true;
}

bool cFTP::OpenConnection(const QString& sServer, const QString& sUser, const QString& sPassword, int nPort) {
    const QString paso = QStringLiteral("InternetConnect");
    if (d->ocupado) {
        RegistraError(-1, paso, QStringLiteral("another transfer is running"));
        return false;
    }
    CloseConnection();
    d->curl.reset(curl_easy_init());
    if (!d->curl) {
        RegistraError(-1, QStringLiteral("InternetOpen"), QStringLiteral("the FTP library did not start"));
        return false;
    }
    QString servidor = sServer.trimmed();
    if (servidor.startsWith(QLatin1String("ftp://"), Qt::CaseInsensitive)) servidor = servidor.mid(6);
    const QUrl punto(QStringLiteral("ftp://") + servidor);
    if (servidor.isEmpty() || !punto.isValid() || punto.host().isEmpty() || !nombreSeguro(sUser) ||
        !nombreSeguro(sPassword)) {
        RegistraError(-1, paso, QStringLiteral("invalid server or account: ") + sServer);
        d->curl.reset();
        return false;
    }
    d->host = punto.host();
    d->puerto = nPort > 0 ? nPort : punto.port(DefaultPort);
    d->usuario = sUser.toUtf8();
    d->clave = sPassword.toUtf8();
    d->sinMlsd = false;

    Sesion::Ocupado ocupado(*this);
    // A request without body on the root logs in and asks for the login folder, nothing more.
    CURL* h = d->prepara(d->base() + '/');
    curl_easy_setopt(h, CURLOPT_NOBODY, 1L);
    const CURLcode rc = curl_easy_perform(h);
    if (rc != CURLE_OK) {
        RegistraError(rc, paso);
        d->curl.reset();
        return false;
    }
    char* entrada = nullptr;
    curl_easy_getinfo(h, CURLINFO_FTP_ENTRY_PATH, &entrada);
    const QString inicio = entrada ? QString::fromUtf8(entrada) : QString();
    d->carpeta = inicio.startsWith(u'/') ? QDir::cleanPath(inicio) : QStringLiteral("/");
    d->conectado = true;
    return true;
}

void cFTP::CloseConnection() {
    if (d->ocupado) {
        // Tearing the handle down inside its own callback would crash: abort, close afterwards.
        d->cancelar = true;
        d->cerrarAlTerminar = true;
        return;
    }
    d->curl.reset();
    d->conectado = false;
    d->carpeta = QStringLiteral("/");
}

bool cFTP::comando(const QString& sStep, const QStringList& ordenes) {
    if (!preparada(sStep)) return false;
    curl_slist* lista = nullptr;
    for (const QString& orden : ordenes) {
        if (!nombreSeguro(orden)) {
            curl_slist_free_all(lista);
            RegistraError(-1, sStep, QStringLiteral("unsafe name refused"));
            return false;
        }
        curl_slist* nueva = curl_slist_append(lista, orden.toUtf8().constData());
        if (!nueva) {
            curl_slist_free_all(lista);
            RegistraError(CURLE_OUT_OF_MEMORY, sStep);
            return false;
        }
        lista = nueva;
    }
    Ordenes guarda(lista);
    Sesion::Ocupado ocupado(*this);
    CURL* h = d->prepara(d->base() + '/');
    curl_easy_setopt(h, CURLOPT_NOBODY, 1L);
    curl_easy_setopt(h, CURLOPT_QUOTE, lista);
    const CURLcode rc = curl_easy_perform(h);
    if (rc != CURLE_OK) RegistraError(rc, sStep);
    return rc == CURLE_OK;
}

bool cFTP::RenameFTPFile(const QString& sExisting, const QString& sNewName) {
    return comando(QStringLiteral("RenameFTPFile"), {QStringLiteral("RNFR ") + d->absoluta(sExisting),
                                                     QStringLiteral("RNTO ") + d->absoluta(sNewName)});
}

bool cFTP::CreateFTPDirectory(const QString& sDirectory) {
    return comando(QStringLiteral("CreateFTPDirectory"), {QStringLiteral("MKD ") + d->absoluta(sDirectory)});
}

bool cFTP::RemoveFTPDirectory(const QString& sDirectory) {
    return comando(QStringLiteral("RemoveFTPDirectory"), {QStringLiteral("RMD ") + d->absoluta(sDirectory)});
}

bool cFTP::DeleteFTPFile(const QString& sRemote) {
    return comando(QStringLiteral("DeleteFTPFile"), {QStringLiteral("DELE ") + d->absoluta(sRemote)});
}

QString cFTP::GetFTPDirectory() {
    return preparada(QStringLiteral("FtpGetCurrentDirectory")) ? d->carpeta : QString();
}

bool cFTP::SetFTPDirectory(const QString& sDir) {
    const QString paso = QStringLiteral("FtpSetCurrentDirectory");
    if (!preparada(paso)) return false;
    if (!nombreSeguro(sDir)) {
        RegistraError(-1, paso, QStringLiteral("unsafe name refused"));
        return false;
    }
    const QString destino = d->absoluta(sDir);
    Sesion::Ocupado ocupado(*this);
    // The server changes into the folder (and refuses a missing one) before we take it as ours.
    CURL* h = d->prepara(d->url(destino, true));
    curl_easy_setopt(h, CURLOPT_NOBODY, 1L);
    const CURLcode rc = curl_easy_perform(h);
    if (rc != CURLE_OK) {
        RegistraError(rc, paso);
        return false;
    }
    d->carpeta = destino;
    return true;
}

bool cFTP::listaRemota(const QString& carpeta, void* destino, long& codigo) {
    auto& entradas = *static_cast<Entradas*>(destino);
    if (!d->sinMlsd) {
        QByteArray datos;
        CURL* h = d->prepara(d->url(carpeta, true));
        curl_easy_setopt(h, CURLOPT_CUSTOMREQUEST, "MLSD");
        curl_easy_setopt(h, CURLOPT_WRITEFUNCTION, &alAcumular);
        curl_easy_setopt(h, CURLOPT_WRITEDATA, &datos);
        const CURLcode rc = curl_easy_perform(h);
        if (rc == CURLE_OK) {
            entradas = leeMlsd(datos);
            return true;
        }
        const long respuesta = d->codigoRespuesta();
        if (respuesta != 500 && respuesta != 502) {
            codigo = rc;
            return false;
        }
        d->sinMlsd = true; // a server without MLSD: the library's own LIST parser
    }
    CURL* h = d->prepara(d->url(carpeta, true) + '*');
    curl_easy_setopt(h, CURLOPT_WILDCARDMATCH, 1L);
    curl_easy_setopt(h, CURLOPT_CHUNK_BGN_FUNCTION, &alComenzarTrozo);
    curl_easy_setopt(h, CURLOPT_CHUNK_DATA, &entradas);
    const CURLcode rc = curl_easy_perform(h);
    if (rc == CURLE_OK || rc == CURLE_REMOTE_FILE_NOT_FOUND) return true; // the latter: empty folder
    codigo = rc;
    return false;
}

qint64 cFTP::tamanoRemoto(const QString& sFile) {
    const QString ruta = d->absoluta(sFile);
    const qsizetype corte = ruta.lastIndexOf(u'/');
    const QString carpeta = corte > 0 ? ruta.left(corte) : QStringLiteral("/");
    const QString nombre = ruta.mid(corte + 1);
    if (nombre.isEmpty()) return -1;
    Entradas entradas;
    long codigo = 0;
    if (!listaRemota(carpeta, &entradas, codigo)) {
        RegistraError(codigo, QStringLiteral("FtpFindFirstFile"));
        return -2;
    }
    // The exact name, not a pattern: "a?b" would also take a neighbour "aXb".
    for (const Entrada& e : entradas)
        if (e.nombre == nombre) return e.tamano;
    return -1;
}

qint32 cFTP::GetFTPFileSize(const QString& sFile) {
    const QString paso = QStringLiteral("FtpFindFirstFile");
    if (!preparada(paso)) return -2;
    if (!nombreSeguro(sFile)) {
        RegistraError(-1, paso, QStringLiteral("unsafe name refused"));
        return -2;
    }
    Sesion::Ocupado ocupado(*this);
    const qint64 tamano = tamanoRemoto(sFile);
    return tamano < 0 ? static_cast<qint32>(tamano) : TamanoBajo32(tamano);
}

cDirList* cFTP::GetDirectoryListing(const QString& sFilter) {
    const QString paso = QStringLiteral("FtpFindFirstFile");
    if (!d->ocupado) d->lista.reset(); // a caller mid-transfer may still walk the old list
    if (!preparada(paso)) return nullptr;
    if (!nombreSeguro(sFilter)) {
        RegistraError(-1, paso, QStringLiteral("unsafe name refused"));
        return nullptr;
    }
    QString filtro = sFilter.trimmed();
    QString carpeta = d->carpeta;
    const qsizetype corte = filtro.lastIndexOf(u'/');
    if (corte >= 0) {
        carpeta = d->absoluta(corte == 0 ? QStringLiteral("/") : filtro.left(corte));
        filtro = filtro.mid(corte + 1);
    }
    if (filtro.isEmpty() || filtro == QLatin1String("*.*")) filtro = QStringLiteral("*");
    const QRegularExpression patron(QRegularExpression::wildcardToRegularExpression(filtro));

    Sesion::Ocupado ocupado(*this);
    Entradas entradas;
    long codigo = 0;
    if (!listaRemota(carpeta, &entradas, codigo)) {
        RegistraError(codigo, paso);
        return nullptr;
    }
    std::erase_if(entradas, [&](const Entrada& e) { return !patron.match(e.nombre).hasMatch(); });
    if (entradas.empty()) return nullptr;

    d->lista = std::make_unique<cDirList>();
    for (const Entrada& e : entradas) {
        qint32 atributos = 0;
        if (e.carpeta) atributos |= cDirItem::AtrDirectory;
        if (e.soloLectura) atributos |= cDirItem::AtrReadOnly;
        if (!atributos) atributos = cDirItem::AtrNormal;
        // FTP reports one time per entry: it stands for all three.
        const QDateTime hora = FechaLocal(e.modificado);
        try {
            d->lista->Add(atributos, hora, hora, hora, TamanoBajo32(e.tamano), e.nombre);
        } catch (const ErrorNombreDuplicado& error) {
            RegistraError(-1, QStringLiteral("InternetFindNextFile"), QString::fromStdString(error.what()));
            return nullptr;
        }
    }
    return d->lista.get();
}

namespace {
// State shared with the library's callbacks during one transfer.
struct Transferencia {
    cFTP* ftp = nullptr;
    bool* cancelar = nullptr;
    QIODevice* archivo = nullptr;
    bool bajada = true;
    bool porBloques = false;
    qint64 total = 0;
    qint64 hechos = 0;
    qint64 bloques = 0;
    qint64 bloquesLlenos = 0;
    bool fallaLocal = false;

    // One event per full block, as the window's progress bar expects them.
    bool avanza() {
        while (porBloques && bloques < bloquesLlenos && hechos >= (bloques + 1) * cFTP::BlockSize) {
            ++bloques;
            if (QCoreApplication::instance()) QCoreApplication::processEvents();
            const qint64 actual = bajada ? 1 + cFTP::BlockSize * bloques : cFTP::BlockSize * bloques;
            emit ftp->FileTransferProgress(static_cast<qint32>(actual), static_cast<qint32>(total));
            if (*cancelar) return false;
        }
        return !*cancelar;
    }
};

size_t alRecibir(char* p, size_t tam, size_t n, void* datos) {
    auto& t = *static_cast<Transferencia*>(datos);
    const auto largo = static_cast<qint64>(tam * n);
    if (*t.cancelar) return 0;
    if (t.archivo->write(p, largo) != largo) {
        t.fallaLocal = true;
        return 0;
    }
    t.hechos += largo;
    return t.avanza() ? tam * n : 0;
}

size_t alEnviar(char* p, size_t tam, size_t n, void* datos) {
    auto& t = *static_cast<Transferencia*>(datos);
    if (*t.cancelar) return CURL_READFUNC_ABORT;
    const qint64 leidos = t.archivo->read(p, static_cast<qint64>(tam * n));
    if (leidos < 0) {
        t.fallaLocal = true;
        return CURL_READFUNC_ABORT;
    }
    t.hechos += leidos;
    return t.avanza() ? static_cast<size_t>(leidos) : CURL_READFUNC_ABORT;
}
} // namespace

bool cFTP::transfiere(bool bajada, bool porBloques, const QString& sLocal, const QString& sRemote) {
    const QString pasoAbrir =
        porBloques ? (bajada ? QStringLiteral("FtpOpenFile:GetFile") : QStringLiteral("FtpOpenFile:PutFile"))
                   : (bajada ? QStringLiteral("SimpleFtpGetFile") : QStringLiteral("SimpleFtpPutFile"));
    const QString local = porBloques ? sLocal.trimmed() : sLocal;
    const QString remoto = porBloques ? sRemote.trimmed() : sRemote;
    if (local.isEmpty() || remoto.isEmpty()) {
        RegistraError(-1, pasoAbrir, QStringLiteral("empty file name"));
        return false;
    }
    if (!preparada(pasoAbrir)) return false;
    if (!nombreSeguro(remoto)) {
        RegistraError(-1, pasoAbrir, QStringLiteral("unsafe name refused"));
        return false;
    }
    const QString rutaLocal = ResuelveNombreArchivo(local);
    const qint64 limite = std::numeric_limits<qint32>::max();
    Sesion::Ocupado ocupado(*this);

    Transferencia t;
    t.ftp = this;
    t.cancelar = &d->cancelar;
    t.bajada = bajada;
    t.porBloques = porBloques;

    QSaveFile salida(rutaLocal);
    QFile entrada(rutaLocal);
    if (bajada) {
        if (porBloques) {
            t.total = tamanoRemoto(remoto);
            if (t.total == -1)
                RegistraError(CURLE_REMOTE_FILE_NOT_FOUND, pasoAbrir, QStringLiteral("no such remote file"));
            else if (t.total == 0)
                RegistraError(-1, pasoAbrir, QStringLiteral("the remote file is empty"));
            // The 32-bit counts would wrap and a wrapped size would cut the file short.
            else if (t.total > limite)
                RegistraError(-1, pasoAbrir, QStringLiteral("file too large: %1 bytes").arg(t.total));
            if (t.total <= 0 || t.total > limite) return false;
        }
        if (!salida.open(QIODevice::WriteOnly)) {
            RegistraError(-1, pasoAbrir, rutaLocal + QStringLiteral(": ") + salida.errorString());
            return false;
        }
        t.archivo = &salida;
    } else {
        if (!entrada.open(QIODevice::ReadOnly)) {
            RegistraError(-1, pasoAbrir, rutaLocal + QStringLiteral(": ") + entrada.errorString());
            return false;
        }
        t.total = entrada.size();
        if (porBloques && t.total > limite) {
            RegistraError(-1, pasoAbrir, QStringLiteral("file too large: %1 bytes").arg(t.total));
            return false;
        }
        t.archivo = &entrada;
    }
    t.bloquesLlenos = t.total / BlockSize;

    CURL* h = d->prepara(d->url(d->absoluta(remoto), false));
    if (bajada) {
        curl_easy_setopt(h, CURLOPT_WRITEFUNCTION, &alRecibir);
        curl_easy_setopt(h, CURLOPT_WRITEDATA, &t);
    } else {
        curl_easy_setopt(h, CURLOPT_UPLOAD, 1L);
        curl_easy_setopt(h, CURLOPT_INFILESIZE_LARGE, static_cast<curl_off_t>(t.total));
        curl_easy_setopt(h, CURLOPT_READFUNCTION, &alEnviar);
        curl_easy_setopt(h, CURLOPT_READDATA, &t);
    }
    const CURLcode rc = curl_easy_perform(h);

    // Where it stopped names the step, as the block loop would have.
    auto pasoFallo = [&] {
        if (!porBloques || t.hechos == 0) return pasoAbrir;
        const bool enBloque = t.hechos < t.bloquesLlenos * BlockSize;
        if (bajada)
            return enBloque ? QStringLiteral("InternetReadFile") : QStringLiteral("InternetReadFile2");
        return enBloque ? QStringLiteral("InternetWriteFile") : QStringLiteral("InternetWriteFile2");
    };
    if (rc != CURLE_OK) {
        RegistraError(rc, pasoFallo(), t.fallaLocal ? t.archivo->errorString() : QString());
        return false; // QSaveFile drops the partial copy; sLocal keeps what it held
    }
    qint64 hechos = t.hechos;
    if (!bajada) {
        curl_off_t subidos = 0;
        curl_easy_getinfo(h, CURLINFO_SIZE_UPLOAD_T, &subidos);
        hechos = subidos;
    }
    // ASCII transfers change line ends on the way; binary ones must match to the byte.
    const bool exacto = d->tipo == TransferBinary && (porBloques || !bajada);
    if (exacto && hechos != t.total) {
        RegistraError(CURLE_PARTIAL_FILE, pasoFallo(),
                      QStringLiteral("%1 of %2 bytes transferred").arg(hechos).arg(t.total));
        return false;
    }
    if (bajada && !salida.commit()) {
        RegistraError(-1, pasoAbrir, rutaLocal + QStringLiteral(": ") + salida.errorString());
        return false;
    }
    if (porBloques) {
        const auto final = static_cast<qint32>(std::min(hechos, limite));
        emit FileTransferProgress(final, final);
    }
    return true;
}

bool cFTP::FTPDownloadFile(const QString& sLocal, const QString& sRemote) {
    return transfiere(true, true, sLocal, sRemote);
}
bool cFTP::FTPUploadFile(const QString& sLocal, const QString& sRemote) {
    return transfiere(false, true, sLocal, sRemote);
}
bool cFTP::SimpleFTPGetFile(const QString& sLocal, const QString& sRemote) {
    return transfiere(true, false, sLocal, sRemote);
}
bool cFTP::SimpleFTPPutFile(const QString& sLocal, const QString& sRemote) {
    return transfiere(false, false, sLocal, sRemote);
}
