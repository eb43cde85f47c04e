#include "cFTP.h"
#include "ServidorFtp.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QTimeZone>

#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {
using Eventos = std::vector<std::pair<qint32, qint32>>;

// Every byte value, so line ends and NULs must survive a binary transfer.
QByteArray datos(int n) {
    QByteArray b(n, 0);
    for (int i = 0; i < n; ++i)
        b[i] = static_cast<char>((i * 7 + 13) % 256);
    return b;
}

QByteArray leeLocal(const QString& nombre) {
    QFile f(nombre);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<no existe>");
}

void escribeLocal(const QString& nombre, const QByteArray& b) {
    QFile f(nombre);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(b);
}

QStringList archivosLocales() {
    return QDir().entryList(QDir::Files | QDir::Hidden);
}

class BaseFtp : public testing::Test {
protected:
    void SetUp() override {
        ftp.SetTimeouts(3, 3);
        ftp.SetTransferBinary();
        QObject::connect(&ftp, &cFTP::FileTransferProgress, [this](qint32 actual, qint32 total) {
            eventos.emplace_back(actual, total);
            if (alProgresar) alProgresar();
        });
    }
    bool conecta(const ServidorFtp& s, const char* usuario = ServidorFtp::Usuario,
                 const char* clave = ServidorFtp::Clave) {
        return s.listo() && ftp.OpenConnection("127.0.0.1", usuario, clave, s.puerto());
    }
    cFTP ftp;
    Eventos eventos;
    std::function<void()> alProgresar;
};

// The same transfers in active and in passive mode.
class Ftp : public BaseFtp, public testing::WithParamInterface<bool> {
protected:
    void SetUp() override {
        BaseFtp::SetUp();
        GetParam() ? ftp.SetModePassive() : ftp.SetModeActive();
        ASSERT_TRUE(conecta(servidor)) << qPrintable(ftp.GetLastErrorMessage());
    }
    ServidorFtp servidor;
};
} // namespace

TEST_P(Ftp, ProgresoPorBloquesDe255) {
    servidor.escribe("510.bin", datos(510));
    servidor.escribe("100.bin", datos(100));
    ASSERT_TRUE(ftp.FTPDownloadFile("510.bin", "510.bin")) << qPrintable(ftp.GetLastErrorMessage());
    EXPECT_EQ(eventos, (Eventos{{256, 510}, {511, 510}, {510, 510}}));
    EXPECT_EQ(leeLocal("510.bin"), datos(510));
    eventos.clear();
    ASSERT_TRUE(ftp.FTPDownloadFile(" 100.bin ", "100.bin"));
    EXPECT_EQ(eventos, (Eventos{{100, 100}}));
    EXPECT_EQ(leeLocal("100.bin"), datos(100));
}

TEST_P(Ftp, ArchivoRemotoInexistente) {
    EXPECT_FALSE(ftp.DeleteFTPFile("otro.txt"));
    const QString anterior = ftp.GetLastErrorMessage();
    EXPECT_EQ(ftp.GetFTPFileSize("falta.txt"), -1);
    EXPECT_EQ(ftp.GetLastErrorMessage(), anterior);
    EXPECT_FALSE(ftp.FTPDownloadFile("falta.txt", "falta.txt"));
    EXPECT_FALSE(ftp.SimpleFTPGetFile("falta.txt", "falta.txt"));
    EXPECT_TRUE(archivosLocales().isEmpty());
    EXPECT_TRUE(eventos.empty());
}

TEST_P(Ftp, NombreConBlancoNoTomaAlVecino) {
    // A pattern with "?" for the blank would also match the neighbour, which the server lists first.
    servidor.escribe("mi archivo.txt", datos(10));
    servidor.escribe("miXarchivo.txt", datos(99));
    EXPECT_EQ(ftp.GetFTPFileSize("mi archivo.txt"), 10);
    ASSERT_TRUE(ftp.FTPDownloadFile("copia local.txt", "mi archivo.txt"));
    EXPECT_EQ(leeLocal("copia local.txt"), datos(10));
}

TEST_P(Ftp, DescargaSobreArchivoMasLargo) {
    escribeLocal("VERSIONES.TXT", QByteArray(2000, 'v'));
    servidor.escribe("versiones.txt", datos(300));
    ASSERT_TRUE(ftp.FTPDownloadFile("versiones.txt", "versiones.txt"));
    // The local name is matched without regard to case: one file, holding exactly the remote bytes.
    EXPECT_EQ(archivosLocales(), QStringList{"VERSIONES.TXT"});
    EXPECT_EQ(leeLocal("VERSIONES.TXT"), datos(300));
}

TEST_P(Ftp, SubidaYBajadaIdaYVuelta) {
    escribeLocal("sube.bin", datos(700));
    ASSERT_TRUE(ftp.FTPUploadFile("sube.bin", "en servidor.bin")) << qPrintable(ftp.GetLastErrorMessage());
    EXPECT_EQ(eventos, (Eventos{{255, 700}, {510, 700}, {700, 700}}));
    EXPECT_EQ(servidor.lee("en servidor.bin"), datos(700));
    ASSERT_TRUE(ftp.FTPDownloadFile("baja.bin", "en servidor.bin"));
    EXPECT_EQ(leeLocal("baja.bin"), datos(700));

    eventos.clear();
    ASSERT_TRUE(ftp.SimpleFTPPutFile("sube.bin", "simple.bin"));
    ASSERT_TRUE(ftp.SimpleFTPGetFile("simple.bin", "simple.bin"));
    EXPECT_EQ(leeLocal("simple.bin"), datos(700));
    EXPECT_TRUE(eventos.empty());
}

TEST_P(Ftp, ListadoEnElOrdenDelServidor) {
    servidor.escribe("a b.txt", datos(5));
    servidor.escribe("b.txt", datos(3));
    ASSERT_TRUE(QDir(servidor.ruta("")).mkdir("carpeta"));
    const QDateTime hora(QDate(2024, 1, 2), QTime(3, 4, 5), QTimeZone::utc());
    QFile b(servidor.ruta("b.txt"));
    ASSERT_TRUE(b.open(QIODevice::ReadWrite) && b.setFileTime(hora, QFileDevice::FileModificationTime));
    b.close();

    const cDirList* lista = ftp.GetDirectoryListing("*.*");
    ASSERT_NE(lista, nullptr) << qPrintable(ftp.GetLastErrorMessage());
    ASSERT_EQ(lista->Count(), 3);
    QStringList orden;
    for (const cDirItem& e : *lista)
        orden << e.Filename;
    EXPECT_EQ(orden, QStringList({"carpeta", "b.txt", "a b.txt"})); // the server lists backwards
    EXPECT_TRUE(lista->Item(1)->Directory);
    EXPECT_FALSE(lista->Item(1)->ReadOnly);
    EXPECT_FALSE(lista->Item(2)->Directory);
    EXPECT_TRUE(lista->Item(2)->Normal);
    EXPECT_EQ(lista->Item(2)->FileSize, 3);
    EXPECT_EQ(lista->Item(2)->LastWriteTime, hora.toLocalTime());
    EXPECT_EQ(lista->Item(3)->FileSize, 5);
    EXPECT_EQ(&ftp.Directory(), lista);

    ASSERT_NE(ftp.GetDirectoryListing("/*.txt"), nullptr);
    EXPECT_EQ(ftp.Directory().Count(), 2);
    EXPECT_EQ(ftp.GetDirectoryListing("*.zip"), nullptr);
    EXPECT_EQ(ftp.Directory().Count(), 0);
}

INSTANTIATE_TEST_SUITE_P(Modos, Ftp, testing::Values(false, true),
                         [](const testing::TestParamInfo<bool>& i) { return i.param ? "Pasivo" : "Activo"; });

using FtpSuelto = BaseFtp;

TEST_F(FtpSuelto, ListadoSinMlsdYCuentaDeSoloLectura) {
    ServidorFtp servidor({.sinMlsd = true});
    servidor.escribe("b.txt", datos(3));
    ASSERT_TRUE(QDir(servidor.ruta("")).mkdir("carpeta"));
    ASSERT_TRUE(conecta(servidor));
    const cDirList* lista = ftp.GetDirectoryListing("*");
    ASSERT_NE(lista, nullptr) << qPrintable(ftp.GetLastErrorMessage());
    ASSERT_EQ(lista->Count(), 2);
    EXPECT_EQ(lista->Item(1)->Filename, "b.txt"); // this server sorts its LIST replies
    EXPECT_TRUE(lista->Item(QString("carpeta"))->Directory);
    EXPECT_EQ(lista->Item(1)->FileSize, 3);
    EXPECT_EQ(ftp.GetFTPFileSize("b.txt"), 3);

    ServidorFtp conMlsd;
    conMlsd.escribe("b.txt", datos(3));
    ASSERT_TRUE(conecta(conMlsd, ServidorFtp::Lector, ServidorFtp::ClaveLector));
    lista = ftp.GetDirectoryListing("*");
    ASSERT_NE(lista, nullptr);
    EXPECT_TRUE(lista->Item(1)->ReadOnly);
    EXPECT_FALSE(lista->Item(1)->Normal);
}

TEST_F(FtpSuelto, TamanoPorEncimaDe4GiB) {
    ServidorFtp servidor;
    QFile enorme(servidor.ruta("enorme.bin"));
    ASSERT_TRUE(enorme.open(QIODevice::WriteOnly) && enorme.resize(5'000'000'000LL)); // sparse
    enorme.close();
    ASSERT_TRUE(conecta(servidor));
    EXPECT_EQ(ftp.GetFTPFileSize("enorme.bin"), 705'032'704);
    ASSERT_NE(ftp.GetDirectoryListing("enorme.bin"), nullptr);
    EXPECT_EQ(ftp.Directory().Item(1)->FileSize, 705'032'704);
    // Trusting the wrapped size would cut the file short and call it done.
    EXPECT_FALSE(ftp.FTPDownloadFile("enorme.bin", "enorme.bin"));
    EXPECT_TRUE(ftp.GetLastErrorMessage().contains("too large"));
    EXPECT_TRUE(archivosLocales().isEmpty());
}

TEST_F(FtpSuelto, FallosDeConexionConSuMotivo) {
    ServidorFtp servidor;
    EXPECT_FALSE(conecta(servidor, ServidorFtp::Usuario, "mala"));
    EXPECT_TRUE(ftp.GetLastErrorMessage().startsWith("InternetConnect error code: 67 Message: 530"))
        << qPrintable(ftp.GetLastErrorMessage());
    EXPECT_FALSE(ftp.IsConnected());

    EXPECT_FALSE(ftp.OpenConnection("127.0.0.1:" + QString::number(PuertoCerrado()), "a", "b"));
    EXPECT_TRUE(ftp.GetLastErrorMessage().startsWith("InternetConnect error code: 7 "))
        << qPrintable(ftp.GetLastErrorMessage());

    // Accepts connections but never greets.
    const int mudo = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in dir{};
    dir.sin_family = AF_INET;
    dir.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t largo = sizeof dir;
    ASSERT_EQ(::bind(mudo, reinterpret_cast<sockaddr*>(&dir), sizeof dir), 0);
    ASSERT_EQ(::listen(mudo, 4), 0);
    ::getsockname(mudo, reinterpret_cast<sockaddr*>(&dir), &largo);
    ftp.SetTimeouts(1, 1);
    EXPECT_FALSE(ftp.OpenConnection("127.0.0.1", "a", "b", ntohs(dir.sin_port)));
    EXPECT_TRUE(ftp.GetLastErrorMessage().startsWith("InternetConnect error code: 28 "))
        << qPrintable(ftp.GetLastErrorMessage());
    ::close(mudo);

    EXPECT_EQ(ftp.GetFTPFileSize("x"), -2);
    EXPECT_FALSE(ftp.FTPDownloadFile("x", "x"));
    EXPECT_EQ(ftp.GetFTPDirectory(), "");
    EXPECT_TRUE(ftp.GetLastErrorMessage().contains("no open connection"));
}

TEST_F(FtpSuelto, CorteYAtascoAMitadNoDejanMedioArchivo) {
    for (const bool atasco : {false, true}) {
        SCOPED_TRACE(atasco ? "atasco" : "corte");
        ServidorFtp servidor({.limite = 20000});
        servidor.escribe("grande.bin", datos(200000));
        escribeLocal("grande.bin", "version anterior");
        ASSERT_TRUE(conecta(servidor));
        ftp.SetTimeouts(2, 2);
        alProgresar = [&] {
            if (eventos.size() == 1) atasco ? servidor.congela() : servidor.mata();
        };
        EXPECT_FALSE(ftp.FTPDownloadFile("grande.bin", "grande.bin"));
        alProgresar = nullptr;
        EXPECT_TRUE(ftp.GetLastErrorMessage().startsWith("InternetReadFile error code: "))
            << qPrintable(ftp.GetLastErrorMessage());
        if (atasco) {
            EXPECT_TRUE(ftp.GetLastErrorMessage().contains("code: 28 "));
        }
        EXPECT_EQ(leeLocal("grande.bin"), "version anterior");
        EXPECT_EQ(archivosLocales(), QStringList{"grande.bin"});
        eventos.clear();
    }
}

TEST_F(FtpSuelto, OperacionesSobreArchivosYCarpetas) {
    ServidorFtp servidor;
    servidor.escribe("b.txt", "b");
    ASSERT_TRUE(ftp.OpenConnection("127.0.0.1:" + QString::number(servidor.puerto()), ServidorFtp::Usuario,
                                   ServidorFtp::Clave));
    EXPECT_EQ(ftp.GetFTPDirectory(), "/");
    ASSERT_TRUE(ftp.CreateFTPDirectory("nueva carpeta"));
    ASSERT_TRUE(ftp.SetFTPDirectory("nueva carpeta"));
    EXPECT_EQ(ftp.GetFTPDirectory(), "/nueva carpeta");
    escribeLocal("x.txt", "equis");
    ASSERT_TRUE(ftp.FTPUploadFile("x.txt", "x.txt"));
    EXPECT_EQ(servidor.lee("nueva carpeta/x.txt"), "equis");
    ASSERT_TRUE(ftp.RenameFTPFile("x.txt", "/y.txt"));
    EXPECT_EQ(servidor.lee("y.txt"), "equis");
    EXPECT_FALSE(ftp.SetFTPDirectory("falta"));
    EXPECT_TRUE(ftp.GetLastErrorMessage().startsWith("FtpSetCurrentDirectory error code: 9 Message: 550"))
        << qPrintable(ftp.GetLastErrorMessage());
    EXPECT_EQ(ftp.GetFTPDirectory(), "/nueva carpeta");
    ASSERT_TRUE(ftp.SetFTPDirectory(".."));
    EXPECT_TRUE(ftp.RemoveFTPDirectory("nueva carpeta"));
    EXPECT_FALSE(QDir(servidor.ruta("nueva carpeta")).exists());
    EXPECT_TRUE(ftp.DeleteFTPFile("y.txt"));
    EXPECT_FALSE(QFile::exists(servidor.ruta("y.txt")));
    EXPECT_FALSE(ftp.DeleteFTPFile("y.txt"));
    EXPECT_TRUE(ftp.GetLastErrorMessage().startsWith("DeleteFTPFile error code: 21 Message: 550"))
        << qPrintable(ftp.GetLastErrorMessage());
    // A line break would start a second command.
    EXPECT_FALSE(ftp.DeleteFTPFile("nada\r\nDELE b.txt"));
    EXPECT_TRUE(QFile::exists(servidor.ruta("b.txt")));
}

TEST_F(FtpSuelto, AsciiDaFinesDeLineaLocalesYBinarioLosBytes) {
    ServidorFtp servidor;
    servidor.escribe("t.txt", "uno\r\ndos\r\n");
    ASSERT_TRUE(conecta(servidor));
    ASSERT_TRUE(ftp.FTPDownloadFile("binario.txt", "t.txt"));
    EXPECT_EQ(leeLocal("binario.txt"), "uno\r\ndos\r\n");
    // Fewer bytes than the listed size: in ASCII that is the conversion, not a cut transfer.
    ftp.SetTransferASCII();
    ASSERT_TRUE(ftp.FTPDownloadFile("ascii.txt", "t.txt")) << qPrintable(ftp.GetLastErrorMessage());
    EXPECT_EQ(leeLocal("ascii.txt"), "uno\ndos\n");
    ASSERT_TRUE(ftp.FTPUploadFile("ascii.txt", "subido.txt")) << qPrintable(ftp.GetLastErrorMessage());
    EXPECT_EQ(servidor.lee("subido.txt"), "uno\ndos\n");
    ftp.SetTransferBinary();
    ASSERT_TRUE(ftp.FTPUploadFile("binario.txt", "subido.txt"));
    EXPECT_EQ(servidor.lee("subido.txt"), "uno\r\ndos\r\n");
}

TEST_F(FtpSuelto, LaVentanaNoPuedeReentrarNiCerrarAMitad) {
    ServidorFtp servidor;
    servidor.escribe("600.bin", datos(600));
    ASSERT_TRUE(conecta(servidor));
    qint32 tamanoDentro = 0;
    alProgresar = [&] { tamanoDentro = ftp.GetFTPFileSize("600.bin"); };
    EXPECT_TRUE(ftp.FTPDownloadFile("600.bin", "600.bin"));
    EXPECT_EQ(tamanoDentro, -2);
    EXPECT_TRUE(ftp.GetLastErrorMessage().contains("another transfer"));
    EXPECT_EQ(leeLocal("600.bin"), datos(600));

    alProgresar = [&] { ftp.CloseConnection(); };
    EXPECT_FALSE(ftp.FTPDownloadFile("otra.bin", "600.bin"));
    EXPECT_FALSE(ftp.IsConnected());
    EXPECT_FALSE(QFile::exists("otra.bin"));
}

TEST_F(FtpSuelto, ListadoConNombreRepetidoFallaSinLanzar) {
    ServidorFtp servidor({.duplicados = true});
    servidor.escribe("a.txt", "a");
    servidor.escribe("b.txt", "b");
    ASSERT_TRUE(conecta(servidor));
    cDirList* lista = nullptr;
    EXPECT_NO_THROW(lista = ftp.GetDirectoryListing("*"));
    EXPECT_EQ(lista, nullptr);
    EXPECT_TRUE(ftp.GetLastErrorMessage().contains("duplicate name in listing: b.txt"))
        << qPrintable(ftp.GetLastErrorMessage());
    EXPECT_EQ(ftp.Directory().Count(), 2); // what was read before the repeat stays visible
}
