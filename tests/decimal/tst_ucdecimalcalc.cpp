#include "decimal/ucdecimalcalc.h"

#include "support/paneldriver.h"

#include <QListWidget>

namespace {

// The decimal panel with its own steps: "open" clicks the list button on its arrow,
// "entry:N" clicks list entry N, "decimal:TEXT" puts text into txtDecimal, focused, as a
// mouse paste does ("_" for a blank). Its own key: "open", whether the list shows.
struct Panel
{
    QString shown(const QString& key) const
    {
        return key == "open" ? (d.get("lstIpHistory")->isVisible() ? "yes" : "no") : d.shown(key);
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
    static inline const QString kShown =
        "txtIpAddy=255.255.255.255|txtDecimal=4294967295|focus=txtIpAddy_0|open=no|red=";

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
        const QString picked = "txtIpAddy=192.168.1.1|txtDecimal=3232235777|focus=";
        row("as shown", "", "");
        // Keys go one by one to whatever box has the focus; focusing txtDecimal first makes
        // box 0 select its text when it gets the focus.
        row("999 in box 0", "focus:txtDecimal focus:txtIpAddy_0 type:999",
            "txtIpAddy=999.255.255.255|txtDecimal=16777215999|focus=txtIpAddy_1|red=txtIpAddy_0");
        row("dots after advances", "focus:txtDecimal focus:txtIpAddy_0 type:192.168.1.1",
            picked + "txtIpAddy_3");
        row("address and length pasted", "paste:menu=_192.168.1.1/24\n", picked + "txtIpAddy_0");
        row("2^32 typed", "decimal: type:4294967296",
            "txtIpAddy=256.0.0.0|txtDecimal=4294967296|focus=txtDecimal|red=txtIpAddy_0");
        row("paste waits for a key", "decimal:3232235777",
            "txtDecimal=3232235777|focus=txtDecimal");
        row("blanks stay in txtDecimal", "decimal:32_322 key:End",
            "txtIpAddy=0.0.126.66|txtDecimal=32 322|focus=txtDecimal");
        row("not finite", "decimal:1e999 key:End", "txtDecimal=1e999|focus=txtDecimal");
        row("button opens", "open", "focus=lstIpHistory|open=yes");
        row("click the selected entry", "open entry:1 type:7 open entry:1", picked + "txtIpAddy_0");
        const QString arrowed = "|focus=lstIpHistory|open=yes";
        row("first Down", "open key:Down", "txtIpAddy=192.167.1.1|txtDecimal=3232170241" + arrowed);
        row("Up follows", "open entry:2 open key:Up", picked + "lstIpHistory|open=yes");
        row("Enter picks", "open entry:0 open key:Down key:Return", picked + "txtIpAddy_0");
        row("click after Down on the last", "open entry:2 open key:Down entry:0",
            "txtIpAddy=192.167.1.1|txtDecimal=3232170241");
        row("click elsewhere closes", "open mouse:txtDecimal", "focus=txtDecimal");
        row("Tab from the list closes", "focus:txtIpAddy_3 key:Tab key:Tab", "focus=txtDecimal");
        row("Down opens", "focus:txtDecimal key:Backtab key:Down", "focus=lstIpHistory|open=yes");
    }
    void steps() { RunStepRow<Panel>(); }
};

QTEST_MAIN(TestUcDecimalCalc)
#include "tst_ucdecimalcalc.moc"
