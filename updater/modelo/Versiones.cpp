#include "Versiones.h"

#include "Archivos.h"
#include "Sistema.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <limits>

bool ArrancaLogger() {
    return Sistema::actual().arranca(ResuelveNombreArchivo(NombreEjecutable(QStringLiteral("XkLumoCon"))),
                                     {QString::fromLatin1(ArgumentoLogger)});
}

const DatosElemento& Datos(Elemento e) {
    return Elementos[static_cast<int>(e)];
}

QString NombreInstalado(Elemento e) {
    const DatosElemento& d = Datos(e);
    if (!d.instalado) return QString();
    const QString nombre = QString::fromLatin1(d.instalado);
    return d.ejecutable ? NombreEjecutable(nombre) : nombre;
}

QString NombreDescarga(Elemento e) {
    return QString::fromLatin1(Datos(e).servidor) + QString::fromLatin1(SufijoDescarga);
}

bool EsVersion(const QString& texto) {
    const QStringList partes = texto.trimmed().split(QLatin1Char('.'));
    if (partes.size() > 4) return false;
    for (const QString& p : partes) {
        if (p.isEmpty()) return false;
        for (QChar c : p)
            if (c < QLatin1Char('0') || c > QLatin1Char('9')) return false;
    }
    return true;
}

qint32 ValorVersion(const QString& texto) {
    const QString t = texto.trimmed();
    if (t.isEmpty() || !EsVersion(t)) return 0;
    const QStringList partes = t.split(QLatin1Char('.'));
    constexpr qint64 maximo = std::numeric_limits<qint32>::max();
    if (partes.size() == 1) {
        bool ok = false;
        const qint64 n = partes[0].toLongLong(&ok);
        return static_cast<qint32>(ok ? std::min(n, maximo) : maximo);
    }
    static constexpr qint64 pesos[] = {65536, 256, 16, 1};
    qint64 suma = 0;
    for (int i = 0; i < partes.size(); ++i) {
        bool ok = false;
        const qint64 n = partes[i].toLongLong(&ok);
        // Digits beyond 64 bits, or a sum past 32 bits, stay at the top.
        if (!ok || n > maximo) return static_cast<qint32>(maximo);
        suma += n * pesos[i];
        if (suma > maximo) return static_cast<qint32>(maximo);
    }
    return static_cast<qint32>(suma);
}

QString PrimeraLinea(const QString& archivo) {
    QFile f(ResuelveNombreArchivo(archivo));
    if (!f.open(QIODevice::ReadOnly)) return QString();
    QByteArray linea = f.readLine();
    while (linea.endsWith('\n') || linea.endsWith('\r'))
        linea.chop(1);
    return QString::fromLatin1(linea);
}

bool EscribeLinea(const QString& archivo, const QString& texto) {
    QSaveFile f(ResuelveNombreArchivo(archivo));
    if (!f.open(QIODevice::WriteOnly)) return false;
    f.write(texto.toLatin1() + "\r\n");
    return f.commit();
}

void EstadoVersiones::LeeVersionesInstaladas() {
    for (int i = 0; i < NumElementos; ++i) {
        const auto e = static_cast<Elemento>(i);
        Version& v = v_[i];
        if (!Elementos[i].archivoVersion) {
            v.instalada = Sistema::actual().versionEjecutable(ResuelveNombreArchivo(NombreInstalado(e)));
        } else {
            v.instalada = PrimeraLinea(QString::fromLatin1(Elementos[i].archivoVersion)).trimmed();
        }
        if (v.instalada.isEmpty()) v.instalada = QStringLiteral("0");
    }
}

bool EstadoVersiones::LeeVersiones(const QString& archivo) {
    QFile f(ResuelveNombreArchivo(archivo));
    if (!f.open(QIODevice::ReadOnly)) return false;
    while (!f.atEnd()) {
        // The list comes from a Windows desktop: 8-bit text, CR LF line ends.
        const QString linea = QString::fromLatin1(f.readLine()).trimmed();
        for (int i = 0; i < NumElementos; ++i) {
            if (!linea.startsWith(QLatin1String(Elementos[i].servidor))) continue;
            const qsizetype punto = linea.indexOf(QLatin1Char('.'));
            const QString version = punto < 0 ? QString() : linea.mid(punto + 1).trimmed();
            // A broken line must not spoil a good one nor the installed-version record.
            if (!version.isEmpty() && EsVersion(version)) {
                v_[i].remota = version;
                if (Elementos[i].archivoVersion)
                    EscribeLinea(QString::fromLatin1(Elementos[i].archivoVersion), version);
            }
            break; // the first matching name takes the line
        }
    }
    return true;
}

bool EstadoVersiones::ComparaVersiones() {
    bool alguna = false;
    for (Version& v : v_) {
        v.valorRemoto = ValorVersion(v.remota);
        if (ValorVersion(v.instalada) < v.valorRemoto)
            alguna = true;
        else
            v.valorRemoto = 0;
    }
    return alguna;
}

namespace {
QFileDevice::Permissions PermisosEjecutable(QFileDevice::Permissions p) {
    return p | QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner |
           QFileDevice::ReadGroup | QFileDevice::ExeGroup | QFileDevice::ReadOther | QFileDevice::ExeOther;
}
} // namespace

bool HazEjecutable(const QString& archivo) {
    QFile f(ResuelveNombreArchivo(archivo));
    return f.exists() && f.setPermissions(PermisosEjecutable(f.permissions()));
}

bool InstalaDescarga(Elemento e) {
    if (!Datos(e).instalado) return false;
    const QString descarga = ResuelveNombreArchivo(NombreDescarga(e));
    QFile origen(descarga);
    // An empty file is no program and no database.
    if (!origen.open(QIODevice::ReadOnly) || origen.size() == 0) return false;

    // Written beside the installed file and renamed over it in one step: until then the old
    // program or database stays whole.
    const QString destino = ResuelveNombreArchivo(NombreInstalado(e));
    QSaveFile copia(destino);
    if (!copia.open(QIODevice::WriteOnly)) return false;
    if (Datos(e).ejecutable) {
        // The logger is started by name: without these bits the user would have no program.
        const QFileInfo viejo(destino);
        copia.setPermissions(
            PermisosEjecutable(viejo.exists() ? viejo.permissions() : QFileDevice::Permissions()));
    }
    while (!origen.atEnd()) {
        const QByteArray bloque = origen.read(1 << 16);
        if (bloque.isEmpty() || copia.write(bloque) != bloque.size()) {
            copia.cancelWriting();
            break;
        }
    }
    if (origen.error() != QFileDevice::NoError || !copia.commit()) return false;
    origen.close();
    QFile::remove(descarga);
    return true;
}

QStringList InstalaDescargasPendientes() {
    QStringList hechos;
    for (Elemento e : {Elemento::Logger, Elemento::NuevosCon, Elemento::ConfCon}) {
        const QString descarga = ResuelveNombreArchivo(NombreDescarga(e));
        if (!QFileInfo(descarga).isFile()) continue;
        if (Datos(e).ejecutable) {
            // Never put back an older logger than the one in place.
            Sistema& s = Sistema::actual();
            const QString instalado = ResuelveNombreArchivo(NombreInstalado(e));
            if (QFileInfo::exists(instalado) &&
                ValorVersion(s.versionEjecutable(descarga)) < ValorVersion(s.versionEjecutable(instalado)))
                continue;
        }
        if (InstalaDescarga(e)) hechos << NombreInstalado(e);
    }
    return hechos;
}
