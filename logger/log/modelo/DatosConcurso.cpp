#include "DatosConcurso.h"

#include "BaseDatos.h"

DatosConcurso LeeDatosConcurso(const ConjuntoRegistros& r) {
    DatosConcurso d;
    d.NumeroOrden = r.entero("NumeroOrden");
    d.NombreConcurso = r.texto("NombreConcurso");
    d.IndiceBanda = r.entero("IndiceBanda");
    d.IndiceModo = r.entero("IndiceModo");
    for (size_t i = 0; i < d.Banda.size(); ++i)
        d.Banda[i] = r.siNo(QStringLiteral("Banda%1").arg(i));
    for (size_t i = 0; i < d.Modo.size(); ++i)
        d.Modo[i] = r.siNo(QStringLiteral("Modo%1").arg(i));
    d.HoraUTC = r.siNo("HoraUTC");
    d.UltimoNumEnviado = r.entero("UltimoNumEnviado");
    d.EnviarNumeral = r.siNo("EnviarNumeral");
    d.EnviarRst = r.siNo("EnviarRst");
    d.EnviarSiglas = r.siNo("EnviarSiglas");
    d.EnviarZonaCq = r.siNo("EnviarZonaCq");
    d.EnviarPuntos = r.siNo("EnviarPuntos");
    d.EnviarLocator = r.siNo("EnviarLocator");
    d.LiteralFijo = r.siNo("LiteralFijo");
    d.LiteralVariable = r.siNo("LiteralVariable");
    d.MiLocator = r.texto("MiLocator");
    d.NumeroPuntosEnviar = r.texto("NumeroPuntosEnviar");
    d.Siglas = r.texto("Siglas");
    d.RecibirRst = r.siNo("RecibirRst");
    d.RecibirNumeral = r.siNo("RecibirNumeral");
    d.RecibirSiglas = r.siNo("RecibirSiglas");
    d.RecibirZonaCq = r.siNo("RecibirZonaCq");
    d.RecibirPuntos = r.siNo("RecibirPuntos");
    d.RecibirLocator = r.siNo("RecibirLocator");
    d.NumeraloSiglas = r.siNo("NumeraloSiglas");
    d.NoRepetir = r.siNo("NoRepetir");
    d.RepetirEstacion = r.siNo("RepetirEstacion");
    d.RepetirEnCadaBanda = r.siNo("RepetirEnCadaBanda");
    d.RepetirEnCadaModo = r.siNo("RepetirEnCadaModo");
    d.RepetirEnCadaHoras = r.siNo("RepetirEnCadaHoras");
    d.HorasRepeticion = r.texto("HorasRepeticion");
    return d;
}

NombresUsuario LeeNombresUsuario(const ConjuntoRegistros& c) {
    NombresUsuario n;
    for (size_t i = 0; i < n.BandaUser.size(); ++i)
        n.BandaUser[i] = c.texto(QStringLiteral("BandaUser%1").arg(i + 1));
    for (size_t i = 0; i < n.ModoUser.size(); ++i)
        n.ModoUser[i] = c.texto(QStringLiteral("ModoUser%1").arg(i + 1));
    for (size_t i = 0; i < n.TipoUser.size(); ++i)
        n.TipoUser[i] = c.texto(QStringLiteral("TipoUser%1").arg(i + 1));
    return n;
}
