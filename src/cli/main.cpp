// ferol-calc: prints what RunFerolCalc answers. No QCoreApplication: nothing here needs
// an event loop, and not making one keeps the start-up short.

#include "cli/cli_run.h"

#include <cstdio>

int main(int argc, char** argv)
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const CliOutcome outcome = RunFerolCalc(arguments);
    const QByteArray out = outcome.out.toUtf8();
    const QByteArray err = outcome.err.toLocal8Bit();
    std::fwrite(out.constData(), 1, static_cast<std::size_t>(out.size()), stdout);
    std::fwrite(err.constData(), 1, static_cast<std::size_t>(err.size()), stderr);
    return std::fflush(stdout) == 0 ? outcome.status : kStatusRefused;
}
