#pragma once

// Lets one test executable run several Qt Test classes: each tst_<topic>.cpp registers
// its class with FEROL_REGISTER_TEST, and the shared main() runs them all in turn.

#include <QObject>

#include <functional>
#include <memory>
#include <vector>

using TestFactory = std::function<std::unique_ptr<QObject>()>;

bool RegisterTestClass(TestFactory factory);

#define FEROL_REGISTER_TEST(TestClass)                                                             \
    namespace {                                                                                    \
    const bool registered##TestClass =                                                             \
        RegisterTestClass([] { return std::unique_ptr<QObject>(new TestClass); });                 \
    }
