// The Cabrillo files as a contest robot reads them: bytes, columns, header lines and the run's message.
#include "AyudasLog.h"

#include "ArchivosPrueba.h"
#include "Cabrillo.h"
#include "Falsos.h"

#include <gtest/gtest.h>
#include <QDir>

using namespace cabrillo;

namespace {

const QString Version = QStringLiteral("1.2.3.4");

Resultado Genera(BaseDatos& bd, bool porBanda, Orden orden = Orden::NumeroQso) {
    return GeneraListadosCabrillo(bd, {1, 1, orden, porBanda, Version});
}

QString Carpeta() {
    return QDir::toNativeSeparators(QDir::currentPath());
}

const QStringList CqWw{"EnviarRst", "EnviarZonaCq", "RecibirRst", "RecibirZonaCq"};

void QsosCqWw(BaseDatos& bd) {
    AnadeQsoLog(bd, 1, "14", "SSB", "EA1AAA",
                {"RstEnviado=59", "LiteralEnviado=14", "RstRecibido=59", "LiteralRecibido=14"});
    AnadeQsoLog(bd, 2, "14", "SSB", "K1ABC",
                {"RstEnviado=59", "LiteralEnviado=14", "RstRecibido=57", "LiteralRecibido=05"});
}

const QStringList ResumenCqWw{"Categoria=SINGLE-OP",
                              "Banda=ALL",
                              "Potencia=NO APLICABLE",
                              "Modo=SSB",
                              "Overlay=No Aplicable",
                              "Asistido=NON-ASSISTED",
                              "Tx=ONE",
                              "Email=n0call@example.com",
                              "Operators=N0CALL, EA1ZZ"};

} // namespace

TEST(CabrilloLog, CqWwEnFormato20ByteAByte) {
    auto bd = CreaBaseLog("CQ WW (SSB)", CqWw);
    AnadeResumenLog(*bd, QStringList{"FormatoCabrillo=CABRILLO 2.0"} + ResumenCqWw);
    QsosCqWw(*bd);
    const Resultado r = Genera(*bd, false);
    EXPECT_EQ(r.ficheros, QStringList{"N0CALL.LOG"});
    const QByteArray esperado =
        "START-OF-LOG: 2.0\r\n"
        "ARRL-SECTION: DX\r\n"
        "CONTEST: CQ WW\r\n"
        "CALLSIGN: N0CALL/P\r\n"
        "CATEGORY: SINGLE-OP ALL SSB\r\n"
        "EMAIL: n0call@example.com\r\n"
        "OPERATORS: N0CALL EA1ZZ\r\n"
        "CLAIMED-SCORE:\r\n"
        "CLUB: \r\n"
        "CREATED-BY: XkLumoCon Version 1.2.3.4\r\n"
        "NAME: Jose Nunez\r\n"
        "ADDRESS: Calle Mayor 1\r\n"
        "ADDRESS: 28001 Madrid\r\n"
        "ADDRESS: Espana\r\n"
        "SOAPBOX: CQ WW\r\n"
        "QSO: 14000 PH 2026-11-28 0001 N0CALL/P      59  14     EA1AAA        59  14\r\n"
        "QSO: 14000 PH 2026-11-28 0002 N0CALL/P      59  14     K1ABC         57  05\r\n"
        "END-OF-LOG:\r\n";
    EXPECT_EQ(LeeArchivo("N0CALL.LOG"), esperado);
}

TEST(CabrilloLog, CqWwEnFormato30SinLineaDePotencia) {
    auto bd = CreaBaseLog("CQ WW (SSB)", CqWw);
    AnadeResumenLog(*bd, QStringList{"FormatoCabrillo=CABRILLO 3.0"} + ResumenCqWw);
    QsosCqWw(*bd);
    Genera(*bd, false);
    const QList<QByteArray> lineas = LeeArchivo("N0CALL.LOG").split('\n').mid(0, 11);
    const QList<QByteArray> esperadas{"START-OF-LOG: 3.0\r",
                                      "LOCATION: DX\r",
                                      "CONTEST: CQ WW\r",
                                      "CALLSIGN: N0CALL/P\r",
                                      "CATEGORY-OPERATOR: SINGLE-OP\r",
                                      "CATEGORY-ASSISTED: NON-ASSISTED\r",
                                      "CATEGORY-BAND: ALL\r",
                                      "CATEGORY-MODE: SSB\r",
                                      "CATEGORY-TRANSMITTER: ONE\r",
                                      "EMAIL: n0call@example.com\r",
                                      "OPERATORS: N0CALL EA1ZZ\r"};
    EXPECT_EQ(lineas, esperadas);
}

TEST(CabrilloLog, ColumnasDelIntercambio) {
    struct Caso {
        const char* nombre;
        FilaConcurso i;
        AnchosLiterales a;
        ColumnasResumen esperadas;
    };
    FilaConcurso rstSerie;
    rstSerie.enviarRst = rstSerie.enviarNumeral = rstSerie.recibirRst = rstSerie.recibirNumeral = true;
    FilaConcurso letras;
    letras.enviarSiglas = letras.recibirZonaCq = letras.enviarLocator = true;
    FilaConcurso numeralOSiglas = rstSerie;
    numeralOSiglas.numeraloSiglas = numeralOSiglas.recibirSiglas = true;
    FilaConcurso puntos;
    puntos.enviarPuntos = puntos.recibirPuntos = puntos.recibirLocator = true;
    const Caso casos[] = {
        {"rst y serie", rstSerie, {}, {31, 45, 49, 0, 0, 0, 54, 68, 72, 0, 0, 0}},
        {"letras de 3 (7 de ancho)", letras, {6, 9}, {31, 0, 0, 45, 0, 52, 59, 0, 0, 73, 0, 0}},
        {"sin serie recibida", numeralOSiglas, {}, {31, 45, 49, 0, 0, 0, 54, 68, 0, 72, 0, 0}},
        {"puntos sin guardar", puntos, {}, {31, 0, 0, 0, 45, 0, 50, 0, 0, 0, 64, 69}},
        {"nada", {}, {}, {31, 0, 0, 0, 0, 0, 45, 0, 0, 0, 0, 0}},
    };
    for (const Caso& c : casos) {
        ColumnasResumen col = CalculaColumnasEnviadas(c.i, c.a);
        CalculaColumnasRecibidas(c.i, c.a, col);
        EXPECT_EQ(col, c.esperadas) << c.nombre;
    }
}

TEST(CabrilloLog, AnchoDeLetrasSieteConLiteralDeTres) {
    auto bd = CreaBaseLog("PRUEBA", {"EnviarSiglas", "RecibirRst"});
    AnadeQsoLog(*bd, 1, "7", "CW", "EA1AAA", {"LiteralEnviado=MAD", "RstRecibido=599"});
    const AnchosLiterales a = CalculaAnchoLiterales(*bd, 1);
    EXPECT_EQ(a.enviado, 6);
    Genera(*bd, false);
    const QByteArray qso = "QSO:  7000 CW 2026-11-28 0001 N0CALL/P      MAD    EA1AAA        599\r\n";
    EXPECT_TRUE(LeeArchivo("N0CALL.LOG").contains(qso)) << LeeArchivo("N0CALL.LOG").toStdString();
}

TEST(CabrilloLog, ListasPorBandaEn144y432) {
    auto bd = CreaBaseLog("NACIONAL DE V-UHF", {"EnviarRst", "EnviarNumeral", "RecibirRst", "RecibirNumeral"},
                          {10, 11, 12});
    EXPECT_TRUE(ListasPorBandaPredeterminado("NACIONAL DE V-UHF"));
    EXPECT_FALSE(ListasPorBandaPredeterminado("CQ WW"));
    AnadeQsoLog(*bd, 1, "432", "FM", "EA4BBB",
                {"RstEnviado=59", "NumeralEnviado=1", "RstRecibido=57", "NumeralRecibido=3"});
    AnadeQsoLog(*bd, 2, "144", "SSB", "EA1AAA",
                {"RstEnviado=59", "NumeralEnviado=1", "RstRecibido=59", "NumeralRecibido=12"});
    const Resultado r = Genera(*bd, true);
    EXPECT_EQ(r.ficheros, (QStringList{"N0CALL-144.LOG", "N0CALL-432.LOG"}));
    EXPECT_EQ(r.titulo, "INFORMACIÓN");
    EXPECT_EQ(r.mensaje,
              "Se ha seleccionado el obtener listas por CADA BANDA, si no es correcto vuelva a la "
              "pantalla del LOG y seleccione 'Listas por orden de QSO'.\r\n\r\nSe han generado en la "
              "carpeta:\r\n\r\n" +
                  Carpeta() +
                  "\r\n\r\nLos siguientes ficheros en formato CABRILLO:\r\n\r\nN0CALL-144.LOG\r\n\r\n"
                  "N0CALL-432.LOG\r\n\r\n");
    const QByteArray b144 = LeeArchivo("N0CALL-144.LOG"), b432 = LeeArchivo("N0CALL-432.LOG");
    EXPECT_TRUE(
        b144.contains("\r\nQSO:   144 PH 2026-11-28 0002 N0CALL/P      59  001  EA1AAA        59  012\r\n"
                      "END-OF-LOG:\r\n"));
    EXPECT_TRUE(
        b432.contains("\r\nQSO:   432 FM 2026-11-28 0001 N0CALL/P      59  001  EA4BBB        57  003\r\n"
                      "END-OF-LOG:\r\n"));
    QStringList pantalla = QString::fromLatin1(b144).split("\r\n");
    pantalla.removeLast();
    pantalla << ""
             << ""
             << "";
    QStringList p432 = QString::fromLatin1(b432).split("\r\n");
    p432.removeLast();
    pantalla << p432 << ""
             << ""
             << "";
    EXPECT_EQ(r.lineasPantalla, pantalla);
    EXPECT_FALSE(QFile::exists("N0CALL-1296.LOG"));
    // The columns are stored in a summary row made for them, and the band runs leave Listados empty.
    auto res = bd->abreConjunto("Select * From ResumenCabrillo Where NumeroOrden = 1");
    ASSERT_EQ(res.cuenta(), 1);
    EXPECT_EQ(res.entero("MiRst"), 45);
    EXPECT_EQ(res.entero("SuIndicativo"), 54);
    EXPECT_EQ(res.entero("SuNumero"), 72);
    EXPECT_TRUE(res.esNulo("FormatoCabrillo"));
    EXPECT_EQ(bd->abreConjunto("Listados").cuenta(), 0);
    Genera(*bd, true);
    EXPECT_EQ(bd->abreConjunto("Select * From ResumenCabrillo Where NumeroOrden = 1").cuenta(), 1);
}

TEST(CabrilloLog, ConcursoSinQsos) {
    auto bd = CreaBaseLog("CQ WW", CqWw);
    const Resultado r = Genera(*bd, false);
    EXPECT_TRUE(r.ficheros.isEmpty());
    EXPECT_TRUE(r.lineasPantalla.isEmpty());
    EXPECT_EQ(r.mensaje,
              "Se ha seleccionado el obtener listas por ORDEN DE QSO en una única lista, si no es "
              "correcto vuelva a la pantalla del LOG y seleccione 'Listas por cada banda'.\r\n\r\nSe "
              "ha generado en la carpeta:\r\n\r\n" +
                  Carpeta() + "\r\n\r\nEl siguiente fichero en formato CABRILLO:\r\n\r\n");
    EXPECT_TRUE(QDir().entryList({"*.LOG"}).isEmpty());
}

TEST(CabrilloLog, FrecuenciaYModoDeLaLinea) {
    struct Caso {
        const char* banda;
        const char* modo;
        const char* columnas6a13; // frequency, blank, mode
        const char* columnas6a13v30;
    };
    const Caso casos[] = {
        {"1296", "CW", " 1.2G CW", " 1.2G CW"},    {"3.5", "RTTY", " 3500 RY", " 3500 RY"},
        {"1.8", "FM", " 1800 FM", " 1800 FM"},     {"7", "AM", " 7000 PH", " 7000 PH"},
        {"10", "USB", "10100 PH", "10100 PH"},     {"28", "LSB", "28000 PH", "28000 PH"},
        {"18", "CW", "18068 CW", "18068 CW"},      {"24", "CW", "24890 CW", "24890 CW"},
        {"50", "SSB", "   50 PH", "   50 PH"},     {"144", "PSK31", "  144 RY", "  144 DG"},
        {"432", "QPSK", "  432 RY", "  432 DG"},   {"2400", "FT8", " 2.3G RY", " 2.3G DG"},
        {"902", "PACKET", "  902 RY", "  902 DG"}, {"10368", "SSTV", "  10G RY", "  10G DG"},
        {"70", "BPSK63", "   70 RY", "   70 DG"},  {"SAT", "CW", "  SAT CW", "  SAT CW"},
    };
    FilaResumen r;
    r.columnas.miIndicativo = 31;
    r.columnas.suIndicativo = 45;
    for (const Caso& c : casos) {
        Qso q;
        q.banda = c.banda;
        q.modo = c.modo;
        q.indicativo = "EA1AAA";
        q.hora = "12:34";
        r.formato = "CABRILLO 2.0";
        EXPECT_EQ(LineaQso(q, "N0CALL", r, {}).mid(5, 8), QString(c.columnas6a13)) << c.banda;
        r.formato = "CABRILLO 3.0";
        EXPECT_EQ(LineaQso(q, "N0CALL", r, {}).mid(5, 8), QString(c.columnas6a13v30)) << c.banda;
    }
}

TEST(CabrilloLog, ElementosDeLaLinea) {
    // The last item shorter than its column ends the line; an empty present item writes "-";
    // a numeric literal of a contest that receives number or letters gets three digits; a value
    // that reaches the next column is written whole and the next item starts one blank after it.
    struct Caso {
        const char* nombre;
        FilaConcurso i;
        Qso q;
        const char* linea;
    };
    FilaConcurso rst;
    rst.recibirRst = true;
    FilaConcurso todo;
    todo.enviarRst = todo.enviarNumeral = todo.recibirRst = todo.recibirSiglas = todo.recibirLocator = true;
    FilaConcurso siglas;
    siglas.recibirSiglas = siglas.numeraloSiglas = true;
    Qso corto;
    corto.indicativo = "EA1AAA";
    corto.rstRecibido = "5";
    Qso vacio;
    vacio.indicativo = "EA1AAA";
    vacio.literalRecibido = "M";
    Qso numero;
    numero.indicativo = "EA1AAA";
    numero.literalRecibido = "7";
    Qso largos;
    largos.indicativo = "EA8/EA1ABC/QRP";
    largos.rstEnviado = "59";
    largos.numeralEnviado = "10000";
    largos.rstRecibido = "59+20";
    largos.literalRecibido = "LEÓN";
    largos.locatorRecibido = "IN80DO";
    // With the radio: its frequency in whole kHz below 30 MHz; above, the band's column stays.
    Qso radio = corto, radioVhf = corto;
    radio.frecuencia = "14195500";
    radioVhf.frecuencia = "144050000";
    const Caso casos[] = {
        {"corto", rst, corto, "QSO:     0 RY                 N0CALL/P      EA1AAA        5"},
        {"radio", rst, radio, "QSO: 14196 RY                 N0CALL/P      EA1AAA        5"},
        {"radio VHF", rst, radioVhf, "QSO:     0 RY                 N0CALL/P      EA1AAA        5"},
        {"vacios", todo, vacio,
         "QSO:     0 RY                 N0CALL/P      -   -    EA1AAA        -   M      -"},
        {"numeral", siglas, numero, "QSO:     0 RY                 N0CALL/P      EA1AAA        007"},
        {"largos", todo, largos,
         "QSO:     0 RY                 N0CALL/P      59  10000 EA8/EA1ABC/QRP 59+20 LEON IN80DO"},
    };
    for (const Caso& c : casos) {
        AnchosLiterales a;
        FilaResumen r;
        r.columnas = CalculaColumnasEnviadas(c.i, a);
        CalculaColumnasRecibidas(c.i, a, r.columnas);
        Qso q = c.q;
        q.banda = "0";
        EXPECT_EQ(LineaQso(q, "N0CALL/P", r, c.i), QString(c.linea)) << c.nombre;
    }
}

TEST(CabrilloLog, LineasDeCabecera) {
    struct Caso {
        const char* nombre;
        const char* concurso;
        QStringList resumen; // formato, categoria, potencia, operators
        QStringList presentes;
        QStringList ausentes; // line beginnings
    };
    const Caso casos[] = {
        {"2.0 no aplicable",
         "X",
         {"CABRILLO 2.0", "No Aplicable", "LOW", ""},
         {"CATEGORY:  LOW "},
         {"CATEGORY: No"}},
        {"especial no aplicable",
         "X",
         {"ESPECIAL", "NO APLICABLE", "", ""},
         {"START-OF-LOG: 2.0"},
         {"CATEGORY"}},
        {"ref con offtime",
         "REF-160",
         {"CABRILLO 2.0", "SINGLE-OP", "LOW", ""},
         {"REF-SECTION: DX", "CATEGORY: SINGLE-OP  LOW ",
          "OFFTIME: yyyy-mm-dd hhmm yyyy-mm-dd hhmm yyyy-mm-dd hhmm yyyy-mm-dd hhmm yyyy-mm-dd hhmm "
          "yyyy-mm-dd hhmm "},
         {"REF-SETION"}},
        {"operador no aplicable",
         "X",
         {"CABRILLO 3.0", "no aplicable", "No Aplicable", ""},
         {"START-OF-LOG: 3.0"},
         {"CATEGORY-OPERATOR", "CATEGORY-POWER", "CATEGORY:"}},
        {"formato desconocido",
         "X",
         {"CABRILLO 9", "MULTI-OP", "HIGH", ""},
         {"START-OF-LOG: 2.0", "ARRL-SECTION: DX", "CATEGORY: MULTI-OP  HIGH "},
         {"LOCATION"}},
        {"especial", "X", {"ESPECIAL", "A1", "HIGH", ""}, {"START-OF-LOG: 2.0", "CATEGORY: A1"}, {"OFFTIME"}},
        {"operadores",
         "X",
         {"CABRILLO 2.0", "", "", " EA1AA ,EA2BB,  EA3CC "},
         {"OPERATORS: EA1AA EA2BB EA3CC", "CLAIMED-SCORE:"},
         {"CLAIMED-SCORE: ", "REF-SECTION"}},
    };
    for (const Caso& c : casos) {
        FilaResumen r;
        r.formato = c.resumen[0];
        r.categoria = c.resumen[1];
        r.potencia = c.resumen[2];
        r.operators = c.resumen[3];
        const QStringList l = CabeceraCabrillo(r, c.concurso, "N0CALL", {}, Version);
        for (const QString& p : c.presentes)
            EXPECT_TRUE(l.contains(p)) << c.nombre << ": " << p.toStdString() << "\n"
                                       << l.join('\n').toStdString();
        for (const QString& a : c.ausentes)
            for (const QString& linea : l)
                EXPECT_FALSE(linea.startsWith(a)) << c.nombre << ": " << linea.toStdString();
    }
}

TEST(CabrilloLog, DiscoLlenoAlVolcarDejaElFicheroAnteriorYLoDice) {
    auto bd = CreaBaseLog("PRUEBA", {"RecibirNumeral"});
    AnadeQsoLog(*bd, 1, "14", "CW", "EA1AAA", {"NumeralRecibido=20"});
    EscribeArchivo("N0CALL.LOG", "anterior");
    DiscoLleno disco;
    try {
        Genera(*bd, false);
        ADD_FAILURE() << "sin error";
    } catch (const ErrorBD& e) {
        EXPECT_EQ(e.mensaje(),
                  "No se ha podido escribir el fichero N0CALL.LOG: no queda espacio en el disco.\r\n\r\n"
                  "Si ya había un fichero con ese nombre, queda como estaba.");
    }
    EXPECT_EQ(LeeArchivo("N0CALL.LOG"), "anterior");
}

TEST(CabrilloLog, FicheroAnteriorReemplazadoYOrdenPorNumeral) {
    auto bd = CreaBaseLog("PRUEBA", {"RecibirNumeral"});
    EscribeArchivo("N0CALL.LOG", QByteArray(5000, 'x'));
    AnadeQsoLog(*bd, 1, "14", "CW", "EA1AAA", {"NumeralRecibido=20"});
    AnadeQsoLog(*bd, 2, "14", "CW", "EA2BBB", {"NumeralRecibido=10"});
    Genera(*bd, false, Orden::NumeralRecibido);
    const QByteArray b = LeeArchivo("N0CALL.LOG");
    EXPECT_TRUE(b.startsWith("START-OF-LOG: 2.0\r\n"));
    EXPECT_LT(b.indexOf("EA2BBB"), b.indexOf("EA1AAA"));
    EXPECT_TRUE(b.endsWith("\r\nEND-OF-LOG:\r\n"));
    EXPECT_TRUE(std::all_of(b.begin(), b.end(),
                            [](char c) { return (c >= 0x20 && c < 0x7F) || c == '\r' || c == '\n'; }));
    // A single-list run keeps its rows in Listados until the next run.
    EXPECT_EQ(bd->abreConjunto("Listados").cuenta(), 2);
}
