#pragma once
#include <QString>

// Every message box and beep of both programs goes through here, so tests can answer boxes.
enum class Icono { Ninguno, Informacion, Exclamacion, Critico, Pregunta };
enum class Botones { Aceptar, AceptarCancelar, SiNo, SiNoCancelar, ReintentarCancelar };
enum class Respuesta { Aceptar, Cancelar, Si, No, Reintentar };

struct Aviso {
    QString texto;
    QString titulo; // empty: the program's name is shown
    Icono icono = Icono::Ninguno;
    Botones botones = Botones::Aceptar;
    Respuesta porDefecto = Respuesta::Aceptar;
};

class Avisos {
public:
    virtual ~Avisos() = default;
    virtual Respuesta muestra(const Aviso& aviso) = 0;
    virtual void pita() = 0;

    // The process-wide instance; tests install their own and get the previous one back.
    static Avisos& actual();
    static Avisos* instala(Avisos* nuevo);
};

// Shorthands for the common cases.
Respuesta MsgBox(const QString& texto, Icono icono = Icono::Ninguno, const QString& titulo = {},
                 Botones botones = Botones::Aceptar, Respuesta porDefecto = Respuesta::Aceptar);
void Beep();
