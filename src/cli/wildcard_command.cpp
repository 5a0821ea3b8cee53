// wildcard ADDRESS WILDCARD: the values each octet matches, how many addresses match, and
// the network when the wildcard is contiguous.

#include "cli/cli_command.h"

#include "net/ipv4_wildcard.h"

CliOutcome RunWildcard(const CommandArgs& args)
{
    if (args.positional.size() != 2)
        return Misused("expected ADDRESS WILDCARD");
    if (const auto refusal = RefuseIpv6("wildcard", args))
        return *refusal;
    const ReadArgument<net::Ipv4Address> address = ReadAddress(args.positional[0]);
    if (address.failure)
        return *address.failure;
    const ReadArgument<net::Ipv4Address> wildcardMask = ReadAddress(args.positional[1]);
    if (wildcardMask.failure)
        return *wildcardMask.failure;
    const net::Ipv4Wildcard wildcard{address.value, wildcardMask.value};

    const std::optional<net::Ipv4Network> network = wildcard.network();
    FieldList kept;
    kept.add("address", "Address", address.value.toString());
    kept.add("wildcard", "Wildcard", wildcardMask.value.toString());
    AddBlockFields(kept, wildcard.enclosingNetwork());
    kept.add("match_count", "Matching addresses", wildcard.matchCount());
    kept.add("contiguous", "Contiguous", network.has_value());
    kept.add("prefix", "Prefix", network ? FieldValue(network->toString()) : FieldValue());
    const std::vector<Field>& fields = kept.fields();

    const auto text = [&] {
        std::string lines = AlignedText(fields);
        for (int octet = 0; octet < 4; ++octet) {
            lines += "Octet " + std::to_string(octet + 1) + " matches: ";
            const char* separator = "";
            for (const net::OctetRun& run : wildcard.octetRuns(octet)) {
                lines += separator + std::to_string(run.first);
                if (run.last > run.first)
                    lines += "-" + std::to_string(run.last);
                separator = ", ";
            }
            lines += '\n';
        }
        return lines;
    };
    const auto json = [&] {
        JsonArray lists;
        for (int octet = 0; octet < 4; ++octet) {
            JsonArray runs;
            for (const net::OctetRun& run : wildcard.octetRuns(octet))
                runs.push_back(JsonObject{{"first", int(run.first)}, {"last", int(run.last)}});
            lists.emplace_back(std::move(runs));
        }
        JsonObject object = JsonObjectOf(fields);
        object.emplace_back("matches", std::move(lists));
        return object;
    };
    return Answered(args, text, json);
}
