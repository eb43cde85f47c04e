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

FrameExportacionXK::FrameExportacionXK(QWidget* parent)
    : QGroupBox(QStringLiteral("EXPORTACIÓN A ONDALIA"), parent) {
    setObjectName("FrameExportacionXK");
    Drive1 = new QComboBox(this);
    Drive1->setObjectName("Drive1");
    Dir1 = new QListWidget(this);
    Dir1->setObjectName("Dir1");
    File1 = new QListWidget(this);
    File1->setObjectName("File1");
    Label8 = new QLabel(QStringLiteral("Seleccione un Libro de Guardia al que exportar los contactos y pulse "
                                       "\"Aceptar\". Pulse \"Cancelar\" para anular o salir."),
                        this);
    Label8->setObjectName("Label8");
    Label8->setWordWrap(true);
    Label11 =
        new QLabel(QStringLiteral("NOTA: Es aconsejable hacer una copia de seguridad del libro de guardia al "
                                  "que se van a importar los contactos para poder recuperarlo si algo sale "
                                  "mal."),
                   this);
    Label11->setObjectName("Label11");
    Label11->setWordWrap(true);
    AceptarExpXk = new QPushButton(QStringLiteral("&Aceptar"), this);
    AceptarExpXk->setObjectName("AceptarExpXk");
    AceptarExpXk->setAccessibleName(QStringLiteral("Aceptar"));
    CancelarExpXk = new QPushButton(QStringLiteral("&Cancelar"), this);
    CancelarExpXk->setObjectName("CancelarExpXk");
    CancelarExpXk->setAccessibleName(QStringLiteral("Cancelar"));
    PanelCuentaRenum = new QProgressBar(this);
    PanelCuentaRenum->setObjectName("PanelCuentaRenum");
    PanelCuentaRenum->setRange(0, 100);
    PanelCuentaRenum->setAccessibleName(QStringLiteral("Progreso"));

    for (QWidget* w : std::initializer_list<QWidget*>{Drive1, Dir1, File1, AceptarExpXk, CancelarExpXk})
        w->setFocusPolicy(Qt::ClickFocus);

    auto* rejilla = new QGridLayout(this);
    rejilla->addWidget(Label8, 0, 0, 1, 2);
    rejilla->addWidget(Etiqueta(QStringLiteral("&Unidad:"), Drive1, this), 1, 0);
    rejilla->addWidget(Drive1, 2, 0);
    // The folder the lists show, in words: the list itself only holds its subfolders.
    CarpetaActual = new QLabel(this);
    CarpetaActual->setObjectName("CarpetaActual");
    auto* carpeta = new QHBoxLayout;
    carpeta->addWidget(Etiqueta(QStringLiteral("Ca&rpeta:"), Dir1, this));
    carpeta->addWidget(CarpetaActual, 1);
    rejilla->addLayout(carpeta, 3, 0);
    rejilla->addWidget(Dir1, 4, 0);
    rejilla->addWidget(Etiqueta(QStringLiteral("&Libro de guardia:"), File1, this), 1, 1);
    rejilla->addWidget(File1, 2, 1, 3, 1);
    rejilla->addWidget(Label11, 5, 0, 1, 2);
    rejilla->addWidget(PanelCuentaRenum, 6, 0, 1, 2);
    auto* botones = new QHBoxLayout;
    botones->addStretch();
    botones->addWidget(AceptarExpXk);
    botones->addWidget(CancelarExpXk);
    rejilla->addLayout(botones, 7, 0, 1, 2);

    connect(Drive1, &QComboBox::activated, this, &FrameExportacionXK::Drive1_Change);
    connect(Dir1, &QListWidget::itemActivated, this, &FrameExportacionXK::EntraEnCarpeta);
    connect(File1, &QListWidget::itemActivated, this, &FrameExportacionXK::AceptarExpXk_Click);
    connect(AceptarExpXk, &QPushButton::clicked, this, &FrameExportacionXK::AceptarExpXk_Click);
    connect(CancelarExpXk, &QPushButton::clicked, this, &FrameExportacionXK::CancelarExpXk_Click);
}

void FrameExportacionXK::Abre(const QString& carpeta) {
    // The file system's roots, then the user's home: the places a logbook is kept on this platform.
    Drive1->clear();
    for (const QFileInfo& raiz : QDir::drives())
        Drive1->addItem(QDir::toNativeSeparators(raiz.absoluteFilePath()), raiz.absoluteFilePath());
    Drive1->addItem(QDir::toNativeSeparators(QDir::homePath()), QDir::homePath());
    PanelCuentaRenum->setValue(0);
    PonCarpeta(carpeta);
    show();
    Dir1->setFocus();
}

QString FrameExportacionXK::LibroSeleccionado() const {
    const QList<QListWidgetItem*> elegidos = File1->selectedItems();
    if (elegidos.isEmpty()) return {};
    return QDir(carpeta_).filePath(elegidos.first()->text());
}

void FrameExportacionXK::Drive1_Change() {
    PonCarpeta(Drive1->currentData().toString());
}

void FrameExportacionXK::Dir1_Change() {
    File1->clear();
    const QStringList libros = QDir(carpeta_).entryList(
        {QStringLiteral("LibroDe*.mdb")}, QDir::Files | QDir::Readable, QDir::Name | QDir::IgnoreCase);
    File1->addItems(libros);
    File1->setCurrentRow(-1);
    File1->clearSelection();
}

void FrameExportacionXK::AceptarExpXk_Click() {
    const QString ruta = LibroSeleccionado();
    if (ruta.isEmpty()) {
        MsgBox(QStringLiteral("Debe seleccionar un Libro de Guardia"));
        AceptarExpXk->setFocus();
        return;
    }
    emit LibroElegido(ruta);
}

void FrameExportacionXK::CancelarExpXk_Click() {
    emit Cancelado();
}

void FrameExportacionXK::keyPressEvent(QKeyEvent* e) {
    // Keys the lists leave unused: F12 accepts, Esc cancels.
    if (e->key() == Qt::Key_F12 && e->modifiers() == Qt::NoModifier) {
        AceptarExpXk->setFocus();
        AceptarExpXk_Click();
    } else if (e->key() == Qt::Key_Escape) {
        CancelarExpXk->setFocus();
        CancelarExpXk_Click();
    } else {
        QGroupBox::keyPressEvent(e);
    }
}

void FrameExportacionXK::PonCarpeta(const QString& carpeta) {
    QDir d(carpeta);
    carpeta_ = d.absolutePath();
    Dir1->clear();
    if (!d.isRoot()) Dir1->addItem(Subir);
    Dir1->addItems(d.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase));
    Dir1->setAccessibleDescription(QDir::toNativeSeparators(carpeta_));
    Dir1->setToolTip(QDir::toNativeSeparators(carpeta_));
    CarpetaActual->setText(QDir::toNativeSeparators(carpeta_));
    // The place that holds the folder shown, the deepest when several do (home inside a root).
    int unidad = 0;
    for (int i = 0; i < Drive1->count(); ++i) {
        const QString raiz = Drive1->itemData(i).toString();
        const QString dentro = carpeta_ + u'/';
        if (dentro.startsWith(raiz.endsWith(u'/') ? raiz : raiz + u'/') &&
            raiz.size() >= Drive1->itemData(unidad).toString().size())
            unidad = i;
    }
    Drive1->setCurrentIndex(unidad);
    if (Dir1->count() > 0) Dir1->setCurrentRow(0);
    Dir1_Change();
}

void FrameExportacionXK::EntraEnCarpeta() {
    QListWidgetItem* item = Dir1->currentItem();
    if (!item) return;
    QDir d(carpeta_);
    if (item->text() == Subir ? d.cdUp() : d.cd(item->text())) PonCarpeta(d.absolutePath());
}
