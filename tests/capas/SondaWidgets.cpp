// Must not compile: a model library's include path knows no widget header.
#include <QWidget>

int Sonda() {
    return sizeof(QWidget);
}
