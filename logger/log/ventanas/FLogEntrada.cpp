#include "FLogConcurso.h"

#include "Avisos.h"
#include "CamposEntrada.h"
#include "CampoTexto.h"
#include "Contactos.h"
#include "FrameMenu.h"
#include "PanelBandasModos.h"
#include "PanelRepeticion.h"
#include "RejillaLog.h"
#include "Reloj.h"
#include "Repeticion.h"
#include "TextosLog.h"
#include "VerificacionContacto.h"

#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

void FLogConcurso::NuevoContacto() {
    DesactivaBotones();
    reintento_ = false;
    qint16 desfase = 0;
    if (datos_.horaUTC) {
        desfase = DesfaseUTCDeReloj(Ahora());
        intentaBD([&] { log_->guardaHoraUTCActual(desfase); });
    }
    programa_.DesfaseUTC = desfase;
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
    datos_.ultimoNumEnviado = log_->siguienteNumero() - 1;
    ContextoEnvio c;
    c.numeracionPorBanda = NumeracionPorBanda_;
    if (NumeracionPorBanda_ && datos_.enviarNumeral) UltimoSerieBanda = log_->ultimoNumeroBanda(BandaActual);
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

// The row's checks: on refusal the message, the focus on the field at fault and the row kept as
// typed (with the date and time normalised).
bool FLogConcurso::VerificaContacto() {
    const int f = nav_.FilaActual;
    const ResultadoContacto r =
        ::VerificaContacto(DatosContacto{Rejilla->textos(f), reglas_, bandas_, modos_});
    for (Columna c : ColumnasTecleadas)
        if (r.fila[c] != Rejilla->texto(c, f)) Rejilla->pon(c, f, r.fila[c]);
    if (r.acepta()) return true;
    MuestraRechazo(*r.rechazo);
    celdaActual(r.rechazo->foco)->setFocus();
    return false;
}

// The earlier QSOs with the callsign the rules do not allow again, in the panel; a warning only.
void FLogConcurso::BuscaRepeticion() {
    const int f = nav_.FilaActual;
    ResultadoRepeticion rr;
    try {
        rr = ::BuscaRepeticion(*programa_.BaseConcursos, reglas_,
                               Rejilla->texto(Columna::Indicativo, f).trimmed(), Rejilla->textos(f),
                               nav_.TotalContactos > 0);
    } catch (const ErrorBD& e) {
        muestraErrorBD(e.mensaje());
        return;
    }
    if (rr.horaQso != Rejilla->texto(Columna::HoraQso, f)) Rejilla->pon(Columna::HoraQso, f, rr.horaQso);
    if (rr.avisoHora) {
        if (!rr.avisoHora->texto.isEmpty()) Avisos::actual().muestra(*rr.avisoHora);
        celdaActual(Columna::HoraQso)->setFocus();
    }
    PanelRepeticion->muestra(rr);
}

void FLogConcurso::GrabaContacto() {
    const int f = nav_.FilaActual;
    Rejilla->pon(Columna::NumeroQso, f, QString::number(log_->siguienteNumero()));
    if (!VerificaContacto()) return;
    if (!intentaBD([&] { log_->graba(QsoDeFila(Rejilla->textos(f), datos_.numeroOrden)); })) {
        // Nothing stored: the QSO stays on the entry line for another F12.
        reintento_ = true;
        Menu->Aceptar->setEnabled(true);
        celdaActual(Columna::Indicativo)->setFocus();
        return;
    }
    Timer2->stop();
    PanelRepeticion->oculta();
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
    aplica(nav_.tecla(NavegacionLog::Tecla::Abajo, false), false);
}

void FLogConcurso::Timer2_Timer() {
    if (ModoEdicion_ != ModoEdicion::Alta || !nav_.enLineaEntrada()) return;
    const MomentoQso m = MomentoEntrada(Ahora(), programa_.DesfaseUTC);
    Rejilla->pon(Columna::FechaQso, nav_.FilaActual, m.fecha);
    Rejilla->pon(Columna::HoraQso, nav_.FilaActual, m.hora);
}

void FLogConcurso::eligeBanda(int i) {
    BandaActual = BandasModos->Option3D1[static_cast<size_t>(i)]->text();
    if (ModoEdicion_ == ModoEdicion::Alta || ModoEdicion_ == ModoEdicion::Modificar) {
        Rejilla->pon(Columna::Banda, nav_.FilaActual, BandaActual);
        Rejilla->pon(Columna::Modo, nav_.FilaActual, ModoActual);
        // Per-band numbering: the serial follows the band the entry line moved to.
        if (ModoEdicion_ == ModoEdicion::Alta && NumeracionPorBanda_ && datos_.enviarNumeral) {
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
        if (ModoEdicion_ != ModoEdicion::Alta || datos_.recibirRst)
            Rejilla->pon(Columna::RsRecibido, f, RstPorDefecto_);
        Rejilla->pon(Columna::RsEnviado, f, RstPorDefecto_);
        Rejilla->pon(Columna::Modo, f, ModoActual);
        celdaActual(ModoEdicion_ == ModoEdicion::Alta ? Columna::Indicativo : Columna::Modo)->setFocus();
    }
}

void FLogConcurso::alEntrarEnCelda(CeldaLog& c) {
    if (c.fila != nav_.FilaActual) return;
    if (c.columna == Columna::HoraQso && ModoEdicion_ == ModoEdicion::Ninguno && !flags_.VentanaIniciada) {
        ModoEdicion_ = ModoEdicion::Alta;
        return;
    }
    // What ControlRec took is stored as the received literal, and shown again from there.
    if (c.columna == Columna::ControlRec && reglas_.numeraloSiglas)
        c.setText(Rejilla->texto(Columna::LiteralRecibido, c.fila));
    if (c.columna != Columna::Indicativo) return;
    if (ModoEdicion_ != ModoEdicion::Alta && ModoEdicion_ != ModoEdicion::Modificar) return;
    if (!reintento_) Menu->Aceptar->setEnabled(false);
    BandasModos->FrameBanda->setEnabled(true);
    BandasModos->FrameModo->setEnabled(true);
    Rejilla->BloqueaLinea(c.fila, true);
    c.setBloqueado(false);
}

ModoCampos FLogConcurso::modoCampos() const {
    switch (ModoEdicion_) {
    case ModoEdicion::Ninguno:
        return ModoCampos::Navegacion;
    case ModoEdicion::Alta:
        return ModoCampos::Alta;
    case ModoEdicion::Modificar:
        return ModoCampos::Modificar;
    default:
        return ModoCampos::Otro;
    }
}

// Enter along the row: what the field's rules decide, applied.
void FLogConcurso::EnterEnCelda(CeldaLog& c) {
    aplicaEnter(c, TeclaEnter(c.columna, c.text(), reglas_, modoCampos()));
}

void FLogConcurso::aplicaEnter(CeldaLog& c, const ResultadoEnter& r) {
    using A = ResultadoEnter::Accion;
    if (r.texto) c.setText(*r.texto);
    if (r.literalRecibido) Rejilla->pon(Columna::LiteralRecibido, c.fila, *r.literalRecibido);
    if (c.columna == Columna::Indicativo && r.accion != A::Nada) {
        Menu->Aceptar->setEnabled(true);
        PanelRepeticion->oculta();
        if (r.buscaRepeticion) BuscaRepeticion();
    }
    if (r.pitido) Beep();
    if (r.aviso) Avisos::actual().muestra(*r.aviso);
    switch (r.accion) {
    case A::Foco:
        celdaActual(r.foco)->setFocus();
        break;
    case A::Graba:
        // Stored without leaving the field: it is tidied as leaving it would.
        c.setText(TextoAlSalir(c.columna, c.text()));
        Menu->Aceptar->setEnabled(true);
        Aceptar_Click();
        break;
    case A::Nada:
    case A::Queda:
        break;
    }
}

void FLogConcurso::teclaEnFecha(const QKeyEvent& e, const CeldaLog& c) {
    if (c.columna != Columna::FechaQso || c.fila != nav_.FilaActual) return;
    if (ModoEdicion_ == ModoEdicion::Ninguno) return;
    switch (e.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Alt:
    case Qt::Key_Meta:
    case Qt::Key_AltGr:
        return;
    default:
        // Keys of buttons that are off edit nothing.
        if (e.key() >= Qt::Key_F1 && e.key() <= Qt::Key_F35) return;
        break;
    }
    Rejilla->pon(Columna::HoraQso, c.fila, QString());
    // A date being typed must not be overwritten by the entry line's clock.
    Timer2->stop();
}
