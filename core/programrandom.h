#pragma once
// The process's one pseudo-random generator (the template generator draws from it).
#include <QRandomGenerator>

QRandomGenerator &programRandom();
// Seeds it; the main window does so once, from the time of day, when it is created.
void seedProgramRandom(quint32 seed);
