#include "subnet/report.h"
#include "support/testregistry.h"

#include <QTest>

class TestSubnetReportText : public QObject
{
    Q_OBJECT

private slots:
    void lines_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("expected");
        QTest::newRow("header") << SubnetReportHeader()
                                << QStringLiteral(
                                       "Subnet          ,   Valid Hosts                       "
                                       ",   Broadcast       ");
        QTest::newRow("/24 row") << SubnetReportRow("192.168.1.0", "192.168.1.1 to 192.168.1.254",
                                                    "192.168.1.255")
                                 << QStringLiteral(
                                        "192.168.1.0     ,   192.168.1.1 to 192.168.1.254      "
                                        ",   192.168.1.255   ");
        QTest::newRow("long texts are cut")
            << SubnetReportRow("255.255.255.255X", "255.255.255.254 to 255.255.255.254X", "1")
            << QStringLiteral("255.255.255.255X,   255.255.255.254 to 255.255.255.254"
                              ",   1               ");
        QTest::newRow("short range shortens the row")
            << SubnetReportRow("1.0.0.0", "1 to 2", "1.0.0.3")
            << QStringLiteral(
                   "1.0.0.0         ,   1 to 2                         ,   1.0.0.3         ");
    }
    void lines()
    {
        QFETCH(QString, line);
        QFETCH(QString, expected);
        QCOMPARE(line, expected);
    }

    void everyLineEndsInCrLf()
    {
        const QByteArray bytes = SubnetReportBytes({SubnetReportHeader(), QStringLiteral("x")});
        QCOMPARE(bytes.size(), 74 + 2 + 1 + 2);
        QVERIFY(bytes.startsWith(SubnetReportHeader().toLatin1() + "\r\n"));
        QVERIFY(bytes.endsWith("x\r\n"));
    }
};

FEROL_REGISTER_TEST(TestSubnetReportText)
#include "tst_report.moc"
