#include "PanelConcurso.h"

#include "CampoTexto.h"
#include "DatosPrincipal.h"
#include "Nombres.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace {
const std::array<const char*, 10> EtiquetasConcurso{"Número",
                                                    "Concurso",
                                                    "Edición",
                                                    "Puntos a enviar",
                                                    "Mi Locator para el CONCURSO : ",
                                                    "Último Num. serie enviado : ",
                                                    "Siglas, Ref., Letras o Control a enviar:",
                                                    "Hora UTC = Local  ",
                                                    "Repetir cada",
                                                    "MES"};
const std::array<const char*, 16> Bandas{"1.8", "3.5", "7",   "10",  "14",   "18",    "21",    "24",
                                         "28",  "50",  "144", "432", "1296", "User1", "User2", "User3"};
const std::array<const char*, 18> Modos{"AM",    "CW",     "USB",   "LSB",   "SSB",   "FM",
                                        "RTTY",  "Packet", "User1", "User2", "User3", "User4",
                                        "User5", "User6",  "User7", "User8", "User9", "User10"};
// Boxes 0 to 8 show the field at their own position; box 9 shows Mes, the table's last field.
constexpr int CajaMes = 9;

QCheckBox* Casilla(QWidget* padre, const QString& nombre, const QString& titulo) {
    auto* c = new QCheckBox(titulo, padre);
    Nombra(c, nombre, titulo);
    return c;
}
} // namespace

PanelConcurso::PanelConcurso(QWidget* parent) : QGroupBox(QStringLiteral("CONCURSO"), parent) {
    setObjectName("PanelConcurso");
    auto* columna = new QVBoxLayout(this);

    auto* rejilla = new QGridLayout;
    for (size_t i = 0; i < text3.size(); ++i) {
        const QString nombre = QStringLiteral("text3_%1").arg(i);
        etiquetas[i] = Etiqueta(this, "Label" + nombre, QString::fromUtf8(EtiquetasConcurso[i]));
        text3[i] = new CampoTexto(Qt::yellow, this);
        Nombra(text3[i], nombre, etiquetas[i]->text());
        text3[i]->setBloqueado(true);
        rejilla->addWidget(etiquetas[i], static_cast<int>(i), 0);
        rejilla->addWidget(text3[i], static_cast<int>(i), 1);
    }
    // The points box has no label of its own: it sits beside the "send points" choice. Screen
    // readers still need a name for it.
    etiquetas[3]->clear();
    LabelUTC = etiquetas[7];
    LabelUTC->setObjectName("LabelUTC");
    text3[CajaMes]->setMaxLength(80);
    columna->addLayout(rejilla);

    auto* opciones = new QHBoxLayout;
    PanelBandas = new QGroupBox(QStringLiteral("Bandas"), this);
    PanelBandas->setObjectName("PanelBandas");
    auto* rejillaBandas = new QGridLayout(PanelBandas);
    for (size_t i = 0; i < SSCheck2.size(); ++i) {
        SSCheck2[i] = Casilla(PanelBandas, QStringLiteral("SSCheck2_%1").arg(i), Bandas[i]);
        rejillaBandas->addWidget(SSCheck2[i], static_cast<int>(i % 8), static_cast<int>(i / 8));
    }
    PanelModos = new QGroupBox(QStringLiteral("Modos"), this);
    PanelModos->setObjectName("PanelModos");
    auto* rejillaModos = new QGridLayout(PanelModos);
    for (size_t i = 0; i < SSCheck1.size(); ++i) {
        SSCheck1[i] = Casilla(PanelModos, QStringLiteral("SSCheck1_%1").arg(i), Modos[i]);
        rejillaModos->addWidget(SSCheck1[i], static_cast<int>(i % 9), static_cast<int>(i / 9));
    }
    opciones->addWidget(PanelBandas);
    opciones->addWidget(PanelModos);
    columna->addLayout(opciones);

    // Laid over the band and mode frames only while the user names edit them.
    PanelNuevaBanda = new QGroupBox(QStringLiteral("&Añadir o cambiar  USER de Banda o Modo"), this);
    PanelNuevaBanda->setObjectName("PanelNuevaBanda");
    PanelNuevaBanda->hide();
    columna->addWidget(PanelNuevaBanda);
    columna->addStretch();
}

void PanelConcurso::LimpiaConcurso() {
    for (CampoTexto* t : text3)
        t->clear();
    for (QCheckBox* c : SSCheck2)
        c->setChecked(false);
    for (QCheckBox* c : SSCheck1)
        c->setChecked(false);
}

void PanelConcurso::MuestraConcurso(const ConjuntoRegistros& fila) {
    for (int i = 0; i < CajaMes; ++i)
        text3[static_cast<size_t>(i)]->setText(fila.valor(i).toString());
    text3[8]->setText(fila.texto("HorasRepeticion"));
    text3[CajaMes]->setText(fila.texto("Mes"));
}

void PanelConcurso::AjustaLongitudesConcurso(const DefTabla& defConcursos, int extra) {
    for (size_t i = 0; i < text3.size(); ++i)
        if (const auto largo = LongitudMaxima(defConcursos.campo(static_cast<int>(i)), extra))
            text3[i]->setMaxLength(*largo);
}

void PanelConcurso::BloqueaCamposConcurso(bool bloquear) {
    for (CampoTexto* t : text3)
        t->setBloqueado(bloquear);
}

bool PanelConcurso::NavegaCamposConcurso(QKeyEvent*) {
    // The contest editor brings its own field movement.
    return false;
}
