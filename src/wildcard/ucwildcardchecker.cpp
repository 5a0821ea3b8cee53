#include "wildcard/ucwildcardchecker.h"

#include "core/caption_room.h"
#include "core/design_font.h"
#include "core/octetboxrow.h"
#include "core/panel_controls.h"
#include "core/report_file.h"
#include "core/shellservices.h"
#include "core/twips.h"
#include "core/widget_colors.h"
#include "wildcard/matchlistbox.h"
#include "wildcard/report.h"
#include "wildcard/result_layout.h"
#include "wildcard/wildcard_accessible_names.h"

#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>

namespace {

// One column per octet: the address box, the mask box and the result box below them.
constexpr std::array<int, 4> kOctetColumns = {1200, 2160, 3120, 4080};
constexpr int kResultTop = 2040;

} // namespace

ucWildCardChecker::ucWildCardChecker(ShellServices& services, QWidget* parent, Build when)
    : TabPanel(parent), m_services(services)
{
    setObjectName(QStringLiteral("ucWildCardChecker"));
    setFont(DesignFont());
    if (when == Build::Now)
        ensureBuilt();
}

void ucWildCardChecker::build()
{
    buildControls();
    placeDesignTexts();
    MakeRoomForCaptions(*this);
    UserControl_Initialize();
}

QSize ucWildCardChecker::sizeHint() const
{
    return QSize(TwipsToPixels(5175), TwipsToPixels(kResultTop + 3333 + 250));
}

void ucWildCardChecker::buildControls()
{
    Label1[0] = MakeLabel(this, ElementName("Label1", 0), tr("IP &Address"),
                          TwipsRect(120, 285, 1065, 300));
    Label1[1] = MakeLabel(this, ElementName("Label1", 1), tr("Wildcard &Mask"),
                          TwipsRect(120, 645, 1065, 300));
    m_octetRow = new OctetBoxRow(QStringLiteral("ipadd1"), 8, OctetBoxRow::OverRange::Keep, this);
    for (int k = 0; k < 8; ++k) {
        ipadd1[k] = m_octetRow->box(k);
        ipadd1[k]->setGeometry(TwipsRect(kOctetColumns[k % 4], k < 4 ? 240 : 600, 855, 285));
    }

    btnCalculate = MakeButton(this, QStringLiteral("btnCalculate"), tr("&Calculate"),
                              TwipsRect(1200, 1080, 1815, 375));
    btnSendToNotepad = MakeButton(this, QStringLiteral("btnSendToNotepad"), tr("Send to &Notepad"),
                                  TwipsRect(3120, 1080, 1815, 375));
    Label2 = MakeLabel(this, QStringLiteral("Label2"), tr("Matches these addresses:"),
                       TwipsRect(1200, 1800, 3015, 255));
    for (int i = 0; i < 4; ++i) {
        validip[i] = Place(new MatchListBox(this), ElementName("validip", i),
                           TwipsRect(kOctetColumns[i], kResultTop, 855, 3333));
    }

    ApplyAccessibleTexts(*this, kWildcardAccessibleNames);

    QWidget::setTabOrder(ipadd1[7], btnCalculate);
    QWidget::setTabOrder(btnCalculate, btnSendToNotepad);
    QWidget::setTabOrder(btnSendToNotepad, validip[0]);
    for (int i = 1; i < 4; ++i)
        QWidget::setTabOrder(validip[i - 1], validip[i]);

    connect(m_octetRow, &OctetBoxRow::octetChanged, this, &ucWildCardChecker::ipadd1_Change);
    connect(btnCalculate, &QPushButton::clicked, this, &ucWildCardChecker::btnCalculate_Click);
    connect(btnSendToNotepad, &QPushButton::clicked, this,
            &ucWildCardChecker::btnSendToNotepad_Click);
}

// The design's texts are properties of the boxes, not edits: they go in without the
// change handling, so building the panel neither moves the focus nor runs the engine
// eight times before UserControl_Initialize runs it once.
void ucWildCardChecker::placeDesignTexts()
{
    const WildcardOctets design = {
        QStringLiteral("172"), QStringLiteral("16"), QStringLiteral("128"), QStringLiteral("0"),
        QStringLiteral("0"),   QStringLiteral("0"),  QStringLiteral("31"),  QStringLiteral("255")};
    for (int k = 0; k < 8; ++k) {
        const QSignalBlocker quiet(ipadd1[k]);
        ipadd1[k]->setText(design[k]);
    }
}

void ucWildCardChecker::UserControl_Initialize()
{
    btnCalculate_Click();
}

void ucWildCardChecker::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (isBuilt())
        UserControl_Resize();
}

void ucWildCardChecker::UserControl_Resize()
{
    const std::optional<int> height = ResultBoxHeight(PixelsToTwips(this->height()), kResultTop);
    if (!height)
        return;
    for (MatchListBox* box : validip)
        box->resize(box->width(), TwipsToPixels(*height));
}

void ucWildCardChecker::ipadd1_Change(int /*index*/)
{
    btnCalculate_Click();
}

WildcardOctets ucWildCardChecker::octetTexts() const
{
    WildcardOctets texts;
    for (int k = 0; k < 8; ++k)
        texts[k] = ipadd1[k]->text();
    return texts;
}

WildcardLists ucWildCardChecker::listTexts() const
{
    WildcardLists texts;
    for (int i = 0; i < 4; ++i)
        texts[i] = validip[i]->text();
    return texts;
}

void ucWildCardChecker::btnCalculate_Click()
{
    const WildcardMatch match = MatchWildcard(octetTexts());
    for (int k : kNormalisationOrder)
        ipadd1[k]->setText(match.octets[k]);
    for (int i = 0; i < 4; ++i)
        validip[i]->setText(match.lists[i]);
}

void ucWildCardChecker::btnSendToNotepad_Click()
{
    const QString reportName = tr("The wildcard report");
    Outcome done = OpenReportFolder(m_services, reportName);
    if (done.ok()) {
        done = SaveAndOpenReport(m_services, this, done.value,
                                 QString::fromLatin1(kWildcardReportFileName),
                                 WildcardReportBytes(octetTexts(), listTexts()), reportName);
    }
    if (!done.ok())
        m_services.showMessage(this, tr("Wildcard Mask Checker"), done.error);
}
