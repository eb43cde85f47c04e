#include "DatosIndicativos.h"

#include <QStringList>

namespace {
const std::array<const char*, 6> CamposIndicativo{"NumeroOrden", "Indicativo", "Operador",
                                                  "Direccion",   "Poblacion",  "Pais"};

QString DondeNumero(int numeroOrden) {
    return " Where NumeroOrden = " + QString::number(numeroOrden);
}
} // namespace

bool ExisteIndicativo(const QString& nombreBaseDatos, const QString& indicativo, int excluido) {
    auto bd = BaseDatos::Abre(nombreBaseDatos);
    QString sql = "Select Indicativo from Indicativos Where Indicativo = " + Comillas(indicativo);
    if (excluido != 0) sql += " And NumeroOrden <> " + QString::number(excluido);
    return !bd->abreConjunto(sql).eof();
}

int SiguienteNumeroIndicativo(BaseDatos& bd, const ConjuntoRegistros& regControl) {
    int ultimo = regControl.entero("UltimoIndicativo");
    ConjuntoRegistros numeros = bd.abreConjunto("Select NumeroOrden From Indicativos order by NumeroOrden");
    if (!numeros.eof()) {
        numeros.ultimo();
        ultimo = std::max(ultimo, numeros.entero("NumeroOrden"));
    }
    return ultimo + 1;
}

void InsertaIndicativo(BaseDatos& bd, ConjuntoRegistros& regControl, const ValoresIndicativo& valores) {
    const int numero = valores[0].toInt();
    QStringList campos, datos;
    for (size_t i = 0; i < CamposIndicativo.size(); ++i) {
        campos << CamposIndicativo[i];
        datos << (i == 0 ? QString::number(numero) : Comillas(valores[i]));
    }
    BaseDatos::Transaccion t(bd);
    bd.ejecuta("Insert Into Indicativos (" + campos.join(',') + ") Values (" + datos.join(',') + ")");
    regControl.edita();
    regControl.asigna("UltimoIndicativo", numero);
    regControl.asigna("IndicativoActivo", numero);
    regControl.actualiza();
    t.confirma();
}

void ReescribeIndicativo(BaseDatos& bd, const ValoresIndicativo& valores) {
    QStringList asignaciones;
    for (size_t i = 1; i < CamposIndicativo.size(); ++i)
        asignaciones << QString::fromUtf8(CamposIndicativo[i]) + " = " + Comillas(valores[i]);
    bd.ejecuta("Update Indicativos Set " + asignaciones.join(", ") + DondeNumero(valores[0].toInt()));
}

void EliminaIndicativo(BaseDatos& bd, ConjuntoRegistros& regControl, int numeroOrden) {
    BaseDatos::Transaccion t(bd);
    bd.ejecuta("Delete From Indicativos" + DondeNumero(numeroOrden));
    if (bd.abreConjunto("Indicativos").eof()) {
        regControl.edita();
        regControl.asigna("IndicativoActivo", 0);
        regControl.actualiza();
    }
    t.confirma();
}
