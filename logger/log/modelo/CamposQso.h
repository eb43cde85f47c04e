#pragma once
#include <QString>

#include <array>

// The typed columns of a QSO row of the log grid, left to right (NumeroQso takes no keys).
enum class CampoQso {
    FechaQso,
    HoraQso,
    Banda,
    Modo,
    Indicativo,
    RsRecibido,
    NumeralRecibido,
    LiteralRecibido,
    ControlRec,
    PuntosRecibidos,
    QraLocatorRecibido,
    RsEnviado,
    NumeralEnviado,
    LiteralEnviado,
    PuntosEnviados,
    QraLocatorEnviado,
};

inline constexpr int NumeroCamposQso = 16;

inline constexpr std::array<CampoQso, NumeroCamposQso> TodosCamposQso{CampoQso::FechaQso,
                                                                      CampoQso::HoraQso,
                                                                      CampoQso::Banda,
                                                                      CampoQso::Modo,
                                                                      CampoQso::Indicativo,
                                                                      CampoQso::RsRecibido,
                                                                      CampoQso::NumeralRecibido,
                                                                      CampoQso::LiteralRecibido,
                                                                      CampoQso::ControlRec,
                                                                      CampoQso::PuntosRecibidos,
                                                                      CampoQso::QraLocatorRecibido,
                                                                      CampoQso::RsEnviado,
                                                                      CampoQso::NumeralEnviado,
                                                                      CampoQso::LiteralEnviado,
                                                                      CampoQso::PuntosEnviados,
                                                                      CampoQso::QraLocatorEnviado};

// The column's name as the controls are named ("FechaQso"); the repeat panel adds "Rep".
QString NombreCampo(CampoQso campo);

// The texts of one grid row, by column.
struct FilaQso {
    std::array<QString, NumeroCamposQso> textos;

    QString& operator[](CampoQso c) { return textos[static_cast<size_t>(c)]; }
    const QString& operator[](CampoQso c) const { return textos[static_cast<size_t>(c)]; }
};
