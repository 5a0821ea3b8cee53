// ferol-calc: runs the command line on the process's streams. Into a file or pipe, output
// is written in large blocks by a second thread while the answers are made; a terminal
// gets each answer as it comes.

#include "cli/background_output.h"
#include "cli/cli_run.h"
#include "cli/line_reader.h"

#include <cstdio>
#include <optional>
#include <string>

#include <unistd.h>

namespace {

void Write(std::FILE* stream, std::string_view text)
{
    std::fwrite(text.data(), 1, text.size(), stream);
}

} // namespace

int main(int argc, char** argv)
{
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    std::optional<BackgroundOutput> blocks;
    if (!isatty(STDOUT_FILENO))
        blocks.emplace(STDOUT_FILENO);
    LineReader input(stdin);
    const CliIo io{&input,
                   [&](std::string_view text) {
                       if (blocks)
                           blocks->write(text);
                       else
                           Write(stdout, text);
                   },
                   [](std::string_view text) { Write(stderr, text); },
                   blocks ? &blocks->gathering() : nullptr, BackgroundOutput::kBlockSize};
    const int status = RunFerolCalc(arguments, io);
    // A full disk or a closed pipe must not pass for an answer.
    const bool written =
        blocks ? blocks->finish() : std::fflush(stdout) == 0 && !std::ferror(stdout);
    return written ? status : 1;
}
