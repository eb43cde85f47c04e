#pragma once
// The log window's states as data: for each event in each state, the work it runs and what the
// window then shows (enabled and shown controls, locks, marks, focus). MaquinaLog applies a
// transition to a ControlesLog: the window's widgets, or plain data in the tests.
#include <optional>
#include <utility>
#include <vector>

// Every state the log window can be in.
enum class EstadoVentanaLog {
    Apertura,              // from the load to the end of the first activation
    Consulta,              // browsing the log
    Alta,                  // a QSO typed on the entry line
    Reintento,             // the entry line's store refused: the QSO stays for another F12
    Modificar,             // a stored QSO corrected (F4)
    ReintentoModificacion, // its rewrite refused: the correction stays for another F12
    Borrar,                // a stored QSO chosen for deletion (F5)
    CambioFecha,           // the date of the contacts typed
    EleccionCabrillo,      // the choice of the Cabrillo lists (F6)
    ListaCabrillo,         // the Cabrillo files just written, listed
    LibroGuardia,          // the logbook panel (F7)
    Adif,                  // the ADIF export running (F8)
    Cerrada,               // closed through FIN
};

// The controls whose enabled or shown state the table changes.
enum class ControlLog {
    ModificarReg,
    BorrarReg,
    Listar,
    ExportarXk,
    ExportarADIF,
    Ordenar,
    Volver,
    Aceptar,
    Cancelar,
    FrameModo,
    FrameBanda,
    TiempoReal,
    OtraFecha,
    Menu,
    Rejilla,
    LabelEnter,
};
inline constexpr int NumControlesLog = static_cast<int>(ControlLog::LabelEnter) + 1;

enum class EventoLog {
    Abre,               // the first activation has loaded the log
    AbreLinea,          // browsing reached the entry line
    Arriba,             // the Up-arrow, staying where it is
    DejaLinea,          // the Up-arrow leaving the entry line
    EntraIndicativo,    // the focus on the current row's callsign
    IndicativoAceptado, // Enter on the callsign took it: the QSO can be stored
    ListoParaGrabar,    // Enter on the last field stores the row
    Graba,              // the entry line's QSO stored
    GrabaRechazada,     // the engine refused the entry line's store
    EscrituraRechazada, // the engine refused a rewrite or a deletion
    ModificarReg,       // F4
    BorrarReg,          // F5
    Ordenar,            // F9
    OtraFecha,          // choosing "QSO en otra Fecha", or a click on the unlocked FechaActual
    TiempoReal,         // choosing "QSO en Tiempo Real"
    Aceptar,            // F12
    Cancelar,           // Esc
    Listar,             // F6
    ListadosEscritos,   // the Cabrillo run wrote files to list
    CierraListados,     // back from the Cabrillo choice or list
    ExportarXk,         // F7
    CierraLibro,        // back from the logbook panel
    ExportarADIF,       // F8
    FinAdif,            // the ADIF export ended
    Volver,             // FIN
};

// The work run before the rest of a transition; the rest applies only when it succeeded (a refused
// check or a write the engine refused leaves the window in its state).
enum class Trabajo {
    Ninguno,
    EligeContacto,     // a stored QSO under the cursor, never the row past the log
    NuevoContacto,     // the entry line filled (date, time, band, mode, reports, the sent exchange)
    GrabaContacto,     // the entry line's store, which fires Graba or GrabaRechazada itself
    FlechaArriba,      // the browsing Up-arrow, which abandons the entry line by itself
    ParaReloj,         // the entry line's clock stopped
    GrabaModificacion, // VerificaContacto, then ReescribeContacto (Correccion.h)
    BorraContacto,     // PreguntaBorrado; Yes: EliminaYRenumera; No: the renumbering alone
    CambiaFecha,       // CambiaFecha (CambioFecha.h); its text goes to FechaActual
    MuestraContacto,   // the current row filled again from LeeContactoGuardado
    Renumera,          // the renumbering alone
    RenumeraYRecarga,  // the renumbering, then the log read again into the grid
    OcultaListados,    // the Cabrillo list hidden before the grid comes back
    OcultaLibro,       // the logbook panel hidden
    QuitaMarcadores,   // the outputs' placeholders removed before the log closes
};

// FechaFila: date field of the current row; EntradaSegunOpcion: the entry line's callsign in real
// time, its time otherwise; Propio: where the destination state keeps the focus (FocoDe).
enum class FocoLog {
    SinCambio,
    FechaFila,
    FechaActual,
    Indicativo,
    EntradaSegunOpcion,
    Cancelar,
    ListaCabrillo,
    Propio
};
enum class ColorIndicativo { RojoClaro, Blanco }; // RGB 255,0,0 and 255,255,255
// FechaActual's entry lock: SegunOpcion unlocks it exactly while OtraFecha is selected.
enum class BloqueoFecha { Bloqueada, Libre, SegunOpcion };
// The status line's help: typing a QSO, browsing, typing the date of the contacts.
enum class TextoAyuda { Entrada, Navegacion, Fecha };

struct TransicionLog {
    Trabajo trabajo = Trabajo::Ninguno;
    std::optional<EstadoVentanaLog> destino;           // unset: unchanged
    bool cargaContactos = false;                       // CargaContactos: last page, last QSO current
    bool desactivaBotones = false;                     // DesactivaBotones, first
    bool botonesConsulta = false;                      // BotonesConsulta, first (by the number of QSOs)
    std::vector<std::pair<ControlLog, bool>> habilita; // then these, in order
    std::vector<std::pair<ControlLog, bool>> muestra;
    std::optional<bool> cedeSitio;     // the band, mode and date frames give their room to a panel
    std::optional<bool> navegando;     // a date cell taking the focus is painted yellow
    std::optional<bool> bloqueaLinea;  // entry lock of every field of the current row
    bool desbloqueaIndicativo = false; // then the current row's callsign unlocked
    std::optional<BloqueoFecha> bloqueaFechaActual;
    bool seleccionaTiempoReal = false;     // TiempoReal selected (its handler does not run)
    bool seleccionaOtraFecha = false;      // OtraFecha selected (already so when the user chose it)
    bool fechaActualHoy = false;           // FechaActual = today as "dd-mm-yyyy"
    std::optional<bool> vistaPreviaTeclas; // the window looks at keys before the fields
    std::optional<ColorIndicativo> colorIndicativo;
    bool marcaLinea = false;       // the current row's date field yellow
    bool ocultaRepeticion = false; // the repeat panel and its list hidden
    std::optional<TextoAyuda> texto;
    FocoLog foco = FocoLog::SinCambio;
};

// The transition of `evento` in `estado`; none when the event does nothing there.
std::optional<TransicionLog> Transicion(EstadoVentanaLog estado, EventoLog evento);
// Where the focus belongs in a state (an activation or a click on a frame puts it back there).
FocoLog FocoDe(EstadoVentanaLog estado);
// The browsing keys (arrows, pages) reach the navigation.
bool TeclasNavegacion(EstadoVentanaLog estado);
// A QSO is being typed on the entry line.
bool EnLineaEntrada(EstadoVentanaLog estado);

// What a transition acts on: the window implements it on its widgets, the tests on plain data.
class ControlesLog {
public:
    virtual ~ControlesLog() = default;
    // False: the work was refused (or did its own steps) and the transition stops there.
    virtual bool ejecuta(Trabajo trabajo) = 0;
    virtual int totalContactos() const = 0;
    virtual void cargaContactos() = 0;
    virtual void habilita(ControlLog c, bool si) = 0;
    virtual void muestra(ControlLog c, bool si) = 0;
    virtual void cedeSitio(bool ceder) = 0;
    virtual void navegando(bool si) = 0;
    virtual void bloqueaLinea(bool si) = 0;
    virtual void desbloqueaIndicativo() = 0;
    virtual bool tiempoReal() const = 0; // TiempoReal selected (else OtraFecha)
    virtual void seleccionaTiempoReal(bool si) = 0;
    virtual void bloqueaFechaActual(bool si) = 0;
    virtual void fechaActualHoy() = 0;
    virtual void vistaPreviaTeclas(bool si) = 0;
    virtual void colorIndicativo(ColorIndicativo c) = 0;
    virtual void marcaLinea() = 0;
    virtual void ocultaRepeticion() = 0;
    virtual void texto(TextoAyuda t) = 0;
    virtual void enfoca(FocoLog f) = 0; // never SinCambio nor Propio
};

// The window's state and the one place it changes.
class MaquinaLog {
public:
    EstadoVentanaLog estado() const { return estadoVentana_; }
    // Applies the event's transition to `c`: its work, then the state, then the controls and the
    // focus. False when the event does nothing in this state or its work was refused.
    bool dispara(EventoLog evento, ControlesLog& c);
    // Puts the focus where the state keeps it.
    void colocaFoco(ControlesLog& c) const;

private:
    EstadoVentanaLog estadoVentana_ = EstadoVentanaLog::Apertura;
};
