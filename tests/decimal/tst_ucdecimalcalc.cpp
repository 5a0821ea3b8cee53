#include "decimal/ucdecimalcalc.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>

namespace {

// A shown, active panel driven through its controls by object name.
struct Panel
{
    Panel()
    {
        panel.resize(panel.sizeHint());
        panel.show();
        panel.activateWindow();
        (void)QTest::qWaitForWindowActive(&panel);
    }
    template <typename T = QWidget> T* control(const QString& name) const
    {
        return panel.findChild<T*>(name);
    }
    QLineEdit* box(int k) const { return control<QLineEdit>("txtIpAddy_" + QString::number(k)); }
    QLineEdit* decimal() const { return control<QLineEdit>("txtDecimal"); }
    QString boxes() const
    {
        QStringList texts;
        for (int k = 0; k < 4; ++k)
            texts << box(k)->text();
        return texts.join('.');
    }
    // One letter a box, box 0 first: r red, b black.
    QString colours() const
    {
        QString marks;
        for (int k = 0; k < 4; ++k) {
            const QColor c = box(k)->palette().color(QPalette::Text);
            marks += c == QColor(Qt::red) ? 'r' : c == QColor(Qt::black) ? 'b' : '?';
        }
        return marks;
    }
    // Each key goes to whichever widget has the focus at that moment, as typing does.
    void type(const QString& keys) const
    {
        for (QChar key : keys)
            QTest::keyClick(QApplication::focusWidget(), key.toLatin1());
    }
    // Steps: "open" clicks the list button on its arrow, "entry:N" clicks list entry N,
    // "key:NAME" presses a key where the focus is, "focus:NAME" and "mouse:NAME" give a
    // control the focus by code and by click, "type:TEXT" types, "paste:TEXT" puts text
    // into txtDecimal as a mouse paste does ("_" for a blank), "release" releases Shift there.
    void run(const QString& steps) const
    {
        static const QMap<QString, Qt::Key> keys = {
            {"Down", Qt::Key_Down},   {"Up", Qt::Key_Up},   {"Return", Qt::Key_Return},
            {"Space", Qt::Key_Space}, {"Tab", Qt::Key_Tab}, {"Backtab", Qt::Key_Backtab}};
        auto* list = control<QListWidget>("lstIpHistory");
        for (const QString& step : steps.split(' ')) {
            const QString verb = step.section(':', 0, 0);
            const QString arg = step.section(':', 1);
            if (verb == "open")
                QTest::mouseClick(control("vscrollHistory"), Qt::LeftButton, {}, QPoint(8, 25));
            else if (verb == "entry")
                QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                                  list->visualItemRect(list->item(arg.toInt())).center());
            else if (verb == "key")
                QTest::keyClick(QApplication::focusWidget(), keys.value(arg));
            else if (verb == "focus")
                control(arg)->setFocus();
            else if (verb == "mouse")
                QTest::mouseClick(control(arg), Qt::LeftButton);
            else if (verb == "type")
                type(arg);
            else if (verb == "paste")
                decimal()->setText(QString(arg).replace('_', ' '));
            else if (verb == "release")
                QTest::keyRelease(decimal(), Qt::Key_Shift);
        }
    }

    ucDecimalCalc panel;
};

} // namespace

class TestUcDecimalCalc : public QObject
{
    Q_OBJECT

private slots:
    void steps_data()
    {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("boxes");
        QTest::addColumn<QString>("colours");
        QTest::addColumn<QString>("decimal");
        QTest::addColumn<QString>("focus");
        QTest::addColumn<bool>("listOpen");
        const auto row = [](const char* name, const char* steps, const char* boxes,
                            const char* colours, const char* decimal, const char* focus,
                            bool listOpen = false) {
            QTest::newRow(name) << QString(steps) << QString(boxes) << QString(colours)
                                << QString(decimal) << QString(focus) << listOpen;
        };
        const char* ones = "255.255.255.255";
        const char* all = "4294967295";
        const char* box0 = "txtIpAddy_0";
        const char* box3 = "txtIpAddy_3";
        row("as shown", "", ones, "bbbb", all, box0);
        // Focusing txtDecimal first makes box 0 select its text when it gets the focus.
        row("999 in box 0", "focus:txtDecimal focus:txtIpAddy_0 type:999", "999.255.255.255",
            "rbbb", "16777215999", "txtIpAddy_1");
        row("worked key sequence", "focus:txtDecimal focus:txtIpAddy_0 type:192.168.1.1",
            "192.255.168.11", "bbbb", "3237980171", box3);
        row("2^32 typed", "focus:txtDecimal paste: type:4294967296", "256.0.0.0", "rbbb",
            "4294967296", "txtDecimal");
        row("paste waits for a key", "focus:txtDecimal paste:3232235777", ones, "bbbb",
            "3232235777", "txtDecimal");
        row("paste then a key", "focus:txtDecimal paste:3232235777 release", "192.168.1.1", "bbbb",
            "3232235777", "txtDecimal");
        row("blanks stay in txtDecimal", "focus:txtDecimal paste:32_322 release", "0.0.126.66",
            "bbbb", "32 322", "txtDecimal");
        row("emptied", "focus:txtDecimal paste: release", "0.0.0.0", "bbbb", "", "txtDecimal");
        row("not finite", "focus:txtDecimal paste:1e999 release", ones, "bbbb", "1e999",
            "txtDecimal");
        row("button opens", "open", ones, "bbbb", all, "lstIpHistory", true);
        row("button closes", "open open", ones, "bbbb", all, box0);
        row("click picks", "open entry:1", "192.168.1.1", "bbbb", "3232235777", box0);
        row("first entry", "open entry:0", "192.167.1.1", "bbbb", "3232170241", box0);
        row("last entry", "open entry:2", "192.169.1.1", "bbbb", "3232301313", box0);
        row("click on the selected entry", "open entry:1 type:7 open entry:1", "192.168.1.1",
            "bbbb", "3232235777", box0);
        row("first Down", "open key:Down", "192.167.1.1", "bbbb", "3232170241", "lstIpHistory",
            true);
        row("Down follows", "open entry:0 open key:Down", "192.168.1.1", "bbbb", "3232235777",
            "lstIpHistory", true);
        row("Up follows", "open entry:2 open key:Up", "192.168.1.1", "bbbb", "3232235777",
            "lstIpHistory", true);
        row("Enter picks", "open entry:0 open key:Down key:Return", "192.168.1.1", "bbbb",
            "3232235777", box0);
        row("Space picks", "open entry:0 open key:Down key:Space", "192.168.1.1", "bbbb",
            "3232235777", box0);
        row("click after Down on the last", "open entry:2 open key:Down entry:0", "192.167.1.1",
            "bbbb", "3232170241", box0);
        row("click elsewhere closes", "open mouse:txtDecimal", ones, "bbbb", all, "txtDecimal");
        row("Tab from box 3 opens", "focus:txtIpAddy_3 key:Tab", ones, "bbbb", all, "lstIpHistory",
            true);
        row("Tab from the list closes", "focus:txtIpAddy_3 key:Tab key:Tab", ones, "bbbb", all,
            "txtDecimal");
        row("Shift+Tab onto the button", "focus:txtDecimal key:Backtab", ones, "bbbb", all,
            "vscrollHistory");
        row("then Enter opens", "focus:txtDecimal key:Backtab key:Return", ones, "bbbb", all,
            "lstIpHistory", true);
        row("Shift+Tab past the button", "focus:txtDecimal key:Backtab key:Backtab", ones, "bbbb",
            all, box3);
        row("Shift+Tab out of the list", "focus:txtIpAddy_3 key:Tab key:Backtab key:Backtab", ones,
            "bbbb", all, box3);
    }
    void steps()
    {
        QFETCH(QString, steps);
        QFETCH(QString, boxes);
        QFETCH(QString, colours);
        QFETCH(QString, decimal);
        QFETCH(QString, focus);
        QFETCH(bool, listOpen);
        Panel p;
        p.run(steps);
        QCOMPARE(p.boxes(), boxes);
        QCOMPARE(p.colours(), colours);
        QCOMPARE(p.decimal()->text(), decimal);
        QCOMPARE(QApplication::focusWidget()->objectName(), focus);
        QCOMPARE(p.control("lstIpHistory")->isVisible(), listOpen);
    }

    // The boxes follow every key typed into an emptied txtDecimal.
    void boxesFollowEveryKey()
    {
        Panel p;
        p.run("focus:txtDecimal paste:");
        const QString keys = "3232235777";
        for (int typed = 1; typed <= keys.size(); ++typed) {
            p.type(keys.mid(typed - 1, 1));
            const quint32 value = keys.left(typed).toUInt();
            QCOMPARE(p.boxes(), QString("%1.%2.%3.%4")
                                    .arg(value >> 24)
                                    .arg((value >> 16) & 0xFF)
                                    .arg((value >> 8) & 0xFF)
                                    .arg(value & 0xFF));
            QCOMPARE(QApplication::focusWidget(), p.decimal());
        }
    }

    // Text1 ends 250 twips before the right edge, the lines run 500 and 250 twips past it
    // (15 twips a pixel, halves to even).
    void resize_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("text1");
        QTest::addColumn<int>("line1");
        QTest::addColumn<int>("line2");
        QTest::newRow("design width") << 395 << 370 << 428 << 412;
        QTest::newRow("wider") << 600 << 575 << 633 << 617;
    }
    void resize()
    {
        QFETCH(int, width);
        QFETCH(int, text1);
        QFETCH(int, line1);
        QFETCH(int, line2);
        Panel p;
        p.panel.resize(width, 300);
        QCOMPARE(p.control("Text1")->width(), text1);
        QCOMPARE(p.control("Line1")->width(), line1);
        QCOMPARE(p.control("Line2")->width(), line2);
    }

    // The frame over the button's upper part shows the panel's colour, so only the arrow
    // below it is seen.
    void backColourHidesTheButtonTop()
    {
        Panel p;
        const QRect covered =
            p.control("vscrollHistory")->geometry() & p.control("frameToHideScroller")->geometry();
        QVERIFY(!covered.isEmpty());
        for (const std::uint32_t bgr : {0x00FFFFFFu, 0x00123456u}) {
            p.panel.SetBackColor(bgr);
            const QColor expected(bgr & 0xFF, (bgr >> 8) & 0xFF, bgr >> 16);
            const QImage image = p.panel.grab().toImage();
            QCOMPARE(image.pixelColor(covered.center()), expected);
            QCOMPARE(image.pixelColor(2, 2), expected);
        }
    }
};

QTEST_MAIN(TestUcDecimalCalc)
#include "tst_ucdecimalcalc.moc"
