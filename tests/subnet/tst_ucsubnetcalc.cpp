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
    // What a user does with the address boxes, the length and the option, and what shows.
    void steps_data()
    {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("state");
        const auto row = [](const char* name, const QString& steps, const QString& state) {
            QTest::newRow(name) << steps << state;
        };
        // Every named control, found by its name, with its first text ("" where it has none).
        QString names =
            "ip_subnet_frame sub_Label1 sub_address_0 sub_class Frame1 scr_mask_bits Label1 "
            "lbl_mask_bits lbl_subnet_mask lbl_sub2 Frame2 Label9_0 lbl_bonus Label9_1 "
            "lbl_bonus2 Label4 txt_hosts sub_mask_frame sub_label2_0 sub_label2_1 Line1_0 "
            "Line1_1 lbl_the_subnet Picture2 btnPrevSubnet lbl_the_broad Picture1 chk_31bit";
        for (const char* array : {"Label2", "lbl_info", "sub_host_bin", "sub_mask_bin", "Label3",
                                  "txt_act_subnet", "txt_broad_bin"}) {
            for (int i = 0; i < 4; ++i)
                names += QString(" %1_%2").arg(array).arg(i);
        }
        row("as shown", "show:" + names.replace(' ', ','),
            "|&Host IP||RESULT|||Mask Bits| 16|255.255.0.0|Enter Complete Host Address||"
            "Current Network:|0.0.0.0|Subnet Mask:|255.255.0.0|Current Host Range|"
            "0.0.0.1 to 0.0.255.254||Host|Mask|||0.0.0.0||<Prev Subnet|0.0.255.255||"
            "&31-bit mask as per RFC 3021|Subnet Bits|Host Bits|Max Subnets|Max Hosts|"
            "8|256|65534|16|||||11111111|11111111|00000000|00000000|Subnet|Subnet|Broadcast|"
            "Broadcast|00000000|00000000|00000000|00000000|00000000|00000000|11111111|11111111");
        const QString first =
            "focus:sub_address_0 type:%1 show:sub_class,lbl_mask_bits,sub_host_bin_0 focus";
        row("class A keeps 16", first.arg(10), "Class A Address| 16|00001010,sub_address_0");
        row("loopback", first.arg(127), "Loopback Address| 16|01111111,sub_address_1");
        row("class B", first.arg(150), "Class B Address| 16|10010110,sub_address_1");
        row("class C", first.arg(192), "Class C Address| 24|11000000,sub_address_1");
        row("224 and up", first.arg(230), "Invalid IP Address| 24|11100110,sub_address_1");
        row("over 255", first.arg(300), "Invalid IP Address| 24|11111111,sub_address_1");
        // A paste that keeps the class keeps the length; a pasted value is held at the
        // 16-bit bound; an empty first box is class A.
        row("class changes alone reset the length",
            "enter:192.../27 enter:200... show:lbl_mask_bits focus:sub_address_0 type:1 "
            "show:lbl_mask_bits enter:-99999... show:sub_host_bin_0 enter:... "
            "show:sub_host_bin_0,sub_class",
            " 27, 8,10000000,00000000|Class A Address");
        row("a drag recalculates once, on release",
            "enter:192.168.1.200/24 drag:28 show:lbl_mask_bits drop show:lbl_mask_bits", " 24, 28");
        QString keys = "enter:10.1.2.3/16 focus:scr_mask_bits";
        for (const char* key : {"Left", "Up", "PgUp", "Right", "Down", "PgDown", "End", "Home"})
            keys += QString(" key:%1 show:lbl_mask_bits").arg(key);
        row("keys and the wheel on the length", keys + " wheel show:lbl_mask_bits",
            " 15, 14, 13, 14, 15, 16, 32, 1, 2");
        QString option;
        for (int bits : {30, 31, 32})
            option += QString(" enter:192.168.1.5/%1").arg(bits) +
                      QString(" show:lbl_info_2,lbl_sub2 mouse:chk_31bit").repeated(2);
        row("the option matters at 31 bits only", option,
            "2|Subnetting,2|Subnetting,0|Mask too long, no hosts.,2|Subnetting as per RFC3021.,"
            "0|Mask too long, no hosts.,0|Mask too long, no hosts.");
        row("keyboard order", "alt:h" + QString(" focus tab").repeated(12),
            "sub_address_0,sub_address_1,sub_address_2,sub_address_3,scr_mask_bits,btnPrevSubnet,"
            "btnNextSubnet,btnNextTwentySubnets,chk_31bit,sub_address_0,sub_address_1,"
            "sub_address_2");
        // A click from an entry: where the panel is then, the messages and the focus. A
        // message leaves the panel where it was, the focus in the first empty box if any.
        const auto click = [](const char* entry, const char* button) {
            return QString("enter:%1 mouse:btn%2 at told focus").arg(entry, button);
        };
        const QString told = ",Subnet Calculator:";
        const QString mustEnter = "You must enter the IP Address,sub_address_";
        row("next", click("192.168.1.77/24", "NextSubnet"), "192.168.2.77/24,btnNextSubnet");
        row("Enter on a focused button", "enter:192.168.1.77/24 focus:btnNextSubnet key:Return at",
            "192.168.2.77/24");
        row("prev", click("192.168.1.77/26", "PrevSubnet"), "192.168.1.13/26,btnPrevSubnet");
        row("prev borrows", click("192.168.1.30/26", "PrevSubnet"),
            "192.168.0.192/26,btnPrevSubnet");
        row("prev to the first", click("0.0.1.0/24", "PrevSubnet"), "0.0.0.0/24,btnPrevSubnet");
        row("prev from the first", click("0.0.0.0/24", "PrevSubnet"),
            "0.0.0.0/24" + told + "This is the first subnet.,btnPrevSubnet");
        row("next from the last", click("255.255.255.0/24", "NextSubnet"),
            "255.255.255.0/24" + told + "This is the last subnet.,btnNextSubnet");
        row("next, a box empty", click("1..1.1/8", "NextSubnet"),
            "1..1.1/8" + told + ' ' + mustEnter + '1');
        row("prev, a box empty", click("1..1.1/8", "PrevSubnet"),
            "1..1.1/8" + told + mustEnter + '1');
        row("prev, the last box empty", click("1.1.1./8", "PrevSubnet"),
            "1.1.1./8" + told + ' ' + mustEnter + '3');
        row("report, the last box empty", click("1.1.1./8", "NextTwentySubnets"),
            "1.1.1./8" + told + mustEnter + '3');
    }
    void steps()
    {
        QFETCH(QString, steps);
        QFETCH(QString, state);
        Panel p;
        QCOMPARE(p.run(steps), state);
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

    void report_data()
    {
        QTest::addColumn<QString>("from");
        // The first three rows' subnets, the row count, where the panel is afterwards (the
        // forward steps lose the host bits).
        QTest::addColumn<QString>("shown");
        const auto row = [](const char* from, const char* shown) {
            QTest::newRow(from) << QString(from) << QString(shown);
        };
        row("192.168.1.200/26", "192.168.1.192 192.168.2.0 192.168.2.64 20 192.168.1.192/26");
        row("126.0.0.0/8", "126.0.0.0 127.0.0.0 127.1.0.0 20 126.255.0.0/8");
        row("10.0.0.4/32", "10.0.0.4 10.0.0.4 10.0.0.4 20 10.0.0.4/32");
        row("255.255.240.0/24", "255.255.240.0 255.255.241.0 255.255.242.0 16 255.255.240.0/24");
    }
    void report()
    {
        QFETCH(QString, from);
        QFETCH(QString, shown);
        ReportPanel p;
        const QString after = p.run("enter:" + from + " mouse:btnNextTwentySubnets at told");
        QCOMPARE(p.services.textViewerPaths, QStringList{QDir::toNativeSeparators(p.reportPath())});
        const QStringList rows = p.reportRows();
        QStringList first;
        for (const QString& row : rows.mid(0, 3))
            first << row.left(16).trimmed();
        QCOMPARE(first.join(' ') + ' ' + QString::number(rows.size()) + ' ' + after, shown);
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
        row("viewer:no viewer", "192.168.1.192/26");
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
            p.services.textViewerError = name;
        QCOMPARE(p.run("enter:192.168.1.200/26 mouse:btnNextTwentySubnets at"), after);
        QCOMPARE(p.services.messages.size(), 1);
        const QString told = p.services.messages[0].text;
        QVERIFY2(told.contains(obstacle.startsWith("viewer:") ? name : inTheWay), qPrintable(told));
    }

    void squeezeDropsBlanksOnly() { QCOMPARE(ucSubnetCalc::squeeze(" 1 9\t2 "), "19\t2"); }
};

QTEST_MAIN(TestSubnetPanel)
#include "tst_ucsubnetcalc.moc"
