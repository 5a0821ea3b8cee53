#include "subnet/host_entry.h"
#include "support/testregistry.h"

#include <QTest>

class TestHostEntry : public QObject
{
    Q_OBJECT

private slots:
    void classes_data()
    {
        QTest::addColumn<double>("firstOctet");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<int>("cls");
        QTest::newRow("0") << 0.0 << "Class A Address" << 1;
        QTest::newRow("126") << 126.0 << "Class A Address" << 1;
        QTest::newRow("127 is loopback, class 2") << 127.0 << "Loopback Address" << 2;
        QTest::newRow("128") << 128.0 << "Class B Address" << 2;
        QTest::newRow("191") << 191.0 << "Class B Address" << 2;
        QTest::newRow("192") << 192.0 << "Class C Address" << 3;
        QTest::newRow("223") << 223.0 << "Class C Address" << 3;
        QTest::newRow("224") << 224.0 << "Invalid IP Address" << 3;
        QTest::newRow("negative paste") << -4.0 << "Class A Address" << 1;
    }
    void classes()
    {
        QFETCH(double, firstOctet);
        QFETCH(QString, caption);
        QFETCH(int, cls);
        const AddressClass found = ClassifyFirstOctet(firstOctet);
        QCOMPARE(found.caption, caption);
        QCOMPARE(found.addrClass, cls);
    }

    void binary_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("bits");
        QTest::newRow("empty reads as 0") << ""
                                          << "00000000";
        QTest::newRow("192") << "192"
                             << "11000000";
        QTest::newRow("leading number of a paste") << "12abc"
                                                   << "00001100";
        QTest::newRow("half rounds to even") << "2.5"
                                             << "00000010";
        QTest::newRow("negative") << "-5"
                                  << "11111011";
        QTest::newRow("below 16 bits") << "-99999"
                                       << "10000000";
    }
    void binary()
    {
        QFETCH(QString, text);
        QFETCH(QString, bits);
        QCOMPARE(HostOctetBinary(text), bits);
    }
};

FEROL_REGISTER_TEST(TestHostEntry)
#include "tst_host_entry.moc"
