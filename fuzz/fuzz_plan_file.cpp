// The plan file reader on any bytes: it answers with a plan or with a reason, never
// crashes or hangs; a plan it reads, written again with its answer, reads back the same,
// and its stored answer is either the one computed again or a difference it can name.

#include "fuzz_bytes.h"

#include "net/plan_file.h"

#include <string_view>
#include <variant>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const net::PlanFileResult read = net::ReadPlanText(text);
    if (const auto* error = std::get_if<net::PlanFileError>(&read)) {
        FUZZ_REQUIRE(!error->reason.empty(), std::string(text.substr(0, 200)));
        return 0;
    }
    const auto& stored = std::get<net::StoredPlan>(read);
    const net::PlanAnswer answer = net::PlanAddresses(stored.plan);
    const bool same = !net::StoredAnswerDiffers(stored, answer);
    FUZZ_REQUIRE(same == (stored == net::Stored(stored.plan, answer)),
                 stored.plan.parent.toString());

    const net::PlanFileResult again = net::ReadPlanText(net::PlanFileText(stored.plan, answer));
    FUZZ_REQUIRE(std::holds_alternative<net::StoredPlan>(again), stored.plan.parent.toString());
    FUZZ_REQUIRE(std::get<net::StoredPlan>(again) == net::Stored(stored.plan, answer),
                 stored.plan.parent.toString());
    return 0;
}
