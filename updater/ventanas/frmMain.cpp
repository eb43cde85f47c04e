#include "frmMain.h"

#include "cFTP.h"
#include "CursorEspera.h"
#include "Identidad.h"
#include "PrimeraActivacion.h"
#include "Ventanas.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

frmMain::frmMain(const QString& servidor, int puerto, const QString& usuario, const QString& lineaComando,
                 const QString& clave, QWidget* parent)
    : QWidget(parent), servidor_(servidor), usuario_(usuario), clave_(clave), lineaComando_(lineaComando),
      puerto_(puerto) {
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QString::fromUtf8(Titulo));

    QFont letra(QStringLiteral("Arial"), 9);
    LabelAviso = new QLabel(QString::fromUtf8("Hay nuevas versiones de XkLumoCon ¿descargar ahora?"), this);
    Aceptar = new QPushButton(QStringLiteral("Aceptar"), this);
    Cancelar = new QPushButton(QStringLiteral("Cancelar"), this);
    LabelDescarga = new QLabel(this);
    pb = new QProgressBar(this);
    const std::pair<QWidget*, const char*> nombres[] = {{LabelAviso, "LabelAviso"},
                                                        {Aceptar, "Aceptar"},
                                                        {Cancelar, "Cancelar"},
                                                        {LabelDescarga, "LabelDescarga"},
                                                        {pb, "pb"}};
    for (auto [w, nombre] : nombres) {
        w->setObjectName(QString::fromLatin1(nombre));
        w->setFont(letra);
        w->setFocusPolicy(w == Aceptar ? Qt::StrongFocus : Qt::NoFocus);
    }
    LabelAviso->setAccessibleName(LabelAviso->text());
    Aceptar->setAccessibleName(Aceptar->text());
    Cancelar->setAccessibleName(Cancelar->text());
    LabelDescarga->setAccessibleName(QStringLiteral("Estado"));
    pb->setAccessibleName(QStringLiteral("Progreso"));
    pb->setRange(0, 100);
    pb->setTextVisible(false);
    Aceptar->setDefault(true);

    auto* fila = new QHBoxLayout;
    fila->addWidget(LabelAviso, 1);
    fila->addWidget(Aceptar);
    fila->addWidget(Cancelar);
    auto* columna = new QVBoxLayout(this);
    columna->addLayout(fila);
    columna->addWidget(LabelDescarga);
    columna->addWidget(pb);
    LabelAviso->hide();
    Aceptar->hide();
    // Never offered: declining is closing the window.
    Cancelar->hide();
    pb->hide();
    resize(440, 110);

    connect(Aceptar, &QPushButton::clicked, this, &frmMain::Aceptar_Click);
    connect(Cancelar, &QPushButton::clicked, this, &frmMain::terminaArrancando);
    activacion_ = new PrimeraActivacion(*this, [this] {
        if (!cerrado_) Form_Activate();
    });

    Form_Load();
}

frmMain::~frmMain() {
    cursorEspera(false);
}

void frmMain::cursorEspera(bool espera) {
    if (espera)
        espera_.emplace();
    else
        espera_.reset();
}

void frmMain::Form_Load() {
    mFTP = std::make_unique<cFTP>();
    connect(mFTP.get(), &cFTP::FileTransferProgress, this, &frmMain::mFTP_FileTransferProgress);
    cursorEspera(true);
    CentraFormulario(*this);
    if (!VerificaIdentidad(lineaComando_)) {
        // Not started by the logger: end without a trace.
        cursorEspera(false);
        cerrado_ = true;
        close();
        return;
    }
    // The logger has ended by now, so a copy that failed last time can be put in place.
    InstalaDescargasPendientes();
    versiones_.LeeVersionesInstaladas();
    mFTP->SetModeActive();
    mFTP->SetTransferBinary();
    LabelDescarga->setText(QStringLiteral(" Verificando versiones "));
    show();
}

void frmMain::Form_Activate() {
    if (activado_ || cerrado_) return;
    activado_ = true;
    QApplication::processEvents();
    if (cerrado_) return;
    if (!Conecta() || cerrado_ || !DescargaVersiones()) {
        terminaArrancando();
        return;
    }
    CierraConexion();
    LeeVersiones();
    if (!ComparaVersiones()) {
        terminaArrancando();
        return;
    }
    Aceptar->setFocus();
}

void frmMain::terminaArrancando() {
    if (cerrado_) return; // the user closed the window meanwhile
    ArrancaPrograma();
    QApplication::processEvents();
    close();
}

bool frmMain::Conecta() {
    cursorEspera(true);
    const bool ok = mFTP->OpenConnection(servidor_, usuario_, clave_, puerto_);
    if (ok) LabelDescarga->setText(QStringLiteral(" Verificando Versiones "));
    cursorEspera(false);
    return ok;
}

bool frmMain::DescargaVersiones() {
    pb->setValue(0);
    pb->show();
    cursorEspera(true);
    const QString nombre = QString::fromLatin1(ListaVersiones);
    const bool ok = mFTP->FTPDownloadFile(QDir::current().filePath(nombre), nombre);
    cursorEspera(false);
    if (ok) pb->hide();
    return ok;
}

void frmMain::CierraConexion() {
    mFTP->CloseConnection();
}

void frmMain::LeeVersiones() {
    versiones_.LeeVersiones();
}

bool frmMain::ComparaVersiones() {
    if (!versiones_.ComparaVersiones()) return false;
    LabelAviso->show();
    Aceptar->show();
    return true;
}

void frmMain::Aceptar_Click() {
    // Pressed again while the downloads let events through: one update only.
    if (actualizando_ || cerrado_) return;
    actualizando_ = true;
    ActualizaFicheros();
    terminaArrancando();
}

void frmMain::ActualizaFicheros() {
    if (!Conecta()) return;
    for (Elemento e : {Elemento::Logger, Elemento::NuevosCon, Elemento::ConfCon}) {
        // A close during a download aborts it and ends the update.
        if (cerrado_) return;
        if (versiones_.Necesita(e) && DescargaFichero(QString::fromLatin1(Datos(e).servidor)))
            InstalaDescarga(e); // a failed copy keeps the old file and the download for next time
    }
    if (!cerrado_ && versiones_.Necesita(Elemento::Cliente) &&
        DescargaFichero(QString::fromLatin1(Datos(Elemento::Cliente).servidor)))
        HazEjecutable(NombreDescarga(Elemento::Cliente)); // the logger only renames it
    if (!cerrado_) CierraConexion();
}

bool frmMain::DescargaFichero(const QString& nombre) {
    LabelDescarga->setText(QStringLiteral(" Actualizando ") + nombre);
    QApplication::processEvents();
    if (cerrado_) return false;
    pb->setValue(0);
    pb->show();
    cursorEspera(true);
    const bool ok =
        mFTP->FTPDownloadFile(QDir::current().filePath(nombre + QString::fromLatin1(SufijoDescarga)), nombre);
    cursorEspera(false);
    if (ok) pb->hide();
    return ok && !cerrado_;
}

void frmMain::ArrancaPrograma() {
    ArrancaLogger();
}

void frmMain::mFTP_FileTransferProgress(qint32 lCurrentBytes, qint32 lTotalBytes) {
    const qint64 tanto = lTotalBytes > 0 ? qint64(lCurrentBytes) * 100 / lTotalBytes : 0;
    pb->setValue(static_cast<int>(std::clamp<qint64>(tanto, 0, 100)));
    QApplication::processEvents();
}

bool frmMain::VerificaIdentidad(const QString& lineaComando) const {
    return ::VerificaIdentidad(lineaComando);
}

void frmMain::Form_Unload() {
    if (mFTP) mFTP->CloseConnection();
}

void frmMain::closeEvent(QCloseEvent* e) {
    cerrado_ = true;
    cursorEspera(false);
    Form_Unload();
    e->accept();
}
