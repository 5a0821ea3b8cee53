// Merging and excluding, both families, against oracles written here on the compiler's
// own 128-bit integers: on small random sets the one fewest cover found by splitting the
// space in halves address by address; on large ones the result probed at every boundary
// of input and output, and checked for order, overlap and halves left unjoined.

#include "net/ipv4_sets.h"
#include "net/ipv6_sets.h"
#include "support/oracle128.h"

#include <QRandomGenerator>
#include <QTest>

#include <algorithm>
#include <bitset>
#include <vector>

using namespace net;

namespace {

struct Ipv4
{
    using Network = Ipv4Network;
    using Range = Ipv4Range;
    static constexpr int kBits = 32;
    static Ipv4Address Address(Oracle n) { return Ipv4Address(std::uint32_t(n)); }
    static Oracle Value(Ipv4Address a) { return a.value(); }
    static Oracle Last(const Network& n) { return n.broadcast().value(); }
    static auto Merge(const std::vector<Range>& r) { return Ipv4Merge(r); }
    static auto Merge(const std::vector<Network>& n) { return Ipv4Merge(n); }
    static auto Exclude(const Network& n, const std::vector<Network>& e)
    {
        return Ipv4Exclude(n, e);
    }
};

struct Ipv6
{
    using Network = Ipv6Network;
    using Range = Ipv6Range;
    static constexpr int kBits = 128;
    static Ipv6Address Address(Oracle n) { return Ipv6Address(FromOracle(n)); }
    static Oracle Value(Ipv6Address a) { return ToOracle(a.value()); }
    static Oracle Last(const Network& n) { return Value(n.last()); }
    static auto Merge(const std::vector<Range>& r) { return Ipv6Merge(r); }
    static auto Merge(const std::vector<Network>& n) { return Ipv6Merge(n); }
    static auto Exclude(const Network& n, const std::vector<Network>& e)
    {
        return Ipv6Exclude(n, e);
    }
};

// Inclusive bounds as plain numbers.
struct Span
{
    Oracle first;
    Oracle last;
};

template <class F> typename F::Network Prefix(Oracle address, int length)
{
    return F::Network::containing(F::Address(address), length);
}

template <class F> Span SpanOf(const typename F::Network& n)
{
    return {F::Value(n.address()), F::Last(n)};
}

template <class F> QStringList Texts(const std::vector<typename F::Network>& networks)
{
    QStringList texts;
    for (const auto& network : networks)
        texts << QString::fromStdString(network.toString());
    return texts;
}

// The small universe: 128 addresses from an aligned base, one bit each.
constexpr int kUniverse = 128;
using Members = std::bitset<kUniverse>;

// The fewest prefixes of a set are its largest aligned blocks held whole: split each block
// in halves until a half is all in or all out.
template <class F>
void FewestPrefixes(const Members& members, Oracle base, int offset, int size, QStringList& out)
{
    int in = 0;
    for (int k = offset; k < offset + size; ++k)
        in += members[std::size_t(k)] ? 1 : 0;
    if (in == size)
        out << QString::fromStdString(
            Prefix<F>(base + Oracle(offset), F::kBits - std::countr_zero(unsigned(size)))
                .toString());
    else if (in > 0) {
        FewestPrefixes<F>(members, base, offset, size / 2, out);
        FewestPrefixes<F>(members, base, offset + size / 2, size / 2, out);
    }
}

template <class F> QStringList FewestPrefixes(const Members& members, Oracle base)
{
    QStringList out;
    FewestPrefixes<F>(members, base, 0, kUniverse, out);
    return out;
}

// A random prefix inside the universe, or around it when `wider`.
template <class F>
typename F::Network RandomPrefix(QRandomGenerator& random, Oracle base, bool wider)
{
    const int longest = F::kBits;
    const int shortest = wider ? F::kBits - 9 : F::kBits - 7;
    return Prefix<F>(base + random.bounded(kUniverse), random.bounded(shortest, longest + 1));
}

Members MembersOf(Span span, Oracle base)
{
    Members members;
    for (int k = 0; k < kUniverse; ++k)
        members[std::size_t(k)] = base + Oracle(k) >= span.first && base + Oracle(k) <= span.last;
    return members;
}

// Membership in a union of spans: sorted by first, with the furthest last reached so far.
class SpanUnion
{
public:
    explicit SpanUnion(std::vector<Span> spans) : m_spans(std::move(spans))
    {
        std::sort(m_spans.begin(), m_spans.end(),
                  [](const Span& a, const Span& b) { return a.first < b.first; });
        Oracle reach = 0;
        for (const Span& span : m_spans)
            m_reach.push_back(reach = std::max(reach, span.last));
    }
    bool holds(Oracle address) const
    {
        const auto after = std::upper_bound(m_spans.begin(), m_spans.end(), address,
                                            [](Oracle a, const Span& s) { return a < s.first; });
        return after != m_spans.begin() &&
               m_reach[std::size_t(after - m_spans.begin() - 1)] >= address;
    }
    // Every first and last, and the addresses just outside them.
    std::vector<Oracle> boundaries(Oracle top) const
    {
        std::vector<Oracle> probes;
        for (const Span& span : m_spans) {
            probes.push_back(span.first);
            probes.push_back(span.last);
            if (span.first > 0)
                probes.push_back(span.first - 1);
            if (span.last < top)
                probes.push_back(span.last + 1);
        }
        return probes;
    }

private:
    std::vector<Span> m_spans;
    std::vector<Oracle> m_reach;
};

// The answer holds exactly what `expected` holds: the two can only differ across an
// interval that starts or ends at a boundary of one of them. Then: in address order, no
// overlap, and no two neighbours that are the halves of one prefix.
template <class F>
void CheckLarge(const std::vector<typename F::Network>& answer, const SpanUnion& expected,
                const std::vector<Span>& inputs)
{
    const Oracle top = F::kBits == 128 ? ~Oracle{0} : (Oracle{1} << F::kBits) - 1;
    std::vector<Span> spans;
    spans.reserve(answer.size());
    for (const auto& network : answer)
        spans.push_back(SpanOf<F>(network));
    for (std::size_t n = 1; n < answer.size(); ++n) {
        QVERIFY(spans[n - 1].last < spans[n].first);
        const auto& [a, b] = std::tie(answer[n - 1], answer[n]);
        if (a.prefixLength() == b.prefixLength() && a.prefixLength() > 0)
            QVERIFY2(!Prefix<F>(F::Value(a.address()), a.prefixLength() - 1).contains(b),
                     qPrintable(Texts<F>({a, b}).join(' ')));
    }
    const SpanUnion got(spans);
    std::vector<Oracle> probes = got.boundaries(top);
    for (const Span& input : inputs)
        for (Oracle probe : {input.first, input.last, input.first - 1, input.last + 1})
            probes.push_back(probe & top);
    for (Oracle probe : probes)
        QVERIFY2(got.holds(probe) == expected.holds(probe),
                 qPrintable(QString::fromStdString(F::Address(probe).toString())));
}

// A random base for the small universe: at the bottom, the top, or anywhere.
template <class F> Oracle RandomBase(QRandomGenerator& random, int round)
{
    const Oracle top = F::kBits == 128 ? ~Oracle{0} : (Oracle{1} << F::kBits) - 1;
    const Oracle anywhere = (Oracle{random.generate64()} << 64 | random.generate64()) & top;
    const Oracle choices[] = {0, top - (kUniverse - 1), anywhere};
    return choices[round % 3] & ~Oracle{kUniverse - 1};
}

template <class F> void SmallSetsAgainstBruteForce()
{
    QRandomGenerator random(F::kBits);
    for (int round = 0; round < 3000; ++round) {
        const Oracle base = RandomBase<F>(random, round);
        const int count = int(random.bounded(1, 8));

        Members merged;
        std::vector<typename F::Range> ranges;
        std::vector<typename F::Network> networks;
        for (int k = 0; k < count; ++k) {
            Oracle first = base + random.bounded(kUniverse);
            Oracle last = base + random.bounded(kUniverse);
            if (last < first)
                std::swap(first, last);
            if (round % 2 == 0) {
                ranges.push_back({F::Address(first), F::Address(last)});
                merged |= MembersOf({first, last}, base);
            } else {
                networks.push_back(RandomPrefix<F>(random, base, false));
                merged |= MembersOf(SpanOf<F>(networks.back()), base);
            }
        }
        const auto answer = round % 2 == 0 ? F::Merge(ranges) : F::Merge(networks);
        QCOMPARE(Texts<F>(answer), FewestPrefixes<F>(merged, base));

        // Excluded prefixes may hold the network, lie astride its ends or outside it.
        const auto network = RandomPrefix<F>(random, base, false);
        Members left = MembersOf(SpanOf<F>(network), base);
        std::vector<typename F::Network> excluded;
        for (int k = 0; k < count - 1; ++k) {
            excluded.push_back(RandomPrefix<F>(random, base, true));
            left &= ~MembersOf(SpanOf<F>(excluded.back()), base);
        }
        QCOMPARE(Texts<F>(F::Exclude(network, excluded)), FewestPrefixes<F>(left, base));
    }
}

template <class F> void LargeSetsAgainstOracle(int count, int excludedCount)
{
    QRandomGenerator random(F::kBits + 1);
    const auto randomNetwork = [&](int shortest, int longest) {
        const Oracle address = Oracle{random.generate64()} << 64 | random.generate64();
        return Prefix<F>(address >> (128 - F::kBits), int(random.bounded(shortest, longest + 1)));
    };

    std::vector<typename F::Network> networks;
    std::vector<typename F::Range> ranges;
    std::vector<Span> spans;
    for (int k = 0; k < count; ++k) {
        networks.push_back(randomNetwork(F::kBits / 4, F::kBits));
        spans.push_back(SpanOf<F>(networks.back()));
        ranges.push_back(networks.back().range());
    }
    CheckLarge<F>(F::Merge(networks), SpanUnion(spans), spans);
    CheckLarge<F>(F::Merge(ranges), SpanUnion(spans), spans);

    // Out of one short prefix, many small ones inside it and a few mostly outside it, so
    // that much is left.
    const auto network = randomNetwork(F::kBits / 4, F::kBits / 2);
    const int length = network.prefixLength();
    std::vector<typename F::Network> excluded;
    std::vector<Span> excludedSpans;
    for (int k = 0; k < excludedCount; ++k) {
        const auto candidate = randomNetwork((F::kBits + length) / 2, F::kBits);
        const Oracle offset = F::Value(candidate.address()) >> length;
        const auto inside =
            Prefix<F>(F::Value(network.address()) | offset, candidate.prefixLength());
        excluded.push_back(k % 16 == 0 ? candidate : inside);
        excludedSpans.push_back(SpanOf<F>(excluded.back()));
    }
    // What is left, as spans: the network's addresses outside every excluded one.
    std::vector<Span> leftSpans;
    Oracle next = F::Value(network.address());
    std::vector<Span> sorted = excludedSpans;
    std::sort(sorted.begin(), sorted.end(),
              [](const Span& a, const Span& b) { return a.first < b.first; });
    bool finished = false;
    for (const Span& span : sorted) {
        if (span.last < next || span.first > F::Last(network))
            continue;
        if (span.first > next)
            leftSpans.push_back({next, span.first - 1});
        if (span.last >= F::Last(network)) {
            finished = true;
            break;
        }
        next = span.last + 1;
    }
    if (!finished)
        leftSpans.push_back({next, F::Last(network)});
    std::vector<Span> inputs = excludedSpans;
    inputs.push_back(SpanOf<F>(network));
    CheckLarge<F>(F::Exclude(network, excluded), SpanUnion(leftSpans), inputs);
}

} // namespace

class TestSets : public QObject
{
    Q_OBJECT

private slots:
    void smallIpv4SetsAgainstBruteForce() { SmallSetsAgainstBruteForce<Ipv4>(); }
    void smallIpv6SetsAgainstBruteForce() { SmallSetsAgainstBruteForce<Ipv6>(); }
    void largeIpv4SetsAgainstOracle() { LargeSetsAgainstOracle<Ipv4>(100000, 2000); }
    void largeIpv6SetsAgainstOracle() { LargeSetsAgainstOracle<Ipv6>(20000, 5000); }

    // The whole address space, which no small universe reaches.
    void wholeSpace_data()
    {
        QTest::addColumn<QString>("network");
        QTest::addColumn<QStringList>("excluded");
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("last");
        QTest::newRow("IPv4 less its top")
            << "0.0.0.0/0" << QStringList{"255.255.255.255"} << 32 << "0.0.0.0/1"
            << "255.255.255.254/32";
        QTest::newRow("IPv4 less itself") << "0.0.0.0/0" << QStringList{"0.0.0.0/0"} << 0 << ""
                                          << "";
        QTest::newRow("IPv6 less both ends")
            << "::/0" << QStringList{"::/128", "ffff:ffff:ffff:ffff:ffff:ffff:ffff:ffff/128"} << 254
            << "::1/128"
            << "ffff:ffff:ffff:ffff:ffff:ffff:ffff:fffe/128";
        QTest::newRow("IPv6 less itself") << "::/0" << QStringList{"::/0", "::/1"} << 0 << ""
                                          << "";
    }
    // Excluding from the whole space, then merging what is left with what was taken out,
    // must give the whole space back.
    void wholeSpace()
    {
        QFETCH(QString, network);
        QFETCH(QStringList, excluded);
        QFETCH(int, count);
        QFETCH(QString, first);
        QFETCH(QString, last);
        const auto check = [&]<class F>(F) {
            std::vector<typename F::Network> taken;
            for (const QString& text : excluded)
                taken.push_back(F::Network::parse(text.toStdString()).value());
            const auto whole = F::Network::parse(network.toStdString()).value();
            auto left = F::Exclude(whole, taken);
            const QStringList texts = Texts<F>(left);
            QCOMPARE(texts.size(), count);
            QCOMPARE(texts.value(0), first);
            QCOMPARE(texts.value(count - 1), last);
            left.insert(left.end(), taken.begin(), taken.end());
            QCOMPARE(Texts<F>(F::Merge(left)), QStringList{network});
        };
        if (network.contains(':'))
            check(Ipv6{});
        else
            check(Ipv4{});
    }
};

QTEST_GUILESS_MAIN(TestSets)
#include "tst_sets.moc"
