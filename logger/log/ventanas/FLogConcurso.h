#pragma once
#include "EntradaLog.h"
#include "Filas.h"
#include "Navegacion.h"
#include "Programa.h"
#include "SalidasLog.h"
#include "TransicionesLog.h"

#include <QWidget>

#include <functional>
#include <memory>

class CampoTexto;
class CeldaLog;
class FrameMenu;
class LogContactos;
class PanelBandasModos;
class PanelRepeticion;
class PreviaTeclas;
class QGroupBox;
class QKeyEvent;
class QLabel;
class QRadioButton;
class RejillaLog;
struct ResultadoEscritura;

// The log window: one contest's QSOs in the grid, browsing, the state machine and the date of the
// contacts. The entry line (EntradaLog) and the outputs (SalidasLog) are parts of their own. It
// gets the program's objects and the numbers of the contest and of the station; `alCerrar` runs
// once the window has closed through FIN.
class FLogConcurso : public QWidget, private ControlesLog, private VentanaEntrada, private VentanaSalidas {
public:
    FLogConcurso(Programa& programa, int numeroConcurso, int numeroIndicativo, std::function<void()> alCerrar,
                 QWidget* padre = nullptr);
    ~FLogConcurso() override;

    // Builds the grid for the contest, loads bands and modes and shows the window; the first
    // activation (or first exposure) opens the log.
    void Form_Load();
    // Opens the log on the first activation; later ones only put the focus in its place.
    void Form_Activate();
    // Where browsing stands (the benches type on the current row).
    const NavegacionLog& navegacion() const { return nav_; }

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;
    void closeEvent(QCloseEvent* evento) override;

private:
    // Building (FLogConcurso.cpp).
    void construyeVentana(ReglasContacto reglas);
    void construyePanelRepeticion();
    void construyeTeclas();
    void conectaBotones();
    void vigilaClic(QWidget& marco);
    // The grid and browsing.
    void muestraPagina();
    void cargaPagina();
    void recarga();
    CeldaLog* celdaActual(Columna c) const;
    void aplica(const NavegacionLog::Paso& paso, bool arriba);
    void teclaNavegacion(int& tecla);
    bool teclaSinBoton(QKeyEvent& tecla);
    bool teclaOpcion(const QKeyEvent& tecla);
    bool teclaEnFechaActual(const QKeyEvent& tecla);
    bool pulsa(ControlLog boton);
    // The buttons.
    void aceptar();
    void cancelar();
    void volver();
    // The state machine's work (FLogCorrecciones.cpp).
    bool ejecuta(Trabajo trabajo) override;
    bool grabaModificacion();
    bool borraContacto();
    bool cambiaFecha();
    bool restauraContacto();
    void escrituraRechazada(const ResultadoEscritura& r);

    // VentanaEntrada and VentanaSalidas.
    EstadoVentanaLog estado() const override { return maquina_.estado(); }
    bool dispara(EventoLog evento) override;
    void acepta() override { aceptar(); }
    int filaActual() const override { return nav_.FilaActual; }
    int totalContactos() const override { return nav_.TotalContactos; }
    QString fechaActual() const override;
    void muestraGuardado() override;
    bool intentaBD(const std::function<void()>& paso) override;
    void colocaFoco() override { maquina_.colocaFoco(*this); }
    void muestraErrorBD(const QString& mensaje) override;
    void renumera() override { ejecuta(Trabajo::RenumeraYRecarga); }

    // ControlesLog on the widgets (FLogControles.cpp).
    void cargaContactos() override { recarga(); }
    void habilita(ControlLog c, bool si) override;
    void muestra(ControlLog c, bool si) override;
    void cedeSitio(bool ceder) override;
    void navegando(bool si) override;
    void bloqueaLinea(bool si) override;
    void desbloqueaIndicativo() override;
    bool tiempoReal() const override;
    void seleccionaTiempoReal(bool si) override;
    void bloqueaFechaActual(bool si) override;
    void fechaActualHoy() override;
    void vistaPreviaTeclas(bool si) override;
    void colorIndicativo(ColorIndicativo c) override;
    void marcaLinea() override;
    void ocultaRepeticion() override;
    void texto(TextoAyuda t) override;
    void enfoca(FocoLog f) override;
    QWidget* control(ControlLog c) const;

    Programa& programa_;
    const int numeroConcurso_, numeroIndicativo_;
    std::function<void()> alCerrar_;
    FilaConcurso datos_;
    FilaIndicativo estacion_;
    NombresUser nombres_;
    std::unique_ptr<LogContactos> log_;
    NavegacionLog nav_;
    MaquinaLog maquina_;
    PreviaTeclas* teclas_ = nullptr;
    // Children of the window, built with it.
    EntradaLog* entrada_ = nullptr;
    SalidasLog* salidas_ = nullptr;

    // Controls, under the names their objectName carries.
    RejillaLog* rejilla_ = nullptr;
    PanelBandasModos* bandasModos_ = nullptr;
    FrameMenu* menu_ = nullptr;
    QGroupBox* frameFecha_ = nullptr;
    QRadioButton *tiempoReal_ = nullptr, *otraFecha_ = nullptr;
    CampoTexto* fechaActual_ = nullptr;
    QLabel* labelEnter_ = nullptr;
    PanelRepeticion* panelRepeticion_ = nullptr;
    QMetaObject::Connection focoEnOpcion_;
};
