#pragma once
#include "EstadoPrincipal.h"

#include <functional>
#include <memory>
#include <optional>
#include <QWidget>

class EditorIndicativos;
class FLogConcurso;
class EditorConcursos;
class PanelConcurso;
class PanelEstaciones;
class PanelPantalla;
class QFrame;
class QGroupBox;
class QKeyEvent;
class QListWidget;
class QPushButton;
class RecorridoTeclado;

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
    // Only accept and cancel of the contest buttons take clicks.
    void BotonesEnEdicion();
    // The contest buttons back to idle, the focus on "Nuevo CONCURSO".
    void BotonesEnReposo();
    void EnfocaCancelar();
    // While the user names panel is open the contest buttons take no clicks; closed, the focus
    // goes back to accept.
    void BotonesConNombresUser(bool abierto);
    // The lists, the screen size and the callsign frame: usable only while no contest edit is open.
    void HabilitaAlrededorConcurso(bool habilitar);
    // A callsign operation opens: the contest side out of reach, the screen size too if asked.
    void CierraParaIndicativo(bool conTamañoPantalla);
    // It ended: the window as it was before it, and the focus where the work goes on.
    void AbreTrasIndicativo();
    void EnfocaTrasIndicativo();
    bool HayIndicativoElegido() const;
    // The month selected in the month list; empty for none and for "Sin Mes".
    QString MesElegido() const;
    // Selects the month's entry in the month list, which lists its contests again.
    void SeleccionaMes(const QString& mes);
    // NumeroOrden of the contest selected in the list.
    std::optional<int> ConcursoElegido() const;
    // Quiet changes of the contest list: no contest is loaded by them.
    void DeseleccionaConcurso();
    void QuitaConcursoDeLista(int numero);
    void AjustaLongitudesIndicativo(int extra);
    void AjustaLongitudesConcurso(int extra);

    void Form_Activate();
    void IniciarXkLumoCon_Click();
    bool CargaListaIndicativos();
    void CargaListaMeses();
    void SeleccionaMesActivo();
    void ListaMeses_Click();
    bool CargaConcurso();
    void Ayuda_Click();
    void IrContactos_Click();
    void FinClientes_Click();

protected:
    bool event(QEvent* evento) override;
    void closeEvent(QCloseEvent* evento) override;

private:
    void ConstruyeVentana();
    void ConectaEventos();
    void CargaControl();
    bool Form_KeyDown(QKeyEvent* tecla);
    // Selects a list row so that its click action runs even when the row was already current.
    void SeleccionaFila(QListWidget* lista, int fila, void (FConcursos::*click)());

    // Controls, under the names their objectName carries.
    QFrame* PanelBotonesConcurso;
    QPushButton *IniciarXkLumoCon, *Ayuda, *AltaReg, *NuevaEdicion, *ModificarReg, *BorrarReg, *IrContactos,
        *Aceptar, *Cancelar, *FinClientes;
    QGroupBox* SeleccionMes;
    QListWidget* ListaMeses;
    QGroupBox* SeleccionConcurso;
    QListWidget* ListaConcursos;
    PanelEstaciones* Estaciones;
    PanelPantalla* PanelTamañoPantalla;
    PanelConcurso* Concurso;

    EstadoPrincipal& estado_;
    EditorIndicativos* editorIndicativos_;
    EditorConcursos* editorConcursos_;
    RecorridoTeclado* recorrido_;
    // The log window while it is open.
    std::unique_ptr<FLogConcurso> ventanaLog_;
    bool activacionVista_ = false;
};

// Loads the main window for the program: an error of the engine or of a file during the load
// shows its message in a critical box and ends the program. False when the window handed over
// to the updater, and the program ends.
bool CargaVentanaPrincipal(FConcursos& ventana, const QString& lineaComando);
