#pragma once
#include "CampoTexto.h"
#include "DatosConcurso.h"
#include "Entrada.h"

#include <QWidget>

#include <array>
#include <functional>

class QLabel;

// A cell of the log grid: keeps a mark colour (the current row's yellow date, the light red
// callsign of a deletion) through focus changes; `amarilloConFoco` paints a browsing date
// yellow when it takes the focus instead of cyan.
class CeldaLog : public CampoTexto {
public:
    CeldaLog(Columna columna, int fila, const std::function<void(CeldaLog&)>& alEntrar, QWidget* padre);
    const Columna columna;
    const int fila;
    void setMarca(QColor color); // invalid: none
    QColor marca() const { return marca_; }
    bool amarilloConFoco = false;

protected:
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;

private:
    void pintaFondo(QColor c);
    QColor marca_;
    const std::function<void(CeldaLog&)>& alEntrar_;
};

// The grid of the log window: eleven rows of the seventeen columns, their headers and the help
// labels. It shows texts; the window decides what.
class RejillaLog : public QWidget {
public:
    static constexpr int NumeroFilas = 11;
    RejillaLog(const DatosConcurso& concurso, QWidget* padre);

    CeldaLog* celda(Columna c, int fila) const {
        return columnas_[static_cast<size_t>(Indice(c))][static_cast<size_t>(fila)];
    }
    // MuestraContacto: the stored QSO in a row.
    void MuestraContacto(int fila, const Qso& qso);
    void BorraLinea(int fila);
    void BorraPantalla();
    void MarcaLinea(bool marcar, int fila);
    void MarcaIndicativo(int fila, QColor color);
    void BloqueaLinea(int fila, bool bloquear);
    // Lock or unlock one cell.
    void bloquea(Columna c, int fila, bool bloquear) { celda(c, fila)->setBloqueado(bloquear); }
    TextosFila textos(int fila) const;
    void pon(Columna c, int fila, const QString& texto) { celda(c, fila)->setText(texto); }
    QString texto(Columna c, int fila) const { return celda(c, fila)->text(); }
    // While browsing, a date cell taking the focus is painted yellow.
    void setNavegando(bool navegando);

    // "12 QSO" above the grid; empty for an empty log.
    void ponNumQso(const QString& texto);

    // Each cell reports the focus it takes (callsign: Aceptar off, the frames on).
    std::function<void(CeldaLog&)> alEntrar;

private:
    void CreaLineas(const DatosConcurso& concurso);
    QLabel *numQso_, *cabeceraNumeral_, *cabeceraSiglas_, *cabeceraControl_;
    std::array<std::array<CeldaLog*, NumeroFilas>, NumeroColumnas> columnas_{};
};
