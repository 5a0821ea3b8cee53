// ferol-calc: runs the command line on the process's streams. Output goes through the C
// library's buffer, so a batch of thousands of lines costs few writes.

#include "cli/cli_run.h"
#include "cli/line_reader.h"

#include <cstdio>
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
    // A batch into a file or pipe writes hundreds of megabytes: large writes, few calls. A
    // terminal keeps its line buffering, so answers show as they come.
    if (!isatty(STDOUT_FILENO))
        std::setvbuf(stdout, nullptr, _IOFBF, std::size_t{1} << 20);
    LineReader input(stdin);
    const CliIo io{&input, [](std::string_view text) { Write(stdout, text); },
                   [](std::string_view text) {
                       Write(stderr, text);
                   }};
    const int status = RunFerolCalc(arguments, io);
    // A full disk or a closed pipe must not pass for an answer.
    return std::fflush(stdout) == 0 && !std::ferror(stdout) ? status : 1;
}
