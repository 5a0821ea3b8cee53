#include "net/plan_file.h"

#include "net/utf8.h"

#include <nlohmann/json.hpp>

#include <array>
#include <fstream>
#include <limits>
#include <sstream>
#include <utility>

namespace net {

namespace {

using Json = nlohmann::ordered_json;

constexpr std::array kModeNames{
    std::pair{PlanMode::Vlsm, "vlsm"},
    std::pair{PlanMode::SplitByLength, "split-by-length"},
    std::pair{PlanMode::SplitByCount, "split-by-count"},
};

// Deeper than any plan nests (three levels); a bound keeps hostile files cheap.
constexpr int kDepthLimit = 16;

// How the reader gives up: thrown where the fault is found, caught once at the top.
struct Refusal
{
    PlanFileError error;
};

[[noreturn]] void Refuse(std::string where, std::string reason)
{
    throw Refusal{{std::move(where), std::move(reason)}};
}

// Where the first byte that is not UTF-8 lies; nothing when all are.
std::optional<std::size_t> FirstNonUtf8(std::string_view text)
{
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t length = Utf8SequenceLength(text.substr(at));
        if (length == 0)
            return at;
        at += length;
    }
    return std::nullopt;
}

// "line L, column C" of the character at a byte offset of valid UTF-8, both from 1.
std::string LineAndColumn(std::string_view text, std::size_t offset)
{
    offset = std::min(offset, text.size());
    std::size_t line = 1;
    std::size_t column = 1;
    for (std::size_t at = 0; at < offset; ++at) {
        const auto c = static_cast<unsigned char>(text[at]);
        if (c == '\n') {
            ++line;
            column = 1;
        } else if ((c & 0xC0) != 0x80) {
            ++column;
        }
    }
    return "line " + std::to_string(line) + ", column " + std::to_string(column);
}

std::string KindOf(const Json& value)
{
    switch (value.type()) {
    case Json::value_t::null:
        return "null";
    case Json::value_t::object:
        return "an object";
    case Json::value_t::array:
        return "a list";
    case Json::value_t::string:
        return "text";
    case Json::value_t::boolean:
        return "true or false";
    case Json::value_t::number_integer:
    case Json::value_t::number_unsigned:
        return "a whole number";
    case Json::value_t::number_float:
        return "a fraction";
    default:
        return "something else";
    }
}

std::string Member(const std::string& path, std::string_view key)
{
    return path.empty() ? std::string(key) : path + "." + std::string(key);
}

std::string Element(const std::string& path, std::size_t index)
{
    return path + "[" + std::to_string(index) + "]";
}

void Expect(bool holds, const Json& value, const std::string& path, const std::string& kind)
{
    if (!holds)
        Refuse(path, "must be " + kind + ", not " + KindOf(value));
}

const Json& Required(const Json& object, const std::string& path, std::string_view key)
{
    const auto found = object.find(key);
    if (found == object.end())
        Refuse(Member(path, key), "missing");
    return *found;
}

std::string Text(const Json& value, const std::string& path)
{
    Expect(value.is_string(), value, path, "text");
    return value.get<std::string>();
}

bool Flag(const Json& value, const std::string& path)
{
    Expect(value.is_boolean(), value, path, "true or false");
    return value.get<bool>();
}

std::uint64_t WholeNumber(const Json& value, const std::string& path, std::uint64_t low,
                          std::uint64_t high)
{
    const std::string range =
        "a whole number from " + std::to_string(low) + " to " + std::to_string(high);
    Expect(value.is_number_integer(), value, path, range);
    if (!value.is_number_unsigned() && value.get<std::int64_t>() < 0)
        Refuse(path, "must be " + range + ", not " + value.dump());
    const auto number = value.get<std::uint64_t>();
    if (number < low || number > high)
        Refuse(path, "must be " + range + ", not " + value.dump());
    return number;
}

const Json& List(const Json& value, const std::string& path)
{
    Expect(value.is_array(), value, path, "a list");
    return value;
}

std::string ParseRefusal(const std::string& text, ParseError error)
{
    switch (error) {
    case ParseError::Empty:
        return "is empty";
    case ParseError::HostBitsSet:
        return "'" + text + "' has host bits set";
    case ParseError::BadPrefixLength:
    case ParseError::NonContiguousMask:
        return "'" + text + "' has no prefix length its family allows";
    default:
        return "'" + text + "' is not a network";
    }
}

IpNetwork Network(const std::string& text, const std::string& path)
{
    const auto network = IpNetwork::parse(text);
    if (!network)
        Refuse(path, ParseRefusal(text, network.error()));
    return *network;
}

PlanMode Mode(const Json& value, const std::string& path)
{
    const std::string name = Text(value, path);
    for (const auto& [mode, modeName] : kModeNames) {
        if (name == modeName)
            return mode;
    }
    Refuse(path, "'" + name +
                     "' is not a way to divide a network (vlsm, split-by-length or "
                     "split-by-count)");
}

const char* ModeName(PlanMode mode)
{
    for (const auto& [known, name] : kModeNames) {
        if (known == mode)
            return name;
    }
    return "vlsm";
}

PlanNeed Need(const Json& value, const std::string& path)
{
    Expect(value.is_object(), value, path, "an object");
    PlanNeed need;
    need.name = Text(Required(value, path, "name"), Member(path, "name"));
    const std::string sizePath = Member(path, "size");
    const std::string size = Text(Required(value, path, "size"), sizePath);
    const auto parsed = NeedSize::parse(size);
    if (!parsed)
        Refuse(sizePath, "'" + size + "' is neither a count nor a prefix length like /24");
    need.size = *parsed;
    return need;
}

StoredSubnet Subnet(const Json& value, const std::string& path, std::size_t needCount)
{
    Expect(value.is_object(), value, path, "an object");
    StoredSubnet subnet;
    const Json& need = Required(value, path, "need");
    if (!need.is_null()) {
        if (needCount == 0)
            Refuse(Member(path, "need"), "must be null: the plan has no needs");
        subnet.need = WholeNumber(need, Member(path, "need"), 0, needCount - 1);
    }
    const std::string address = Text(Required(value, path, "network"), Member(path, "network"));
    const auto length =
        WholeNumber(Required(value, path, "prefix_length"), Member(path, "prefix_length"), 0, 128);
    subnet.network = Network(address + "/" + std::to_string(length), Member(path, "network"));
    return subnet;
}

Json Document(std::string_view text)
{
    if (const auto bad = FirstNonUtf8(text))
        Refuse("byte " + std::to_string(*bad + 1), "not UTF-8 text");
    const Json::parser_callback_t depthBound = [](int depth, Json::parse_event_t event, Json&) {
        if ((event == Json::parse_event_t::object_start ||
             event == Json::parse_event_t::array_start) &&
            depth >= kDepthLimit)
            Refuse("", "nested more than " + std::to_string(kDepthLimit) + " levels deep");
        return true;
    };
    try {
        return Json::parse(text, depthBound);
    } catch (const Json::parse_error& error) {
        // The parser counts lines and columns in bytes; the position said is in characters.
        std::string fault = error.what();
        const std::size_t colon = fault.find(": ");
        fault = colon == std::string::npos ? fault : fault.substr(colon + 2);
        Refuse(LineAndColumn(text, error.byte == 0 ? 0 : error.byte - 1),
               text.empty() ? "empty: not a plan" : "not JSON (" + fault + ")");
    } catch (const Json::exception& error) {
        // A number beyond what any number type holds (1e999) ends the parse without a place.
        std::string fault = error.what();
        const std::size_t bracket = fault.find("] ");
        Refuse("", "not a plan (" +
                       (bracket == std::string::npos ? fault : fault.substr(bracket + 2)) + ")");
    }
}

StoredPlan Read(std::string_view text)
{
    const Json document = Document(text);
    if (!document.is_object())
        Refuse("", "not a plan: the document is " + KindOf(document) + ", not an object");
    if (!document.contains("format"))
        Refuse("", "not a plan: it has no \"format\"");
    const Json& format = document["format"];
    Expect(format.is_number_integer(), format, "format", "a whole number");
    if (format.is_number_unsigned() && format.get<std::uint64_t>() > std::uint64_t(kPlanFormat))
        Refuse("format", "is " + format.dump() + ": written by a newer version; this one reads " +
                             "format " + std::to_string(kPlanFormat) + " and older");
    WholeNumber(format, "format", 1, kPlanFormat);

    StoredPlan stored;
    Plan& plan = stored.plan;
    plan.parent = Network(Text(Required(document, "", "network"), "network"), "network");
    plan.mode = Mode(Required(document, "", "mode"), "mode");
    if (document.contains("rfc3021"))
        plan.rfc3021 = Flag(document["rfc3021"], "rfc3021");
    const Json& needs = List(Required(document, "", "needs"), "needs");
    for (std::size_t k = 0; k < needs.size(); ++k)
        plan.needs.push_back(Need(needs[k], Element("needs", k)));

    const bool byLength = plan.mode == PlanMode::SplitByLength;
    if (byLength || document.contains("split_length")) {
        const Json& length =
            byLength ? Required(document, "", "split_length") : document["split_length"];
        plan.splitLength = int(WholeNumber(length, "split_length", 0, 128));
    }
    const bool byCount = plan.mode == PlanMode::SplitByCount;
    if (byCount || document.contains("split_count")) {
        const Json& count =
            byCount ? Required(document, "", "split_count") : document["split_count"];
        plan.splitCount =
            WholeNumber(count, "split_count", 0, std::numeric_limits<std::uint64_t>::max());
    }

    const Json& subnets = List(Required(document, "", "subnets"), "subnets");
    for (std::size_t k = 0; k < subnets.size(); ++k)
        stored.subnets.push_back(Subnet(subnets[k], Element("subnets", k), plan.needs.size()));
    const Json& unused = List(Required(document, "", "unused"), "unused");
    for (std::size_t k = 0; k < unused.size(); ++k)
        stored.unused.push_back(
            Network(Text(unused[k], Element("unused", k)), Element("unused", k)));
    return stored;
}

PlanFileError TooLarge()
{
    return {"", "larger than a plan file can be (" +
                    std::to_string(kPlanFileLimit / (1024 * 1024)) + " MB)"};
}

// "10.0.0.0/26 for Sales" (or "for need 3" when unnamed); an equal split's network alone.
std::string Describe(const StoredSubnet& subnet, const Plan& plan)
{
    std::string text = subnet.network.toString();
    if (subnet.need == kNoNeed || subnet.need >= plan.needs.size())
        return text;
    const std::string& name = plan.needs[subnet.need].name;
    return text + " for " + (name.empty() ? "need " + std::to_string(subnet.need + 1) : name);
}

} // namespace

std::string PlanFileError::message() const
{
    return where.empty() ? reason : where + ": " + reason;
}

StoredPlan Stored(const Plan& plan, const PlanAnswer& answer)
{
    StoredPlan stored{plan, {}, answer.free};
    for (const PlanAllocation& allocation : answer.allocations)
        stored.subnets.push_back({allocation.need, allocation.network});
    return stored;
}

std::string PlanFileText(const Plan& plan, const PlanAnswer& answer)
{
    Json needs = Json::array();
    for (const PlanNeed& need : plan.needs)
        needs.push_back({{"name", need.name}, {"size", need.size.toString()}});
    Json subnets = Json::array();
    for (const PlanAllocation& allocation : answer.allocations) {
        Json subnet;
        subnet["need"] = allocation.need == kNoNeed ? Json() : Json(allocation.need);
        subnet["network"] = allocation.network.family() == IpFamily::Ipv4
                                ? allocation.network.ipv4().address().toString()
                                : allocation.network.ipv6().address().toString();
        subnet["prefix_length"] = allocation.network.prefixLength();
        subnets.push_back(std::move(subnet));
    }
    Json unused = Json::array();
    for (const IpNetwork& network : answer.free)
        unused.push_back(network.toString());

    Json document;
    document["format"] = kPlanFormat;
    document["network"] = plan.parent.toString();
    document["mode"] = ModeName(plan.mode);
    document["rfc3021"] = plan.rfc3021;
    document["split_length"] = plan.splitLength;
    document["split_count"] = plan.splitCount;
    document["needs"] = std::move(needs);
    document["subnets"] = std::move(subnets);
    document["unused"] = std::move(unused);
    // A name the user typed is kept whatever it holds; bytes that are not UTF-8 (never
    // from the window, which holds Unicode) become U+FFFD rather than a failed save.
    return document.dump(2, ' ', false, Json::error_handler_t::replace) + "\n";
}

PlanFileResult ReadPlanText(std::string_view text)
{
    if (text.size() > kPlanFileLimit)
        return TooLarge();
    try {
        return Read(text);
    } catch (const Refusal& refusal) {
        return refusal.error;
    }
}

PlanFileResult ReadPlanFile(const std::filesystem::path& path)
{
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    if (error)
        return PlanFileError{"", "cannot be read: " + error.message()};
    if (size > kPlanFileLimit)
        return TooLarge();
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    if (!in)
        return PlanFileError{"", "cannot be read"};
    return ReadPlanText(bytes.str());
}

std::optional<std::string> StoredAnswerDiffers(const StoredPlan& stored, const PlanAnswer& computed)
{
    const StoredPlan now = Stored(stored.plan, computed);
    const auto count = [](std::size_t n, const char* what) {
        return std::to_string(n) + " " + what;
    };
    for (std::size_t k = 0; k < std::min(stored.subnets.size(), now.subnets.size()); ++k) {
        if (stored.subnets[k] != now.subnets[k])
            return "subnet " + std::to_string(k + 1) + ": the file has " +
                   Describe(stored.subnets[k], stored.plan) + ", the plan gives " +
                   Describe(now.subnets[k], stored.plan);
    }
    if (stored.subnets.size() != now.subnets.size())
        return "the file has " + count(stored.subnets.size(), "subnets") + ", the plan gives " +
               count(now.subnets.size(), "subnets");
    if (stored.unused != now.unused)
        return "the unused space differs from the plan's";
    return std::nullopt;
}

} // namespace net
