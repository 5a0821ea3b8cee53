#include "net/plan_file.h"

#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <filesystem>
#include <fstream>
#include <string>

using net::IpNetwork;
using net::NeedSize;
using net::Plan;
using net::PlanMode;

namespace {

IpNetwork Network(const char* text)
{
    return *IpNetwork::parse(text);
}

// A plan as a user might make one, names with everything a name may hold.
Plan RandomPlan(QRandomGenerator& random)
{
    static const std::string names[] = {"Sales",         "",           "Floor 1, east",
                                        "the \"lab\"",   "two\nlines", "Z\u00fcrich \u6771\u4eac",
                                        "\\back\\slash", "tab\there",  "\U0001F4E1 uplink"};
    Plan plan;
    const bool ipv6 = random.bounded(2) == 1;
    const int length = ipv6 ? int(random.bounded(32, 64)) : int(random.bounded(8, 30));
    const net::UInt128 address =
        ipv6 ? (net::UInt128(0x20010db8u) << 96) + (net::UInt128(random.generate64()) << 32)
             : net::UInt128(random.generate());
    plan.parent =
        IpNetwork::containing(ipv6 ? net::IpFamily::Ipv6 : net::IpFamily::Ipv4, address, length);
    plan.mode = PlanMode(random.bounded(3));
    plan.rfc3021 = random.bounded(2) == 1;
    plan.splitLength = int(random.bounded(length, plan.parent.bits() + 1));
    plan.splitCount = random.bounded(1, 20);
    const int needs = int(random.bounded(0, 8));
    for (int k = 0; k < needs; ++k) {
        const bool byLength = random.bounded(4) == 0;
        const NeedSize size =
            byLength ? NeedSize::prefixLength(int(random.bounded(length, plan.parent.bits() + 1)))
                     : NeedSize::count(random.bounded(0, 300));
        plan.needs.push_back({names[random.bounded(int(std::size(names)))], size});
    }
    return plan;
}

std::string GoodText()
{
    Plan plan;
    plan.parent = Network("192.168.1.0/24");
    plan.needs = {{"Sales", NeedSize::count(50)},
                  {"Lab", NeedSize::count(10)},
                  {"Link", NeedSize::prefixLength(30)}};
    return net::PlanFileText(plan, net::PlanAddresses(plan));
}

QString ErrorOf(const net::PlanFileResult& result)
{
    if (const auto* error = std::get_if<net::PlanFileError>(&result))
        return QString::fromStdString(error->message());
    return {};
}

} // namespace

// Plans kept in files: what is saved comes back, anything that is not a saved plan is
// refused with where and why, and a hand-edited answer is told from the plan's.
class TestPlanFile : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

private slots:
    void randomPlansComeBack()
    {
        const quint32 seed = QRandomGenerator::global()->generate();
        QRandomGenerator random(seed);
        for (int round = 0; round < 300; ++round) {
            const Plan plan = RandomPlan(random);
            const net::PlanAnswer answer = net::PlanAddresses(plan);
            const auto read = net::ReadPlanText(net::PlanFileText(plan, answer));
            const QByteArray context = QByteArray("seed ") + QByteArray::number(seed) + ", round " +
                                       QByteArray::number(round) + ": " + ErrorOf(read).toUtf8();
            QVERIFY2(std::holds_alternative<net::StoredPlan>(read), context);
            const auto& stored = std::get<net::StoredPlan>(read);
            QVERIFY2(stored == net::Stored(plan, answer), context);
            QVERIFY2(!net::StoredAnswerDiffers(stored, answer), context);
        }
    }

    void refusedWithWhereAndWhy_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("message");
        const QByteArray good = QByteArray::fromStdString(GoodText());
        const auto edited = [&good](const char* from, const char* to) {
            QByteArray text = good;
            return text.replace(from, to);
        };
        QTest::newRow("empty") << QByteArray() << "line 1, column 1: empty";
        QTest::newRow("not JSON") << QByteArray("{\n  \"format\": 1,\n  x") << "line 3, column 3";
        QTest::newRow("other JSON") << QByteArray(R"({"name": "x"})") << R"(no "format")";
        QTest::newRow("newer format") << edited("\"format\": 1", "\"format\": 2")
                                      << "format: is 2: written by a newer version";
        QTest::newRow("no network")
            << edited(R"("network": "192.168.1.0/24",)", "") << "network: missing";
        QTest::newRow("host bits") << edited("192.168.1.0/24", "192.168.1.9/24")
                                   << "network: '192.168.1.9/24' has host bits set";
        QTest::newRow("unknown mode") << edited("\"vlsm\"", "\"halves\"") << "mode: 'halves'";
        QTest::newRow("size a number")
            << edited(R"("size": "10")", R"("size": 10)") << "needs[1].size: must be text";
        QTest::newRow("need beyond the needs") << edited("\"need\": 2", "\"need\": 3")
                                               << "subnets[2].need: must be a whole number "
                                                  "from 0 to 2, not 3";
        QTest::newRow("not UTF-8") << edited("Sales", "S\xe4les") << "byte ";
        QTest::newRow("overlong slash") << edited("Sales", "S\xc0\xafles") << "not UTF-8";
        QTest::newRow("surrogate") << edited("Sales", "S\xed\xa0\x80les") << "not UTF-8";
        QTest::newRow("number beyond any")
            << edited("\"format\": 1", "\"format\": 1e999") << "number overflow";
        QTest::newRow("nested deep")
            << edited("\"unused\": [", "\"unused\": [[[[[[[[[[[[[[[[[[[[") << "levels deep";
    }

    void refusedWithWhereAndWhy()
    {
        QFETCH(QByteArray, text);
        QFETCH(QString, message);
        const QString said = ErrorOf(net::ReadPlanText(text.toStdString()));
        QVERIFY2(said.contains(message), qPrintable(said));
    }

    void everyDamagedCopyRefused_data()
    {
        QTest::addColumn<QByteArray>("text");
        const QByteArray good = QByteArray::fromStdString(GoodText());
        // The last byte is the newline after the document, which it can do without.
        for (int cut = 0; cut < good.size() - 1; cut += 10)
            QTest::addRow("cut at %d", cut) << good.left(cut);
        QRandomGenerator random(good.size());
        for (int k = 0; k < 20; ++k) {
            QByteArray bytes(int(random.bounded(1, 4096)), '\0');
            for (char& byte : bytes)
                byte = char(random.bounded(256));
            QTest::addRow("random bytes %d", k) << bytes;
        }
    }

    void everyDamagedCopyRefused()
    {
        QFETCH(QByteArray, text);
        QVERIFY(!ErrorOf(net::ReadPlanText(text.toStdString())).isEmpty());
    }

    void filesThatCannotBePlans_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<qint64>("size");
        QTest::addColumn<QString>("message");
        QTest::newRow("100 MB") << "big.ferolplan" << qint64(100) * 1024 * 1024
                                << "larger than a plan file can be (16 MB)";
        QTest::newRow("missing") << "" << qint64(-1) << "cannot be read";
        QTest::newRow("a folder") << "." << qint64(-1) << "cannot be read";
    }

    void filesThatCannotBePlans()
    {
        QFETCH(QString, name);
        QFETCH(qint64, size);
        QFETCH(QString, message);
        const QString path = name.isEmpty() ? m_dir.filePath("none") : m_dir.filePath(name);
        if (size >= 0) {
            std::ofstream(path.toStdString()).close();
            std::filesystem::resize_file(path.toStdString(), std::uintmax_t(size));
        }
        const QString said = ErrorOf(net::ReadPlanFile(path.toStdString()));
        QVERIFY2(said.contains(message), qPrintable(said));
    }

    void handEditedAnswerTold_data()
    {
        QTest::addColumn<QByteArray>("from");
        QTest::addColumn<QByteArray>("to");
        QTest::addColumn<QString>("difference");
        QTest::newRow("network moved")
            << QByteArray("\"192.168.1.64\"") << QByteArray("\"192.168.1.80\"")
            << "subnet 2: the file has 192.168.1.80/28 for Lab, the plan gives 192.168.1.64/28 "
               "for Lab";
        QTest::newRow("need swapped") << QByteArray("\"need\": 1") << QByteArray("\"need\": 2")
                                      << "subnet 2: the file has 192.168.1.64/28 for Link";
        QTest::newRow("unused dropped")
            << QByteArray("\"192.168.1.84/30\",") << QByteArray("") << "unused space differs";
        QTest::newRow("need grown")
            << QByteArray(R"("size": "10")") << QByteArray(R"("size": "20")") << "subnet 2:";
    }

    void handEditedAnswerTold()
    {
        QFETCH(QByteArray, from);
        QFETCH(QByteArray, to);
        QFETCH(QString, difference);
        QByteArray text = QByteArray::fromStdString(GoodText());
        QVERIFY(text.contains(from));
        const auto read = net::ReadPlanText(text.replace(from, to).toStdString());
        QVERIFY2(std::holds_alternative<net::StoredPlan>(read), qPrintable(ErrorOf(read)));
        const auto& stored = std::get<net::StoredPlan>(read);
        const auto said = net::StoredAnswerDiffers(stored, net::PlanAddresses(stored.plan));
        QVERIFY(said);
        QVERIFY2(QString::fromStdString(*said).contains(difference), said->c_str());
    }
};

QTEST_GUILESS_MAIN(TestPlanFile)
#include "tst_plan_file.moc"
