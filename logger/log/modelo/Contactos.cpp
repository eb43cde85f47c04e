#include "Contactos.h"

#include "BaseDatos.h"
#include "Filas.h"
#include "Interno.h"
#include "Renumeracion.h"

#include <algorithm>

using namespace bd_interno;

namespace {
int NumeroDeTexto(const QString& t) {
    return t.trimmed().toInt();
}

// First column of the first row of a query taking the contest number as ?1, or an empty text.
QString PrimerTexto(BaseDatos& bd, const char* sql, int numeroOrden, const QString& texto = {}) {
    Sentencia s = Prepara(bd.conexion(), QString::fromLatin1(sql));
    Reinicia r(s.get());
    sqlite3_bind_int(s.get(), 1, numeroOrden);
    const QByteArray t = texto.toUtf8();
    if (!texto.isNull())
        sqlite3_bind_text(s.get(), 2, t.constData(), static_cast<int>(t.size()), SQLITE_STATIC);
    const int rc = sqlite3_step(s.get());
    if (rc == SQLITE_ROW) {
        const auto* c = reinterpret_cast<const char*>(sqlite3_column_text(s.get(), 0));
        return c ? QString::fromUtf8(c) : QString();
    }
    if (rc != SQLITE_DONE) Falla(bd.conexion());
    return {};
}
} // namespace

void AseguraIndiceContactos(BaseDatos& bd) {
    bd.ejecuta("CREATE INDEX IF NOT EXISTS ContactosPorNumero ON Contactos (NumeroOrden, NumeroQso)");
}

LogContactos::LogContactos(std::shared_ptr<BaseDatos> bd, int numeroOrden)
    : bd_(std::move(bd)), numeroOrden_(numeroOrden) {
    const FilaConcurso fila = LeeFilaConcurso(*bd_, numeroOrden_);
    ultimoNumEnviado_ = fila.ultimoNumEnviado;
    horaUTCActual_ = fila.horaUTCActual;
}

void LogContactos::abre() {
    AseguraIndiceContactos(*bd_);
    renumera();
    carga();
}

int LogContactos::renumera() {
    const int total = RenumeraContactos(*bd_, numeroOrden_);
    ultimoNumEnviado_ = total;
    return total;
}

int LogContactos::siguienteNumero() const {
    return ultimoNumEnviado_ + 1;
}

void LogContactos::guardaHoraUTCActual(qint16 desfase) {
    const QString texto = QString::number(desfase);
    if (horaUTCActual_ == texto) return;
    GuardaCampoConcurso(*bd_, numeroOrden_, QStringLiteral("HoraUTCActual"), texto);
    horaUTCActual_ = texto;
}

void LogContactos::carga() {
    Sentencia s =
        Prepara(bd_->conexion(), "SELECT NumeroQso FROM Contactos WHERE NumeroOrden = ?1 ORDER BY NumeroQso");
    Reinicia r(s.get());
    sqlite3_bind_int(s.get(), 1, numeroOrden_);
    std::vector<int> numeros;
    int rc;
    while ((rc = sqlite3_step(s.get())) == SQLITE_ROW)
        numeros.push_back(sqlite3_column_int(s.get(), 0));
    if (rc != SQLITE_DONE) Falla(bd_->conexion());
    numeros_ = std::move(numeros);
}

std::vector<Qso> LogContactos::lee(int desde, int hasta) const {
    std::vector<Qso> qsos;
    if (desde < 1 || hasta < desde || hasta > total()) return qsos;
    ConjuntoRegistros rs = bd_->abreConjunto(
        QStringLiteral(
            "Select * From Contactos Where NumeroOrden = %1 and NumeroQso >= %2 and NumeroQso <= %3 "
            "Order by  NumeroQso")
            .arg(numeroOrden_)
            .arg(numero(desde))
            .arg(numero(hasta)));
    const LectorQso lector(rs);
    for (; !rs.eof(); rs.siguiente())
        qsos.push_back(lector.lee(rs));
    return qsos;
}

void LogContactos::graba(const Qso& qso) {
    {
        BaseDatos::Transaccion t(*bd_);
        ConjuntoRegistros nuevo = bd_->abreConjunto(
            QStringLiteral("Select * From Contactos Where NumeroOrden = %1 and NumeroQso = %2")
                .arg(numeroOrden_)
                .arg(qso.numeroQso));
        nuevo.anade();
        EscribeQso(nuevo, qso);
        nuevo.actualiza();
        GuardaCampoConcurso(*bd_, numeroOrden_, QStringLiteral("UltimoNumEnviado"), qso.numeroQso);
        t.confirma();
    }
    ultimoNumEnviado_ = qso.numeroQso;
    // QSO numbers only grow while storing; a smaller one (a log not yet renumbered) is placed in order.
    if (numeros_.empty() || qso.numeroQso >= numeros_.back())
        numeros_.push_back(qso.numeroQso);
    else
        numeros_.insert(std::upper_bound(numeros_.begin(), numeros_.end(), qso.numeroQso), qso.numeroQso);
}

int LogContactos::ultimoNumeroBanda(const QString& banda) const {
    return NumeroDeTexto(
        PrimerTexto(*bd_,
                    "SELECT NumeralEnviado FROM Contactos WHERE NumeroOrden = ?1 AND Banda = ?2 "
                    "ORDER BY NumeroQso DESC LIMIT 1",
                    numeroOrden_, banda.isNull() ? QStringLiteral("") : banda));
}

int LogContactos::ultimoNumeroRecibido() const {
    return NumeroDeTexto(PrimerTexto(
        *bd_, "SELECT NumeralRecibido FROM Contactos WHERE NumeroOrden = ?1 ORDER BY NumeroQso DESC LIMIT 1",
        numeroOrden_));
}

void LogContactos::quitaMarcadores() {
    BaseDatos::Transaccion t(*bd_);
    const QString n = QString::number(numeroOrden_);
    for (const char* campo : {"NumeralEnviado", "NumeralRecibido"})
        bd_->ejecuta(QStringLiteral("UPDATE Contactos SET %1 = '' WHERE NumeroOrden = %2 AND %1 = '0000'")
                         .arg(QLatin1String(campo), n));
    for (const char* campo : {"LiteralEnviado", "LiteralRecibido"})
        bd_->ejecuta(QStringLiteral("UPDATE Contactos SET %1 = '' WHERE NumeroOrden = %2 AND %1 = '-'")
                         .arg(QLatin1String(campo), n));
    t.confirma();
}

std::optional<Qso> LogContactos::leeGuardado(int numeroQso) const {
    return LeeContactoGuardado(*bd_, numeroOrden_, numeroQso);
}

ResultadoEscritura LogContactos::reescribe(const Qso& qso) {
    return ReescribeContacto(*bd_, qso);
}

ResultadoEscritura LogContactos::eliminaYRenumera(int numeroQso) {
    const ResultadoEscritura r = EliminaYRenumera(*bd_, numeroOrden_, numeroQso);
    if (r) ultimoNumEnviado_ = LeeFilaConcurso(*bd_, numeroOrden_).ultimoNumEnviado;
    return r;
}
