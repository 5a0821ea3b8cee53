#include "panelfixture.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

// A panel whose reports go to a fresh documents folder.
struct ReportPanel : Panel
{
    ReportPanel() { services.documentsFolderPath = documents.path(); }
    QString reportPath() const { return documents.path() + "/Ferol Subnet Calculator/subnets.txt"; }
    // The report's data rows, read back from the file; the header and the final CR LF go.
    QStringList reportRows() const
    {
        QFile file(reportPath());
        if (!file.open(QIODevice::ReadOnly))
            return {"<cannot read the report>"};
        const QStringList lines = QString::fromLatin1(file.readAll()).split("\r\n");
        return lines.mid(1, lines.size() - 2);
    }
    QTemporaryDir documents;
};

} // namespace

class TestSubnetCommands : public QObject
{
    Q_OBJECT

private slots:
    // "from button" to "to message"; a blank before the message belongs to it.
    void stepping_data()
    {
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        const auto row = [](const char* from, const char* to) {
            QTest::newRow(from) << QString(from) << QString(to);
        };
        row("192.168.1.77/24 next", "192.168.2.77/24");
        row("192.168.1.77/26 prev", "192.168.1.13/26");
        row("192.168.1.30/26 prev", "192.168.0.192/26");
        row("0.0.1.0/24 prev", "0.0.0.0/24");
        row("0.0.0.0/24 prev", "0.0.0.0/24 This is the first subnet.");
        row("255.255.255.0/24 next", "255.255.255.0/24 This is the last subnet.");
        row("1..1.1/8 next", "1..1.1/8  You must enter the IP Address");
        row("1..1.1/8 prev", "1..1.1/8 You must enter the IP Address");
        row("1.1.1./8 prev", "1.1.1./8  You must enter the IP Address");
        row("1.1.1./8 report", "1.1.1./8 You must enter the IP Address");
    }
    void stepping()
    {
        QFETCH(QString, from);
        QFETCH(QString, to);
        ReportPanel p;
        p.enter(from.section(' ', 0, 0));
        const QString word = from.section(' ', 1);
        p.click(word == "next"   ? "btnNextSubnet"
                : word == "prev" ? "btnPrevSubnet"
                                 : "btnNextTwentySubnets");
        QString shown = p.dotted() + '/' + QString::number(p.maskBits()->value());
        for (const RecordedMessage& message : std::as_const(p.services.messages))
            shown += ' ' + message.title + ':' + message.text;
        QCOMPARE(shown, to.section(' ', 0, 0) +
                            (to.contains(' ') ? " Subnet Calculator:" + to.section(' ', 1) : ""));
        if (!to.contains(' '))
            return;
        QCOMPARE(p.focusIndex(), from.section('/', 0, 0).split('.').indexOf(QString()));
        QVERIFY(QDir(p.documents.path()).isEmpty());
    }

    void report_data()
    {
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("subnets"); // the first three rows' subnets, the row count
        QTest::addColumn<QString>("after");   // the forward steps lose the host bits
        const auto row = [](const char* from, const char* subnets, const char* after) {
            QTest::newRow(from) << QString(from) << QString(subnets) << QString(after);
        };
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
        const QStringList rows = p.reportRows();
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
        QCOMPARE(p.reportRows().last(),
                 "192.168.20.0    ,   192.168.20.1 to 192.168.20.254    ,   192.168.20.255  ");
    }

    // The message names the path in the way, or tells the viewer's error.
    void failuresAreToldAndTheProgramGoesOn_data()
    {
        QTest::addColumn<QString>("obstacle"); // made in the documents folder; "/" = a folder
        QTest::addColumn<QString>("viewerError");
        QTest::addColumn<QString>("after"); // where the folder failed, the panel never moved
        const auto row = [](const char* name, const char* obstacle, const char* error,
                            const char* after) {
            QTest::newRow(name) << QString(obstacle) << QString(error) << QString(after);
        };
        row("folder name taken by a file", "Ferol Subnet Calculator", "", "192.168.1.200");
        row("report name taken by a folder", "Ferol Subnet Calculator/subnets.txt/", "",
            "192.168.1.192");
        row("no text viewer", "", "no viewer", "192.168.1.192");
    }
    void failuresAreToldAndTheProgramGoesOn()
    {
        QFETCH(QString, obstacle);
        QFETCH(QString, viewerError);
        QFETCH(QString, after);
        ReportPanel p;
        const QString inTheWay = p.documents.filePath(obstacle.chopped(obstacle.endsWith('/')));
        if (obstacle.endsWith('/'))
            QVERIFY(QDir().mkpath(inTheWay));
        else if (!obstacle.isEmpty())
            QVERIFY(QFile(inTheWay).open(QIODevice::WriteOnly));
        p.services.textViewerError = viewerError;
        p.enter("192.168.1.200/26");
        p.click("btnNextTwentySubnets");
        QCOMPARE(p.services.messages.size(), 1);
        const QString mentions =
            obstacle.isEmpty() ? viewerError : QDir::toNativeSeparators(inTheWay);
        QVERIFY2(p.services.messages[0].text.contains(mentions),
                 qPrintable(p.services.messages[0].text));
        QCOMPARE(p.dotted(), after);
    }
};

QTEST_MAIN(TestSubnetCommands)
#include "tst_subnet_commands.moc"
