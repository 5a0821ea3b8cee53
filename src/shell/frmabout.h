#pragma once

// The About dialog: the program's logo, title, version, description and copyright,
// OK (Enter and Esc press it too) and "&View DODA", which hands the license document in
// the program's folder to the services and says so when it cannot be opened. The texts
// are filled each time the dialog is shown, never kept from an earlier showing.

#include <QDialog>

class QLabel;
class QPushButton;
class ShellServices;

class frmAbout : public QDialog
{
    Q_OBJECT

public:
    explicit frmAbout(ShellServices& services, QWidget* parent = nullptr);

    // The license document's file name in the program's folder.
    static constexpr char kLicenseDocument[] = "DODA.Subnet.rtf";

protected:
    void showEvent(QShowEvent* event) override;

private:
    void Form_Load();
    void ShowLicenseDocument();

    ShellServices& m_services;

    QLabel* imgFerolOrb = nullptr;
    QLabel* lblTitle = nullptr;
    QLabel* lblVersion = nullptr;
    QLabel* lblDescription = nullptr;
    QWidget* Line1_0 = nullptr;
    QWidget* Line1_1 = nullptr;
    QLabel* lblDisclaimer = nullptr;
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdShowEula = nullptr;
};
