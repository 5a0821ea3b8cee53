// Stepping against the subnet arithmetic: a step moves the network by exactly one subnet
// of the length, refuses only at the ends of the address space, writes plain octets,
// and a step forward then back returns to the network it started from.

#include "fuzz_helpers.h"

#include "subnet/stepping.h"

#include <QStringList>

namespace {

using Octets = std::array<QString, 4>;

std::uint32_t Address(const Octets& octets)
{
    std::uint32_t address = 0;
    for (const QString& octet : octets)
        address = address << 8 | octet.toUInt();
    return address;
}

// The octets after the step's writes, each checked to be a plain octet text.
Octets Applied(Octets octets, const SubnetStep& step, const QString& context)
{
    for (const OctetWrite& write : step.writes) {
        const uint value = write.text.toUInt();
        FUZZ_CHECK(write.index >= 0 && write.index < 4 && value <= 255 &&
                       write.text == QString::number(value),
                   context + " wrote " + write.text);
        octets[write.index] = write.text;
    }
    return octets;
}

// One step from octets, checked; returns the octets it leads to (unchanged when refused).
Octets CheckedStep(const Octets& octets, int m, StepDirection direction)
{
    const bool forward = direction == StepDirection::Forward;
    const QString context = QStringList(octets.begin(), octets.end()).join(QLatin1Char('.')) +
                            QStringLiteral("/%1 %2").arg(m).arg(forward ? "next" : "prev");
    const SubnetStep step = PlanSubnetStep(octets, m, direction);
    // A /32 steps by one address like any other length; outside 1..32 nothing steps.
    if (m <= 0 || m > 32) {
        FUZZ_CHECK(step.outcome == SubnetStep::Outcome::NoStep && step.writes.isEmpty(), context);
        return octets;
    }
    const std::uint64_t size = std::uint64_t{1} << (32 - m);
    const std::uint64_t network = Address(octets) & ~(size - 1);
    const bool atEnd = forward ? network + size > 0xFFFFFFFFu : network < size;
    if (atEnd) {
        FUZZ_CHECK(step.outcome == SubnetStep::Outcome::EndOfSpace && step.writes.isEmpty(),
                   context);
        return octets;
    }
    FUZZ_CHECK(step.outcome == SubnetStep::Outcome::Step, context);
    const Octets next = Applied(octets, step, context);
    const QString gave =
        context + " gave " + QStringList(next.begin(), next.end()).join(QLatin1Char('.'));
    const std::uint64_t expected = forward ? network + size : network - size;
    FUZZ_CHECK((Address(next) & ~(size - 1)) == expected, gave);
    // Without a carry only the step octet moves, by one subnet; a carry restarts each
    // octet it passes at its first subnet, a borrow at its last.
    const int stepIndex = (m - 1) / 8;
    FUZZ_CHECK(step.writes.front().index == stepIndex, gave);
    if (step.writes.size() == 1) {
        FUZZ_CHECK(Address(next) == (forward ? Address(octets) + size : Address(octets) - size),
                   gave);
        return next;
    }
    const std::uint64_t inc = size >> 8 * (3 - stepIndex);
    for (qsizetype k = 0; k + 1 < step.writes.size(); ++k) {
        const uint restart = forward ? 0 : k == 0 ? 256 - inc : 255;
        FUZZ_CHECK(step.writes[k].text.toUInt() == restart, gave);
    }
    return next;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzInput in(data, size);
    const int m = in.intIn(0, 33);
    Octets start;
    for (QString& octet : start)
        octet = QString::number(in.byte());
    const std::uint32_t mask = m == 0 ? 0 : ~std::uint32_t{0} << (32 - std::min(m, 32));

    const StepDirection first = in.byte() & 1 ? StepDirection::Forward : StepDirection::Backward;
    const StepDirection back =
        first == StepDirection::Forward ? StepDirection::Backward : StepDirection::Forward;
    const Octets there = CheckedStep(start, m, first);
    if (there == start)
        return 0;
    const Octets again = CheckedStep(there, m, back);
    FUZZ_CHECK((Address(again) & mask) == (Address(start) & mask),
               QStringList(start.begin(), start.end()).join(QLatin1Char('.')) + "/" +
                   QString::number(m));
    return 0;
}
