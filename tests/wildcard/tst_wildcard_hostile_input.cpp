#include "core/octet_routines.h"
#include "support/hostileinput.h"
#include "support/recordingshellservices.h"
#include "wildcard/ucwildcardchecker.h"

#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace {

// The values a match list names, or -1 in it for a line that is no run of values.
QList<int> ListedValues(const QString& list)
{
    static const QRegularExpression run(R"(^ (\d+)(?:- (\d+))?$)");
    QList<int> values;
    for (const QString& line : list.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        const QRegularExpressionMatch m = run.match(line);
        if (!m.hasMatch())
            return {-1};
        const int first = m.captured(1).toInt();
        const int last = m.captured(2).isEmpty() ? first : m.captured(2).toInt();
        for (int v = first; v <= last; ++v)
            values += v;
    }
    return values;
}

QString Octets(const ucWildCardChecker& panel)
{
    QStringList texts;
    for (int k = 0; k < 8; ++k)
        texts += panel.findChild<QLineEdit*>("ipadd1_" + QString::number(k))->text();
    return texts.join('|');
}

// listsEdited: the user has typed into a result box since the octets last changed, so
// the lists need not match them.
QString Problems(const ucWildCardChecker& panel, const QString& reportPath, bool listsEdited)
{
    QStringList problems;
    std::array<int, 8> octets{};
    for (int k = 0; k < 8; ++k) {
        const QString text = panel.findChild<QLineEdit*>("ipadd1_" + QString::number(k))->text();
        const double value = NumericValue(text);
        if (text != "0" && (value < 1 || value > 255))
            problems += "octet box " + text;
        octets[k] = RoundToInt16(value);
    }
    for (int k = 0; k < 4 && !listsEdited; ++k) {
        const QString list =
            panel.findChild<QPlainTextEdit*>("validip_" + QString::number(k))->toPlainText();
        QList<int> expected;
        for (int v = 0; v < 256; ++v) {
            if (((v ^ octets[k]) & ~octets[k + 4] & 255) == 0)
                expected += v;
        }
        if (ListedValues(list) != expected)
            problems += "list " + QString::number(k) + ": " + list.left(60);
    }
    QFile report(reportPath);
    if (report.open(QIODevice::ReadOnly)) {
        const QByteArray bytes = report.readAll();
        if (bytes.count("\n") != bytes.count("\r\n"))
            problems += "report line ends: " + QString::fromUtf8(bytes.left(200));
        report.remove();
    }
    return problems.join("; ");
}

} // namespace

class TestWildcardHostileInput : public QObject
{
    Q_OBJECT

private slots:
    void everyStepLeavesAWellFormedPanel()
    {
        QTemporaryDir documents;
        RecordingShellServices services;
        services.documentsFolderPath = documents.path();
        ucWildCardChecker panel(services);
        panel.resize(panel.sizeHint());
        panel.show();
        panel.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&panel));
        const QString reportPath = documents.path() + "/Ferol Subnet Calculator/wildcard.txt";
        HostileInput input(&panel);
        QStringList recent;
        bool listsEdited = false;
        for (int n = 0; n < 3000; ++n) {
            const QString before = Octets(panel);
            recent = (recent << input.step()).mid(recent.size() >= 8 ? 1 : 0);
            if (Octets(panel) != before)
                listsEdited = false;
            if (input.lastWidget()->objectName().startsWith("validip_"))
                listsEdited = true;
            const QString problems = Problems(panel, reportPath, listsEdited);
            QVERIFY2(problems.isEmpty(),
                     qPrintable(QStringLiteral("seed %1, step %2: %3\nlast steps:\n  %4")
                                    .arg(input.seed())
                                    .arg(n)
                                    .arg(problems, recent.join("\n  "))));
        }
    }
};

QTEST_MAIN(TestWildcardHostileInput)
#include "tst_wildcard_hostile_input.moc"
