// The IPv6 tab's model and words without a window: what a text the user types leaves in
// the model (address, length, status), stepping at the ends of the address space, the
// IPv4 addresses carried inside and the subnet listing's exact counts.

#include "core/user_language.h"
#include "ipv6/ipv6_texts.h"
#include "ipv6/ipv6model.h"
#include "ipv6/ipv6subnetlist.h"

#include <QCoreApplication>
#include <QTest>
#include <QTranslator>

namespace {

Ipv6ResultTexts ResultsOf(const char* text)
{
    Ipv6Model model;
    model.setEntryText(QString::fromLatin1(text));
    return model.hasAddress() ? Ipv6Texts::results(model.value()) : Ipv6ResultTexts();
}

} // namespace

class TestIpv6Texts : public QObject
{
    Q_OBJECT

private slots:
    // The model's address, length and entry after a sequence of entries ("e:TEXT"),
    // lengths ("l:N") and steps ("next", "prev"), separated by '|'.
    void modelSteps_data()
    {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("network"); // "" while there is no address
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("status"); // the start of it
        const auto row = [](const char* name, const char* steps, const char* network,
                            const char* entry, const char* status) {
            QTest::newRow(name) << QString::fromUtf8(steps) << network << QString::fromUtf8(entry)
                                << QString::fromUtf8(status);
        };
        row("typed length", "e:2001:db8::1/48", "2001:db8::/48", "2001:db8::1/48", "");
        row("bare keeps the length", "e:2001:db8::1/48|e:2001:db8:5::", "2001:db8:5::/48",
            "2001:db8:5::", "");
        row("length rewrites /len", "e:2001:db8::1/48 |l:60", "2001:db8::/60", "2001:db8::1/60 ",
            "");
        row("length leaves bare text", "e:2001:db8::1|l:60", "2001:db8::/60", "2001:db8::1", "");
        row("refused keeps length", "e:2001:db8::/40|e:2001:db8::1::|l:44", "",
            "2001:db8::1::", "Not an IPv6 address: more than one '::'");
        row("previous before ::", "e:::/120|prev", "::/120", "::/120",
            "No network comes before ::/120");
        row("whole space has no next", "e:::/0|next", "::/0", "::/0", "No network follows ::/0");
        row("ipv4 points to the subnet tab", "e:192.0.2.1", "", "192.0.2.1",
            "This is an IPv4 address; the Subnet Calculator tab");
        row("character counted, not byte", "e:f\u00e980::1%eth0", "", "f\u00e980::1%eth0",
            "Not an IPv6 address: zone indexes such as %eth0 are not part of an address (at "
            "character 8).");
    }
    void modelSteps()
    {
        QFETCH(QString, steps);
        QFETCH(QString, network);
        QFETCH(QString, entry);
        QFETCH(QString, status);
        Ipv6Model model;
        for (const QString& step : steps.split('|')) {
            if (step.startsWith("e:"))
                model.setEntryText(step.mid(2));
            else if (step.startsWith("l:"))
                model.setPrefixLength(step.mid(2).toInt());
            else if (step == "next")
                model.stepNext();
            else if (step == "prev")
                model.stepPrevious();
        }
        QCOMPARE(model.hasAddress() ? QString::fromStdString(model.value().network().toString())
                                    : QString(),
                 network);
        QCOMPARE(model.entryText(), entry);
        QVERIFY2(status.isEmpty() ? model.status().isEmpty() : model.status().startsWith(status),
                 qPrintable(model.status()));
    }

    // Each transition form shows the IPv4 address inside it, and no other form claims it.
    void embeddedIpv4_data()
    {
        QTest::addColumn<QString>("address");
        QTest::addColumn<QString>("embedded");
        const auto row = [](const char* address, const char* embedded) {
            QTest::newRow(address) << address << embedded;
        };
        row("::ffff:192.0.2.1", "IPv4-mapped: 192.0.2.1");
        row("2002:c000:0204::1", "6to4: 192.0.2.4");
        row("2001:0:4136:e378:8000:63bf:3fff:fdd2",
            "Teredo: server 65.54.227.120, client 192.0.2.45, port 40000");
        row("64:ff9b::192.0.2.33", "NAT64: 192.0.2.33");
        row("64:ff9b:1::c000:221", "None");
        row("::fffe:c000:201", "None");
        row("2003:c000:204::1", "None");
        row("2001:1::1", "None");
    }
    void embeddedIpv4()
    {
        QFETCH(QString, address);
        QFETCH(QString, embedded);
        QCOMPARE(ResultsOf(address.toLatin1().constData()).embeddedIpv4, embedded);
    }

    // The block the address lies in, and whether the network stays inside it; the block's
    // name in the user's language, the rest of the registry's words as they are.
    void blocks_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("block");
        const auto row = [](const char* language, const char* entry, const char* block) {
            QTest::addRow("%s %s", language, entry) << language << entry << block;
        };
        row("en", "2001:db8::1/16",
            "Documentation, 2001:db8::/32, RFC 3849; the network reaches "
            "beyond this block");
        row("en", "2a00::1/1", "Global unicast; the network reaches into special-purpose blocks");
        row("de", "2001:db8::1/64", "Dokumentation, 2001:db8::/32, RFC 3849");
    }
    void blocks()
    {
        QFETCH(QString, language);
        QFETCH(QString, entry);
        QFETCH(QString, block);
        const auto catalogues = LoadTranslations(QLocale(language));
        for (const auto& catalogue : catalogues)
            QCoreApplication::installTranslator(catalogue.get());
        const QString shown = ResultsOf(entry.toLatin1().constData()).block;
        for (const auto& catalogue : catalogues)
            QCoreApplication::removeTranslator(catalogue.get());
        QCOMPARE(shown, block);
    }

    // Rows made from their index, the counts exact beyond 2^16 and 2^64.
    void subnetListing_data()
    {
        QTest::addColumn<QString>("network");
        QTest::addColumn<int>("length");
        QTest::addColumn<int>("rows");
        QTest::addColumn<QString>("lastRow");
        QTest::addColumn<QString>("summary");
        QTest::newRow("/32 into /64")
            << "2001:db8::/32" << 64 << 65536 << "2001:db8:0:ffff::/64"
            << "4294967296 subnets of /64 in 2001:db8::/32; the first 65536 are listed, "
               "4294901760 more are not";
        QTest::newRow("/0 into /128")
            << "::/0" << 128 << 65536 << "::ffff/128"
            << "340282366920938463463374607431768211456 subnets of /128 in ::/0; the first "
               "65536 are listed, 340282366920938463463374607431768145920 more are not";
    }
    void subnetListing()
    {
        QFETCH(QString, network);
        QFETCH(int, length);
        QFETCH(int, rows);
        QFETCH(QString, lastRow);
        QFETCH(QString, summary);
        Ipv6SubnetList list;
        list.setSplit(net::Ipv6Network::parse(network.toStdString()).value(), length);
        QCOMPARE(list.rowCount(), rows);
        QCOMPARE(list.data(list.index(rows - 1)).toString(), lastRow);
        QCOMPARE(list.summary(), summary);
        const QList<QByteArray> report = list.reportBytes().split('\n');
        QCOMPARE(report.size(), rows + 2); // the summary, the rows, nothing after the last break
        QCOMPARE(report[rows], lastRow.toLatin1() + '\r');
    }
};

QTEST_GUILESS_MAIN(TestIpv6Texts)
#include "tst_ipv6_texts.moc"
