#include "panelfixture.h"

#include <QClipboard>
#include <QGuiApplication>

class TestResultLabels : public QObject
{
    Q_OBJECT

private slots:
    void selectedWithMouseAndCopied_data()
    {
        QTest::addColumn<QString>("name");
        for (const char* name : {"sub_class", "lbl_mask_bits", "lbl_subnet_mask", "lbl_sub2",
                                 "lbl_info_0", "lbl_info_1", "lbl_info_2", "lbl_info_3",
                                 "lbl_bonus", "lbl_bonus2", "lbl_the_subnet", "lbl_the_broad"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }

    void selectedWithMouseAndCopied()
    {
        QFETCH(QString, name);
        Panel p;
        p.enter("192.168.1.130/26");
        auto* label = p.panel.findChild<QLabel*>(name);
        QVERIFY(label && !label->text().isEmpty());
        QGuiApplication::clipboard()->clear();

        // A drag along the text's line (labels are top-aligned) across the whole label.
        const int middle = label->fontMetrics().height() / 2;
        QTest::mousePress(label, Qt::LeftButton, {}, QPoint(0, middle));
        QTest::mouseMove(label, QPoint(label->width() - 1, middle));
        QTest::mouseRelease(label, Qt::LeftButton, {}, QPoint(label->width() - 1, middle));
        QCOMPARE(label->selectedText(), label->text());

        QTest::keyClick(QApplication::focusWidget(), Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), label->text());
    }

    // Tab from the first address box around the whole panel: no label is ever a stop.
    void tabNeverStopsOnALabel()
    {
        Panel p;
        p.address(0)->setFocus();
        QStringList stops;
        for (int press = 0; press < 40; ++press) {
            QWidget* focus = QApplication::focusWidget();
            stops << focus->objectName();
            QVERIFY2(!qobject_cast<QLabel*>(focus), qPrintable(stops.join(' ')));
            QTest::keyClick(focus, Qt::Key_Tab);
        }
        QVERIFY2(stops.contains("scr_mask_bits"), qPrintable(stops.join(' ')));
    }
};

QTEST_MAIN(TestResultLabels)
#include "tst_result_labels.moc"
