#include "panelfixture.h"

#include "core/octet_routines.h"
#include "subnet/host_entry.h"
#include "support/hostileinput.h"

#include <QRegularExpression>
#include <QTemporaryDir>

namespace {

QString Dotted(quint32 x)
{
    return QStringLiteral("%1.%2.%3.%4")
        .arg(x >> 24)
        .arg(x >> 16 & 255)
        .arg(x >> 8 & 255)
        .arg(x & 255);
}

const QStringList kStatuses = {"Subnetting",
                               "Supernetting",
                               "Mask too long, no hosts.",
                               "Subnetting as per RFC3021.",
                               "Warning! Subnet - All 0's",
                               "Invalid Subnet - All 1's",
                               "Enter Complete Host Address"};
const QStringList kClasses = {"RESULT", // until the first octet is entered
                              "Class A Address", "Loopback Address",  "Class B Address",
                              "Class C Address", "Invalid IP Address"};

// What is wrong with the panel as it stands, empty when nothing is.
QString Problems(const Panel& p)
{
    QStringList problems;
    const auto expect = [&](bool ok, const QString& what) {
        if (!ok)
            problems += what;
    };
    const int m = p.maskBits()->value();
    expect(m >= 1 && m <= 32, "mask bits " + QString::number(m));
    expect(p.text("lbl_mask_bits") == " " + QString::number(m),
           "mask label " + p.text("lbl_mask_bits"));

    quint32 host = 0;
    for (int k = 0; k < 4; ++k) {
        const QString octet = p.address(k)->text();
        expect(NumericValue(octet) <= 255, "octet box " + octet);
        const QString bin = p.text("sub_host_bin_" + QString::number(k));
        // The worksheet row stays empty until its box is first entered.
        expect(bin.isEmpty() ? octet.isEmpty() : bin == HostOctetBinary(octet),
               "binary octet " + bin + " of " + octet);
        host = host << 8 | bin.toUInt(nullptr, 2);
    }
    const quint32 mask = ~quint32{0} << (32 - m);
    expect(p.text("lbl_subnet_mask") == Dotted(mask), "mask " + p.text("lbl_subnet_mask"));
    expect(p.text("lbl_the_subnet") == Dotted(host & mask), "network " + p.text("lbl_the_subnet"));
    expect(p.text("lbl_the_broad") == Dotted((host & mask) | ~mask),
           "broadcast " + p.text("lbl_the_broad"));
    static const QRegularExpression range(R"(^(\d{1,3}\.){3}\d{1,3} to (\d{1,3}\.){3}\d{1,3}$)");
    expect(range.match(p.text("txt_hosts")).hasMatch(), "range " + p.text("txt_hosts"));
    expect(kStatuses.contains(p.text("lbl_sub2")), "status " + p.text("lbl_sub2"));
    expect(kClasses.contains(p.text("sub_class")), "class " + p.text("sub_class"));
    static const QRegularExpression count(R"(^\d*$)");
    for (int k = 0; k < 4; ++k) {
        const QString info = p.text("lbl_info_" + QString::number(k));
        expect(count.match(info).hasMatch(), "count " + info);
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
        Panel p;
        QTemporaryDir documents;
        p.services.documentsFolderPath = documents.path();
        HostileInput input(&p.panel);
        QStringList recent;
        for (int n = 0; n < 3000; ++n) {
            recent = (recent << input.step()).mid(recent.size() >= 8 ? 1 : 0);
            const QString problems = Problems(p);
            QVERIFY2(problems.isEmpty(),
                     qPrintable(QStringLiteral("seed %1, step %2: %3\nlast steps:\n  %4")
                                    .arg(input.seed())
                                    .arg(n)
                                    .arg(problems, recent.join("\n  "))));
        }
    }
};

QTEST_MAIN(TestHostileInput)
#include "tst_subnet_hostile_input.moc"
