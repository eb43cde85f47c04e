#include "DatosPrincipal.h"

#include "MensajesMotor.h"

const QStringList& MesesLista() {
    static const QStringList meses{"Sin Mes", "ENERO",     "FEBRERO",  "MARZO",  "ABRIL",
                                   "MAYO",    "JUNIO",     "JULIO",    "AGOSTO", "SEPTIEMBRE",
                                   "OCTUBRE", "NOVIEMBRE", "DICIEMBRE"};
    return meses;
}

std::optional<int> OpcionTamaño(int tantoPorCien) {
    for (size_t i = 0; i < ValoresTamaño.size(); ++i)
        if (ValoresTamaño[i] == tantoPorCien) return static_cast<int>(i);
    return std::nullopt;
}

void AbreBaseDatos(EstadoPrincipal& estado) {
    estado.programa.BaseConcursos = BaseDatos::Abre(estado.programa.NombreBaseDatos);
    BaseDatos& bd = *estado.programa.BaseConcursos;
    ExigeTablas(bd);
    estado.programa.DefConcursos = bd.definicionTabla("Concursos");
    estado.programa.DefIndicativos = bd.definicionTabla("Indicativos");
    estado.programa.DefContactos = bd.definicionTabla("Contactos");
    estado.programa.DefResumenCabrillo = bd.definicionTabla("ResumenCabrillo");
    estado.RegConcursos.emplace(bd.abreConjunto("Concursos"));
}

void AbreControl(EstadoPrincipal& estado) {
    estado.RegControl.emplace(estado.programa.BaseConcursos->abreConjunto("Control"));
    estado.programa.PorcentajePantalla = estado.RegControl->entero("TantoPorCien");
}

QString MesDelConcurso(const QString& nombreBaseDatos, int numeroOrden) {
    auto bd = BaseDatos::Abre(nombreBaseDatos);
    ConjuntoRegistros r =
        bd->abreConjunto("Select * From Concursos Where NumeroOrden = " + QString::number(numeroOrden));
    if (r.eof()) return {};
    return r.texto("Mes");
}

ConjuntoRegistros ConcursosDelMes(BaseDatos& bd, const QString& mes) {
    if (mes.isEmpty()) {
        // A month typed as no month name would otherwise leave its contest in no list at all.
        QStringList meses;
        for (const QString& m : MesesLista().mid(1))
            meses << Comillas(m);
        return bd.abreConjunto("Select * From Concursos Where Mes Is Null Or Mes Not In (" + meses.join(",") +
                               ") order by NombreConcurso,Edicion");
    }
    return bd.abreConjunto("Select * From Concursos Where Mes = " + Comillas(mes) +
                           " order by NombreConcurso,Edicion");
}

ConjuntoRegistros ConcursoPorNumero(BaseDatos& bd, int numeroOrden) {
    return bd.abreConjunto("Select * From Concursos Where NumeroOrden = " + QString::number(numeroOrden));
}

ConjuntoRegistros IndicativoPorNumero(BaseDatos& bd, int numeroOrden) {
    return bd.abreConjunto("Select * From Indicativos Where NumeroOrden = " + QString::number(numeroOrden));
}

void AsignaControl(ConjuntoRegistros& regControl, const QString& campo, const QVariant& valor) {
    regControl.edita();
    regControl.asigna(campo, valor);
    regControl.actualiza();
}

void GuardaTamañoPantalla(const QString& nombreBaseDatos, int tantoPorCien) {
    auto bd = BaseDatos::Abre(nombreBaseDatos);
    ConjuntoRegistros r = bd->abreConjunto("Select TantoPorCien From Control");
    r.edita();
    r.asigna("TantoPorCien", tantoPorCien);
    r.actualiza();
}

std::optional<int> LongitudMaxima(const DefCampo& campo, int extra) {
    switch (campo.tipo) {
    case TipoCampo::Entero16:
        // Sign and five digits: a serial past 9999 shown cut to four would be stored cut.
        return 6 + extra;
    case TipoCampo::Entero32:
        return 11 + extra;
    case TipoCampo::FechaHora:
        return 10 + extra;
    case TipoCampo::Texto:
        return campo.tamano + extra;
    case TipoCampo::SiNo:
        break;
    }
    return std::nullopt;
}
