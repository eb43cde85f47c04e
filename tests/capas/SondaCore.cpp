// Must compile: the same model library's include path with a Qt Core header, so the widget
// probe fails for its header and not for a broken setup.
#include <QString>

int Sonda() {
    return static_cast<int>(QString().size());
}
