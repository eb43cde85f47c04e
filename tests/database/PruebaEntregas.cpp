// xk_crea_entregas: text sources into the delivered databases, and those through the startup merge.
#include "ActualizacionCatalogo.h"
#include "BaseCatalogo.h"
#include "DatosEntregados.h"
#include "Esquema.h"
#include "Falsos.h"

#include <gtest/gtest.h>
#include <QFile>
#include <QProcess>

namespace {

struct Resultado {
    int codigo = -1;
    QString error;
};

Resultado Herramienta(const QString& tipo, const QString& fuente, const QString& destino) {
    QProcess p;
    p.start(XK_CREA_ENTREGAS, {tipo, fuente, destino});
    if (!p.waitForFinished() || p.exitStatus() != QProcess::NormalExit) return {};
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardError())};
}

void Escribe(const QString& archivo, const QString& texto) {
    QFile f(archivo);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(texto.toUtf8());
}

const char* const Nuevos = R"(# two contests
[Concursos]
NumeroOrden = 5
NombreConcurso = L'ESCALA
Edicion = 2026
Mes = JUNIO
Modo1 = Si
HoraUTC = Sí
UltimoNumEnviado = 0

[ResumenCabrillo]
NombreConcurso = L'ESCALA
FormatoCabrillo = CABRILLO 3.0
MiRst = 24

[FormatoEspecial]
NumeroOrden = 5
CategoriaConcurso = MONOOPERADOR
CategoriaCabrillo = SINGLE-OP ALL

[Concursos]
NumeroOrden = 6
NombreConcurso = SIN RESUMEN
)";

const char* const Meses = R"([Concursos]
Concurso = sin resumen
Mes = OCTUBRE
)";

TEST(Entregas, LoEscritoPasaPorLaFusionTalCual) {
    RelojFalso reloj;
    Escribe("nuevos.txt", Nuevos);
    Escribe("meses.txt", Meses);
    ASSERT_EQ(Herramienta("nuevos", "nuevos.txt", NombreNuevosConcursos).codigo, 0);
    ASSERT_EQ(Herramienta("meses", "meses.txt", "XkConfLumoConcursos.mdb").codigo, 0);

    BaseCatalogo b;
    b.ultimoConcurso(11);
    AñadeNuevosConcursos(*b.bd, *b.control);
    AsignaMesesConcursos(NombreBaseDatos);

    ConjuntoRegistros c = b.bd->abreConjunto("Select * From Concursos Where NumeroOrden = 12");
    EXPECT_EQ(c.texto("NombreConcurso"), "L'ESCALA");
    EXPECT_EQ(c.texto("Mes"), "JUNIO");
    EXPECT_TRUE(c.siNo("Modo1"));
    EXPECT_TRUE(c.siNo("HoraUTC"));
    EXPECT_FALSE(c.siNo("HoraLocal")); // fields not named are stored as No, 0 or empty
    EXPECT_EQ(c.valor("Siglas"), "");
    ConjuntoRegistros r = b.bd->abreConjunto("Select * From ResumenCabrillo Where NumeroOrden = 12");
    EXPECT_EQ(r.texto("FormatoCabrillo"), "CABRILLO 3.0");
    EXPECT_EQ(r.entero("MiRst"), 24);
    EXPECT_EQ(b.volcado("Select NumeroOrden, CategoriaCabrillo From FormatoEspecial"),
              QStringList({"NumeroOrden=12|CategoriaCabrillo=SINGLE-OP ALL"}));
    EXPECT_EQ(b.valor("Select * From Concursos Where NumeroOrden = 13", "Mes"), "OCTUBRE");
    EXPECT_EQ(b.control->entero("UltimoConcurso"), 13);
}

TEST(Entregas, LosEjemplosDelRepositorioSeConstruyenYSeFusionan) {
    RelojFalso reloj;
    ASSERT_EQ(Herramienta("nuevos", XK_ENTREGAS "/XkLumoNuevosCon.txt", NombreNuevosConcursos).codigo, 0);
    ASSERT_EQ(Herramienta("meses", XK_ENTREGAS "/XkConfLumoConcursos.txt", "XkConfLumoConcursos.mdb").codigo,
              0);
    BaseCatalogo b;
    b.concurso(1, "COMBINADO DE MARZO", "2026");
    b.ultimoConcurso(1);
    ActualizaCatalogo(*b.bd, *b.control);
    AsignaMesesConcursos(NombreBaseDatos);
    EXPECT_EQ(b.cuenta("Concursos"), 4);
    EXPECT_EQ(b.valor("Select * From Concursos Where NumeroOrden = 1", "Mes"), "MARZO");
    // The delivered definitions already are what the corrections would make of them.
    const QStringList antes = b.volcadoCompleto();
    ActualizaCatalogo(*b.bd, *b.control);
    EXPECT_EQ(b.volcadoCompleto(), antes);
}

TEST(Entregas, UnaFuenteMalFormadaSeRechazaNombrandoLaLinea) {
    const std::vector<std::pair<const char*, QString>> casos{
        {"nuevos", "[Concursos]\nNumeroOrden = 1\nNombreConcurso = A\nBnda0 = Si\n"},
        {"nuevos", "[Concursos]\nNumeroOrden = 1\nNombreConcurso = A\nBanda0 = quizá\n"},
        {"nuevos", "[Concursos]\nNumeroOrden = 1\nNombreConcurso = A\nEdicion = 20266\n"},
        {"nuevos", "[Concursos]\nNumeroOrden = 1\nNombreConcurso = A\nNumeroOrden = 2\n"},
        {"nuevos", "[Concursos]\nNumeroOrden = 1\nNombreConcurso = A\nsin igual\n"},
        {"nuevos", "[Concursos]\nNumeroOrden = 1\nNombreConcurso = A\n[Contactos]\n"},
        {"nuevos", "[Concursos]\nNumeroOrden = 1\nNombreConcurso = A\nUltimoNumEnviado = 40000\n"},
        {"nuevos", "[Concursos]\nNumeroOrden = 1\nNombreConcurso = A\n[Concursos]\nNumeroOrden = "
                   "2\nNombreConcurso = a\n"},
        {"nuevos", "[Concursos]\nNumeroOrden = 1\nNombreConcurso = A\n[FormatoEspecial]\nNumeroOrden = 7\n"},
        {"nuevos",
         "[Concursos]\nNumeroOrden = 1\nNombreConcurso = A\n[ResumenCabrillo]\nNombreConcurso = B\n"},
        {"nuevos", "[Concursos]\nNumeroOrden = 1\nNombreConcurso = A\n\n\n[Concursos]\nNombreConcurso = B\n"},
        {"nuevos", "[Concursos]\nNumeroOrden = 1\nNombreConcurso = A\nMes = FEBERO\n"},
        {"meses",
         "[Concursos]\nConcurso = A\nMes = ENERO\n[Concursos]\nConcurso = B\nMes = ENERO\nCampo = 1\n"},
    };
    const int lineas[] = {4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 6, 4, 7};
    for (size_t i = 0; i < casos.size(); ++i) {
        Escribe("fuente.txt", casos[i].second);
        const Resultado r = Herramienta(casos[i].first, "fuente.txt", "salida.mdb");
        EXPECT_EQ(r.codigo, 1) << i;
        EXPECT_TRUE(r.error.contains(QStringLiteral("línea %1:").arg(lineas[i])))
            << i << " " << r.error.toStdString();
        EXPECT_FALSE(QFile::exists("salida.mdb")) << i;
    }
}

} // namespace
