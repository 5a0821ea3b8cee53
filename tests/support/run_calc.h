#pragma once

// Runs the built ferol-calc (FEROL_CALC_PATH, which the test's CMake target defines) as a
// shell or a script runs it: the arguments as they are, standard input from bytes or from
// a file, and what it ended with.

#include <QProcess>
#include <QString>
#include <QStringList>

struct CalcAnswer
{
    int status = -1; // -1 when it did not finish within a minute
    QString out;
    QString err;
};

inline CalcAnswer RunCalc(const QStringList& arguments, const QByteArray& input = {},
                          const QString& inputFile = {})
{
    QProcess process;
    if (!inputFile.isEmpty())
        process.setStandardInputFile(inputFile);
    process.start(FEROL_CALC_PATH, arguments);
    if (inputFile.isEmpty()) {
        process.write(input);
        process.closeWriteChannel();
    }
    if (!process.waitForFinished(60000))
        return {};
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}
