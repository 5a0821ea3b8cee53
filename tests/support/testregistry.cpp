#include "support/testregistry.h"

#include <QApplication>
#include <QStandardPaths>
#include <QTest>

namespace {

std::vector<TestFactory>& Registry()
{
    static std::vector<TestFactory> factories;
    return factories;
}

} // namespace

bool RegisterTestClass(TestFactory factory)
{
    Registry().push_back(std::move(factory));
    return true;
}

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // Anything a test writes through QStandardPaths lands in a test location.
    QStandardPaths::setTestModeEnabled(true);
    int failures = 0;
    for (const TestFactory& factory : Registry()) {
        const std::unique_ptr<QObject> test = factory();
        failures += QTest::qExec(test.get(), argc, argv);
    }
    return failures == 0 ? 0 : 1;
}
