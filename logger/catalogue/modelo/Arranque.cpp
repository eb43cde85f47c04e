#include "Arranque.h"

#include "Archivos.h"
#include "Avisos.h"
#include "Identidad.h"
#include "Sistema.h"

#include <QFile>
#include <stdexcept>

QString NombreActualizador() {
    return NombreEjecutable(QStringLiteral("ClienteXkLumoFTP"));
}
QString NombreLogger() {
    return NombreEjecutable(QStringLiteral("XkLumoCon"));
}

bool EntregaAlActualizador() {
    const QString token = GeneraIdentidad();
    return Sistema::actual().arranca(ResuelveNombreArchivo(NombreActualizador()), {token});
}

namespace {
[[noreturn]] void FalloArchivo(const QFile& f, const QString& accion) {
    throw std::runtime_error(
        QStringLiteral("%1 \"%2\": %3").arg(accion, f.fileName(), f.errorString()).toStdString());
}
} // namespace

void InstalaActualizadorDescargado() {
    const QString descarga = ResuelveNombreArchivo(DescargaActualizador);
    if (!QFile::exists(descarga)) return;

    Sistema::actual().traeAlFrente(NombreActualizador());
    MsgBox(QStringLiteral("Actualizando Versión ClienteXkLumoFTP"));
    // An updater that is already gone needs no deleting: the download still replaces it.
    QFile viejo(ResuelveNombreArchivo(NombreActualizador()));
    if (viejo.exists() && !viejo.remove()) FalloArchivo(viejo, QStringLiteral("No se puede borrar"));
    MsgBox(QStringLiteral("Versión ClienteXkLumoFTP Actualizada"));
    QFile nuevo(descarga);
    if (!nuevo.rename(NombreActualizador())) FalloArchivo(nuevo, QStringLiteral("No se puede renombrar"));
    // A downloaded file carries no execute permission on this desktop.
    nuevo.setPermissions(nuevo.permissions() | QFileDevice::ExeOwner | QFileDevice::ExeGroup |
                         QFileDevice::ExeOther);
}
