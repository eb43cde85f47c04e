#pragma once
#include "AyudasLog.h"
#include "Falsos.h"
#include "FLogConcurso.h"
#include "Programa.h"
#include "RejillaLog.h"
#include "Teclado.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

// A real box, closed as soon as it is up: the window loses the activation and gets it back.
class CajasReales : public Avisos {
public:
    CajasReales() : previo_(Avisos::instala(this)) {}
    ~CajasReales() override { Avisos::instala(previo_); }
    Respuesta muestra(const Aviso& a) override {
        QMessageBox caja(QMessageBox::Critical, a.titulo, a.texto, QMessageBox::Ok);
        QTimer::singleShot(0, &caja, [&caja] {
            if (!QTest::qWaitForWindowActive(&caja)) ADD_FAILURE() << "la caja no se activó";
            caja.accept();
        });
        caja.exec();
        ++cajas;
        textos << a.texto;
        return a.porDefecto;
    }
    void pita() override {}
    int cajas = 0;
    QStringList textos;

private:
    Avisos* previo_;
};

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
    // Controls by objectName; a grid cell as "Indicativo_3".
    template <class T> T* Control(const QString& nombre) const { return Busca<T>(ventana.get(), nombre); }
    // The window's own classes have no Q_OBJECT: found by their Qt base, then cast.
    template <class T, class Base> T* Propio(const QString& nombre) const {
        return dynamic_cast<T*>(Control<Base>(nombre));
    }
    CeldaLog* Celda(Columna c, int fila) const {
        return Propio<CeldaLog, QLineEdit>(NombreColumna(c) + QStringLiteral("_%1").arg(fila));
    }
    CampoTexto* Campo(const QString& nombre) const { return Propio<CampoTexto, QLineEdit>(nombre); }
    QPushButton* Boton(const QString& nombre) const { return Control<QPushButton>(nombre); }
    QString Texto(Columna c, int fila) const { return Celda(c, fila)->text(); }
    // The grid row of the focused cell.
    int FilaFoco() const { return NombreFoco().section('_', 1).toInt(); }
    QString NombreFoco() const { return Foco() ? Foco()->objectName() : QString("<nada>"); }
    // Callsigns shown in rows 0 to 10.
    QStringList Indicativos() const;
};
