#include "decimal/ucdecimalcalc.h"

#include "support/paneldriver.h"

#include <QApplication>
#include <QListWidget>
#include <QTest>

namespace {

// The decimal panel with its own steps: "open" clicks the list button on its arrow,
// "entry:N" clicks list entry N, "decimal:TEXT" puts text into txtDecimal, focused, as a
// mouse paste does ("_" for a blank).
struct Panel
{
    // The boxes, [txtDecimal], the focus, and "open" while the list shows.
    QString state() const
    {
        return d.octets("txtIpAddy", 4) + " [" + d.text("txtDecimal") + "] " +
               QApplication::focusWidget()->objectName() +
               (d.get("lstIpHistory")->isVisible() ? " open" : "");
    }
    void run(const QString& steps) const
    {
        auto* list = static_cast<QListWidget*>(d.get("lstIpHistory"));
        d.run(steps, [&](const QString& step, const QString& arg) {
            if (step == "open") {
                QTest::mouseClick(d.get("vscrollHistory"), Qt::LeftButton, {}, QPoint(8, 25));
            } else if (step.startsWith("entry:")) {
                QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                                  list->visualItemRect(list->item(arg.toInt())).center());
            } else if (step.startsWith("decimal:")) {
                d.get("txtDecimal")->setFocus();
                d.get("txtDecimal")->setProperty("text", QString(arg).replace('_', ' '));
            } else {
                return false;
            }
            return true;
        });
    }

    ucDecimalCalc panel;
    PanelDriver d{panel};
};

} // namespace

class TestUcDecimalCalc : public QObject
{
    Q_OBJECT

private slots:
    void steps_data()
    {
        const auto row = StepTable();
        const QString ones = "255.255.255.255 [4294967295] ";
        const QString picked = "192.168.1.1 [3232235777] ";
        row("as shown", "", ones + "txtIpAddy_0");
        // Focusing txtDecimal first makes box 0 select its text when it gets the focus.
        row("999 in box 0", "focus:txtDecimal focus:txtIpAddy_0 type:999",
            "999!.255.255.255 [16777215999] txtIpAddy_1");
        // Keys go one by one to whatever box has the focus.
        const QString typed = "focus:txtDecimal focus:txtIpAddy_0 type:";
        row("dots after advances", typed + "192.168.1.1", picked + "txtIpAddy_3");
        row("advances alone", typed + "1921681.1", picked + "txtIpAddy_3");
        row("dots alone", typed + "10.0.0.1", "10.0.0.1 [167772161] txtIpAddy_3");
        row("both", typed + "172.16.254.3", "172.16.254.3 [2886794755] txtIpAddy_3");
        row("address pasted", "focus:txtIpAddy_2 paste:shift+insert=10.20.30.40",
            "10.20.30.40 [169090600] txtIpAddy_2");
        row("address and length pasted", "paste:menu=_192.168.1.1/24\n", picked + "txtIpAddy_0");
        row("2^32 typed", "decimal: type:4294967296", "256!.0.0.0 [4294967296] txtDecimal");
        row("paste waits for a key", "decimal:3232235777",
            "255.255.255.255 [3232235777] txtDecimal");
        row("blanks stay in txtDecimal", "decimal:32_322 key:End",
            "0.0.126.66 [32 322] txtDecimal");
        row("not finite", "decimal:1e999 key:End", "255.255.255.255 [1e999] txtDecimal");
        row("button opens", "open", ones + "lstIpHistory open");
        row("button closes", "open open", ones + "txtIpAddy_0");
        row("click the selected entry", "open entry:1 type:7 open entry:1", picked + "txtIpAddy_0");
        row("first Down", "open key:Down", "192.167.1.1 [3232170241] lstIpHistory open");
        row("Up follows", "open entry:2 open key:Up", picked + "lstIpHistory open");
        row("Enter picks", "open entry:0 open key:Down key:Return", picked + "txtIpAddy_0");
        row("Space picks", "open entry:0 open key:Down key:Space", picked + "txtIpAddy_0");
        row("click after Down on the last", "open entry:2 open key:Down entry:0",
            "192.167.1.1 [3232170241] txtIpAddy_0");
        row("click elsewhere closes", "open mouse:txtDecimal", ones + "txtDecimal");
        row("Tab from box 3 opens", "focus:txtIpAddy_3 key:Tab", ones + "lstIpHistory open");
        row("Tab from the list closes", "focus:txtIpAddy_3 key:Tab key:Tab", ones + "txtDecimal");
        row("Enter opens", "focus:txtDecimal key:Backtab key:Return", ones + "lstIpHistory open");
        row("Down opens", "focus:txtDecimal key:Backtab key:Down", ones + "lstIpHistory open");
        row("Shift+Tab twice", "focus:txtDecimal key:Backtab key:Backtab", ones + "txtIpAddy_3");
    }
    void steps() { RunStepRow<Panel>(); }

    // Text1 ends 250 twips before the right edge, the lines run 500 and 250 twips past it
    // (15 twips a pixel, halves to even). The frame over the button's upper part shows the
    // panel's colour, so only the arrow below it is seen.
    void layout()
    {
        Panel p;
        p.panel.resize(600, 300);
        p.panel.SetBackColor(0x00123456u);
        const QRect covered =
            p.d.get("vscrollHistory")->geometry() & p.d.get("frameToHideScroller")->geometry();
        QVERIFY(!covered.isEmpty());
        const QImage image = p.panel.grab().toImage();
        QString seen;
        for (const char* name : {"Text1", "Line1", "Line2"})
            seen += QString::number(p.d.get(name)->width()) + ' ';
        seen += image.pixelColor(covered.center()).name() + image.pixelColor(2, 2).name();
        QCOMPARE(seen, "575 633 617 #563412#563412");
    }
};

QTEST_MAIN(TestUcDecimalCalc)
#include "tst_ucdecimalcalc.moc"
