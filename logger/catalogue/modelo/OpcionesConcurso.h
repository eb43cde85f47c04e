#pragma once
#include <QString>

#include <array>
#include <optional>

class ConjuntoRegistros;

// The exchange, time and repeat controls of the contest editor, each with its control's name and
// its Concursos field (the table spells the zones EnviarZonaCq and RecibirZonaCq).
enum class Opcion {
    EnviarNumeral,
    EnviarLocator,
    EnviarSiglas,
    EnviarPuntos,
    EnviarZonaCQ,
    RecibirNumeral,
    RecibirLocator,
    RecibirSiglas,
    RecibirPuntos,
    RecibirZonaCQ,
    NumeraloSiglas, // filled on storing; the window shows it without letting it be clicked
    LiteralFijo,
    LiteralVariable,
    NoRepetir,
    RepetirEstacion,
    RepetirEnCadaBanda,
    RepetirEnCadaModo,
    RepetirEnCadaHoras,
    HoraLocal, // HoraLocal and HoraUTC are option buttons: selecting one clears the other
    HoraUTC,
};
inline constexpr int NumeroOpciones = 20;

QString NombreOpcion(Opcion opcion); // the control's objectName
QString CampoOpcion(Opcion opcion);  // its field in Concursos
std::optional<Opcion> OpcionPorNombre(const QString& nombre);

// The text3 boxes that the options empty, fill, show or lock (points, locator, letters, UTC offset,
// repeat hours); the window copies these between its boxes and OpcionesConcurso::text3.
inline constexpr std::array<int, 5> CajasDeOpciones{3, 4, 6, 7, 8};

// What the option controls and the boxes they drive show. The window mirrors it: it copies its
// boxes in before a change and everything out after it, with its own signals blocked.
struct OpcionesConcurso {
    std::array<bool, NumeroOpciones> marcada{};
    std::array<QString, 10> text3;    // only the CajasDeOpciones are read or written here
    bool puntosVisible = false;       // text3(3)
    bool utcVisible = false;          // LabelUTC and text3(7); text3(7) is enabled whenever shown
    bool horasHabilitado = true;      // text3(8)
    bool horasBloqueado = true;       // entry lock of text3(8) while a contest is being edited
    int foco = -1;                    // text3 box the last change asks to focus; -1 none
    std::optional<qint16> desfaseUTC; // DesfaseUTC, when selecting UTC computed it

    bool operator[](Opcion opcion) const { return marcada[static_cast<size_t>(opcion)]; }
};

// One control takes a value, by a click or by the program; its reaction runs when the value
// changed, and may change other controls in turn. `indicativo` is the selected station callsign
// (a Spanish one gets the UTC offset from the clock).
void Cambia(OpcionesConcurso& o, Opcion opcion, bool valor, const QString& indicativo);

// The option part of emptying the editor: exchange boxes (not LiteralFijo/LiteralVariable),
// repeat boxes and both time options cleared, with their reactions.
void LimpiaOpciones(OpcionesConcurso& o, const QString& indicativo);
// A new contest: emptied, then UTC selected and "No repetir" ticked.
void PreparaNuevoConcurso(OpcionesConcurso& o, const QString& indicativo);

// Loading a contest row. The controls take the stored values one by one as changes, so that the
// shown state is always one that clicks could reach; then the boxes take their texts, a box that
// is hidden or closed by the options staying empty; then the values derived on loading.
struct CargaDeOpciones {
    OpcionesConcurso opciones;
    std::optional<QString> horaUTCActual; // new HoraUTCActual to store, when it changed
    bool anulaNumeraloSiglas = false;     // store NumeraloSiglas false
    bool hayCambios() const { return horaUTCActual || anulaNumeraloSiglas; }
};
CargaDeOpciones CargaOpciones(const ConjuntoRegistros& fila, const QString& indicativo);
// Rewrites the current contest row with what loading derived; nothing when nothing changed.
void GuardaDerivadosCarga(ConjuntoRegistros& fila, const CargaDeOpciones& carga);

// "Recibir NUMERAL o SIGLAS" as it is stored for these boxes and this contest name.
bool CalculaNumeraloSiglas(const OpcionesConcurso& o, const QString& nombreConcurso);

// Storing: assigns the option fields and the derived ones to a row between anade()/edita() and
// actualiza(), after the boxes' texts were assigned. Updates `o` to what the window must show
// (NumeraloSiglas, the UTC offset of a Spanish station).
void GuardaOpciones(ConjuntoRegistros& fila, OpcionesConcurso& o, const QString& nombreConcurso,
                    const QString& indicativo);
