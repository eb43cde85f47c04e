#pragma once
#include "Correccion.h"
#include "Qso.h"

#include <QtGlobal>

#include <memory>
#include <optional>
#include <vector>

class BaseDatos;
class ConjuntoRegistros;

// The contest's log as the window holds it: the QSO numbers in order, so that an ordinal (1 to
// TotalContactos) finds its QSO without reading the log again; pages are read by number.
class LogContactos {
public:
    // `concurso` holds the contest's row as its current row (the main window's RegConcursos); the
    // log writes UltimoNumEnviado and HoraUTCActual through it, so it always shows the file's values.
    LogContactos(std::shared_ptr<BaseDatos> bd, ConjuntoRegistros& concurso);

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

    // GrabaContacto's writes in one transaction: the new row and the contest's UltimoNumEnviado
    // (through `concurso`, the contest's row), committed before returning. On ErrorBD nothing is
    // stored, the contest row shows what the file holds and the log is unchanged.
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
    ConjuntoRegistros& concurso_;
    int numeroOrden_;
    std::vector<int> numeros_;
};

// The index the log's reads by contest and number go through; made once, kept in the file.
void AseguraIndiceContactos(BaseDatos& bd);
