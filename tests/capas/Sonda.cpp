// Compiled as if it were a file of a model library. As it is, it must build: the library's include
// path and links are sound. With XK_SONDA_CABECERA naming a widget header, the only difference, the
// build must fail because that header is not found.
#ifdef XK_SONDA_CABECERA
#include XK_SONDA_CABECERA
#endif
#include <QString>

int Sonda() {
    return static_cast<int>(QString().size());
}
