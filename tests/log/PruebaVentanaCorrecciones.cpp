// The log window's corrections driven with keys: F4 and F12 or Esc, F5 and its question, the date
// of the contacts, and writes the engine refuses.
#include "AyudasVentanaLog.h"
#include "CampoTexto.h"
#include "FrameMenu.h"
#include "PanelBandasModos.h"

#include <QFile>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>

namespace {

QStringList Ea(std::initializer_list<int> numeros) {
    QStringList l;
    for (int i : numeros)
        l << QStringLiteral("EA%1XX").arg(i);
    return l;
}

const QString kEditando = "ModificarReg BorrarReg Listar ExportarXk ExportarADIF Ordenar Volver TiempoReal "
                          "OtraFecha";
const QString kConsulta = "Aceptar Cancelar";

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
    // The disabled ones among the buttons, frames and date options the modes change.
    QString Apagados() const {
        QStringList l;
        for (const char* nombre :
             {"ModificarReg", "BorrarReg", "Listar", "ExportarXk", "ExportarADIF", "Ordenar", "Volver",
              "Aceptar", "Cancelar", "FrameBanda", "FrameModo", "TiempoReal", "OtraFecha"})
            if (!Control<QWidget>(nombre)->isEnabled()) l << nombre;
        return l.join(' ');
    }
    QStringList Guardados() const {
        QStringList l;
        for (const Qso& q : QsosGuardados(*bd))
            l << q.indicativo;
        return l;
    }
};

} // namespace

TEST_F(PruebaCorrecciones, F4EditaLaFilaF12LaGuardaYEscLaDevuelve) {
    struct Caso {
        const char* que;
        QString fecha, indicativo, rst; // typed (empty: left as it was)
        bool ssb;                       // the SSB option chosen before the last key
        Qt::Key fin;
        bool ordena; // F9 afterwards
        QString guardado;
        QStringList filas;
        QString foco;
    };
    const std::vector<Caso> casos{
        {"F12 stores the row, the number kept", "", "EA9ZZ", "", true, Qt::Key_F12, false,
         "9 01-03-2026 SSB EA9ZZ 59 59",
         Ea({1, 2, 3, 4, 5, 6, 7, 8}) << "EA9ZZ"
                                      << "EA10XX",
         "FechaQso_8"},
        {"Esc after several edits shows the stored QSO", "02-03-2026", "EA9ZZ", "579", true, Qt::Key_Escape,
         false, "9 01-03-2026 CW EA9XX 599 599", Ea({1, 2, 3, 4, 5, 6, 7, 8, 9, 10}), "FechaQso_8"},
        {"a corrected date keeps its number until F9", "02-03-2026", "", "", false, Qt::Key_F12, true,
         "10 02-03-2026 CW EA9XX 599 599", Ea({1, 2, 3, 4, 5, 6, 7, 8, 10, 9}), "FechaQso_9"},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.que);
        Prepara(10);
        Pulsa(Qt::Key_Up); // QSO 9, row 8
        Pulsa(Qt::Key_F4);
        EXPECT_EQ(NombreFoco(), "FechaQso_8");
        EXPECT_EQ(Apagados(), kEditando);
        EXPECT_FALSE(Celda(Columna::Indicativo, 8)->bloqueado());
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
            Control<QRadioButton>("Option3D2_4")->click();
            EXPECT_EQ(NombreFoco(), "Modo_8");
            EXPECT_EQ(Texto(Columna::Modo, 8) + Texto(Columna::RsRecibido, 8) + Texto(Columna::RsEnviado, 8),
                      "SSB5959");
        }
        Pulsa(c.fin);
        if (c.ordena) {
            EXPECT_EQ(QsosGuardados(*bd)[8].fecha, QDate(2026, 3, 2)); // still number 9
            Pulsa(Qt::Key_F9);
        }

        const auto qsos = QsosGuardados(*bd);
        ASSERT_EQ(qsos.size(), 10u);
        const Qso& q = qsos[c.ordena ? 9 : 8];
        EXPECT_EQ(QStringList({QString::number(q.numeroQso), q.fecha.toString("dd-MM-yyyy"), q.modo,
                               q.indicativo, q.rstRecibido, q.rstEnviado})
                      .join(' '),
                  c.guardado);
        EXPECT_EQ(UltimoNumEnviado(*bd), 10);
        EXPECT_EQ(Indicativos(), c.filas);
        const int fila = c.ordena ? 9 : 8;
        EXPECT_EQ(QStringList({Texto(Columna::FechaQso, fila), Texto(Columna::Modo, fila),
                               Texto(Columna::RsRecibido, fila), Texto(Columna::RsEnviado, fila)}),
                  QStringList({q.fecha.toString("dd-MM-yyyy"), q.modo, q.rstRecibido, q.rstEnviado}));
        EXPECT_EQ(NombreFoco(), c.foco);
        EXPECT_EQ(Apagados(), kConsulta);
        EXPECT_TRUE(Celda(Columna::Indicativo, 8)->bloqueado());
        EXPECT_TRUE(avisos.cajas.empty());
        // Browsing again: the arrows move.
        Pulsa(Qt::Key_Up);
        EXPECT_EQ(NombreFoco(), QStringLiteral("FechaQso_%1").arg(fila - 1));
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
    const std::vector<Caso> casos{
        {"Yes deletes QSO 5 of 10 and renumbers", Qt::Key_F12, Respuesta::Si,
         Ea({10, 1, 2, 3, 4, 6, 7, 8, 9}), "FechaQso_8", 10, "0011"}, // serial 10 was sent
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
        EXPECT_EQ(Celda(Columna::Indicativo, 4)->marca(), QColor(255, 0, 0));
        EXPECT_EQ(NombreFoco(), "FechaQso_4");
        EXPECT_EQ(Apagados(), kEditando);
        Pulsa(Qt::Key_Down); // arrows do not browse meanwhile
        EXPECT_EQ(NombreFoco(), "FechaQso_4");

        avisos.respuestas = {c.respuesta};
        Pulsa(c.fin);
        if (c.fin == Qt::Key_F12) {
            ASSERT_EQ(avisos.cajas.size(), 1u);
            const Aviso& a = avisos.cajas[0];
            EXPECT_EQ(a.texto + "|" + a.titulo,
                      "De verdad quiere BORRAR este Contacto|VERIFICAR BORRADO DE CONTACTO");
            EXPECT_EQ(a.botones, Botones::SiNo);
            EXPECT_EQ(a.porDefecto, Respuesta::No);
            EXPECT_EQ(a.icono, Icono::Critico);
        } else {
            EXPECT_TRUE(avisos.cajas.empty());
        }
        EXPECT_EQ(Guardados(), c.filas);
        EXPECT_EQ(Indicativos(), c.filas);
        EXPECT_EQ(UltimoNumEnviado(*bd), c.ultimo);
        EXPECT_EQ(NombreFoco(), c.foco);
        EXPECT_EQ(Apagados(), kConsulta);
        for (int f = 0; f < RejillaLog::NumeroFilas; ++f)
            EXPECT_FALSE(Celda(Columna::Indicativo, f)->marca().isValid()) << f;
        if (c.serieSiguiente.isEmpty()) continue;
        Pulsa(Qt::Key_Down);
        EXPECT_EQ(NombreFoco().section('_', 0, 0), "Indicativo");
        EXPECT_EQ(Texto(Columna::NumeralEnviado, FilaFoco()), c.serieSiguiente);
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
        Control<QRadioButton>("OtraFecha")->click();
        // A window activation leaves the focus in the date being typed.
        QEvent activacion(QEvent::WindowActivate);
        QApplication::sendEvent(ventana.get(), &activacion);
        QApplication::processEvents();
        EXPECT_EQ(NombreFoco(), "FechaActual");
        EXPECT_FALSE(Campo("FechaActual")->bloqueado());
        EXPECT_EQ(Apagados(),
                  "ModificarReg BorrarReg Listar ExportarXk ExportarADIF Ordenar Volver FrameBanda "
                  "FrameModo TiempoReal OtraFecha");
        Reemplaza(c.tecleado);
        Pulsa(Qt::Key_Return); // the field has the keys: Enter only beeps
        EXPECT_EQ(avisos.pitidos, 1);
        EXPECT_EQ(NombreFoco(), "FechaActual");

        // F12 and Esc still press Aceptar and Cancelar from the field.
        Pulsa(c.cancela ? Qt::Key_Escape : Qt::Key_F12);
        EXPECT_EQ(avisos.textos(), c.mensaje.isEmpty() ? QStringList{} : QStringList{c.mensaje});
        EXPECT_EQ(Campo("FechaActual")->text(), c.fechaActual);
        if (!c.mensaje.isEmpty()) {
            EXPECT_EQ(NombreFoco(), "FechaActual");
            continue;
        }
        EXPECT_EQ(NombreFoco(), "FechaQso_2");
        EXPECT_EQ(Campo("FechaActual")->bloqueado(), c.cancela);
        EXPECT_EQ(Control<QRadioButton>("TiempoReal")->isChecked(), c.cancela);
        EXPECT_EQ(Apagados(), kConsulta);

        // The window has the keys again: Down opens the entry line with the date of the contacts.
        Pulsa(Qt::Key_Down);
        EXPECT_EQ(NombreFoco(), c.cancela ? "Indicativo_3" : "HoraQso_3");
        EXPECT_EQ(Texto(Columna::FechaQso, 3), c.fechaActual);
        EXPECT_EQ(Texto(Columna::HoraQso, 3), c.cancela ? "10:30" : "");
        if (c.cancela) continue;
        // Browsing again, a click on the unlocked date starts another change.
        Pulsa(Qt::Key_Up);
        QTest::mouseClick(Campo("FechaActual"), Qt::LeftButton);
        EXPECT_EQ(NombreFoco(), "FechaActual");
        EXPECT_FALSE(Boton("Volver")->isEnabled());
    }
}

TEST_F(PruebaCorrecciones, UnaEscrituraRechazadaMuestraElMotorYConservaLoTecleado) {
    for (const bool borra : {false, true}) {
        SCOPED_TRACE(borra ? "a deletion" : "a correction");
        Prepara(10);
        Pulsa(Qt::Key_Up); // QSO 9, row 8
        bd->ejecuta(QStringLiteral("CREATE TRIGGER Bloqueo BEFORE %1 ON Contactos BEGIN "
                                   "SELECT RAISE(ABORT, 'database is locked'); END")
                        .arg(borra ? "DELETE" : "UPDATE"));
        if (borra) {
            Pulsa(Qt::Key_F5);
            avisos.respuestas = {Respuesta::Si};
        } else {
            Pulsa(Qt::Key_F4);
            for (int i = 0; i < 4; ++i)
                Pulsa(Qt::Key_Return);
            Reemplaza("EA9ZZ");
            Pulsa(Qt::Key_Return);
        }
        Pulsa(Qt::Key_F12);
        ASSERT_EQ(avisos.cajas.size(), borra ? 2u : 1u);
        EXPECT_TRUE(avisos.cajas.back().texto.contains("database is locked"));
        EXPECT_EQ(avisos.cajas.back().icono, Icono::Critico);
        EXPECT_EQ(Apagados(), kEditando);
        EXPECT_EQ(Texto(Columna::Indicativo, 8), borra ? "EA9XX" : "EA9ZZ");
        if (borra) {
            EXPECT_EQ(Celda(Columna::Indicativo, 8)->marca(), QColor(255, 0, 0));
        }
        EXPECT_TRUE(Boton("Aceptar")->isEnabled());
        EXPECT_EQ(Guardados(), Ea({1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
        EXPECT_EQ(UltimoNumEnviado(*bd), 10);

        // Once the engine accepts, F12 again completes it.
        bd->ejecuta("DROP TRIGGER Bloqueo");
        avisos.respuestas = {Respuesta::Si};
        Pulsa(Qt::Key_F12);
        EXPECT_EQ(Apagados(), kConsulta);
        EXPECT_EQ(Guardados(), borra ? Ea({1, 2, 3, 4, 5, 6, 7, 8, 10})
                                     : Ea({1, 2, 3, 4, 5, 6, 7, 8}) << "EA9ZZ"
                                                                    << "EA10XX");
        EXPECT_EQ(UltimoNumEnviado(*bd), 10); // the serial sent last stays
    }
}
