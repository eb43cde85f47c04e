#pragma once
#include "Correccion.h"
#include "Qso.h"

#include <QString>
#include <QtGlobal>

#include <memory>
#include <optional>
#include <vector>

class BaseDatos;

// QSOs a contest can hold: UltimoNumEnviado is a 16-bit integer.
inline constexpr int MaximoContactos = 32767;

// The serial the entry line proposed and how it was counted: a QSO stored with that serial gets
// the one the file gives at the moment of storing, so another program's QSO taken meanwhile is not
// repeated. A serial typed by the operator is stored as typed.
struct SeriePropuesta {
    int numero = 0; // 0: none proposed
    bool porBanda = false;
};

// The contest's log as the window holds it: the QSO numbers in order, so that an ordinal (1 to
// TotalContactos) finds its QSO without reading the log again; pages are read by number.
class LogContactos {
public:
    // The log of contest `numeroOrden`; its row's HoraUTCActual is read here and written by the log
    // alone. UltimoNumEnviado is read from the file whenever it is needed.
    LogContactos(std::shared_ptr<BaseDatos> bd, int numeroOrden);
    ~LogContactos();
    LogContactos(const LogContactos&) = delete;
    LogContactos& operator=(const LogContactos&) = delete;

    // At every opening: the index, the renumbering, the numbers.
    void abre();
    // RenumeraContactos of this contest (then carga() to see the new order).
    int renumera();

    // CargaContactos' query: the contest's QSO numbers ordered by NumeroQso.
    void carga();
    int total() const { return static_cast<int>(numeros_.size()); }
    // Number of the QSO at an ordinal (1 to total()).
    int numero(int ordinal) const { return numeros_.at(static_cast<size_t>(ordinal - 1)); }
    // The QSOs of ordinals desde..hasta (within 1..total()), in order.
    std::vector<Qso> lee(int desde, int hasta) const;
    Qso leeOrdinal(int ordinal) const { return lee(ordinal, ordinal).at(0); }

    // GrabaContacto's writes in one transaction, which reads the number (one more than the highest
    // stored) and the proposed serial before writing: the new row and the contest's
    // UltimoNumEnviado (the highest of its value, the number and the serial), committed before
    // returning. A contest full at MaximoContactos is refused with a message. On ErrorBD nothing
    // is stored and the log and its counter are unchanged.
    void graba(const Qso& qso, const SeriePropuesta& propuesta = {});
    // The number the next QSO takes: one more than the contest's highest, as the file holds it.
    int siguienteNumero() const;
    // The serial sent last in the contest: the higher of UltimoNumEnviado (which the operator may
    // set in the contest editor) and the highest serial any QSO sent.
    int ultimaSerie() const;
    // The contest's HoraUTCActual; written only when it changes.
    void guardaHoraUTCActual(qint16 desfase);

    // The highest serial sent on a band, 0 when none.
    int ultimoNumeroBanda(const QString& banda) const;
    // NumeralRecibido of the contest's last QSO as a number, 0 when the log is empty.
    int ultimoNumeroRecibido() const;

    // "FIN": the placeholders "0000" and "-" of the exchange become empty, in one transaction.
    void quitaMarcadores();

    // The corrections of Correccion.h on this contest's log, each its own transaction; a write the
    // engine refuses comes back as the result and changes nothing. After a deletion, carga()
    // reads the new numbers.
    std::optional<Qso> leeGuardado(int numeroQso) const;
    ResultadoEscritura reescribe(const Qso& qso);
    ResultadoEscritura eliminaYRenumera(int numeroQso);

    BaseDatos& bd() const { return *bd_; }
    int numeroOrden() const { return numeroOrden_; }

private:
    std::shared_ptr<BaseDatos> bd_;
    int numeroOrden_;
    // Appends the numbers stored after the last one known (this log's and other programs').
    void anadeNumerosNuevos();

    // The connection's wait for a lock before the log opened: an operator in a contest waits at
    // most EsperaLog for another program before the log says why it cannot write.
    int esperaPrevia_;
    static constexpr int EsperaLog = 1000;
    // HoraUTCActual as the file holds it: changed only once its write is committed.
    QString horaUTCActual_;
    std::vector<int> numeros_;
};
