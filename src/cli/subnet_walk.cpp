#include "cli/subnet_walk.h"

#include "cli/address_args.h"
#include "cli/engine_inputs.h"
#include "subnet/stepping.h"

QList<SubnetRow> WalkSubnets(std::uint32_t start, int length, qint64 count)
{
    QList<SubnetRow> rows;
    std::array<QString, 4> octets = OctetTexts(start);
    while (rows.size() < count) {
        const SubnetResult result = CalculateSubnet(EngineInputs(octets, length, false));
        rows.append({result.network, result.hostRange, result.broadcast});
        const SubnetStep step = length == 32
                                    ? PlanAddressStep(octets, StepDirection::Forward)
                                    : PlanSubnetStep(octets, length, StepDirection::Forward);
        if (step.outcome != SubnetStep::Outcome::Step)
            break;
        for (const OctetWrite& write : step.writes)
            octets[write.index] = write.text;
    }
    return rows;
}
