#pragma once

// Address plans kept in files: UTF-8 JSON with a format version, read and written here for
// the planner tab and ferol-calc alike. A file holds the plan (parent, mode, needs) and the
// answer as it was computed (the networks allocated and the space left), under the keys
// `ferol-calc vlsm --json` uses where they mean the same:
//
//   {"format": 1, "network": "192.168.1.0/24", "mode": "vlsm", "rfc3021": false,
//    "needs": [{"name": "Sales", "size": "50"}, {"name": "Links", "size": "/30"}],
//    "subnets": [{"need": 0, "network": "192.168.1.0", "prefix_length": 26}, ...],
//    "unused": ["192.168.1.68/30", ...]}
//
// "mode" is "vlsm", "split-by-length" (with "split_length") or "split-by-count" (with
// "split_count"); a subnet's "need" indexes "needs", null for an equal split's networks.
// A need's size is its text: "50" counts hosts (IPv4) or /64 networks (IPv6), "/30" asks
// for that prefix length.
//
// The reader checks everything before it gives anything back: bytes that are not UTF-8,
// text that is not JSON, a document that is not a plan, a value of the wrong kind and a
// newer format are each refused with what is wrong and where (a line and column, or the
// path of the value, as `needs[2].size`). Keys it does not know are passed over, so a
// file written by a later version of the same format still opens.

#include "net/address_plan.h"
#include "net/ip_network.h"

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace net {

// The format this version writes, and the newest it reads.
inline constexpr int kPlanFormat = 1;

// Far beyond any plan a person makes (the largest equal split writes about 6 MB).
inline constexpr std::uintmax_t kPlanFileLimit = 16 * 1024 * 1024;

// A network as the file stores it.
struct StoredSubnet
{
    std::size_t need = kNoNeed;
    IpNetwork network;

    friend bool operator==(const StoredSubnet&, const StoredSubnet&) = default;
};

// A plan as read from a file: the plan and the answer it was saved with.
struct StoredPlan
{
    Plan plan;
    std::vector<StoredSubnet> subnets;
    std::vector<IpNetwork> unused;

    friend bool operator==(const StoredPlan&, const StoredPlan&) = default;
};

struct PlanFileError
{
    std::string where;  // "line 3, column 14", "needs[2].size", or empty for the whole file
    std::string reason; // what is wrong there

    // "where: reason", or the reason alone.
    std::string message() const;
};

using PlanFileResult = std::variant<StoredPlan, PlanFileError>;

// The plan and its answer as the file's text, ending in a newline.
std::string PlanFileText(const Plan& plan, const PlanAnswer& answer);

PlanFileResult ReadPlanText(std::string_view text);
// Refuses a file above kPlanFileLimit before reading it.
PlanFileResult ReadPlanFile(const std::filesystem::path& path);

// The answer a plan was saved with, as a stored plan holds it.
StoredPlan Stored(const Plan& plan, const PlanAnswer& answer);

// Where a stored answer and a computed one part: the first subnet or unused network that
// differs, or a count that does; nothing when they agree.
std::optional<std::string> StoredAnswerDiffers(const StoredPlan& stored,
                                               const PlanAnswer& computed);

} // namespace net
