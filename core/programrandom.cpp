#include "core/programrandom.h"

QRandomGenerator &programRandom()
{
    static QRandomGenerator generator;
    return generator;
}

void seedProgramRandom(quint32 seed)
{
    programRandom().seed(seed);
}
