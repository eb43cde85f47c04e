#include "PanelExportacionXk.h"

#include "Avisos.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>

namespace {
// The entry that goes up one folder.
const QString Subir = QStringLiteral("..");

QLabel* Etiqueta(const QString& texto, QWidget* campo, QWidget* parent) {
    auto* l = new QLabel(texto, parent);
    l->setBuddy(campo);
    campo->setAccessibleName(QString(texto).remove(u'&').remove(u':'));
    return l;
}
} // namespace

PanelExportacionXk::PanelExportacionXk(QWidget* parent)
    : QGroupBox(QStringLiteral("EXPORTACIÓN A ONDALIA"), parent) {
    setObjectName("FrameExportacionXK");
    drive_ = new QComboBox(this);
    drive_->setObjectName("Drive1");
    carpetas_ = new QListWidget(this);
    carpetas_->setObjectName("Dir1");
    libros_ = new QListWidget(this);
    libros_->setObjectName("File1");
    ayuda_ = new QLabel(QStringLiteral("Seleccione un Libro de Guardia al que exportar los contactos y pulse "
                                       "\"Aceptar\". Pulse \"Cancelar\" para anular o salir."),
                        this);
    ayuda_->setObjectName("Label8");
    ayuda_->setWordWrap(true);
    nota_ =
        new QLabel(QStringLiteral("NOTA: Es aconsejable hacer una copia de seguridad del libro de guardia al "
                                  "que se van a importar los contactos para poder recuperarlo si algo sale "
                                  "mal."),
                   this);
    nota_->setObjectName("Label11");
    nota_->setWordWrap(true);
    aceptar_ = new QPushButton(QStringLiteral("&Aceptar"), this);
    aceptar_->setObjectName("AceptarExpXk");
    aceptar_->setAccessibleName(QStringLiteral("Aceptar"));
    cancelar_ = new QPushButton(QStringLiteral("&Cancelar"), this);
    cancelar_->setObjectName("CancelarExpXk");
    cancelar_->setAccessibleName(QStringLiteral("Cancelar"));
    progreso_ = new QProgressBar(this);
    progreso_->setObjectName("PanelCuentaRenum");
    progreso_->setRange(0, 100);
    progreso_->setAccessibleName(QStringLiteral("Progreso"));

    for (QWidget* w : std::initializer_list<QWidget*>{drive_, carpetas_, libros_, aceptar_, cancelar_})
        w->setFocusPolicy(Qt::ClickFocus);

    auto* rejilla = new QGridLayout(this);
    rejilla->addWidget(ayuda_, 0, 0, 1, 2);
    rejilla->addWidget(Etiqueta(QStringLiteral("&Unidad:"), drive_, this), 1, 0);
    rejilla->addWidget(drive_, 2, 0);
    // The folder the lists show, in words: the list itself only holds its subfolders.
    carpetaActual_ = new QLabel(this);
    carpetaActual_->setObjectName("CarpetaActual");
    auto* carpeta = new QHBoxLayout;
    carpeta->addWidget(Etiqueta(QStringLiteral("Ca&rpeta:"), carpetas_, this));
    carpeta->addWidget(carpetaActual_, 1);
    rejilla->addLayout(carpeta, 3, 0);
    rejilla->addWidget(carpetas_, 4, 0);
    rejilla->addWidget(Etiqueta(QStringLiteral("&Libro de guardia:"), libros_, this), 1, 1);
    rejilla->addWidget(libros_, 2, 1, 3, 1);
    rejilla->addWidget(nota_, 5, 0, 1, 2);
    rejilla->addWidget(progreso_, 6, 0, 1, 2);
    auto* botones = new QHBoxLayout;
    botones->addStretch();
    botones->addWidget(aceptar_);
    botones->addWidget(cancelar_);
    rejilla->addLayout(botones, 7, 0, 1, 2);

    connect(drive_, &QComboBox::activated, this, &PanelExportacionXk::cambiaUnidad);
    connect(carpetas_, &QListWidget::itemActivated, this, &PanelExportacionXk::entraEnCarpeta);
    connect(libros_, &QListWidget::itemActivated, this, &PanelExportacionXk::acepta);
    connect(aceptar_, &QPushButton::clicked, this, &PanelExportacionXk::acepta);
    connect(cancelar_, &QPushButton::clicked, this, &PanelExportacionXk::cancela);
}

void PanelExportacionXk::Abre(const QString& carpeta) {
    // The file system's roots, then the user's home: the places a logbook is kept on this platform.
    drive_->clear();
    for (const QFileInfo& raiz : QDir::drives())
        drive_->addItem(QDir::toNativeSeparators(raiz.absoluteFilePath()), raiz.absoluteFilePath());
    drive_->addItem(QDir::toNativeSeparators(QDir::homePath()), QDir::homePath());
    progreso_->setValue(0);
    ponCarpeta(carpeta);
    show();
    carpetas_->setFocus();
}

QString PanelExportacionXk::LibroSeleccionado() const {
    const QList<QListWidgetItem*> elegidos = libros_->selectedItems();
    if (elegidos.isEmpty()) return {};
    return QDir(carpeta_).filePath(elegidos.first()->text());
}

void PanelExportacionXk::Terminada() {
    progreso_->setValue(progreso_->maximum());
}

void PanelExportacionXk::cambiaUnidad() {
    ponCarpeta(drive_->currentData().toString());
}

void PanelExportacionXk::cambiaCarpeta() {
    libros_->clear();
    const QStringList libros = QDir(carpeta_).entryList(
        {QStringLiteral("LibroDe*.mdb")}, QDir::Files | QDir::Readable, QDir::Name | QDir::IgnoreCase);
    libros_->addItems(libros);
    libros_->setCurrentRow(-1);
    libros_->clearSelection();
}

void PanelExportacionXk::acepta() {
    const QString ruta = LibroSeleccionado();
    if (ruta.isEmpty()) {
        MsgBox(QStringLiteral("Debe seleccionar un Libro de Guardia"));
        aceptar_->setFocus();
        return;
    }
    emit LibroElegido(ruta);
}

void PanelExportacionXk::cancela() {
    emit Cancelado();
}

void PanelExportacionXk::keyPressEvent(QKeyEvent* e) {
    // Keys the lists leave unused: F12 accepts, Esc cancels.
    if (e->key() == Qt::Key_F12 && e->modifiers() == Qt::NoModifier) {
        aceptar_->setFocus();
        acepta();
    } else if (e->key() == Qt::Key_Escape) {
        cancelar_->setFocus();
        cancela();
    } else {
        QGroupBox::keyPressEvent(e);
    }
}

void PanelExportacionXk::ponCarpeta(const QString& carpeta) {
    QDir d(carpeta);
    carpeta_ = d.absolutePath();
    carpetas_->clear();
    if (!d.isRoot()) carpetas_->addItem(Subir);
    carpetas_->addItems(d.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase));
    carpetas_->setAccessibleDescription(QDir::toNativeSeparators(carpeta_));
    carpetas_->setToolTip(QDir::toNativeSeparators(carpeta_));
    carpetaActual_->setText(QDir::toNativeSeparators(carpeta_));
    // The place that holds the folder shown, the deepest when several do (home inside a root).
    int unidad = 0;
    for (int i = 0; i < drive_->count(); ++i) {
        const QString raiz = drive_->itemData(i).toString();
        const QString dentro = carpeta_ + u'/';
        if (dentro.startsWith(raiz.endsWith(u'/') ? raiz : raiz + u'/') &&
            raiz.size() >= drive_->itemData(unidad).toString().size())
            unidad = i;
    }
    drive_->setCurrentIndex(unidad);
    if (carpetas_->count() > 0) carpetas_->setCurrentRow(0);
    cambiaCarpeta();
}

void PanelExportacionXk::entraEnCarpeta() {
    QListWidgetItem* item = carpetas_->currentItem();
    if (!item) return;
    QDir d(carpeta_);
    if (item->text() == Subir ? d.cdUp() : d.cd(item->text())) ponCarpeta(d.absolutePath());
}
