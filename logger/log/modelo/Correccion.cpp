#include "Correccion.h"

#include "BaseDatos.h"
#include "Renumeracion.h"

namespace {

QString ConsultaContacto(int numeroOrden, int numeroQso) {
    return QStringLiteral("Select * From Contactos Where NumeroOrden = %1 And NumeroQso = %2")
        .arg(numeroOrden)
        .arg(numeroQso);
}

// The one stored row of that number, or why there is not exactly one: two rows of one number
// (a log stored before it was last renumbered) must not both be rewritten or deleted.
std::optional<QString> BuscaUnico(ConjuntoRegistros& rs, int numeroQso) {
    const int n = rs.cuenta();
    if (n == 0) return QStringLiteral("El contacto %1 ya no está en el log").arg(numeroQso);
    if (n > 1)
        return QStringLiteral("Hay %1 contactos con el número %2: pulse [F9] para ordenar el log y "
                              "repita la operación")
            .arg(n)
            .arg(numeroQso);
    rs.primero();
    return std::nullopt;
}

// Runs the steps in their own transaction; an engine refusal rolls back and becomes the result.
template <class Pasos> ResultadoEscritura EnTransaccion(BaseDatos& bd, Pasos&& pasos) {
    try {
        BaseDatos::Transaccion t(bd);
        ResultadoEscritura r = pasos();
        if (r) t.confirma();
        return r;
    } catch (const ErrorBD& e) {
        return {false, e.mensaje()};
    }
}

} // namespace

Aviso AvisoEscrituraRechazada(const ResultadoEscritura& r) {
    return {r.mensaje, {}, Icono::Critico, Botones::Aceptar, Respuesta::Aceptar};
}

std::optional<Qso> LeeContactoGuardado(BaseDatos& bd, int numeroOrden, int numeroQso) {
    ConjuntoRegistros rs = bd.abreConjunto(ConsultaContacto(numeroOrden, numeroQso));
    if (rs.eof()) return std::nullopt;
    return LeeQso(rs);
}

ResultadoEscritura ReescribeContactoEnCurso(BaseDatos& bd, const Qso& q) {
    ConjuntoRegistros rs = bd.abreConjunto(ConsultaContacto(q.numeroOrden, q.numeroQso));
    if (auto falta = BuscaUnico(rs, q.numeroQso)) return {false, *falta};
    // The frequency is the radio's, never typed: it stays while the band does, and a QSO moved to
    // another band no longer knows where it was worked.
    Qso nuevo = q;
    const Qso guardado = LeeQso(rs);
    nuevo.frecuencia = guardado.banda == q.banda ? guardado.frecuencia : QString();
    rs.edita();
    EscribeQso(rs, nuevo);
    rs.actualiza();
    return {true, {}};
}

ResultadoEscritura EliminaContactoEnCurso(BaseDatos& bd, int numeroOrden, int numeroQso) {
    ConjuntoRegistros rs = bd.abreConjunto(ConsultaContacto(numeroOrden, numeroQso));
    if (auto falta = BuscaUnico(rs, numeroQso)) return {false, *falta};
    rs.borra();
    return {true, {}};
}

ResultadoEscritura ReescribeContacto(BaseDatos& bd, const Qso& q) {
    return EnTransaccion(bd, [&] { return ReescribeContactoEnCurso(bd, q); });
}

Aviso PreguntaBorrado() {
    return {QStringLiteral("De verdad quiere BORRAR este Contacto"),
            QStringLiteral("VERIFICAR BORRADO DE CONTACTO"), Icono::Critico, Botones::SiNo, Respuesta::No};
}

ResultadoEscritura EliminaYRenumera(BaseDatos& bd, int numeroOrden, int numeroQso) {
    return EnTransaccion(bd, [&] {
        ResultadoEscritura borrado = EliminaContactoEnCurso(bd, numeroOrden, numeroQso);
        if (borrado) RenumeraContactos(bd, numeroOrden);
        return borrado;
    });
}
