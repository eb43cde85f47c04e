#pragma once
#include <QDate>
#include <QString>

#include <array>

class ConjuntoRegistros;

// One QSO: the seventeen fields of a Contactos (or Listados) row, texts as stored, and the radio's
// frequency the startup upgrades add to both tables.
struct Qso {
    int numeroOrden = 0;
    int numeroQso = 0;
    QDate fecha;  // null when the row holds no date
    QString hora; // "hh:mm"
    QString banda;
    QString modo;
    QString indicativo;
    QString rstEnviado;
    QString literalEnviado;
    QString numeralEnviado;
    QString puntosEnviados;
    QString locatorEnviado;
    QString rstRecibido;
    QString literalRecibido;
    QString numeralRecibido;
    QString puntosRecibidos;
    QString locatorRecibido;
    // Hz as the radio gave it when the QSO was stored ("7025000"); empty for a QSO logged by hand.
    QString frecuencia;

    bool operator==(const Qso&) const = default;
};

// Hz of the QSO's frequency, 0 when it has none.
double FrecuenciaHz(const Qso& q);

// The one mapping between a row and a Qso. The set must have a current row (read) or a pending
// add or edit (write). A table without the frequency column reads it empty and takes only QSOs
// without one.
Qso LeeQso(const ConjuntoRegistros& rs);
void EscribeQso(ConjuntoRegistros& rs, const Qso& q);

// The same mapping for a walk over many rows of one query: the fields are looked up once, by
// position afterwards.
class LectorQso {
public:
    explicit LectorQso(const ConjuntoRegistros& rs);
    Qso lee(const ConjuntoRegistros& rs) const;

private:
    std::array<int, 18> posicion_;
};
