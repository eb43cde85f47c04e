#pragma once

// Keeps the memory an export frees for the next one. By default the C library hands large freed
// blocks back to the system at once, and a Cabrillo run of 32,000 QSOs then spends a third of its
// time taking the same pages again. Called once at the program's start (and by the benchmarks).
void ConservaMemoriaLiberada();
