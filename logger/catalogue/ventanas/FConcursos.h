#pragma once
#include "EstadoPrincipal.h"

#include <array>
#include <functional>
#include <memory>
#include <QWidget>

class EditorIndicativos;
class FLogConcurso;
class EditorConcursos;
class PanelConcurso;
class PanelEstaciones;
class QFrame;
class QGroupBox;
class QKeyEvent;
class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;

// The logger's main window: startup, the month, contest and callsign lists, the contest buttons,
// the screen size options and the end of the program. The editors live in its frames.
class FConcursos : public QWidget {
    Q_OBJECT
public:
    explicit FConcursos(EstadoPrincipal& estado, QWidget* parent = nullptr);
    ~FConcursos() override;

    // YaAbierto: another logger holds the programs' folder; this one said so and ends.
    enum class Carga { Mostrada, Entregada, YaAbierto };
    // Startup with the program's command line (arguments after the program name, joined). An
    // empty one hands over to the updater: the program then ends without showing the window.
    // Errors of the database engine propagate as ErrorBD; file errors as std::runtime_error.
    Carga Form_Load(const QString& lineaComando);

    // Ends the program; the application quits unless a test puts its own here.
    std::function<void()> Termina;

    EstadoPrincipal& Estado() { return estado_; }

    // Window steps the editors call.
    void HabilitaBotonesConcurso();
    void DesactivaBotonesConcurso();
    void HabilitaBotonesIndicativo(bool habilitar);
    void AjustaLongitudesIndicativo(int extra);
    void AjustaLongitudesConcurso(int extra);
    void LimpiaIndicativo();

    void Form_Activate();
    void IniciarXkLumoCon_Click();
    bool CargaListaIndicativos();
    void CargaListaMeses();
    void SeleccionaMesActivo();
    void ListaMeses_Click();
    bool CargaConcurso();
    void CargaIndicativo();
    void Tamaño_Click(int opcion);
    void Ayuda_Click();
    void IrContactos_Click();
    void FinClientes_Click();

    // Controls, under the names their objectName carries.
    QFrame* PanelBotonesConcurso;
    QPushButton *IniciarXkLumoCon, *Ayuda, *AltaReg, *NuevaEdicion, *ModificarReg, *BorrarReg, *IrContactos,
        *Aceptar, *Cancelar, *FinClientes;
    QGroupBox* SeleccionMes;
    QListWidget* ListaMeses;
    QGroupBox* SeleccionConcurso;
    QListWidget* ListaConcursos;
    PanelEstaciones* Estaciones;
    EditorIndicativos* EditorIndicativo;
    QGroupBox* PanelTamañoPantalla;
    QRadioButton *TamañoNormal, *TamañoMedio, *TamañoGrande, *TamañoTotal;
    std::array<QRadioButton*, 4> OpcionesTamaño{};
    QLabel* MsgTamaño;
    PanelConcurso* Concurso;
    EditorConcursos* Editor;
    QListWidget* ListaProv;
    // The log window while it is open.
    std::unique_ptr<FLogConcurso> VentanaLog;

protected:
    bool event(QEvent* evento) override;
    void closeEvent(QCloseEvent* evento) override;

private:
    void construyeVentana();
    void conectaEventos();
    void CargaControl();
    bool Form_KeyDown(QKeyEvent* tecla);
    // Selects a list row so that its click action runs even when the row was already current.
    void seleccionaFila(QListWidget* lista, int fila, void (FConcursos::*click)());

    EstadoPrincipal& estado_;
    bool activacionVista_ = false;
};

// Loads the main window for the program: an error of the engine or of a file during the load
// shows its message in a critical box and ends the program. False when the window handed over
// to the updater, and the program ends.
bool CargaVentanaPrincipal(FConcursos& ventana, const QString& lineaComando);
