#include "Repeticion.h"

#include "BaseDatos.h"
#include "Verificaciones.h"

namespace {

using C = Columna;
using R = Repeticion;
constexpr R P = R::Permitida, X = R::Prohibida, H = R::SegunHoras;

// Each rule allows what its name says: "Distinta Banda" a repeat on another band, "Distinto Modo"
// one on another mode, "Repetir cada" one after the interval. An earlier QSO that no ticked rule
// allows is forbidden; with no rule ticked at all every repeat is allowed.
struct FilaDecision {
    bool banda, modo, horas;
    // same band and mode, same band other mode, other band same mode, other band and mode
    R mismos, otroModo, otraBanda, otros;
};

const FilaDecision Decision[] = {
    {false, false, false, P, P, P, P}, {false, false, true, H, H, H, H}, {false, true, false, X, P, X, P},
    {false, true, true, H, P, H, P},   {true, false, false, X, X, P, P}, {true, false, true, H, H, P, P},
    {true, true, false, X, P, P, P},   {true, true, true, H, P, P, P},
};

// "hh:mm" as minutes of the day; a stored time that is no time counts as midnight.
int MinutosHora(const QString& hora) {
    const qsizetype dp = hora.indexOf(u':');
    if (dp < 0) return 0;
    bool okH = false, okM = false;
    const int h = hora.left(dp).toInt(&okH);
    const int m = hora.mid(dp + 1).toInt(&okM);
    return okH && okM ? h * 60 + m : 0;
}

} // namespace

Repeticion DecideRepeticion(bool enCadaBanda, bool enCadaModo, bool enCadaHoras, bool mismaBanda,
                            bool mismoModo) {
    for (const auto& f : Decision) {
        if (f.banda != enCadaBanda || f.modo != enCadaModo || f.horas != enCadaHoras) continue;
        if (mismaBanda) return mismoModo ? f.mismos : f.otroModo;
        return mismoModo ? f.otraBanda : f.otros;
    }
    return P;
}

int MinutosIntervalo(const QString& h) {
    const qsizetype dp = h.indexOf(u':');
    if (dp < 0) return 60 * h.trimmed().toInt();
    return 60 * h.left(dp).trimmed().toInt() + h.mid(dp + 1).trimmed().toInt();
}

bool VerRepetirEnCadaHoras(const QDateTime& actual, const QDate& fecha0, const QString& hora0,
                           const QString& horas) {
    // Without a date on either side nothing can be counted: warn rather than stay silent.
    if (!actual.isValid() || !fecha0.isValid()) return true;
    int referencia = MinutosHora(hora0);
    if (horas == u"23:59")
        referencia = 1;
    else if (horas == u"12:00")
        referencia = 12 * 60;
    const qint64 minutosActual = actual.time().hour() * 60 + actual.time().minute();
    const qint64 e = fecha0.daysTo(actual.date()) * 1440 + minutosActual - referencia;
    return e < MinutosIntervalo(horas);
}

bool VerificarDuplicados(const ReglasContacto& r, const QString& banda, const QString& modo,
                         const QDateTime& actual, const Qso& o) {
    switch (DecideRepeticion(r.repetirEnCadaBanda, r.repetirEnCadaModo, r.repetirEnCadaHoras,
                             o.banda == banda, o.modo == modo)) {
    case R::Permitida:
        return false;
    case R::Prohibida:
        return true;
    case R::SegunHoras:
        return VerRepetirEnCadaHoras(actual, o.fecha, o.hora, r.horasRepeticion);
    }
    return false;
}

QString LineaRepeticion(const Qso& q) {
    return q.fecha.toString(FormatoFecha) + u' ' + q.hora + u' ' + q.banda + u' ' + q.modo;
}

void MuestraRepeticion(ResultadoRepeticion& r, const Qso& q, const ReglasContacto& reglas,
                       const TextosFila& fila) {
    r.ultimo = q;
    r.numeroQso = q.numeroQso;
    r.campos = FilaDeQso(q, reglas.numeraloSiglas);
    r.campos[Indice(C::NumeroQso)].clear(); // the panel shows no number
    r.bandaIgual = q.banda == fila[C::Banda];
    r.modoIgual = q.modo == fila[C::Modo];
}

ResultadoRepeticion BuscaRepeticion(BaseDatos& bd, const ReglasContacto& reglas, const QString& indicativo,
                                    const TextosFila& fila, bool hayQsos) {
    ResultadoRepeticion r;
    r.horaQso = fila[C::HoraQso];
    if (reglas.repetirEstacion || !hayQsos) return r;
    if (auto rechazo = VerificaHora(r.horaQso).rechazo) {
        r.avisoHora = rechazo->aviso;
        r.horaQso = fila[C::HoraQso];
        return r;
    }
    // A NUL cannot be joined into the query text; no stored callsign is looked up by it.
    if (indicativo.contains(QChar(0))) return r;

    QString fecha = fila[C::FechaQso];
    VerificaFecha(fecha); // only normalised: the date is checked on storing, here it dates the QSO
    const QDateTime actual(QDate::fromString(fecha, FormatoFecha),
                           QTime::fromString(r.horaQso, QStringLiteral("hh:mm")));

    // Callsigns are stored in capitals: compared as stored, through the binary callsign index that
    // every tool orders alike. "+NumeroQso": ordered by number without the number index, so that the
    // engine reads the few rows of the callsign index instead of walking the whole contest.
    auto rs = bd.abreConjunto(QStringLiteral("Select * From Contactos Where NumeroOrden = ") +
                              QString::number(reglas.numeroOrden) + QStringLiteral(" and Indicativo = ") +
                              Comillas(indicativo.toUpper()) +
                              QStringLiteral(" COLLATE BINARY Order by +NumeroQso"));
    if (rs.eof()) return r;
    std::optional<Qso> ultimo;
    const LectorQso lector(rs);
    for (rs.primero(); !rs.eof(); rs.siguiente()) {
        Qso o = lector.lee(rs);
        if (!reglas.noRepetir && !VerificarDuplicados(reglas, fila[C::Banda], fila[C::Modo], actual, o))
            continue;
        r.lineas << LineaRepeticion(o);
        ultimo = std::move(o);
    }
    if (!ultimo) return r;
    r.encontrado = true;
    MuestraRepeticion(r, *ultimo, reglas, fila);
    return r;
}
