#include "Falsos.h"

AvisosFalsos::AvisosFalsos() : previo_(Avisos::instala(this)) {}
AvisosFalsos::~AvisosFalsos() {
    Avisos::instala(previo_);
}

Respuesta AvisosFalsos::muestra(const Aviso& aviso) {
    cajas.push_back(aviso);
    if (respuestas.empty()) return aviso.porDefecto;
    const Respuesta r = respuestas.front();
    respuestas.pop_front();
    return r;
}

QStringList AvisosFalsos::textos() const {
    QStringList t;
    for (const auto& c : cajas)
        t << c.texto;
    return t;
}

RelojFalso::RelojFalso(QDateTime m) : momento(std::move(m)), previo_(Reloj::instala(this)) {}
RelojFalso::~RelojFalso() {
    Reloj::instala(previo_);
}

SistemaFalso::SistemaFalso() : previo_(Sistema::instala(this)) {}
SistemaFalso::~SistemaFalso() {
    Sistema::instala(previo_);
}

bool SistemaFalso::arranca(const QString& programa, const QStringList& argumentos) {
    arranques.push_back({programa, argumentos});
    return arrancaOk;
}

namespace {
class SalidaSinSitio : public ArchivoSalida {
public:
    bool escribe(const QByteArray&) override { return true; }
    bool confirma() override { return false; }
    QString razon() const override { return QStringLiteral("no queda espacio en el disco"); }
};
} // namespace

DiscoLleno::DiscoLleno() : previo_(Archivos::instala(this)) {}
DiscoLleno::~DiscoLleno() {
    Archivos::instala(previo_);
}
std::unique_ptr<ArchivoSalida> DiscoLleno::creaSalida(const QString& ruta, QString&) {
    abiertos << ruta;
    return std::make_unique<SalidaSinSitio>();
}
