#include "Avisos.h"

#include <QApplication>
#include <QMessageBox>

namespace {

QMessageBox::StandardButton boton(Respuesta r) {
    switch (r) {
    case Respuesta::Aceptar:
        return QMessageBox::Ok;
    case Respuesta::Cancelar:
        return QMessageBox::Cancel;
    case Respuesta::Si:
        return QMessageBox::Yes;
    case Respuesta::No:
        return QMessageBox::No;
    case Respuesta::Reintentar:
        return QMessageBox::Retry;
    }
    return QMessageBox::Ok;
}

Respuesta respuesta(int b) {
    switch (b) {
    case QMessageBox::Cancel:
        return Respuesta::Cancelar;
    case QMessageBox::Yes:
        return Respuesta::Si;
    case QMessageBox::No:
        return Respuesta::No;
    case QMessageBox::Retry:
        return Respuesta::Reintentar;
    default:
        return Respuesta::Aceptar;
    }
}

class AvisosPantalla : public Avisos {
public:
    Respuesta muestra(const Aviso& a) override {
        QMessageBox caja;
        caja.setText(a.texto);
        caja.setWindowTitle(a.titulo.isEmpty() ? QApplication::applicationName() : a.titulo);
        switch (a.icono) {
        case Icono::Ninguno:
            caja.setIcon(QMessageBox::NoIcon);
            break;
        case Icono::Informacion:
            caja.setIcon(QMessageBox::Information);
            break;
        case Icono::Exclamacion:
            caja.setIcon(QMessageBox::Warning);
            break;
        case Icono::Critico:
            caja.setIcon(QMessageBox::Critical);
            break;
        case Icono::Pregunta:
            caja.setIcon(QMessageBox::Question);
            break;
        }
        QMessageBox::StandardButtons bs;
        switch (a.botones) {
        case Botones::Aceptar:
            bs = QMessageBox::Ok;
            break;
        case Botones::AceptarCancelar:
            bs = QMessageBox::Ok | QMessageBox::Cancel;
            break;
        case Botones::SiNo:
            bs = QMessageBox::Yes | QMessageBox::No;
            break;
        case Botones::SiNoCancelar:
            bs = QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
            break;
        case Botones::ReintentarCancelar:
            bs = QMessageBox::Retry | QMessageBox::Cancel;
            break;
        }
        caja.setStandardButtons(bs);
        caja.setDefaultButton(boton(a.porDefecto));
        // A box shown while an operation keeps the hourglass up still gets the normal pointer.
        const bool espera = QApplication::overrideCursor() != nullptr;
        if (espera) QApplication::setOverrideCursor(Qt::ArrowCursor);
        const int pulsado = caja.exec();
        if (espera) QApplication::restoreOverrideCursor();
        return respuesta(pulsado);
    }
    void pita() override { QApplication::beep(); }
};

Avisos*& instancia() {
    static AvisosPantalla pantalla;
    static Avisos* actual = &pantalla;
    return actual;
}

} // namespace

Avisos& Avisos::actual() {
    return *instancia();
}

Avisos* Avisos::instala(Avisos* nuevo) {
    Avisos* previo = instancia();
    instancia() = nuevo;
    return previo;
}

Respuesta MsgBox(const QString& texto, Icono icono, const QString& titulo, Botones botones,
                 Respuesta porDefecto) {
    return Avisos::actual().muestra({texto, titulo, icono, botones, porDefecto});
}

void Beep() {
    Avisos::actual().pita();
}
