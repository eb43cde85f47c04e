#pragma once
#include "Correccion.h"
#include "Qso.h"

#include <QString>
#include <QtGlobal>

#include <memory>
#include <optional>
#include <vector>

class BaseDatos;

// The contest's log as the window holds it: the QSO numbers in order, so that an ordinal (1 to
// TotalContactos) finds its QSO without reading the log again; pages are read by number.
class LogContactos {
public:
    // The log of contest `numeroOrden`; its row's UltimoNumEnviado and HoraUTCActual are read here
    // and written by the log alone, each with the write it belongs to.
    LogContactos(std::shared_ptr<BaseDatos> bd, int numeroOrden);

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

    // GrabaContacto's writes in one transaction: the new row and the contest's UltimoNumEnviado,
    // committed before returning. On ErrorBD nothing is stored and the log and its counter are
    // unchanged.
    void graba(const Qso& qso);
    // The number the next QSO takes: UltimoNumEnviado + 1.
    int siguienteNumero() const;
    // The contest's HoraUTCActual; written only when it changes.
    void guardaHoraUTCActual(qint16 desfase);

    // Serial sent last on a band (NumeralEnviado of its highest QSO number), 0 when none.
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
    // The contest row's values as the file holds them: each changes only once its write is committed.
    int ultimoNumEnviado_ = 0;
    QString horaUTCActual_;
    std::vector<int> numeros_;
};

// The index the log's reads by contest and number go through; made once, kept in the file.
void AseguraIndiceContactos(BaseDatos& bd);
