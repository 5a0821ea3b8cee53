#pragma once

// The decimal IP calculator behind the third tab: an address as four octet boxes
// (txtIpAddy) and as one decimal number (txtDecimal), each following the other, with a
// small list of example addresses opened by a button beside the boxes. The conversions
// live in conversion.h; this class only moves text between them and its controls.
//
// Order of events:
//   octet box changed      -> the octet row's shared steps (colour, advance unless
//                             suppressed), then txtIpAddy_Change: unless updatingDecimal
//                             is set, txtDecimal gets the decimal text of the boxes;
//   key released in        -> with updatingDecimal and the advance suppression set, the
//   txtDecimal                boxes take the dotted text of the number one by one, each
//                             change running the steps above nested (colour only);
//   list key pressed       -> lastListKey; Enter or Space pick the entry and close;
//   list selection changed -> after Up or Down the boxes follow the entry and the list
//   or entry clicked          stays open; otherwise the entry is picked, the list closes
//                             and box 0 gets the focus;
//   list lost the focus    -> it closes;
//   button clicked         -> the list opens with the focus, or closes with the focus
//                             in box 0; reaching the button by Tab opens it too.
//
// The advance suppression of the panel is the row's own flag
// (OctetBoxRow::suppressAdvance), so there is one place that holds it. A pasted address
// fills the boxes through the row, each change running the steps above, so the number
// follows it.

#include "core/tabpanel.h"

#include <array>
#include <cstdint>

class HistoryButton;
class OctetBox;
class OctetBoxRow;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;

class ucDecimalCalc : public TabPanel
{
    Q_OBJECT

public:
    explicit ucDecimalCalc(QWidget* parent = nullptr, Build when = Build::Now);

    // The design size of the panel.
    QSize sizeHint() const override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void build() override;

private:
    void buildControls();
    void UserControl_Initialize();
    void UserControl_Resize();
    void txtIpAddy_Change(int index);
    void txtDecimal_KeyUp();
    bool lstIpHistory_KeyDown(int qtKey);
    void lstIpHistory_MousePress(const QPoint& position);
    void lstIpHistory_Click();
    void lstIpHistory_LostFocus();
    void historyButton_Click();
    void historyButton_GotFocus();

    void showDecimalOfBoxes();
    void FillOctetBoxes(const QString& text);
    void PickHistoryEntry(QListWidget* listToClose);
    void openHistoryList();
    void closeHistoryList();

    // The key last pressed in the list, as a platform-neutral code; -1 after a pick made
    // by Up or Down, 0 for any key that decides nothing.
    std::int16_t lastListKey = 0;
    bool updatingDecimal = false;

    OctetBoxRow* m_addressRow = nullptr;
    std::array<OctetBox*, 4> txtIpAddy{};
    HistoryButton* m_historyButton = nullptr;
    QListWidget* lstIpHistory = nullptr;
    QLineEdit* txtDecimal = nullptr;
    QPlainTextEdit* Text1 = nullptr;
    std::array<QLabel*, 2> Label1{};
    QWidget* frameToHideScroller = nullptr;
    QLineEdit* ipout = nullptr;
    QWidget* Line1 = nullptr;
    QWidget* Line2 = nullptr;
};
