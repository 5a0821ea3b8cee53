#pragma once

// The subnet mask calculator page. In: the host address in the four sub_address boxes,
// the mask length on scr_mask_bits, the 31-bit option. Out: the class, the mask, the
// counts, the status line, the binary worksheet (host, mask, network, broadcast), the
// dotted network and broadcast and the host range, all written as text into the
// panel's own controls.
//
// Order of events on a change of sub_address(i): the octet row's shared steps (colour,
// advance, clamp to "255"), then sub_address_Change(i): the binary host octet; for box 0
// the class, and on a class change the mask length's default, whose valueChanged runs
// scr_mask_bits_Change nested; finally one more scr_mask_bits_Change with the final
// texts. An address pasted into a box fills the four boxes that way, one after the
// other; then sub_address_Pasted sets a pasted prefix length or contiguous mask on
// scr_mask_bits, so it wins over the class default. Typed, "a.b.c.d/len" arrives the same
// way: the "/" in the last box hands the focus to scr_mask_bits, whose typed digits set
// the length. The arithmetic lives in engine.h,
// host_entry.h, stepping.h and report.h; this class only moves text between them and its
// controls.
//
// Stepping rewrites octet boxes, so every written box runs the sequence above before the
// step goes on; at 32 bits a step is one address. The report steps forward nineteen
// times, reading each row from the result labels, then writes back the four octet texts
// and the length the user had, and returns the focus to where it was.

#include "core/tabpanel.h"
#include "subnet/engine.h"
#include "subnet/stepping.h"

#include <array>
#include <cstdint>

class OctetBox;
class OctetBoxRow;
struct PastedAddress;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollBar;
class ShellServices;

class ucSubnetCalc : public TabPanel
{
    Q_OBJECT

public:
    explicit ucSubnetCalc(ShellServices& services, QWidget* parent = nullptr);

    // The design size of the panel's client area.
    QSize sizeHint() const override;

    // Where a user starts: the first host octet box takes the focus.
    void focusHostAddress();

    // The RFC 3021 box, as the window keeps it between runs.
    bool rfc3021() const;
    void setRfc3021(bool on);

    // a1 without its blanks; tabs and every other character stay.
    static QString squeeze(const QString& a1);

private:
    void buildControls();
    void UserControl_Initialize();
    void scr_mask_bits_Change();
    void chk_31bit_Click();
    void sub_address_Change(int index);
    void sub_address_Pasted(const PastedAddress& pasted);
    SubnetInputs currentInputs() const;
    void showResult(const SubnetResult& result);

    enum class StepResult
    {
        Moved,
        Stayed,     // no length to step at
        Incomplete, // an octet box was empty; the user has been told
        EndOfSpace, // nothing written
    };
    StepResult NextSubnet();
    StepResult PrevSubnet();
    StepResult stepSubnet(StepDirection direction);
    void btnNextSubnet_Click();
    void btnPrevSubnet_Click();
    void btnNextTwentySubnets_Click();
    QStringList reportLinesFromHere();
    std::array<QString, 4> addressTexts() const;
    bool checkAddressComplete(StepDirection wording);
    void showSubnetMessage(const QString& text);

    ShellServices& m_services;
    std::int16_t addr_class = 1;
    // The shown host range's ends, from which the report words it in English whatever
    // language txt_hosts speaks.
    QString m_hostFirst;
    QString m_hostLast;

    QGroupBox* ip_subnet_frame = nullptr;
    QLabel* sub_Label1 = nullptr;
    OctetBoxRow* m_addressRow = nullptr;
    std::array<OctetBox*, 4> sub_address{};
    QLabel* sub_class = nullptr;

    QGroupBox* Frame1 = nullptr;
    QScrollBar* scr_mask_bits = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* lbl_mask_bits = nullptr;
    QLabel* lbl_subnet_mask = nullptr;
    QLabel* lbl_sub2 = nullptr;
    std::array<QLabel*, 4> Label2{};
    std::array<QLabel*, 4> lbl_info{};

    QGroupBox* Frame2 = nullptr;
    std::array<QLabel*, 2> Label9{};
    QLabel* lbl_bonus = nullptr;
    QLabel* lbl_bonus2 = nullptr;
    QLabel* Label4 = nullptr;
    QLineEdit* txt_hosts = nullptr;

    QGroupBox* sub_mask_frame = nullptr;
    std::array<QLabel*, 2> sub_label2{};
    std::array<QLineEdit*, 4> sub_host_bin{};
    std::array<QLineEdit*, 4> sub_mask_bin{};
    std::array<QWidget*, 2> Line1{};
    std::array<QLabel*, 4> Label3{};
    std::array<QLineEdit*, 4> txt_act_subnet{};
    QLabel* lbl_the_subnet = nullptr;
    QWidget* Picture2 = nullptr;
    QPushButton* btnPrevSubnet = nullptr;
    QPushButton* btnNextSubnet = nullptr;
    std::array<QLineEdit*, 4> txt_broad_bin{};
    QLabel* lbl_the_broad = nullptr;

    QWidget* Picture1 = nullptr;
    QPushButton* btnNextTwentySubnets = nullptr;
    QCheckBox* chk_31bit = nullptr;
};
