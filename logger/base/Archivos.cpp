#include "Archivos.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

QString ResuelveNombreArchivo(const QString& nombre) {
    const QFileInfo info(nombre);
    if (info.exists()) return nombre;
    QDir carpeta = info.dir();
    if (!carpeta.exists()) return nombre;
    const QString buscado = info.fileName();
    const auto entradas = carpeta.entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden);
    for (const QString& e : entradas) {
        if (e.compare(buscado, Qt::CaseInsensitive) == 0) {
            return nombre.contains('/') ? carpeta.filePath(e) : e;
        }
    }
    return nombre;
}

void CambiaACarpetaPrograma() {
    QDir::setCurrent(QCoreApplication::applicationDirPath());
}

namespace {
// The reasons a write fails, as the user reads them; the system's own words follow.
struct RazonFallo {
    QFileDevice::FileError error;
    const char* texto;
};
constexpr RazonFallo RazonesFallo[] = {
    {QFileDevice::ResourceError, "no queda espacio en el disco"},
    {QFileDevice::WriteError, "no se han podido escribir todos los datos en el disco"},
    {QFileDevice::OpenError, "no se puede crear el fichero en esa carpeta"},
    {QFileDevice::PermissionsError, "no hay permiso para escribir en esa carpeta"},
    {QFileDevice::RenameError, "no se ha podido poner en lugar del fichero anterior"},
};

QString Razon(const QFileDevice& f) {
    QString texto = QStringLiteral("error al escribir el fichero");
    for (const RazonFallo& r : RazonesFallo)
        if (r.error == f.error()) texto = QString::fromUtf8(r.texto);
    return f.errorString().isEmpty() ? texto : texto + QStringLiteral(" (") + f.errorString() + u')';
}

class SalidaDisco : public ArchivoSalida {
public:
    explicit SalidaDisco(const QString& ruta) : archivo_(ruta) {}
    bool abre() {
        if (archivo_.open(QIODevice::WriteOnly)) return true;
        razon_ = Razon(archivo_);
        return false;
    }
    bool escribe(const QByteArray& datos) override {
        if (archivo_.write(datos) == datos.size()) return true;
        razon_ = Razon(archivo_);
        archivo_.cancelWriting();
        return false;
    }
    bool confirma() override {
        // A buffered write that the disk refuses shows only here, at the flush of the commit.
        if (archivo_.commit()) return true;
        razon_ = Razon(archivo_);
        return false;
    }
    QString razon() const override { return razon_; }

private:
    QSaveFile archivo_;
    QString razon_;
};

Archivos*& instancia() {
    static Archivos disco;
    static Archivos* actual = &disco;
    return actual;
}
} // namespace

std::unique_ptr<ArchivoSalida> Archivos::creaSalida(const QString& ruta, QString& razon) {
    auto salida = std::make_unique<SalidaDisco>(ruta);
    if (salida->abre()) return salida;
    razon = salida->razon();
    return nullptr;
}

Archivos& Archivos::actual() {
    return *instancia();
}

Archivos* Archivos::instala(Archivos* nuevo) {
    Archivos* previo = instancia();
    instancia() = nuevo;
    return previo;
}
