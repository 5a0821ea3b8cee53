// The subnet tab and ferol-calc give one answer: random addresses of classes A to C (127 aside)
// with lengths 1 to 30, typed into the panel and handed to one batch of the real executable.

#include "subnet/ucsubnetcalc.h"
#include "support/run_calc.h"
#include "support/test_seed.h"
#include "testing/recordingshellservices.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QRandomGenerator>
#include <QScrollBar>
#include <QTest>

namespace {

QString JsonText(const QJsonValue& value)
{
    return value.isNull() ? QString() : value.toVariant().toString();
}

} // namespace

class TestPanelAndCommandLine : public QObject
{
    Q_OBJECT

private slots:
    void sameAnswers()
    {
        QRandomGenerator random(TestSeed("FEROL_AGREEMENT_SEED", 20261207));
        QStringList inputs;
        while (inputs.size() < 2000) {
            const quint32 first = 1 + random.bounded(223);
            if (first == 127)
                continue;
            inputs << QString("%1.%2.%3.%4/%5")
                          .arg(first)
                          .arg(random.bounded(256))
                          .arg(random.bounded(256))
                          .arg(random.bounded(256))
                          .arg(1 + random.bounded(30));
        }

        const CalcAnswer calc =
            RunCalc({"subnet", "-", "--json"}, (inputs.join('\n') + '\n').toLatin1());
        QCOMPARE(calc.status, 0);
        const QStringList answers = calc.out.trimmed().split('\n');
        QCOMPARE(answers.size(), inputs.size());

        RecordingShellServices services;
        ucSubnetCalc panel(services);
        auto* length = panel.findChild<QScrollBar*>("scr_mask_bits");
        const auto text = [&](const char* name) {
            return panel.findChild<QWidget*>(name)->property("text").toString();
        };
        for (qsizetype i = 0; i < inputs.size(); ++i) {
            const QStringList octets = inputs[i].section('/', 0, 0).split('.');
            for (int k = 0; k < 4; ++k)
                panel.findChild<QLineEdit*>("sub_address_" + QString::number(k))
                    ->setText(octets[k]);
            length->setValue(inputs[i].section('/', 1).toInt());

            const QJsonObject cli = QJsonDocument::fromJson(answers[i].toUtf8()).object();
            const QStringList shown = {text("lbl_the_subnet"),  text("lbl_the_broad"),
                                       text("lbl_subnet_mask"), text("txt_hosts"),
                                       text("lbl_info_1"),      text("lbl_info_2"),
                                       text("lbl_sub2")};
            const QStringList told = {
                JsonText(cli["network"]),
                JsonText(cli["broadcast"]),
                JsonText(cli["mask"]),
                JsonText(cli["first_host"]) + " to " + JsonText(cli["last_host"]),
                JsonText(cli["max_subnets"]),
                JsonText(cli["max_hosts"]),
                JsonText(cli["status"])};
            QCOMPARE(std::pair(inputs[i], shown), std::pair(inputs[i], told));
        }
    }
};

QTEST_MAIN(TestPanelAndCommandLine)
#include "tst_panel_and_command_line.moc"
