#pragma once
#include "CategoriasCabrillo.h"
#include "DatosResumenCabrillo.h"
#include "SeleccionPrincipal.h"

#include <array>
#include <functional>
#include <QGroupBox>

class BaseDatos;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;

// The Cabrillo panel of the contest frame: the header format, its category values, the e-mail
// and operators, and for the contests with categories of their own the list to choose from.
// It shows and stores the contest's summary; the exchange presets a category implies are the
// editor's, told through categoriaElegida.
class PanelCategoria : public QGroupBox {
    Q_OBJECT
public:
    explicit PanelCategoria(QWidget* parent = nullptr);

    // While true (the startup data upgrades) a format selection changes nothing.
    std::function<bool()> EnActualizacion = [] { return false; };

    // Hides the special contest's category list.
    void OcultaListaCategorias();
    // The format box with the two header versions and nothing chosen.
    void CargaTipoConcursos();
    // The same, then version 2.0 chosen with its defaults.
    void IniciaTipoConcursos();
    void CargaComboCabrillo20();
    void CargaComBoCabrillo30();
    // Only the format and the category stay visible.
    void MuestraFormatoEspecial();
    // Shows the contest's summary; a contest without one gets the 2.0 defaults stored.
    void CargaResumenCabrillo(BaseDatos& bd, int numeroOrden, const QString& nombre, const QString& edicion);
    void MuestraResumenCabrillo20(const ValoresResumen& fila);
    void MuestraResumenCabrillo30(const ValoresResumen& fila);
    void CargaFormatoEspecial(BaseDatos& bd, int numeroOrden, const ValoresResumen& fila);
    // Index of the first entry equal to the text, with case; -1 when none.
    static qint16 BuscaEnLista(const QComboBox* lista, const QString& texto);
    // Turns the panel into the contest's own categories, first one chosen; false (and nothing
    // changed) when the name is not one of the known contests.
    bool CargaCategoriasConcurso(const QString& nombre);

    // The summary and, only for the special format, its categories as shown, to be stored; the
    // contest keeps no special rows otherwise.
    ResumenAGuardar ResumenMostrado() const;

    // What the panel would store now.
    ValoresResumen ValoresMostrados() const;
    bool EsEspecial() const;
    // The category chosen in the special list; -1 when none or when the format is not special.
    int IndiceCategoriaElegida() const;

signals:
    // A category of the special list was chosen, by the operator or the program.
    void categoriaElegida(int indice);

private:
    void CatConcurso_Click(int indice);
    void ListaCategoriasCabrillo_Click(int fila);
    void MuestraValores(const ValoresResumen& fila, size_t cuantas);
    void RellenaCajas(VersionCabrillo version, size_t cuantas);
    void MuestraCajas(size_t visibles);
    void EligeFormato(int indice);
    void UnaEntrada(QComboBox* caja, const QString& texto);
    void LlenaListas(const std::vector<CategoriaEspecial>& categorias);
    std::vector<CategoriaEspecial> CategoriasMostradas() const;

    // Controls, under the names their objectName carries.
    QLabel* LFormato;
    QComboBox* CatConcurso;
    // The nine value boxes and their labels, in CajasCabrillo order.
    std::array<QComboBox*, 9> cajas{};
    std::array<QLabel*, 9> etiquetas{};
    QComboBox *Categoria, *CatBanda, *CatPotencia, *CatModo, *CatOverlay, *CatAsistido, *CatEstacion, *CatTx,
        *CatTime;
    QLineEdit *EMAIL, *Operadores;
    // Descriptions shown, and the code of each at the same row, never shown.
    QListWidget *ListaCategoriasCabrillo, *ListaCategorias;
};
