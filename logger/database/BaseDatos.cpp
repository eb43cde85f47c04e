#include "BaseDatos.h"
