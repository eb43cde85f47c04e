#include "AyudasLog.h"

#include "Esquema.h"

#include <QDate>

namespace {
void Asigna(ConjuntoRegistros& rs, const QStringList& campos) {
    for (const QString& c : campos) {
        const qsizetype igual = c.indexOf('=');
        rs.asigna(c.left(igual), c.mid(igual + 1));
    }
}
} // namespace

std::shared_ptr<BaseDatos> CreaBaseLog(const QString& nombreConcurso, const QStringList& flags,
                                       const QList<int>& bandas, const QString& indicativo) {
    CreaTodasLasTablas();
    auto bd = BaseDatos::Abre(NombreBaseEsquema);
    auto c = bd->abreConjunto("Concursos");
    c.anade();
    c.asigna("NumeroOrden", 1);
    c.asigna("NombreConcurso", nombreConcurso);
    for (const QString& f : flags)
        c.asigna(f, true);
    for (int b : bandas)
        c.asigna("Banda" + QString::number(b), true);
    c.actualiza();
    auto i = bd->abreConjunto("Indicativos");
    i.anade();
    Asigna(i, {"NumeroOrden=1", "Indicativo=" + indicativo, "Operador=José Núñez", "Direccion=Calle Mayor 1",
               "Poblacion=28001 Madrid", "Pais=España"});
    i.actualiza();
    return bd;
}

void AnadeResumenLog(BaseDatos& bd, const QStringList& campos) {
    auto r = bd.abreConjunto("ResumenCabrillo");
    r.anade();
    r.asigna("NumeroOrden", 1);
    Asigna(r, campos);
    r.actualiza();
}

void AnadeQsoLog(BaseDatos& bd, int numero, const QString& banda, const QString& modo,
                 const QString& indicativo, const QStringList& campos) {
    auto q = bd.abreConjunto("Contactos");
    q.anade();
    q.asigna("NumeroOrden", 1);
    q.asigna("NumeroQso", numero);
    q.asigna("Fecha", QDate(2026, 11, 28).startOfDay());
    q.asigna("Hora", QStringLiteral("00:%1").arg(numero, 2, 10, QLatin1Char('0')));
    q.asigna("Banda", banda);
    q.asigna("Modo", modo);
    q.asigna("Indicativo", indicativo);
    Asigna(q, campos);
    q.actualiza();
}
