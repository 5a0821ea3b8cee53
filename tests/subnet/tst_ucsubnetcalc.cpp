#include "panelfixture.h"
#include "support/privateclipboard.h"

#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>

namespace {

// A panel whose reports go to a fresh documents folder.
struct ReportPanel : Panel
{
    ReportPanel() { services.documentsFolderPath = documents.path(); }
    QString reportPath() const { return documents.path() + "/Ferol Subnet Calculator/subnets.txt"; }
    // The report's data rows, read back from the file; the header and the final CR LF go.
    QStringList reportRows() const
    {
        QFile file(reportPath());
        if (!file.open(QIODevice::ReadOnly))
            return {"<cannot read the report>"};
        const QStringList lines = QString::fromLatin1(file.readAll()).split("\r\n");
        return lines.mid(1, lines.size() - 2);
    }
    QTemporaryDir documents;
};

} // namespace

class TestSubnetPanel : public QObject
{
    Q_OBJECT

private slots:
    // Every named control, found by its name, with its first text ("" where it has none).
    void asShown_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("text");
        // "name=text" for each control, separated by "|".
        const QString controls =
            "ip_subnet_frame=|sub_Label1=&Host IP|sub_address_0=|sub_class=RESULT|Frame1=|"
            "scr_mask_bits=|Label1=Mask Bits|lbl_mask_bits= 16|lbl_subnet_mask=255.255.0.0|"
            "lbl_sub2=Enter Complete Host Address|Frame2=|Label9_0=Current Network:|"
            "lbl_bonus=0.0.0.0|Label9_1=Subnet Mask:|lbl_bonus2=255.255.0.0|"
            "Label4=Current Host Range|txt_hosts=0.0.0.1 to 0.0.255.254|sub_mask_frame=|"
            "sub_label2_0=Host|sub_label2_1=Mask|Line1_0=|Line1_1=|lbl_the_subnet=0.0.0.0|"
            "Picture2=|btnPrevSubnet=<Prev Subnet|lbl_the_broad=0.0.255.255|Picture1=|"
            "chk_31bit=&31-bit mask as per RFC 3021|Label2_0=Subnet Bits|Label2_1=Host Bits|"
            "Label2_2=Max Subnets|Label2_3=Max Hosts|lbl_info_0=8|lbl_info_1=256|"
            "lbl_info_2=65534|lbl_info_3=16|sub_host_bin_0=|sub_host_bin_1=|sub_host_bin_2=|"
            "sub_host_bin_3=|sub_mask_bin_0=11111111|sub_mask_bin_1=11111111|"
            "sub_mask_bin_2=00000000|sub_mask_bin_3=00000000|Label3_0=Subnet|Label3_1=Subnet|"
            "Label3_2=Broadcast|Label3_3=Broadcast|txt_act_subnet_0=00000000|"
            "txt_act_subnet_1=00000000|txt_act_subnet_2=00000000|txt_act_subnet_3=00000000|"
            "txt_broad_bin_0=00000000|txt_broad_bin_1=00000000|txt_broad_bin_2=11111111|"
            "txt_broad_bin_3=11111111";
        for (const QString& control : controls.split('|')) {
            const QString name = control.section('=', 0, 0);
            QTest::newRow(qPrintable(name)) << name << control.section('=', 1);
        }
    }
    void asShown()
    {
        QFETCH(QString, control);
        QFETCH(QString, text);
        Panel p;
        QCOMPARE(p.text(control), text);
    }

    // A first octet typed into a fresh panel: the class, the length, the binary octet and
    // where the focus went.
    void firstOctet_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("addressClass");
        QTest::addColumn<QString>("maskBits");
        QTest::addColumn<QString>("binary");
        QTest::addColumn<QString>("focus");
        const auto row = [](const char* name, const char* typed, const char* addressClass,
                            const char* maskBits, const char* binary, const char* focus) {
            QTest::newRow(name) << QString(typed) << QString(addressClass) << QString(maskBits)
                                << QString(binary) << QString(focus);
        };
        row("class A keeps 16", "10", "Class A Address", " 16", "00001010", "sub_address_0");
        row("loopback", "127", "Loopback Address", " 16", "01111111", "sub_address_1");
        row("class B", "150", "Class B Address", " 16", "10010110", "sub_address_1");
        row("class C", "192", "Class C Address", " 24", "11000000", "sub_address_1");
        row("224 and up", "230", "Invalid IP Address", " 24", "11100110", "sub_address_1");
        row("over 255", "300", "Invalid IP Address", " 24", "11111111", "sub_address_1");
    }
    void firstOctet()
    {
        QFETCH(QString, typed);
        QFETCH(QString, addressClass);
        QFETCH(QString, maskBits);
        QFETCH(QString, binary);
        QFETCH(QString, focus);
        Panel p;
        p.run("focus:sub_address_0 type:" + typed);
        QCOMPARE(p.text("sub_class"), addressClass);
        QCOMPARE(p.text("lbl_mask_bits"), maskBits);
        QCOMPARE(p.text("sub_host_bin_0"), binary);
        QCOMPARE(p.focus(), focus);
    }

    // An address typed over filled boxes, or pasted: the boxes, the length, the network
    // and the broadcast address.
    void addressEntry_data()
    {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("at");
        QTest::addColumn<QString>("network");
        QTest::addColumn<QString>("broadcast");
        const auto row = [](const char* name, const QString& steps, const char* at,
                            const char* network, const char* broadcast) {
            QTest::newRow(name) << steps << QString(at) << QString(network) << QString(broadcast);
        };
        const QString typed =
            "enter:255.255.255.255/16 focus:sub_address_3 focus:sub_address_0 type:";
        row("dots after advances", typed + "192.168.1.1", "192.168.1.1/24", "192.168.1.0",
            "192.168.1.255");
        row("advances alone", typed + "1921681.1", "192.168.1.1/24", "192.168.1.0",
            "192.168.1.255");
        row("dots alone", typed + "10.0.0.1", "10.0.0.1/8", "10.0.0.0", "10.255.255.255");
        row("both", typed + "172.16.254.3", "172.16.254.3/16", "172.16.0.0", "172.16.255.255");
        // The pasted length wins over the class default that the first octet brings.
        row("pasted with a length", "focus:sub_address_2 paste:shift+insert=10.20.30.40/27",
            "10.20.30.40/27", "10.20.30.32", "10.20.30.63");
        row("pasted with a mask",
            "focus:sub_address_0 paste:shift+insert=_192.168.1.130_255.255.255.192\n",
            "192.168.1.130/26", "192.168.1.128", "192.168.1.191");
        row("pasted, a mask of no length", "enter:1.1.1.1/20 paste:menu=10.1.1.1/255.0.255.0",
            "10.1.1.1/20", "10.1.0.0", "10.1.15.255");
        row("pasted, length 0", "enter:1.1.1.1/20 paste:menu=10.1.1.1/0", "10.1.1.1/20", "10.1.0.0",
            "10.1.15.255");
        row("pasted, no address", "enter:1.1.1.1/20 focus:sub_address_1 paste:menu=2\n5",
            "1.25.1.1/20", "1.25.0.0", "1.25.15.255");
    }
    void addressEntry()
    {
        QFETCH(QString, steps);
        QFETCH(QString, at);
        QFETCH(QString, network);
        QFETCH(QString, broadcast);
        if (steps.contains("paste:") && !ClipboardIsPrivate())
            QSKIP(kDesktopClipboard);
        Panel p;
        p.run(steps);
        QCOMPARE(p.at(), at);
        QCOMPARE(p.text("lbl_the_subnet"), network);
        QCOMPARE(p.text("lbl_the_broad"), broadcast);
    }

    // A paste that keeps the class keeps the length; a pasted value is held at the 16-bit
    // bound; an empty first box is class A.
    void classChangesAloneResetTheLength()
    {
        Panel p;
        p.run("enter:192.../27 enter:200...");
        QCOMPARE(p.text("lbl_mask_bits"), " 27");
        p.run("focus:sub_address_0 type:1");
        QCOMPARE(p.text("lbl_mask_bits"), " 8");
        p.run("enter:-99999...");
        QCOMPARE(p.text("sub_host_bin_0"), "10000000");
        p.run("enter:...");
        QCOMPARE(p.text("sub_host_bin_0"), "00000000");
        QCOMPARE(p.text("sub_class"), "Class A Address");
    }

    void dragRecalculatesOnceOnRelease()
    {
        Panel p;
        p.run("enter:192.168.1.200/24 drag:28");
        QCoreApplication::processEvents();
        QCOMPARE(p.text("lbl_mask_bits"), " 24");
        p.run("drop");
        QCOMPARE(p.text("lbl_mask_bits"), " 28");
    }

    // From /16, one key (or the wheel) on the focused length.
    void lengthKeys_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<int>("bits");
        const std::pair<const char*, int> keys[] = {{"Left", 15},  {"Up", 15},   {"PgUp", 15},
                                                    {"Right", 17}, {"Down", 17}, {"PgDown", 17},
                                                    {"End", 32},   {"Home", 1},  {"wheel", 17}};
        for (const auto& [key, bits] : keys)
            QTest::newRow(key) << QString(key) << bits;
    }
    void lengthKeys()
    {
        QFETCH(QString, key);
        QFETCH(int, bits);
        Panel p;
        p.run("enter:10.1.2.3/16 focus:scr_mask_bits " + (key == "wheel" ? key : "key:" + key));
        QCOMPARE(p.text("lbl_mask_bits"), ' ' + QString::number(bits));
    }

    void theOptionMattersAt31BitsOnly_data()
    {
        QTest::addColumn<int>("bits");
        QTest::addColumn<bool>("option");
        QTest::addColumn<QString>("hosts");
        QTest::addColumn<QString>("status");
        for (bool option : {false, true}) {
            const char* on = option ? ", option" : "";
            QTest::addRow("/30%s", on) << 30 << option << "2"
                                       << "Subnetting";
            QTest::addRow("/31%s", on)
                << 31 << option << (option ? "2" : "0")
                << (option ? "Subnetting as per RFC3021." : "Mask too long, no hosts.");
            QTest::addRow("/32%s", on) << 32 << option << "0"
                                       << "Mask too long, no hosts.";
        }
    }
    void theOptionMattersAt31BitsOnly()
    {
        QFETCH(int, bits);
        QFETCH(bool, option);
        QFETCH(QString, hosts);
        QFETCH(QString, status);
        Panel p;
        p.run(QString("enter:192.168.1.5/%1").arg(bits) + (option ? " mouse:chk_31bit" : ""));
        QCOMPARE(p.text("lbl_info_2"), hosts);
        QCOMPARE(p.text("lbl_sub2"), status);
    }

    void keyboardOrder()
    {
        Panel p;
        p.run("alt:h");
        QStringList stops = {p.focus()};
        for (int i = 0; i < 11; ++i) {
            p.run("tab");
            stops << p.focus();
        }
        QCOMPARE(stops, QString("sub_address_0 sub_address_1 sub_address_2 sub_address_3 "
                                "scr_mask_bits btnPrevSubnet btnNextSubnet btnNextTwentySubnets "
                                "chk_31bit sub_address_0 sub_address_1 sub_address_2")
                            .split(' '));
    }

    // A click from an entry: where the panel is then, the message and the focus. A message
    // leaves the panel where it was, the focus in the first empty box if any.
    void stepping_data()
    {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("at");
        QTest::addColumn<QString>("told");
        QTest::addColumn<QString>("focus");
        const auto row = [](const char* name, const char* entry, const char* button, const char* at,
                            const char* told, const char* focus) {
            QTest::newRow(name) << QString("enter:%1 mouse:btn%2").arg(entry, button) << QString(at)
                                << QString(told) << QString(focus);
        };
        const char* mustEnter = "Subnet Calculator: You must enter the IP Address";
        row("next", "192.168.1.77/24", "NextSubnet", "192.168.2.77/24", "", "btnNextSubnet");
        row("prev", "192.168.1.77/26", "PrevSubnet", "192.168.1.13/26", "", "btnPrevSubnet");
        row("prev borrows", "192.168.1.30/26", "PrevSubnet", "192.168.0.192/26", "",
            "btnPrevSubnet");
        row("prev to the first", "0.0.1.0/24", "PrevSubnet", "0.0.0.0/24", "", "btnPrevSubnet");
        row("prev from the first", "0.0.0.0/24", "PrevSubnet", "0.0.0.0/24",
            "Subnet Calculator: This is the first subnet.", "btnPrevSubnet");
        row("next from the last", "255.255.255.0/24", "NextSubnet", "255.255.255.0/24",
            "Subnet Calculator: This is the last subnet.", "btnNextSubnet");
        row("next, a box empty", "1..1.1/8", "NextSubnet", "1..1.1/8",
            "Subnet Calculator:  You must enter the IP Address", "sub_address_1");
        row("prev, a box empty", "1..1.1/8", "PrevSubnet", "1..1.1/8", mustEnter, "sub_address_1");
        row("prev, the last box empty", "1.1.1./8", "PrevSubnet", "1.1.1./8",
            "Subnet Calculator:  You must enter the IP Address", "sub_address_3");
        row("report, the last box empty", "1.1.1./8", "NextTwentySubnets", "1.1.1./8", mustEnter,
            "sub_address_3");
    }
    void stepping()
    {
        QFETCH(QString, steps);
        QFETCH(QString, at);
        QFETCH(QString, told);
        QFETCH(QString, focus);
        Panel p;
        p.run(steps);
        QCOMPARE(p.at(), at);
        QCOMPARE(p.told().join('\n'), told);
        QCOMPARE(p.focus(), focus);
    }

    void enterOnAFocusedButtonSteps()
    {
        Panel p;
        p.run("enter:192.168.1.77/24 focus:btnNextSubnet key:Return");
        QCOMPARE(p.at(), "192.168.2.77/24");
    }

    // Every label at its longest text keeps inside its own rect, and no two labels'
    // texts meet, so nothing runs into its neighbour. Labels draw from their top left.
    void longestResultsFit_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::newRow("15-character addresses") << "223.255.255.253/30";
        QTest::newRow("largest counts") << "10.0.0.1/30";
        QTest::newRow("incomplete address") << "223.255.255./31";
        QTest::newRow("all ones") << "223.255.255.255/30";
    }
    void longestResultsFit()
    {
        QFETCH(QString, entry);
        Panel p;
        p.enter(entry);
        const auto textRect = [](const QLabel* l) {
            return QRect(l->pos(), QSize(l->fontMetrics().horizontalAdvance(l->text()),
                                         l->fontMetrics().ascent()));
        };
        const QList<QLabel*> labels = p.panel.findChildren<QLabel*>();
        for (QLabel* label : labels) {
            QVERIFY2(textRect(label).width() <= label->width(), qPrintable(label->objectName()));
            for (QLabel* other : labels) {
                if (other != label && other->parentWidget() == label->parentWidget() &&
                    !other->text().isEmpty() && !label->text().isEmpty())
                    QVERIFY2(!textRect(other).intersects(textRect(label)),
                             qPrintable(label->objectName() + " meets " + other->objectName()));
            }
        }
        // A long host range shows its start, not its end.
        QCOMPARE(p.panel.findChild<QLineEdit*>("txt_hosts")->cursorPosition(), 0);
    }

    void resultsAreSelectedWithTheMouseAndCopied()
    {
        if (!ClipboardIsPrivate())
            QSKIP(kDesktopClipboard);
        Panel p;
        p.enter("192.168.1.130/26");
        for (const QString& name : QString("sub_class lbl_mask_bits lbl_subnet_mask lbl_sub2 "
                                           "lbl_info_0 lbl_info_1 lbl_info_2 lbl_info_3 lbl_bonus "
                                           "lbl_bonus2 lbl_the_subnet lbl_the_broad")
                                       .split(' ')) {
            auto* label = p.panel.findChild<QLabel*>(name);
            QApplication::clipboard()->clear();
            // A drag along the text's line (labels are top-aligned) across the whole label.
            const int middle = label->fontMetrics().height() / 2;
            QTest::mousePress(label, Qt::LeftButton, {}, QPoint(0, middle));
            QTest::mouseMove(label, QPoint(label->width() - 1, middle));
            QTest::mouseRelease(label, Qt::LeftButton, {}, QPoint(label->width() - 1, middle));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_C, Qt::ControlModifier);
            QVERIFY2(!label->text().isEmpty() && QApplication::clipboard()->text() == label->text(),
                     qPrintable(name));
        }
    }

    // The first three rows' subnets, the row count, and where the panel is afterwards (the
    // forward steps lose the host bits).
    void report_data()
    {
        QTest::addColumn<QString>("from");
        QTest::addColumn<QStringList>("first");
        QTest::addColumn<int>("rows");
        QTest::addColumn<QString>("after");
        const auto row = [](const char* from, const char* first, int rows, const char* after) {
            QTest::newRow(from) << QString(from) << QString(first).split(' ') << rows
                                << QString(after);
        };
        row("192.168.1.200/26", "192.168.1.192 192.168.2.0 192.168.2.64", 20, "192.168.1.192/26");
        row("126.0.0.0/8", "126.0.0.0 127.0.0.0 127.1.0.0", 20, "126.255.0.0/8");
        row("10.0.0.4/32", "10.0.0.4 10.0.0.4 10.0.0.4", 20, "10.0.0.4/32");
        row("255.255.240.0/24", "255.255.240.0 255.255.241.0 255.255.242.0", 16,
            "255.255.240.0/24");
    }
    void report()
    {
        QFETCH(QString, from);
        QFETCH(QStringList, first);
        QFETCH(int, rows);
        QFETCH(QString, after);
        ReportPanel p;
        p.run("enter:" + from + " mouse:btnNextTwentySubnets");
        QCOMPARE(p.services.textViewerPaths, QStringList{QDir::toNativeSeparators(p.reportPath())});
        QCOMPARE(p.told(), QStringList());
        const QStringList lines = p.reportRows();
        QStringList subnets;
        for (const QString& line : lines.mid(0, 3))
            subnets << line.left(16).trimmed();
        QCOMPARE(subnets, first);
        QCOMPARE(lines.size(), rows);
        QCOMPARE(p.at(), after);
    }

    void reportReplacesAnEarlierOne()
    {
        ReportPanel p;
        QVERIFY(QDir(p.documents.path()).mkpath("Ferol Subnet Calculator"));
        QFile old(p.reportPath());
        QVERIFY(old.open(QIODevice::WriteOnly) && old.write(QByteArray(10000, 'x')) == 10000);
        old.close();
        p.run("enter:192.168.1.0/24 mouse:btnNextTwentySubnets");
        QCOMPARE(QFileInfo(p.reportPath()).size(), 21 * 76);
        QCOMPARE(p.reportRows().last(),
                 "192.168.20.0    ,   192.168.20.1 to 192.168.20.254    ,   192.168.20.255  ");
    }

    // A file or a folder in the documents folder that is in the way, or a text viewer's
    // error: one message that names the path or tells the error; where the folder failed, the
    // panel never moved.
    void failuresAreToldAndTheProgramGoesOn_data()
    {
        QTest::addColumn<QString>("obstacle");
        QTest::addColumn<QString>("after");
        const auto row = [](const char* obstacle, const char* after) {
            QTest::newRow(obstacle) << QString(obstacle) << QString(after);
        };
        row("file:Ferol Subnet Calculator", "192.168.1.200/26");
        row("folder:Ferol Subnet Calculator/subnets.txt", "192.168.1.192/26");
        row("viewer:Ferol Subnet Calculator/subnets.txt", "192.168.1.192/26");
    }
    void failuresAreToldAndTheProgramGoesOn()
    {
        QFETCH(QString, obstacle);
        QFETCH(QString, after);
        ReportPanel p;
        const QString name = obstacle.section(':', 1);
        const QString inTheWay = QDir::toNativeSeparators(p.documents.filePath(name));
        if (obstacle.startsWith("folder:"))
            QVERIFY(QDir().mkpath(inTheWay));
        else if (obstacle.startsWith("file:"))
            QVERIFY(QFile(inTheWay).open(QIODevice::WriteOnly));
        else
            p.services.openersFail = true;
        p.run("enter:192.168.1.200/26 mouse:btnNextTwentySubnets");
        QCOMPARE(p.at(), after);
        QCOMPARE(p.services.messages.size(), 1);
        const QString told = p.services.messages[0].text;
        QVERIFY2(told.contains(inTheWay), qPrintable(told));
    }
};

QTEST_MAIN(TestSubnetPanel)
#include "tst_ucsubnetcalc.moc"
