#include "cli/command_line.h"

#include "cli/command_table.h"

#include <string_view>

namespace {

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

} // namespace

CommandLine SortCommandLine(const std::vector<std::string>& arguments)
{
    CommandLine line;
    const auto fail = [&line](std::string message) {
        if (!line.failure)
            line.failure = std::move(message);
    };
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& word = arguments[i];
        if (word == "--") {
            line.positional.insert(line.positional.end(), arguments.begin() + std::ptrdiff_t(i) + 1,
                                   arguments.end());
            break;
        }
        if (word.size() < 2 || word[0] != '-' || IsDigit(word[1])) {
            line.positional.push_back(word);
            continue;
        }
        const bool isLong = word[1] == '-';
        const std::size_t equals = isLong ? word.find('=') : std::string::npos;
        const std::string spelling = word.substr(0, isLong ? equals : 2);
        const OptionEntry* option = isLong ? FindOption(spelling) : FindShortOption(word[1]);
        if (!option) {
            fail("unknown option '" + spelling + "'");
            continue;
        }
        std::optional<std::string> value;
        if (equals != std::string::npos)
            value = word.substr(equals + 1);
        else if (!isLong && word.size() > 2)
            value = word.substr(2);
        if (!option->valueName.empty() && !value) {
            if (i + 1 == arguments.size()) {
                fail("option '" + spelling + "' needs a value");
                continue;
            }
            value = arguments[++i];
        }
        if (!!option->valueName.empty() && value) {
            fail("option '" + spelling + "' takes no value");
            continue;
        }
        if (option->name == "--help")
            line.help = true;
        else if (option->name == "--version")
            line.version = true;
        else
            line.options.push_back({std::string(option->name), spelling, value});
    }
    return line;
}
