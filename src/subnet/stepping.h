#pragma once

// One step to the next or previous subnet at the current mask length, planned from the
// four octet texts before anything is written. The step octet is the octet holding the
// last mask bit; the increment is one subnet in units of that octet, so at 32 bits a
// step is one address. A step that would
// carry (or borrow) past the first octet leaves the address space: it is reported as
// such and writes nothing.
//
// The panel applies the writes in order; each write runs the box's ordinary change
// handling, so the class, and with it the mask length, may change during a step. The
// plan is fixed at the start and does not read the new mask length.

#include <QList>
#include <QString>

#include <array>

enum class StepDirection
{
    Forward,
    Backward
};

struct OctetWrite
{
    int index; // 0 = first octet
    QString text;

    bool operator==(const OctetWrite&) const = default;
};

struct SubnetStep
{
    enum class Outcome
    {
        Step,       // apply the writes
        NoStep,     // mask bits 0: there is no neighbouring subnet to move to
        EndOfSpace, // the step would leave 0.0.0.0 .. 255.255.255.255
    };
    Outcome outcome = Outcome::NoStep;
    QList<OctetWrite> writes;
};

SubnetStep PlanSubnetStep(const std::array<QString, 4>& octets, int maskBits,
                          StepDirection direction);

// Index of the first empty octet text, -1 when all four hold text.
int FirstEmptyOctet(const std::array<QString, 4>& octets);

// What a step says about an empty octet box. The leading blank differs by direction and
// box; the report uses the forward wording.
QString IncompleteAddressMessage(StepDirection direction, int emptyIndex);
