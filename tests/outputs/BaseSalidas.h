#pragma once
// A working database in the current folder with one contest and its QSOs, for the exports.
#include "Adif.h"
#include "BaseDatos.h"
#include "Esquema.h"
#include "Qso.h"

#include <QFile>

#include <memory>
#include <vector>

inline std::shared_ptr<BaseDatos> BaseConQsos(const std::vector<Qso>& qsos) {
    CreaTodasLasTablas();
    QFile::rename(NombreBaseEsquema, NombreBaseDatos);
    auto bd = BaseDatos::Abre(NombreBaseDatos);
    ConjuntoRegistros rs = bd->abreConjunto("Contactos");
    for (const Qso& q : qsos) {
        rs.anade();
        EscribeQso(rs, q);
        rs.actualiza();
    }
    return bd;
}

inline Qso UnQso(int numero, const QString& indicativo, const QString& hora = "09:30") {
    Qso q;
    q.numeroOrden = 3;
    q.numeroQso = numero;
    q.fecha = QDate(2024, 3, 17);
    q.hora = hora;
    q.banda = "144";
    q.modo = "USB";
    q.indicativo = indicativo;
    q.rstEnviado = "59";
    q.rstRecibido = "59";
    return q;
}

inline DatosExportacion UnaEstacion(const QString& indicativo = "N0CALL") {
    DatosExportacion d;
    d.concurso.numeroOrden = 3;
    d.concurso.enviarRst = d.concurso.recibirRst = d.concurso.enviarNumeral = d.concurso.recibirNumeral =
        true;
    d.concurso.enviarSiglas = d.concurso.recibirSiglas = d.concurso.enviarLocator =
        d.concurso.recibirLocator = true;
    d.estacion.indicativo = indicativo;
    d.estacion.operador = "Ana";
    d.estacion.direccion = "Calle 1";
    d.estacion.poblacion = "León";
    d.estacion.pais = "España";
    d.version = "1.0.0.0";
    return d;
}
