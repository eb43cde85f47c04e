#include "BaseSalidas.h"
#include "LibroGuardia.h"

#include <gtest/gtest.h>

namespace {
const QString Libro = "LibroDePrueba.mdb";

// Every row of the logbook as "field=value|..." in table order; null shows as "<nulo>".
QStringList Volcado(const QString& ruta = Libro) {
    auto bd = BaseDatos::Abre(ruta);
    ConjuntoRegistros rs = bd->abreConjunto("LibroGuardia");
    QStringList filas;
    for (; !rs.eof(); rs.siguiente()) {
        QStringList campos;
        for (int i = 0; i < rs.numeroCampos(); ++i) {
            const QVariant v = rs.valor(i);
            campos << rs.definicion().campo(i).nombre + "=" + (v.isValid() ? v.toString() : "<nulo>");
        }
        filas << campos.join("|");
    }
    return filas;
}

QString Fila(const QString& propio, const QString& base, const QString& concurso, const QString& edicion,
             const QString& fecha, const QString& indicativo, const QString& barra, const QString& numRec,
             const QString& numEnv) {
    return "IndicativoPropio=" + propio + "|Base=" + base + "|QSOVia=N|Concurso=" + concurso +
           "|Edicion=" + edicion + "|FechaQso=" + fecha +
           "|HoraQso=09:30|Banda=144|Modo=USB|Indicativo=" + indicativo + "|Barra=" + barra +
           "|RsEnviado=59|RsRecibido=59|NumeralRecibido=" + numRec +
           "|QraLocatorRecibido=|LiteralRecibido=|PuntosRecibidos=0|NumeralEnviado=" + numEnv +
           "|QraLocatorEnviado=|LiteralEnviado=|PuntosEnviados=0";
}
} // namespace

TEST(LibroGuardia, FilasEscritasConSusReglasDeValorVacio) {
    struct Caso {
        const char* nombre;
        QString estacion, edicion, concurso;
        std::function<void(Qso&)> cambia;
        QString esperado;
    };
    const std::vector<Caso> casos = {
        {"estación sin barra", "N0CALL", "2024", "Marconi", [](Qso&) {},
         Fila("N0CALL", "FIJA", "Marconi", "2024", "17-03-2024", "N1CALL", "", "0", "0")},
        {"portátil", "N0CALL/P", "2024", "Marconi", [](Qso&) {},
         Fila("N0CALL", "/P", "Marconi", "2024", "17-03-2024", "N1CALL", "", "0", "0")},
        {"prefijo corto y barra", "N0CALL", "2024", "Marconi", [](Qso& q) { q.indicativo = "EA/N1CALL"; },
         Fila("N0CALL", "FIJA", "Marconi", "2024", "17-03-2024", "N1CALL", "EA/", "0", "0")},
        {"numerales 12 y 7", "N0CALL", "2024", "Marconi",
         [](Qso& q) {
             q.numeralRecibido = "12";
             q.numeralEnviado = "7";
         },
         Fila("N0CALL", "FIJA", "Marconi", "2024", "17-03-2024", "N1CALL", "", "0012", "0007")},
        {"numeral negativo", "N0CALL", "2024", "Marconi", [](Qso& q) { q.numeralRecibido = "-123"; },
         Fila("N0CALL", "FIJA", "Marconi", "2024", "17-03-2024", "N1CALL", "", "-0123", "0")},
        {"numeral que no es número", "N0CALL", "2024", "Marconi", [](Qso& q) { q.numeralRecibido = "AB"; },
         Fila("N0CALL", "FIJA", "Marconi", "2024", "17-03-2024", "N1CALL", "", "AB", "0")},
        {"marcadores y puntos que el concurso no recibe: como tras FIN", "N0CALL", "2024", "Marconi",
         [](Qso& q) {
             q.numeralEnviado = "0000";
             q.literalRecibido = "-";
             q.puntosRecibidos = "5";
         },
         Fila("N0CALL", "FIJA", "Marconi", "2024", "17-03-2024", "N1CALL", "", "0", "0")},
        {"fecha nula", "N0CALL", "2024", "Marconi", [](Qso& q) { q.fecha = QDate(); },
         Fila("N0CALL", "FIJA", "Marconi", "2024", "<nulo>", "N1CALL", "", "0", "0")},
        {"edición y concurso vacíos", "N0CALL", "", "", [](Qso&) {},
         Fila("N0CALL", "FIJA", "<nulo>", "<nulo>", "17-03-2024", "N1CALL", "", "0", "0")},
    };
    for (const Caso& c : casos) {
        QFile::remove(NombreBaseDatos);
        QFile::remove(Libro);
        Qso q = UnQso(1, "N1CALL");
        c.cambia(q);
        auto bd = BaseConQsos({q});
        CreaLibroGuardia(Libro);
        DatosExportacion d = UnaEstacion(c.estacion);
        d.concurso.edicion = c.edicion;
        d.concurso.nombreConcurso = c.concurso;
        const Aviso a = ExportaLibroGuardia(*bd, d, Libro);
        EXPECT_EQ(a.texto, "La importación a Ondalia ha finalizado correctamente.") << c.nombre;
        EXPECT_EQ(a.icono, Icono::Ninguno);
        EXPECT_EQ(a.titulo, "");
        EXPECT_EQ(Volcado(), QStringList{c.esperado}) << c.nombre;
    }
}

TEST(LibroGuardia, OrdenDeNumeroQsoYDosExportacionesLosAnadenDosVeces) {
    Qso otro = UnQso(1, "X1OTRO");
    otro.numeroOrden = 9;
    auto bd = BaseConQsos({UnQso(3, "N3CALL"), otro, UnQso(1, "N1CALL"), UnQso(2, "N2CALL")});
    CreaLibroGuardia(Libro);
    DatosExportacion d = UnaEstacion();
    ExportaLibroGuardia(*bd, d, Libro);
    ExportaLibroGuardia(*bd, d, Libro);
    QStringList esperado;
    for (int vez = 0; vez < 2; ++vez)
        for (const char* call : {"N1CALL", "N2CALL", "N3CALL"})
            esperado << Fila("N0CALL", "FIJA", "<nulo>", "<nulo>", "17-03-2024", call, "", "0", "0");
    EXPECT_EQ(Volcado(), esperado);
}

TEST(LibroGuardia, UnLibroQueFallaQuedaComoEstabaYElMensajeLoDice) {
    struct Caso {
        const char* nombre;
        QString sql; // run on a fresh logbook holding one earlier row
        QString mensaje;
    };
    const std::vector<Caso> casos = {
        {"disparador en la tercera fila",
         "CREATE TRIGGER falla BEFORE INSERT ON LibroGuardia WHEN (SELECT count(*) FROM LibroGuardia) >= 3 "
         "BEGIN SELECT RAISE(ABORT, 'libro lleno'); END",
         "libro lleno"},
        {"tabla sin un campo", "ALTER TABLE LibroGuardia DROP COLUMN PuntosEnviados", "PuntosEnviados"},
        {"sin tabla", "DROP TABLE LibroGuardia", "LibroGuardia"},
    };
    for (const Caso& c : casos) {
        QFile::remove(NombreBaseDatos);
        QFile::remove(Libro);
        auto bd = BaseConQsos({UnQso(1, "N1CALL"), UnQso(2, "N2CALL"), UnQso(3, "N3CALL")});
        CreaLibroGuardia(Libro);
        {
            auto libro = BaseDatos::Abre(Libro);
            libro->ejecuta(
                "INSERT INTO LibroGuardia (IndicativoPropio, Indicativo) VALUES ('N0CALL', 'EA1OLD')");
            libro->ejecuta(c.sql);
        }
        QStringList antes;
        if (c.sql.startsWith("DROP TABLE") == false) antes = Volcado();
        const Aviso a = ExportaLibroGuardia(*bd, UnaEstacion(), Libro);
        EXPECT_EQ(a.icono, Icono::Critico) << c.nombre;
        EXPECT_TRUE(
            a.texto.startsWith("No se han exportado los contactos al libro de guardia LibroDePrueba.mdb"))
            << a.texto.toStdString();
        EXPECT_TRUE(a.texto.contains(c.mensaje)) << a.texto.toStdString();
        if (!antes.isEmpty()) {
            EXPECT_EQ(Volcado(), antes) << c.nombre;
        }
    }
}

TEST(LibroGuardia, LibroQueNoExisteONoEsUnaBase) {
    auto bd = BaseConQsos({UnQso(1, "N1CALL")});
    QFile f("LibroDeTexto.mdb");
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("esto no es una base de datos, solo texto suficiente para la cabecera de SQLite......");
    f.close();
    for (const QString& ruta : {QString("LibroDeNadie.mdb"), QString("LibroDeTexto.mdb")}) {
        const Aviso a = ExportaLibroGuardia(*bd, UnaEstacion(), ruta);
        EXPECT_EQ(a.icono, Icono::Critico) << ruta.toStdString();
        EXPECT_TRUE(a.texto.contains(ruta)) << a.texto.toStdString();
    }
}

TEST(LibroGuardia, FormatoDeLosNumerales) {
    // Plain digits take a short path; every other text goes through the number: both must agree.
    const std::pair<QString, QString> casos[] = {
        {"0", "0000"},         {"12", "0012"},
        {"00012", "0012"},     {"123456", "123456"},
        {"000000000", "0000"}, {" 7 ", "0007"},
        {"-7", "-0007"},       {"-123", "-0123"},
        {"abc", "abc"},        {"1234567890", "1234567890"},
    };
    for (const auto& [entrada, esperado] : casos)
        EXPECT_EQ(FormatoNumeral(entrada), esperado) << entrada.toStdString();
}
