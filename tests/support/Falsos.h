#pragma once
#include "Archivos.h"
#include "Avisos.h"
#include "Reloj.h"
#include "Sistema.h"

#include <deque>
#include <QStringList>
#include <QTimeZone>
#include <vector>

// Records every box and answers from a queue; with the queue empty the default button answers.
class AvisosFalsos : public Avisos {
public:
    AvisosFalsos();
    ~AvisosFalsos() override;
    Respuesta muestra(const Aviso& aviso) override;
    void pita() override { ++pitidos; }

    std::vector<Aviso> cajas;
    std::deque<Respuesta> respuestas;
    int pitidos = 0;

    // Texts of the boxes shown so far.
    QStringList textos() const;
    void limpia() {
        cajas.clear();
        pitidos = 0;
    }

private:
    Avisos* previo_;
};

// A moment on a clock in Madrid, whose UTC offset changes with Spain's summer time; given in UTC,
// also either of October's repeated hours.
inline QDateTime HoraMadrid(QDate fecha, QTime hora) {
    return QDateTime(fecha, hora, QTimeZone("Europe/Madrid"));
}
inline QDateTime HoraMadridDesdeUTC(QDate fecha, QTime hora) {
    return QDateTime(fecha, hora, QTimeZone::utc()).toTimeZone(QTimeZone("Europe/Madrid"));
}

class RelojFalso : public Reloj {
public:
    explicit RelojFalso(QDateTime momento = QDateTime(QDate(2026, 3, 15), QTime(10, 30, 0)));
    ~RelojFalso() override;
    QDateTime ahora() const override { return momento; }
    QDateTime momento;

private:
    Reloj* previo_;
};

class SistemaFalso : public Sistema {
public:
    SistemaFalso();
    ~SistemaFalso() override;
    struct Arranque {
        QString programa;
        QStringList argumentos;
    };
    bool arranca(const QString& programa, const QStringList& argumentos) override;
    void traeAlFrente(const QString& titulo) override { alFrente << titulo; }
    bool abreDocumento(const QString& ruta) override {
        documentos << ruta;
        return abreOk;
    }
    QString versionEjecutable(const QString& ruta) override {
        versionesLeidas << ruta;
        return version;
    }

    std::vector<Arranque> arranques;
    bool arrancaOk = true;
    QStringList alFrente, documentos, versionesLeidas;
    bool abreOk = true;
    QString version = "0.0.0.0";

private:
    Sistema* previo_;
};

// A disk that takes every byte and then fails at the flush, as a full one does; the real file
// is never touched.
class DiscoLleno : public Archivos {
public:
    DiscoLleno();
    ~DiscoLleno() override;
    std::unique_ptr<ArchivoSalida> creaSalida(const QString& ruta, QString& razon) override;
    QStringList abiertos;

private:
    Archivos* previo_;
};
