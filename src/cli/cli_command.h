#pragma once

// What every command works with: its arguments, already sorted into positionals, flags
// and option values by the dispatcher, and the outcome it hands back. Exit status 0
// answers, 1 refuses an argument that is not what it must be, 2 reports wrong usage;
// only an answer writes to standard output.

#include <QHash>
#include <QJsonObject>
#include <QSet>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>

inline constexpr int kStatusRefused = 1;
inline constexpr int kStatusMisused = 2;

// More rows than this would fill memory before a terminal or script could use them.
inline constexpr qint64 kListLimit = 65536;

struct CliOutcome
{
    int status = 0;
    QString out;
    QString err; // without the program's prefix; the dispatcher adds it
};

struct CommandArgs
{
    QStringList positional;
    QSet<QString> flags;            // "--json", "--rfc3021"
    QHash<QString, QString> values; // "--count" -> "5"

    bool has(const char* flag) const { return flags.contains(QLatin1String(flag)); }
};

CliOutcome Refused(const QString& message);
CliOutcome Misused(const QString& message);

// The text form, or the JSON form when --json was given.
CliOutcome Answered(const CommandArgs& args, const QString& text, const QJsonObject& json);

// "ADDRESS/LEN" read strictly; a failure holds the refusal naming the argument.
struct AddressAndLength
{
    std::uint32_t address = 0;
    int length = 0;
    std::optional<CliOutcome> failure;
};

AddressAndLength ReadAddressAndLength(const QString& argument);

// An address on its own; a failure holds the refusal naming the argument.
struct AddressArgument
{
    std::uint32_t address = 0;
    std::optional<CliOutcome> failure;
};

AddressArgument ReadAddress(const QString& argument);

CliOutcome RunSubnet(const CommandArgs& args);
CliOutcome RunNext(const CommandArgs& args);
CliOutcome RunSplit(const CommandArgs& args);
CliOutcome RunRange(const CommandArgs& args);
CliOutcome RunWildcard(const CommandArgs& args);
CliOutcome RunDecimal(const CommandArgs& args);
