#include "SalidasLog.h"

#include "Adif.h"
#include "Avisos.h"
#include "Cabrillo.h"
#include "Contactos.h"
#include "CursorEspera.h"
#include "Filas.h"
#include "LibroGuardia.h"
#include "PanelExportacionXk.h"
#include "PanelListados.h"
#include "Programa.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QVBoxLayout>

namespace {
// The keys of a Cabrillo panel while it is shown, which is while the window's own keys are off:
// F12 and Enter accept, Esc takes the way out the panel has, wherever in the window the focus is.
// With the focus outside the panel (the date of the current row, after the list type is chosen)
// the grid takes no key and Tab goes back into the panel.
class TeclasPanel : public QObject {
public:
    TeclasPanel(QWidget& panel, QAbstractButton& aceptar, std::function<void()> escape,
                std::function<void()> vuelve)
        : QObject(&panel), panel_(panel), aceptar_(aceptar), escape_(std::move(escape)),
          vuelve_(std::move(vuelve)) {
        QCoreApplication::instance()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override {
        if (evento->type() != QEvent::KeyPress || !panel_.isVisible()) return false;
        auto* w = qobject_cast<QWidget*>(objeto);
        if (!w || w->window() != panel_.window()) return false;
        const auto* e = static_cast<QKeyEvent*>(evento);
        if (e->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) return false;
        switch (e->key()) {
        case Qt::Key_F12:
        case Qt::Key_Return:
        case Qt::Key_Enter:
            aceptar_.setFocus();
            aceptar_.click();
            return true;
        case Qt::Key_Escape:
            escape_();
            return true;
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
            if (panel_.isAncestorOf(w)) return false;
            vuelve_();
            return true;
        default:
            return !panel_.isAncestorOf(w);
        }
    }

private:
    QWidget& panel_;
    QAbstractButton& aceptar_;
    std::function<void()> escape_, vuelve_;
};

Aviso Informacion(const QString& texto, const QString& titulo) {
    Aviso a;
    a.texto = texto;
    a.titulo = titulo;
    a.icono = Icono::Informacion;
    return a;
}
} // namespace

SalidasLog::SalidasLog(VentanaSalidas& ventana, QWidget& padre, QVBoxLayout& capa, int sitio,
                       LogContactos& log, Programa& programa, const FilaConcurso& datos,
                       const FilaIndicativo& estacion)
    : QObject(&padre), ventana_(ventana), log_(log), programa_(programa), datos_(datos), estacion_(estacion) {
    tipoDeListas_ = new PanelTipoDeListas(&padre);
    listaPantalla_ = new PanelListaPantalla(&padre);
    exportacionXk_ = new PanelExportacionXk(&padre);
    for (QWidget* panel : std::initializer_list<QWidget*>{tipoDeListas_, listaPantalla_, exportacionXk_}) {
        panel->hide();
        capa.insertWidget(sitio++, panel);
    }
    // Leaving the choice writes nothing: the window is as before F6.
    new TeclasPanel(
        *tipoDeListas_, tipoDeListas_->aceptar(), [this] { cierraListados({}, {}); },
        [this] { tipoDeListas_->enfocaOrden(); });
    new TeclasPanel(
        *listaPantalla_, listaPantalla_->aceptar(), [this] { listaPantalla_->aceptar().click(); },
        [this] { listaPantalla_->aceptar().setFocus(); });
    connect(tipoDeListas_, &PanelTipoDeListas::aceptado, this, &SalidasLog::ejecutaListados);
    // Once the list type is chosen the focus goes back to the date of the current row, in yellow.
    connect(tipoDeListas_, &PanelTipoDeListas::eleccionCambiada, this, [this] { ventana_.colocaFoco(); });
    connect(listaPantalla_, &PanelListaPantalla::aceptado, this,
            [this] { cierraListados(mensajeListados_, QStringLiteral("INFORMACIÓN")); });
    connect(exportacionXk_, &PanelExportacionXk::LibroElegido, this, &SalidasLog::exportaLibro);
    connect(exportacionXk_, &PanelExportacionXk::Cancelado, this,
            [this] { ventana_.dispara(EventoLog::CierraLibro); });
}

// A panel has the keys to itself (the window's are off); the Cabrillo panels get Tab back among
// their own controls.
void SalidasLog::abrePanel(QWidget& panel) {
    for (QWidget* w : panel.findChildren<QWidget*>())
        if (w->focusPolicy() == Qt::ClickFocus) w->setFocusPolicy(Qt::StrongFocus);
}

void SalidasLog::abreEleccion() {
    tipoDeListas_->Abre(datos_.nombreConcurso);
    abrePanel(*tipoDeListas_);
    tipoDeListas_->enfocaOrden();
}

void SalidasLog::ejecutaListados() {
    // A Cabrillo reader refuses QSOs out of time order: "as they were made" is date and time order,
    // which the numbers follow once renumbered. On a refusal the list goes out as the log stands.
    if (tipoDeListas_->orden() == cabrillo::Orden::NumeroQso) ventana_.renumera();
    cabrillo::Resultado r;
    try {
        CursorEspera espera;
        r = cabrillo::GeneraListadosCabrillo(log_.bd(), {log_.numeroOrden(), estacion_.numeroOrden,
                                                         tipoDeListas_->orden(), tipoDeListas_->porBanda(),
                                                         programa_.VersionPrograma});
    } catch (const ErrorBD& e) {
        ventana_.muestraErrorBD(e.mensaje());
        cierraListados({}, {});
        return;
    }
    if (r.ficheros.isEmpty()) {
        // Nothing to show: the message still names the folder.
        cierraListados(r.mensaje, r.titulo);
        return;
    }
    mensajeListados_ = r.mensaje;
    ventana_.dispara(EventoLog::ListadosEscritos);
    listaPantalla_->Limpia();
    listaPantalla_->Anade(r.lineasPantalla);
    listaPantalla_->show();
    abrePanel(*listaPantalla_);
    ventana_.colocaFoco();
}

void SalidasLog::ocultaListados() {
    tipoDeListas_->hide();
    listaPantalla_->hide();
}

void SalidasLog::enfocaLista() {
    if (listaPantalla_->isVisible()) listaPantalla_->aceptar().setFocus();
}

// Back from the Cabrillo run or its choice; the message, when there is one, after the grid is back.
void SalidasLog::cierraListados(const QString& mensaje, const QString& titulo) {
    const QString texto = mensaje;
    mensajeListados_.clear();
    ventana_.dispara(EventoLog::CierraListados);
    if (!texto.isEmpty()) Avisos::actual().muestra(Informacion(texto, titulo));
}

void SalidasLog::exportaAdif() {
    Aviso aviso;
    {
        CursorEspera espera;
        aviso = ExportaADIF(log_.bd(), DatosExportacion{datos_, estacion_, programa_.VersionPrograma});
    }
    Avisos::actual().muestra(aviso);
    ventana_.dispara(EventoLog::FinAdif);
}

void SalidasLog::abreLibro() {
    abrePanel(*exportacionXk_);
    exportacionXk_->Abre();
}

void SalidasLog::exportaLibro(const QString& ruta) {
    Aviso aviso;
    {
        CursorEspera espera;
        aviso = ExportaLibroGuardia(log_.bd(), DatosExportacion{datos_, estacion_, programa_.VersionPrograma},
                                    ruta);
    }
    if (aviso.icono != Icono::Critico) exportacionXk_->Terminada();
    Avisos::actual().muestra(aviso);
    // A failed export closes the panel as well: the logbook is as it was and the log goes on.
    ventana_.dispara(EventoLog::CierraLibro);
}

void SalidasLog::ocultaLibro() {
    exportacionXk_->hide();
}
