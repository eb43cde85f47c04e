#pragma once
// The main window with contests that carry Cabrillo summaries, and what the tests read back.
#include "Ayudas.h"

#include "CampoTexto.h"
#include "CategoriasCabrillo.h"
#include "Esquema.h"
#include "PanelConcurso.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>

#include <ostream>

#include "TextoQt.h"

inline ConjuntoRegistros FilaConcurso(int numero) {
    return BaseDatos::Abre(NombreBaseDatos)
        ->abreConjunto("Select * From Concursos Where NumeroOrden = " + QString::number(numero));
}

// The stored summary of a contest, fields joined with '|' in the order given.
inline QString Resumen(int numero, const QStringList& campos) {
    ConjuntoRegistros r =
        BaseDatos::Abre(NombreBaseDatos)
            ->abreConjunto("Select * From ResumenCabrillo Where NumeroOrden = " + QString::number(numero));
    if (r.eof()) return "<ninguno>";
    QStringList v;
    for (const QString& c : campos)
        v << (r.esNulo(c) ? "<nulo>" : r.texto(c));
    return v.join('|');
}

inline int CuentaResumenes(int numero) {
    return BaseDatos::Abre(NombreBaseDatos)
        ->abreConjunto("Select * From ResumenCabrillo Where NumeroOrden = " + QString::number(numero))
        .cuenta();
}

// The special categories of a contest in stored order, as "description=code".
inline QStringList Especiales(int numero) {
    ConjuntoRegistros r =
        BaseDatos::Abre(NombreBaseDatos)
            ->abreConjunto("Select * From FormatoEspecial Where NumeroOrden = " + QString::number(numero) +
                           " Order By rowid");
    QStringList v;
    for (; !r.eof(); r.siguiente())
        v << r.texto("CategoriaConcurso") + "=" + r.texto("CategoriaCabrillo");
    return v;
}

inline void AnadeResumen(int numero, const QString& formato, const QString& asignaciones = {}) {
    Ejecuta("Insert Into ResumenCabrillo (NumeroOrden, NombreConcurso, FormatoCabrillo) Values (" +
            QString::number(numero) + ", 'X', " + (formato.isNull() ? "Null" : Comillas(formato)) + ")");
    if (!asignaciones.isEmpty())
        Ejecuta("Update ResumenCabrillo Set " + asignaciones +
                " Where NumeroOrden = " + QString::number(numero));
}

inline void AnadeEspecial(int numero, const QString& descripcion, const QString& codigo) {
    Ejecuta("Insert Into FormatoEspecial (NumeroOrden, CategoriaConcurso, CategoriaCabrillo) Values (" +
            QString::number(numero) + ", " + Comillas(descripcion) + ", " + Comillas(codigo) + ")");
}

inline QStringList Entradas(const QComboBox* c) {
    QStringList v;
    for (int i = 0; i < c->count(); ++i)
        v << c->itemText(i);
    return v;
}

inline QStringList Entradas(const QListWidget* l) {
    return Textos(l);
}

class PruebaCabrillo : public PruebaVentana {
protected:
    QGroupBox& P() { return *Marco("PanelConcurso"); }
    // The nine value boxes, in CajasCabrillo order.
    std::vector<QComboBox*> CajasValores() {
        std::vector<QComboBox*> cajas;
        for (const DefCajaCabrillo& c : CajasCabrillo)
            cajas.push_back(Control<QComboBox>(QString::fromUtf8(c.control)));
        return cajas;
    }
    CampoTexto* Caja(int i) { return CajaConcurso(i); }
    // Selected texts of the format box and the nine value boxes, joined with '|'.
    QString Valores() {
        QStringList v{Control<QComboBox>("CatConcurso")->currentText()};
        for (QComboBox* c : CajasValores())
            v << c->currentText();
        return v.join('|');
    }
    // Names of the value boxes on show.
    QStringList Visibles() {
        QStringList v;
        for (QComboBox* c : CajasValores())
            if (!c->isHidden()) v << c->objectName();
        return v;
    }
    // Ticked exchange boxes: "E" sent, "R" received, then the item.
    QStringList Intercambio() {
        QStringList v;
        const std::pair<QCheckBox*, const char*> casillas[] = {
            {Control<QCheckBox>("EnviarNumeral"), "ENumeral"},
            {Control<QCheckBox>("EnviarLocator"), "ELocator"},
            {Control<QCheckBox>("EnviarSiglas"), "ESiglas"},
            {Control<QCheckBox>("EnviarZonaCQ"), "EZonaCQ"},
            {Control<QCheckBox>("EnviarPuntos"), "EPuntos"},
            {Control<QCheckBox>("RecibirNumeral"), "RNumeral"},
            {Control<QCheckBox>("RecibirLocator"), "RLocator"},
            {Control<QCheckBox>("RecibirSiglas"), "RSiglas"},
            {Control<QCheckBox>("RecibirZonaCQ"), "RZonaCQ"},
            {Control<QCheckBox>("RecibirPuntos"), "RPuntos"}};
        for (const auto& [c, nombre] : casillas)
            if (c->isChecked()) v << nombre;
        return v;
    }
    // Selects a contest of the list by its text, as a click does.
    void EligeConcurso(const QString& texto) {
        const auto items = Control<QListWidget>("ListaConcursos")->findItems(texto, Qt::MatchExactly);
        ASSERT_EQ(items.size(), 1) << texto.toStdString();
        Control<QListWidget>("ListaConcursos")->setCurrentItem(items[0]);
    }
};
