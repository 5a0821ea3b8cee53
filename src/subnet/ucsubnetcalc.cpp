#include "subnet/ucsubnetcalc.h"

#include "core/design_font.h"
#include "core/keyedscrollbar.h"
#include "core/octet_routines.h"
#include "core/octetboxrow.h"
#include "core/panel_controls.h"
#include "core/report_file.h"
#include "core/shellservices.h"
#include "core/twips.h"
#include "core/widget_colors.h"
#include "subnet/host_entry.h"
#include "subnet/report.h"
#include "subnet/subnet_accessible_names.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>

namespace {

// Columns of the binary worksheet, one per octet.
constexpr std::array<int, 4> kWorksheetColumns = {960, 2040, 3120, 4200};

} // namespace

ucSubnetCalc::ucSubnetCalc(ShellServices& services, QWidget* parent)
    : TabPanel(parent), m_services(services)
{
    setObjectName(QStringLiteral("ucSubnetCalc"));
    setFont(DesignFont());
    buildControls();
    UserControl_Initialize();
}

QSize ucSubnetCalc::sizeHint() const
{
    return QSize(TwipsToPixels(8535), TwipsToPixels(6135));
}

QString ucSubnetCalc::squeeze(const QString& a1)
{
    QString squeezed = a1;
    squeezed.remove(QLatin1Char(' '));
    return squeezed;
}

void ucSubnetCalc::buildControls()
{
    const QFont bold975 = DesignFont(9.75, true);
    const QFont bold825 = DesignFont(8.25, true);

    ip_subnet_frame =
        MakeFrame(this, QStringLiteral("ip_subnet_frame"), TwipsRect(120, 120, 8295, 5895));
    QWidget* outer = ip_subnet_frame;

    sub_Label1 = MakeLabel(outer, QStringLiteral("sub_Label1"), tr("&Host IP"),
                           TwipsRect(120, 240, 855, 375));
    m_addressRow = new OctetBoxRow(QStringLiteral("sub_address"), 4,
                                   OctetBoxRow::OverRange::ClampTo255, outer);
    constexpr std::array<int, 4> addressColumns = {1200, 2040, 2880, 3720};
    for (int i = 0; i < 4; ++i) {
        sub_address[i] = m_addressRow->box(i);
        sub_address[i]->setGeometry(TwipsRect(addressColumns[i], 240, 735, 285));
    }
    sub_class = MakeResultLabel(outer, QStringLiteral("sub_class"), tr("RESULT"),
                                TwipsRect(4560, 240, 3435, 240), bold975);

    Frame1 = MakeFrame(outer, QStringLiteral("Frame1"), TwipsRect(120, 600, 8055, 1335));
    scr_mask_bits = Place(new KeyedScrollBar(Frame1), QStringLiteral("scr_mask_bits"),
                          TwipsRect(240, 240, 2415, 375));
    scr_mask_bits->setRange(1, 32);
    scr_mask_bits->setValue(16);
    scr_mask_bits->setSingleStep(1);
    scr_mask_bits->setPageStep(1);
    // A drag recalculates once, on release, like every other change of the length.
    scr_mask_bits->setTracking(false);
    scr_mask_bits->setFocusPolicy(Qt::StrongFocus);
    Label1 =
        MakeLabel(Frame1, QStringLiteral("Label1"), tr("Mask Bits"), TwipsRect(360, 720, 855, 255));
    lbl_mask_bits = MakeResultLabel(Frame1, QStringLiteral("lbl_mask_bits"), {},
                                    TwipsRect(1320, 720, 495, 255));
    lbl_subnet_mask = MakeResultLabel(Frame1, QStringLiteral("lbl_subnet_mask"), tr("RESULT"),
                                      TwipsRect(360, 960, 2415, 375), bold975);
    lbl_sub2 = MakeResultLabel(Frame1, QStringLiteral("lbl_sub2"), tr("RESULT"),
                               TwipsRect(2880, 240, 2775, 255), bold825);
    // Captions and their value labels: (caption, caption rect, value index, value rect).
    struct CountRow
    {
        const char* caption;
        QRect captionRect;
        int infoIndex;
        QRect infoRect;
    };
    const std::array<CountRow, 4> counts = {{
        {QT_TR_NOOP("Subnet Bits"), TwipsRect(2760, 600, 975, 255), 0,
         TwipsRect(3840, 600, 975, 255)},
        {QT_TR_NOOP("Host Bits"), TwipsRect(2760, 960, 975, 255), 3,
         TwipsRect(3840, 960, 975, 255)},
        {QT_TR_NOOP("Max Subnets"), TwipsRect(4920, 600, 975, 255), 1,
         TwipsRect(6000, 600, 1215, 255)},
        {QT_TR_NOOP("Max Hosts"), TwipsRect(4920, 960, 975, 255), 2,
         TwipsRect(6000, 960, 1215, 255)},
    }};
    for (int i = 0; i < 4; ++i) {
        const CountRow& row = counts[i];
        Label2[i] = MakeLabel(Frame1, ElementName("Label2", i), tr(row.caption), row.captionRect);
        lbl_info[row.infoIndex] =
            MakeResultLabel(Frame1, ElementName("lbl_info", row.infoIndex), {}, row.infoRect);
    }

    Frame2 = MakeFrame(outer, QStringLiteral("Frame2"), TwipsRect(120, 1920, 8055, 975));
    Label9[0] = MakeLabel(Frame2, ElementName("Label9", 0), tr("Current Network:"),
                          TwipsRect(120, 240, 1455, 255));
    lbl_bonus = MakeResultLabel(Frame2, QStringLiteral("lbl_bonus"), QStringLiteral("0.0.0.0"),
                                TwipsRect(1440, 240, 1695, 255));
    // The design's network label ran into the next caption for a 15-character address;
    // the caption and the mask move right just as far as it needs.
    Label9[1] = MakeLabel(Frame2, ElementName("Label9", 1), tr("Subnet Mask:"),
                          TwipsRect(3240, 240, 1305, 255));
    lbl_bonus2 = MakeResultLabel(Frame2, QStringLiteral("lbl_bonus2"), QStringLiteral("0.0.0.0"),
                                 TwipsRect(4620, 240, 1575, 255));
    Label4 = MakeLabel(Frame2, QStringLiteral("Label4"), tr("Current Host Range"),
                       TwipsRect(120, 480, 1455, 255));
    txt_hosts =
        MakeDisplayBox(Frame2, QStringLiteral("txt_hosts"), TwipsRect(1920, 480, 3975, 285), false);

    sub_mask_frame =
        MakeFrame(outer, QStringLiteral("sub_mask_frame"), TwipsRect(120, 2880, 5415, 2895));
    sub_label2[0] = MakeLabel(sub_mask_frame, ElementName("sub_label2", 0), tr("Host"),
                              TwipsRect(120, 240, 495, 255));
    sub_label2[1] = MakeLabel(sub_mask_frame, ElementName("sub_label2", 1), tr("Mask"),
                              TwipsRect(120, 600, 495, 255));
    Label3[0] = MakeLabel(sub_mask_frame, ElementName("Label3", 0), tr("Subnet"),
                          TwipsRect(120, 1080, 735, 255));
    Label3[1] = MakeLabel(sub_mask_frame, ElementName("Label3", 1), tr("Subnet"),
                          TwipsRect(120, 1440, 615, 255));
    // "Broadcast" is wider than the design's captions; they reach to the binary boxes.
    Label3[2] = MakeLabel(sub_mask_frame, ElementName("Label3", 2), tr("Broadcast"),
                          TwipsRect(120, 2160, 825, 255));
    Label3[3] = MakeLabel(sub_mask_frame, ElementName("Label3", 3), tr("Broadcast"),
                          TwipsRect(120, 2520, 825, 255));
    for (int k = 0; k < 4; ++k) {
        const int left = kWorksheetColumns[k];
        sub_host_bin[k] = MakeDisplayBox(sub_mask_frame, ElementName("sub_host_bin", k),
                                         TwipsRect(left, 240, 975, 285), true);
        sub_mask_bin[k] = MakeDisplayBox(sub_mask_frame, ElementName("sub_mask_bin", k),
                                         TwipsRect(left, 600, 975, 285), true);
        txt_act_subnet[k] = MakeDisplayBox(sub_mask_frame, ElementName("txt_act_subnet", k),
                                           TwipsRect(left, 1080, 975, 285), true);
        txt_broad_bin[k] = MakeDisplayBox(sub_mask_frame, ElementName("txt_broad_bin", k),
                                          TwipsRect(left, 2160, 975, 285), true);
        txt_broad_bin[k]->setMaxLength(8);
    }
    const std::array<int, 2> ruleTops = {960, 2040};
    for (int i = 0; i < 2; ++i) {
        Line1[i] = MakeLine(
            sub_mask_frame, ElementName("Line1", i),
            QRect(TwipsPoint(960, ruleTops[i]), QSize(TwipsToPixels(5160 - 960), 1)), kBlackBgr);
    }
    lbl_the_subnet = MakeResultLabel(sub_mask_frame, QStringLiteral("lbl_the_subnet"), tr("RESULT"),
                                     TwipsRect(960, 1440, 2775, 495), bold975);
    Picture2 =
        MakePicture(sub_mask_frame, QStringLiteral("Picture2"), TwipsRect(3840, 1440, 1455, 495));
    btnPrevSubnet = MakeButton(Picture2, QStringLiteral("btnPrevSubnet"), tr("<Prev Subnet"),
                               TwipsRect(0, 0, 1335, 255));
    btnNextSubnet = MakeButton(Picture2, QStringLiteral("btnNextSubnet"), tr("Next Subnet>"),
                               TwipsRect(0, 240, 1335, 255));
    lbl_the_broad = MakeResultLabel(sub_mask_frame, QStringLiteral("lbl_the_broad"), {},
                                    TwipsRect(960, 2520, 2055, 255), bold975);

    Picture1 = MakePicture(outer, QStringLiteral("Picture1"), TwipsRect(5640, 3960, 2655, 1335));
    btnNextTwentySubnets =
        MakeButton(Picture1, QStringLiteral("btnNextTwentySubnets"),
                   tr("Send Next 20 Subnets to Notepad"), TwipsRect(360, 360, 1815, 495));
    chk_31bit = Place(new QCheckBox(tr("&31-bit mask as per RFC 3021"), outer),
                      QStringLiteral("chk_31bit"), TwipsRect(5640, 5520, 2415, 255));
    SetBackgroundColor(*chk_31bit, kWhiteBgr);

    ApplyAccessibleTexts(*this, kSubnetAccessibleNames);

    // "a.b.c.d/len" typed as it is written: the "/" moves on to the length.
    m_addressRow->setSlashFocusTarget(scr_mask_bits);
    // A click on the report leaves the focus where the user was working.
    btnNextTwentySubnets->setFocusPolicy(Qt::TabFocus);

    QWidget::setTabOrder(sub_address[3], scr_mask_bits);
    QWidget::setTabOrder(scr_mask_bits, btnPrevSubnet);
    QWidget::setTabOrder(btnPrevSubnet, btnNextSubnet);
    QWidget::setTabOrder(btnNextSubnet, btnNextTwentySubnets);
    QWidget::setTabOrder(btnNextTwentySubnets, chk_31bit);

    connect(m_addressRow, &OctetBoxRow::octetChanged, this, &ucSubnetCalc::sub_address_Change);
    connect(m_addressRow, &OctetBoxRow::addressPasted, this, &ucSubnetCalc::sub_address_Pasted);
    connect(scr_mask_bits, &QScrollBar::valueChanged, this, &ucSubnetCalc::scr_mask_bits_Change);
    connect(chk_31bit, &QCheckBox::toggled, this, &ucSubnetCalc::chk_31bit_Click);
    connect(btnNextSubnet, &QPushButton::clicked, this, &ucSubnetCalc::btnNextSubnet_Click);
    connect(btnPrevSubnet, &QPushButton::clicked, this, &ucSubnetCalc::btnPrevSubnet_Click);
    connect(btnNextTwentySubnets, &QPushButton::clicked, this,
            &ucSubnetCalc::btnNextTwentySubnets_Click);
}

void ucSubnetCalc::UserControl_Initialize()
{
    addr_class = 1;
    scr_mask_bits_Change();
}

bool ucSubnetCalc::rfc3021() const
{
    return chk_31bit->isChecked();
}

void ucSubnetCalc::setRfc3021(bool on)
{
    chk_31bit->setChecked(on);
}

void ucSubnetCalc::chk_31bit_Click()
{
    scr_mask_bits_Change();
}

void ucSubnetCalc::sub_address_Change(int index)
{
    const QString text = sub_address[index]->text();
    sub_host_bin[index]->setText(HostOctetBinary(text));
    if (index == 0) {
        const std::int16_t previousClass = addr_class;
        const AddressClass found = ClassifyFirstOctet(NumericValue(text));
        sub_class->setText(found.caption);
        addr_class = static_cast<std::int16_t>(found.addrClass);
        // A new class brings its default length; the user's own length survives edits
        // that keep the class.
        if (addr_class != previousClass)
            scr_mask_bits->setValue(8 * addr_class);
    }
    scr_mask_bits_Change();
}

// A length the scroll bar cannot show (0) or a mask that is no subnet mask leaves the
// length alone rather than show a network nobody asked for.
void ucSubnetCalc::sub_address_Pasted(const PastedAddress& pasted)
{
    if (pasted.maskLength && *pasted.maskLength >= scr_mask_bits->minimum() &&
        *pasted.maskLength <= scr_mask_bits->maximum())
        scr_mask_bits->setValue(*pasted.maskLength);
}

void ucSubnetCalc::focusHostAddress()
{
    sub_address[0]->setFocus(Qt::OtherFocusReason);
}

SubnetInputs ucSubnetCalc::currentInputs() const
{
    SubnetInputs in;
    in.maskBits = scr_mask_bits->value();
    in.addrClass = addr_class;
    in.rfc3021 = chk_31bit->isChecked();
    for (int k = 0; k < 4; ++k) {
        in.hostBin[k] = sub_host_bin[k]->text();
        in.octetEntered[k] = !sub_address[k]->text().isEmpty();
    }
    return in;
}

void ucSubnetCalc::scr_mask_bits_Change()
{
    showResult(CalculateSubnet(currentInputs()));
}

void ucSubnetCalc::showResult(const SubnetResult& result)
{
    lbl_mask_bits->setText(result.maskBitsCaption);
    lbl_subnet_mask->setText(result.subnetMask);
    lbl_bonus2->setText(result.subnetMask);
    lbl_info[0]->setText(result.subnetBits);
    lbl_info[1]->setText(result.maxSubnets);
    lbl_info[2]->setText(result.maxHosts);
    lbl_info[3]->setText(result.hostBits);
    lbl_sub2->setText(result.status);
    for (int k = 0; k < 4; ++k) {
        sub_mask_bin[k]->setText(result.maskBin[k]);
        txt_act_subnet[k]->setText(result.networkBin[k]);
        txt_broad_bin[k]->setText(result.broadcastBin[k]);
    }
    lbl_the_subnet->setText(result.network);
    lbl_bonus->setText(result.network);
    lbl_the_broad->setText(result.broadcast);
    m_hostFirst = result.hostFirst;
    m_hostLast = result.hostLast;
    txt_hosts->setText(result.hostFirst.isEmpty()
                           ? tr("none")
                           : tr("%1 to %2", "host range").arg(result.hostFirst, result.hostLast));
    // A long range would otherwise show its end; the start is what a reader looks for.
    txt_hosts->setCursorPosition(0);
}

std::array<QString, 4> ucSubnetCalc::addressTexts() const
{
    return {sub_address[0]->text(), sub_address[1]->text(), sub_address[2]->text(),
            sub_address[3]->text()};
}

void ucSubnetCalc::showSubnetMessage(const QString& text)
{
    m_services.showMessage(this, tr("Subnet Calculator"), text);
}

bool ucSubnetCalc::checkAddressComplete(StepDirection wording)
{
    const int empty = FirstEmptyOctet(addressTexts());
    if (empty < 0)
        return true;
    showSubnetMessage(IncompleteAddressMessage(wording, empty));
    sub_address[empty]->setFocus();
    return false;
}

ucSubnetCalc::StepResult ucSubnetCalc::stepSubnet(StepDirection direction)
{
    if (!checkAddressComplete(direction))
        return StepResult::Incomplete;
    const SubnetStep step = PlanSubnetStep(addressTexts(), scr_mask_bits->value(), direction);
    switch (step.outcome) {
    case SubnetStep::Outcome::NoStep:
        return StepResult::Stayed;
    case SubnetStep::Outcome::EndOfSpace:
        return StepResult::EndOfSpace;
    case SubnetStep::Outcome::Step:
        break;
    }
    for (const OctetWrite& write : step.writes)
        sub_address[write.index]->setText(write.text);
    return StepResult::Moved;
}

ucSubnetCalc::StepResult ucSubnetCalc::NextSubnet()
{
    return stepSubnet(StepDirection::Forward);
}

ucSubnetCalc::StepResult ucSubnetCalc::PrevSubnet()
{
    return stepSubnet(StepDirection::Backward);
}

void ucSubnetCalc::btnNextSubnet_Click()
{
    if (NextSubnet() == StepResult::EndOfSpace)
        showSubnetMessage(tr("This is the last subnet."));
}

void ucSubnetCalc::btnPrevSubnet_Click()
{
    if (PrevSubnet() == StepResult::EndOfSpace)
        showSubnetMessage(tr("This is the first subnet."));
}

void ucSubnetCalc::btnNextTwentySubnets_Click()
{
    if (!checkAddressComplete(StepDirection::Forward))
        return;
    // The folder is had before the panel moves, so a failure leaves it exactly as it was.
    const QString reportName = tr("The subnet list");
    const Outcome folder = OpenReportFolder(m_services, reportName);
    if (!folder.ok()) {
        showSubnetMessage(folder.error);
        return;
    }
    const Outcome saved = SaveAndOpenReport(m_services, this, folder.value,
                                            QString::fromLatin1(kSubnetReportFileName),
                                            SubnetReportBytes(reportLinesFromHere()), reportName);
    if (!saved.ok())
        showSubnetMessage(saved.error);
}

// Twenty rows from the current subnet on, fewer when the address space ends first. The
// panel is then put back as the user had it: stepping keeps only the octets it rewrites
// and a class change on the way resets the length, so stepping back would not return it.
QStringList ucSubnetCalc::reportLinesFromHere()
{
    const std::array<QString, 4> typed = addressTexts();
    const int typedLength = scr_mask_bits->value();
    QWidget* focused = QApplication::focusWidget();
    // The steps' three-digit octets must not walk the focus away from the user's box.
    const auto stay = m_addressRow->suppressAdvance();

    QStringList lines = {SubnetReportHeader()};
    for (int row = 0; row < 20; ++row) {
        if (row > 0 && NextSubnet() != StepResult::Moved)
            break;
        lines << SubnetReportRow(lbl_the_subnet->text(),
                                 SubnetReportHostRange(m_hostFirst, m_hostLast),
                                 lbl_the_broad->text());
    }

    for (int k = 0; k < 4; ++k)
        sub_address[k]->setText(typed[k]);
    scr_mask_bits->setValue(typedLength);
    if (focused && focused != QApplication::focusWidget())
        focused->setFocus(Qt::OtherFocusReason);
    return lines;
}
