#pragma once
// The outputs' tests share the log's database helpers.
#include "../log/AyudasLog.h"
#include "Cabrillo.h"
#include "TextoQt.h"
