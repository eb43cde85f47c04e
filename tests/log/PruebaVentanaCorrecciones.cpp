// The log window's corrections driven with keys: F4 and F12 or Esc, F5 and its question, the date
// of the contacts, and writes the engine refuses.
#include "AyudasVentanaLog.h"
#include "CampoTexto.h"
#include "FrameMenu.h"
#include "PanelBandasModos.h"

#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

namespace {

QStringList Ea(std::initializer_list<int> numeros) {
    QStringList l;
    for (int i : numeros)
        l << QStringLiteral("EA%1XX").arg(i);
    return l;
}

class PruebaCorrecciones : public PruebaLog {
protected:
    // A fresh file with `qsos` QSOs, the window open and browsing on the last one.
    void Prepara(int qsos) {
        ventana.reset();
        bd.reset();
        for (const char* s : {"", "-wal", "-shm"})
            QFile::remove(QStringLiteral("XkLumoConcursos.Mdb") + s);
        bd = CreaBaseConConcurso("CNCW");
        AnadeQsos(*bd, qsos);
        Abre();
        Pulsa(Qt::Key_Up);
        avisos.limpia();
    }
    // The focused field's text replaced by `texto`, typed.
    void Reemplaza(const QString& texto) {
        Pulsa(Qt::Key_A, Qt::ControlModifier);
        Pulsa(Qt::Key_Delete);
        Escribe(texto);
    }
    bool Habilitado(QWidget* w) const { return w->isEnabled(); }
    FrameMenu& Menu() const { return *ventana->Menu; }
};

} // namespace

TEST_F(PruebaCorrecciones, F4EditaLaFilaF12LaGuardaYEscLaDevuelve) {
    struct Caso {
        const char* que;
        QString fecha, indicativo, rst; // typed (empty: left as it was)
        bool ssb;                       // the SSB option chosen before the last key
        Qt::Key fin;
        bool ordena; // F9 afterwards
        QString fechaGuardada, indicativoGuardado, modoGuardado, rstGuardado;
        QStringList filas;
        QString foco;
    };
    const std::vector<Caso> casos{
        {"F12 stores the corrected callsign, the number kept", "", "EA9ZZ", "", true, Qt::Key_F12, false,
         "01-03-2026", "EA9ZZ", "SSB", "59",
         Ea({1, 2, 3, 4, 5, 6, 7, 8}) << "EA9ZZ"
                                      << "EA10XX",
         "FechaQso_8"},
        {"Esc after several edits shows the stored QSO", "02-03-2026", "EA9ZZ", "579", true, Qt::Key_Escape,
         false, "01-03-2026", "EA9XX", "CW", "599", Ea({1, 2, 3, 4, 5, 6, 7, 8, 9, 10}), "FechaQso_8"},
        {"a corrected date keeps its number until F9", "02-03-2026", "", "", false, Qt::Key_F12, true,
         "02-03-2026", "EA9XX", "CW", "599", Ea({1, 2, 3, 4, 5, 6, 7, 8, 10, 9}), "FechaQso_9"},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.que);
        Prepara(10);
        Pulsa(Qt::Key_Up); // QSO 9, row 8
        Pulsa(Qt::Key_F4);
        EXPECT_EQ(ventana->modo(), ModoEdicion::Modificar);
        EXPECT_EQ(NombreFoco(), "FechaQso_8");
        EXPECT_FALSE(ventana->Rejilla->celda(Columna::Indicativo, 8)->bloqueado());
        EXPECT_FALSE(Habilitado(Menu().ModificarReg));
        EXPECT_FALSE(Habilitado(ventana->OtraFecha));
        EXPECT_TRUE(Habilitado(Menu().Aceptar));
        if (!c.fecha.isEmpty()) Reemplaza(c.fecha);
        Pulsa(Qt::Key_Return);
        if (!c.fecha.isEmpty()) Reemplaza("10:09"); // the time a changed date asks for again
        for (const char* campo : {"Banda_8", "Modo_8", "Indicativo_8"}) {
            Pulsa(Qt::Key_Return);
            ASSERT_EQ(NombreFoco(), campo);
        }
        if (!c.indicativo.isEmpty()) Reemplaza(c.indicativo);
        Pulsa(Qt::Key_Return);
        EXPECT_EQ(NombreFoco(), "RsRecibido_8");
        if (!c.rst.isEmpty()) Reemplaza(c.rst);
        if (c.ssb) {
            ventana->BandasModos->Option3D2[4]->click();
            EXPECT_EQ(NombreFoco(), "Modo_8");
            EXPECT_EQ(Texto(Columna::Modo, 8), "SSB");
            EXPECT_EQ(Texto(Columna::RsEnviado, 8), "59");
        }
        Pulsa(c.fin);
        if (c.ordena) {
            EXPECT_EQ(QsosGuardados(*bd)[8].fecha, QDate(2026, 3, 2)); // still number 9
            Pulsa(Qt::Key_F9);
        }

        const auto qsos = QsosGuardados(*bd);
        ASSERT_EQ(qsos.size(), 10u);
        const Qso& q = c.ordena ? qsos[9] : qsos[8];
        EXPECT_EQ(q.numeroQso, c.ordena ? 10 : 9);
        EXPECT_EQ(q.fecha.toString("dd-MM-yyyy"), c.fechaGuardada);
        EXPECT_EQ(q.indicativo, c.indicativoGuardado);
        EXPECT_EQ(q.modo, c.modoGuardado);
        EXPECT_EQ(q.rstRecibido, c.rstGuardado);
        EXPECT_EQ(q.rstEnviado, c.rstGuardado);
        EXPECT_EQ(UltimoNumEnviado(*bd), 10);
        EXPECT_EQ(Indicativos(), c.filas);
        EXPECT_EQ(Texto(Columna::FechaQso, 8), c.ordena ? "01-03-2026" : c.fechaGuardada);
        EXPECT_EQ(Texto(Columna::RsRecibido, 8), c.ordena ? "599" : c.rstGuardado);
        EXPECT_EQ(Texto(Columna::Modo, 8), c.ordena ? "CW" : c.modoGuardado);
        EXPECT_EQ(ventana->modo(), ModoEdicion::Ninguno);
        EXPECT_EQ(NombreFoco(), c.foco);
        EXPECT_TRUE(ventana->Rejilla->celda(Columna::Indicativo, 8)->bloqueado());
        EXPECT_TRUE(ventana->estadoLog().TeclasNavegacion);
        for (QWidget* w : {static_cast<QWidget*>(Menu().ModificarReg), static_cast<QWidget*>(Menu().Volver),
                           static_cast<QWidget*>(ventana->OtraFecha),
                           static_cast<QWidget*>(ventana->BandasModos->FrameBanda)})
            EXPECT_TRUE(Habilitado(w)) << w->objectName().toStdString();
        EXPECT_FALSE(Habilitado(Menu().Aceptar));
        EXPECT_FALSE(Habilitado(Menu().Cancelar));
        EXPECT_TRUE(avisos.cajas.empty());
    }
}

TEST_F(PruebaCorrecciones, F5PreguntaBorraSiSeLeDiceYRenumeraSiempre) {
    struct Caso {
        const char* que;
        Qt::Key fin;
        Respuesta respuesta;
        QStringList filas;
        QString foco;
        int ultimo;
        QString serieSiguiente; // sent on the next entry line; empty: not opened
    };
    const QStringList ordenadas = Ea({10, 1, 2, 3, 4, 6, 7, 8, 9});
    const std::vector<Caso> casos{
        {"Yes deletes QSO 5 of 10 and renumbers", Qt::Key_F12, Respuesta::Si, ordenadas, "FechaQso_8", 9,
         "0010"},
        {"No deletes nothing and still renumbers", Qt::Key_F12, Respuesta::No,
         Ea({10, 1, 2, 3, 4, 5, 6, 7, 8, 9}), "FechaQso_9", 10, "0011"},
        {"Esc abandons: neither deleted nor renumbered", Qt::Key_Escape, Respuesta::Si,
         Ea({1, 2, 3, 4, 5, 6, 7, 8, 9, 10}), "FechaQso_4", 10, ""},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.que);
        Prepara(10);
        // Out of order since the opening: only a renumbering puts QSO 10 first.
        bd->ejecuta("UPDATE Contactos SET Hora = '09:00' WHERE NumeroQso = 10");
        Pulsa(Qt::Key_Home);
        for (int i = 0; i < 4; ++i)
            Pulsa(Qt::Key_Down);
        Pulsa(Qt::Key_F5);
        EXPECT_EQ(ventana->modo(), ModoEdicion::Borrar);
        EXPECT_EQ(ventana->Rejilla->celda(Columna::Indicativo, 4)->marca(), QColor(255, 0, 0));
        EXPECT_EQ(NombreFoco(), "FechaQso_4");
        EXPECT_FALSE(Habilitado(Menu().BorrarReg));
        EXPECT_TRUE(Habilitado(Menu().Aceptar));
        Pulsa(Qt::Key_Down); // arrows do not browse meanwhile
        EXPECT_EQ(ventana->navegacion().FilaActual, 4);

        avisos.respuestas = {c.respuesta};
        Pulsa(c.fin);
        if (c.fin == Qt::Key_F12) {
            ASSERT_EQ(avisos.cajas.size(), 1u);
            const Aviso& a = avisos.cajas[0];
            EXPECT_EQ(a.texto, "De verdad quiere BORRAR este Contacto");
            EXPECT_EQ(a.titulo, "VERIFICAR BORRADO DE CONTACTO");
            EXPECT_EQ(a.botones, Botones::SiNo);
            EXPECT_EQ(a.porDefecto, Respuesta::No);
            EXPECT_EQ(a.icono, Icono::Critico);
        } else {
            EXPECT_TRUE(avisos.cajas.empty());
        }
        QStringList guardados;
        for (const Qso& q : QsosGuardados(*bd))
            guardados << q.indicativo;
        EXPECT_EQ(guardados, c.filas);
        EXPECT_EQ(Indicativos(), c.filas);
        EXPECT_EQ(UltimoNumEnviado(*bd), c.ultimo);
        EXPECT_EQ(ventana->modo(), ModoEdicion::Ninguno);
        EXPECT_EQ(NombreFoco(), c.foco);
        for (int f = 0; f < RejillaLog::NumeroFilas; ++f)
            EXPECT_FALSE(ventana->Rejilla->celda(Columna::Indicativo, f)->marca().isValid()) << f;
        EXPECT_TRUE(Habilitado(Menu().BorrarReg));
        EXPECT_FALSE(Habilitado(Menu().Aceptar));
        if (!c.serieSiguiente.isEmpty()) {
            Pulsa(Qt::Key_Down);
            EXPECT_EQ(ventana->modo(), ModoEdicion::Alta);
            EXPECT_EQ(Texto(Columna::NumeralEnviado, ventana->navegacion().FilaActual), c.serieSiguiente);
        }
    }
}

TEST_F(PruebaCorrecciones, LaFechaDeLosContactosSeCompruebaYLaTomanLasLineasNuevas) {
    struct Caso {
        QString tecleado;
        bool cancela;
        QString mensaje; // the refusal's box; empty: accepted or cancelled
        QString fechaActual;
    };
    const std::vector<Caso> casos{
        {"", false, "Introduzca una FECHA", ""},
        {"31-02-2026", false, "Error en FORMATO fecha, formato correcto: dd-mm-aa ", "31-02-2026"},
        {"15/03/2026", false, "La nueva fecha de ser diferente de la actual FECHA", "15-03-2026"},
        {"14/03/2026", false, "", "14-03-2026"},
        {"14-03-2026", true, "", "15-03-2026"},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.tecleado.toStdString() + (c.cancela ? " cancelled" : ""));
        Prepara(3);
        ventana->OtraFecha->click();
        EXPECT_EQ(ventana->modo(), ModoEdicion::CambioFecha);
        EXPECT_EQ(NombreFoco(), "FechaActual");
        ventana->ColocaFoco(); // as a window activation does
        EXPECT_EQ(NombreFoco(), "FechaActual");
        EXPECT_FALSE(ventana->FechaActual->bloqueado());
        for (QWidget* w :
             {static_cast<QWidget*>(Menu().ModificarReg), static_cast<QWidget*>(Menu().Volver),
              static_cast<QWidget*>(ventana->TiempoReal), static_cast<QWidget*>(ventana->OtraFecha),
              static_cast<QWidget*>(ventana->BandasModos->FrameModo)})
            EXPECT_FALSE(Habilitado(w)) << w->objectName().toStdString();
        Reemplaza(c.tecleado);
        Pulsa(Qt::Key_Return);
        Pulsa(Qt::Key_F12); // the field has the keys: neither stores nor leaves
        EXPECT_EQ(avisos.pitidos, 1);
        EXPECT_EQ(ventana->modo(), ModoEdicion::CambioFecha);

        (c.cancela ? Menu().Cancelar : Menu().Aceptar)->click();
        EXPECT_EQ(avisos.textos(), c.mensaje.isEmpty() ? QStringList{} : QStringList{c.mensaje});
        EXPECT_EQ(ventana->FechaActual->text(), c.fechaActual);
        if (!c.mensaje.isEmpty()) {
            EXPECT_EQ(ventana->modo(), ModoEdicion::CambioFecha);
            EXPECT_EQ(NombreFoco(), "FechaActual");
            continue;
        }
        EXPECT_EQ(ventana->modo(), ModoEdicion::Ninguno);
        EXPECT_EQ(NombreFoco(), "FechaQso_2");
        EXPECT_EQ(ventana->FechaActual->bloqueado(), c.cancela);
        EXPECT_EQ(ventana->TiempoReal->isChecked(), c.cancela);
        for (QWidget* w :
             {static_cast<QWidget*>(Menu().ModificarReg), static_cast<QWidget*>(Menu().Volver),
              static_cast<QWidget*>(ventana->TiempoReal), static_cast<QWidget*>(ventana->OtraFecha),
              static_cast<QWidget*>(ventana->BandasModos->FrameModo)})
            EXPECT_TRUE(Habilitado(w)) << w->objectName().toStdString();
        EXPECT_FALSE(Habilitado(Menu().Aceptar));

        // The window has the keys again: Down opens the entry line with the date of the contacts.
        Pulsa(Qt::Key_Down);
        EXPECT_EQ(ventana->modo(), ModoEdicion::Alta);
        EXPECT_EQ(Texto(Columna::FechaQso, 3), c.fechaActual);
        EXPECT_EQ(Texto(Columna::HoraQso, 3), c.cancela ? "10:30" : "");
        if (c.cancela) continue;
        // Browsing again, a click on the unlocked date starts another change.
        Pulsa(Qt::Key_Up);
        QTest::mouseClick(ventana->FechaActual, Qt::LeftButton);
        EXPECT_EQ(ventana->modo(), ModoEdicion::CambioFecha);
        EXPECT_EQ(NombreFoco(), "FechaActual");
    }
}

TEST_F(PruebaCorrecciones, UnaEscrituraRechazadaMuestraElMotorYConservaLoTecleado) {
    struct Caso {
        const char* que;
        const char* disparador;
        bool borra;
    };
    const std::vector<Caso> casos{
        {"a correction", "BEFORE UPDATE ON Contactos", false},
        {"a deletion", "BEFORE DELETE ON Contactos", true},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.que);
        Prepara(10);
        Pulsa(Qt::Key_Up); // QSO 9, row 8
        bd->ejecuta(
            QStringLiteral("CREATE TRIGGER Bloqueo %1 BEGIN SELECT RAISE(ABORT, 'database is locked'); END")
                .arg(c.disparador));
        if (c.borra) {
            Pulsa(Qt::Key_F5);
            avisos.respuestas = {Respuesta::Si, Respuesta::Aceptar};
        } else {
            Pulsa(Qt::Key_F4);
            for (int i = 0; i < 4; ++i)
                Pulsa(Qt::Key_Return);
            Reemplaza("EA9ZZ");
            Pulsa(Qt::Key_Return);
        }
        Pulsa(Qt::Key_F12);
        ASSERT_EQ(avisos.cajas.size(), c.borra ? 2u : 1u);
        EXPECT_TRUE(avisos.cajas.back().texto.contains("database is locked"));
        EXPECT_EQ(avisos.cajas.back().icono, Icono::Critico);
        EXPECT_EQ(ventana->modo(), c.borra ? ModoEdicion::Borrar : ModoEdicion::Modificar);
        EXPECT_EQ(Texto(Columna::Indicativo, 8), c.borra ? "EA9XX" : "EA9ZZ");
        if (c.borra) EXPECT_EQ(ventana->Rejilla->celda(Columna::Indicativo, 8)->marca(), QColor(255, 0, 0));
        EXPECT_TRUE(Habilitado(Menu().Aceptar));
        auto qsos = QsosGuardados(*bd);
        ASSERT_EQ(qsos.size(), 10u);
        EXPECT_EQ(qsos[8].indicativo, "EA9XX");
        EXPECT_EQ(UltimoNumEnviado(*bd), 10);

        // Once the engine accepts, F12 again completes it.
        bd->ejecuta("DROP TRIGGER Bloqueo");
        avisos.respuestas = {Respuesta::Si};
        Pulsa(Qt::Key_F12);
        EXPECT_EQ(ventana->modo(), ModoEdicion::Ninguno);
        qsos = QsosGuardados(*bd);
        ASSERT_EQ(qsos.size(), c.borra ? 9u : 10u);
        EXPECT_EQ(qsos.back().indicativo, "EA10XX");
        EXPECT_EQ(qsos[8].indicativo, c.borra ? "EA10XX" : "EA9ZZ");
        EXPECT_EQ(UltimoNumEnviado(*bd), c.borra ? 9 : 10);
    }
}
