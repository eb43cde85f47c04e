#pragma once
// The log window's editing modes as data: for each button pressed in each mode, the work it runs
// and what the window then shows (enabled buttons and frames, locks, marks, focus). The window
// applies a transition to its widgets; tests check the same data without a window.
#include "Entrada.h" // ModoEdicion

#include <array>
#include <optional>
#include <utility>
#include <vector>

// The buttons, frames and date options whose enabled state the modes change.
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
};
inline constexpr int NumControlesLog = static_cast<int>(ControlLog::OtraFecha) + 1;

enum class EventoLog {
    ModificarReg, // F4
    BorrarReg,    // F5
    Ordenar,      // F9
    OtraFecha,    // choosing "QSO en otra Fecha", or a click on the unlocked FechaActual
    TiempoReal,   // choosing "QSO en Tiempo Real"
    Aceptar,      // F12, after its work succeeded (see Trabajo)
    Cancelar,     // Esc
};

// The work the window runs before applying the rest of a transition.
enum class Trabajo {
    Ninguno,
    GrabaContacto,     // the entry line's store, which does its own steps
    FlechaArriba,      // the browsing Up-arrow, which abandons the entry line by itself
    GrabaModificacion, // VerificaContacto, then ReescribeContacto (Correccion.h)
    BorraContacto,     // PreguntaBorrado; Yes: EliminaYRenumera; No: the renumbering alone
    CambiaFecha,       // CambiaFecha (CambioFecha.h); its text goes to FechaActual
    MuestraContacto,   // the current row filled again from LeeContactoGuardado
    Renumera,          // the renumbering alone
};

enum class FocoLog { SinCambio, FechaFila, FechaActual }; // FechaFila: date field of the current row
enum class ColorIndicativo { RojoClaro, Blanco };         // RGB 255,0,0 and 255,255,255
// FechaActual's entry lock: SegunOpcion unlocks it exactly while OtraFecha is selected.
enum class BloqueoFecha { Bloqueada, Libre, SegunOpcion };

struct TransicionLog {
    Trabajo trabajo = Trabajo::Ninguno;
    // The rest applies only when the work succeeded: a refused check or a write the engine
    // refused leaves the window in its mode.
    std::optional<ModoEdicion> modo;                   // unset: unchanged
    bool desactivaBotones = false;                     // DesactivaBotones, first
    bool botonesConsulta = false;                      // BotonesConsulta, first (by the number of QSOs)
    std::vector<std::pair<ControlLog, bool>> habilita; // then these, in order
    std::optional<bool> teclasNavegacion;
    std::optional<bool> bloqueaLinea; // entry lock of every field of the current row
    std::optional<BloqueoFecha> bloqueaFechaActual;
    std::optional<bool> vistaPreviaTeclas; // the window looks at keys before the fields
    std::optional<ColorIndicativo> colorIndicativo;
    bool marcaLinea = false;           // the current row's date field yellow
    bool ocultaRepeticion = false;     // the repeat panel and its list hidden
    bool textoEntrada = false;         // LabelEnter shows the entry text
    bool cargaContactos = false;       // CargaContactos: last page, last QSO current
    bool seleccionaTiempoReal = false; // TiempoReal selected (its handler may run: same effect)
    bool seleccionaOtraFecha = false;  // OtraFecha selected (already so when the user chose it)
    bool fechaActualHoy = false;       // FechaActual = today as "dd-mm-yyyy"
    FocoLog foco = FocoLog::SinCambio;
};

// The transition of `evento` in `modo`; none when the event does nothing there.
std::optional<TransicionLog> Transicion(ModoEdicion modo, EventoLog evento);

// The window's state as plain data, for applying transitions without widgets (tests, or a window
// that copies it onto its controls).
struct EstadoControlesLog {
    ModoEdicion modo = ModoEdicion::Ninguno;
    std::array<bool, NumControlesLog> habilitado{};
    bool teclasNavegacion = false;
    bool bloqueaLinea = true;
    bool bloqueaFechaActual = true;
    bool vistaPreviaTeclas = true;
    bool tiempoReal = true; // TiempoReal selected (else OtraFecha)
    ColorIndicativo colorIndicativo = ColorIndicativo::Blanco;
    FocoLog foco = FocoLog::SinCambio;

    bool habilitadoEn(ControlLog c) const { return habilitado[static_cast<size_t>(c)]; }
    void habilita(ControlLog c, bool si) { habilitado[static_cast<size_t>(c)] = si; }
    // DesactivaBotones: the browsing buttons off while a QSO is entered, corrected or deleted.
    void desactivaBotones();
    // BotonesConsulta: browsing; the buttons that act on QSOs only with QSOs in the log.
    void botonesConsulta(int totalContactos);
    // Applies every change of the transition except its work and the marks.
    void aplica(const TransicionLog& t, int totalContactos);
};
