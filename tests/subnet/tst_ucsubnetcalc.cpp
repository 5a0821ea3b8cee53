#include "subnet/ucsubnetcalc.h"
#include "panelfixture.h"
#include "support/testregistry.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QStyleOptionSlider>
#include <QTest>

#include <memory>

class TestSubnetPanel : public QObject
{
    Q_OBJECT

private slots:
    void freshPanel_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("text");
        QTest::newRow("mask length") << "lbl_mask_bits"
                                     << " 16";
        QTest::newRow("mask") << "lbl_subnet_mask"
                              << "255.255.0.0";
        QTest::newRow("mask again") << "lbl_bonus2"
                                    << "255.255.0.0";
        QTest::newRow("subnet bits") << "lbl_info_0"
                                     << "8";
        QTest::newRow("max subnets") << "lbl_info_1"
                                     << "256";
        QTest::newRow("max hosts") << "lbl_info_2"
                                   << "65534";
        QTest::newRow("host bits") << "lbl_info_3"
                                   << "16";
        QTest::newRow("status") << "lbl_sub2"
                                << "Enter Complete Host Address";
        QTest::newRow("network") << "lbl_the_subnet"
                                 << "0.0.0.0";
        QTest::newRow("network again") << "lbl_bonus"
                                       << "0.0.0.0";
        QTest::newRow("broadcast") << "lbl_the_broad"
                                   << "0.0.255.255";
        QTest::newRow("range") << "txt_hosts"
                               << "0.0.0.1 to 0.0.255.254";
        QTest::newRow("class") << "sub_class"
                               << "RESULT";
        QTest::newRow("binary mask 1") << "sub_mask_bin_1"
                                       << "11111111";
        QTest::newRow("binary mask 2") << "sub_mask_bin_2"
                                       << "00000000";
        QTest::newRow("host binary") << "sub_host_bin_0"
                                     << "";
        QTest::newRow("network binary") << "txt_act_subnet_3"
                                        << "00000000";
        QTest::newRow("address box") << "sub_address_0"
                                     << "";
    }
    void freshPanel()
    {
        QFETCH(QString, control);
        QFETCH(QString, text);
        Panel p;
        QCOMPARE(p.text(control), text);
        QCOMPARE(p.maskBits()->value(), 16);
    }

    void typingTheFirstOctet_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<int>("bits");
        QTest::addColumn<QString>("binary");
        QTest::addColumn<int>("focus");
        QTest::newRow("class C") << "192"
                                 << "Class C Address" << 24 << "11000000" << 1;
        QTest::newRow("loopback") << "127"
                                  << "Loopback Address" << 16 << "01111111" << 1;
        QTest::newRow("class A keeps the length") << "10"
                                                  << "Class A Address" << 16 << "00001010" << 0;
        QTest::newRow("224 and up") << "230"
                                    << "Invalid IP Address" << 24 << "11100110" << 1;
        QTest::newRow("over 255") << "300"
                                  << "Invalid IP Address" << 24 << "11111111" << 1;
    }
    void typingTheFirstOctet()
    {
        QFETCH(QString, keys);
        QFETCH(QString, caption);
        QFETCH(int, bits);
        QFETCH(QString, binary);
        QFETCH(int, focus);
        Panel p;
        p.address(0)->setFocus();
        p.type(keys);
        QCOMPARE(p.text("sub_class"), caption);
        QCOMPARE(p.maskBits()->value(), bits);
        QCOMPARE(p.text("lbl_mask_bits"), QLatin1Char(' ') + QString::number(bits));
        QCOMPARE(p.text("sub_host_bin_0"), binary);
        QCOMPARE(p.focusIndex(), focus);
    }

    void valuesOver255BecomeBlack255_data()
    {
        QTest::addColumn<int>("index");
        for (int i = 0; i < 4; ++i)
            QTest::newRow(qPrintable(QStringLiteral("box %1").arg(i))) << i;
    }
    void valuesOver255BecomeBlack255()
    {
        QFETCH(int, index);
        Panel p;
        p.address(index)->setFocus();
        p.type(QStringLiteral("300"));
        QCOMPARE(p.address(index)->text(), QStringLiteral("255"));
        QCOMPARE(p.address(index)->palette().color(QPalette::Text), QColor(Qt::black));
        QCOMPARE(p.text(QStringLiteral("sub_host_bin_%1").arg(index)), QStringLiteral("11111111"));
    }

    void digitByDigitPassesThroughThePrefixClasses()
    {
        Panel p;
        p.address(0)->setText(QStringLiteral("192"));
        p.maskBits()->setValue(27);
        p.address(0)->setText(QStringLiteral("200")); // a paste keeps the class and the length
        QCOMPARE(p.maskBits()->value(), 27);

        p.address(0)->setFocus();
        const QList<std::pair<QChar, int>> steps = {{'1', 8}, {'5', 8}, {'0', 16}};
        for (const auto& [key, bits] : steps) {
            QTest::keyClick(p.address(0), key.toLatin1());
            QCOMPARE(p.maskBits()->value(), bits);
        }
        QCOMPARE(p.text("sub_class"), QStringLiteral("Class B Address"));
    }

    void emptyingTheFirstBoxReadsAsZero()
    {
        Panel p;
        p.enter(QStringLiteral("172.16.1.1"));
        p.address(0)->clear();
        QCOMPARE(p.text("sub_host_bin_0"), QStringLiteral("00000000"));
        QCOMPARE(p.text("sub_class"), QStringLiteral("Class A Address"));
        QCOMPARE(p.maskBits()->value(), 8);
        QCOMPARE(p.text("lbl_the_subnet"), QStringLiteral("0.0.0.0"));
    }

    void movingTheMaskLength()
    {
        Panel p;
        p.enter(QStringLiteral("192.168.1.200"));
        p.maskBits()->setValue(25);
        QCOMPARE(p.text("lbl_info_0") + "/" + p.text("lbl_info_1") + "/" + p.text("lbl_info_2"),
                 QStringLiteral("1/2/126"));
        QCOMPARE(p.text("lbl_sub2"), QStringLiteral("Invalid Subnet - All 1's"));
        QTest::keyClick(p.maskBits(), Qt::Key_Left); // Left shortens the mask
        QCOMPARE(p.maskBits()->value(), 24);
        QCOMPARE(p.text("lbl_info_0") + "/" + p.text("lbl_info_1") + "/" + p.text("lbl_info_2"),
                 QStringLiteral("0/1/254"));
        QCOMPARE(p.text("lbl_sub2"), QStringLiteral("Subnetting"));
    }

    void theOptionOnlyMattersAt31Bits_data()
    {
        QTest::addColumn<int>("bits");
        QTest::addColumn<QString>("hostsOff");
        QTest::addColumn<QString>("statusOff");
        QTest::addColumn<QString>("hostsOn");
        QTest::addColumn<QString>("statusOn");
        QTest::newRow("31") << 31 << "0"
                            << "Mask too long, no hosts."
                            << "2"
                            << "Subnetting as per RFC3021.";
        QTest::newRow("32") << 32 << "0"
                            << "Mask too long, no hosts."
                            << "0"
                            << "Mask too long, no hosts.";
        QTest::newRow("30") << 30 << "2"
                            << "Subnetting"
                            << "2"
                            << "Subnetting";
    }
    void theOptionOnlyMattersAt31Bits()
    {
        QFETCH(int, bits);
        QFETCH(QString, hostsOff);
        QFETCH(QString, statusOff);
        QFETCH(QString, hostsOn);
        QFETCH(QString, statusOn);
        Panel p;
        p.enter(QStringLiteral("192.168.1.5"));
        p.maskBits()->setValue(bits);
        QCOMPARE(p.text("lbl_info_2"), hostsOff);
        QCOMPARE(p.text("lbl_sub2"), statusOff);
        QTest::mouseClick(p.option(), Qt::LeftButton, {}, QPoint(6, p.option()->height() / 2));
        QVERIFY(p.option()->isChecked());
        QCOMPARE(p.text("lbl_info_2"), hostsOn);
        QCOMPARE(p.text("lbl_sub2"), statusOn);
    }

    void draggingTheThumbRecalculatesOnRelease()
    {
        Panel p;
        QScrollBar* bar = p.maskBits();
        QStyleOptionSlider option;
        option.initFrom(bar);
        option.orientation = bar->orientation();
        option.minimum = bar->minimum();
        option.maximum = bar->maximum();
        option.sliderPosition = bar->sliderPosition();
        option.sliderValue = bar->value();
        option.singleStep = bar->singleStep();
        option.pageStep = bar->pageStep();
        const QRect thumb = bar->style()->subControlRect(QStyle::CC_ScrollBar, &option,
                                                         QStyle::SC_ScrollBarSlider, bar);
        QTest::mousePress(bar, Qt::LeftButton, {}, thumb.center());
        QTest::mouseMove(bar, thumb.center() + QPoint(40, 0));
        QVERIFY(bar->sliderPosition() > 16);
        QCOMPARE(p.text("lbl_mask_bits"), QStringLiteral(" 16"));
        QTest::mouseRelease(bar, Qt::LeftButton, {}, thumb.center() + QPoint(40, 0));
        QCOMPARE(p.text("lbl_mask_bits"), QLatin1Char(' ') + QString::number(bar->value()));
        QVERIFY(bar->value() > 16);
    }

    void everyControlIsFoundByName()
    {
        Panel p;
        QStringList names = {"ip_subnet_frame", "sub_Label1",
                             "sub_class",       "Frame1",
                             "scr_mask_bits",   "Label1",
                             "lbl_mask_bits",   "lbl_subnet_mask",
                             "lbl_sub2",        "Frame2",
                             "lbl_bonus",       "lbl_bonus2",
                             "Label4",          "txt_hosts",
                             "sub_mask_frame",  "lbl_the_subnet",
                             "Picture2",        "btnPrevSubnet",
                             "btnNextSubnet",   "lbl_the_broad",
                             "Picture1",        "btnNextTwentySubnets",
                             "chk_31bit"};
        for (int i = 0; i < 4; ++i) {
            for (const char* array : {"sub_address", "Label2", "lbl_info", "sub_host_bin",
                                      "sub_mask_bin", "Label3", "txt_act_subnet", "txt_broad_bin"})
                names << QStringLiteral("%1_%2").arg(QLatin1String(array)).arg(i);
        }
        names << "Label9_0"
              << "Label9_1"
              << "sub_label2_0"
              << "sub_label2_1"
              << "Line1_0"
              << "Line1_1";
        for (const QString& name : names)
            QVERIFY2(p.panel->findChildren<QWidget*>(name).size() == 1, qPrintable(name));
    }

    void keyboardOrder()
    {
        Panel p;
        p.address(0)->setFocus();
        QStringList order;
        for (int i = 0; i < 9; ++i) {
            order << QApplication::focusWidget()->objectName();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QCOMPARE(order, (QStringList{"sub_address_0", "sub_address_1", "sub_address_2",
                                     "sub_address_3", "scr_mask_bits", "btnPrevSubnet",
                                     "btnNextSubnet", "btnNextTwentySubnets", "chk_31bit"}));
    }

    void squeeze_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("squeezed");
        QTest::newRow("empty") << ""
                               << "";
        QTest::newRow("blanks everywhere, tab kept") << "  1 9\t2 "
                                                     << "19\t2";
    }
    void squeeze()
    {
        QFETCH(QString, text);
        QFETCH(QString, squeezed);
        QCOMPARE(ucSubnetCalc::squeeze(text), squeezed);
    }

    void setBackColorPaintsThePanel()
    {
        Panel p;
        p.panel->SetBackColor(0x0000FF00);
        QCOMPARE(p.panel->palette().color(QPalette::Window), QColor(0, 255, 0));
    }

    void accessKeyFocusesTheFirstOctet()
    {
        Panel p;
        p.maskBits()->setFocus();
        QTest::keyClick(p.panel.get(), Qt::Key_H, Qt::AltModifier);
        QCOMPARE(p.focusIndex(), 0);
    }
};

FEROL_REGISTER_TEST(TestSubnetPanel)
#include "tst_ucsubnetcalc.moc"
