#pragma once

// What every command works with: its arguments, already sorted into positionals, flags
// and option values by the dispatcher, and the outcome it hands back. Exit status 0
// answers, 1 refuses an argument that is not what it must be, 2 reports wrong usage;
// only an answer writes to standard output.

#include "cli/fields.h"
#include "cli/json_value.h"
#include "net/address_count.h"
#include "net/address_plan.h"
#include "net/ipv4_network.h"
#include "net/ipv6_network.h"

#include <algorithm>
#include <cassert>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

inline constexpr int kStatusRefused = 1;
inline constexpr int kStatusMisused = 2;

// More rows than this would fill memory before a terminal or script could use them.
inline constexpr std::uint64_t kListLimit = FEROL_LIST_LIMIT;

struct CliOutcome
{
    int status = 0;
    std::string out;
    std::string err; // without the program's prefix; the dispatcher adds it
};

struct CommandArgs
{
    std::vector<std::string> positional;
    // A handful at most, looked up several times an answer: a list is quicker than a tree.
    std::vector<std::string> flags;                         // "--json", "--rfc3021"
    std::map<std::string, std::string, std::less<>> values; // "--count" -> "5"
    std::vector<std::string> fields;                        // --field, in the order given
    bool jsonLines = false;                                 // one line per answer, for a batch
    // A batch's output as it gathers: a summary's JSON line is appended to it in place and
    // the outcome's `out` left empty, so a million answers are copied once; nullptr elsewhere.
    std::string* answerInto = nullptr;

    bool has(std::string_view flag) const
    {
        // Not std::find: its unrolling costs more than the one or two flags it looks through.
        return std::ranges::any_of(flags, [flag](const std::string& each) { return each == flag; });
    }
    // A /31 is a point-to-point link with two hosts unless --no-rfc3021 says otherwise.
    bool pointToPoint() const { return !has("--no-rfc3021"); }
};

CliOutcome Refused(std::string message);
CliOutcome Misused(std::string message);

// The text form, or the JSON form when --json was given; only the form asked for is made.
template <typename MakeText, typename MakeJson>
CliOutcome Answered(const CommandArgs& args, MakeText makeText, MakeJson makeJson)
{
    if (args.has("--json"))
        return {0, JsonText(makeJson(), !args.jsonLines), {}};
    return {0, makeText(), {}};
}

// The refusal of a --field name that is none of the fields' keys, naming them.
CliOutcome RefusedFieldName(const std::string& name, const std::vector<Field>& fields);

// A summary in either form; with --field, only the values named, in the order named.
// `makeFields(FieldSink&)` hands the values over in the order they are shown.
template <typename MakeFields>
CliOutcome AnsweredFields(const CommandArgs& args, const MakeFields& makeFields)
{
    if (!args.fields.empty()) {
        using Form = ChosenFields::Form;
        ChosenFields chosen(args.fields, !args.has("--json") ? Form::Lines
                                         : args.jsonLines    ? Form::JsonLine
                                                             : Form::JsonDocument);
        makeFields(chosen);
        if (const std::string* name = chosen.missing()) {
            FieldList all;
            makeFields(all);
            return RefusedFieldName(*name, all.fields());
        }
        return {0, chosen.text(), {}};
    }
    if (!args.has("--json")) {
        FieldList list;
        makeFields(list);
        return {0, AlignedText(list.fields()), {}};
    }
    // A batch's line goes straight into the batch's output.
    if (args.jsonLines) {
        assert(args.answerInto);
        JsonLineWriter json(*args.answerInto);
        makeFields(json);
        json.close("\n");
        return {};
    }
    std::string text;
    JsonFieldWriter json(text);
    makeFields(json);
    json.close();
    text += '\n';
    return {0, std::move(text), {}};
}

// An argument read strictly; on failure, the refusal that names it.
template <typename T> struct ReadArgument
{
    T value{};
    std::optional<CliOutcome> failure;
};

ReadArgument<net::Ipv4Address> ReadAddress(std::string_view argument);
// "ADDRESS/LEN", "ADDRESS/MASK" or a bare ADDRESS (a /32).
ReadArgument<net::Ipv4Interface> ReadInterface(std::string_view argument);

// The special-purpose block a network lies in, as a summary shows it.
void AddBlockFields(FieldSink& fields, const net::Ipv4Network& network);
void AddBlockFields(FieldSink& fields, const net::Ipv6Network& network);

// Columns of the row layouts: text padded on the right, or on the left.
std::string Padded(std::string text, std::size_t width);
std::string RightAligned(const std::string& text, std::size_t width);

// IPv6: an argument with a ':' in it is an IPv6 address or network.
bool IsIpv6Argument(std::string_view argument);
ReadArgument<net::Ipv6Address> ReadIpv6Address(std::string_view argument);
// "ADDRESS/LEN" or a bare ADDRESS (a /128).
ReadArgument<net::Ipv6Interface> ReadIpv6Interface(const std::string& argument);
// "NETWORK/LEN" whose address is the network's own, in either family; anything else is
// refused, naming the network it lies in.
ReadArgument<net::Ipv4Network> ReadNetwork(const std::string& argument);
ReadArgument<net::Ipv6Network> ReadIpv6Network(const std::string& argument);
// A whole number exactly: a JSON number up to 2^53, its decimal digits in a string beyond.
JsonValue ExactNumber(const net::AddressCount& count);
JsonValue ExactNumber(net::UInt128 number);
// The refusal of a command that works on IPv4 only, when an argument is IPv6.
std::optional<CliOutcome> RefuseIpv6(std::string_view command, const CommandArgs& args);

CliOutcome RunSubnet(const CommandArgs& args);
CliOutcome RunNext(const CommandArgs& args);
CliOutcome RunSplit(const CommandArgs& args);
CliOutcome RunRange(const CommandArgs& args);
CliOutcome RunWildcard(const CommandArgs& args);
CliOutcome RunDecimal(const CommandArgs& args);
CliOutcome RunVlsm(const CommandArgs& args);
// split NETWORK --count N: N equal networks, the spares of the rounding unused.
CliOutcome RunSplitByCount(const CommandArgs& args);
// vlsm --plan FILE: the plan a file holds, once its stored answer is found to be the plan's.
ReadArgument<net::Plan> ReadSavedPlan(const CommandArgs& args);
CliOutcome RunContains(const CommandArgs& args);
CliOutcome RunMerge(const CommandArgs& args);
CliOutcome RunExclude(const CommandArgs& args);

// The IPv6 forms of the commands, their arguments counted by the IPv4 ones.
CliOutcome RunSubnetIpv6(const CommandArgs& args);
CliOutcome RunNextIpv6(const CommandArgs& args, std::uint64_t count);
CliOutcome RunSplitIpv6(const CommandArgs& args);
CliOutcome RunDecimalIpv6(const CommandArgs& args);
