#pragma once

// The wildcard mask checker behind the second tab. In: an address in ipadd1(0..3) and a
// wildcard mask in ipadd1(4..7). Out: in validip(0..3), for each octet, the runs of
// values the pair matches, written as text; the "Send to Notepad" button saves them to
// wildcard.txt and opens it.
//
// Order of events on a change of ipadd1(i): the octet row's shared steps (colour, the
// advance after a third character), then ipadd1_Change(i), which runs the engine
// (btnCalculate_Click). The engine is computed as a whole first (match_engine.h); the
// corrected octet texts are then written back box by box in the engine's order, and a
// write that changes a box runs this whole sequence again, nested, before the outer run
// goes on; the four lists are written last. Writes of unchanged texts touch nothing (not
// the selection an advance made, nor the caret of an edit), so the nesting ends once
// every box holds its corrected text. A pasted address fills the address or the mask
// half it was pasted into, an address and a mask both; each box runs this sequence.

#include "core/tabpanel.h"
#include "wildcard/match_engine.h"

#include <array>
#include <cstdint>

class MatchListBox;
class OctetBox;
class OctetBoxRow;
class QLabel;
class QPushButton;
class ShellServices;

class ucWildCardChecker : public TabPanel
{
    Q_OBJECT

public:
    explicit ucWildCardChecker(ShellServices& services, QWidget* parent = nullptr,
                               Build when = Build::Now);

    // The design size of the panel's client area.
    QSize sizeHint() const override;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void build() override;

private:
    void buildControls();
    void placeDesignTexts();
    void UserControl_Initialize();
    void UserControl_Resize();
    void ipadd1_Change(int index);
    void btnCalculate_Click();
    void btnSendToNotepad_Click();
    WildcardOctets octetTexts() const;
    WildcardLists listTexts() const;

    ShellServices& m_services;

    std::array<QLabel*, 2> Label1{};
    OctetBoxRow* m_octetRow = nullptr;
    std::array<OctetBox*, 8> ipadd1{};
    QPushButton* btnCalculate = nullptr;
    QPushButton* btnSendToNotepad = nullptr;
    QLabel* Label2 = nullptr;
    std::array<MatchListBox*, 4> validip{};
};
