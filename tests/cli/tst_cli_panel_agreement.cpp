// The command line and the subnet tab, given the same address, mask length and option,
// show the same classful figures, status and addresses.

#include "cli/cli_run.h"
#include "panelfixture.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QRandomGenerator>

class TestCliPanelAgreement : public QObject
{
    Q_OBJECT

private slots:
    void classfulFiguresMatchTheSubnetTab()
    {
        Panel tab;
        auto* option = tab.panel.findChild<QCheckBox*>(QStringLiteral("chk_31bit"));
        QRandomGenerator random(1406);
        for (int round = 0; round < 1500; ++round) {
            const quint32 address = random.generate();
            // The tab's scroll bar runs from 1 to 32; long masks are where the status varies.
            const int m = round % 3 ? random.bounded(1, 33) : random.bounded(28, 33);
            const bool rfc = random.bounded(2) == 1;
            const QString input = QStringLiteral("%1.%2.%3.%4/%5")
                                      .arg(address >> 24)
                                      .arg((address >> 16) & 255)
                                      .arg((address >> 8) & 255)
                                      .arg(address & 255)
                                      .arg(m);
            option->setChecked(rfc);
            tab.enter(input);

            QStringList arguments = {QStringLiteral("subnet"), input, QStringLiteral("--json")};
            if (rfc)
                arguments << QStringLiteral("--rfc3021");
            const QJsonObject json =
                QJsonDocument::fromJson(RunFerolCalc(arguments).out.toUtf8()).object();
            QStringList figures;
            for (const char* key : {"subnet_bits", "max_subnets", "max_hosts", "host_bits"}) {
                const QJsonValue value = json.value(QLatin1String(key));
                figures << (value.isNull() ? QString() : QString::number(qint64(value.toDouble())));
            }
            for (const char* key : {"status", "class", "mask", "network", "broadcast"})
                figures << json.value(QLatin1String(key)).toString();
            QStringList shown;
            for (const char* name :
                 {"lbl_info_0", "lbl_info_1", "lbl_info_2", "lbl_info_3", "lbl_sub2", "sub_class",
                  "lbl_subnet_mask", "lbl_the_subnet", "lbl_the_broad"})
                shown << tab.text(QLatin1String(name));
            QCOMPARE(figures, shown);
        }
    }
};

QTEST_MAIN(TestCliPanelAgreement)
#include "tst_cli_panel_agreement.moc"
