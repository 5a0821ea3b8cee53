#include "panelfixture.h"

#include "core/octet_routines.h"
#include "support/hostileinput.h"

#include <QTemporaryDir>

namespace {

const QString kDotted = QStringLiteral("(%1\\.){3}%1").arg(kOctetPattern);

// What is wrong with the panel as it stands, empty when nothing is.
QString Problems(const Panel& p)
{
    QStringList problems = {TextsNotMatching(
        &p.panel,
        {{"lbl_mask_bits", " ([1-9]|[12][0-9]|3[0-2])"},
         {"lbl_mask_bits", " " + QString::number(p.maskBits()->value())},
         {"lbl_subnet_mask|lbl_bonus2|lbl_the_subnet|lbl_bonus|lbl_the_broad", kDotted},
         {"txt_hosts", kDotted + " to " + kDotted},
         {"lbl_info_[0-3]", "[0-9]*"},
         {"(sub_mask_bin|txt_act_subnet|txt_broad_bin)_[0-3]", "[01]{8}"},
         // The host's worksheet row stays empty until its box is first entered.
         {"sub_host_bin_[0-3]", "([01]{8})?"},
         {"lbl_sub2",
          "Subnetting|Supernetting|Mask too long, no hosts\\.|Subnetting as per RFC3021\\.|"
          "Warning! Subnet - All 0's|Invalid Subnet - All 1's|Enter Complete Host Address"},
         // "RESULT" until the first octet is entered.
         {"sub_class", "RESULT|Class A Address|Loopback Address|Class B Address|Class C "
                       "Address|Invalid IP Address"}})};
    for (int k = 0; k < 4; ++k)
        if (NumericValue(p.address(k)->text()) > 255)
            problems += "box " + p.address(k)->text().left(60);
    return problems.join(' ').trimmed();
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
        const QString failure =
            RunHostileInput(&p.panel, 3000, [&](QWidget*, bool) { return Problems(p); });
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
    }
};

QTEST_MAIN(TestHostileInput)
#include "tst_subnet_hostile_input.moc"
