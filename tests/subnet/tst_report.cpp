#include "subnet/report.h"

#include <QTest>

class TestSubnetReportText : public QObject
{
    Q_OBJECT

private slots:
    void lines()
    {
        QCOMPARE(SubnetReportHeader(), "Subnet" + QString(10, ' ') + ",   Valid Hosts" +
                                           QString(23, ' ') + ",   Broadcast" + QString(7, ' '));
        // Long texts are cut to their cells; a range under nine characters shortens its row.
        QCOMPARE(SubnetReportRow("255.255.255.255X", QString(40, 'h'), "1"),
                 "255.255.255.255X,   " + QString(34, 'h') + ",   1" + QString(15, ' '));
        QCOMPARE(SubnetReportRow("1.0.0.0", "1 to 2", "b").size(), 74 - 3);
    }
};

QTEST_GUILESS_MAIN(TestSubnetReportText)
#include "tst_report.moc"
