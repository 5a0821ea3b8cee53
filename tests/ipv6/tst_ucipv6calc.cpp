// The IPv6 tab as a user drives it: keys sent one at a time to whichever control has the
// focus, the address pasted by every path, the length set by keys and digits, stepping
// at the end of the address space, the texts CPython's own tests refuse, random networks
// checked against Python's ipaddress, and the subnet report saved. Room for its texts is
// checked with every other tab's, in the pseudo-language.

#include "ipv6/ipv6subnetlist.h"
#include "ipv6/ucipv6calc.h"
#include "net/ipv6_network.h"
#include "support/paneldriver.h"
#include "testing/recordingshellservices.h"

#include <QDirIterator>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>

namespace {

// The panel with its own step: "lines:PATH" pastes an address wrapped in a tab and a line
// break by that path.
struct Panel
{
    Panel() { services.documentsFolderPath = documents.path(); }

    QString shown(const QString& key) const
    {
        if (key == "told") {
            QStringList told;
            for (const RecordedMessage& m : std::as_const(services.messages))
                told << m.title + ": " + m.text;
            return told.join(" / ");
        }
        if (key == "opened")
            return QString::number(services.textViewerPaths.size());
        if (key == "saved") {
            QDirIterator found(documents.path(), {kIpv6SubnetReportFileName}, QDir::Files,
                               QDirIterator::Subdirectories);
            QFile report(found.hasNext() ? found.next() : QString());
            if (!report.open(QIODevice::ReadOnly))
                return "nothing";
            const QStringList lines = QString::fromUtf8(report.readAll()).split("\r\n");
            return lines.size() < 3 ? "too short" : lines[1] + ',' + lines[lines.size() - 2];
        }
        return d.shown(key);
    }
    void run(const QString& steps) const
    {
        d.run(steps, [&](const QString& step, const QString& arg) {
            if (!step.startsWith("lines:"))
                return false;
            if (!Paste(QApplication::focusWidget(), arg, "\t2001:db8::1/40\r\n"))
                QTest::qFail("cannot paste", __FILE__, __LINE__);
            return true;
        });
    }
    static inline const QString kShown =
        "txtIpv6Address=2001:db8::1/64|lblIpv6Network=2001:db8::/64|lblIpv6Length=/64|"
        "lblIpv6Status=|told=";

    QTemporaryDir documents;
    RecordingShellServices services;
    ucIpv6Calc panel{services};
    PanelDriver d{panel};
};

// Clears the address box and pastes text into it with Ctrl+V.
void PasteAddress(const PanelDriver& d, const QString& text)
{
    auto* box = static_cast<QLineEdit*>(d.get("txtIpv6Address"));
    box->setFocus();
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(box, Qt::Key_Delete);
    QApplication::clipboard()->setText(text);
    QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
}

QString RandomAddressText(QRandomGenerator& random)
{
    // Runs of zero groups, so "::" lands anywhere, and now and then an upper-case or
    // fully written form.
    QStringList groups;
    for (int k = 0; k < 8; ++k)
        groups << (random.bounded(3) == 0 ? "0" : QString::number(random.bounded(65536), 16));
    QString text = groups.join(':');
    switch (random.bounded(3)) {
    case 0:
        return text.toUpper();
    case 1:
        return QString::fromStdString(net::Ipv6Address::parse(text.toStdString())->toString());
    default:
        return text;
    }
}

const char* const kResultLabels[] = {"lblIpv6Compressed",  "lblIpv6Expanded",   "lblIpv6Network",
                                     "lblIpv6First",       "lblIpv6Last",       "lblIpv6Count",
                                     "lblIpv6ReverseName", "lblIpv6ReverseZone"};

} // namespace

class TestUcIpv6Calc : public QObject
{
    Q_OBJECT

private slots:
    void steps_data()
    {
        const auto row = StepTable();
        const QString clear = "focus:txtIpv6Address key:Ctrl+A key:Delete ";
        row("as shown", "", "");
        // The results of this example are compared with Python's in againstPythonIpaddress.
        row("typed key by key",
            "focus:txtIpv6Address key:Ctrl+A type:2001:db8:85a3::8a2e:370:7334/48",
            "txtIpv6Address=2001:db8:85a3::8a2e:370:7334/48|lblIpv6Network=2001:db8:85a3::/48|"
            "lblIpv6Networks64=65536 (2^16)|lblIpv6Length=/48|focus=txtIpv6Address");
        for (const char* path : {"menu", "shift+insert", "ctrl+v", "drop"}) {
            row(qPrintable(QString("paste by ") + path),
                clear + "paste:" + path + "=_2001:DB8::2/56_",
                "txtIpv6Address= 2001:DB8::2/56 |lblIpv6Network=2001:db8::/56|"
                "lblIpv6Length=/56|lblIpv6Compressed=2001:db8::2");
            row(qPrintable(QString("lines by ") + path), clear + "lines:" + path,
                "txtIpv6Address=2001:db8::1/40|lblIpv6Network=2001:db8::/40|lblIpv6Length=/40");
        }
        row("length to the top", "focus:scrIpv6Length key:End",
            "txtIpv6Address=2001:db8::1/128|lblIpv6Network=2001:db8::1/128|lblIpv6Length=/128|"
            "lblIpv6Networks64=None: the prefix is longer than /64|focus=scrIpv6Length");
        row("length to zero", "focus:scrIpv6Length key:Home",
            "txtIpv6Address=2001:db8::1/0|lblIpv6Network=::/0|lblIpv6Length=/0|"
            "lblIpv6Count=340282366920938463463374607431768211456 (2^128)|focus=scrIpv6Length");
        row("digit past 128 ignored", "focus:scrIpv6Length type:129",
            "txtIpv6Address=2001:db8::1/12|lblIpv6Network=2000::/12|lblIpv6Length=/12|"
            "focus=scrIpv6Length");
        row("length by arrows and pages", "focus:scrIpv6Length key:Right key:PgDown key:Left",
            "txtIpv6Address=2001:db8::1/68|lblIpv6Network=2001:db8::/68|lblIpv6Length=/68|"
            "focus=scrIpv6Length");
        row("next by its access key", "alt:N",
            "txtIpv6Address=2001:db8:0:1::/64|lblIpv6Network=2001:db8:0:1::/64|"
            "lblIpv6Compressed=2001:db8:0:1::");
        row("previous by its access key", "alt:P",
            "txtIpv6Address=2001:db7:ffff:ffff::/64|lblIpv6Network=2001:db7:ffff:ffff::/64");
        row("next past the end",
            clear + "paste:ctrl+v=ffff:ffff:ffff:ffff:ffff:ffff:ffff:ff00/120 alt:N",
            "txtIpv6Address=ffff:ffff:ffff:ffff:ffff:ffff:ffff:ff00/120|"
            "lblIpv6Network=ffff:ffff:ffff:ffff:ffff:ffff:ffff:ff00/120|lblIpv6Length=/120|"
            "lblIpv6Status=No network follows ffff:ffff:ffff:ffff:ffff:ffff:ffff:ff00/120: it "
            "ends the address space.");
        row("split and its count", "focus:spnIpv6SplitLength key:Ctrl+A type:80",
            "lblIpv6SubnetSummary=65536 subnets of /80 in 2001:db8::/64|"
            "focus=spnIpv6SplitLength");
        row("saved", "focus:spnIpv6SplitLength key:Ctrl+A type:66 alt:V",
            "saved=2001:db8::/66,2001:db8:0:0:c000::/66|opened=1");
    }
    void steps() { RunStepRow<Panel>(); }

    // The bad addresses of CPython's test vectors (none with a prefix length), "|" between
    // them: each one refused in words, no result shown, nothing crashes.
    void cpythonBadAddresses_data()
    {
        QTest::addColumn<QString>("text");
        const QString texts = QString::fromUtf8(
            "|:|:::|::::|:1:2:3:4:5:6:7|:1:2:3:4:5:6:7:8|1:2:3:4:5:6:7:|1:2:3:4:5:6:7:8:|"
            "1:2:3:4:5:6:7:8:9|9:8:7:6:5:4:3::2:1|10:9:8:7:6:5:4:3:2:1|::8:7:6:5:4:3:2:1|"
            "8:7:6:5:4:3:2:1::|3ffe:0:0:0:0:0:0:0:1|1:2:3:4:5:6:7|FEDC:9878|1:2:3:4::5:6:7:8|"
            "1::2::3|1:::3:4:5|1:2:3::4:5:6:7:8|02001:db8::|2001:888888::1|::00001|"
            "ab:cd:ef:gh::|1.2.3.4::|1.2.3.4:1::|::1.2.3.4:5|::1.2.3.4.5|::1.2.3|::1.2.3.300|"
            "::1.2.3.04|::1.2.3.4x|1:2:3:4:5:6:7:1.2.3.4|::ffff:192.0.2.1.|"
            "1:2:3:4:5:6:1.2.3.4:1|1.2.3.4|google.com|1:2:3:4:5:6:7:8%scope|%scope|fe80::1%|"
            "1:2:3:4:5:6:7:8 |\xc2\xb3:2:3:4:5:6:7:8");
        for (const QString& text : texts.split('|'))
            QTest::newRow(text.isEmpty() ? "empty" : qPrintable(text)) << text;
    }
    void cpythonBadAddresses()
    {
        QFETCH(QString, text);
        if (!ClipboardIsPrivate())
            QSKIP(kDesktopClipboard);
        Panel p;
        // A trailing blank is trimmed as a paste's is; typed inside it must be refused.
        PasteAddress(p.d, text.endsWith(' ') ? text.trimmed().insert(4, ' ') : text);
        QVERIFY(!p.d.shown("lblIpv6Status").isEmpty());
        QCOMPARE(p.d.shown("lblIpv6Network"), QString());
        QCOMPARE(p.d.shown("lblIpv6Compressed"), QString());
        QVERIFY(!p.d.get("btnIpv6Next")->isEnabled());
    }

    // The example typed key by key and 300 pasted random networks, as Python's ipaddress
    // reads them.
    void againstPythonIpaddress()
    {
        if (!ClipboardIsPrivate())
            QSKIP(kDesktopClipboard);
        QTemporaryDir scratch;
        QFile table(scratch.filePath("shown.tsv"));
        QVERIFY(table.open(QIODevice::WriteOnly));
        QRandomGenerator random(6);
        Panel p;
        const auto record = [&](const QString& entry) {
            QStringList line = {entry};
            for (const char* label : kResultLabels)
                line << p.d.shown(label);
            table.write((line.join('\t') + '\n').toUtf8());
        };
        p.d.run("focus:txtIpv6Address key:Ctrl+A type:2001:db8:85a3::8a2e:370:7334/48");
        record(p.d.shown("txtIpv6Address"));
        for (int k = 0; k < 300; ++k) {
            const QString entry =
                RandomAddressText(random) + '/' + QString::number(random.bounded(129));
            PasteAddress(p.d, entry);
            record(entry);
        }
        table.close();
        QProcess python;
        python.start("python3", {FEROL_IPADDRESS_CHECK, table.fileName()});
        if (!python.waitForStarted())
            QSKIP("no python3 to compare with");
        QVERIFY(python.waitForFinished(60000));
        QCOMPARE(QString::fromUtf8(python.readAll() + python.readAllStandardError()), QString());
        QCOMPARE(python.exitCode(), 0);
    }
};

QTEST_MAIN(TestUcIpv6Calc)
#include "tst_ucipv6calc.moc"
