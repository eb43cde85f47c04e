#include "DatosConcursos.h"

#include "DatosPrincipal.h"

#include <limits>

namespace {
constexpr int CajaMes = 9;
}

const DefCampo* CampoDeCaja(const DefTabla& defConcursos, int caja) {
    if (caja != CajaMes) return caja < defConcursos.cuenta() ? &defConcursos.campo(caja) : nullptr;
    for (const DefCampo& c : defConcursos.campos)
        if (c.nombre.compare(QStringLiteral("Mes"), Qt::CaseInsensitive) == 0) return &c;
    return nullptr;
}

bool CabeEnCampo(const DefCampo& campo, const QString& texto) {
    switch (campo.tipo) {
    case TipoCampo::Entero16:
    case TipoCampo::Entero32: {
        bool ok = false;
        const qlonglong n = texto.trimmed().toLongLong(&ok);
        if (!ok) return false;
        if (campo.tipo == TipoCampo::Entero16)
            return n >= std::numeric_limits<qint16>::min() && n <= std::numeric_limits<qint16>::max();
        return n >= std::numeric_limits<qint32>::min() && n <= std::numeric_limits<qint32>::max();
    }
    case TipoCampo::Texto:
        return campo.tamano <= 0 || texto.size() <= campo.tamano;
    case TipoCampo::SiNo:
    case TipoCampo::FechaHora:
        break;
    }
    return true;
}

int CajaQueNoCabe(const DefTabla& defConcursos, const QStringList& valores) {
    for (int i = 0; i < valores.size(); ++i) {
        const DefCampo* campo = CampoDeCaja(defConcursos, i);
        if (campo && !CabeEnCampo(*campo, valores[i])) return i;
    }
    return -1;
}

int SiguienteNumeroConcurso(BaseDatos& bd) {
    ConjuntoRegistros r = bd.abreConjunto("Select UltimoConcurso From Control");
    return r.eof() ? 1 : r.entero("UltimoConcurso") + 1;
}

ConjuntoRegistros NuevaFilaConcurso(BaseDatos& bd) {
    return bd.abreConjunto("Select * From Concursos Where 0 = 1");
}

void BorraFilasDelConcurso(BaseDatos& bd, int numeroOrden) {
    const QString numero = QString::number(numeroOrden);
    for (const char* tabla : {"Contactos", "ResumenCabrillo", "FormatoEspecial"})
        bd.ejecuta(QStringLiteral("Delete From %1 Where NumeroOrden = %2").arg(QLatin1String(tabla), numero));
}

int PosicionMes(const QString& mes) {
    const QStringList& meses = MesesLista();
    for (int i = 1; i < meses.size(); ++i)
        if (meses[i].compare(mes.trimmed(), Qt::CaseInsensitive) == 0) return i;
    return 0;
}
