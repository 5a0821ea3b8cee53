#include "core/octet_routines.h"
#include "decimal/conversion.h"
#include "decimal/ucdecimalcalc.h"
#include "support/hostileinput.h"

#include <QLineEdit>
#include <QTest>

namespace {

std::array<QString, 4> BoxTexts(const ucDecimalCalc& panel)
{
    std::array<QString, 4> texts;
    for (int k = 0; k < 4; ++k)
        texts[k] = panel.findChild<QLineEdit*>("txtIpAddy_" + QString::number(k))->text();
    return texts;
}

// What is wrong with the panel after a step, empty when nothing is. A key released in
// txtDecimal makes the boxes follow the number; a change of a box made anywhere else
// makes the number follow the boxes. A paste into txtDecimal moves nothing.
QString Problems(const ucDecimalCalc& panel, const HostileInput& input,
                 const std::array<QString, 4>& before)
{
    const std::array<QString, 4> boxes = BoxTexts(panel);
    const QString decimal = panel.findChild<QLineEdit*>("txtDecimal")->text();
    QStringList problems;
    for (int k = 0; k < 4; ++k) {
        const auto* box = panel.findChild<QLineEdit*>("txtIpAddy_" + QString::number(k));
        const QColor expected = NumericValue(boxes[k]) > 255 ? Qt::red : Qt::black;
        if (box->palette().color(QPalette::Text) != expected)
            problems += "colour of " + boxes[k];
    }
    const bool typedInDecimal = input.lastWidget()->objectName() == "txtDecimal";
    if (typedInDecimal && input.lastTarget() == HostileInput::Target::Keys) {
        const QStringList parts = SplitIntoOctets(DecimalToDotted(decimal));
        for (int k = 0; k < parts.size(); ++k) {
            if (boxes[k] != parts[k])
                problems += "box " + QString::number(k) + " " + boxes[k] + " for " + decimal;
        }
    } else if (!typedInDecimal && boxes != before) {
        const QString expected = GeneralNumberText(DottedToDecimal(boxes));
        if (decimal != expected)
            problems += "decimal " + decimal + ", expected " + expected;
    }
    return problems.join("; ");
}

} // namespace

class TestHostileInput : public QObject
{
    Q_OBJECT

private slots:
    void everyStepLeavesAWellFormedPanel()
    {
        ucDecimalCalc panel;
        panel.resize(panel.sizeHint());
        panel.show();
        panel.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&panel));
        HostileInput input(&panel);
        QStringList recent;
        for (int n = 0; n < 3000; ++n) {
            const std::array<QString, 4> before = BoxTexts(panel);
            recent = (recent << input.step()).mid(recent.size() >= 8 ? 1 : 0);
            const QString problems = Problems(panel, input, before);
            QVERIFY2(problems.isEmpty(),
                     qPrintable(QStringLiteral("seed %1, step %2: %3\nlast steps:\n  %4")
                                    .arg(input.seed())
                                    .arg(n)
                                    .arg(problems, recent.join("\n  "))));
        }
    }
};

QTEST_MAIN(TestHostileInput)
#include "tst_decimal_hostile_input.moc"
