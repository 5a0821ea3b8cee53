// vlsm --plan FILE: a plan file's stored answer checked against the plan computed again,
// so a script learns whether a plan someone edited by hand still holds.

#include "cli/cli_command.h"

#include "net/plan_file.h"

#include <variant>

CliOutcome RunVlsmPlan(const CommandArgs& args)
{
    const std::string& file = args.values.at("--plan");
    if (!args.positional.empty())
        return Misused("--plan takes the plan from its file: no NETWORK or HOSTS beside it");
    if (args.has("--rfc3021"))
        return Misused("--plan takes the plan from its file, which says whether RFC 3021 applies");
    const net::PlanFileResult read = net::ReadPlanFile(file);
    if (const auto* error = std::get_if<net::PlanFileError>(&read))
        return Refused(file + ": " + error->message());
    const net::StoredPlan& stored = std::get<net::StoredPlan>(read);
    const net::PlanAnswer computed = net::PlanAddresses(stored.plan);
    if (const auto difference = net::StoredAnswerDiffers(stored, computed))
        return Refused(file + ": the stored answer is not the plan's: " + *difference);
    if (!computed.fits())
        return Refused(file + ": the plan has no answer: its networks do not fit " +
                       stored.plan.parent.toString());

    const auto text = [&] {
        return file + ": " + std::to_string(stored.subnets.size()) + " networks in " +
               stored.plan.parent.toString() + ", as the plan gives them\n";
    };
    const auto json = [&] {
        return JsonObject{{"file", file},
                          {"network", stored.plan.parent.toString()},
                          {"subnets", std::uint64_t{stored.subnets.size()}},
                          {"matches", true}};
    };
    return Answered(args, text, json);
}
