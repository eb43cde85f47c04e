#include "PanelCategoria.h"

#include "TextoLimpio.h"

#include "Nombres.h"
#include "PresetsConcurso.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSignalBlocker>

namespace {
// Labels of the nine value boxes, in CajasCabrillo order.
struct EtiquetaCaja {
    const char* nombre;
    const char* texto;
};
constexpr std::array<EtiquetaCaja, 9> EtiquetasCajas{{{"LCategoria", "Cate&goría"},
                                                      {"LBanda", "&Banda"},
                                                      {"LPotencia", "&Potencia"},
                                                      {"LModo", "&Modo"},
                                                      {"LOverlay", "O&verlay"},
                                                      {"LAsistido", "A&sistido"},
                                                      {"LEstacion", "T&ipo Estación"},
                                                      {"LTx", "T&ransmisores"},
                                                      {"LTime", "&Time"}}};
// Version 2.0 fills and shows the first five boxes; 3.0 all nine.
constexpr size_t CajasVersion20 = 5;
constexpr size_t CajasVersion30 = 9;

// What an empty (or null) stored value shows, per box in CajasCabrillo order: the default stays,
// or the text given is looked up like any stored value (not found: the first entry).
struct ReglaVacio {
    bool mantiene;
    const char* sustituto;
};
constexpr std::array<ReglaVacio, 9> ReglasVacio{{
    {true, nullptr},  // Categoria
    {false, ""},      // CatBanda
    {false, ""},      // CatPotencia
    {false, ""},      // CatModo
    {false, ""},      // CatOverlay
    {false, ""},      // CatAsistido
    {false, "FIXED"}, // CatEstacion: no station type means a fixed station
    {true, nullptr},  // CatTx
    {true, nullptr},  // CatTime
}};

void Rellena(QComboBox* caja, std::span<const char* const> entradas, const char* predeterminado) {
    const QSignalBlocker bloqueo(caja);
    caja->clear();
    for (const char* e : entradas)
        caja->addItem(QString::fromUtf8(e));
    caja->setCurrentIndex(predeterminado ? caja->findText(QString::fromUtf8(predeterminado)) : -1);
}

// The entry equal to the text, else the first one.
void EligeOPrimera(QComboBox* caja, const QString& texto) {
    const int i = PanelCategoria::BuscaEnLista(caja, texto);
    caja->setCurrentIndex(i >= 0 ? i : 0);
}
} // namespace

PanelCategoria::PanelCategoria(QWidget* parent) : QGroupBox(QStringLiteral("Categorias VÁLIDAS"), parent) {
    setObjectName("FrameCategoria");
    auto* rejilla = new QGridLayout(this);
    LFormato = Etiqueta(this, "LFormato", "&Formato");
    CatConcurso = new QComboBox(this);
    Nombra(CatConcurso, "CatConcurso", LFormato);
    rejilla->addWidget(LFormato, 0, 0);
    rejilla->addWidget(CatConcurso, 0, 1);
    for (size_t i = 0; i < cajas.size(); ++i) {
        etiquetas[i] = Etiqueta(this, EtiquetasCajas[i].nombre, QString::fromUtf8(EtiquetasCajas[i].texto));
        cajas[i] = new QComboBox(this);
        Nombra(cajas[i], CajasCabrillo[i].control, etiquetas[i]);
        // Two columns of label and box after the format.
        const int fila = static_cast<int>((i + 1) / 2);
        const int columna = static_cast<int>((i + 1) % 2) * 2;
        rejilla->addWidget(etiquetas[i], fila, columna);
        rejilla->addWidget(cajas[i], fila, columna + 1);
    }
    Categoria = cajas[0];
    CatBanda = cajas[1];
    CatPotencia = cajas[2];
    CatModo = cajas[3];
    CatOverlay = cajas[4];
    CatAsistido = cajas[5];
    CatEstacion = cajas[6];
    CatTx = cajas[7];
    CatTime = cajas[8];

    auto* lEmail = Etiqueta(this, "LEmail", "Su dirección EMAIL");
    EMAIL = new QLineEdit(this);
    Nombra(EMAIL, "EMAIL", lEmail);
    auto* lOperadores = Etiqueta(this, "LOperadores", "Operadores  separados por comas en caso de MULTI-OP");
    Operadores = new QLineEdit(this);
    Nombra(Operadores, "Operadores", lOperadores);
    for (QLineEdit* t : {EMAIL, Operadores}) {
        t->setMaxLength(64);
        FiltraControles(*t);
    }
    // Each long label above its box keeps the frame as narrow as its choice boxes.
    rejilla->addWidget(lEmail, 5, 0, 1, 4);
    rejilla->addWidget(EMAIL, 6, 0, 1, 4);
    rejilla->addWidget(lOperadores, 7, 0, 1, 4);
    rejilla->addWidget(Operadores, 8, 0, 1, 4);

    ListaCategoriasCabrillo = new QListWidget(this);
    Nombra(ListaCategoriasCabrillo, "ListaCategoriasCabrillo", "Categorías del concurso");
    rejilla->addWidget(ListaCategoriasCabrillo, 9, 0, 1, 4);
    // Kept beside the descriptions only to pair each with its code.
    ListaCategorias = new QListWidget(this);
    Nombra(ListaCategorias, "ListaCategorias", "Códigos de las categorías");
    ListaCategorias->hide();
    ListaCategoriasCabrillo->hide();
    for (size_t i = CajasVersion20; i < CajasVersion30; ++i) {
        cajas[i]->hide();
        etiquetas[i]->hide();
    }

    connect(CatConcurso, &QComboBox::currentIndexChanged, this, &PanelCategoria::CatConcurso_Click);
    connect(ListaCategoriasCabrillo, &QListWidget::currentRowChanged, this,
            &PanelCategoria::ListaCategoriasCabrillo_Click);
}

// --- Layouts ---

void PanelCategoria::OcultaListaCategorias() {
    ListaCategoriasCabrillo->hide();
}

void PanelCategoria::CargaTipoConcursos() {
    const QSignalBlocker bloqueo(CatConcurso);
    CatConcurso->clear();
    CatConcurso->addItem(FormatoCabrillo20);
    CatConcurso->addItem(FormatoCabrillo30);
    CatConcurso->setCurrentIndex(-1);
}

void PanelCategoria::IniciaTipoConcursos() {
    CargaTipoConcursos();
    CatConcurso->setCurrentIndex(0);
}

void PanelCategoria::RellenaCajas(VersionCabrillo version, size_t cuantas) {
    for (size_t i = 0; i < cuantas; ++i) {
        const ListaCabrillo lista = ValoresCabrillo(version, CajasCabrillo[i].caja);
        Rellena(cajas[i], lista.entradas, lista.predeterminado);
    }
}

void PanelCategoria::MuestraCajas(size_t visibles) {
    for (size_t i = 0; i < cajas.size(); ++i) {
        cajas[i]->setVisible(i < visibles);
        etiquetas[i]->setVisible(i < visibles);
    }
}

void PanelCategoria::EligeFormato(int indice) {
    // The format box of a special contest holds one entry: give back the two versions first.
    if (CatConcurso->count() != 2 || CatConcurso->itemText(0) != FormatoCabrillo20) CargaTipoConcursos();
    // The layout is already in place: choosing the format again must not refill it.
    const QSignalBlocker bloqueo(CatConcurso);
    CatConcurso->setCurrentIndex(indice);
}

void PanelCategoria::CargaComboCabrillo20() {
    MuestraCajas(CajasVersion20);
    RellenaCajas(VersionCabrillo::V20, CajasVersion20);
    EligeFormato(0);
}

void PanelCategoria::CargaComBoCabrillo30() {
    MuestraCajas(CajasVersion30);
    RellenaCajas(VersionCabrillo::V30, CajasVersion30);
    EligeFormato(1);
}

void PanelCategoria::MuestraFormatoEspecial() {
    MuestraCajas(1);
}

void PanelCategoria::CatConcurso_Click(int indice) {
    if (indice < 0 || EnActualizacion()) return;
    const QString formato = CatConcurso->currentText();
    if (formato == FormatoCabrillo30) {
        CargaComBoCabrillo30();
    } else if (formato == FormatoCabrillo20) {
        CargaComboCabrillo20();
    } else if (formato != FormatoEspecial) {
        CargaComboCabrillo20();
        Rellena(CatOverlay, OverlayFormatoDesconocido(), OverlayFormatoDesconocido()[0]);
        MuestraCajas(CajasVersion20);
        CatConcurso->setFocus();
    }
}

// --- Showing a summary ---

qint16 PanelCategoria::BuscaEnLista(const QComboBox* lista, const QString& texto) {
    return static_cast<qint16>(BuscaEntrada(
        lista->count(), [&](int i) { return lista->itemText(i); }, texto));
}

void PanelCategoria::CargaResumenCabrillo(BaseDatos& bd, int numeroOrden, const QString& nombre,
                                          const QString& edicion) {
    const std::optional<ValoresResumen> fila = LeeResumenCabrillo(bd, numeroOrden);
    if (fila && fila->formato == FormatoCabrillo30) {
        CargaComBoCabrillo30();
        MuestraResumenCabrillo30(*fila);
    } else if (fila && fila->formato == FormatoCabrillo20) {
        CargaComboCabrillo20();
        MuestraResumenCabrillo20(*fila);
    } else if (fila && fila->formato == FormatoEspecial) {
        CargaFormatoEspecial(bd, numeroOrden, *fila);
    } else {
        CargaComboCabrillo20();
        // Showing a contest stores nothing of its own; only a missing summary is made, so that
        // every contest shown has one for its log.
        if (!fila) EscribeResumenCabrillo(bd, numeroOrden, nombre, edicion, ValoresMostrados());
    }
}

void PanelCategoria::MuestraValores(const ValoresResumen& fila, size_t cuantas) {
    for (size_t i = 0; i < cuantas; ++i) {
        const ReglaVacio& regla = ReglasVacio[i];
        QString valor = fila.categorias[i];
        if (valor.isEmpty()) {
            if (regla.mantiene) continue;
            valor = QString::fromUtf8(regla.sustituto);
        }
        EligeOPrimera(cajas[i], valor);
    }
    EMAIL->setText(fila.email);
    Operadores->setText(fila.operadores);
}

void PanelCategoria::MuestraResumenCabrillo20(const ValoresResumen& fila) {
    MuestraValores(fila, CajasVersion20);
    EligeFormato(0);
}

void PanelCategoria::MuestraResumenCabrillo30(const ValoresResumen& fila) {
    MuestraValores(fila, CajasVersion30);
    EligeFormato(1);
}

void PanelCategoria::UnaEntrada(QComboBox* caja, const QString& texto) {
    const QSignalBlocker bloqueo(caja);
    caja->clear();
    caja->addItem(texto);
    caja->setCurrentIndex(0);
}

void PanelCategoria::LlenaListas(const std::vector<CategoriaEspecial>& categorias) {
    // Emptied quietly: only choosing a category is a reaction.
    const QSignalBlocker bloqueo(ListaCategoriasCabrillo);
    ListaCategoriasCabrillo->clear();
    ListaCategorias->clear();
    for (const CategoriaEspecial& c : categorias) {
        ListaCategoriasCabrillo->addItem(c.descripcion);
        ListaCategorias->addItem(c.codigo);
    }
    ListaCategoriasCabrillo->setCurrentRow(-1);
}

void PanelCategoria::CargaFormatoEspecial(BaseDatos& bd, int numeroOrden, const ValoresResumen& fila) {
    MuestraFormatoEspecial();
    LlenaListas(LeeFormatoEspecial(bd, numeroOrden));
    UnaEntrada(CatConcurso, fila.formato);
    {
        const QSignalBlocker bloqueo(Categoria);
        Categoria->clear();
    }
    // The contest's own address and operators, not those of the contest shown before, which
    // storing would otherwise copy into this one.
    EMAIL->setText(fila.email);
    Operadores->setText(fila.operadores);
    for (int i = 0; i < ListaCategorias->count(); ++i) {
        if (ListaCategorias->item(i)->text() == fila.categorias[0]) {
            ListaCategoriasCabrillo->setCurrentRow(i);
            break;
        }
    }
    ListaCategoriasCabrillo->show();
}

void PanelCategoria::ListaCategoriasCabrillo_Click(int fila) {
    if (fila < 0 || fila >= ListaCategorias->count()) return;
    UnaEntrada(Categoria, ListaCategorias->item(fila)->text());
    emit categoriaElegida(fila);
}

// --- Presets ---

bool PanelCategoria::CargaCategoriasConcurso(const QString& nombre) {
    const std::span<const CategoriaPreset> conjunto = CategoriasDeConcurso(nombre);
    if (conjunto.empty()) return false;
    MuestraFormatoEspecial();
    std::vector<CategoriaEspecial> categorias;
    for (const CategoriaPreset& c : conjunto)
        categorias.push_back({QString::fromUtf8(c.descripcion), QString::fromUtf8(c.codigo)});
    // Applying it again starts over from the first category.
    LlenaListas(categorias);
    ListaCategoriasCabrillo->setCurrentRow(0);
    UnaEntrada(CatConcurso, FormatoEspecial);
    UnaEntrada(Categoria, categorias.front().codigo);
    ListaCategoriasCabrillo->show();
    return true;
}

// --- Storing ---

bool PanelCategoria::EsEspecial() const {
    return CatConcurso->currentText() == FormatoEspecial;
}

int PanelCategoria::IndiceCategoriaElegida() const {
    // The hidden list may still hold the categories of a special contest shown before.
    return EsEspecial() ? ListaCategoriasCabrillo->currentRow() : -1;
}

ValoresResumen PanelCategoria::ValoresMostrados() const {
    ValoresResumen v;
    v.formato = CatConcurso->currentText();
    for (size_t i = 0; i < cajas.size(); ++i)
        v.categorias[i] = cajas[i]->currentText();
    v.email = EMAIL->text();
    v.operadores = Operadores->text();
    return v;
}

std::vector<CategoriaEspecial> PanelCategoria::CategoriasMostradas() const {
    std::vector<CategoriaEspecial> categorias;
    if (!EsEspecial()) return categorias;
    for (int i = 0; i < ListaCategoriasCabrillo->count(); ++i) {
        const QListWidgetItem* codigo = ListaCategorias->item(i);
        categorias.push_back({ListaCategoriasCabrillo->item(i)->text(), codigo ? codigo->text() : QString()});
    }
    return categorias;
}

ResumenAGuardar PanelCategoria::ResumenMostrado() const {
    return {ValoresMostrados(), CategoriasMostradas()};
}
