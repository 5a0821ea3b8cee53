#pragma once

// The IPv6 calculator tab. Its state is an Ipv6Model (an address and a prefix length of
// the core); the controls only feed the model and are drawn from it, and every figure
// comes from net through Ipv6Texts. The controls sit in Qt layouts, so the tab grows
// with the window, the font and the scale.
//
// Order of events:
//   address box edited by the user (typing, any paste, a drop) -> line breaks and tabs
//     leave the box, the model reads the text -> redraw;
//   length control changed (keys, digits, mouse)  -> the model's length -> redraw;
//   Previous / Next                               -> the model steps -> redraw (the box
//     gets the new network; past either end the status line says why);
//   split length changed                          -> the subnet list follows;
//   Save...                                       -> the output folder, then the listing
//     written as ipv6-subnets.txt and opened, through the shared report routine.
// The redraw writes a control only where its value differs, so it raises no edits.

#include "core/tabpanel.h"

class Ipv6Model;
class Ipv6SubnetList;
class KeyedScrollBar;
class QLabel;
class QLineEdit;
class QListView;
class QPushButton;
class QSpinBox;
class ShellServices;

class ucIpv6Calc : public TabPanel
{
    Q_OBJECT

public:
    explicit ucIpv6Calc(ShellServices& services, QWidget* parent = nullptr,
                        Build when = Build::Now);

    // The text the tab starts with, a documentation address.
    static QString startText();

protected:
    void build() override;

private:
    void handleAddressEdited(const QString& text);
    void redraw();
    void redrawSubnets();
    void saveSubnets();
    QLabel* addResultRow(const QString& caption, const QString& name);

    ShellServices& m_services;
    Ipv6Model* m_model = nullptr;
    Ipv6SubnetList* m_subnets = nullptr;

    QLineEdit* m_address = nullptr;
    KeyedScrollBar* m_length = nullptr;
    QLabel* m_lengthText = nullptr;
    QPushButton* m_previous = nullptr;
    QPushButton* m_next = nullptr;
    QLabel* m_status = nullptr;
    QLabel* m_compressed = nullptr;
    QLabel* m_expanded = nullptr;
    QLabel* m_network = nullptr;
    QLabel* m_first = nullptr;
    QLabel* m_last = nullptr;
    QLabel* m_count = nullptr;
    QLabel* m_networks64 = nullptr;
    QLabel* m_block = nullptr;
    QLabel* m_embedded = nullptr;
    QLabel* m_reverseName = nullptr;
    QLabel* m_reverseZone = nullptr;
    QLabel* m_worksheet = nullptr;
    QSpinBox* m_splitLength = nullptr;
    QPushButton* m_save = nullptr;
    QLabel* m_subnetSummary = nullptr;
    QListView* m_subnetView = nullptr;
    class QGridLayout* m_results = nullptr;
};
