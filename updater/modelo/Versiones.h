#pragma once
#include <array>
#include <QString>
#include <QStringList>

// What the updater knows about versions, and how it installs a download: plain functions the
// window calls and tests call without a window. Every file name is relative to the current
// folder (the programs' folder) and matched without regard to case.

inline constexpr const char* ListaVersiones = "VersionesXkLumoCon.txt";
inline constexpr const char* SufijoDescarga = "Descarga";
// The argument the logger is started with: any non-empty command line is a normal start.
inline constexpr const char* ArgumentoLogger = "comando";

// Starts the logger of the programs' folder with "comando"; false when it cannot be started.
bool ArrancaLogger();

// The four items in the order the list is tested and the downloads run.
enum class Elemento { Logger, NuevosCon, ConfCon, Cliente };
inline constexpr int NumElementos = 4;

struct DatosElemento {
    const char* servidor;       // name on the server and prefix of its line in the list
    const char* archivoVersion; // installed-version file; nullptr: read from the executable
    const char* instalado;      // installed as; nullptr: left as a download for the logger
    bool ejecutable;
};
inline constexpr std::array<DatosElemento, NumElementos> Elementos{{
    {"XkLumoCon", nullptr, "XkLumoCon", true},
    {"XkLumoNuevosCon", "VersionNuevosCon.txt", "XkLumoNuevosCon.mdb", false},
    {"XkConfLumoConcursos", "VersionConfCon.txt", "XkConfLumoConcursos.mdb", false},
    {"ClienteXkLumoFTP", "VersionClienteXkLumoFTP.txt", nullptr, true},
}};
const DatosElemento& Datos(Elemento e);
// The installed name with the platform's spelling of executables.
QString NombreInstalado(Elemento e);
QString NombreDescarga(Elemento e);

// A version text is one to four groups of digits separated by points ("7", "1.2.0.5").
bool EsVersion(const QString& texto);

// One integer per version, compared as a whole: a×65536 + b×256 + c×16 + d. Shorter texts are
// the first numbers of a four-number version ("1.2" is 1.2.0.0), a single number is its own
// value; an empty text or one that is not a version is 0. Saturates at the 32-bit maximum.
qint32 ValorVersion(const QString& texto);

// The installed and the remote version of the four items, and which need a download.
class EstadoVersiones {
public:
    struct Version {
        QString instalada = QStringLiteral("0");
        QString remota;
        qint32 valorRemoto = 0; // 0 once the item needs no download
    };

    // The logger's from its executable (through the system seam), the others from their files;
    // a missing or empty file counts as "0".
    void LeeVersionesInstaladas();
    // Reads the list; each item's line rewrites its installed-version file at once (not the
    // logger's). Lines without a point, with no item's name or without a version text are
    // ignored; the last line of an item counts. False when the list cannot be read.
    bool LeeVersiones(const QString& archivo = QString::fromLatin1(ListaVersiones));
    // True when at least one item is newer on the server; the others get remote value 0.
    bool ComparaVersiones();

    bool Necesita(Elemento e) const { return v_[static_cast<int>(e)].valorRemoto > 0; }
    const Version& operator[](Elemento e) const { return v_[static_cast<int>(e)]; }
    Version& operator[](Elemento e) { return v_[static_cast<int>(e)]; }

private:
    std::array<Version, NumElementos> v_;
};

// First line of a text file without its line end; empty when missing or empty.
QString PrimeraLinea(const QString& archivo);
// Writes `texto` as the file's only line (CR LF), replacing it only once written.
bool EscribeLinea(const QString& archivo, const QString& texto);

// Adds the bits a program of the folder needs to be started by name.
bool HazEjecutable(const QString& archivo);

// Puts the item's complete download in place of the installed file. The installed file is
// replaced in one step only once the copy is written, so a failure leaves it as it was, and the
// download then stays for the next try; on success the download is deleted. False when the
// item is not installed here or the copy failed.
bool InstalaDescarga(Elemento e);
// Downloads whose installation failed in an earlier run: installed now, while no program of
// the folder runs. Returns the items installed.
QStringList InstalaDescargasPendientes();
