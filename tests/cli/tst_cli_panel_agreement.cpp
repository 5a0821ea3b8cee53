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
            const auto figure = [&](const char* key) {
                const QJsonValue value = json.value(QLatin1String(key));
                return value.isNull() ? QString() : QString::number(qint64(value.toDouble()));
            };
            QCOMPARE(figure("subnet_bits"), tab.text("lbl_info_0"));
            QCOMPARE(figure("max_subnets"), tab.text("lbl_info_1"));
            QCOMPARE(figure("max_hosts"), tab.text("lbl_info_2"));
            QCOMPARE(figure("host_bits"), tab.text("lbl_info_3"));
            QCOMPARE(json.value("status").toString(), tab.text("lbl_sub2"));
            QCOMPARE(json.value("class").toString(), tab.text("sub_class"));
            QCOMPARE(json.value("mask").toString(), tab.text("lbl_subnet_mask"));
            QCOMPARE(json.value("network").toString(), tab.text("lbl_the_subnet"));
            QCOMPARE(json.value("broadcast").toString(), tab.text("lbl_the_broad"));
        }
    }
};

QTEST_MAIN(TestCliPanelAgreement)
#include "tst_cli_panel_agreement.moc"
