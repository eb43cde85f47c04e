#include "Contactos.h"

#include "BaseDatos.h"
#include "Esquema.h"
#include "Filas.h"
#include "Formatos.h"
#include "Interno.h"
#include "Renumeracion.h"

#include <algorithm>
#include <limits>

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
// The contest's UltimoNumEnviado as the file holds it now.
int Contador(BaseDatos& bd, int numeroOrden) {
    return NumeroDeTexto(
        PrimerTexto(bd, "SELECT UltimoNumEnviado FROM Concursos WHERE NumeroOrden = ?1", numeroOrden));
}
} // namespace

LogContactos::LogContactos(std::shared_ptr<BaseDatos> bd, int numeroOrden)
    : bd_(std::move(bd)), numeroOrden_(numeroOrden), esperaPrevia_(bd_->esperaMaxima()) {
    horaUTCActual_ = LeeFilaConcurso(*bd_, numeroOrden_).horaUTCActual;
    bd_->ponEsperaMaxima(EsperaLog);
}

LogContactos::~LogContactos() {
    bd_->ponEsperaMaxima(esperaPrevia_);
}

void LogContactos::abre() {
    IndexaContactos(*bd_);
    renumera();
    carga();
}

int LogContactos::renumera() {
    return RenumeraContactos(*bd_, numeroOrden_);
}

// Each read goes through an index: none costs more with a longer log.
int LogContactos::siguienteNumero() const {
    return NumeroDeTexto(PrimerTexto(*bd_, "SELECT max(NumeroQso) FROM Contactos WHERE NumeroOrden = ?1",
                                     numeroOrden_)) +
           1;
}

int LogContactos::ultimaSerie() const {
    const QString maximo =
        QStringLiteral("SELECT max(%1) FROM Contactos WHERE NumeroOrden = ?1").arg(SerieEnviada);
    return std::max(Contador(*bd_, numeroOrden_),
                    NumeroDeTexto(PrimerTexto(*bd_, maximo.toLatin1().constData(), numeroOrden_)));
}

void LogContactos::guardaHoraUTCActual(qint16 desfase) {
    const QString texto = QString::number(desfase);
    if (horaUTCActual_ == texto) return;
    GuardaCampoConcurso(*bd_, numeroOrden_, QStringLiteral("HoraUTCActual"), texto);
    horaUTCActual_ = texto;
}

void LogContactos::carga() {
    numeros_.clear();
    anadeNumerosNuevos();
}

void LogContactos::anadeNumerosNuevos() {
    Sentencia s = Prepara(bd_->conexion(), "SELECT NumeroQso FROM Contactos WHERE NumeroOrden = ?1 AND "
                                           "NumeroQso > ?2 ORDER BY NumeroQso");
    Reinicia r(s.get());
    sqlite3_bind_int(s.get(), 1, numeroOrden_);
    sqlite3_bind_int(s.get(), 2, numeros_.empty() ? std::numeric_limits<int>::min() : numeros_.back());
    std::vector<int> numeros;
    int rc;
    while ((rc = sqlite3_step(s.get())) == SQLITE_ROW)
        numeros.push_back(sqlite3_column_int(s.get(), 0));
    if (rc != SQLITE_DONE) Falla(bd_->conexion());
    numeros_.insert(numeros_.end(), numeros.begin(), numeros.end());
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

void LogContactos::graba(const Qso& qso, const SeriePropuesta& propuesta) {
    Qso q = qso;
    {
        // The write lock is taken first: what is read here stays true until the commit.
        BaseDatos::Transaccion t(*bd_);
        q.numeroQso = siguienteNumero();
        if (q.numeroQso > MaximoContactos)
            throw ErrorBD(QStringLiteral("El concurso ya tiene 32.767 contactos, el máximo"));
        if (propuesta.numero > 0 && NumeroDeTexto(q.numeralEnviado) == propuesta.numero) {
            const int ultima = propuesta.porBanda ? ultimoNumeroBanda(q.banda) : ultimaSerie();
            q.numeralEnviado = Formato0000(QString::number(ultima + 1));
        }
        const int contador =
            std::max({Contador(*bd_, numeroOrden_), q.numeroQso, NumeroDeTexto(q.numeralEnviado)});
        if (contador > MaximoContactos)
            throw ErrorBD(QStringLiteral("El concurso ya ha enviado el número de serie 32.767, el máximo"));
        ConjuntoRegistros nuevo = bd_->abreConjunto(
            QStringLiteral("Select * From Contactos Where NumeroOrden = %1 and NumeroQso = %2")
                .arg(numeroOrden_)
                .arg(q.numeroQso));
        nuevo.anade();
        EscribeQso(nuevo, q);
        nuevo.actualiza();
        GuardaCampoConcurso(*bd_, numeroOrden_, QStringLiteral("UltimoNumEnviado"), contador);
        t.confirma();
    }
    anadeNumerosNuevos();
}

int LogContactos::ultimoNumeroBanda(const QString& banda) const {
    const QString sql =
        QStringLiteral("SELECT max(%1) FROM Contactos WHERE NumeroOrden = ?1 AND Banda = ?2 COLLATE BINARY")
            .arg(SerieEnviada);
    return NumeroDeTexto(PrimerTexto(*bd_, sql.toLatin1().constData(), numeroOrden_,
                                     banda.isNull() ? QStringLiteral("") : banda));
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
    return EliminaYRenumera(*bd_, numeroOrden_, numeroQso);
}
