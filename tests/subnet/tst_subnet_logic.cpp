// The subnet list's report lines. The figures the panel shows come from the net core,
// checked against plain arithmetic there, and are compared with ferol-calc's answers in
// tst_panel_and_command_line.

#include "subnet/report.h"

#include <QTest>

class TestSubnetLogic : public QObject
{
    Q_OBJECT

private slots:
    // Long texts are cut to their cells; a range under nine characters shortens its row.
    void reportLines()
    {
        QCOMPARE(SubnetReportHeader(), "Subnet" + QString(10, ' ') + ",   Valid Hosts" +
                                           QString(23, ' ') + ",   Broadcast" + QString(7, ' '));
        QCOMPARE(SubnetReportRow("255.255.255.255X", QString(40, 'h'), "1"),
                 "255.255.255.255X,   " + QString(34, 'h') + ",   1" + QString(15, ' '));
        QCOMPARE(SubnetReportRow("1.0.0.0", "1 to 2", "b").size(), 74 - 3);
    }
};

QTEST_GUILESS_MAIN(TestSubnetLogic)
#include "tst_subnet_logic.moc"
