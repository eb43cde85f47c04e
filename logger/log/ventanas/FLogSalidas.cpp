#include "FLogConcurso.h"

#include "Adif.h"
#include "Avisos.h"
#include "Cabrillo.h"
#include "CampoTexto.h"
#include "Contactos.h"
#include "CursorEspera.h"
#include "FrameMenu.h"
#include "LibroGuardia.h"
#include "PanelBandasModos.h"
#include "PanelExportacionXk.h"
#include "PanelListados.h"
#include "PreviaTeclas.h"
#include "RejillaLog.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
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

// The panels take the grid's place in the window, hidden until their key opens them.
void FLogConcurso::construyeSalidas() {
    auto* capa = static_cast<QVBoxLayout*>(layout());
    int sitio = capa->indexOf(Rejilla) + 1;
    TipoDeListas = new PanelTipoDeListas(this);
    FrameListaPantalla = new PanelListaPantalla(this);
    ExportacionXk = new FrameExportacionXK(this);
    for (QWidget* panel : std::initializer_list<QWidget*>{TipoDeListas, FrameListaPantalla, ExportacionXk}) {
        panel->hide();
        capa->insertWidget(sitio++, panel);
    }
    new TeclasPanel(*TipoDeListas, *TipoDeListas->AceptarListas, [this] {
        // Leaving the choice writes nothing: the window is as before F6.
        TipoDeListas->hide();
        cierraListados({}, {});
    });
    new TeclasPanel(*FrameListaPantalla, *FrameListaPantalla->AceptarFicheroCabrillo,
                    [this] { FrameListaPantalla->AceptarFicheroCabrillo->click(); });
    connect(TipoDeListas, &PanelTipoDeListas::aceptado, this, &FLogConcurso::ejecutaListados);
    connect(FrameListaPantalla, &PanelListaPantalla::aceptado, this,
            [this] { cierraListados(mensajeListados_, QStringLiteral("INFORMACIÓN")); });
    connect(ExportacionXk, &FrameExportacionXK::LibroElegido, this, &FLogConcurso::exportaLibro);
    connect(ExportacionXk, &FrameExportacionXK::Cancelado, this, &FLogConcurso::cierraExportacionXk);
}

// A panel has the keys to itself: the window's browsing keys would move the hidden grid. The
// Cabrillo panels get Tab back among their own controls.
void FLogConcurso::abrePanel(QWidget* panel) {
    teclas_->setActiva(false);
    if (!panel) return;
    for (QWidget* w : panel->findChildren<QWidget*>())
        if (w->focusPolicy() == Qt::ClickFocus) w->setFocusPolicy(Qt::StrongFocus);
}

// The choice of lists takes the room of the band, mode and date frames and of the hidden repeat
// panel: the window keeps fitting the screen.
void FLogConcurso::cedeSitio(bool ceder) {
    BandasModos->setVisible(!ceder);
    FrameFecha->setVisible(!ceder);
    QSizePolicy p = PanelRepeticion->sizePolicy();
    p.setRetainSizeWhenHidden(!ceder);
    PanelRepeticion->setSizePolicy(p);
}

void FLogConcurso::Listar_Click() {
    DesactivaBotones();
    cedeSitio(true);
    TipoDeListas->Abre(datos_.nombreConcurso);
    abrePanel(TipoDeListas);
    for (QRadioButton* r : {TipoDeListas->OrdenQso, TipoDeListas->OrdenNum, TipoDeListas->OrdenLetras})
        if (r->isChecked()) r->setFocus();
}

void FLogConcurso::ejecutaListados() {
    ModoEdicion_ = ModoEdicion::ListarCabrillo;
    cabrillo::Resultado r;
    try {
        CursorEspera espera;
        r = cabrillo::GeneraListadosCabrillo(log_->bd(),
                                             {log_->numeroOrden(), numeroIndicativo_, TipoDeListas->orden(),
                                              TipoDeListas->porBanda(), programa_.VersionPrograma});
    } catch (const ErrorBD& e) {
        muestraErrorBD(e.mensaje());
        cierraListados({}, {});
        return;
    }
    if (r.ficheros.isEmpty()) {
        // Nothing to show: the message still names the folder.
        cierraListados(r.mensaje, r.titulo);
        return;
    }
    mensajeListados_ = r.mensaje;
    for (QWidget* w : std::initializer_list<QWidget*>{BandasModos->FrameBanda, BandasModos->FrameModo, Menu,
                                                      Rejilla, LabelEnter})
        w->hide();
    FrameListaPantalla->Limpia();
    FrameListaPantalla->Anade(r.lineasPantalla);
    FrameListaPantalla->show();
    abrePanel(FrameListaPantalla);
    ColocaFoco();
}

// Back from the Cabrillo run or its choice; the message, when there is one, after the grid is back.
void FLogConcurso::cierraListados(QString mensaje, const QString& titulo) {
    // The panel goes before the grid comes back: both at once would grow the window past the screen.
    FrameListaPantalla->hide();
    for (QWidget* w : std::initializer_list<QWidget*>{BandasModos->FrameBanda, BandasModos->FrameModo, Menu,
                                                      Rejilla, LabelEnter})
        w->show();
    cedeSitio(false);
    mensajeListados_.clear();
    if (!mensaje.isEmpty()) Avisos::actual().muestra(Informacion(mensaje, titulo));
    BotonesConsulta();
    teclas_->setActiva(true);
    ModoEdicion_ = ModoEdicion::Ninguno;
    celdaActual(Columna::FechaQso)->setFocus();
}

void FLogConcurso::ExportarADIF_Click() {
    renumeraYRecarga();
    const std::initializer_list<QWidget*> marcos{Rejilla, Menu, BandasModos->FrameBanda,
                                                 BandasModos->FrameModo};
    for (QWidget* w : marcos)
        w->setEnabled(false);
    Aviso aviso;
    {
        CursorEspera espera;
        aviso = ExportaADIF(log_->bd(), {datos_, estacion_, programa_.VersionPrograma});
    }
    Avisos::actual().muestra(aviso);
    for (QWidget* w : marcos)
        w->setEnabled(true);
    celdaActual(Columna::FechaQso)->setFocus();
}

void FLogConcurso::ExportarXk_Click() {
    renumeraYRecarga();
    for (QWidget* w : std::initializer_list<QWidget*>{Menu, BandasModos->FrameBanda, BandasModos->FrameModo})
        w->setEnabled(false);
    Rejilla->hide();
    abrePanel(ExportacionXk);
    ExportacionXk->Abre();
}

void FLogConcurso::exportaLibro(const QString& ruta) {
    Aviso aviso;
    {
        CursorEspera espera;
        aviso = ExportaLibroGuardia(log_->bd(), {datos_, estacion_, programa_.VersionPrograma}, ruta);
    }
    Avisos::actual().muestra(aviso);
    // A failed export closes the panel as well: the logbook is as it was and the log goes on.
    cierraExportacionXk();
}

void FLogConcurso::cierraExportacionXk() {
    for (QWidget* w : std::initializer_list<QWidget*>{Menu, BandasModos->FrameBanda, BandasModos->FrameModo})
        w->setEnabled(true);
    ExportacionXk->hide();
    Rejilla->show();
    teclas_->setActiva(true);
    celdaActual(Columna::FechaQso)->setFocus();
}
