#include "SalidasLog.h"

#include "Adif.h"
#include "Avisos.h"
#include "Cabrillo.h"
#include "Contactos.h"
#include "CursorEspera.h"
#include "DatosConcurso.h"
#include "EstadoPrincipal.h"
#include "LibroGuardia.h"
#include "PanelExportacionXk.h"
#include "PanelListados.h"
#include "SeleccionPrincipal.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QVBoxLayout>

namespace {
// The keys of the Cabrillo panels, which open while the window's own keys are off: F12 and Enter
// accept, Esc takes the way out the panel has.
class TeclasPanel : public QObject {
public:
    TeclasPanel(QWidget& panel, QAbstractButton& aceptar, std::function<void()> escape)
        : QObject(&panel), aceptar_(aceptar), escape_(std::move(escape)) {
        panel.installEventFilter(this);
        for (QWidget* w : panel.findChildren<QWidget*>())
            w->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* evento) override {
        if (evento->type() != QEvent::KeyPress) return false;
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
        default:
            return false;
        }
    }

private:
    QAbstractButton& aceptar_;
    std::function<void()> escape_;
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
                       LogContactos& log, EstadoPrincipal& estado, const DatosConcurso& datos)
    : QObject(&padre), ventana_(ventana), log_(log), estado_(estado), datos_(datos) {
    tipoDeListas_ = new PanelTipoDeListas(&padre);
    listaPantalla_ = new PanelListaPantalla(&padre);
    exportacionXk_ = new PanelExportacionXk(&padre);
    for (QWidget* panel : std::initializer_list<QWidget*>{tipoDeListas_, listaPantalla_, exportacionXk_}) {
        panel->hide();
        capa.insertWidget(sitio++, panel);
    }
    // Leaving the choice writes nothing: the window is as before F6.
    new TeclasPanel(*tipoDeListas_, tipoDeListas_->aceptar(), [this] { cierraListados({}, {}); });
    new TeclasPanel(*listaPantalla_, listaPantalla_->aceptar(),
                    [this] { listaPantalla_->aceptar().click(); });
    connect(tipoDeListas_, &PanelTipoDeListas::aceptado, this, &SalidasLog::ejecutaListados);
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
    tipoDeListas_->Abre(datos_.NombreConcurso);
    abrePanel(*tipoDeListas_);
    tipoDeListas_->enfocaOrden();
}

void SalidasLog::ejecutaListados() {
    cabrillo::Resultado r;
    try {
        CursorEspera espera;
        r = cabrillo::GeneraListadosCabrillo(log_.bd(), {log_.numeroOrden(), NumeroIndicativoActual(estado_),
                                                         tipoDeListas_->orden(), tipoDeListas_->porBanda(),
                                                         estado_.VersionPrograma});
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
        aviso = ExportaADIF(log_.bd(), LeeDatosExportacion(*estado_.RegConcursos, *estado_.RegIndicativos,
                                                           estado_.VersionPrograma));
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
        aviso = ExportaLibroGuardia(
            log_.bd(),
            LeeDatosExportacion(*estado_.RegConcursos, *estado_.RegIndicativos, estado_.VersionPrograma),
            ruta);
    }
    Avisos::actual().muestra(aviso);
    // A failed export closes the panel as well: the logbook is as it was and the log goes on.
    ventana_.dispara(EventoLog::CierraLibro);
}

void SalidasLog::ocultaLibro() {
    exportacionXk_->hide();
}
