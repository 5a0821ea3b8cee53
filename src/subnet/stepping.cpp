#include "subnet/stepping.h"

#include "core/octet_routines.h"

#include <QCoreApplication>

namespace {

// Octet s (1-based) holds mask bit number maskBits; a boundary at the end of an octet
// steps the octet before it by one.
SubnetStep PlanStepAtLength(const std::array<QString, 4>& octets, int maskBits,
                            StepDirection direction)
{
    SubnetStep step;
    int s = (maskBits - 1) / 8 + 1;
    const int r = maskBits - 8 * (s - 1);
    int inc = 1 << (8 - r);

    for (;;) {
        const int index = s - 1;
        const int value = RoundToInt16(NumericValue(octets[index]));
        const int next = direction == StepDirection::Forward ? value + inc : value - inc;
        if (next >= 0 && next <= 255) {
            step.writes.append({index, QString::number(next)});
            step.outcome = SubnetStep::Outcome::Step;
            return step;
        }
        if (s == 1) {
            step.writes.clear();
            step.outcome = SubnetStep::Outcome::EndOfSpace;
            return step;
        }
        // Carry or borrow: this octet restarts at its first (or last) subnet.
        const int restart = direction == StepDirection::Forward ? 0 : 256 - inc;
        step.writes.append({index, QString::number(restart)});
        --s;
        inc = 1;
    }
}

} // namespace

SubnetStep PlanSubnetStep(const std::array<QString, 4>& octets, int maskBits,
                          StepDirection direction)
{
    if (maskBits <= 0 || maskBits > 32)
        return {};
    return PlanStepAtLength(octets, maskBits, direction);
}

int FirstEmptyOctet(const std::array<QString, 4>& octets)
{
    for (int k = 0; k < 4; ++k) {
        if (octets[k].isEmpty())
            return k;
    }
    return -1;
}

QString IncompleteAddressMessage(StepDirection direction, int emptyIndex)
{
    const int withoutBlank = direction == StepDirection::Forward ? 3 : 1;
    const QString message =
        QCoreApplication::translate("ucSubnetCalc", "You must enter the IP Address");
    return emptyIndex == withoutBlank ? message : QLatin1Char(' ') + message;
}
