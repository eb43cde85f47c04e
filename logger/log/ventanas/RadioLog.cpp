#include "RadioLog.h"

#include "EnlaceRadio.h"
#include "Nombres.h"
#include "PanelBandasModos.h"

#include <QLabel>

RadioLog::RadioLog(BaseDatos& bd, PanelBandasModos& opciones, std::function<bool()> sigue, QWidget* padre)
    : QObject(padre), opciones_(opciones), sigue_(std::move(sigue)),
      estado_(Etiqueta(padre, "EstadoRadio", {})), enlace_(new EnlaceRadio(this)) {
    ConfiguracionRadio c;
    try {
        c = LeeConfiguracionRadio(bd);
    } catch (const ErrorBD&) {
        // A file the startup upgrades never reached has no setting: no radio, logging by hand.
    }
    // A long warning takes a second line rather than width.
    estado_->setWordWrap(true);
    estado_->setVisible(c.tipo != TipoRadio::Ninguno);
    if (c.tipo == TipoRadio::Ninguno) return;
    connect(enlace_, &EnlaceRadio::lectura, this, &RadioLog::lee);
    enlace_->conecta(c);
}

QString RadioLog::frecuenciaPara(const QString& banda) const {
    if (!ultima_.conectado || !ultima_.problema.isEmpty() || ultima_.frecuenciaHz <= 0) return {};
    if (BandaDeFrecuencia(ultima_.frecuenciaHz, opciones_.bandasHabilitadas()) != banda) return {};
    return QString::number(qRound64(ultima_.frecuenciaHz));
}

void RadioLog::pendiente() {
    if (pendiente_ && sigue_()) lee(ultima_);
}

void RadioLog::lee(const LecturaRadio& l) {
    ultima_ = l;
    const QStringList bandas = opciones_.bandasHabilitadas(), modos = opciones_.modosHabilitados();
    QString texto = TextoEstadoRadio(l);
    const QString aviso = AvisoNoHabilitado(l, bandas, modos);
    if (!aviso.isEmpty()) texto += QStringLiteral(". ") + aviso;
    if (estado_->text() != texto) estado_->setText(texto);
    pendiente_ = false;
    if (!l.conectado || !l.problema.isEmpty()) return;
    if (!sigue_()) {
        pendiente_ = true;
        return;
    }
    const auto banda = BandaDeFrecuencia(l.frecuenciaHz, bandas);
    const auto modo = ModoDelContest(l.modo, modos);
    // Kept as followed only once its option took it.
    if (banda != banda_ && (!banda || opciones_.eligeTexto(true, *banda))) banda_ = banda;
    if (modo != modo_ && (!modo || opciones_.eligeTexto(false, *modo))) modo_ = modo;
}
