#include "Renumeracion.h"

#include "BaseDatos.h"
#include "Interno.h"

#include <utility>
#include <vector>

using namespace bd_interno;

int RenumeraContactos(BaseDatos& bd, ConjuntoRegistros& concurso) {
    const int numeroOrden = concurso.entero("NumeroOrden");
    sqlite3* db = bd.conexion();
    try {
        BaseDatos::Transaccion t(bd);
        std::vector<std::pair<sqlite3_int64, int>> filas; // row id, old number, in the new order
        {
            Sentencia s = Prepara(db, "SELECT rowid, NumeroQso FROM Contactos WHERE NumeroOrden = ?1 "
                                      "ORDER BY Fecha, Hora, NumeralEnviado, NumeroQso");
            Reinicia r(s.get());
            sqlite3_bind_int(s.get(), 1, numeroOrden);
            int rc;
            while ((rc = sqlite3_step(s.get())) == SQLITE_ROW)
                filas.emplace_back(sqlite3_column_int64(s.get(), 0), sqlite3_column_int(s.get(), 1));
            if (rc != SQLITE_DONE) Falla(db);
        }
        Sentencia u = Prepara(db, "UPDATE Contactos SET NumeroQso = ?1 WHERE rowid = ?2");
        for (size_t i = 0; i < filas.size(); ++i) {
            const int nuevo = static_cast<int>(i) + 1;
            if (filas[i].second == nuevo) continue;
            Reinicia r(u.get());
            sqlite3_bind_int(u.get(), 1, nuevo);
            sqlite3_bind_int64(u.get(), 2, filas[i].first);
            PasoFinal(db, u.get());
        }
        const int total = static_cast<int>(filas.size());
        if (concurso.entero("UltimoNumEnviado") != total || concurso.esNulo("UltimoNumEnviado")) {
            concurso.edita();
            concurso.asigna("UltimoNumEnviado", total);
            concurso.actualiza();
        }
        t.confirma();
        return total;
    } catch (const ErrorBD&) {
        concurso.cancela();
        concurso.primero();
        throw;
    }
}
