#include "panelfixture.h"
#include "support/testregistry.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <unistd.h>

namespace {

// The report's rows (without the header), read back from the file.
QStringList ReportRows(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {QStringLiteral("<cannot read %1>").arg(path)};
    QStringList lines = QString::fromLatin1(file.readAll()).split(QStringLiteral("\r\n"));
    lines.removeLast(); // after the final CR LF
    lines.removeFirst();
    return lines;
}

QString Subnet(const QString& row)
{
    return row.left(16).trimmed();
}

} // namespace

class TestSubnetCommands : public QObject
{
    Q_OBJECT

private slots:
    void stepping_data()
    {
        QTest::addColumn<QString>("from");
        QTest::addColumn<int>("bits");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("to");
        QTest::addColumn<int>("bitsAfter");
        QTest::newRow("next /24") << "192.168.1.77" << 24 << "btnNextSubnet"
                                  << "192.168.2.77" << 24;
        QTest::newRow("prev /26") << "192.168.1.77" << 26 << "btnPrevSubnet"
                                  << "192.168.1.13" << 26;
        QTest::newRow("carry") << "192.168.1.200" << 26 << "btnNextSubnet"
                               << "192.168.2.0" << 26;
        QTest::newRow("borrow") << "192.168.1.30" << 26 << "btnPrevSubnet"
                                << "192.168.0.192" << 26;
        QTest::newRow("carry into the first octet") << "10.255.255.1" << 16 << "btnNextSubnet"
                                                    << "11.0.255.1" << 16;
        QTest::newRow("class change resets the length") << "10.0.0.0" << 1 << "btnNextSubnet"
                                                        << "138.0.0.0" << 16;
        QTest::newRow("into loopback") << "126.0.0.0" << 8 << "btnNextSubnet"
                                       << "127.0.0.0" << 16;
    }
    void stepping()
    {
        QFETCH(QString, from);
        QFETCH(int, bits);
        QFETCH(QString, button);
        QFETCH(QString, to);
        QFETCH(int, bitsAfter);
        Panel p;
        p.enter(from);
        p.maskBits()->setValue(bits);
        p.click(button);
        QCOMPARE(p.dotted(), to);
        QCOMPARE(p.maskBits()->value(), bitsAfter);
        QVERIFY(p.services.messages.isEmpty());
    }

    void nothingChangesWhereNoStepExists_data()
    {
        QTest::addColumn<QString>("from");
        QTest::addColumn<int>("bits");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("message");
        QTest::newRow("last subnet") << "255.255.255.0" << 24 << "btnNextSubnet"
                                     << "This is the last subnet.";
        QTest::newRow("last /4") << "240.0.0.0" << 4 << "btnNextSubnet"
                                 << "This is the last subnet.";
        QTest::newRow("first subnet") << "0.0.0.0" << 24 << "btnPrevSubnet"
                                      << "This is the first subnet.";
        QTest::newRow("/32 forward") << "10.0.0.4" << 32 << "btnNextSubnet"
                                     << "";
        QTest::newRow("/32 back") << "10.0.0.4" << 32 << "btnPrevSubnet"
                                  << "";
    }
    void nothingChangesWhereNoStepExists()
    {
        QFETCH(QString, from);
        QFETCH(int, bits);
        QFETCH(QString, button);
        QFETCH(QString, message);
        Panel p;
        p.enter(from);
        p.maskBits()->setValue(bits);
        const QStringList before = p.snapshot();
        p.click(button);
        QCOMPARE(p.snapshot(), before);
        if (message.isEmpty()) {
            QVERIFY(p.services.messages.isEmpty());
        } else {
            QCOMPARE(p.services.messages.size(), 1);
            QCOMPARE(p.services.messages[0].title, QStringLiteral("Subnet Calculator"));
            QCOMPARE(p.services.messages[0].text, message);
        }
    }

    void emptyBoxes_data()
    {
        QTest::addColumn<QString>("address");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("focus");
        QTest::newRow("next, second box") << "1..1.1"
                                          << "btnNextSubnet"
                                          << " You must enter the IP Address" << 1;
        QTest::newRow("prev, second box") << "1..1.1"
                                          << "btnPrevSubnet"
                                          << "You must enter the IP Address" << 1;
        QTest::newRow("next, fourth box") << "1.1.1."
                                          << "btnNextSubnet"
                                          << "You must enter the IP Address" << 3;
        QTest::newRow("prev, fourth box") << "1.1.1."
                                          << "btnPrevSubnet"
                                          << " You must enter the IP Address" << 3;
        QTest::newRow("report, third box") << "1.1..1"
                                           << "btnNextTwentySubnets"
                                           << " You must enter the IP Address" << 2;
        QTest::newRow("report, fourth box") << "1.1.1."
                                            << "btnNextTwentySubnets"
                                            << "You must enter the IP Address" << 3;
    }
    void emptyBoxes()
    {
        QFETCH(QString, address);
        QFETCH(QString, button);
        QFETCH(QString, message);
        QFETCH(int, focus);
        QTemporaryDir documents;
        Panel p;
        p.services.documentsFolderPath = documents.path();
        p.enter(address);
        const QStringList before = p.snapshot();
        p.click(button);
        QCOMPARE(p.services.messages.size(), 1);
        QCOMPARE(p.services.messages[0].text, message);
        QCOMPARE(p.focusIndex(), focus);
        QCOMPARE(p.snapshot(), before);
        QVERIFY(p.services.textViewerPaths.isEmpty());
        QVERIFY(QDir(documents.path()).isEmpty());
    }

    void report_data()
    {
        QTest::addColumn<QString>("from");
        QTest::addColumn<int>("bits");
        QTest::addColumn<QStringList>("firstSubnets");
        QTest::addColumn<int>("rows");
        QTest::addColumn<QString>("after");
        QTest::newRow("/24") << "192.168.1.0" << 24
                             << QStringList{"192.168.1.0", "192.168.2.0", "192.168.3.0"} << 20
                             << "192.168.1.0";
        QTest::newRow("/26 from a host")
            << "192.168.1.200" << 26 << QStringList{"192.168.1.192", "192.168.2.0", "192.168.2.64"}
            << 20 << "192.168.1.192";
        QTest::newRow("into loopback")
            << "126.0.0.0" << 8 << QStringList{"126.0.0.0", "127.0.0.0", "127.1.0.0"} << 20
            << "126.255.0.0";
        QTest::newRow("/32 repeats")
            << "10.0.0.4" << 32 << QStringList{"10.0.0.4", "10.0.0.4", "10.0.0.4"} << 20
            << "10.0.0.4";
        QTest::newRow("end of the address space")
            << "255.255.240.0" << 24 << QStringList{"255.255.240.0", "255.255.241.0"} << 16
            << "255.255.240.0";
    }
    void report()
    {
        QFETCH(QString, from);
        QFETCH(int, bits);
        QFETCH(QStringList, firstSubnets);
        QFETCH(int, rows);
        QFETCH(QString, after);
        QTemporaryDir documents;
        Panel p;
        p.services.documentsFolderPath = documents.path();
        p.enter(from);
        p.maskBits()->setValue(bits);
        p.click(QStringLiteral("btnNextTwentySubnets"));

        const QString path =
            QDir::toNativeSeparators(documents.path() + "/Ferol Subnet Calculator/subnets.txt");
        QCOMPARE(p.services.textViewerPaths, QStringList{path});
        QVERIFY(p.services.messages.isEmpty());
        const QStringList lines = ReportRows(path);
        QCOMPARE(lines.size(), rows);
        for (int i = 0; i < firstSubnets.size(); ++i)
            QCOMPARE(Subnet(lines[i]), firstSubnets[i]);
        QCOMPARE(p.dotted(), after);
    }

    void reportRowsMatchThePanel()
    {
        QTemporaryDir documents;
        Panel p;
        p.services.documentsFolderPath = documents.path();
        p.enter(QStringLiteral("192.168.1.0"));
        p.click(QStringLiteral("btnNextTwentySubnets"));
        const QStringList lines =
            ReportRows(documents.path() + "/Ferol Subnet Calculator/subnets.txt");
        QCOMPARE(lines.last(),
                 QStringLiteral("192.168.20.0    ,   192.168.20.1 to 192.168.20.254    "
                                ",   192.168.20.255  "));
        QCOMPARE(p.dotted(), QStringLiteral("192.168.1.0"));
    }

    void anEarlierReportIsReplaced()
    {
        QTemporaryDir documents;
        QVERIFY(QDir(documents.path()).mkpath("Ferol Subnet Calculator"));
        const QString path = documents.path() + "/Ferol Subnet Calculator/subnets.txt";
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write(QByteArray(10000, 'x'));
        old.close();
        Panel p;
        p.services.documentsFolderPath = documents.path();
        p.enter(QStringLiteral("10.0.0.0"));
        p.click(QStringLiteral("btnNextTwentySubnets"));
        QCOMPARE(QFileInfo(path).size(), 21 * 76);
    }

    void failuresAreReported_data()
    {
        QTest::addColumn<QString>("blocker"); // a relative path made into the obstacle
        QTest::addColumn<QString>("viewerError");
        QTest::addColumn<QString>("mentions");
        QTest::newRow("folder blocked by a file") << "Ferol Subnet Calculator"
                                                  << ""
                                                  << "Ferol Subnet Calculator";
        QTest::newRow("report name taken by a folder") << "Ferol Subnet Calculator/subnets.txt/"
                                                       << ""
                                                       << "subnets.txt";
        QTest::newRow("viewer fails") << ""
                                      << "no viewer"
                                      << "no viewer";
    }
    void failuresAreReported()
    {
        QFETCH(QString, blocker);
        QFETCH(QString, viewerError);
        QFETCH(QString, mentions);
        QTemporaryDir documents;
        if (blocker.endsWith('/')) {
            QVERIFY(QDir(documents.path()).mkpath(blocker));
        } else if (!blocker.isEmpty()) {
            QFile file(documents.filePath(blocker));
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        Panel p;
        p.services.documentsFolderPath = documents.path();
        p.services.textViewerError = viewerError;
        p.enter(QStringLiteral("10.0.0.0"));
        p.click(QStringLiteral("btnNextTwentySubnets"));
        QCOMPARE(p.services.messages.size(), 1);
        QCOMPARE(p.services.messages[0].title, QStringLiteral("Subnet Calculator"));
        QVERIFY2(p.services.messages[0].text.contains(mentions),
                 qPrintable(p.services.messages[0].text));
        QCOMPARE(p.dotted(), QStringLiteral("10.0.0.0"));
    }

    void anUnwritableFolderKeepsTheEarlierReport()
    {
        if (geteuid() == 0)
            QSKIP("folder permissions do not bind root");
        QTemporaryDir documents;
        QVERIFY(QDir(documents.path()).mkpath("Ferol Subnet Calculator"));
        const QString folder = documents.path() + "/Ferol Subnet Calculator";
        QFile old(folder + "/subnets.txt");
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("earlier report\r\n");
        old.close();
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner);
        Panel p;
        p.services.documentsFolderPath = documents.path();
        p.enter(QStringLiteral("10.0.0.0"));
        p.click(QStringLiteral("btnNextTwentySubnets"));
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QCOMPARE(p.services.messages.size(), 1);
        QVERIFY(p.services.textViewerPaths.isEmpty());
        QVERIFY(old.open(QIODevice::ReadOnly));
        QCOMPARE(old.readAll(), QByteArray("earlier report\r\n"));
    }
};

FEROL_REGISTER_TEST(TestSubnetCommands)
#include "tst_subnet_commands.moc"
