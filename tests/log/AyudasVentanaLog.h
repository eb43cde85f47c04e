#pragma once
#include "AyudasLog.h"
#include "Falsos.h"
#include "FLogConcurso.h"
#include "Programa.h"
#include "RejillaLog.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QTest>

// The log window over a working database made by the test, with the boxes and the clock faked.
class PruebaLog : public testing::Test {
protected:
    AvisosFalsos avisos;
    RelojFalso reloj;
    std::unique_ptr<Programa> programa;
    std::unique_ptr<FLogConcurso> ventana;
    std::shared_ptr<BaseDatos> bd; // the test's own connection
    int cierres = 0;

    void TearDown() override { ventana.reset(); }
    // Opens the log of contest 5 for the first station as the main window does and waits for the
    // entry line.
    void Abre();
    void Pulsa(Qt::Key tecla, Qt::KeyboardModifiers mods = Qt::NoModifier);
    void Escribe(const QString& texto);
    QWidget* Foco() const { return QApplication::focusWidget(); }
    QString Texto(Columna c, int fila) const { return ventana->Rejilla->texto(c, fila); }
    QString NombreFoco() const { return Foco() ? Foco()->objectName() : QString("<nada>"); }
    // Callsigns shown in rows 0 to 10.
    QStringList Indicativos() const;
};
