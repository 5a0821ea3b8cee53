#pragma once

// The seed of a test's random input: a fixed one by default, so that a failure is the code's
// and not the draw's; the one the environment variable names, or a new one where it says
// "random". Printed either way, so a run can be replayed.

#include <QRandomGenerator>
#include <QtGlobal>

inline quint32 TestSeed(const char* variable, quint32 fixed)
{
    const QString given = qEnvironmentVariable(variable);
    const quint32 seed = given.isEmpty()     ? fixed
                         : given == "random" ? QRandomGenerator::global()->generate()
                                             : given.toUInt();
    qInfo("random input seed %u (replay with %s=%u)", seed, variable, seed);
    return seed;
}
