#include "panelfixture.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

const QString kReport = QStringLiteral("/Ferol Subnet Calculator/subnets.txt");

// The report's data rows, read back from the file; the header and the final CR LF go.
QStringList ReportRows(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {"<cannot read " + path + ">"};
    QStringList lines = QString::fromLatin1(file.readAll()).split("\r\n");
    return lines.mid(1, lines.size() - 2);
}

// A panel whose reports go to a fresh documents folder.
struct ReportPanel : Panel
{
    ReportPanel() { services.documentsFolderPath = documents.path(); }
    QString reportPath() const { return documents.path() + kReport; }
    QTemporaryDir documents;
};

} // namespace

class TestSubnetCommands : public QObject
{
    Q_OBJECT

private slots:
    void stepping_data()
    {
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("to");
        QTest::addColumn<QString>("message");
        const auto row = [](const char* name, const char* from, const char* button, const char* to,
                            const char* message = "") {
            QTest::newRow(name) << QString(from) << QString(button) << QString(to)
                                << QString(message);
        };
        row("next /24", "192.168.1.77/24", "btnNextSubnet", "192.168.2.77/24");
        row("next /26", "192.168.1.77/26", "btnNextSubnet", "192.168.1.141/26");
        row("prev /26", "192.168.1.77/26", "btnPrevSubnet", "192.168.1.13/26");
        row("next /31", "10.0.0.4/31", "btnNextSubnet", "10.0.0.6/31");
        row("carry", "192.168.1.200/26", "btnNextSubnet", "192.168.2.0/26");
        row("carry into the first octet", "10.255.255.1/16", "btnNextSubnet", "11.0.255.1/16");
        row("borrow", "192.168.1.30/26", "btnPrevSubnet", "192.168.0.192/26");
        row("class change resets the length", "10.0.0.0/1", "btnNextSubnet", "138.0.0.0/16");
        row("last subnet", "255.255.255.0/24", "btnNextSubnet", "255.255.255.0/24",
            "This is the last subnet.");
        row("last /4", "240.0.0.0/4", "btnNextSubnet", "240.0.0.0/4", "This is the last subnet.");
        row("onto the first subnet", "0.0.1.0/24", "btnPrevSubnet", "0.0.0.0/24");
        row("first subnet", "0.0.0.0/24", "btnPrevSubnet", "0.0.0.0/24",
            "This is the first subnet.");
        row("/32 stays", "10.0.0.4/32", "btnPrevSubnet", "10.0.0.4/32");
        row("next, empty second box", "1..1.1/8", "btnNextSubnet", "1..1.1/8",
            " You must enter the IP Address");
        row("prev, empty second box", "1..1.1/8", "btnPrevSubnet", "1..1.1/8",
            "You must enter the IP Address");
        row("next, empty fourth box", "1.1.1./8", "btnNextSubnet", "1.1.1./8",
            "You must enter the IP Address");
        row("prev, empty fourth box", "1.1.1./8", "btnPrevSubnet", "1.1.1./8",
            " You must enter the IP Address");
        row("report, empty fourth box", "1.1.1./8", "btnNextTwentySubnets", "1.1.1./8",
            "You must enter the IP Address");
    }
    void stepping()
    {
        QFETCH(QString, from);
        QFETCH(QString, button);
        QFETCH(QString, to);
        QFETCH(QString, message);
        ReportPanel p;
        p.enter(from);
        const QString before = p.text("lbl_sub2") + p.text("txt_hosts") + p.text("sub_class");
        p.click(button);
        QCOMPARE(p.dotted() + '/' + QString::number(p.maskBits()->value()), to);
        QCOMPARE(p.services.messages.size(), message.isEmpty() ? 0 : 1);
        if (message.isEmpty())
            return;
        QCOMPARE(p.services.messages[0].title + ':' + p.services.messages[0].text,
                 "Subnet Calculator:" + message);
        QCOMPARE(p.text("lbl_sub2") + p.text("txt_hosts") + p.text("sub_class"), before);
        if (from.contains(".."))
            QCOMPARE(p.focusIndex(), 1);
        QVERIFY(QDir(p.documents.path()).isEmpty());
    }

    void report_data()
    {
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("subnets"); // the first three rows' subnets, the row count
        QTest::addColumn<QString>("after");
        const auto row = [](const char* from, const char* subnets, const char* after) {
            QTest::newRow(from) << QString(from) << QString(subnets) << QString(after);
        };
        row("192.168.1.0/24", "192.168.1.0 192.168.2.0 192.168.3.0 20", "192.168.1.0");
        row("192.168.1.200/26", "192.168.1.192 192.168.2.0 192.168.2.64 20", "192.168.1.192");
        row("126.0.0.0/8", "126.0.0.0 127.0.0.0 127.1.0.0 20", "126.255.0.0");
        row("10.0.0.4/32", "10.0.0.4 10.0.0.4 10.0.0.4 20", "10.0.0.4");
        row("255.255.240.0/24", "255.255.240.0 255.255.241.0 255.255.242.0 16", "255.255.240.0");
    }
    void report()
    {
        QFETCH(QString, from);
        QFETCH(QString, subnets);
        QFETCH(QString, after);
        ReportPanel p;
        p.enter(from);
        p.click("btnNextTwentySubnets");
        QCOMPARE(p.services.textViewerPaths, QStringList{QDir::toNativeSeparators(p.reportPath())});
        QVERIFY(p.services.messages.isEmpty());
        const QStringList rows = ReportRows(p.reportPath());
        QStringList first;
        for (const QString& row : rows.mid(0, 3))
            first << row.left(16).trimmed();
        QCOMPARE(first.join(' ') + ' ' + QString::number(rows.size()), subnets);
        QCOMPARE(p.dotted(), after);
    }

    void reportReplacesAnEarlierOne()
    {
        ReportPanel p;
        QVERIFY(QDir(p.documents.path()).mkpath("Ferol Subnet Calculator"));
        QFile old(p.reportPath());
        QVERIFY(old.open(QIODevice::WriteOnly) && old.write(QByteArray(10000, 'x')) == 10000);
        old.close();
        p.enter("192.168.1.0/24");
        p.click("btnNextTwentySubnets");
        QCOMPARE(QFileInfo(p.reportPath()).size(), 21 * 76);
        QCOMPARE(ReportRows(p.reportPath()).last(),
                 "192.168.20.0    ,   192.168.20.1 to 192.168.20.254    ,   192.168.20.255  ");
    }

    void failuresAreToldAndTheProgramGoesOn_data()
    {
        QTest::addColumn<QString>("obstacle"); // made in the documents folder; "/" = a folder
        QTest::addColumn<QString>("viewerError");
        QTest::addColumn<QString>("mentions");
        QTest::addColumn<QString>("after"); // the forward steps lose the host bits
        const auto row = [](const char* name, const char* obstacle, const char* viewerError,
                            const char* mentions, const char* after) {
            QTest::newRow(name) << QString(obstacle) << QString(viewerError) << QString(mentions)
                                << QString(after);
        };
        row("folder name taken by a file", "Ferol Subnet Calculator", "", "Ferol Subnet Calculator",
            "192.168.1.200");
        row("report name taken by a folder", "Ferol Subnet Calculator/subnets.txt/", "",
            "subnets.txt", "192.168.1.192");
        row("no text viewer", "", "no viewer", "no viewer", "192.168.1.192");
    }
    void failuresAreToldAndTheProgramGoesOn()
    {
        QFETCH(QString, obstacle);
        QFETCH(QString, viewerError);
        QFETCH(QString, mentions);
        QFETCH(QString, after);
        ReportPanel p;
        if (obstacle.endsWith('/'))
            QVERIFY(QDir(p.documents.path()).mkpath(obstacle));
        else if (!obstacle.isEmpty())
            QVERIFY(QFile(p.documents.filePath(obstacle)).open(QIODevice::WriteOnly));
        p.services.textViewerError = viewerError;
        p.enter("192.168.1.200/26");
        p.click("btnNextTwentySubnets");
        QCOMPARE(p.services.messages.size(), 1);
        QVERIFY2(p.services.messages[0].text.contains(mentions),
                 qPrintable(p.services.messages[0].text));
        QCOMPARE(p.dotted(), after);
    }
};

QTEST_MAIN(TestSubnetCommands)
#include "tst_subnet_commands.moc"
