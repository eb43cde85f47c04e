#include "SeleccionPrincipal.h"

#include "ActualizacionCatalogo.h"
#include "DatosConcursos.h"
#include "DatosPrincipal.h"
#include "Filas.h"

namespace {
constexpr int CajaMes = 9;

bool Hay(const std::optional<ConjuntoRegistros>& r) {
    return r && !r->eof();
}

QString Banda(size_t i) {
    return QStringLiteral("Banda%1").arg(i);
}

QString Modo(size_t i) {
    return QStringLiteral("Modo%1").arg(i);
}

// Boxes 1 to 8 by position (the key NumeroOrden is the caller's), the month, bands and modes.
void EscribeFicha(ConjuntoRegistros& fila, const FichaConcurso& f) {
    for (int i = 1; i < CajaMes; ++i)
        fila.asigna(i, f.text3[static_cast<size_t>(i)]);
    fila.asigna("Mes", f.text3[CajaMes]);
    for (size_t i = 0; i < f.bandas.size(); ++i)
        fila.asigna(Banda(i), f.bandas[i]);
    for (size_t i = 0; i < f.modos.size(); ++i)
        fila.asigna(Modo(i), f.modos[i]);
}

std::vector<EntradaLista> Lista(ConjuntoRegistros& r, const std::function<QString()>& texto) {
    std::vector<EntradaLista> lista;
    for (r.primero(); !r.eof(); r.siguiente())
        lista.push_back({texto(), r.entero("NumeroOrden")});
    return lista;
}
} // namespace

bool HayConcursoActual(const EstadoPrincipal& e) {
    return Hay(e.RegConcursos);
}

int NumeroConcursoActual(const EstadoPrincipal& e) {
    return Hay(e.RegConcursos) ? e.RegConcursos->entero("NumeroOrden") : 0;
}

QString NombreConcursoActual(const EstadoPrincipal& e) {
    return Hay(e.RegConcursos) ? e.RegConcursos->texto("NombreConcurso") : QString();
}

QString EdicionConcursoActual(const EstadoPrincipal& e) {
    return Hay(e.RegConcursos) ? e.RegConcursos->texto("Edicion") : QString();
}

bool HoraUTCConcursoActual(const EstadoPrincipal& e) {
    return Hay(e.RegConcursos) && e.RegConcursos->siNo("HoraUTC");
}

FichaConcurso LeeFichaConcurso(const EstadoPrincipal& e) {
    FichaConcurso f;
    if (!Hay(e.RegConcursos)) return f;
    const ConjuntoRegistros& fila = *e.RegConcursos;
    for (int i = 0; i < CajaMes; ++i)
        f.text3[static_cast<size_t>(i)] = fila.valor(i).toString();
    f.text3[8] = fila.texto("HorasRepeticion");
    f.text3[CajaMes] = fila.texto("Mes");
    for (size_t i = 0; i < f.bandas.size(); ++i)
        f.bandas[i] = fila.siNo(Banda(i));
    for (size_t i = 0; i < f.modos.size(); ++i)
        f.modos[i] = fila.siNo(Modo(i));
    return f;
}

bool HayIndicativoActual(const EstadoPrincipal& e) {
    return Hay(e.RegIndicativos);
}

QString IndicativoActual(const EstadoPrincipal& e) {
    return Hay(e.RegIndicativos) ? e.RegIndicativos->texto("Indicativo") : QString();
}

int NumeroIndicativoActual(const EstadoPrincipal& e) {
    return Hay(e.RegIndicativos) ? e.RegIndicativos->entero("NumeroOrden") : 0;
}

ValoresIndicativo LeeValoresIndicativo(const EstadoPrincipal& e) {
    ValoresIndicativo v;
    if (!Hay(e.RegIndicativos)) return v;
    for (size_t i = 0; i < v.size(); ++i)
        v[i] = e.RegIndicativos->valor(static_cast<int>(i)).toString();
    return v;
}

void RefrescaConcursoActual(EstadoPrincipal& e) {
    if (e.RegConcursos) e.RegConcursos->relee();
}

void OlvidaIndicativo(EstadoPrincipal& e) {
    e.RegIndicativos.reset();
}

int SiguienteNumeroIndicativo(EstadoPrincipal& e) {
    return SiguienteNumeroIndicativo(*e.programa.BaseConcursos, *e.RegControl);
}

void InsertaIndicativo(EstadoPrincipal& e, const ValoresIndicativo& valores) {
    InsertaIndicativo(*e.programa.BaseConcursos, *e.RegControl, valores);
}

void EliminaIndicativo(EstadoPrincipal& e, int numeroOrden) {
    EliminaIndicativo(*e.programa.BaseConcursos, *e.RegControl, numeroOrden);
}

std::optional<NombresUser> LeeNombresUser(const EstadoPrincipal& e) {
    if (!e.RegControl) return std::nullopt;
    return LeeNombresUser(*e.RegControl);
}

void GuardaNombresUser(EstadoPrincipal& e, const NombresUser& nombres) {
    GuardaNombresUser(*e.RegControl, nombres);
}

void ActualizaCatalogo(EstadoPrincipal& e) {
    ActualizaCatalogo(*e.programa.BaseConcursos, *e.RegControl);
}

int ConcursoActivo(const EstadoPrincipal& e) {
    return e.RegControl->entero("ConcursoActivo");
}

int IndicativoActivo(const EstadoPrincipal& e) {
    return e.RegControl->entero("IndicativoActivo");
}

void FijaConcursoActivo(EstadoPrincipal& e, int numero) {
    AsignaControl(*e.RegControl, "ConcursoActivo", numero);
}

void FijaIndicativoActivo(EstadoPrincipal& e, int numero) {
    AsignaControl(*e.RegControl, "IndicativoActivo", numero);
}

std::vector<EntradaLista> AbreIndicativos(EstadoPrincipal& e) {
    e.RegIndicativos.emplace(e.programa.BaseConcursos->abreConjunto("Indicativos"));
    ConjuntoRegistros& r = *e.RegIndicativos;
    if (r.eof()) return {};
    return Lista(r, [&] { return r.texto("Indicativo"); });
}

bool AbreConcursos(EstadoPrincipal& e) {
    e.RegConcursos.emplace(e.programa.BaseConcursos->abreConjunto("Concursos"));
    return !e.RegConcursos->eof();
}

std::vector<EntradaLista> AbreConcursosDelMes(EstadoPrincipal& e, const QString& mes) {
    e.RegConcursos.emplace(ConcursosDelMes(*e.programa.BaseConcursos, mes));
    ConjuntoRegistros& r = *e.RegConcursos;
    if (r.eof()) return {};
    return Lista(r, [&] { return r.texto("NombreConcurso") + " - " + r.texto("Edicion"); });
}

bool AbreConcursoPorNumero(EstadoPrincipal& e, int numero) {
    e.RegConcursos.emplace(ConcursoPorNumero(*e.programa.BaseConcursos, numero));
    return !e.RegConcursos->eof();
}

bool AbreIndicativoPorNumero(EstadoPrincipal& e, int numero) {
    e.RegIndicativos.emplace(IndicativoPorNumero(*e.programa.BaseConcursos, numero));
    return !e.RegIndicativos->eof();
}

QString MesDelConcursoActivo(const EstadoPrincipal& e) {
    return MesDelConcurso(e.programa.NombreBaseDatos, ConcursoActivo(e));
}

CargaDeOpciones CargaOpcionesActual(const EstadoPrincipal& e, const QString& indicativo) {
    return CargaOpciones(*e.RegConcursos, indicativo);
}

void GuardaDerivadosCarga(EstadoPrincipal& e, const CargaDeOpciones& carga) {
    GuardaDerivadosCarga(*e.RegConcursos, carga);
}

void GuardaResumen(BaseDatos& bd, int numeroOrden, const QString& nombre, const QString& edicion,
                   const ResumenAGuardar& resumen) {
    BaseDatos::Transaccion transaccion(bd);
    EscribeResumenCabrillo(bd, numeroOrden, nombre, edicion, resumen.valores);
    EscribeFormatoEspecial(bd, numeroOrden, resumen.especiales);
    transaccion.confirma();
}

void InsertaConcurso(EstadoPrincipal& e, int numero, const FichaConcurso& ficha, OpcionesConcurso& o,
                     const QString& indicativo, const ResumenAGuardar& resumen) {
    BaseDatos& bd = *e.programa.BaseConcursos;
    BaseDatos::Transaccion transaccion(bd);
    ConjuntoRegistros fila = NuevaFilaConcurso(bd);
    fila.anade();
    fila.asigna("NumeroOrden", numero);
    EscribeFicha(fila, ficha);
    GuardaOpciones(fila, o, ficha.text3[1], indicativo);
    fila.actualiza();
    ConjuntoRegistros& control = *e.RegControl;
    control.edita();
    control.asigna("UltimoConcurso", numero);
    control.asigna("ConcursoActivo", numero);
    control.actualiza();
    GuardaResumen(bd, numero, ficha.text3[1], ficha.text3[2], resumen);
    transaccion.confirma();
}

void ReescribeConcursoActual(EstadoPrincipal& e, const FichaConcurso& ficha, OpcionesConcurso& o,
                             const QString& indicativo, const ResumenAGuardar& resumen) {
    BaseDatos& bd = *e.programa.BaseConcursos;
    BaseDatos::Transaccion transaccion(bd);
    ConjuntoRegistros& fila = *e.RegConcursos;
    // The summary goes with the row, with the name and edition stored with it.
    GuardaResumen(bd, ficha.text3[0].toInt(), ficha.text3[1], ficha.text3[2], resumen);
    fila.edita();
    EscribeFicha(fila, ficha);
    GuardaOpciones(fila, o, ficha.text3[1], indicativo);
    fila.actualiza();
    transaccion.confirma();
}

void EliminaConcursoActual(EstadoPrincipal& e) {
    BaseDatos& bd = *e.programa.BaseConcursos;
    const int numero = e.RegConcursos->entero("NumeroOrden");
    BaseDatos::Transaccion transaccion(bd);
    BorraFilasDelConcurso(bd, numero);
    e.RegConcursos->borra();
    FijaConcursoActivo(e, 0);
    transaccion.confirma();
}

DatosApertura DatosAperturaActual(const EstadoPrincipal& e) {
    DatosApertura d;
    d.hayIndicativo = HayIndicativoActual(e);
    if (HayConcursoActual(e)) {
        const FilaConcurso c = LeeFilaConcurso(*e.RegConcursos);
        d.EnviarLocator = c.enviarLocator;
        d.EnviarSiglas = c.enviarSiglas;
        d.LiteralFijo = c.literalFijo;
        d.EnviarZonaCq = c.enviarZonaCq;
    }
    return d;
}
