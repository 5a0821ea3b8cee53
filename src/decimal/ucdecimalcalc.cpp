#include "decimal/ucdecimalcalc.h"

#include "core/crisp_frame.h"
#include "core/design_font.h"
#include "core/octetboxrow.h"
#include "core/panel_controls.h"
#include "core/twips.h"
#include "core/widget_colors.h"
#include "decimal/conversion.h"
#include "decimal/decimal_accessible_names.h"
#include "decimal/historybutton.h"
#include "decimal/historylist.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QScopedValueRollback>
#include <QSignalBlocker>

namespace {

constexpr int kDesignWidth = 5925;
constexpr int kDesignHeight = 2595;
constexpr int kText1Left = 120;
constexpr int kLineTop1 = 840;
constexpr int kLineTop2 = 2400;
constexpr std::array<int, 4> kOctetColumns = {120, 720, 1320, 1920};

constexpr std::uint32_t kExplanationBackBgr = 0xE0E0E0;
// The grey of the desktop's empty workspace, as the design's desktop drew it.
constexpr std::uint32_t kWorkspaceGreyBgr = 0xABABAB;

// Platform-neutral key codes of the list's key handling. Qt's own values differ (its
// Return is 0x01000004), so each key that decides something is named here.
constexpr std::int16_t kKeyEnter = 13;
constexpr std::int16_t kKeySpace = 32;
constexpr std::int16_t kKeyUp = 38;
constexpr std::int16_t kKeyDown = 40;
constexpr std::int16_t kArrowPicked = -1;
constexpr std::int16_t kOtherKey = 0;

std::int16_t ListKeyCode(int qtKey)
{
    switch (qtKey) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return kKeyEnter;
    case Qt::Key_Space:
        return kKeySpace;
    case Qt::Key_Up:
        return kKeyUp;
    case Qt::Key_Down:
        return kKeyDown;
    default:
        return kOtherKey;
    }
}

// The design's text ends its lines with CR LF; a plain text box shows bare line ends the
// same, and translators need not keep the CRs.
QString Explanation()
{
    return QCoreApplication::translate(
        "ucDecimalCalc",
        "We normally think of using an IP address to navigate to a Web  site. For example:\n"
        "http://172.16.128.14\n"
        "\n"
        "Alternatively, you can use the decimal equivalent to navigate to a Web site. For "
        "example:\n"
        "http://2886762510\n");
}

QWidget* MakeRule(QWidget* parent, const QString& name, int top)
{
    return MakeLine(parent, name, QRect(TwipsPoint(0, top), QSize(TwipsToPixels(5880), 1)),
                    kWorkspaceGreyBgr);
}

} // namespace

ucDecimalCalc::ucDecimalCalc(QWidget* parent, Build when) : TabPanel(parent)
{
    setObjectName(QStringLiteral("ucDecimalCalc"));
    setFont(DesignFont());
    if (when == Build::Now)
        ensureBuilt();
}

void ucDecimalCalc::build()
{
    buildControls();
    UserControl_Initialize();
}

QSize ucDecimalCalc::sizeHint() const
{
    return QSize(TwipsToPixels(kDesignWidth), TwipsToPixels(kDesignHeight));
}

void ucDecimalCalc::buildControls()
{
    m_addressRow =
        new OctetBoxRow(QStringLiteral("txtIpAddy"), 4, OctetBoxRow::OverRange::Keep, this);
    for (int i = 0; i < 4; ++i) {
        txtIpAddy[i] = m_addressRow->box(i);
        txtIpAddy[i]->setGeometry(TwipsRect(kOctetColumns[i], 360, 495, 285));
        // The design's own text; putting it in place is not a change by anyone.
        const QSignalBlocker quiet(txtIpAddy[i]);
        txtIpAddy[i]->setText(QStringLiteral("255"));
    }

    m_historyButton = Place(new HistoryButton(this), QStringLiteral("vscrollHistory"),
                            TwipsRect(2450, 120, 255, 495));

    lstIpHistory = Place(new HistoryList(this), QStringLiteral("lstIpHistory"),
                         TwipsRect(2450, 625, 1455, 645));
    lstIpHistory->addItems({QStringLiteral("192.167.1.1"), QStringLiteral("192.168.1.1"),
                            QStringLiteral("192.169.1.1")});
    lstIpHistory->setSelectionMode(QAbstractItemView::SingleSelection);
    // No entry is current until one is picked. Otherwise the view would make the first
    // entry current (unhighlighted) on gaining the focus, and the first Down would jump
    // to the second.
    lstIpHistory->setCurrentIndex(QModelIndex());
    lstIpHistory->hide();

    txtDecimal = Place(new QLineEdit(QStringLiteral("1062654075"), this),
                       QStringLiteral("txtDecimal"), TwipsRect(3240, 360, 2535, 285));

    Text1 = Place(new QPlainTextEdit(this), QStringLiteral("Text1"),
                  TwipsRect(kText1Left, 960, 5655, 1335));
    Text1->setPlainText(Explanation());
    Text1->setReadOnly(true);
    // A caret the arrows move, so the keyboard can read the text and the focus shows.
    Text1->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    Text1->setTabChangesFocus(true);
    Text1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    SetBoxColor(*Text1, kExplanationBackBgr);
    UseCrispFrame(*Text1);

    Label1[0] =
        MakeLabel(this, ElementName("Label1", 0), tr("IP Address"), TwipsRect(120, 120, 780, 195));
    Label1[1] = MakeLabel(this, ElementName("Label1", 1), tr("Decimal Address"),
                          TwipsRect(3240, 120, 1500, 195));

    // Lies over the upper part of the button, so that only its arrow shows.
    frameToHideScroller =
        MakePicture(this, QStringLiteral("frameToHideScroller"), TwipsRect(2450, 0, 375, 375));
    // It paints the panel's own background, whatever SetBackColor made it, so it is not
    // seen while it hides the button's upper part.
    frameToHideScroller->setAutoFillBackground(true);
    frameToHideScroller->raise();

    ipout = Place(new QLineEdit(QStringLiteral("192.168.1.1"), this), QStringLiteral("ipout"),
                  TwipsRect(120, 360, 2175, 285));
    ipout->hide();

    Line1 = MakeRule(this, QStringLiteral("Line1"), kLineTop1);
    Line2 = MakeRule(this, QStringLiteral("Line2"), kLineTop2);

    ApplyAccessibleTexts(*this, kDecimalAccessibleNames);

    QWidget::setTabOrder(txtIpAddy[3], m_historyButton);
    QWidget::setTabOrder(m_historyButton, lstIpHistory);
    QWidget::setTabOrder(lstIpHistory, txtDecimal);
    QWidget::setTabOrder(txtDecimal, Text1);

    connect(m_addressRow, &OctetBoxRow::octetChanged, this, &ucDecimalCalc::txtIpAddy_Change);
    connect(m_historyButton, &HistoryButton::clicked, this, &ucDecimalCalc::historyButton_Click);
    connect(m_historyButton, &HistoryButton::tabbedInto, this,
            &ucDecimalCalc::historyButton_GotFocus);
    connect(lstIpHistory, &QListWidget::itemSelectionChanged, this,
            &ucDecimalCalc::lstIpHistory_Click);
    txtDecimal->installEventFilter(this);
    lstIpHistory->installEventFilter(this);
    lstIpHistory->viewport()->installEventFilter(this);
}

void ucDecimalCalc::UserControl_Initialize()
{
    const QScopedValueRollback updating(updatingDecimal, true);
    const auto stay = m_addressRow->suppressAdvance();
    showDecimalOfBoxes();
}

bool ucDecimalCalc::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (watched == txtDecimal && type == QEvent::KeyRelease) {
        if (!static_cast<QKeyEvent*>(event)->isAutoRepeat())
            txtDecimal_KeyUp();
    } else if (watched == lstIpHistory && type == QEvent::KeyPress) {
        return lstIpHistory_KeyDown(static_cast<QKeyEvent*>(event)->key());
    } else if (watched == lstIpHistory && type == QEvent::FocusOut) {
        // Another window or a context menu taking the focus for a while is not leaving.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            lstIpHistory_LostFocus();
    } else if (watched == lstIpHistory->viewport() && type == QEvent::MouseButtonPress) {
        const QPoint position = static_cast<QMouseEvent*>(event)->position().toPoint();
        if (lstIpHistory->itemAt(position)) {
            lstIpHistory_MousePress(position);
            return true;
        }
        lastListKey = kOtherKey;
    }
    return QWidget::eventFilter(watched, event);
}

void ucDecimalCalc::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (isBuilt())
        UserControl_Resize();
}

void ucDecimalCalc::UserControl_Resize()
{
    // The lines run past the right edge so that they always span the whole panel.
    const int w = PixelsToTwips(width());
    Text1->resize(TwipsToPixels(w - kText1Left - 250), Text1->height());
    Line1->resize(TwipsToPixels(w + 250 + 250), Line1->height());
    Line2->resize(TwipsToPixels(w + 250), Line2->height());
}

void ucDecimalCalc::showDecimalOfBoxes()
{
    const std::array<QString, 4> octets = {txtIpAddy[0]->text(), txtIpAddy[1]->text(),
                                           txtIpAddy[2]->text(), txtIpAddy[3]->text()};
    txtDecimal->setText(GeneralNumberText(DottedToDecimal(octets)));
}

void ucDecimalCalc::txtIpAddy_Change(int /*index*/)
{
    if (updatingDecimal)
        return;
    const QScopedValueRollback updating(updatingDecimal, true);
    showDecimalOfBoxes();
}

void ucDecimalCalc::txtDecimal_KeyUp()
{
    const QScopedValueRollback updating(updatingDecimal, true);
    const auto stay = m_addressRow->suppressAdvance();
    FillOctetBoxes(DecimalToDotted(txtDecimal->text()));
}

void ucDecimalCalc::FillOctetBoxes(const QString& text)
{
    const QStringList parts = SplitIntoOctets(text);
    for (int i = 0; i < parts.size(); ++i)
        txtIpAddy[i]->setText(parts[i]);
}

void ucDecimalCalc::PickHistoryEntry(QListWidget* listToClose)
{
    const QList<QListWidgetItem*> selected = lstIpHistory->selectedItems();
    FillOctetBoxes(selected.isEmpty() ? QString() : selected.first()->text());
    if (listToClose)
        closeHistoryList();
}

bool ucDecimalCalc::lstIpHistory_KeyDown(int qtKey)
{
    lastListKey = ListKeyCode(qtKey);
    if (lastListKey == kKeyEnter || lastListKey == kKeySpace) {
        PickHistoryEntry(lstIpHistory);
        return true;
    }
    return false;
}

void ucDecimalCalc::lstIpHistory_MousePress(const QPoint& position)
{
    // A key remembered from before (Down on the last entry changes nothing) must not make
    // this click count as an arrow pick.
    lastListKey = kOtherKey;
    {
        // The click is reported once below, also when the entry was already selected.
        const QSignalBlocker quiet(lstIpHistory);
        lstIpHistory->setCurrentItem(lstIpHistory->itemAt(position));
    }
    lstIpHistory_Click();
}

void ucDecimalCalc::lstIpHistory_Click()
{
    if (lastListKey == kKeyDown || lastListKey == kKeyUp) {
        lastListKey = kArrowPicked;
        const auto stay = m_addressRow->suppressAdvance();
        PickHistoryEntry(nullptr);
        return;
    }
    PickHistoryEntry(lstIpHistory);
}

void ucDecimalCalc::lstIpHistory_LostFocus()
{
    if (lstIpHistory->isVisible())
        lstIpHistory->hide();
}

void ucDecimalCalc::historyButton_Click()
{
    if (lstIpHistory->isVisible())
        closeHistoryList();
    else
        openHistoryList();
}

void ucDecimalCalc::historyButton_GotFocus()
{
    if (!lstIpHistory->isVisible())
        openHistoryList();
}

void ucDecimalCalc::openHistoryList()
{
    lstIpHistory->show();
    lstIpHistory->raise();
    lstIpHistory->setFocus(Qt::OtherFocusReason);
}

void ucDecimalCalc::closeHistoryList()
{
    // Box 0 takes the focus first, so the list never hands it on to the next control.
    txtIpAddy[0]->setFocus(Qt::OtherFocusReason);
    lstIpHistory->hide();
}
