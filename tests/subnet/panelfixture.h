#pragma once

// A shown, active subnet panel with recording services, driven through its controls by
// object name, as a user or an automation tool would.

#include "subnet/ucsubnetcalc.h"
#include "support/recordingshellservices.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QTest>

class Panel
{
public:
    Panel() : panel(services)
    {
        panel.resize(panel.sizeHint());
        panel.show();
        panel.activateWindow();
        (void)QTest::qWaitForWindowActive(&panel);
    }

    // The texts of the named controls (separated by blanks), joined by "|".
    QString text(const QString& names) const
    {
        QStringList texts;
        for (const QString& name : names.split(' ')) {
            const QWidget* control = panel.findChild<QWidget*>(name);
            texts << (control ? control->property("text").toString() : "<no " + name + ">");
        }
        return texts.join('|');
    }
    QLineEdit* address(int index) const
    {
        return panel.findChild<QLineEdit*>("sub_address_" + QString::number(index));
    }
    QScrollBar* maskBits() const { return panel.findChild<QScrollBar*>("scr_mask_bits"); }

    // Each key goes to whichever widget has the focus at that moment, as typing does.
    void type(const QString& keys) const
    {
        for (QChar key : keys)
            QTest::keyClick(QApplication::focusWidget(), key.toLatin1());
    }
    // "a.b.c.d/m": the octets as pasted, then the mask length.
    void enter(const QString& hostAndMask) const
    {
        const QStringList octets = hostAndMask.section('/', 0, 0).split('.');
        for (int k = 0; k < 4; ++k)
            address(k)->setText(octets.value(k));
        if (hostAndMask.contains('/'))
            maskBits()->setValue(hostAndMask.section('/', 1).toInt());
    }
    QString dotted() const
    {
        return text("sub_address_0 sub_address_1 sub_address_2 sub_address_3").replace('|', '.');
    }
    void click(const QString& button)
    {
        QTest::mouseClick(panel.findChild<QAbstractButton*>(button), Qt::LeftButton);
    }
    int focusIndex() const
    {
        const QString name = QApplication::focusWidget()->objectName();
        return name.startsWith("sub_address_") ? name.right(1).toInt() : -1;
    }

    RecordingShellServices services;
    ucSubnetCalc panel;
};
