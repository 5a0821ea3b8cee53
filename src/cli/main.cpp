// ferol-calc: runs the command line on the process's streams. Output is buffered by the C
// library and flushed once at the end, so a batch of thousands of lines costs few writes.

#include "cli/cli_run.h"

#include <cstdio>
#include <string>

namespace {

bool ReadLine(std::string& line)
{
    line.clear();
    int c = 0;
    while ((c = std::getc(stdin)) != EOF) {
        if (c == '\n')
            return true;
        line += char(c);
    }
    return !line.empty();
}

void Write(std::FILE* stream, std::string_view text)
{
    std::fwrite(text.data(), 1, text.size(), stream);
}

} // namespace

int main(int argc, char** argv)
{
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    const CliIo io{ReadLine, [](std::string_view text) { Write(stdout, text); },
                   [](std::string_view text) { Write(stderr, text); }};
    const int status = RunFerolCalc(arguments, io);
    // A full disk or a closed pipe must not pass for an answer.
    return std::fflush(stdout) == 0 && !std::ferror(stdout) ? status : 1;
}
