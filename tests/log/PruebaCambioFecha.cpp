// The date change's checks: what FechaActual shows, the box to show and the date new lines take.
#include "CambioFecha.h"
#include "Falsos.h"

#include <gtest/gtest.h>

namespace {

TEST(CambiaFecha, RechazaSinFechaLaMalFormadaYLaDeHoy) {
    const QDate hoy(2026, 3, 15);
    struct Caso {
        QString escrita;
        QString texto; // FechaActual afterwards
        QString aviso; // empty: accepted
        QString titulo;
        Icono icono;
        QDate fecha;
    };
    const QString sinFecha = "Introduzca una FECHA";
    const QString malFormada = "Error en FORMATO fecha, formato correcto: dd-mm-aa ";
    const QString tituloFecha = "VERIFICAR FORMATO FECHA ";
    const QString deHoy = "La nueva fecha de ser diferente de la actual FECHA";
    const Caso casos[] = {
        {"", "", sinFecha, "", Icono::Ninguno, {}},
        {"   ", "   ", sinFecha, "", Icono::Ninguno, {}},
        {"32-03-2026", "32-03-2026", malFormada, tituloFecha, Icono::Pregunta, {}},
        {"14-3-2026", "14-3-2026", malFormada, tituloFecha, Icono::Pregunta, {}},
        {"15-03-2026", "15-03-2026", deHoy, "", Icono::Ninguno, {}},
        {"150326", "15-03-2026", deHoy, "", Icono::Ninguno, {}},
        {"14/03/26", "14-03-2026", "", "", Icono::Ninguno, QDate(2026, 3, 14)},
        {"01-01-2027", "01-01-2027", "", "", Icono::Ninguno, QDate(2027, 1, 1)},
    };
    AvisosFalsos avisos;
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.escrita.toStdString());
        const ResultadoCambioFecha r = CambiaFecha(c.escrita, hoy);
        EXPECT_EQ(r.texto, c.texto);
        EXPECT_EQ(r.aceptada, c.aviso.isEmpty());
        EXPECT_EQ(r.fecha, c.fecha);
        ASSERT_EQ(r.aviso.has_value(), !c.aviso.isEmpty());
        if (r.aviso) {
            EXPECT_EQ(r.aviso->texto, c.aviso);
            EXPECT_EQ(r.aviso->titulo, c.titulo);
            EXPECT_EQ(r.aviso->icono, c.icono);
            EXPECT_EQ(r.aviso->botones, Botones::Aceptar);
        }
    }
    EXPECT_TRUE(avisos.cajas.empty()); // the window shows the box, not the check
}

} // namespace
