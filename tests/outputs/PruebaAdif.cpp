#include "Adif.h"
#include "ArchivosPrueba.h"
#include "BandasModos.h"
#include "BaseSalidas.h"
#include "Falsos.h"

#include <gtest/gtest.h>
#include <QDir>

namespace {
const QByteArray CabeceraN0call =
    "Exportacion a ADIF por XKLumoCon Version 1.0.0.0\r\nEstacion: N0CALL\r\n"
    "Operador: Ana\r\nDireccion: Calle 1\r\nPoblacion: Leon\r\nPais: Espana\r\n"
    "Concurso: \r\n<ADIF_VER:5>3.1.4<PROGRAMID:9>XkLumoCon<PROGRAMVERSION:7>1.0.0.0"
    "\r\n<EOH>\r\n\r\n";

const char* const LineaA = "<QSO_DATE:8>20240317<TIME_ON:4>0930<BAND:2>2M<MODE:3>SSB<SUBMODE:3>USB"
                           "<STATION_CALLSIGN:6>N0CALL<OPERATOR:6>N0CALL<RST_SENT:2>59<CALL:6>N1CALL"
                           "<RST_RCVD:2>59";

// What a strict ADIF reader refuses: a byte outside printable ASCII, a length that is not the
// bytes, a QSO field in the header, a record without its call, band or station callsign.
QStringList ErroresAdif(const QByteArray& b) {
    QStringList errores;
    for (const char c : b)
        if ((c < 0x20 || c > 0x7E) && c != '\r' && c != '\n') errores << "byte " + QString::number(uchar(c));
    const qsizetype eoh = b.indexOf("<EOH>");
    if (b.startsWith('<') || eoh < 0) errores << "sin cabecera";
    QMap<QString, int> registro;
    for (qsizetype i = b.indexOf('<'); i >= 0; i = b.indexOf('<', i + 1)) {
        const qsizetype cierre = b.indexOf('>', i);
        const QList<QByteArray> partes = b.mid(i + 1, cierre - i - 1).split(':');
        const QString campo = QString::fromLatin1(partes[0]).toUpper();
        if (campo == "EOH") continue;
        if (campo == "EOR") {
            for (const char* f : {"CALL", "QSO_DATE", "TIME_ON", "BAND", "MODE", "STATION_CALLSIGN"})
                if (registro.value(f) != 1)
                    errores << QString("%1 en un registro %2 veces").arg(f).arg(registro[f]);
            registro.clear();
            continue;
        }
        if (i < eoh && !QStringList{"ADIF_VER", "PROGRAMID", "PROGRAMVERSION"}.contains(campo))
            errores << campo + " en la cabecera";
        const int largo = partes.value(1).toInt();
        const qsizetype fin = b.indexOf('<', cierre);
        if (b.mid(cierre + 1, largo).contains('<') ||
            b.mid(cierre + 1 + largo, fin - cierre - 1 - largo).trimmed() != "")
            errores << campo + " de largo falso";
        ++registro[campo];
        if (campo == "BAND" &&
            std::none_of(TablaBandasAdif().begin(), TablaBandasAdif().end(),
                         [&](const auto& f) { return b.mid(cierre + 1, largo) == f.adif; }))
            errores << "banda " + b.mid(cierre + 1, largo);
    }
    return errores;
}
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
         QByteArray(LineaA).replace("<RST_SENT:2>59", "") + "\r\n<EOR>\r\n\r\n"},
        {"frecuencia del equipo en MHz", [](Qso& q) { q.frecuencia = "144300000"; }, "",
         QByteArray(LineaA).replace("<BAND:2>2M", "<BAND:2>2M<FREQ:10>144.300000") + "\r\n<EOR>\r\n\r\n"},
        {"serie de cinco cifras y letras en ASCII, largo en bytes",
         [](Qso& q) {
             q.numeralEnviado = "10000";
             q.literalRecibido = "CORUÑA ß";
         },
         "Año",
         "<CONTEST_ID:3>Ano\r\n" + QByteArray(LineaA) +
             "\r\n<STX:5>10000<SRX_STRING:9>CORUNA ss\r\n<EOR>\r\n\r\n"},
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
        EXPECT_EQ(RegistroAdif(q, c.concurso, "N0CALL"), c.esperado) << c.nombre;
    }
}

TEST(Adif, BandaYModo) {
    struct Caso {
        QString banda, modo, campos;
        QString frecuencia = {};
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
        {"10G", "CW", "<BAND:3>3CM<MODE:2>CW"},
        {"2.3g", "CW", "<BAND:4>13CM<MODE:2>CW"},
        {"", "FT8", "<MODE:3>FT8"},
        {"47088", "SSTV", "<BAND:3>6MM<MODE:4>SSTV"},
        {"1296", "JT65", "<BAND:4>23CM<MODE:4>JT65"},
        {"432", "VARIOS", "<BAND:4>70CM<MODE:6>VARIOS"},
        // A band ADIF does not name takes its band from the radio's frequency.
        {"SAT", "CW", "<BAND:4>70CM<FREQ:10>435.600000<MODE:2>CW", "435600000"},
        {"1.8", "CW", "<BAND:4>160M<FREQ:8>1.838000<MODE:2>CW", "1838000"},
    };
    for (const Caso& c : casos) {
        Qso q = UnQso(1, "N1CALL");
        q.banda = c.banda;
        q.modo = c.modo;
        q.frecuencia = c.frecuencia;
        const QString linea = RegistroAdif(q, "", "N0CALL").split('\r').at(0);
        EXPECT_EQ(
            linea,
            "<QSO_DATE:8>20240317<TIME_ON:4>0930" + c.campos +
                "<STATION_CALLSIGN:6>N0CALL<OPERATOR:6>N0CALL<RST_SENT:2>59<CALL:6>N1CALL<RST_RCVD:2>59")
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
    EXPECT_TRUE(archivo.contains("\r\nEstacion: N0CALL/P\r\n"));
    EXPECT_TRUE(
        archivo.endsWith("<SUBMODE:3>USB<STATION_CALLSIGN:8>N0CALL/P<OPERATOR:8>N0CALL/P<RST_SENT:2>59"
                         "<CALL:6>N1CALL<RST_RCVD:2>59\r\n<EOR>\r\n\r\n"));
    EXPECT_EQ(ErroresAdif(archivo), QStringList());
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
    EXPECT_EQ(ErroresAdif(esperado), QStringList());
}

TEST(Adif, SoloLoIntercambiadoYElMismoFicheroAntesYDespuesDeFin) {
    // A contest that exchanges reports only: its serials "0" and "0000", the locked "599" it does not
    // receive on CW, the letters "-" and the locator are not exported; FIN leaves "" for "0000" and "-".
    Qso q = UnQso(1, "N1CALL");
    q.numeralEnviado = "0000";
    q.numeralRecibido = "0";
    q.literalRecibido = "-";
    q.locatorRecibido = "IN80DO";
    Qso fin = q;
    fin.numeralEnviado = fin.literalRecibido = "";
    DatosExportacion d = UnaEstacion();
    d.concurso.recibirRst = d.concurso.recibirLocator = d.concurso.enviarNumeral = d.concurso.recibirNumeral =
        false;
    const QByteArray esperado =
        CabeceraN0call + QByteArray(LineaA).replace("<RST_RCVD:2>59", "") + "\r\n<EOR>\r\n\r\n";
    for (const Qso& v : {q, fin}) {
        QFile::remove(NombreBaseDatos);
        auto bd = BaseConQsos({v});
        ExportaADIF(*bd, d);
        EXPECT_EQ(LeeArchivo("N0CALL.adi"), esperado);
    }
}

TEST(Adif, ContactosSinBandaAdifEnElMensaje) {
    const std::vector<std::pair<QStringList, QString>> casos{
        {{"144", "10G"}, ""},
        {{"SAT", "144"}, "1 contacto sin banda ADIF"},
        {{"SAT", "X", "LUNA"}, "3 contactos sin banda ADIF"}};
    for (const auto& [bandas, texto] : casos) {
        std::vector<Qso> qsos;
        for (const QString& banda : bandas) {
            qsos.push_back(UnQso(static_cast<int>(qsos.size()) + 1, "N1CALL"));
            qsos.back().banda = banda;
        }
        QFile::remove(NombreBaseDatos);
        auto bd = BaseConQsos(qsos);
        const Aviso a = ExportaADIF(*bd, UnaEstacion());
        EXPECT_EQ(a.texto.section("\r\n\r\n", 4), texto.isEmpty() ? "" : texto + "\r\n")
            << bandas.join(' ').toStdString();
        EXPECT_EQ(LeeArchivo("N0CALL.adi").count("<BAND:"),
                  bandas.size() - (texto.isEmpty() ? 0 : texto.left(1).toInt()));
    }
}

TEST(Adif, DiscoLlenoAlVolcarDejaElFicheroAnteriorYLoDice) {
    auto bd = BaseConQsos({UnQso(1, "N1CALL")});
    EscribeArchivo("N0CALL.adi", "anterior");
    DiscoLleno disco;
    const Aviso a = ExportaADIF(*bd, UnaEstacion());
    EXPECT_EQ(disco.abiertos, QStringList{"N0CALL.adi"});
    EXPECT_EQ(a.icono, Icono::Critico);
    EXPECT_EQ(a.texto, "No se ha podido escribir el fichero N0CALL.adi: no queda espacio en el disco.\r\n\r\n"
                       "Si ya había un fichero con ese nombre, queda como estaba.");
    EXPECT_EQ(LeeArchivo("N0CALL.adi"), "anterior");
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
