#include "Adif.h"
#include "ArchivosPrueba.h"
#include "BaseSalidas.h"

#include <gtest/gtest.h>
#include <QDir>

namespace {
QByteArray Bytes(const QStringList& lineas) {
    QByteArray b;
    for (const QString& l : lineas)
        b += l.toLatin1() + "\r\n";
    return b;
}

const QByteArray CabeceraN0call =
    "Exportaci\xF3n a ADIF por XKLumoCon Versi\xF3n 1.0.0.0\r\n"
    "<ADIF_VER:5>3.1.4<PROGRAMID:9>XkLumoCon<PROGRAMVERSION:7>1.0.0.0\r\n"
    "<CONTEST_ID:0>\r\n<OPERATOR:6>N0CALL\r\n<NAME:3>Ana\r\n<ADDRESS:7>Calle 1\r\n"
    "<ADDRESS:4>Le\xF3n\r\n<ADDRESS:6>Espa\xF1"
    "a\r\n<EOH>\r\n\r\n";

const char* const LineaA = "<QSO_DATE:8>20240317<TIME_ON:4>0930<BAND:2>2M<MODE:3>SSB<SUBMODE:3>USB"
                           "<OPERATOR:6>N0CALL<RST_SENT:2>59<CALL:6>N1CALL<RST_RCVD:2>59";
} // namespace

TEST(Adif, RegistroDeUnQso) {
    struct Caso {
        const char* nombre;
        std::function<void(Qso&)> cambia;
        QString concurso;
        QByteArray esperado;
    };
    const std::vector<Caso> casos = {
        {"ejemplo con el modo USB como submodo de SSB", [](Qso&) {}, "",
         QByteArray(LineaA) + "\r\n<EOR>\r\n\r\n"},
        {"sin RST enviado", [](Qso& q) { q.rstEnviado.clear(); }, "",
         "<QSO_DATE:8>20240317<TIME_ON:4>0930<BAND:2>2M<MODE:3>SSB<SUBMODE:3>USB<OPERATOR:6>N0CALL"
         "<CALL:6>N1CALL<RST_RCVD:2>59\r\n<EOR>\r\n\r\n"},
        {"solo literal recibido", [](Qso& q) { q.literalRecibido = "MA"; }, "",
         QByteArray(LineaA) + "\r\n<SRX_STRING:2>MA\r\n<EOR>\r\n\r\n"},
        {"línea B completa y concurso",
         [](Qso& q) {
             q.numeralEnviado = "001";
             q.literalEnviado = "M";
             q.locatorEnviado = "IN80DO";
             q.numeralRecibido = "12";
             q.literalRecibido = "TO";
             q.locatorRecibido = "JN11AA";
         },
         "Concurso (VHF)",
         "<CONTEST_ID:14>Concurso (VHF)\r\n" + QByteArray(LineaA) +
             "\r\n<STX:3>001<STX_STRING:1>M<MY_GRIDSQUARE:6>IN80DO<SRX:2>12<SRX_STRING:2>TO"
             "<GRIDSQUARE:6>JN11AA\r\n<EOR>\r\n\r\n"},
    };
    for (const Caso& c : casos) {
        Qso q = UnQso(1, "N1CALL");
        c.cambia(q);
        EXPECT_EQ(Bytes(RegistroAdif(q, c.concurso, "N0CALL")), c.esperado) << c.nombre;
    }
}

TEST(Adif, BandaYModo) {
    struct Caso {
        QString banda, modo, campos;
    };
    const std::vector<Caso> casos = {
        {"1.8", "CW", "<BAND:4>160M<MODE:2>CW"},
        {"10", "RTTY", "<BAND:3>30M<MODE:4>RTTY"},
        {"24", "FM", "<BAND:3>12M<MODE:2>FM"},
        {"902", "AM", "<BAND:4>33CM<MODE:2>AM"},
        {"2300", "LSB", "<BAND:4>13CM<MODE:3>SSB<SUBMODE:3>LSB"},
        {"2400", "PACKET", "<BAND:4>13CM<MODE:3>PKT"},
        {"10368", "PSK31", "<BAND:3>3CM<MODE:3>PSK<SUBMODE:5>PSK31"},
        {"5760", "FT4", "<BAND:3>6CM<MODE:4>MFSK<SUBMODE:3>FT4"},
        {"SAT", "JS8", "<MODE:4>MFSK<SUBMODE:3>JS8"},
        {"", "FT8", "<MODE:3>FT8"},
        {"47088", "SSTV", "<BAND:3>6MM<MODE:4>SSTV"},
        {"1296", "JT65", "<BAND:4>23CM<MODE:4>JT65"},
        {"432", "VARIOS", "<BAND:4>70CM<MODE:6>VARIOS"},
    };
    for (const Caso& c : casos) {
        Qso q = UnQso(1, "N1CALL");
        q.banda = c.banda;
        q.modo = c.modo;
        const QString linea = RegistroAdif(q, "", "N0CALL").at(0);
        EXPECT_EQ(linea, "<QSO_DATE:8>20240317<TIME_ON:4>0930" + c.campos +
                             "<OPERATOR:6>N0CALL<RST_SENT:2>59<CALL:6>N1CALL<RST_RCVD:2>59")
            << c.banda.toStdString() << " " << c.modo.toStdString();
    }
}

TEST(Adif, ContestSinQsosDaSoloLaCabeceraYElMensaje) {
    auto bd = BaseConQsos({});
    const Aviso a = ExportaADIF(*bd, UnaEstacion());
    EXPECT_EQ(LeeArchivo("N0CALL.adi"), CabeceraN0call);
    EXPECT_EQ(a.titulo, "INFORMACIÓN");
    EXPECT_EQ(a.icono, Icono::Informacion);
    EXPECT_EQ(a.texto, "Se ha generado en la carpeta:\r\n\r\n" +
                           QDir::toNativeSeparators(QDir::currentPath()) +
                           "\r\n\r\nEl siguiente fichero en formato ADIF:\r\n\r\nN0CALL.ADI\r\n\r\n");
}

TEST(Adif, PortatilDaElArchivoDeLaBaseYElOperadorCompleto) {
    auto bd = BaseConQsos({UnQso(1, "N1CALL")});
    DatosExportacion d = UnaEstacion("N0CALL/P");
    const Aviso a = ExportaADIF(*bd, d);
    EXPECT_TRUE(a.texto.contains("\r\n\r\nN0CALL.ADI\r\n\r\n"));
    const QByteArray archivo = LeeArchivo("N0CALL.adi");
    EXPECT_TRUE(archivo.contains("\r\n<OPERATOR:8>N0CALL/P\r\n<NAME:3>Ana\r\n"));
    EXPECT_TRUE(archivo.endsWith("<MODE:3>SSB<SUBMODE:3>USB<OPERATOR:8>N0CALL/P<RST_SENT:2>59<CALL:6>N1CALL"
                                 "<RST_RCVD:2>59\r\n<EOR>\r\n\r\n"));
    EXPECT_FALSE(QFile::exists("N0CALL/P.adi"));
}

TEST(Adif, OrdenDeNumeroQsoYSinPerderLosQueSiguenAUnaFilaVacia) {
    // Stored order 3, 1, (empty), 2: the file holds 1, 2, 3 and nothing is lost after the empty row.
    Qso otroConcurso = UnQso(1, "X1OTRO");
    otroConcurso.numeroOrden = 4;
    auto bd =
        BaseConQsos({UnQso(3, "N3CALL"), UnQso(1, "N1CALL"), UnQso(4, ""), otroConcurso, UnQso(2, "N2CALL")});
    ExportaADIF(*bd, UnaEstacion());
    QByteArray esperado = CabeceraN0call;
    for (const char* call : {"N1CALL", "N2CALL", "N3CALL"})
        esperado += QByteArray(LineaA).replace("N1CALL", call) + "\r\n<EOR>\r\n\r\n";
    EXPECT_EQ(LeeArchivo("N0CALL.adi"), esperado);
}

TEST(Adif, ArchivoQueNoSePuedeEscribirDaUnErrorYNoElMensaje) {
    auto bd = BaseConQsos({UnQso(1, "N1CALL")});
    QDir().mkdir("N0CALL.adi"); // a folder where the file should go
    const Aviso a = ExportaADIF(*bd, UnaEstacion());
    EXPECT_EQ(a.icono, Icono::Critico);
    EXPECT_TRUE(a.texto.startsWith("No se ha podido escribir el fichero N0CALL.adi"))
        << a.texto.toStdString();
}

TEST(Adif, LogQueNoSePuedeLeerDaUnErrorYNingunFichero) {
    auto bd = BaseConQsos({UnQso(1, "N1CALL")});
    bd->ejecuta("DROP TABLE Contactos");
    const Aviso a = ExportaADIF(*bd, UnaEstacion());
    EXPECT_EQ(a.icono, Icono::Critico);
    EXPECT_TRUE(a.texto.startsWith("No se han podido leer los contactos para el fichero N0CALL.adi: "))
        << a.texto.toStdString();
    EXPECT_TRUE(a.texto.contains("Contactos")) << a.texto.toStdString();
    EXPECT_FALSE(QFile::exists("N0CALL.adi"));
}
