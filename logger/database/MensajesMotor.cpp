#include "MensajesMotor.h"

#include "Avisos.h"
#include "BaseDatos.h"

#include <sqlite3.h>

#include <array>

namespace {
struct MensajeComun {
    int codigo;           // primary result code
    const char* contiene; // part of the engine's text that must appear; null: any
    const char* frase;
};

// The one table of Spanish sentences; the first row that matches wins.
constexpr std::array<MensajeComun, 9> MensajesComunes{{
    {SQLITE_NOTADB, nullptr, "El archivo no es una base de datos de XkLumoCon o está dañado."},
    {SQLITE_CORRUPT, nullptr, "La base de datos está dañada."},
    {SQLITE_READONLY, nullptr,
     "El archivo o su carpeta son de solo lectura: no se pueden guardar los cambios."},
    {SQLITE_CANTOPEN, nullptr,
     "No se puede abrir el archivo o crear sus archivos auxiliares: la carpeta puede ser de solo lectura."},
    {SQLITE_BUSY, nullptr,
     "La base de datos está bloqueada por otro programa. Inténtelo de nuevo en unos momentos."},
    {SQLITE_LOCKED, nullptr,
     "La base de datos está bloqueada por otro programa. Inténtelo de nuevo en unos momentos."},
    {SQLITE_FULL, nullptr, "El disco está lleno: no se pueden guardar los cambios."},
    {SQLITE_IOERR, nullptr, "Error de lectura o escritura en el disco."},
    {SQLITE_ERROR, "no such table", "Falta una tabla en la base de datos."},
}};
} // namespace

QString MensajeMotorEnEspañol(int codigo, const QString& archivo, const QString& textoMotor) {
    for (const MensajeComun& m : MensajesComunes) {
        if ((codigo & 0xff) != m.codigo) continue;
        if (m.contiene && !textoMotor.contains(QLatin1String(m.contiene), Qt::CaseInsensitive)) continue;
        QString texto = QString::fromUtf8(m.frase);
        if (!archivo.isEmpty()) texto += QStringLiteral("\nArchivo: ") + archivo;
        return texto + QStringLiteral("\n(") + textoMotor + QLatin1Char(')');
    }
    return textoMotor;
}

bool IntentaGuardar(const std::function<void()>& guardado) {
    try {
        guardado();
        return true;
    } catch (const ErrorBD& e) {
        MsgBox(e.mensaje(), Icono::Critico);
        return false;
    }
}

const std::array<const char*, 7> TablasTrabajo{
    "Concursos", "ResumenCabrillo", "FormatoEspecial", "Indicativos", "Control", "Contactos", "Listados"};

void ExigeTablas(const BaseDatos& bd) {
    for (const char* tabla : TablasTrabajo)
        if (!bd.existeTabla(QString::fromUtf8(tabla)))
            throw ErrorBD(
                MensajeMotorEnEspañol(SQLITE_ERROR, bd.archivo(),
                                      QStringLiteral("no such table: %1").arg(QString::fromUtf8(tabla))));
}
