#pragma once
#include "Contactos.h"
#include "Entrada.h"
#include "Filas.h"
#include "ReglasContacto.h"
#include "TransicionesLog.h"

#include <QObject>
#include <QStringList>

#include <functional>

class CeldaLog;
class PanelBandasModos;
class PanelRepeticion;
class QKeyEvent;
class QTimer;
class RejillaLog;
struct Programa;
struct ResultadoEnter;
enum class ModoCampos;

// What the entry line asks of the window it sits in.
class VentanaEntrada {
public:
    virtual EstadoVentanaLog estado() const = 0;
    virtual bool dispara(EventoLog evento) = 0;
    virtual void acepta() = 0; // F12, as the button does
    virtual int filaActual() const = 0;
    virtual int totalContactos() const = 0;
    virtual bool tiempoReal() const = 0;
    virtual QString fechaActual() const = 0;
    // The QSO just stored shown with the log, and the next entry line opened.
    virtual void muestraGuardado() = 0;
    // Runs one engine step; a refusal shows the engine's message and gives false.
    virtual bool intentaBD(const std::function<void()>& paso) = 0;

protected:
    ~VentanaEntrada() = default;
};

// The entry line: its band, mode and default report, the per-band serial, its clock, the Enter
// chain along the row, the checks and the store.
class EntradaLog : public QObject {
public:
    EntradaLog(VentanaEntrada& ventana, RejillaLog& rejilla, PanelBandasModos& bandasModos,
               PanelRepeticion& repeticion, LogContactos& log, Programa& programa, FilaConcurso& datos,
               const NombresUser& nombres, ReglasContacto reglas, QObject* padre);

    // After the options are loaded (their handlers have run): the mode chosen, -1 for none.
    void cargaOpciones(int modo);
    // Once the log is open.
    void abre();
    // The entry line filled on the current row.
    void nuevoContacto();
    void graba();
    // The row's checks: on refusal the message, the focus on the field at fault and the row kept
    // as typed (with the date and time normalised).
    bool verifica();
    void paraReloj();
    // The clock's tick: the entry line's date and time follow it.
    void tic();
    void alEntrarEnCelda(CeldaLog& celda);
    void enter(CeldaLog& celda);
    // F12 with Aceptar off on a correction's callsign: taken as Enter takes it, then stored.
    // False in any other field or mode.
    bool aceptaDesde(CeldaLog& celda);
    // A key in the current row's date while a QSO is typed empties its time.
    void teclaEnFecha(const QKeyEvent& e, const CeldaLog& celda);

private:
    void eligeBanda(int indice);
    void eligeModo(int indice);
    void preparaEnvio();
    // The entry line's date and time from the clock.
    void ponMomento();
    bool buscaRepeticion();
    void aplicaEnter(CeldaLog& celda, const ResultadoEnter& r);
    ModoCampos modoCampos() const;

    VentanaEntrada& ventana_;
    RejillaLog& rejilla_;
    PanelBandasModos& bandasModos_;
    PanelRepeticion& repeticion_;
    LogContactos& log_;
    Programa& programa_;
    FilaConcurso& datos_;
    const NombresUser& nombres_;
    // The contest's rules, read once at the opening, and the captions of the enabled options.
    ReglasContacto reglas_;
    QStringList bandas_, modos_;
    QString banda_, modo_, rstPorDefecto_;
    int indiceModo_ = 0;
    int ultimoSerieBanda_ = 0;
    SeriePropuesta propuesta_; // the serial the entry line shows, as proposed
    bool numeracionPorBanda_ = false;
    QString repeticionAvisada_; // the callsign whose repeat held back the store of an Enter
    QTimer* reloj_;
};
