#include "subnet/ucsubnetcalc.h"

#include "support/paneldriver.h"
#include "testing/recordingshellservices.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QInputMethodEvent>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QWheelEvent>

namespace {

// A shown subnet panel whose reports go to a fresh documents folder. Its own keys: "at" the
// boxes and the length, "a.b.c.d/m"; "told" the messages, "title: text" each, the documents
// folder written "~"; "opened" the reports opened; "report" the first three rows of the
// report, "last" its last row, each row its three cells without their padding joined by
// ",", "size" its size in bytes. Its own steps: "enter:a.b.c.d/m" writes
// the octets as a paste does, then the length; "drag:N" holds the length's thumb at N, "drop" lets
// it go; "wheel" turns the wheel on the length towards the user; "file:PATH" and "folder:PATH" put
// a 10000-byte file or a folder in the documents folder ("_" for a blank); "copy:NAME" drags the
// mouse across a result as a user selects it, then presses Ctrl+C ("clipboard" is then what it
// copied); "pause" waits longer than keys typed together do; "commit:TEXT" is an input method's
// commit to the focused control.
struct Panel
{
    Panel() { services.documentsFolderPath = documents.path(); }
    QScrollBar* bar() const { return panel.findChild<QScrollBar*>("scr_mask_bits"); }

    QString shown(const QString& key) const
    {
        QStringList texts;
        QFile report(documents.filePath("Ferol Subnet Calculator/subnets.txt"));
        if ((key == "report" || key == "last") && report.open(QIODevice::ReadOnly)) {
            QList<QByteArray> lines = report.readAll().split('\n');
            lines.removeAll(QByteArray());
            const QList<QByteArray> rows =
                key == "last" ? lines.mid(lines.size() - 1) : lines.mid(1, 3);
            for (const QByteArray& line : rows) {
                QStringList cells = QString::fromLatin1(line).split(",   ");
                for (QString& cell : cells)
                    cell = cell.trimmed();
                texts << cells.join(',');
            }
        }
        for (const RecordedMessage& m : std::as_const(services.messages))
            texts << m.title + ": " +
                         QString(m.text).replace(QDir::toNativeSeparators(documents.path()), "~");
        return key == "at"          ? d.shown("sub_address") + '/' + QString::number(bar()->value())
               : key == "report"    ? texts.mid(0, 3).join(' ')
               : key == "last"      ? texts.value(0)
               : key == "told"      ? texts.join('\n')
               : key == "opened"    ? QString::number(services.textViewerPaths.size())
               : key == "size"      ? QString::number(report.size())
               : key == "clipboard" ? QApplication::clipboard()->text()
                                    : d.shown(key);
    }

    void enter(const QString& hostAndMask) const
    {
        const QStringList octets = hostAndMask.section('/', 0, 0).split('.');
        for (int k = 0; k < 4; ++k)
            d.get("sub_address_" + QString::number(k))->setProperty("text", octets.value(k));
        if (hostAndMask.contains('/'))
            bar()->setValue(hostAndMask.section('/', 1).toInt());
    }

    void run(const QString& steps) const
    {
        d.run(steps, [&](const QString& step, const QString& arg) {
            const QString inTheWay = documents.filePath(QString(arg).replace('_', ' '));
            QFile file(inTheWay);
            if (step.startsWith("enter:")) {
                enter(arg);
            } else if (step.startsWith("drag:")) {
                bar()->setSliderDown(true);
                bar()->setSliderPosition(arg.toInt());
            } else if (step == "drop") {
                bar()->setSliderDown(false);
            } else if (step == "wheel") {
                QWheelEvent wheel({5, 5}, bar()->mapToGlobal(QPointF(5, 5)), {}, {0, -120},
                                  Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
                QApplication::sendEvent(bar(), &wheel);
            } else if (step.startsWith("file:")) {
                QDir().mkpath(QFileInfo(inTheWay).path());
                return file.open(QIODevice::WriteOnly) && file.write(QByteArray(10000, 'x')) > 0;
            } else if (step.startsWith("folder:")) {
                return QDir().mkpath(inTheWay);
            } else if (step.startsWith("copy:")) {
                QWidget* result = d.get(arg);
                const int middle = result->height() / 2;
                QTest::mousePress(result, Qt::LeftButton, {}, {1, middle});
                QTest::mouseMove(result, {result->width() - 1, middle});
                QTest::mouseRelease(result, Qt::LeftButton, {}, {result->width() - 1, middle});
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_C, Qt::ControlModifier);
            } else if (step.startsWith("commit:")) {
                QInputMethodEvent commit;
                commit.setCommitString(arg);
                QApplication::sendEvent(QApplication::focusWidget(), &commit);
            } else if (step == "pause") {
                QTest::qWait(1100);
            } else {
                return false;
            }
            return true;
        });
    }
    static inline const QString kShown = "told=";

    QTemporaryDir documents;
    RecordingShellServices services;
    ucSubnetCalc panel{services};
    PanelDriver d{panel};
};

} // namespace

class TestSubnetPanel : public QObject
{
    Q_OBJECT

private slots:
    // Blanks only: a tab is no blank to it.
    void squeezeClosesUpBlanks() { QCOMPARE(ucSubnetCalc::squeeze(" 1 9\t2 "), "19\t2"); }

    void steps_data()
    {
        const auto row = StepTable();
        row("as shown", "",
            "sub_class=RESULT|lbl_mask_bits= 16|lbl_subnet_mask=255.255.0.0|lbl_bonus=0.0.0.0|"
            "lbl_sub2=Enter Complete Host Address|lbl_bonus2=255.255.0.0|lbl_the_subnet=0.0.0.0|"
            "txt_hosts=0.0.0.1 to 0.0.255.254|lbl_the_broad=0.0.255.255|lbl_info=8.256.65534.16|"
            "sub_host_bin=...|sub_mask_bin=11111111.11111111.00000000.00000000|"
            "txt_act_subnet=00000000.00000000.00000000.00000000|"
            "txt_broad_bin=00000000.00000000.11111111.11111111");
        // A first octet typed into a fresh panel: the class, its length, where the focus went.
        const QString first = "focus:sub_address_0 type:";
        row("class A keeps 16", first + "10",
            "sub_class=Class A Address|lbl_mask_bits= 16|sub_host_bin_0=00001010|"
            "focus=sub_address_0");
        row("loopback", first + "127",
            "sub_class=Loopback Address|lbl_mask_bits= 16|focus=sub_address_1");
        row("over 255 held", first + "300",
            "sub_address=255...|sub_host_bin_0=11111111|focus=sub_address_1");
        // Only a change of class resets the length; a value is held at the 16-bit bound.
        row("class kept", "enter:192.../27 enter:200...", "lbl_mask_bits= 27");
        row("class changed", "enter:192.../27 focus:sub_address_0 type:1", "lbl_mask_bits= 8");
        // An address typed over filled boxes, or pasted: a length given wins over the class's.
        row("typed over",
            "enter:255.255.255.255/16 focus:sub_address_3 focus:sub_address_0 type:192.168.1.1",
            "at=192.168.1.1/24|lbl_the_subnet=192.168.1.0|lbl_the_broad=192.168.1.255");
        row("pasted with a length", "focus:sub_address_2 paste:shift+insert=10.20.30.40/27",
            "at=10.20.30.40/27|lbl_the_subnet=10.20.30.32|lbl_the_broad=10.20.30.63");
        row("pasted, a mask of no length", "enter:1.1.1.1/20 paste:menu=10.1.1.1/255.0.255.0",
            "at=10.1.1.1/20|lbl_the_subnet=10.1.0.0");
        row("pasted, no address", "enter:1.1.1.1/20 focus:sub_address_1 paste:menu=2\n5",
            "at=1.2.1.1/20|lbl_the_subnet=1.2.0.0");
        // "/" in the last box moves on to the length; digits typed there set it.
        row("typed with a length", "focus:sub_address_0 type:10.1.2.3/20",
            "at=10.1.2.3/20|focus=scr_mask_bits|lbl_the_subnet=10.1.0.0");
        row("committed with a length", "focus:sub_address_0 commit:10.1.2.3/20",
            "at=10.1.2.3/20|focus=scr_mask_bits");
        row("'/' in another box", "focus:sub_address_0 type:1/",
            "sub_address_0=1/|focus=sub_address_0|lbl_mask_bits= 16");
        row("length typed past 32", "enter:10.1.2.3/16 focus:scr_mask_bits type:33",
            "lbl_mask_bits= 3");
        row("length typed after a pause",
            "enter:10.1.2.3/16 mouse:scr_mask_bits type:2 pause type:9", "lbl_mask_bits= 9");
        // The length: a drag counts on release; keys and the wheel on the focused bar.
        row("held", "enter:192.168.1.200/24 drag:28", "lbl_mask_bits= 24");
        row("let go", "enter:192.168.1.200/24 drag:28 drop", "lbl_mask_bits= 28");
        const QString bar = "enter:10.1.2.3/16 focus:scr_mask_bits ";
        row("Left", bar + "key:Left key:Up", "lbl_mask_bits= 14");
        row("wheel", bar + "wheel", "lbl_mask_bits= 17");
        // The counts and the status.
        row("incomplete", "enter:192.168.1./24", "lbl_info=0.1.254.8|lbl_sub2=Subnetting");
        row("incomplete, one subnet bit", "enter:10.0.0./9",
            "lbl_info=1.2.8388606.23|lbl_sub2=Enter Complete Host Address");
        // The option matters at /31 only.
        row("/31", "enter:10.0.0.4/31",
            "lbl_info_2=0|lbl_sub2=Mask too long, no hosts.|txt_hosts=none");
        row("/31, option", "enter:192.168.1.5/31 mouse:chk_31bit",
            "lbl_info_2=2|lbl_sub2=Subnetting as per RFC3021.|"
            "txt_hosts=192.168.1.4 to 192.168.1.5");
        // A click from an entry: a message leaves the panel where it was, the focus in the first
        // empty box if any.
        const QString told = "told=Subnet Calculator: ";
        const QString must = told + "You must enter the IP Address|focus=sub_address_";
        const QString mustBlank = told + " You must enter the IP Address|focus=sub_address_";
        row("next", "enter:192.168.1.77/24 mouse:btnNextSubnet",
            "at=192.168.2.77/24|focus=btnNextSubnet");
        row("prev", "enter:192.168.1.77/26 mouse:btnPrevSubnet", "at=192.168.1.13/26");
        row("prev borrows", "enter:192.168.1.30/26 mouse:btnPrevSubnet", "at=192.168.0.192/26");
        row("prev from the first", "enter:0.0.0.0/24 mouse:btnPrevSubnet",
            "at=0.0.0.0/24|" + told + "This is the first subnet.");
        row("next from the last", "enter:255.255.255.0/24 mouse:btnNextSubnet",
            "at=255.255.255.0/24|" + told + "This is the last subnet.");
        row("next, a box empty", "enter:1..1.1/8 mouse:btnNextSubnet",
            "at=1..1.1/8|" + mustBlank + "1");
        row("prev, a box empty", "enter:1..1.1/8 mouse:btnPrevSubnet", "at=1..1.1/8|" + must + "1");
        row("report, the last box empty", "enter:1.1.1./8 mouse:btnNextTwentySubnets", must + "3");
        row("Enter on a button", "enter:192.168.1.77/24 focus:btnNextSubnet key:Return",
            "at=192.168.2.77/24");
        row("a result copied", "enter:192.168.1.77/24 copy:lbl_bonus",
            "clipboard=192.168.1.0|focus=lbl_bonus");
        // Twenty rows, fewer at the end of the space, replace an earlier, longer report; the
        // panel is left as the user had it, the focus included.
        const QString report = " mouse:btnNextTwentySubnets";
        row("report", "file:Ferol_Subnet_Calculator/subnets.txt enter:192.168.1.130/26" + report,
            "report=192.168.1.128,192.168.1.129 to 192.168.1.190,192.168.1.191 "
            "192.168.1.192,192.168.1.193 to 192.168.1.254,192.168.1.255 "
            "192.168.2.0,192.168.2.1 to 192.168.2.62,192.168.2.63|"
            "last=192.168.6.64,192.168.6.65 to 192.168.6.126,192.168.6.127|"
            "size=1596|at=192.168.1.130/26|opened=1");
        row("report, the focus kept", "enter:192.168.1.130/26 focus:sub_address_3" + report,
            "at=192.168.1.130/26|focus=sub_address_3");
        row("report to the end", "enter:255.255.240.0/24" + report,
            "size=1292|last=255.255.255.0,255.255.255.1 to 255.255.255.254,255.255.255.255|"
            "at=255.255.240.0/24");
        // A report that cannot be written is told by its path, and the panel never moved.
        row("a folder in the way",
            "folder:Ferol_Subnet_Calculator/subnets.txt enter:192.168.1.200/26" + report,
            "at=192.168.1.200/26|opened=0|" + told +
                "The subnet list could not be saved to ~/Ferol Subnet Calculator/subnets.txt.\n"
                "Filename refers to a directory");
    }
    void steps() { RunStepRow<Panel>(); }
};

QTEST_MAIN(TestSubnetPanel)
#include "tst_ucsubnetcalc.moc"
