#include "OpcionesConcurso.h"

#include "BaseDatos.h"
#include "ConcursosNombrados.h"
#include "HoraUTC.h"
#include "Indicativos.h"

#include <QStringList>

#include <vector>

namespace {

using O = Opcion;

// Each option's control and its Concursos field, as the table and stored files spell it.
struct NombresOpcion {
    const char* control;
    const char* campo;
};
const std::array<NombresOpcion, NumeroOpciones> Nombres{{
    {"EnviarNumeral", "EnviarNumeral"},
    {"EnviarLocator", "EnviarLocator"},
    {"EnviarSiglas", "EnviarSiglas"},
    {"EnviarPuntos", "EnviarPuntos"},
    {"EnviarZonaCQ", "EnviarZonaCq"},
    {"RecibirNumeral", "RecibirNumeral"},
    {"RecibirLocator", "RecibirLocator"},
    {"RecibirSiglas", "RecibirSiglas"},
    {"RecibirPuntos", "RecibirPuntos"},
    {"RecibirZonaCQ", "RecibirZonaCq"},
    {"NumeraloSiglas", "NumeraloSiglas"},
    {"LiteralFijo", "LiteralFijo"},
    {"LiteralVariable", "LiteralVariable"},
    {"NoRepetir", "NoRepetir"},
    {"RepetirEstacion", "RepetirEstacion"},
    {"RepetirEnCadaBanda", "RepetirEnCadaBanda"},
    {"RepetirEnCadaModo", "RepetirEnCadaModo"},
    {"RepetirEnCadaHoras", "RepetirEnCadaHoras"},
    {"HoraLocal", "HoraLocal"},
    {"HoraUTC", "HoraUTC"},
}};

// What one change of one control does to the others and to the boxes.
struct Reaccion {
    Opcion opcion;
    bool valor;
    std::vector<Opcion> desmarca{};
    std::vector<Opcion> marca{};
    std::vector<int> vacia{}; // text3 boxes emptied
    int foco = -1;
    std::optional<bool> puntosVisible{};
    std::optional<bool> utcVisible{};
    std::optional<bool> horasHabilitado{};
    std::optional<bool> horasBloqueado{};
    bool calculaDesfase = false;
};

// Changes not listed have no reaction. Ticking "Puede Repetir", "Distinta Banda" or "Distinto Modo"
// leaves the UTC offset box alone: it belongs to the time reference, not to the repeat rules.
const std::vector<Reaccion>& Reacciones() {
    static const std::vector<Reaccion> tabla{
        {.opcion = O::EnviarLocator, .valor = false, .vacia = {4}},
        {.opcion = O::EnviarPuntos, .valor = true, .foco = 3, .puntosVisible = true},
        {.opcion = O::EnviarPuntos, .valor = false, .vacia = {3}, .puntosVisible = false},
        {.opcion = O::EnviarSiglas,
         .valor = true,
         .desmarca = {O::EnviarZonaCQ},
         .marca = {O::LiteralFijo},
         .vacia = {6}},
        {.opcion = O::EnviarSiglas, .valor = false, .desmarca = {O::LiteralFijo, O::LiteralVariable}},
        {.opcion = O::EnviarZonaCQ,
         .valor = true,
         .desmarca = {O::EnviarSiglas, O::LiteralFijo, O::LiteralVariable},
         .vacia = {6}},
        {.opcion = O::RecibirSiglas, .valor = true, .desmarca = {O::RecibirZonaCQ}},
        {.opcion = O::RecibirZonaCQ, .valor = true, .desmarca = {O::RecibirSiglas}},
        {.opcion = O::LiteralFijo, .valor = true, .desmarca = {O::LiteralVariable}},
        {.opcion = O::LiteralVariable, .valor = true, .desmarca = {O::LiteralFijo}, .vacia = {6}},
        {.opcion = O::LiteralVariable, .valor = false, .foco = 6},
        {.opcion = O::HoraLocal, .valor = true, .desmarca = {O::HoraUTC}, .vacia = {7}, .utcVisible = false},
        {.opcion = O::HoraUTC,
         .valor = true,
         .desmarca = {O::HoraLocal},
         .utcVisible = true,
         .calculaDesfase = true},
        {.opcion = O::NoRepetir,
         .valor = true,
         .desmarca = {O::RepetirEstacion, O::RepetirEnCadaBanda, O::RepetirEnCadaModo, O::RepetirEnCadaHoras},
         .vacia = {8},
         .horasHabilitado = false,
         .horasBloqueado = true},
        {.opcion = O::RepetirEstacion,
         .valor = true,
         .desmarca = {O::NoRepetir, O::RepetirEnCadaBanda, O::RepetirEnCadaModo, O::RepetirEnCadaHoras}},
        {.opcion = O::RepetirEnCadaBanda, .valor = true, .desmarca = {O::NoRepetir, O::RepetirEstacion}},
        {.opcion = O::RepetirEnCadaModo, .valor = true, .desmarca = {O::NoRepetir, O::RepetirEstacion}},
        {.opcion = O::RepetirEnCadaHoras,
         .valor = true,
         .desmarca = {O::NoRepetir, O::RepetirEstacion},
         .horasHabilitado = true,
         .horasBloqueado = false},
        {.opcion = O::RepetirEnCadaHoras, .valor = false, .vacia = {8}, .horasBloqueado = true},
    };
    return tabla;
}

// The offset of a Spanish station into the UTC box; other stations keep what was typed.
void PoneDesfase(OpcionesConcurso& o, const QString& indicativo) {
    if (!EsIndicativoEspanol(indicativo)) return;
    qint16 desfase = 0;
    DiferenciaHoraUTC(desfase);
    o.desfaseUTC = desfase;
    o.text3[7] = QString::number(desfase);
}

template <class T> void Pon(T& destino, const std::optional<T>& valor) {
    if (valor) destino = *valor;
}

constexpr Opcion Enesima(int i) {
    return static_cast<Opcion>(i);
}

} // namespace

QString NombreOpcion(Opcion opcion) {
    return QString::fromLatin1(Nombres[static_cast<size_t>(opcion)].control);
}

QString CampoOpcion(Opcion opcion) {
    return QString::fromLatin1(Nombres[static_cast<size_t>(opcion)].campo);
}

std::optional<Opcion> OpcionPorNombre(const QString& nombre) {
    for (int i = 0; i < NumeroOpciones; ++i)
        if (nombre == QLatin1String(Nombres[static_cast<size_t>(i)].control)) return Enesima(i);
    return std::nullopt;
}

void Cambia(OpcionesConcurso& o, Opcion opcion, bool valor, const QString& indicativo) {
    bool& actual = o.marcada[static_cast<size_t>(opcion)];
    if (actual == valor) return;
    actual = valor;
    for (const Reaccion& r : Reacciones()) {
        if (r.opcion != opcion || r.valor != valor) continue;
        for (Opcion d : r.desmarca)
            Cambia(o, d, false, indicativo);
        for (Opcion m : r.marca)
            Cambia(o, m, true, indicativo);
        for (int caja : r.vacia)
            o.text3[static_cast<size_t>(caja)].clear();
        Pon(o.puntosVisible, r.puntosVisible);
        Pon(o.utcVisible, r.utcVisible);
        Pon(o.horasHabilitado, r.horasHabilitado);
        Pon(o.horasBloqueado, r.horasBloqueado);
        if (r.calculaDesfase) PoneDesfase(o, indicativo);
        if (r.foco >= 0) o.foco = r.foco;
    }
}

void LimpiaOpciones(OpcionesConcurso& o, const QString& indicativo) {
    for (int i = 0; i < NumeroOpciones; ++i) {
        const Opcion op = Enesima(i);
        if (op != O::LiteralFijo && op != O::LiteralVariable) Cambia(o, op, false, indicativo);
    }
    for (int caja : CajasDeOpciones)
        o.text3[static_cast<size_t>(caja)].clear();
    // Neither time option is selected now: the offset box has nothing to show.
    o.utcVisible = false;
    o.foco = -1; // the caller decides where an emptied editor puts the focus
}

void PreparaNuevoConcurso(OpcionesConcurso& o, const QString& indicativo) {
    LimpiaOpciones(o, indicativo);
    Cambia(o, O::HoraUTC, true, indicativo);
    Cambia(o, O::NoRepetir, true, indicativo);
}

CargaDeOpciones CargaOpciones(const ConjuntoRegistros& fila, const QString& indicativo) {
    CargaDeOpciones carga;
    OpcionesConcurso& o = carga.opciones;
    // The order of the enumeration puts the literal boxes after the sent exchange that ticks
    // them, so a stored state that clicks could reach is shown exactly as stored.
    for (int i = 0; i < NumeroOpciones; ++i)
        Cambia(o, Enesima(i), fila.siNo(CampoOpcion(Enesima(i))), indicativo);

    // Texts after the boxes, so no reaction of the load empties a stored text.
    o.text3[4] = fila.texto("MiLocator");
    o.text3[6] = fila.texto("Siglas");
    o.text3[3] = o.puntosVisible ? fila.texto("NumeroPuntosEnviar") : QString();
    o.text3[7] = o.utcVisible ? fila.texto("HoraUTCActual") : QString();
    o.text3[8] = o[O::RepetirEnCadaHoras] ? fila.texto("HorasRepeticion") : QString();

    if (o[O::HoraUTC]) {
        PoneDesfase(o, indicativo);
        if (o.text3[7] != fila.texto("HoraUTCActual")) carga.horaUTCActual = o.text3[7];
    }
    if (ColumnaNombrado(fila.texto("NombreConcurso"), &ConcursoNombrado::anulaNumeraloSiglas)) {
        carga.anulaNumeraloSiglas = fila.siNo("NumeraloSiglas");
        Cambia(o, O::NumeraloSiglas, false, indicativo);
    }
    o.foco = -1; // a load moves no focus
    return carga;
}

void GuardaDerivadosCarga(ConjuntoRegistros& fila, const CargaDeOpciones& carga) {
    if (!carga.hayCambios()) return;
    fila.edita();
    if (carga.horaUTCActual) fila.asigna("HoraUTCActual", *carga.horaUTCActual);
    if (carga.anulaNumeraloSiglas) fila.asigna("NumeraloSiglas", false);
    fila.actualiza();
}

bool CalculaNumeraloSiglas(const OpcionesConcurso& o, const QString& nombreConcurso) {
    const bool recibeAmbos = o[O::RecibirSiglas] && o[O::RecibirNumeral];
    const bool enviaUno = o[O::EnviarSiglas] != o[O::EnviarNumeral];
    return recibeAmbos && enviaUno && !ColumnaNombrado(nombreConcurso, &ConcursoNombrado::sinNumeraloSiglas);
}

void GuardaOpciones(ConjuntoRegistros& fila, OpcionesConcurso& o, const QString& nombreConcurso,
                    const QString& indicativo) {
    if (o[O::HoraUTC]) {
        o.utcVisible = true;
        PoneDesfase(o, indicativo);
        if (EsIndicativoEspanol(indicativo)) fila.asigna("HoraUTCActual", o.text3[7]);
    }
    Cambia(o, O::NumeraloSiglas, CalculaNumeraloSiglas(o, nombreConcurso), indicativo);
    for (int i = 0; i < NumeroOpciones; ++i)
        fila.asigna(CampoOpcion(Enesima(i)), o[Enesima(i)]);

    // Reports are always exchanged, except in the one contest that has none; points are never
    // kept with the contest.
    const bool conRst = !ColumnaNombrado(nombreConcurso, &ConcursoNombrado::sinRst);
    fila.asigna("EnviarRst", conRst);
    fila.asigna("RecibirRst", conRst);
    fila.asigna("EnviarPuntos", false);
    fila.asigna("RecibirPuntos", false);
    fila.asigna("NumeroPuntosEnviar", QString());
}
