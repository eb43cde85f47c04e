#include "Apertura.h"

#include "Locator.h"
#include "Verificaciones.h"

#include <functional>
#include <vector>

namespace {
bool EnBlanco(QString v) {
    return EstaEnBlanco(v);
}
bool EsNumero(QString v) {
    return VerificaNumero(v);
}
bool LocatorValido(const QString& v) {
    float lon = 0, lat = 0;
    return ConvierteLocator(v, lon, lat);
}

struct Comprobacion {
    std::function<bool(const DatosApertura&)> rechaza;
    RechazoApertura rechazo;
};

const std::vector<Comprobacion>& Comprobaciones() {
    const QString dosLineas = QStringLiteral("\n\n");
    static const std::vector<Comprobacion> t{
        {[](const DatosApertura& d) { return !d.hayIndicativo; },
         {{"No hay ningún INDICATIVO configurado. Inicialmente es necesario dar de ALTA, al menos, un "
           "indicativo",
           "CONFIGURE ALGÚN INDICATIVO", Icono::Informacion},
          false}},
        {[](const DatosApertura& d) { return d.EnviarLocator && EnBlanco(d.MiLocator); },
         {{"Falta el LOCATOR. Modifique el concurso e introduzca su LOCATOR", QString(), Icono::Ninguno},
          false}},
        {[](const DatosApertura& d) {
             return d.EnviarLocator && !EnBlanco(d.MiLocator) && !LocatorValido(d.MiLocator);
         },
         {{"LOCATOR no válido. Modifique el concurso y corrija su LOCATOR ", "VERIFICAR LOCATOR CONCURSO",
           Icono::Critico},
          false}},
        {[](const DatosApertura& d) { return d.EnviarSiglas && d.LiteralFijo && EnBlanco(d.Siglas); },
         {{"   .- FALTAN los códigos, siglas, letras, EDAD, ZONA, Potencia etc. que va a enviar en el "
           "concurso o "
           "en la activación. Modifique el concurso e introduzca su CONTROL a enviar." +
               dosLineas +
               "   .- Si va a enviar en cada contacto códigos, siglas o letras diferentes marque enviar "
               "códigos "
               "VARIABLES.",
           "VERIFICAR LETRAS A ENVIAR", Icono::Critico},
          true}},
        {[](const DatosApertura& d) { return d.EnviarSiglas && d.Siglas.contains(QLatin1Char(' ')); },
         {{"   .- No se puede dejar espacios en blanco entre las Siglas, Ref. o Controles a enviar." +
               dosLineas +
               "   .- Si va a enviar varias Siglas, Ref. o Controles, sepárelos con , (comas). Modifique el "
               "concurso y corrija su CONTROL a enviar.",
           "VERIFICAR LETRAS A ENVIAR", Icono::Critico},
          true}},
        {[](const DatosApertura& d) { return d.EnviarZonaCq && EnBlanco(d.Siglas); },
         {{"   .- FALTA la ZONA CQ PROPIA." + dosLineas +
               "   .- Modifique el concurso e introduzca el código de su ZONA CQ.",
           "VERIFICAR ZONA CQ", Icono::Critico},
          true}},
        {[](const DatosApertura& d) { return d.EnviarZonaCq && d.Siglas.contains(QLatin1Char(' ')); },
         {{"   .- No se puede haber espacios en blanco entre los digitos de la ZONA. Modifique el concurso y "
           "corrija el código de su ZONA CQ",
           "VERIFICAR ZONA A ENVIAR", Icono::Critico},
          true}},
        {[](const DatosApertura& d) { return d.EnviarZonaCq && !EsNumero(d.Siglas); },
         {{" La ZONA CQ debe ser numérica. Modifique el concurso e introduzca el código de su ZONA CQ "
           "válido.",
           "VERIFICAR ZONA A ENVIAR", Icono::Critico},
          false}},
        {[](const DatosApertura& d) {
             QString v = d.Siglas;
             return d.EnviarZonaCq && VerificaNumero(v) && v.toDouble() > 40;
         },
         {{" La ZONA CQ no debe ser mayor de 40. Modifique el concurso e introduzca el código de su ZONA CQ "
           "válido.",
           "VERIFICAR ZONA A ENVIAR", Icono::Critico},
          false}},
        {[](const DatosApertura& d) { return d.EnviarZonaCq && !EsZonaCq(d.Siglas); },
         {{" La ZONA CQ debe ser un número entero de 1 a 40. Modifique el concurso e introduzca el código de "
           "su ZONA CQ válido.",
           "VERIFICAR ZONA A ENVIAR", Icono::Critico},
          false}},
    };
    return t;
}
} // namespace

std::optional<RechazoApertura> CompruebaApertura(const DatosApertura& d) {
    for (const Comprobacion& c : Comprobaciones())
        if (c.rechaza(d)) return c.rechazo;
    return std::nullopt;
}
