// The named-contest table: which row a contest name finds, and the columns the catalogue reads.
#include "ConcursosNombrados.h"
#include "TextoQt.h"

#include <gtest/gtest.h>
#include <QStringList>

TEST(TablaNombrados, FilaYColumnasPorNombre) {
    using E = ConcursoNombrado::SiglasEnvio;
    using I = ConcursoNombrado::Intercambio;
    using K = ConcursoNombrado::Correccion;
    const struct {
        QString nombre;
        const char* fila; // nullptr: none
        E siglas;
        int conjunto;
        I intercambio;
        bool sinNumeraloSiglas, anula, sinRst;
        K correccion;
    } filas[] = {
        {"CNCW", "CNCW", E::Provincia, 4, I::D, false, false, false, K::CategoriasCncw},
        {"cncw", nullptr, E::Libres, 0, I::Ninguno, false, false, false, K::Ninguna},
        {"VGE SPRINT", "VGE SPRINT", E::ReferenciaVG, 1, I::SegunVertice, false, false, false, K::Ninguna},
        {"MANISES-80-CW", "MANISES-80-CW", E::Provincia, 0, I::Ninguno, false, false, false, K::Ninguna},
        {"MANISES-80M-CW", "MANISES-80M-CW", E::Libres, 0, I::Ninguno, false, false, false, K::Ninguna},
        {"NARANJA-CW", "NARANJA-CW", E::ProvinciaOC3, 0, I::Ninguno, false, false, false, K::Naranja},
        {"S.M. EL REY SSB", "S.M. EL REY SSB", E::Provincia, 10, I::SegunEstacion, false, false, false,
         K::CategoriasRey},
        {"UBA-SPRING-CW", "UBA-SPRING", E::Libres, 0, I::Ninguno, true, false, false, K::Ninguna},
        {"XUBA-SPRING", nullptr, E::Libres, 0, I::Ninguno, false, false, false, K::Ninguna},
        {"WLOTA (NO EXPEDICION) 2", nullptr, E::Libres, 0, I::Ninguno, false, false, false, K::Ninguna},
        {"RSGB-IOTA 2026", "RSGB-IOTA", E::Libres, 0, I::Ninguno, false, true, false, K::Ninguna},
        {"BARTG-RTTY-SPRINT", "BARTG-RTTY-SPRINT", E::Libres, 0, I::Ninguno, false, false, true, K::Ninguna},
        {"ARRL-160", "ARRL-160", E::Libres, 0, I::G, false, false, false, K::Ninguna},
    };
    for (const auto& f : filas) {
        SCOPED_TRACE(f.nombre.toStdString());
        const ConcursoNombrado* c = BuscaConcursoNombrado(f.nombre);
        EXPECT_EQ(c ? QString::fromUtf8(c->nombre) : QString(),
                  f.fila ? QString::fromUtf8(f.fila) : QString());
        EXPECT_EQ(ColumnaNombrado(f.nombre, &ConcursoNombrado::siglasEnviadas), f.siglas);
        EXPECT_EQ(ColumnaNombrado(f.nombre, &ConcursoNombrado::conjuntoCategorias), f.conjunto);
        EXPECT_EQ(ColumnaNombrado(f.nombre, &ConcursoNombrado::intercambio), f.intercambio);
        EXPECT_EQ(ColumnaNombrado(f.nombre, &ConcursoNombrado::sinNumeraloSiglas), f.sinNumeraloSiglas);
        EXPECT_EQ(ColumnaNombrado(f.nombre, &ConcursoNombrado::anulaNumeraloSiglas), f.anula);
        EXPECT_EQ(ColumnaNombrado(f.nombre, &ConcursoNombrado::sinRst), f.sinRst);
        EXPECT_EQ(ColumnaNombrado(f.nombre, &ConcursoNombrado::correccion), f.correccion);
    }
}

TEST(TablaNombrados, CadaNombreUnaSolaFila) {
    QStringList vistos;
    for (const ConcursoNombrado& c : ConcursosNombrados()) {
        const QString n = QString::fromUtf8(c.nombre);
        EXPECT_FALSE(vistos.contains(n)) << c.nombre;
        vistos << n;
        if (!c.prefijo) {
            EXPECT_EQ(BuscaConcursoNombrado(n), &c) << c.nombre;
        }
    }
}
