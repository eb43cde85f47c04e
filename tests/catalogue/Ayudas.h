#pragma once
#include "BaseDatos.h"
#include "EstadoPrincipal.h"
#include "Falsos.h"
#include "FConcursos.h"
#include "Teclado.h"

#include <gtest/gtest.h>
#include <memory>

class CampoTexto;
class QCheckBox;
class QGroupBox;
class QListWidget;
#include <QPushButton>
#include <QStringList>
#include <QVariant>

// A working database in the current folder as the build delivers it, with the month field.
void CreaBaseTrabajo();
void AnadeIndicativo(int numero, const QString& indicativo);
void AnadeConcurso(int numero, const QString& nombre, const QString& edicion, const QVariant& mes);
void Ejecuta(const QString& sql);
void EscribeControl(const QString& campo, int valor);
int LeeControl(const QString& campo);
// The entries of a list, in order.
QStringList Textos(const QListWidget* lista);
// The deletion question: critical, Yes/No with No as the default.
void EsPreguntaDeBorrado(const Aviso& pregunta, const QString& texto);

// The main window with every box, the clock and the system calls faked.
class PruebaVentana : public testing::Test {
protected:
    AvisosFalsos avisos;
    RelojFalso reloj{HoraMadrid(QDate(2026, 3, 15), QTime(10, 30))};
    SistemaFalso sistema;
    std::unique_ptr<EstadoPrincipal> estado;
    std::unique_ptr<FConcursos> ventana;
    int terminaciones = 0;

    void TearDown() override { ventana.reset(); }
    // A fresh state and window, as at the next start of the program.
    void NuevaVentana();
    // Loads the window; when it is shown, waits until it is active.
    FConcursos::Carga Carga(const QString& linea = "comando");
    // Keys to the focused control (the window when none has it), as the keyboard sends them.
    void Pulsa(Qt::Key tecla, Qt::KeyboardModifiers mods = Qt::NoModifier) {
        PulsaTecla(ventana.get(), tecla, mods);
    }
    void Escribe(const QString& texto) { EscribeTexto(texto); }
    // Replaces the text of the focused box, from the keyboard.
    void Reescribe(const QString& texto, Qt::Key borra = Qt::Key_Backspace) {
        ReescribeTexto(ventana.get(), texto, borra);
    }
    // Controls of the window by their objectName.
    template <class T> T* Control(const QString& nombre) const { return Busca<T>(ventana.get(), nombre); }
    QPushButton* Boton(const QString& nombre) const { return Control<QPushButton>(nombre); }
    QGroupBox* Marco(const QString& nombre) const;
    // text3(i) of the contest frame, text2(i) of the callsign frame; SSCheck2(i) and SSCheck1(i).
    CampoTexto* CajaConcurso(int i) const;
    CampoTexto* CajaEstacion(int i) const;
    QCheckBox* Banda(int i) const;
    QCheckBox* Modo(int i) const;
    void Inicia() {
        ASSERT_EQ(Carga(), FConcursos::Carga::Mostrada);
        Boton("IniciarXkLumoCon")->click();
    }
};
