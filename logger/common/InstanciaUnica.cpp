#include "InstanciaUnica.h"

#include "Avisos.h"
#include "Sistema.h"

#include <QDir>
#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

bool TomaInstanciaUnica(const QString& carpeta) {
    static int descriptor = -1;
    if (descriptor >= 0) return true;
    const QByteArray ruta = QFile::encodeName(QDir(carpeta).filePath(ArchivoBloqueoLogger));
    const int fd = ::open(ruta.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0) return true;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const bool ocupado = errno == EWOULDBLOCK;
        ::close(fd);
        return !ocupado;
    }
    descriptor = fd; // held until the process ends
    return true;
}

void AvisaYaAbierto(const QString& tituloVentana) {
    Sistema::actual().traeAlFrente(tituloVentana);
    MsgBox(QStringLiteral("XkLumoCon ya está abierto en esta carpeta de programas.\n\nUse la ventana que ya "
                          "está abierta: dos copias a la vez estropearían los datos de los concursos."),
           Icono::Exclamacion, QStringLiteral("XkLumoCon"));
}
