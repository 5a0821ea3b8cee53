#pragma once

// A shown, active subnet panel with recording services, driven through its controls by
// object name, as a user or an automation tool would.

#include "subnet/ucsubnetcalc.h"
#include "support/recordingshellservices.h"

#include <QApplication>
#include <QAbstractButton>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QTest>

#include <memory>

class Panel
{
public:
    Panel()
    {
        panel = std::make_unique<ucSubnetCalc>(services);
        panel->resize(panel->sizeHint());
        panel->show();
        panel->activateWindow();
        (void)QTest::qWaitForWindowActive(panel.get());
    }

    QString text(const QString& name) const
    {
        if (auto* label = panel->findChild<QLabel*>(name))
            return label->text();
        if (auto* box = panel->findChild<QLineEdit*>(name))
            return box->text();
        return QStringLiteral("<no control %1>").arg(name);
    }
    QLineEdit* address(int index) const
    {
        return panel->findChild<QLineEdit*>(QStringLiteral("sub_address_%1").arg(index));
    }
    QScrollBar* maskBits() const { return panel->findChild<QScrollBar*>("scr_mask_bits"); }
    QCheckBox* option() const { return panel->findChild<QCheckBox*>("chk_31bit"); }

    // Types keys one at a time into whichever box has the focus, as a user does.
    void type(const QString& keys) const
    {
        for (QChar key : keys)
            QTest::keyClick(QApplication::focusWidget(), key.toLatin1());
    }
    void enter(const QString& dotted) const
    {
        const QStringList octets = dotted.split(QLatin1Char('.'));
        for (int k = 0; k < 4; ++k)
            address(k)->setText(octets.value(k));
    }
    QString dotted() const
    {
        QStringList octets;
        for (int k = 0; k < 4; ++k)
            octets << address(k)->text();
        return octets.join(QLatin1Char('.'));
    }
    void click(const QString& button) const
    {
        auto* widget = panel->findChild<QAbstractButton*>(button);
        QVERIFY2(widget, qPrintable(button));
        QTest::mouseClick(widget, Qt::LeftButton);
    }
    // Every text the panel shows, to tell whether anything at all changed.
    QStringList snapshot() const
    {
        QStringList texts;
        for (const QLabel* label : panel->findChildren<QLabel*>())
            texts << label->objectName() + '=' + label->text();
        for (const QLineEdit* box : panel->findChildren<QLineEdit*>())
            texts << box->objectName() + '=' + box->text();
        texts << QString::number(maskBits()->value());
        return texts;
    }
    int focusIndex() const
    {
        for (int k = 0; k < 4; ++k) {
            if (QApplication::focusWidget() == address(k))
                return k;
        }
        return -1;
    }

    RecordingShellServices services;
    std::unique_ptr<ucSubnetCalc> panel;
};
