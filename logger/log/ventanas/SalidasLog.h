#pragma once
#include "TransicionesLog.h"

#include <QObject>
#include <QString>

class LogContactos;
class PanelExportacionXk;
class PanelListaPantalla;
class PanelTipoDeListas;
class QVBoxLayout;
class QWidget;
struct FilaConcurso;
struct FilaIndicativo;
struct Programa;

// What the outputs ask of the window they sit in.
class VentanaSalidas {
public:
    virtual bool dispara(EventoLog evento) = 0;
    virtual void colocaFoco() = 0;
    virtual void muestraErrorBD(const QString& mensaje) = 0;
    // The QSOs renumbered in date and time order and the grid read again; a refusal is shown.
    virtual void renumera() = 0;

protected:
    ~VentanaSalidas() = default;
};

// The outputs of the log window: the Cabrillo choice and list (F6), the logbook panel (F7), the
// ADIF run (F8) and their messages. Their panels take the grid's place, hidden until opened.
class SalidasLog : public QObject {
public:
    SalidasLog(VentanaSalidas& ventana, QWidget& padre, QVBoxLayout& capa, int sitio, LogContactos& log,
               Programa& programa, const FilaConcurso& datos, const FilaIndicativo& estacion);

    void abreEleccion(); // after Listar
    void abreLibro();    // after ExportarXk
    void exportaAdif();  // after ExportarADIF
    void ocultaListados();
    void ocultaLibro();
    // The focus on the Cabrillo list's Aceptar.
    void enfocaLista();

private:
    void ejecutaListados();
    void cierraListados(const QString& mensaje, const QString& titulo);
    void exportaLibro(const QString& ruta);
    void abrePanel(QWidget& panel);

    VentanaSalidas& ventana_;
    LogContactos& log_;
    Programa& programa_;
    const FilaConcurso& datos_;
    const FilaIndicativo& estacion_;
    PanelTipoDeListas* tipoDeListas_;
    PanelListaPantalla* listaPantalla_;
    PanelExportacionXk* exportacionXk_;
    QString mensajeListados_;
};
