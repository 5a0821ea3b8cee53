#include "decimal/ucdecimalcalc.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFrame>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTest>

namespace {

// The dotted form of a 32-bit value, by plain integer arithmetic.
QString Dotted(quint32 value)
{
    return QString("%1.%2.%3.%4")
        .arg(value >> 24)
        .arg((value >> 16) & 0xFF)
        .arg((value >> 8) & 0xFF)
        .arg(value & 0xFF);
}

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
    QLineEdit* box(int index) const
    {
        return control<QLineEdit>("txtIpAddy_" + QString::number(index));
    }
    QLineEdit* decimal() const { return control<QLineEdit>("txtDecimal"); }
    QListWidget* list() const { return control<QListWidget>("lstIpHistory"); }
    QString boxes() const
    {
        QStringList texts;
        for (int k = 0; k < 4; ++k)
            texts << box(k)->text();
        return texts.join('.');
    }
    // "r" for a red box, "b" for a black one, box 0 first.
    QString colours() const
    {
        QString marks;
        for (int k = 0; k < 4; ++k) {
            const QColor text = box(k)->palette().color(QPalette::Text);
            marks += text == QColor(Qt::red) ? 'r' : text == QColor(Qt::black) ? 'b' : '?';
        }
        return marks;
    }
    QString focusName() const
    {
        QWidget* focus = QApplication::focusWidget();
        return focus ? focus->objectName() : QString("<none>");
    }
    // Each key goes to whichever widget has the focus at that moment, as typing does.
    void type(const QString& keys) const
    {
        for (QChar key : keys)
            QTest::keyClick(QApplication::focusWidget(), key.toLatin1());
    }
    void clickEntry(int row) const
    {
        const QRect where = list()->visualItemRect(list()->item(row));
        QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, where.center());
    }

    ucDecimalCalc panel;
};

} // namespace

class TestUcDecimalCalc : public QObject
{
    Q_OBJECT

private slots:
    void startsWithAllOnes()
    {
        Panel p;
        QCOMPARE(p.boxes(), QString("255.255.255.255"));
        QCOMPARE(p.decimal()->text(), QString("4294967295"));
        QVERIFY(!p.list()->isVisible());
        QCOMPARE(p.control<QPlainTextEdit>("Text1")->toPlainText().size() + 5, 217);
    }

    // Typed into an emptied txtDecimal; the boxes follow every key.
    void typingTheNumber_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("colours");
        QTest::newRow("192.168.1.1") << QString("3232235777") << QString("bbbb");
        QTest::newRow("2^32 makes box 0 red") << QString("4294967296") << QString("rbbb");
    }
    void typingTheNumber()
    {
        QFETCH(QString, keys);
        QFETCH(QString, colours);
        Panel p;
        p.decimal()->setFocus();
        p.decimal()->clear();
        for (int typed = 1; typed <= keys.size(); ++typed) {
            p.type(keys.mid(typed - 1, 1));
            const quint64 value = keys.left(typed).toULongLong();
            const QString expected = value > 0xFFFFFFFFu ? "256.0.0.0" : Dotted(quint32(value));
            QCOMPARE(p.boxes(), expected);
            QCOMPARE(p.focusName(), QString("txtDecimal"));
            QCOMPARE(p.decimal()->text(), keys.left(typed));
        }
        QCOMPARE(p.colours(), colours);
    }

    // A paste changes nothing until a key is released in txtDecimal.
    void pastedNumber_data()
    {
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<QString>("boxes");
        QTest::newRow("number") << QString("3232235777") << QString("192.168.1.1");
        QTest::newRow("emptied") << QString() << QString("0.0.0.0");
        QTest::newRow("blanks inside") << QString("32 322 357 77") << QString("192.168.1.1");
        QTest::newRow("not finite") << QString("1e999") << QString("255.255.255.255");
    }
    void pastedNumber()
    {
        QFETCH(QString, pasted);
        QFETCH(QString, boxes);
        Panel p;
        p.decimal()->setFocus();
        p.decimal()->setText(pasted);
        QCOMPARE(p.boxes(), QString("255.255.255.255"));
        QTest::keyRelease(p.decimal(), Qt::Key_Shift);
        QCOMPARE(p.boxes(), boxes);
        QCOMPARE(p.decimal()->text(), pasted);
    }

    void typingOctets_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("boxes");
        QTest::addColumn<QString>("colours");
        QTest::addColumn<QString>("focus");
        QTest::newRow("999 in box 0") << QString("999") << QString("999.255.255.255")
                                      << QString("rbbb") << QString("txtIpAddy_1");
        QTest::newRow("a dot after an advance skips a box")
            << QString("192.168.1.1") << QString("192.255.168.11") << QString("bbbb")
            << QString("txtIpAddy_3");
        QTest::newRow("advances without dots") << QString("1921681.1") << QString("192.168.1.1")
                                               << QString("bbbb") << QString("txtIpAddy_3");
    }
    void typingOctets()
    {
        QFETCH(QString, keys);
        QFETCH(QString, boxes);
        QFETCH(QString, colours);
        QFETCH(QString, focus);
        Panel p;
        // Entering box 0 anew selects its text, so the first digit replaces it.
        p.decimal()->setFocus();
        p.box(0)->setFocus();
        p.type(keys);
        QCOMPARE(p.boxes(), boxes);
        QCOMPARE(p.colours(), colours);
        QCOMPARE(p.focusName(), focus);
        const QStringList octets = boxes.split('.');
        const quint64 sum = octets[0].toULongLong() * 16777216 + octets[1].toULongLong() * 65536 +
                            octets[2].toULongLong() * 256 + octets[3].toULongLong();
        QCOMPARE(p.decimal()->text(), QString::number(sum));
    }

    // Steps: "open" clicks the button, "click:N" the list entry N, "key:NAME" presses a
    // key where the focus is, "focus:NAME" gives a control the focus, "mouse:NAME" clicks
    // a control, "type:TEXT" types.
    void history_data()
    {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("boxes");
        QTest::addColumn<bool>("open");
        QTest::addColumn<QString>("focus");
        const auto row = [](const char* name, const char* steps, const char* boxes, bool open,
                            const char* focus) {
            QTest::newRow(name) << QString(steps) << QString(boxes) << open << QString(focus);
        };
        const char* ones = "255.255.255.255";
        row("button opens", "open", ones, true, "lstIpHistory");
        row("button closes", "open open", ones, false, "txtIpAddy_0");
        row("click picks", "open click:1", "192.168.1.1", false, "txtIpAddy_0");
        row("first entry", "open click:0", "192.167.1.1", false, "txtIpAddy_0");
        row("last entry", "open click:2", "192.169.1.1", false, "txtIpAddy_0");
        row("click on the selected entry", "open click:1 type:7 open click:1", "192.168.1.1", false,
            "txtIpAddy_0");
        row("Down follows, list stays", "open click:0 open key:Down", "192.168.1.1", true,
            "lstIpHistory");
        row("first Down highlights the first", "open key:Down", "192.167.1.1", true,
            "lstIpHistory");
        row("Up follows", "open click:2 open key:Up", "192.168.1.1", true, "lstIpHistory");
        row("Enter picks", "open click:0 open key:Down key:Return", "192.168.1.1", false,
            "txtIpAddy_0");
        row("Space picks", "open click:0 open key:Down key:Space", "192.168.1.1", false,
            "txtIpAddy_0");
        row("click after Down on the last entry", "open click:2 open key:Down click:0",
            "192.167.1.1", false, "txtIpAddy_0");
        row("click elsewhere closes", "open mouse:txtDecimal", ones, false, "txtDecimal");
        row("Tab from box 3 opens", "focus:txtIpAddy_3 key:Tab", ones, true, "lstIpHistory");
        row("Tab from the list closes", "focus:txtIpAddy_3 key:Tab key:Tab", ones, false,
            "txtDecimal");
        row("Shift+Tab onto the button", "focus:txtDecimal key:Backtab", ones, false,
            "vscrollHistory");
        row("Shift+Tab past the button", "focus:txtDecimal key:Backtab key:Backtab", ones, false,
            "txtIpAddy_3");
        row("Shift+Tab out of the list", "focus:txtIpAddy_3 key:Tab key:Backtab key:Backtab", ones,
            false, "txtIpAddy_3");
    }
    void history()
    {
        QFETCH(QString, steps);
        QFETCH(QString, boxes);
        QFETCH(bool, open);
        QFETCH(QString, focus);
        Panel p;
        const QMap<QString, Qt::Key> keys = {
            {"Down", Qt::Key_Down},   {"Up", Qt::Key_Up},   {"Return", Qt::Key_Return},
            {"Space", Qt::Key_Space}, {"Tab", Qt::Key_Tab}, {"Backtab", Qt::Key_Backtab}};
        for (const QString& step : steps.split(' ')) {
            const QString verb = step.section(':', 0, 0);
            const QString arg = step.section(':', 1);
            if (verb == "open")
                QTest::mouseClick(p.control<QAbstractButton>("vscrollHistory"), Qt::LeftButton, {},
                                  QPoint(8, 25));
            else if (verb == "click")
                p.clickEntry(arg.toInt());
            else if (verb == "key")
                QTest::keyClick(QApplication::focusWidget(), keys.value(arg));
            else if (verb == "focus")
                p.control(arg)->setFocus();
            else if (verb == "mouse")
                QTest::mouseClick(p.control(arg), Qt::LeftButton);
            else if (verb == "type")
                p.type(arg);
        }
        QCOMPARE(p.boxes(), boxes);
        QCOMPARE(p.list()->isVisible(), open);
        QCOMPARE(p.focusName(), focus);
        const QStringList octets = boxes.split('.');
        const quint64 sum = octets[0].toULongLong() * 16777216 + octets[1].toULongLong() * 65536 +
                            octets[2].toULongLong() * 256 + octets[3].toULongLong();
        QCOMPARE(p.decimal()->text(), QString::number(sum));
    }

    // Widths in pixels of a panel so wide: Text1 ends 250 twips from the right edge, the
    // lines run 500 and 250 twips past it (15 twips a pixel, halves to even).
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

    // The frame over the button's upper part shows the panel's colour, so only the
    // arrow below it is seen.
    void backColourHidesTheButtonTop()
    {
        Panel p;
        const QWidget* button = p.control("vscrollHistory");
        const QWidget* frame = p.control("frameToHideScroller");
        const QRect covered = button->geometry() & frame->geometry();
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
