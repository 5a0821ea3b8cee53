#include "core/octet_routines.h"
#include "decimal/conversion.h"
#include "decimal/ucdecimalcalc.h"
#include "support/hostileinput.h"

#include <QLineEdit>
#include <QRegularExpression>
#include <QTest>

class TestHostileInput : public QObject
{
    Q_OBJECT

private slots:
    // A key released in txtDecimal makes the boxes follow the number; a change of a box
    // made anywhere else makes the number follow the boxes. A paste into txtDecimal moves
    // nothing.
    void everyStepLeavesAWellFormedPanel()
    {
        ucDecimalCalc panel;
        const auto* decimal = panel.findChild<QLineEdit*>("txtDecimal");
        const auto boxes = panel.findChildren<QLineEdit*>(QRegularExpression("^txtIpAddy_[0-3]$"));
        QStringList before;
        const auto problems = [&](QWidget* focused, bool keys) {
            QStringList octets, found;
            for (const QLineEdit* box : boxes) {
                const bool red = NumericValue(octets.emplace_back(box->text())) > 255;
                if (box->palette().color(QPalette::Text) != (red ? Qt::red : Qt::black))
                    found += "colour of " + box->text().left(60);
            }
            const QString number = decimal->text();
            const QStringList parts = SplitIntoOctets(DecimalToDotted(number));
            if (focused == decimal && keys && octets.mid(0, parts.size()) != parts)
                found += "boxes " + octets.join('|') + " for " + number.left(60);
            if (focused != decimal && octets != before &&
                number != GeneralNumberText(
                              DottedToDecimal({octets[0], octets[1], octets[2], octets[3]})))
                found += "number " + number + " for " + octets.join('|');
            before = octets;
            return found.join(' ');
        };
        const QString failure = RunHostileInput(&panel, 3000, problems);
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
    }
};

QTEST_MAIN(TestHostileInput)
#include "tst_decimal_hostile_input.moc"
