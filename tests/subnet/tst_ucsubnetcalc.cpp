#include "panelfixture.h"

#include <QCheckBox>
#include <QClipboard>
#include <QWheelEvent>

class TestSubnetPanel : public QObject
{
    Q_OBJECT

private slots:
    // Every named control, found by its name, with its first text ("" where it has none).
    void freshPanelByName()
    {
        Panel p;
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
        QCOMPARE(
            p.text(names),
            "|&Host IP||RESULT|||Mask Bits| 16|255.255.0.0|Enter Complete Host Address||"
            "Current Network:|0.0.0.0|Subnet Mask:|255.255.0.0|Current Host Range|"
            "0.0.0.1 to 0.0.255.254||Host|Mask|||0.0.0.0||<Prev Subnet|0.0.255.255||"
            "&31-bit mask as per RFC 3021|Subnet Bits|Host Bits|Max Subnets|Max Hosts|"
            "8|256|65534|16|||||11111111|11111111|00000000|00000000|Subnet|Subnet|Broadcast|"
            "Broadcast|00000000|00000000|00000000|00000000|00000000|00000000|11111111|11111111");
    }

    void typingTheFirstOctet_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("shown"); // class, mask length, binary octet, focused box
        const auto row = [](const char* name, const char* keys, const char* shown) {
            QTest::newRow(name) << QString(keys) << QString(shown);
        };
        row("class A keeps 16", "10", "Class A Address/16/00001010/0");
        row("loopback", "127", "Loopback Address/16/01111111/1");
        row("class B", "150", "Class B Address/16/10010110/1");
        row("class C", "192", "Class C Address/24/11000000/1");
        row("224 and up", "230", "Invalid IP Address/24/11100110/1");
        row("over 255", "300", "Invalid IP Address/24/11111111/1");
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
    }

    void classChangesAloneResetTheLength()
    {
        Panel p;
        p.enter("192.../27");
        p.address(0)->setText("200"); // a paste that keeps the class keeps the length
        QCOMPARE(p.maskBits()->value(), 27);
        p.address(0)->setFocus();
        p.type("1");
        QCOMPARE(p.maskBits()->value(), 8);
        p.address(0)->setText("-99999"); // pasted; held at the 16-bit bound
        QCOMPARE(p.text("sub_host_bin_0"), "10000000");
        p.address(0)->clear();
        QCOMPARE(p.text("sub_host_bin_0 sub_class"), "00000000|Class A Address");
    }

    // Dragging the thumb recalculates once, on release.
    void dragRecalculatesOnRelease()
    {
        Panel p;
        p.enter("192.168.1.200/24");
        p.maskBits()->setSliderDown(true);
        p.maskBits()->setSliderPosition(28);
        QCOMPARE(p.text("lbl_mask_bits"), " 24");
        p.maskBits()->setSliderDown(false);
        QCOMPARE(p.text("lbl_mask_bits"), " 28");
    }

    void keysAndWheelOnTheLength()
    {
        Panel p;
        p.enter("10.1.2.3/16");
        QStringList seen;
        for (Qt::Key key : {Qt::Key_Left, Qt::Key_Up, Qt::Key_PageUp, Qt::Key_Right, Qt::Key_Down,
                            Qt::Key_PageDown, Qt::Key_End, Qt::Key_Home, Qt::Key_unknown}) {
            if (key != Qt::Key_unknown)
                QTest::keyClick(p.maskBits(), key);
            else { // the wheel turned towards the user
                QWheelEvent wheel({5, 5}, p.maskBits()->mapToGlobal(QPointF(5, 5)), {}, {0, -120},
                                  Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
                QApplication::sendEvent(p.maskBits(), &wheel);
            }
            seen << p.text("lbl_mask_bits");
        }
        QCOMPARE(seen.join(','), " 15, 14, 13, 14, 15, 16, 32, 1, 2");
    }

    void enterOnAFocusedButtonPressesIt()
    {
        Panel p;
        p.enter("192.168.1.77/24");
        auto* next = p.panel.findChild<QAbstractButton*>("btnNextSubnet");
        next->setFocus();
        QTest::keyClick(next, Qt::Key_Return);
        QCOMPARE(p.dotted(), "192.168.2.77");
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

    void optionMattersAt31BitsOnly()
    {
        Panel p;
        QStringList seen;
        for (int bits : {30, 31, 32}) {
            p.enter("192.168.1.5/" + QString::number(bits));
            auto* option = p.panel.findChild<QCheckBox*>("chk_31bit");
            for (int click = 0; click < 2; ++click) {
                seen << p.text("lbl_info_2 lbl_sub2");
                QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(6, option->height() / 2));
            }
        }
        QCOMPARE(seen.join(' '), "2|Subnetting 2|Subnetting 0|Mask too long, no hosts. "
                                 "2|Subnetting as per RFC3021. 0|Mask too long, no hosts. "
                                 "0|Mask too long, no hosts.");
    }

    void keyboardOrder()
    {
        Panel p;
        QTest::keyClick(&p.panel, Qt::Key_H, Qt::AltModifier); // "&Host IP"
        QStringList order;
        for (int i = 0; i < 12; ++i) {
            order << QApplication::focusWidget()->objectName();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QCOMPARE(order.join(' '), "sub_address_0 sub_address_1 sub_address_2 sub_address_3 "
                                  "scr_mask_bits btnPrevSubnet btnNextSubnet btnNextTwentySubnets "
                                  "chk_31bit sub_address_0 sub_address_1 sub_address_2");
    }

    void squeezeDropsBlanksOnly() { QCOMPARE(ucSubnetCalc::squeeze(" 1 9\t2 "), "19\t2"); }
};

QTEST_MAIN(TestSubnetPanel)
#include "tst_ucsubnetcalc.moc"
