#include "Esquema.h"

#include "Verificaciones.h"

namespace {

using T = TipoCampo;

DefTabla Tabla(const QString& nombre) {
    DefTabla def;
    def.nombre = nombre;
    return def;
}

// Fields Prefijo<desde>..Prefijo<hasta> of one type.
void Serie(DefTabla& def, const QString& prefijo, int desde, int hasta, TipoCampo tipo, int tamano = 0) {
    for (int i = desde; i <= hasta; ++i)
        def.agrega(prefijo + QString::number(i), tipo, tamano);
}

// Rebuilds a table whose serial columns are declared narrower: SQLite cannot change a column's
// declaration in place. Its rows and its indexes come back as they were.
void EnsanchaNumerales(BaseDatos& bd, const QString& tabla) {
    if (!bd.existeTabla(tabla)) return;
    DefTabla def = bd.definicionTabla(tabla);
    bool estrecho = false;
    for (DefCampo& c : def.campos) {
        if ((c.nombre == u"NumeralEnviado" || c.nombre == u"NumeralRecibido") && c.tamano < TamanoNumeral) {
            c.tamano = TamanoNumeral;
            estrecho = true;
        }
    }
    if (!estrecho) return;
    QStringList indices;
    bd.recorre(QStringLiteral("SELECT sql FROM sqlite_master WHERE type = 'index' AND sql IS NOT NULL AND "
                              "tbl_name = %1")
                   .arg(Comillas(tabla)),
               [&](const ConjuntoRegistros& r) { indices << r.valor(0).toString(); });
    const QString nueva = tabla + QStringLiteral("Ensanchada");
    def.nombre = nueva;
    bd.creaTabla(def);
    bd.ejecuta(QStringLiteral("INSERT INTO \"%1\" SELECT * FROM \"%2\"").arg(nueva, tabla));
    bd.ejecuta(QStringLiteral("DROP TABLE \"%1\"").arg(tabla));
    bd.ejecuta(QStringLiteral("ALTER TABLE \"%1\" RENAME TO \"%2\"").arg(nueva, tabla));
    for (const QString& sql : indices)
        bd.ejecuta(sql);
}

void AnadeFrecuencia(BaseDatos& bd, const QString& tabla) {
    if (!bd.existeTabla(tabla)) return;
    for (const DefCampo& c : bd.definicionTabla(tabla).campos)
        if (c.nombre.compare(CampoFrecuencia.nombre, Qt::CaseInsensitive) == 0) return;
    bd.agregaCampo(tabla, CampoFrecuencia);
}

void CreaEnEsquema(const DefTabla& def) {
    auto bd = BaseDatos::Abre(NombreBaseEsquema);
    bd->creaTabla(def);
}

} // namespace

DefTabla DefinicionConcursos() {
    DefTabla d = Tabla("Concursos");
    d.agrega("NumeroOrden", T::Entero32)
        .agrega("NombreConcurso", T::Texto, 64)
        .agrega("Edicion", T::Texto, 4)
        .agrega("NumeroPuntosEnviar", T::Texto, 6)
        .agrega("MiLocator", T::Texto, 6)
        .agrega("UltimoNumEnviado", T::Entero16)
        .agrega("Siglas", T::Texto, 64)
        .agrega("HoraUTCActual", T::Texto, 3)
        .agrega("HorasRepeticion", T::Texto, 5);
    Serie(d, "Banda", 0, 15, T::SiNo);
    Serie(d, "Modo", 0, 17, T::SiNo);
    for (const char* n :
         {"EnviarNumeral",   "EnviarSiglas",       "EnviarLocator",     "EnviarPuntos",
          "EnviarZonaCq",    "RecibirNumeral",     "RecibirSiglas",     "RecibirLocator",
          "RecibirPuntos",   "RecibirZonaCq",      "NumeraloSiglas",    "LiteralFijo",
          "LiteralVariable", "HoraLocal",          "HoraUTC",           "NoRepetir",
          "RepetirEstacion", "RepetirEnCadaBanda", "RepetirEnCadaModo", "RepetirEnCadaHoras"}) {
        d.agrega(n, T::SiNo);
    }
    // Read as option indexes by the log window: small integers that start at 0, the first option.
    d.agrega("Indicebanda", T::Entero16).agrega("IndiceModo", T::Entero16);
    d.campos[d.campos.size() - 2].predeterminado = 0;
    d.campos[d.campos.size() - 1].predeterminado = 0;
    d.agrega("EnviarRst", T::SiNo).agrega("RecibirRst", T::SiNo);
    return d;
}

DefTabla DefinicionResumenCabrillo() {
    DefTabla d = Tabla("ResumenCabrillo");
    // NombreConcurso as wide as the contest's name, so a copied name always fits.
    d.agrega("NumeroOrden", T::Entero32).agrega("NombreConcurso", T::Texto, 64);
    for (const char* n : {"Edicion", "FormatoCabrillo"})
        d.agrega(n, T::Texto, 20);
    d.agrega("Categoria", T::Texto, 64);
    for (const char* n : {"Banda", "Potencia", "Modo", "Overlay", "Asistido", "Estacion", "Tx", "Time"}) {
        d.agrega(n, T::Texto, 20);
    }
    d.agrega("RstEnv", T::SiNo).agrega("NumeralEnv", T::SiNo).agrega("LetrasEnv", T::SiNo);
    d.agrega("PuntosEnv", T::Entero16).agrega("LocatorEnv", T::Entero16);
    d.agrega("RstRec", T::SiNo).agrega("NumeralRec", T::SiNo).agrega("LetrasRec", T::SiNo);
    d.agrega("PuntosRec", T::Entero16).agrega("LocatorRec", T::Entero16);
    for (const char* n : {"MiIndicativo", "MiRst", "MiNumero", "MisLetras", "MisPuntos", "MiLocator",
                          "SuIndicativo", "SuRst", "SuNumero", "SusLetras", "SusPuntos", "SuLocator"}) {
        d.agrega(n, T::Entero16);
    }
    Serie(d, "OffTimeInicio", 1, 3, T::Texto, 15);
    Serie(d, "OffTimeFinal", 1, 3, T::Texto, 15);
    d.agrega("Operators", T::Texto, 64)
        .agrega("Email", T::Texto, 64)
        .agrega("ConfiguraOtraCategoria", T::SiNo)
        .agrega("OtraCategoria", T::Texto, 64);
    return d;
}

DefTabla DefinicionFormatoEspecial() {
    DefTabla d = Tabla("FormatoEspecial");
    d.agrega("NumeroOrden", T::Entero32)
        .agrega("CategoriaConcurso", T::Texto, 64)
        .agrega("CategoriaCabrillo", T::Texto, 64);
    return d;
}

DefTabla DefinicionIndicativos() {
    DefTabla d = Tabla("Indicativos");
    d.agrega("NumeroOrden", T::Entero32)
        .agrega("Indicativo", T::Texto, 12)
        .agrega("Operador", T::Texto, 64)
        .agrega("Direccion", T::Texto, 64)
        .agrega("Poblacion", T::Texto, 64)
        .agrega("Pais", T::Texto, 24);
    return d;
}

DefTabla DefinicionControl() {
    DefTabla d = Tabla("Control");
    for (const char* n : {"UltimoConcurso", "UltimoIndicativo", "ConcursoActivo", "IndicativoActivo"})
        d.agrega(n, T::Entero16);
    Serie(d, "BandaUser", 1, 3, T::Texto, 10);
    Serie(d, "ModoUser", 1, 10, T::Texto, 10);
    Serie(d, "TipoUser", 1, 10, T::Texto, 3);
    d.agrega("TantoPorCien", T::Entero16);
    return d;
}

DefTabla DefinicionContactos() {
    DefTabla d = Tabla("Contactos");
    d.agrega("NumeroOrden", T::Entero32)
        .agrega("NumeroQso", T::Entero32)
        .agrega("Fecha", T::FechaHora)
        .agrega("Hora", T::Texto, 5)
        .agrega("Banda", T::Texto, 10)
        .agrega("Modo", T::Texto, 10)
        .agrega("Indicativo", T::Texto, 14)
        .agrega("RstEnviado", T::Texto, 5)
        .agrega("LiteralEnviado", T::Texto, 64)
        .agrega("NumeralEnviado", T::Texto, TamanoNumeral)
        .agrega("PuntosEnviados", T::Texto, 4)
        .agrega("LocatorEnviado", T::Texto, 6)
        .agrega("RstRecibido", T::Texto, 5)
        .agrega("LiteralRecibido", T::Texto, 64)
        .agrega("NumeralRecibido", T::Texto, TamanoNumeral)
        .agrega("PuntosRecibidos", T::Texto, 4)
        .agrega("LocatorRecibido", T::Texto, 6);
    return d;
}

DefTabla DefinicionListados() {
    DefTabla d = DefinicionContactos();
    d.nombre = "Listados";
    return d;
}

void CreaTablaConcursos() {
    auto bd = BaseDatos::Crea(NombreBaseEsquema);
    bd->creaTabla(DefinicionConcursos());
}

void CreaTablaResumenCabrillo() {
    CreaEnEsquema(DefinicionResumenCabrillo());
}
void CreaTablaFormatoEspecial() {
    CreaEnEsquema(DefinicionFormatoEspecial());
}
void CreaTablaIndicativos() {
    CreaEnEsquema(DefinicionIndicativos());
}
void CreaTablaContactos() {
    CreaEnEsquema(DefinicionContactos());
}
void CreaTablaListados() {
    CreaEnEsquema(DefinicionListados());
}

void CreaTablaControl() {
    auto bd = BaseDatos::Abre(NombreBaseEsquema);
    BaseDatos::Transaccion t(*bd); // the table never exists without its one row
    bd->creaTabla(DefinicionControl());
    auto rs = bd->abreConjunto("Control");
    rs.anade();
    for (const char* n : {"UltimoConcurso", "UltimoIndicativo", "ConcursoActivo", "IndicativoActivo"})
        rs.asigna(n, 0);
    for (int i = 1; i <= 3; ++i)
        rs.asigna(QStringLiteral("BandaUser%1").arg(i), QStringLiteral("User%1").arg(i));
    for (int i = 1; i <= 10; ++i) {
        rs.asigna(QStringLiteral("ModoUser%1").arg(i), QStringLiteral("User%1").arg(i));
        rs.asigna(QStringLiteral("TipoUser%1").arg(i), QStringLiteral("59"));
    }
    rs.asigna("TantoPorCien", 1);
    rs.actualiza();
    t.confirma();
}

void CreaTodasLasTablas() {
    CreaTablaConcursos();
    CreaTablaResumenCabrillo();
    CreaTablaFormatoEspecial();
    CreaTablaIndicativos();
    CreaTablaControl();
    CreaTablaContactos();
    CreaTablaListados();
}

void AñadeCampoMes() {
    auto bd = BaseDatos::Abre(NombreBaseDatos);
    const DefTabla def = bd->definicionTabla("Concursos");
    for (const DefCampo& c : def.campos) {
        if (c.nombre == QLatin1String("Mes")) return;
    }
    bd->agregaCampo("Concursos", DefCampo("Mes", TipoCampo::Texto, 12));
}

DefTabla DefinicionRadio() {
    DefTabla d = Tabla("Radio");
    d.agrega("Tipo", T::Entero16)
        .agrega("Modelo", T::Entero32)
        .agrega("Dispositivo", T::Texto, 255)
        .agrega("Velocidad", T::Entero32)
        .agrega("Host", T::Texto, 255)
        .agrega("PuertoRed", T::Entero32);
    return d;
}

void CreaTablaRadio(BaseDatos& bd) {
    if (!bd.existeTabla(QStringLiteral("Radio"))) bd.creaTabla(DefinicionRadio());
}

void CreaTablaRadio() {
    auto bd = BaseDatos::Abre(NombreBaseDatos);
    CreaTablaRadio(*bd);
}

Verificacion VerificaTiposCampos(const DefTabla& tabla, QStringList& valores) {
    for (int i = 0; i < tabla.cuenta() && i < valores.size(); ++i) {
        QString& valor = valores[i];
        Verificacion v;
        switch (tabla.campo(i).tipo) {
        case TipoCampo::FechaHora:
            v = VerificaFecha(valor);
            break;
        case TipoCampo::Entero16:
        case TipoCampo::Entero32:
            if (!VerificaNumero(valor)) v.rechazo.emplace();
            break;
        default:
            break;
        }
        if (v.rechazo) {
            v.rechazo->foco = i;
            return v;
        }
    }
    return {};
}

void IndexaContactos(BaseDatos& bd) {
    BaseDatos::Transaccion t(bd);
    // Indexes ordered by the program's NOCASE are rebuilt differently by every other tool.
    QStringList viejos;
    bd.recorre(
        QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'index' AND tbl_name = 'Contactos' "
                       "AND name LIKE 'ContactosPorIndicativo_%'"),
        [&](const ConjuntoRegistros& r) { viejos << r.valor(0).toString(); });
    for (const QString& viejo : viejos)
        bd.ejecuta(QStringLiteral("DROP INDEX \"%1\"").arg(viejo));
    for (const QString& sql : {
             QStringLiteral("ContactosPorNumero ON Contactos (NumeroOrden, NumeroQso)"),
             QStringLiteral("ContactosPorIndicativo ON Contactos (NumeroOrden, Indicativo COLLATE BINARY)"),
             QStringLiteral("ContactosPorSerie ON Contactos (NumeroOrden, %1)").arg(SerieEnviada),
             QStringLiteral("ContactosPorBandaSerie ON Contactos (NumeroOrden, Banda COLLATE BINARY, %1)")
                 .arg(SerieEnviada),
         })
        bd.ejecuta(QStringLiteral("CREATE INDEX IF NOT EXISTS ") + sql);
    t.confirma();
}

void ActualizaTablasContactos(BaseDatos& bd) {
    BaseDatos::Transaccion t(bd);
    EnsanchaNumerales(bd, QStringLiteral("Contactos"));
    EnsanchaNumerales(bd, QStringLiteral("Listados"));
    // Appended to both: Listados is filled from Contactos by position.
    for (const QString& tabla : {QStringLiteral("Contactos"), QStringLiteral("Listados")})
        AnadeFrecuencia(bd, tabla);
    if (bd.existeTabla(QStringLiteral("Contactos"))) IndexaContactos(bd);
    t.confirma();
}

void ActualizaTablasContactos() {
    auto bd = BaseDatos::Abre(NombreBaseDatos);
    ActualizaTablasContactos(*bd);
}
