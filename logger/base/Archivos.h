#pragma once
#include <QByteArray>
#include <QString>

#include <memory>

// File names are matched without regard to case, as on the desktop the data files come from:
// returns the existing entry of the folder whose name equals `nombre` ignoring case, or `nombre`
// itself when there is none. A relative name is resolved in the current folder.
QString ResuelveNombreArchivo(const QString& nombre);

// Makes the folder of the running executable the current folder.
void CambiaACarpetaPrograma();

// A file being written. The bytes go to a temporary name; only `confirma` puts them under the
// real name, once every one of them has reached the disk. Until then, and after any failure, a
// previous file of that name stays as it was.
class ArchivoSalida {
public:
    virtual ~ArchivoSalida() = default;
    virtual bool escribe(const QByteArray& datos) = 0;
    // Flush, sync and rename into place; false when any of them failed (nothing is left then).
    virtual bool confirma() = 0;
    // Why the last step failed, in Spanish.
    virtual QString razon() const = 0;
};

// Every file the programs write is opened here, so that tests can make a disk fail.
class Archivos {
public:
    virtual ~Archivos() = default;
    // Null when the file cannot even be opened; `razon` then says why.
    virtual std::unique_ptr<ArchivoSalida> creaSalida(const QString& ruta, QString& razon);

    // The process-wide instance; tests install their own and get the previous one back.
    static Archivos& actual();
    static Archivos* instala(Archivos* nuevo);
};
