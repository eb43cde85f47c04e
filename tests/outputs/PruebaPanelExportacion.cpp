#include "Falsos.h"
#include "PanelExportacionXk.h"

#include <gtest/gtest.h>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

namespace {
QStringList Textos(const QListWidget* lista) {
    QStringList t;
    for (int i = 0; i < lista->count(); ++i)
        t << lista->item(i)->text();
    return t;
}
void Toca(const QString& ruta) {
    QFile f(ruta);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
}
} // namespace

TEST(PanelExportacion, EligeUnLibroConTeclas) {
    AvisosFalsos avisos;
    const QString casa = QDir::currentPath();
    qputenv("HOME", casa.toLocal8Bit());
    QDir().mkdir("sub");
    for (const char* n : {"LibroDeA.mdb", "librodeB.MDB", "Otro.mdb", "LibroDeC.txt", "sub/LibroDeSub.mdb"})
        Toca(n);

    PanelExportacionXk panel;
    panel.Abre();
    panel.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&panel));
    auto* File1 = panel.findChild<QListWidget*>("File1");
    auto* Dir1 = panel.findChild<QListWidget*>("Dir1");
    auto* Drive1 = panel.findChild<QComboBox*>("Drive1");
    auto* Aceptar = panel.findChild<QPushButton*>("AceptarExpXk");
    ASSERT_TRUE(File1 && Dir1 && Drive1 && Aceptar);
    EXPECT_EQ(panel.title(), "EXPORTACIÓN A ONDALIA");
    EXPECT_EQ(
        panel.findChild<QLabel*>("Label11")->text(),
        "NOTA: Es aconsejable hacer una copia de seguridad del libro de guardia al que se van a importar "
        "los contactos para poder recuperarlo si algo sale mal.");
    EXPECT_EQ(panel.findChild<QProgressBar*>("PanelCuentaRenum")->value(), 0);
    EXPECT_EQ(Drive1->currentText(), QDir::toNativeSeparators(casa));
    EXPECT_EQ(Textos(File1), (QStringList{"LibroDeA.mdb", "librodeB.MDB"}));
    EXPECT_EQ(File1->accessibleName(), "Libro de guardia");

    // Nothing chosen: the box, and the focus on Aceptar.
    QTest::keyClick(&panel, Qt::Key_F12);
    ASSERT_EQ(avisos.cajas.size(), 1u);
    EXPECT_EQ(avisos.cajas[0].texto, "Debe seleccionar un Libro de Guardia");
    EXPECT_EQ(avisos.cajas[0].icono, Icono::Ninguno);
    EXPECT_EQ(avisos.cajas[0].titulo, "");
    EXPECT_EQ(avisos.cajas[0].botones, Botones::Aceptar);
    EXPECT_EQ(QApplication::focusWidget(), Aceptar);

    // Into "sub" with the arrows and Enter, then back up.
    QTest::keyClick(&panel, Qt::Key_R, Qt::AltModifier);
    ASSERT_EQ(QApplication::focusWidget(), Dir1);
    QTest::keyClick(Dir1, Qt::Key_Down);
    QTest::keyClick(Dir1, Qt::Key_Return);
    EXPECT_EQ(panel.Carpeta(), QDir(casa).filePath("sub"));
    EXPECT_EQ(Textos(File1), QStringList{"LibroDeSub.mdb"});
    EXPECT_TRUE(File1->selectedItems().isEmpty());
    QTest::keyClick(Dir1, Qt::Key_Return); // ".." is the current entry
    EXPECT_EQ(panel.Carpeta(), casa);

    // The drive list moves the folder list to a root and back home.
    QTest::keyClick(&panel, Qt::Key_U, Qt::AltModifier);
    ASSERT_EQ(QApplication::focusWidget(), Drive1);
    QTest::keyClick(Drive1, Qt::Key_Up);
    EXPECT_EQ(panel.Carpeta(), QDir::rootPath());
    EXPECT_FALSE(Textos(File1).contains("LibroDeA.mdb"));
    QTest::keyClick(Drive1, Qt::Key_Down);
    EXPECT_EQ(panel.Carpeta(), casa);

    QSignalSpy elegido(&panel, &PanelExportacionXk::LibroElegido);
    QTest::keyClick(&panel, Qt::Key_L, Qt::AltModifier);
    ASSERT_EQ(QApplication::focusWidget(), File1);
    QTest::keyClick(File1, Qt::Key_Down);
    QTest::keyClick(File1, Qt::Key_Down);
    QTest::keyClick(File1, Qt::Key_Return);
    ASSERT_EQ(elegido.count(), 1);
    EXPECT_EQ(elegido.at(0).at(0).toString(), QDir(casa).filePath("librodeB.MDB"));
    EXPECT_EQ(avisos.cajas.size(), 1u);

    QSignalSpy cancelado(&panel, &PanelExportacionXk::Cancelado);
    QTest::keyClick(File1, Qt::Key_Escape);
    EXPECT_EQ(cancelado.count(), 1);
}
