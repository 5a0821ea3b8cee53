// vlsm --plan FILE: a plan file's stored answer checked against the plan computed again,
// so a script learns whether a plan someone edited by hand still holds.

#include "cli/cli_command.h"

#include "net/plan_file.h"

#include <variant>

ReadArgument<net::Plan> ReadSavedPlan(const CommandArgs& args)
{
    const std::string& file = args.values.at("--plan");
    if (!args.positional.empty())
        return {{}, Misused("--plan takes the plan from its file: no NETWORK or SIZES beside it")};
    if (args.has("--rfc3021") || args.has("--no-rfc3021"))
        return {
            {},
            Misused("--plan takes the plan from its file, which says whether RFC 3021 applies")};
    const net::PlanFileResult read = net::ReadPlanFile(file);
    if (const auto* error = std::get_if<net::PlanFileError>(&read))
        return {{}, Refused(file + ": " + error->message())};
    const auto& stored = std::get<net::StoredPlan>(read);
    if (const auto difference = net::StoredAnswerDiffers(stored, net::PlanAddresses(stored.plan)))
        return {{}, Refused(file + ": the stored answer is not the plan's: " + *difference)};
    return {stored.plan, std::nullopt};
}
