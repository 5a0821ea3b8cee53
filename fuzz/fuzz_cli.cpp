// ferol-calc's whole run on any argument list and any batch input: it ends in one of the
// three exit statuses; outside a batch exactly one of the two outputs is written, and a
// refusal leaves standard output empty; every JSON Lines answer is one line.

#include "fuzz_bytes.h"

#include "cli/cli_run.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <string_view>

namespace {

constexpr std::array<std::string_view, 17> kWords = {
    "subnet",        "next", "split",     "range", "wildcard", "decimal", "--json",
    "--help",        "-",    "--rfc3021", "-n",    "--count=", "--file",  "--",
    "255.255.255.0", "/",    "--binary"};

// An argument: a command word or option, an address-like text, or any bytes.
std::string Argument(FuzzBytes& in)
{
    switch (in.byte() % 4) {
    case 0:
        return std::string(kWords[in.byte() % kWords.size()]);
    case 1: {
        const std::uint32_t a = in.uint32();
        return std::to_string(a >> 24) + "." + std::to_string(a >> 16 & 255) + "." +
               std::to_string(a >> 8 & 255) + "." + std::to_string(a & 255) + "/" +
               std::to_string(in.intIn(0, 33));
    }
    default:
        return in.bytes(24);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzBytes in(data, size);
    std::vector<std::string> arguments;
    for (int n = in.byte() % 7; n > 0; --n)
        arguments.push_back(Argument(in));
    // --file would read the machine's files; the batch input comes from the bytes instead.
    for (std::string& argument : arguments) {
        if (argument.starts_with("--file"))
            argument = "-";
    }
    // Standard input: up to three lines of the fuzzer's bytes, read through the real reader.
    std::string input;
    for (int lines = in.byte() % 4; lines > 0; --lines)
        input += in.bytes(40) + '\n';
    std::FILE* stream =
        input.empty() ? std::fopen("/dev/null", "r") : fmemopen(input.data(), input.size(), "r");
    if (stream == nullptr)
        return 0;
    LineReader reader(stream);
    std::string out, err;
    const CliIo io{&reader, [&out](std::string_view text) { out += text; },
                   [&err](std::string_view text) {
                       err += text;
                   }};
    const int status = RunFerolCalc(arguments, io);
    std::fclose(stream);

    std::string context;
    for (const std::string& argument : arguments)
        context += argument + " | ";
    // Options stop at "--"; help answers whatever else is given.
    const auto options = std::find(arguments.begin(), arguments.end(), "--");
    const auto given = [&](std::string_view word) {
        return std::find(arguments.begin(), options, word) != options;
    };
    const bool help = given("--help");
    const bool batch = std::find(arguments.begin(), arguments.end(), "-") != arguments.end();
    FUZZ_REQUIRE(status >= 0 && status <= 2, context);
    FUZZ_REQUIRE((status == 0) == err.empty() || batch, context + "\n" + err);
    if (status != 0 && !batch)
        FUZZ_REQUIRE(out.empty(), context + "\n" + out);
    if (batch && given("--json") && !help && status == 0) {
        for (std::size_t start = 0; start < out.size();) {
            const std::size_t end = out.find('\n', start);
            FUZZ_REQUIRE(end != std::string::npos && out[start] == '{' && out[end - 1] == '}',
                         context + "\n" + out);
            start = end + 1;
        }
    }
    return 0;
}
