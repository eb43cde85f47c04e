#include "Falsos.h"
#include "HoraUTC.h"
#include "Indicativos.h"

#include <gtest/gtest.h>

namespace {

struct Caso {
    QDate fecha;
    QTime hora;
    qint16 desfase;
};

// A clock in Madrid: the offset is the clock's own, around each change of the hour.
TEST(DiferenciaHoraUTC, CambiosDeHorarioDeVariosAnos) {
    // Last Sundays: 2024-03-31 / 2024-10-27, 2025-03-30 / 2025-10-26, 2026-03-29 / 2026-10-25,
    // 2029-03-25 / 2029-10-28 (31 March 2029 is a Saturday).
    const Caso casos[] = {
        {QDate(2024, 1, 1), QTime(12, 0), -1},        {QDate(2024, 7, 15), QTime(12, 0), -2},
        {QDate(2024, 12, 31), QTime(23, 59, 59), -1}, {QDate(2024, 3, 30), QTime(23, 59, 59), -1},
        {QDate(2024, 3, 31), QTime(1, 59, 59), -1},   {QDate(2026, 3, 29), QTime(1, 59, 59), -1},
        {QDate(2026, 3, 29), QTime(3, 0, 1), -2},     {QDate(2024, 3, 31), QTime(3, 0, 1), -2},
        {QDate(2024, 4, 1), QTime(0, 0), -2},         {QDate(2024, 10, 26), QTime(23, 59, 59), -2},
        {QDate(2024, 10, 27), QTime(1, 59, 59), -2},  {QDate(2026, 10, 25), QTime(3, 0, 1), -1},
        {QDate(2024, 10, 27), QTime(3, 0, 0), -1},    {QDate(2024, 10, 27), QTime(3, 0, 1), -1},
        {QDate(2024, 10, 28), QTime(0, 0), -1},       {QDate(2025, 3, 30), QTime(3, 0), -2},
        {QDate(2025, 3, 31), QTime(0, 0), -2},        {QDate(2026, 3, 28), QTime(12, 0), -1},
        {QDate(2026, 3, 29), QTime(12, 0), -2},       {QDate(2026, 10, 25), QTime(1, 0), -2},
        {QDate(2026, 10, 25), QTime(4, 0), -1},       {QDate(2026, 10, 26), QTime(1, 0), -1},
        {QDate(2029, 3, 25), QTime(3, 30), -2},       {QDate(2029, 3, 31), QTime(12, 0), -2},
        {QDate(2029, 3, 24), QTime(12, 0), -1},
    };
    RelojFalso reloj;
    for (const Caso& c : casos) {
        reloj.momento = HoraMadrid(c.fecha, c.hora);
        qint16 desfase = 0;
        DiferenciaHoraUTC(desfase);
        EXPECT_EQ(desfase, c.desfase) << c.fecha.toString(Qt::ISODate).toStdString() << " "
                                      << c.hora.toString(Qt::ISODateWithMs).toStdString();
    }
}

TEST(EsIndicativoEspanol, Prefijos) {
    const struct {
        const char* indicativo;
        bool espanol;
    } casos[] = {{"EA4CALL", true}, {"EB1XX", true}, {"EH8A", true},     {"AM70CALL", true},
                 {"AN1A", true},    {"AO5X", true},  {"ea4call", false}, {"EI5CALL", false},
                 {"AL7X", false},   {"AP2A", false}, {"E", false},       {"", false},
                 {"XEA4", false}};
    for (const auto& c : casos)
        EXPECT_EQ(EsIndicativoEspanol(c.indicativo), c.espanol) << c.indicativo;
}

} // namespace
