#include "Ayudas.h"

#include "CampoTexto.h"
#include "Esquema.h"

#include <QCheckBox>
#include <QFile>
#include <QGroupBox>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

void CreaBaseTrabajo() {
    CreaTodasLasTablas();
    ASSERT_TRUE(QFile::rename(NombreBaseEsquema, NombreBaseDatos));
    AñadeCampoMes();
}

namespace {
void AnadeFila(const QString& tabla, const std::vector<std::pair<QString, QVariant>>& campos) {
    ConjuntoRegistros r = BaseDatos::Abre(NombreBaseDatos)->abreConjunto(tabla);
    r.anade();
    for (const auto& [campo, valor] : campos)
        if (valor.isValid()) r.asigna(campo, valor);
    r.actualiza();
}
} // namespace

void AnadeIndicativo(int numero, const QString& indicativo) {
    AnadeFila("Indicativos",
              {{"NumeroOrden", numero}, {"Indicativo", indicativo}, {"Operador", "OPERADOR " + indicativo}});
}

void AnadeConcurso(int numero, const QString& nombre, const QString& edicion, const QVariant& mes) {
    AnadeFila("Concursos", {{"NumeroOrden", numero},
                            {"NombreConcurso", nombre},
                            {"Edicion", edicion},
                            {"UltimoNumEnviado", 0},
                            {"Mes", mes}});
}

void Ejecuta(const QString& sql) {
    BaseDatos::Abre(NombreBaseDatos)->ejecuta(sql);
}

void EscribeControl(const QString& campo, int valor) {
    ConjuntoRegistros r = BaseDatos::Abre(NombreBaseDatos)->abreConjunto("Control");
    r.edita();
    r.asigna(campo, valor);
    r.actualiza();
}

int LeeControl(const QString& campo) {
    return BaseDatos::Abre(NombreBaseDatos)->abreConjunto("Control").entero(campo);
}

void PruebaVentana::NuevaVentana() {
    ventana.reset();
    estado = std::make_unique<EstadoPrincipal>();
    ventana = std::make_unique<FConcursos>(*estado);
    ventana->Termina = [this] { ++terminaciones; };
}

FConcursos::Carga PruebaVentana::Carga(const QString& linea) {
    if (!ventana) NuevaVentana();
    const FConcursos::Carga c = ventana->Form_Load(linea);
    if (c == FConcursos::Carga::Mostrada) {
        ventana->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(ventana.get()));
    }
    return c;
}

void EsPreguntaDeBorrado(const Aviso& pregunta, const QString& texto) {
    EXPECT_EQ(pregunta.texto, texto);
    EXPECT_EQ(pregunta.titulo, "VERIFICAR BORRADO DE QSO");
    EXPECT_EQ(pregunta.icono, Icono::Critico);
    EXPECT_EQ(pregunta.botones, Botones::SiNo);
    EXPECT_EQ(pregunta.porDefecto, Respuesta::No);
}

QStringList Textos(const QListWidget* lista) {
    QStringList t;
    for (int i = 0; i < lista->count(); ++i)
        t << lista->item(i)->text();
    return t;
}

QGroupBox* PruebaVentana::Marco(const QString& nombre) const {
    return Control<QGroupBox>(nombre);
}

CampoTexto* PruebaVentana::CajaConcurso(int i) const {
    return Control<CampoTexto>(QStringLiteral("text3_%1").arg(i));
}

CampoTexto* PruebaVentana::CajaEstacion(int i) const {
    return Control<CampoTexto>(QStringLiteral("text2_%1").arg(i));
}

QCheckBox* PruebaVentana::Banda(int i) const {
    return Control<QCheckBox>(QStringLiteral("SSCheck2_%1").arg(i));
}

QCheckBox* PruebaVentana::Modo(int i) const {
    return Control<QCheckBox>(QStringLiteral("SSCheck1_%1").arg(i));
}
