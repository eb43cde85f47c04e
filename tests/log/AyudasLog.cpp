#include "AyudasLog.h"

#include "Esquema.h"

#include <QDate>
#include <QFile>

std::shared_ptr<BaseDatos> CreaBaseConConcurso(const QString& nombre, const Campos& campos) {
    CreaTodasLasTablas();
    QFile::rename(NombreBaseEsquema, NombreBaseDatos);
    AñadeCampoMes();
    auto bd = BaseDatos::Abre(NombreBaseDatos);
    {
        ConjuntoRegistros r = bd->abreConjunto("Indicativos");
        r.anade();
        r.asigna("NumeroOrden", 1);
        r.asigna("Indicativo", "EA1AAA");
        r.actualiza();
    }
    Campos todos{{"NumeroOrden", 5},       {"NombreConcurso", nombre}, {"Edicion", "2026"},
                 {"UltimoNumEnviado", 0},  {"Banda4", true},           {"Modo1", true},
                 {"Modo4", true},          {"IndiceBanda", 4},         {"IndiceModo", 1},
                 {"EnviarRst", true},      {"RecibirRst", true},       {"EnviarNumeral", true},
                 {"RecibirNumeral", true}, {"HoraLocal", true},        {"RepetirEstacion", true},
                 {"Mes", "MARZO"}};
    for (const auto& c : campos) {
        bool hallado = false;
        for (auto& t : todos)
            if (t.first == c.first) t.second = c.second, hallado = true;
        if (!hallado) todos.push_back(c);
    }
    ConjuntoRegistros r = bd->abreConjunto("Concursos");
    r.anade();
    for (const auto& [campo, valor] : todos)
        r.asigna(campo, valor);
    r.actualiza();
    ConjuntoRegistros c = bd->abreConjunto("Control");
    c.edita();
    c.asigna("ConcursoActivo", 5);
    c.asigna("IndicativoActivo", 1);
    c.actualiza();
    return bd;
}

void AnadeQsos(BaseDatos& bd, int n, int desde) {
    BaseDatos::Transaccion t(bd);
    ConjuntoRegistros r = bd.abreConjunto("Select * From Contactos Where NumeroOrden = 5 and NumeroQso = -1");
    const QDateTime inicio(QDate(2026, 3, 1), QTime(10, 0));
    for (int i = desde; i < desde + n; ++i) {
        Qso q;
        q.numeroOrden = 5;
        q.numeroQso = i;
        const QDateTime m = inicio.addSecs(60LL * i);
        q.fecha = m.date();
        q.hora = m.toString("HH:mm");
        q.banda = "14";
        q.modo = "CW";
        q.indicativo = QStringLiteral("EA%1XX").arg(i);
        q.rstEnviado = q.rstRecibido = "599";
        q.numeralEnviado = QStringLiteral("%1").arg(i, 4, 10, QLatin1Char('0'));
        q.numeralRecibido = QString::number(i + 100);
        r.anade();
        EscribeQso(r, q);
        r.actualiza();
    }
    bd.ejecuta(QStringLiteral("UPDATE Concursos SET UltimoNumEnviado = %1 WHERE NumeroOrden = 5")
                   .arg(desde + n - 1));
    t.confirma();
}

std::vector<Qso> QsosGuardados(BaseDatos& bd) {
    std::vector<Qso> v;
    ConjuntoRegistros r = bd.abreConjunto("Select * From Contactos Where NumeroOrden = 5 Order by NumeroQso");
    for (; !r.eof(); r.siguiente())
        v.push_back(LeeQso(r));
    return v;
}

int UltimoNumEnviado(BaseDatos& bd) {
    return bd.abreConjunto("Select * From Concursos Where NumeroOrden = 5").entero("UltimoNumEnviado");
}

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
