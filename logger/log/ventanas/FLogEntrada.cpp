#include "FLogConcurso.h"

#include "Avisos.h"
#include "CampoTexto.h"
#include "Contactos.h"
#include "FrameMenu.h"
#include "PanelBandasModos.h"
#include "RejillaLog.h"
#include "Reloj.h"
#include "TextosLog.h"

#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

void FLogConcurso::NuevoContacto() {
    DesactivaBotones();
    reintento_ = false;
    qint16 desfase = 0;
    if (datos_.HoraUTC) {
        desfase = DesfaseUTCDeReloj(Ahora());
        try {
            log_->guardaHoraUTCActual(desfase);
        } catch (const ErrorBD& e) {
            muestraErrorBD(e.mensaje());
        }
    }
    estado_.DesfaseUTC = desfase;
    const int f = nav_.FilaActual;
    if (TiempoReal->isChecked()) {
        const MomentoQso m = MomentoEntrada(Ahora(), desfase);
        Rejilla->pon(Columna::FechaQso, f, m.fecha);
        Rejilla->pon(Columna::HoraQso, f, m.hora);
    } else {
        const QDate d = QDate::fromString(FechaActual->text(), FormatoFecha);
        Rejilla->pon(Columna::FechaQso, f, d.isValid() ? d.toString(FormatoFecha) : FechaActual->text());
        Rejilla->pon(Columna::HoraQso, f, QString());
    }
    Rejilla->pon(Columna::Banda, f, BandaActual);
    Rejilla->pon(Columna::Modo, f, ModoActual);
    RstPorDefecto_ =
        RstPorDefecto(ModoActual, IndiceModoActual, BandasModos->modoSeleccionado() == IndiceModoActual,
                      nombres_, RstPorDefecto_);
    Rejilla->pon(Columna::RsRecibido, f, RstPorDefecto_);
    Rejilla->pon(Columna::RsEnviado, f, RstPorDefecto_);
    PreparaEnvio();
    Menu->Aceptar->setEnabled(true);
    Menu->Cancelar->setEnabled(true);
    Rejilla->setNavegando(false);
    ModoEdicion_ = ModoEdicion::Alta;
    if (TiempoReal->isChecked()) {
        Timer2->start(30000);
        celdaActual(Columna::Indicativo)->setFocus();
    } else {
        Timer2->stop();
        celdaActual(Columna::HoraQso)->setFocus();
    }
    TiempoReal->setEnabled(false);
    OtraFecha->setEnabled(false);
    FechaActual->setBloqueado(true);
    LabelEnter->setText(TextoEntrada);
}

void FLogConcurso::PreparaEnvio() {
    const int f = nav_.FilaActual;
    datos_.UltimoNumEnviado = log_->siguienteNumero() - 1;
    ContextoEnvio c;
    c.numeracionPorBanda = NumeracionPorBanda_;
    if (NumeracionPorBanda_ && datos_.EnviarNumeral) UltimoSerieBanda = log_->ultimoNumeroBanda(BandaActual);
    c.ultimoSerieBanda = UltimoSerieBanda;
    c.ultimoNumeroRecibido = [this] { return log_->ultimoNumeroRecibido(); };
    c.horaQso = Rejilla->texto(Columna::HoraQso, f);
    const Preparacion p = ::PreparaEnvio(datos_, c);
    for (int i = 0; i < NumeroColumnas; ++i) {
        const auto col = static_cast<Columna>(i);
        if (p.texto[static_cast<size_t>(i)]) Rejilla->pon(col, f, *p.texto[static_cast<size_t>(i)]);
        if (p.bloqueo[static_cast<size_t>(i)]) Rejilla->bloquea(col, f, *p.bloqueo[static_cast<size_t>(i)]);
    }
}

// Until the exchange checks come, every QSO passes.
bool FLogConcurso::VerificaContacto() {
    return true;
}

// Until the repeat rules come, the look-up finds nothing.
void FLogConcurso::BuscaRepeticion() {}

void FLogConcurso::GrabaContacto() {
    const int f = nav_.FilaActual;
    Rejilla->pon(Columna::NumeroQso, f, QString::number(log_->siguienteNumero()));
    if (!VerificaContacto()) return;
    try {
        log_->graba(QsoDeFila(Rejilla->textos(f), datos_.NumeroOrden));
    } catch (const ErrorBD& e) {
        // Nothing stored: the QSO stays on the entry line for another F12.
        muestraErrorBD(e.mensaje());
        reintento_ = true;
        Menu->Aceptar->setEnabled(true);
        celdaActual(Columna::Indicativo)->setFocus();
        return;
    }
    Timer2->stop();
    PanelRepeticion->hide();
    ListaRepeticion->hide();
    for (int i = 0; i < RejillaLog::NumeroFilas; ++i)
        Rejilla->MarcaLinea(false, i);
    nav_.cargaContactos(log_->total());
    Rejilla->LabelNumQSO->setText(QStringLiteral("%1 QSO").arg(nav_.TotalContactos));
    muestraPagina();
    ModoEdicion_ = ModoEdicion::Ninguno;
    Rejilla->BloqueaLinea(nav_.FilaActual, true);
    flags_.TeclasNavegacion = true;
    Rejilla->MarcaLinea(true, nav_.FilaActual);
    flags_.LineaEntrada = false;
    estado_.OperacionEnCurso.clear();
    aplica(nav_.tecla(NavegacionLog::Tecla::Abajo, false), false);
}

void FLogConcurso::Timer2_Timer() {
    if (ModoEdicion_ != ModoEdicion::Alta || !nav_.enLineaEntrada()) return;
    const MomentoQso m = MomentoEntrada(Ahora(), estado_.DesfaseUTC);
    Rejilla->pon(Columna::FechaQso, nav_.FilaActual, m.fecha);
    Rejilla->pon(Columna::HoraQso, nav_.FilaActual, m.hora);
}

void FLogConcurso::eligeBanda(int i) {
    BandaActual = BandasModos->Option3D1[static_cast<size_t>(i)]->text();
    if (ModoEdicion_ == ModoEdicion::Alta || ModoEdicion_ == ModoEdicion::Modificar) {
        Rejilla->pon(Columna::Banda, nav_.FilaActual, BandaActual);
        Rejilla->pon(Columna::Modo, nav_.FilaActual, ModoActual);
        // Per-band numbering: the serial follows the band the entry line moved to.
        if (ModoEdicion_ == ModoEdicion::Alta && NumeracionPorBanda_ && datos_.EnviarNumeral) {
            UltimoSerieBanda = log_->ultimoNumeroBanda(BandaActual);
            Rejilla->pon(Columna::NumeralEnviado, nav_.FilaActual,
                         Formato0000(QString::number(UltimoSerieBanda + 1)));
        }
        celdaActual(ModoEdicion_ == ModoEdicion::Alta ? Columna::Indicativo : Columna::Banda)->setFocus();
    }
}

void FLogConcurso::eligeModo(int i) {
    ModoActual = BandasModos->Option3D2[static_cast<size_t>(i)]->text().toUpper();
    IndiceModoActual = i;
    RstPorDefecto_ = RstPorDefecto(ModoActual, i, true, nombres_, RstPorDefecto_);
    if (ModoEdicion_ == ModoEdicion::Alta || ModoEdicion_ == ModoEdicion::Modificar) {
        const int f = nav_.FilaActual;
        // A contest without a received report keeps the locked "599" of the entry line.
        if (ModoEdicion_ != ModoEdicion::Alta || datos_.RecibirRst)
            Rejilla->pon(Columna::RsRecibido, f, RstPorDefecto_);
        Rejilla->pon(Columna::RsEnviado, f, RstPorDefecto_);
        Rejilla->pon(Columna::Modo, f, ModoActual);
        celdaActual(ModoEdicion_ == ModoEdicion::Alta ? Columna::Indicativo : Columna::Modo)->setFocus();
    }
}

void FLogConcurso::alEntrarEnCelda(CeldaLog& c) {
    if (c.columna != Columna::Indicativo || c.fila != nav_.FilaActual) return;
    if (ModoEdicion_ != ModoEdicion::Alta && ModoEdicion_ != ModoEdicion::Modificar) return;
    if (!reintento_) Menu->Aceptar->setEnabled(false);
    BandasModos->FrameBanda->setEnabled(true);
    BandasModos->FrameModo->setEnabled(true);
    Rejilla->BloqueaLinea(c.fila, true);
    c.setBloqueado(false);
}

void FLogConcurso::sigueCadenaRecibida(Columna desde) {
    if (const auto siguiente = CadenaRecibida(datos_, desde)) {
        celdaActual(*siguiente)->setFocus();
    } else if (ModoEdicion_ != ModoEdicion::Modificar) {
        Menu->Aceptar->setEnabled(true);
        Aceptar_Click();
    }
}

// The Enter chain along the row; the exchange fields' own rules come with the exchange checks.
void FLogConcurso::EnterEnCelda(CeldaLog& c) {
    const bool alta = ModoEdicion_ == ModoEdicion::Alta;
    switch (c.columna) {
    case Columna::FechaQso:
        celdaActual(Columna::HoraQso)->setFocus();
        break;
    case Columna::HoraQso:
        celdaActual(alta ? Columna::Indicativo : Columna::Banda)->setFocus();
        break;
    case Columna::Banda:
        celdaActual(Columna::Modo)->setFocus();
        break;
    case Columna::Modo:
        celdaActual(Columna::Indicativo)->setFocus();
        break;
    case Columna::Indicativo:
        if (c.text().trimmed().isEmpty()) return;
        Menu->Aceptar->setEnabled(true);
        PanelRepeticion->hide();
        ListaRepeticion->hide();
        if (ModoEdicion_ == ModoEdicion::Modificar) {
            celdaActual(Columna::RsRecibido)->setFocus();
            return;
        }
        BuscaRepeticion();
        sigueCadenaRecibida(Columna::ControlRec);
        break;
    case Columna::RsRecibido:
        sigueCadenaRecibida(Columna::ControlRec);
        break;
    case Columna::ControlRec:
        Rejilla->pon(Columna::LiteralRecibido, c.fila, c.text());
        sigueCadenaRecibida(Columna::PuntosRecibidos);
        break;
    case Columna::NumeralRecibido:
        sigueCadenaRecibida(Columna::LiteralRecibido);
        break;
    case Columna::LiteralRecibido:
        sigueCadenaRecibida(Columna::PuntosRecibidos);
        break;
    case Columna::PuntosRecibidos:
        sigueCadenaRecibida(Columna::QraLocatorRecibido);
        break;
    case Columna::QraLocatorRecibido:
        sigueCadenaRecibida(Columna::LiteralEnviado);
        break;
    default:
        break;
    }
}
