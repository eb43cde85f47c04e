#include "Renumeracion.h"

#include "BaseDatos.h"
#include "Filas.h"
#include "Interno.h"

#include <utility>
#include <vector>

using namespace bd_interno;

int RenumeraContactos(BaseDatos& bd, int numeroOrden) {
    sqlite3* db = bd.conexion();
    {
        BaseDatos::Transaccion t(bd);
        std::vector<std::pair<sqlite3_int64, int>> filas; // row id, old number, in the new order
        {
            // Serials by length first: as text alone "10000" would come before "9999".
            Sentencia s = Prepara(db, "SELECT rowid, NumeroQso FROM Contactos WHERE NumeroOrden = ?1 "
                                      "ORDER BY Fecha, Hora, length(NumeralEnviado), NumeralEnviado, "
                                      "NumeroQso");
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
        // The counter keeps the serial sent last (or the operator's): it only grows to the count.
        Sentencia c =
            Prepara(db, "UPDATE Concursos SET UltimoNumEnviado = max(coalesce(UltimoNumEnviado, 0), "
                        "?1) WHERE NumeroOrden = ?2");
        sqlite3_bind_int(c.get(), 1, total);
        sqlite3_bind_int(c.get(), 2, numeroOrden);
        PasoFinal(db, c.get());
        t.confirma();
        return total;
    }
}
