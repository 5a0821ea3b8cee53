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
};

QTEST_MAIN(TestResultLabels)
#include "tst_result_labels.moc"
