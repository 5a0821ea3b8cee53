#include "core/octet_routines.h"
#include "support/hostileinput.h"
#include "support/recordingshellservices.h"
#include "wildcard/ucwildcardchecker.h"

#include <QLineEdit>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

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
        const auto boxes = panel.findChildren<QLineEdit*>(QRegularExpression("^ipadd1_[0-7]$"));
        QStringList before;
        // Whether the user has typed into a list since the octets last changed; the next
        // run of the engine overwrites that.
        bool listsEdited = false;
        const auto problems = [&](QWidget* focused, bool) {
            QStringList octets, found;
            for (const QLineEdit* box : boxes) {
                const double value = NumericValue(octets.emplace_back(box->text()));
                if (box->text() != "0" && (value < 1 || value > 255))
                    found += "octet box " + box->text().left(60);
            }
            listsEdited =
                (listsEdited && octets == before) || focused->objectName().startsWith("validip_");
            before = octets;
            if (!listsEdited)
                found += TextsNotMatching(
                    &panel, {{"validip_[0-3]", QString("( %1(- %1)?\n)+").arg(kOctetPattern)}});
            return found.join(' ').trimmed();
        };
        const QString failure = RunHostileInput(&panel, 3000, problems);
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
    }
};

QTEST_MAIN(TestWildcardHostileInput)
#include "tst_wildcard_hostile_input.moc"
