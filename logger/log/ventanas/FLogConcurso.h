#pragma once
#include "Entrada.h"
#include "Filas.h"
#include "Navegacion.h"
#include "PanelRepeticion.h"
#include "Programa.h"
#include "ReglasContacto.h"

#include <QStringList>
#include <QWidget>

#include <functional>
#include <memory>

class CampoTexto;
class CeldaLog;
class FrameExportacionXK;
class FrameMenu;
class LogContactos;
class PanelBandasModos;
class PanelListaPantalla;
class PanelTipoDeListas;
class PreviaTeclas;
class QGroupBox;
class QKeyEvent;
class QLabel;
class QListWidget;
class QRadioButton;
class QTimer;
class RejillaLog;
struct ResultadoEnter;
enum class ModoCampos;
struct ResultadoEscritura;
struct TransicionLog;
enum class ControlLog;
enum class EventoLog;
enum class Trabajo;

// The log window: one contest's QSOs in the grid, the entry line and its keys. It gets the
// program's objects and the numbers of the contest and of the station; `alCerrar` runs once the
// window has closed through FIN.
class FLogConcurso : public QWidget {
public:
    FLogConcurso(Programa& programa, int numeroConcurso, int numeroIndicativo, std::function<void()> alCerrar,
                 QWidget* padre = nullptr);
    ~FLogConcurso() override;

    // Builds the grid for the contest, loads bands and modes and shows the window; the first
    // activation (or first exposure) opens the log.
    void Form_Load();

    // Operations of the window.
    void Form_Activate();
    void ColocaFoco();
    void CargaContactos();
    void NuevoContacto();
    void GrabaContacto();
    void TeclaNavegacion(int& tecla);
    void BotonesConsulta();
    void DesactivaBotones();
    void Timer2_Timer();
    void Volver_Click();
    void Aceptar_Click();
    void Cancelar_Click();
    void Ordenar_Click();

    // Hooks the exchange checks, the repeat look-up, the corrections and the outputs replace.
    bool VerificaContacto();
    void BuscaRepeticion();
    void ModificarReg_Click();
    void BorrarReg_Click();
    void Listar_Click();
    void ExportarXk_Click();
    void ExportarADIF_Click();
    void OtraFecha_Click();

    ModoEdicion modo() const { return ModoEdicion_; }
    const NavegacionLog& navegacion() const { return nav_; }
    const EstadoLog& estadoLog() const { return flags_; }

    // Controls, under the names their objectName carries.
    RejillaLog* Rejilla;
    PanelBandasModos* BandasModos;
    FrameMenu* Menu;
    QGroupBox* FrameFecha;
    QRadioButton *TiempoReal, *OtraFecha;
    CampoTexto* FechaActual;
    QLabel* LabelEnter;
    ::PanelRepeticion* PanelRepeticion;
    QListWidget* ListaRepeticion;
    QListWidget* ListaProv;
    QTimer* Timer2;

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;
    bool event(QEvent* evento) override;
    void closeEvent(QCloseEvent* evento) override;

private:
    void construyeVentana();
    void construyePanelRepeticion();
    void construyeTeclas();
    bool TeclaSinBoton(QKeyEvent& tecla);
    void aplica(const NavegacionLog::Paso& paso, bool arriba);
    void muestraPagina();
    void PreparaEnvio();
    void EnterEnCelda(CeldaLog& celda);
    void alEntrarEnCelda(CeldaLog& celda);
    void eligeBanda(int indice);
    void eligeModo(int indice);
    void TiempoReal_Click();
    CeldaLog* celdaActual(Columna c) const;
    void muestraErrorBD(const QString& mensaje);
    // Runs one engine step; a refusal shows the engine's message and gives false.
    bool intentaBD(const std::function<void()>& paso);
    // The log read again into the grid; after renumbering it, for F9 and the exports.
    void recarga();
    bool renumeraYRecarga();
    void aceptaCorreccion();
    void cancelaCorreccion();

    Programa& programa_;
    const int numeroConcurso_, numeroIndicativo_;
    std::function<void()> alCerrar_;
    FilaConcurso datos_;
    FilaIndicativo estacion_;
    NombresUser nombres_;
    std::unique_ptr<LogContactos> log_;
    NavegacionLog nav_;
    EstadoLog flags_;
    ModoEdicion ModoEdicion_ = ModoEdicion::Ninguno;
    QString BandaActual, ModoActual, RstPorDefecto_;
    int IndiceBandaActual = 0, IndiceModoActual = 0;
    int UltimoSerieBanda = 0;
    bool NumeracionPorBanda_ = false;
    // A store the engine refused keeps Aceptar on for another F12 wherever the focus goes.
    bool reintento_ = false;
    PreviaTeclas* teclas_ = nullptr;

    // The exchange checks and the repeat look-up: the contest's rules, read once at the opening,
    // and the captions of the enabled band and mode options.
    ReglasContacto reglas_;
    QStringList bandas_, modos_;
    ModoCampos modoCampos() const;
    void aplicaEnter(CeldaLog& celda, const ResultadoEnter& r);
    // A key in the current row's date while a QSO is typed empties its time.
    void teclaEnFecha(const QKeyEvent& e, const CeldaLog& celda);
    // A click on the frame puts the focus back where the mode wants it (ColocaFoco).
    void vigilaClic(QWidget* marco);
    // The window lost the activation to a box: its return is no new activation.
    bool trasCaja_ = false;
    // Corrections, deletions and the date change: each button runs its mode's transition.
    void conectaCorrecciones();
    void corrige(EventoLog evento);
    bool ejecuta(Trabajo trabajo);
    void aplicaTransicion(const TransicionLog& t);
    QWidget* control(ControlLog c) const;
    bool GrabaModificacion();
    bool BorraContacto();
    bool CambiaFecha();
    bool RestauraContacto();
    void escrituraRechazada(const ResultadoEscritura& r);
    // The outputs (F6, F7, F8): the Cabrillo choice and list, the logbook panel.
    void construyeSalidas();
    void ejecutaListados();
    void cierraListados(QString mensaje, const QString& titulo);
    void exportaLibro(const QString& ruta);
    void cierraExportacionXk();
    void abrePanel(QWidget* panel);
    void cedeSitio(bool ceder);
    PanelTipoDeListas* TipoDeListas = nullptr;
    PanelListaPantalla* FrameListaPantalla = nullptr;
    FrameExportacionXK* ExportacionXk = nullptr;
    QString mensajeListados_;
};
