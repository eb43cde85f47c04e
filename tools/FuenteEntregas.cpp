#include "FuenteEntregas.h"

#include "DatosPrincipal.h"
#include "Esquema.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSet>

#include <filesystem>
#include <limits>

namespace {

const DefTabla* BuscaTabla(const std::vector<DefTabla>& tablas, const QString& nombre) {
    for (const DefTabla& t : tablas)
        if (t.nombre.compare(nombre, Qt::CaseInsensitive) == 0) return &t;
    return nullptr;
}

int PosicionCampo(const DefTabla& def, const QString& nombre) {
    for (int i = 0; i < def.cuenta(); ++i)
        if (def.campo(i).nombre.compare(nombre, Qt::CaseInsensitive) == 0) return i;
    return -1;
}

QVariant ValorVacio(TipoCampo tipo) {
    switch (tipo) {
    case TipoCampo::SiNo:
        return false;
    case TipoCampo::Entero16:
    case TipoCampo::Entero32:
        return 0;
    default:
        return QString();
    }
}

QVariant ConvierteValor(const DefCampo& campo, const QString& texto, int linea) {
    switch (campo.tipo) {
    case TipoCampo::SiNo:
        if (texto.compare("Si", Qt::CaseInsensitive) == 0 || texto.compare("Sí", Qt::CaseInsensitive) == 0)
            return true;
        if (texto.compare("No", Qt::CaseInsensitive) == 0) return false;
        throw ErrorFuente(linea,
                          QStringLiteral("%1 admite \"Si\" o \"No\", no \"%2\"").arg(campo.nombre, texto));
    case TipoCampo::Entero16:
    case TipoCampo::Entero32: {
        bool ok = false;
        const qlonglong n = texto.toLongLong(&ok);
        const qlonglong maximo =
            campo.tipo == TipoCampo::Entero16 ? 32767 : std::numeric_limits<qint32>::max();
        if (!ok || n < -maximo - 1 || n > maximo)
            throw ErrorFuente(linea, QStringLiteral("%1 admite un número entero hasta %2, no \"%3\"")
                                         .arg(campo.nombre)
                                         .arg(maximo)
                                         .arg(texto));
        return static_cast<int>(n);
    }
    case TipoCampo::FechaHora:
        throw ErrorFuente(linea, QStringLiteral("%1: fechas no admitidas").arg(campo.nombre));
    case TipoCampo::Texto:
        if (campo.tamano > 0 && texto.size() > campo.tamano)
            throw ErrorFuente(
                linea,
                QStringLiteral("%1 admite como máximo %2 caracteres").arg(campo.nombre).arg(campo.tamano));
        return texto;
    }
    return {};
}

QString Texto(const FilaFuente& f, const DefTabla& def, const char* campo) {
    return f.valores[static_cast<size_t>(PosicionCampo(def, campo))].toString();
}

// Rows that the merge could not link or that would clash once delivered.
void CompruebaNuevos(std::vector<FilaFuente>& filas, const std::vector<DefTabla>& tablas) {
    const DefTabla& concursos = tablas[0];
    const DefTabla& resumen = tablas[1];
    const DefTabla& formato = tablas[2];
    QHash<int, QString> nombrePorNumero;
    QHash<QString, int> numeroPorNombre; // case-folded: the merge compares names ignoring case
    QSet<QString> conResumen;
    for (const FilaFuente& f : filas) {
        if (f.tabla != concursos.nombre) continue;
        const int numero = f.valores[0].toInt();
        const QString nombre = Texto(f, concursos, "NombreConcurso");
        if (numero <= 0) throw ErrorFuente(f.linea, "el concurso necesita un NumeroOrden mayor que 0");
        if (nombre.trimmed().isEmpty()) throw ErrorFuente(f.linea, "el concurso necesita NombreConcurso");
        if (nombrePorNumero.contains(numero))
            throw ErrorFuente(f.linea, QStringLiteral("NumeroOrden %1 repetido").arg(numero));
        if (numeroPorNombre.contains(nombre.toCaseFolded()))
            throw ErrorFuente(f.linea, QStringLiteral("concurso \"%1\" repetido").arg(nombre));
        nombrePorNumero.insert(numero, nombre);
        numeroPorNombre.insert(nombre.toCaseFolded(), numero);
    }
    for (FilaFuente& f : filas) {
        if (f.tabla == resumen.nombre) {
            const QString nombre = Texto(f, resumen, "NombreConcurso").toCaseFolded();
            if (!numeroPorNombre.contains(nombre))
                throw ErrorFuente(f.linea, "el resumen no nombra ningún concurso de la fuente");
            if (conResumen.contains(nombre)) throw ErrorFuente(f.linea, "segundo resumen del mismo concurso");
            conResumen.insert(nombre);
            const int numero = numeroPorNombre.value(nombre);
            if (f.valores[0].toInt() != 0 && f.valores[0].toInt() != numero)
                throw ErrorFuente(f.linea,
                                  QStringLiteral("NumeroOrden no es el del concurso (%1)").arg(numero));
            f.valores[0] = numero;
        } else if (f.tabla == formato.nombre && !nombrePorNumero.contains(f.valores[0].toInt())) {
            throw ErrorFuente(f.linea, "la categoría no tiene NumeroOrden de ningún concurso de la fuente");
        }
    }
}

void CompruebaMeses(const std::vector<FilaFuente>& filas, const DefTabla& def) {
    QSet<QString> vistos;
    for (const FilaFuente& f : filas) {
        const QString nombre = Texto(f, def, "Concurso");
        if (nombre.trimmed().isEmpty()) throw ErrorFuente(f.linea, "la fila necesita Concurso");
        if (Texto(f, def, "Mes").isEmpty()) throw ErrorFuente(f.linea, "la fila necesita Mes");
        if (vistos.contains(nombre.toCaseFolded()))
            throw ErrorFuente(f.linea, QStringLiteral("concurso \"%1\" repetido").arg(nombre));
        vistos.insert(nombre.toCaseFolded());
    }
}

} // namespace

std::vector<DefTabla> TablasEntrega(TipoEntrega tipo) {
    if (tipo == TipoEntrega::MesesConcursos) {
        DefTabla d;
        d.nombre = "Concursos";
        d.agrega("Concurso", TipoCampo::Texto, 64).agrega("Mes", TipoCampo::Texto, 12);
        return {d};
    }
    DefTabla concursos = DefinicionConcursos();
    concursos.agrega("Mes", TipoCampo::Texto, 12);
    return {concursos, DefinicionResumenCabrillo(), DefinicionFormatoEspecial()};
}

std::vector<FilaFuente> LeeFuente(TipoEntrega tipo, const QString& texto) {
    const std::vector<DefTabla> tablas = TablasEntrega(tipo);
    std::vector<FilaFuente> filas;
    const DefTabla* actual = nullptr;
    QSet<int> asignados;
    const QStringList lineas = texto.split('\n');
    for (int i = 0; i < lineas.size(); ++i) {
        const int linea = i + 1;
        const QString l = lineas[i].trimmed();
        if (l.isEmpty() || l.startsWith('#')) continue;
        if (l.startsWith('[')) {
            if (!l.endsWith(']')) throw ErrorFuente(linea, "falta \"]\"");
            actual = BuscaTabla(tablas, l.mid(1, l.size() - 2).trimmed());
            if (!actual) throw ErrorFuente(linea, QStringLiteral("tabla desconocida %1").arg(l));
            FilaFuente f{linea, actual->nombre, {}};
            for (const DefCampo& c : actual->campos)
                f.valores.push_back(ValorVacio(c.tipo));
            filas.push_back(std::move(f));
            asignados.clear();
            continue;
        }
        const qsizetype igual = l.indexOf('=');
        if (igual < 0) throw ErrorFuente(linea, "se esperaba \"[Tabla]\" o \"Campo = valor\"");
        if (!actual) throw ErrorFuente(linea, "campo antes de la primera \"[Tabla]\"");
        const QString campo = l.left(igual).trimmed();
        const int pos = PosicionCampo(*actual, campo);
        if (pos < 0)
            throw ErrorFuente(linea,
                              QStringLiteral("campo desconocido %1 en [%2]").arg(campo, actual->nombre));
        if (asignados.contains(pos)) throw ErrorFuente(linea, QStringLiteral("campo %1 repetido").arg(campo));
        asignados.insert(pos);
        const QString valor = l.mid(igual + 1).trimmed();
        if (actual->campo(pos).nombre == "Mes" && !valor.isEmpty() && MesesLista().indexOf(valor) < 1)
            throw ErrorFuente(linea, QStringLiteral("mes desconocido \"%1\" (ENERO a DICIEMBRE)").arg(valor));
        filas.back().valores[static_cast<size_t>(pos)] = ConvierteValor(actual->campo(pos), valor, linea);
    }
    if (tipo == TipoEntrega::NuevosConcursos)
        CompruebaNuevos(filas, tablas);
    else
        CompruebaMeses(filas, tablas[0]);
    return filas;
}

void EscribeEntrega(TipoEntrega tipo, const std::vector<FilaFuente>& filas, const QString& destino) {
    const QFileInfo info(destino);
    // Built beside the destination and renamed over it: a failed run never leaves half a file.
    const QString temporal = info.absoluteDir().filePath("." + info.fileName() + ".nuevo");
    QFile::remove(temporal);
    try {
        auto bd = BaseDatos::Crea(temporal);
        const std::vector<DefTabla> tablas = TablasEntrega(tipo);
        BaseDatos::Transaccion t(*bd);
        for (const DefTabla& def : tablas) {
            bd->creaTabla(def);
            ConjuntoRegistros r = bd->abreConjunto(def.nombre);
            for (const FilaFuente& f : filas) {
                if (f.tabla != def.nombre) continue;
                r.anade();
                for (int i = 0; i < def.cuenta(); ++i)
                    r.asigna(i, f.valores[static_cast<size_t>(i)]);
                r.actualiza();
            }
        }
        t.confirma();
        bd->ejecuta("PRAGMA journal_mode=DELETE"); // one self-contained file to deliver
    } catch (...) {
        QFile::remove(temporal);
        throw;
    }
    std::error_code error;
    std::filesystem::rename(QFile::encodeName(temporal).toStdString(),
                            QFile::encodeName(destino).toStdString(), error);
    if (error) {
        QFile::remove(temporal);
        throw ErrorBD(QStringLiteral("No se puede escribir '%1': %2")
                          .arg(destino, QString::fromStdString(error.message())));
    }
}
