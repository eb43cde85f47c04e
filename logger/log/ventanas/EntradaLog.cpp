#include "EntradaLog.h"

#include "Avisos.h"
#include "CamposEntrada.h"
#include "ConcursosNombrados.h"
#include "Contactos.h"
#include "HoraUTC.h"
#include "PanelBandasModos.h"
#include "PanelRepeticion.h"
#include "PreviaTeclas.h"
#include "Programa.h"
#include "RejillaLog.h"
#include "Reloj.h"
#include "Repeticion.h"
#include "VerificacionContacto.h"

#include <QKeyEvent>
#include <QTimer>

EntradaLog::EntradaLog(VentanaEntrada& ventana, RejillaLog& rejilla, PanelBandasModos& bandasModos,
                       PanelRepeticion& repeticion, LogContactos& log, Programa& programa,
                       FilaConcurso& datos, const NombresUser& nombres, ReglasContacto reglas, QObject* padre)
    : QObject(padre), ventana_(ventana), rejilla_(rejilla), bandasModos_(bandasModos),
      repeticion_(repeticion), log_(log), programa_(programa), datos_(datos), nombres_(nombres),
      reglas_(std::move(reglas)) {
    reloj_ = new QTimer(this);
    reloj_->setObjectName("Timer2");
    connect(reloj_, &QTimer::timeout, this, &EntradaLog::tic);
    bandasModos_.alElegirBanda = [this](int i) { eligeBanda(i); };
    bandasModos_.alElegirModo = [this](int i) { eligeModo(i); };
}

void EntradaLog::cargaOpciones(int modo) {
    if (modo < 0) indiceModo_ = datos_.indiceModo;
    // The options' captions do not change while the log is open; the mode field holds capitals,
    // so a user mode named in small letters is compared as the field shows it.
    bandas_ = bandasModos_.bandasHabilitadas();
    modos_.clear();
    for (const QString& m : bandasModos_.modosHabilitados())
        modos_ << m.toUpper();
}

void EntradaLog::abre() {
    numeracionPorBanda_ = NumeracionPorBanda(datos_.nombreConcurso);
}

void EntradaLog::nuevoContacto() {
    repeticionAvisada_.clear();
    qint16 desfase = 0;
    // Shown in the main window's UTC box: the offset of the clock the entry times come from.
    if (datos_.horaUTC) {
        desfase = DesfaseUTCEn(Ahora());
        ventana_.intentaBD([&] { log_.guardaHoraUTCActual(desfase); });
    }
    programa_.DesfaseUTC = desfase;
    const int f = ventana_.filaActual();
    const bool tiempoReal = ventana_.tiempoReal();
    if (tiempoReal) {
        ponMomento();
    } else {
        const QString fecha = ventana_.fechaActual();
        const QDate d = QDate::fromString(fecha, FormatoFecha);
        rejilla_.pon(Columna::FechaQso, f, d.isValid() ? d.toString(FormatoFecha) : fecha);
        rejilla_.pon(Columna::HoraQso, f, QString());
    }
    rejilla_.pon(Columna::Banda, f, banda_);
    rejilla_.pon(Columna::Modo, f, modo_);
    rstPorDefecto_ = RstPorDefecto(modo_, indiceModo_, bandasModos_.modoSeleccionado() == indiceModo_,
                                   nombres_, rstPorDefecto_);
    rejilla_.pon(Columna::RsRecibido, f, rstPorDefecto_);
    rejilla_.pon(Columna::RsEnviado, f, rstPorDefecto_);
    preparaEnvio();
    if (tiempoReal)
        reloj_->start(30000);
    else
        reloj_->stop();
}

void EntradaLog::preparaEnvio() {
    const int f = ventana_.filaActual();
    datos_.ultimoNumEnviado = log_.ultimaSerie();
    ContextoEnvio c;
    c.numeracionPorBanda = numeracionPorBanda_;
    if (numeracionPorBanda_ && datos_.enviarNumeral) ultimoSerieBanda_ = log_.ultimoNumeroBanda(banda_);
    c.ultimoSerieBanda = ultimoSerieBanda_;
    c.ultimoNumeroRecibido = [this] { return log_.ultimoNumeroRecibido(); };
    c.horaQso = rejilla_.texto(Columna::HoraQso, f);
    const Preparacion p = ::PreparaEnvio(datos_, c);
    propuesta_ = {};
    if (datos_.enviarNumeral)
        propuesta_ = {(numeracionPorBanda_ ? ultimoSerieBanda_ : datos_.ultimoNumEnviado) + 1,
                      numeracionPorBanda_};
    for (int i = 0; i < NumeroColumnas; ++i) {
        const auto col = static_cast<Columna>(i);
        if (p.texto[static_cast<size_t>(i)]) rejilla_.pon(col, f, *p.texto[static_cast<size_t>(i)]);
        if (p.bloqueo[static_cast<size_t>(i)]) rejilla_.bloquea(col, f, *p.bloqueo[static_cast<size_t>(i)]);
    }
}

bool EntradaLog::verifica() {
    const int f = ventana_.filaActual();
    const ResultadoContacto r =
        ::VerificaContacto(DatosContacto{rejilla_.textos(f), reglas_, bandas_, modos_});
    for (Columna c : ColumnasTecleadas)
        if (r.fila[c] != rejilla_.texto(c, f)) rejilla_.pon(c, f, r.fila[c]);
    if (r.acepta()) return true;
    MuestraRechazo(*r.rechazo);
    rejilla_.celda(r.rechazo->foco, f)->setFocus();
    return false;
}

// The earlier QSOs with the callsign the rules do not allow again, in the panel; true when found.
bool EntradaLog::buscaRepeticion() {
    const int f = ventana_.filaActual();
    ResultadoRepeticion rr;
    if (!ventana_.intentaBD([&] {
            rr = ::BuscaRepeticion(*programa_.BaseConcursos, reglas_,
                                   rejilla_.texto(Columna::Indicativo, f).trimmed(), rejilla_.textos(f),
                                   ventana_.totalContactos() > 0);
        }))
        return false;
    if (rr.horaQso != rejilla_.texto(Columna::HoraQso, f)) rejilla_.pon(Columna::HoraQso, f, rr.horaQso);
    if (rr.avisoHora) {
        if (!rr.avisoHora->texto.isEmpty()) Avisos::actual().muestra(*rr.avisoHora);
        rejilla_.celda(Columna::HoraQso, f)->setFocus();
    }
    repeticion_.muestra(rr);
    return rr.encontrado;
}

void EntradaLog::graba() {
    const int f = ventana_.filaActual();
    rejilla_.pon(Columna::NumeroQso, f, QString::number(log_.siguienteNumero()));
    // The clock still runs when neither the date nor the time was typed: the QSO is stored at the
    // moment of storing, not at the last 30-second refresh (which may be the day before).
    if (reloj_->isActive()) ponMomento();
    if (!verifica()) return;
    Qso q = QsoDeFila(rejilla_.textos(f), datos_.numeroOrden);
    if (frecuenciaEquipo) q.frecuencia = frecuenciaEquipo(q.banda);
    if (!ventana_.intentaBD([&] { log_.graba(q, propuesta_); })) {
        // Nothing stored: the QSO stays on the entry line for another F12.
        ventana_.dispara(EventoLog::GrabaRechazada);
        return;
    }
    reloj_->stop();
    ventana_.muestraGuardado();
}

void EntradaLog::paraReloj() {
    reloj_->stop();
}

void EntradaLog::tic() {
    if (!EnLineaEntrada(ventana_.estado())) return;
    ponMomento();
}

// Straight from the clock's UTC in a UTC contest: local time plus an offset is an hour wrong
// around each summer-time change.
void EntradaLog::ponMomento() {
    const MomentoQso m = MomentoEntrada(datos_.horaUTC ? AhoraUTC() : Ahora());
    rejilla_.pon(Columna::FechaQso, ventana_.filaActual(), m.fecha);
    rejilla_.pon(Columna::HoraQso, ventana_.filaActual(), m.hora);
}

void EntradaLog::eligeBanda(int i) {
    banda_ = bandasModos_.textoBanda(i);
    const EstadoVentanaLog e = ventana_.estado();
    const bool alta = EnLineaEntrada(e);
    if (!alta && modoCampos() != ModoCampos::Modificar) return;
    const int f = ventana_.filaActual();
    rejilla_.pon(Columna::Banda, f, banda_);
    rejilla_.pon(Columna::Modo, f, modo_);
    // Per-band numbering: the serial follows the band the entry line moved to.
    if (alta && numeracionPorBanda_ && datos_.enviarNumeral) {
        ultimoSerieBanda_ = log_.ultimoNumeroBanda(banda_);
        propuesta_.numero = ultimoSerieBanda_ + 1;
        rejilla_.pon(Columna::NumeralEnviado, f, Formato0000(QString::number(ultimoSerieBanda_ + 1)));
    }
    rejilla_.celda(alta ? Columna::Indicativo : Columna::Banda, f)->setFocus();
}

void EntradaLog::eligeModo(int i) {
    modo_ = bandasModos_.textoModo(i).toUpper();
    indiceModo_ = i;
    rstPorDefecto_ = RstPorDefecto(modo_, i, true, nombres_, rstPorDefecto_);
    const bool alta = EnLineaEntrada(ventana_.estado());
    if (!alta && modoCampos() != ModoCampos::Modificar) return;
    const int f = ventana_.filaActual();
    // A contest without a received report keeps the locked "599" of the entry line.
    if (!alta || datos_.recibirRst) rejilla_.pon(Columna::RsRecibido, f, rstPorDefecto_);
    rejilla_.pon(Columna::RsEnviado, f, rstPorDefecto_);
    rejilla_.pon(Columna::Modo, f, modo_);
    rejilla_.celda(alta ? Columna::Indicativo : Columna::Modo, f)->setFocus();
}

void EntradaLog::alEntrarEnCelda(CeldaLog& c) {
    if (c.fila != ventana_.filaActual()) return;
    // What ControlRec took is stored as the received literal, and shown again from there.
    if (c.columna == Columna::ControlRec && reglas_.numeraloSiglas)
        c.setText(rejilla_.texto(Columna::LiteralRecibido, c.fila));
    if (c.columna == Columna::Indicativo) ventana_.dispara(EventoLog::EntraIndicativo);
}

ModoCampos EntradaLog::modoCampos() const {
    switch (ventana_.estado()) {
    case EstadoVentanaLog::Alta:
    case EstadoVentanaLog::Reintento:
        return ModoCampos::Alta;
    case EstadoVentanaLog::Modificar:
    case EstadoVentanaLog::ReintentoModificacion:
        return ModoCampos::Modificar;
    case EstadoVentanaLog::Borrar:
    case EstadoVentanaLog::CambioFecha:
        return ModoCampos::Otro;
    default:
        return ModoCampos::Navegacion;
    }
}

// Enter along the row: what the field's rules decide, applied.
void EntradaLog::enter(CeldaLog& c) {
    aplicaEnter(c, TeclaEnter(c.columna, c.text(), reglas_, modoCampos()));
}

bool EntradaLog::aceptaDesde(CeldaLog& c) {
    if (c.columna != Columna::Indicativo || modoCampos() != ModoCampos::Modificar) return false;
    ResultadoEnter r = TeclaEnter(c.columna, c.text(), reglas_, ModoCampos::Modificar);
    // A correction makes no repeat look-up: a callsign Enter accepts is stored at once; an empty
    // one, which Enter ignores, beeps.
    if (r.accion == ResultadoEnter::Accion::Foco) r.accion = ResultadoEnter::Accion::Graba;
    if (r.accion == ResultadoEnter::Accion::Nada) r.pitido = true;
    aplicaEnter(c, r);
    return true;
}

void EntradaLog::aplicaEnter(CeldaLog& c, const ResultadoEnter& r) {
    using A = ResultadoEnter::Accion;
    if (r.texto) c.setText(*r.texto);
    if (r.literalRecibido) rejilla_.pon(Columna::LiteralRecibido, c.fila, *r.literalRecibido);
    if (c.columna == Columna::Indicativo && (r.accion == A::Foco || r.accion == A::Graba)) {
        ventana_.dispara(EventoLog::IndicativoAceptado);
        // A QSO stored by this Enter would hide the warning: the first Enter on a repeat only shows
        // it, the next one (or F12) stores.
        if (r.buscaRepeticion && buscaRepeticion() && r.accion == A::Graba &&
            repeticionAvisada_ != c.text()) {
            repeticionAvisada_ = c.text();
            return;
        }
    }
    if (r.pitido) Beep();
    if (r.aviso) Avisos::actual().muestra(*r.aviso);
    switch (r.accion) {
    case A::Foco:
        rejilla_.celda(r.foco, c.fila)->setFocus();
        break;
    case A::Graba:
        // Stored without leaving the field: it is tidied as leaving it would.
        c.setText(TextoAlSalir(c.columna, c.text()));
        ventana_.dispara(EventoLog::ListoParaGrabar);
        ventana_.acepta();
        break;
    case A::Nada:
    case A::Queda:
        break;
    }
}

void EntradaLog::teclaEnFecha(const QKeyEvent& e, const CeldaLog& c) {
    if (c.columna != Columna::FechaQso || c.fila != ventana_.filaActual()) return;
    if (modoCampos() == ModoCampos::Navegacion) return;
    const int k = e.key();
    // Enter, a modifier alone and the keys of buttons that are off edit nothing.
    if (k == Qt::Key_Return || k == Qt::Key_Enter || EsModificadora(k) ||
        (k >= Qt::Key_F1 && k <= Qt::Key_F35))
        return;
    rejilla_.pon(Columna::HoraQso, c.fila, QString());
    // A date being typed must not be overwritten by the entry line's clock.
    reloj_->stop();
}
