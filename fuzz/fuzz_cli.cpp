// ferol-calc's argument reading and its whole run. Addresses and lengths read strictly:
// whatever reads is written back as the same text, every 32-bit address survives a round
// trip, and any argument list ends in one of the three exit statuses with exactly one of
// the two outputs filled.

#include "fuzz_helpers.h"

#include "cli/address_args.h"
#include "cli/cli_run.h"

#include <QStringList>

namespace {

const QStringList kWords = {"subnet", "next",   "split",     "range", "wildcard", "decimal",
                            "--json", "--help", "--rfc3021", "-n",    "--count",  "/"};

// An argument: a command word, an address-like text, or anything.
QString Argument(FuzzInput& in)
{
    const std::uint8_t kind = in.byte() % 4;
    if (kind == 0)
        return kWords[in.byte() % kWords.size()];
    if (kind == 1)
        return Dotted(in.uint32()) + "/" + QString::number(in.intIn(0, 33));
    return in.text(24);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzInput in(data, size);
    const std::uint32_t x = in.uint32();
    FUZZ_CHECK(ParseAddress(FormatAddress(x)) == x, FormatAddress(x));
    const int length = in.intIn(0, 32);
    FUZZ_CHECK(ContiguousMaskLength(MaskOfLength(length)) == length, QString::number(length));

    const QString text = in.text(24);
    if (const auto address = ParseAddress(text))
        FUZZ_CHECK(FormatAddress(*address) == text, text);
    if (const auto prefix = ParsePrefixLength(text))
        FUZZ_CHECK(QString::number(*prefix) == text && *prefix <= 32, text);

    QStringList arguments;
    for (int n = in.byte() % 6; n > 0; --n)
        arguments += Argument(in);
    const CliOutcome outcome = RunFerolCalc(arguments);
    const QString context = arguments.join(QStringLiteral(" | "));
    FUZZ_CHECK(outcome.status >= 0 && outcome.status <= 2, context);
    FUZZ_CHECK((outcome.status == 0) == outcome.err.isEmpty(), context + "\n" + outcome.err);
    if (outcome.status != 0)
        FUZZ_CHECK(outcome.out.isEmpty(), context + "\n" + outcome.out);
    return 0;
}
