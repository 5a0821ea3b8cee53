#include "panelfixture.h"

#include <QStyleOptionSlider>
#include <QWheelEvent>

class TestSubnetPanel : public QObject
{
    Q_OBJECT

private slots:
    void freshPanel()
    {
        Panel p;
        // control=text pairs
        const QStringList shown =
            QString("lbl_mask_bits= 16|lbl_subnet_mask=255.255.0.0|lbl_bonus2=255.255.0.0|"
                    "lbl_info_0=8|lbl_info_1=256|lbl_info_2=65534|lbl_info_3=16|"
                    "lbl_sub2=Enter Complete Host Address|lbl_the_subnet=0.0.0.0|lbl_bonus=0.0.0.0|"
                    "lbl_the_broad=0.0.255.255|txt_hosts=0.0.0.1 to 0.0.255.254|sub_class=RESULT|"
                    "sub_mask_bin_1=11111111|sub_mask_bin_2=00000000|sub_host_bin_0=|"
                    "txt_act_subnet_3=00000000|txt_broad_bin_3=11111111|sub_address_0=")
                .split('|');
        for (const QString& control : shown)
            QCOMPARE(control.section('=', 0, 0) + '=' + p.text(control.section('=', 0, 0)),
                     control);
    }

    void typingTheFirstOctet_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("shown"); // class, mask length, binary octet, focused box
        const auto row = [](const char* name, const char* keys, const char* shown) {
            QTest::newRow(name) << QString(keys) << QString(shown);
        };
        row("class C", "192", "Class C Address/24/11000000/1");
        row("loopback", "127", "Loopback Address/16/01111111/1");
        row("class A keeps 16", "10", "Class A Address/16/00001010/0");
        row("224 and up", "230", "Invalid IP Address/24/11100110/1");
        row("over 255", "300", "Invalid IP Address/24/11111111/1");
        row("one digit", "1", "Class A Address/16/00000001/0");
        row("class B", "150", "Class B Address/16/10010110/1");
    }
    void typingTheFirstOctet()
    {
        QFETCH(QString, keys);
        QFETCH(QString, shown);
        Panel p;
        p.address(0)->setFocus();
        p.type(keys);
        QCOMPARE(QStringList({p.text("sub_class"), QString::number(p.maskBits()->value()),
                              p.text("sub_host_bin_0"), QString::number(p.focusIndex())})
                     .join('/'),
                 shown);
        QCOMPARE(p.text("lbl_mask_bits"), ' ' + QString::number(p.maskBits()->value()));
    }

    void over255BecomesBlack255InEveryBox()
    {
        Panel p;
        for (int index = 0; index < 4; ++index) {
            p.address(index)->setFocus();
            p.type(index % 2 ? "256" : "300");
            QCOMPARE(p.address(index)->text(), QStringLiteral("255"));
            QCOMPARE(p.address(index)->palette().color(QPalette::Text), QColor(Qt::black));
            QCOMPARE(p.text("sub_host_bin_" + QString::number(index)), QStringLiteral("11111111"));
        }
    }

    void classChangesAloneResetTheLength()
    {
        Panel p;
        p.enter("192...");
        p.maskBits()->setValue(27);
        p.address(0)->setText("200"); // a paste that keeps the class keeps the length
        QCOMPARE(p.maskBits()->value(), 27);
        p.address(0)->setFocus();
        p.type("1");
        QCOMPARE(p.maskBits()->value(), 8);
        p.address(0)->setText("-99999"); // pasted; held at the 16-bit bound
        QCOMPARE(p.text("sub_host_bin_0"), QStringLiteral("10000000"));
        p.address(0)->clear();
        QCOMPARE(p.text("sub_host_bin_0") + ' ' + p.text("sub_class"),
                 QStringLiteral("00000000 Class A Address"));
    }

    void dragRecalculatesOnRelease()
    {
        Panel p;
        p.enter("192.168.1.200/24");
        // Dragging the thumb recalculates once, on release.
        QStyleOptionSlider bar;
        bar.initFrom(p.maskBits());
        bar.orientation = Qt::Horizontal;
        bar.minimum = 1;
        bar.maximum = 32;
        bar.sliderPosition = bar.sliderValue = 24;
        const QPoint thumb = p.maskBits()
                                 ->style()
                                 ->subControlRect(QStyle::CC_ScrollBar, &bar,
                                                  QStyle::SC_ScrollBarSlider, p.maskBits())
                                 .center();
        QTest::mousePress(p.maskBits(), Qt::LeftButton, {}, thumb);
        QTest::mouseMove(p.maskBits(), thumb + QPoint(30, 0));
        QVERIFY(p.maskBits()->sliderPosition() > 24);
        QCOMPARE(p.text("lbl_mask_bits"), QStringLiteral(" 24"));
        QTest::mouseRelease(p.maskBits(), Qt::LeftButton, {}, thumb + QPoint(30, 0));
        QCOMPARE(p.text("lbl_mask_bits"), ' ' + QString::number(p.maskBits()->sliderPosition()));
    }

    void keysAndWheelOnTheLength_data()
    {
        QTest::addColumn<int>("key"); // 0: the wheel turned towards the user
        QTest::addColumn<int>("length");
        QTest::newRow("Left") << int(Qt::Key_Left) << 15;
        QTest::newRow("Up") << int(Qt::Key_Up) << 15;
        QTest::newRow("PgUp") << int(Qt::Key_PageUp) << 15;
        QTest::newRow("Right") << int(Qt::Key_Right) << 17;
        QTest::newRow("Down") << int(Qt::Key_Down) << 17;
        QTest::newRow("PgDn") << int(Qt::Key_PageDown) << 17;
        QTest::newRow("Home") << int(Qt::Key_Home) << 1;
        QTest::newRow("End") << int(Qt::Key_End) << 32;
        QTest::newRow("wheel towards the user") << 0 << 17;
    }
    void keysAndWheelOnTheLength()
    {
        QFETCH(int, key);
        QFETCH(int, length);
        Panel p;
        p.enter("10.1.2.3/16");
        if (key) {
            QTest::keyClick(p.maskBits(), Qt::Key(key));
        } else {
            const QPointF at(5, 5);
            QWheelEvent wheel(at, p.maskBits()->mapToGlobal(at), {}, QPoint(0, -120), Qt::NoButton,
                              Qt::NoModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(p.maskBits(), &wheel);
        }
        QCOMPARE(p.text("lbl_mask_bits"), ' ' + QString::number(length));
    }

    void enterOnAFocusedButtonPressesIt()
    {
        Panel p;
        p.enter("192.168.1.77/24");
        auto* next = p.panel.findChild<QAbstractButton*>("btnNextSubnet");
        next->setFocus();
        QTest::keyClick(next, Qt::Key_Return);
        QCOMPARE(p.dotted(), QStringLiteral("192.168.2.77"));
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
        const auto textRect = [](const QLabel* label) {
            const QFontMetrics metrics = label->fontMetrics();
            return QRect(label->geometry().topLeft(),
                         QSize(metrics.horizontalAdvance(label->text()), metrics.ascent()));
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

    void optionMattersAt31BitsOnly()
    {
        Panel p;
        QStringList seen;
        for (int bits : {30, 31, 32}) {
            p.enter("192.168.1.5/" + QString::number(bits));
            auto* option = p.panel.findChild<QCheckBox*>("chk_31bit");
            for (int click = 0; click < 2; ++click) {
                seen << p.text("lbl_info_2") + ' ' + p.text("lbl_sub2");
                QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(6, option->height() / 2));
            }
        }
        QCOMPARE(seen, (QStringList{"2 Subnetting", "2 Subnetting", "0 Mask too long, no hosts.",
                                    "2 Subnetting as per RFC3021.", "0 Mask too long, no hosts.",
                                    "0 Mask too long, no hosts."}));
    }

    void controlsByNameAndKeyboardOrder()
    {
        Panel p;
        QStringList names = {
            "ip_subnet_frame", "sub_Label1",      "sub_class",     "Frame1",  "Label1",
            "lbl_mask_bits",   "lbl_subnet_mask", "lbl_sub2",      "Frame2",  "Label9_0",
            "Label9_1",        "lbl_bonus",       "lbl_bonus2",    "Label4",  "txt_hosts",
            "sub_mask_frame",  "sub_label2_0",    "sub_label2_1",  "Line1_0", "Line1_1",
            "lbl_the_subnet",  "Picture2",        "lbl_the_broad", "Picture1"};
        for (const char* array : {"Label2", "lbl_info", "sub_host_bin", "sub_mask_bin", "Label3",
                                  "txt_act_subnet", "txt_broad_bin"}) {
            for (int i = 0; i < 4; ++i)
                names << QString(array) + '_' + QString::number(i);
        }
        for (const QString& name : names)
            QVERIFY2(p.panel.findChildren<QWidget*>(name).size() == 1, qPrintable(name));

        QTest::keyClick(&p.panel, Qt::Key_H, Qt::AltModifier); // "&Host IP"
        QStringList order;
        for (int i = 0; i < 12; ++i) {
            order << QApplication::focusWidget()->objectName();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QCOMPARE(order, (QStringList{"sub_address_0", "sub_address_1", "sub_address_2",
                                     "sub_address_3", "scr_mask_bits", "btnPrevSubnet",
                                     "btnNextSubnet", "btnNextTwentySubnets", "chk_31bit",
                                     "sub_address_0", "sub_address_1", "sub_address_2"}));
        QCOMPARE(ucSubnetCalc::squeeze(" 1 9\t2 "), QStringLiteral("19\t2"));
    }
};

QTEST_MAIN(TestSubnetPanel)
#include "tst_ucsubnetcalc.moc"
