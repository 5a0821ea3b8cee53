#include "cli/cli_run.h"

#include "cli/cli_command.h"
#include "cli/command_line.h"
#include "cli/command_table.h"
#include "cli/printable.h"
#include "ferol_version.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>

namespace {

const std::string kProgram = "ferol-calc";

// No address, network, range or number is longer; a longer word is refused before any
// command reads it, so no message quotes more.
constexpr std::size_t kWordLimit = 128;

std::string Prefix(std::string_view command)
{
    return command.empty() ? kProgram : kProgram + ' ' + std::string(command);
}

// `where` is empty or "line N: "; wrong usage of the command line points to the help.
void ReportFailure(const CliIo& io, const CliOutcome& outcome, std::string_view command,
                   const std::string& where = {}, bool pointToHelp = true)
{
    std::string err = Prefix(command) + ": " + where + Printable(outcome.err) + '\n';
    if (outcome.status == kStatusMisused && where.empty() && pointToHelp)
        err += "Try '" + Prefix(command) + " --help'.\n";
    io.err(err);
}

bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

void SplitWords(std::string_view line, std::vector<std::string_view>& words)
{
    words.clear();
    std::size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && IsBlank(line[i]))
            ++i;
        const std::size_t start = i;
        while (i < line.size() && !IsBlank(line[i]))
            ++i;
        if (i > start)
            words.emplace_back(line.substr(start, i - start));
    }
}

// True when no byte of the line is a blank or control (up to ' ') or above ASCII: then it
// is UTF-8 text of one word, like most lines of a batch, and needs neither check nor split.
// Eight bytes at a time.
bool IsOneAsciiWord(std::string_view line)
{
    constexpr std::uint64_t kOnes = 0x0101010101010101;
    if (line.empty())
        return false;
    std::size_t k = 0;
    for (; k + 8 <= line.size(); k += 8) {
        std::uint64_t bytes = 0;
        std::memcpy(&bytes, line.data() + k, 8);
        // A byte above ASCII has its top bit set; among ASCII bytes, subtracting 0x21 from
        // each sets a top bit only when one of them is below 0x21.
        if (((bytes - kOnes * 0x21) | bytes) & kOnes * 0x80)
            return false;
    }
    for (; k < line.size(); ++k) {
        const auto c = static_cast<unsigned char>(line[k]);
        if (c <= ' ' || c >= 0x80)
            return false;
    }
    return true;
}

template <typename Words> std::optional<CliOutcome> RefuseLongWord(const Words& words)
{
    for (const std::string_view word : words) {
        if (word.size() > kWordLimit) {
            return Refused("'" + Printable(word, 32) + "' (" + std::to_string(word.size()) +
                           " bytes) is longer than any argument (at most " +
                           std::to_string(kWordLimit) + ")");
        }
    }
    return std::nullopt;
}

// The options of a command line or of a batch line put into `args`; on a line, the ones
// that shape the whole output are refused.
std::optional<CliOutcome> TakeOptions(const CommandEntry& command,
                                      const std::vector<CommandOption>& options, bool onLine,
                                      CommandArgs& args)
{
    for (const CommandOption& option : options) {
        if (!CommandTakes(command, option.name))
            return Misused("unknown option '" + option.spelling + "'");
        if (onLine && FindOption(option.name)->scope != OptionScope::Answer) {
            return Misused("'" + option.spelling +
                           "' shapes the whole output: give it on the command line");
        }
        if (option.name == "--field")
            args.fields.push_back(*option.value);
        else if (option.value)
            args.values[option.name] = *option.value;
        else
            args.flags.push_back(option.name);
    }
    return std::nullopt;
}

bool MayBeOption(std::string_view word)
{
    return word.size() >= 2 && word[0] == '-' && !(word[1] >= '0' && word[1] <= '9');
}

// Lines as they come, with their numbers; what could not be read or is not text is
// reported here, so the callers see only lines worth reading.
class BatchInput
{
public:
    BatchInput(LineReader& reader, const CommandEntry& command, const CliIo& io)
        : m_reader(reader), m_command(command), m_io(io)
    {}

    // False at the end, or when the input failed (then failed() says so). The words are
    // the line's own bytes, good until the next call.
    bool next(std::vector<std::string_view>& words)
    {
        std::string_view line;
        for (;;) {
            ++m_number;
            switch (m_reader.next(line)) {
            case LineReader::Status::End:
                return false;
            case LineReader::Status::Failed:
                m_failed = true;
                return false;
            case LineReader::Status::TooLong:
                refuse(Refused("longer than " + std::to_string(kLineLimit) + " bytes"));
                continue;
            case LineReader::Status::Line:
                break;
            }
            if (IsOneAsciiWord(line)) {
                words.assign(1, line);
            } else if (!IsValidUtf8(line)) {
                refuse(Refused("not UTF-8 text: '" + Printable(line, 64) + "'"));
                continue;
            } else {
                SplitWords(line, words);
            }
            // A word that starts with "#" starts a comment, to the end of the line.
            words.erase(std::find_if(words.begin(), words.end(),
                                     [](std::string_view word) { return word.front() == '#'; }),
                        words.end());
            if (words.empty())
                continue;
            if (const auto refusal = RefuseLongWord(words)) {
                refuse(*refusal);
                continue;
            }
            return true;
        }
    }

    void refuse(const CliOutcome& outcome)
    {
        ReportFailure(m_io, outcome, m_command.name, "line " + std::to_string(m_number) + ": ");
        m_refused = true;
    }

    std::size_t number() const { return m_number; }
    bool failed() const { return m_failed; }
    bool refused() const { return m_refused; }
    int errorNumber() const { return m_reader.errorNumber(); }

private:
    LineReader& m_reader;
    const CommandEntry& m_command;
    const CliIo& m_io;
    std::size_t m_number = 0;
    bool m_failed = false;
    bool m_refused = false;
};

// The line's words put where "-" stood among the command line's own arguments
// (`positional` holds those and the words of the line before). The strings stay from line
// to line, so a batch of lines of one shape allocates no word.
void PlaceWords(const std::vector<std::string_view>& words, std::size_t slot, std::size_t given,
                std::vector<std::string>& positional)
{
    const auto at = positional.begin() + std::ptrdiff_t(slot);
    const std::size_t placed = positional.size() - given;
    if (placed < words.size())
        positional.insert(at, words.size() - placed, std::string());
    else
        positional.erase(at, at + std::ptrdiff_t(placed - words.size()));
    for (std::size_t i = 0; i < words.size(); ++i)
        positional[slot + i].assign(words[i]);
}

// Every line of the input answered in turn: blank lines and "#" comments are skipped, the
// words of a line stand where "-" stood (or first, for --file), and the options on it
// apply to it alone.
int RunEachLine(const CommandEntry& command, CommandArgs args, std::size_t slot, BatchInput& input,
                const CliIo& io)
{
    // Answers gather where the output does, or here when it writes each at once.
    std::string ownGathering;
    std::string& gathering = io.outGathering ? *io.outGathering : ownGathering;
    args.jsonLines = true;
    args.answerInto = &gathering;
    const bool json = args.has("--json");
    int status = 0;
    bool answered = false;
    std::vector<std::string_view> words;
    CommandArgs lineArgs = args; // the command line's, with the line's words and options
    bool lineHadOptions = false;
    while (input.next(words)) {
        std::optional<CliOutcome> refusal;
        if (std::ranges::any_of(words, [](std::string_view word) { return MayBeOption(word); })) {
            const CommandLine line = SortCommandLine({words.begin(), words.end()});
            lineArgs = args;
            lineArgs.positional.insert(lineArgs.positional.begin() + std::ptrdiff_t(slot),
                                       line.positional.begin(), line.positional.end());
            if (line.failure)
                refusal = Misused(*line.failure);
            else if (line.help || line.version)
                refusal = Misused("'--help' and '--version' belong on the command line");
            else
                refusal = TakeOptions(command, line.options, true, lineArgs);
            lineHadOptions = true;
        } else {
            if (lineHadOptions)
                lineArgs = args;
            lineHadOptions = false;
            PlaceWords(words, slot, args.positional.size(), lineArgs.positional);
        }
        CliOutcome outcome = refusal ? *refusal : command.run(lineArgs);
        if (!outcome.err.empty())
            input.refuse(outcome);
        if (!outcome.out.empty()) {
            if (answered && !json)
                io.out("\n");
            io.out(outcome.out);
            answered = true;
        }
        if (io.outGathering) {
            if (gathering.size() >= io.outBlockSize)
                io.out({});
        } else if (!ownGathering.empty()) {
            io.out(ownGathering);
            ownGathering.clear();
        }
        if (outcome.err.empty() && outcome.status != 0)
            status = std::max(status, outcome.status);
    }
    if (input.refused()) {
        status = std::max(status,
                          command.status == StatusRule::LikeGrep ? kStatusMisused : kStatusRefused);
    }
    return status;
}

// The lines together are the command's arguments, answered once, and only when every
// line could be read.
int RunAllLines(const CommandEntry& command, CommandArgs args, BatchInput& input, const CliIo& io)
{
    std::vector<std::string_view> words;
    while (input.next(words)) {
        if (const auto option = std::find_if(words.begin(), words.end(), MayBeOption);
            option != words.end()) {
            input.refuse(
                Misused("'" + std::string(*option) + "': options belong on the command line"));
            continue;
        }
        args.positional.insert(args.positional.end(), words.begin(), words.end());
    }
    if (input.failed() || input.refused())
        return kStatusRefused;
    if (args.positional.empty())
        return 0; // an empty list is answered by an empty list
    const CliOutcome outcome = command.run(args);
    io.out(outcome.out);
    if (!outcome.err.empty())
        ReportFailure(io, outcome, command.name);
    return outcome.status;
}

int RunBatch(const CommandEntry& command, CommandArgs args, std::size_t slot, LineReader& reader,
             const std::string& source, const CliIo& io)
{
    BatchInput input(reader, command, io);
    const int status = command.batch == BatchShape::AllLines
                           ? RunAllLines(command, std::move(args), input, io)
                           : RunEachLine(command, std::move(args), slot, input, io);
    if (input.failed()) {
        ReportFailure(io,
                      Misused("cannot read " + source + ": " + std::strerror(input.errorNumber())),
                      command.name, {}, false);
        return kStatusMisused;
    }
    return status;
}

int RunOnce(const CommandEntry& command, const CommandArgs& args, const CliIo& io)
{
    CliOutcome outcome = command.run(args);
    // A grep-like command answers "no" with 1, so a refused argument takes 2 there.
    const bool refused = outcome.status == kStatusRefused && !outcome.err.empty();
    if (refused && command.status == StatusRule::LikeGrep)
        outcome.status = kStatusMisused;
    io.out(outcome.out);
    if (!outcome.err.empty())
        ReportFailure(io, outcome, command.name, {}, !refused);
    return outcome.status;
}

int RunCommand(const CommandEntry& command, CommandArgs args, const CliIo& io)
{
    const auto dash = std::find(args.positional.begin(), args.positional.end(), "-");
    const auto file = args.values.find("--file");
    if (dash == args.positional.end() && file == args.values.end())
        return RunOnce(command, args, io);
    if (dash != args.positional.end() &&
        (file != args.values.end() || std::count(dash, args.positional.end(), "-") > 1)) {
        ReportFailure(io, Misused("one input at a time: '-' or --file"), command.name);
        return kStatusMisused;
    }
    if (dash != args.positional.end()) {
        const std::size_t slot = std::size_t(dash - args.positional.begin());
        args.positional.erase(dash);
        return RunBatch(command, std::move(args), slot, *io.input, "standard input", io);
    }
    const std::string path = file->second;
    std::FILE* stream = std::fopen(path.c_str(), "rb");
    if (!stream) {
        ReportFailure(io, Misused("cannot read '" + path + "': " + std::strerror(errno)),
                      command.name, {}, false);
        return kStatusMisused;
    }
    int status = 0;
    {
        LineReader lines(stream);
        status = RunBatch(command, std::move(args), 0, lines, "'" + path + "'", io);
    }
    std::fclose(stream);
    return status;
}

bool HasFile(const CommandLine& line)
{
    return std::any_of(line.options.begin(), line.options.end(),
                       [](const CommandOption& option) { return option.name == "--file"; });
}

} // namespace

int RunFerolCalc(const std::vector<std::string>& arguments, const CliIo& io)
{
    if (!arguments.empty() && arguments.front() == "--complete") {
        // For the shells' completions: the words that may follow, from the one table.
        io.out(CompletionWords(arguments.size() > 1 ? arguments[1] : std::string_view()));
        return 0;
    }
    const CommandLine line = SortCommandLine(arguments);
    const std::string_view first =
        line.positional.empty() ? std::string_view() : std::string_view(line.positional.front());
    const CommandEntry* command = FindCommand(first);
    std::vector<std::string> positional = line.positional;
    if (command) {
        positional.erase(positional.begin());
    } else if ((!first.empty() &&
                ((first[0] >= '0' && first[0] <= '9') || first == "-" || IsIpv6Argument(first))) ||
               (first.empty() && line.positional.empty() && HasFile(line))) {
        // An address first means the subnet command, so "ferol-calc 10.0.0.1/8" works, and
        // so does "ferol-calc fe80::1/64".
        command = FindCommand("subnet");
    }
    if (!command && first == "help") {
        const CommandEntry* about =
            line.positional.size() > 1 ? FindCommand(line.positional[1]) : nullptr;
        if (line.positional.size() > 1 && !about) {
            ReportFailure(io, Misused("unknown command '" + line.positional[1] + "'"), {});
            return kStatusMisused;
        }
        io.out(about ? CommandHelp(*about) : GeneralHelp());
        return 0;
    }
    if (line.help) {
        io.out(command ? CommandHelp(*command) : GeneralHelp());
        return 0;
    }
    if (!command && line.version && line.positional.empty()) {
        io.out(kProgram + ' ' + FEROL_VERSION + '\n');
        return 0;
    }
    const std::string_view name = command ? command->name : std::string_view();
    if (line.failure) {
        ReportFailure(io, Misused(*line.failure), name);
        return kStatusMisused;
    }
    if (!command) {
        ReportFailure(io,
                      Misused(line.positional.empty()
                                  ? "no command given"
                                  : "unknown command '" + std::string(first) + "'"),
                      {});
        return kStatusMisused;
    }
    if (const auto refusal = RefuseLongWord(positional)) {
        ReportFailure(io, *refusal, name);
        return command->status == StatusRule::LikeGrep ? kStatusMisused : kStatusRefused;
    }
    CommandArgs args;
    args.positional = std::move(positional);
    if (const auto refusal = TakeOptions(*command, line.options, false, args)) {
        ReportFailure(io, *refusal, name);
        return kStatusMisused;
    }
    return RunCommand(*command, std::move(args), io);
}
