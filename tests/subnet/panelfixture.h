#pragma once

// A shown, active subnet panel with recording services, driven through its controls by
// object name, as a user or an automation tool would.

#include "subnet/ucsubnetcalc.h"
#include "support/paneldriver.h"
#include "testing/recordingshellservices.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QScrollBar>
#include <QWheelEvent>

class Panel
{
public:
    // The text of a control ("" for one without text); "<no NAME>" when there is none.
    QString text(const QString& name) const
    {
        const QWidget* control = panel.findChild<QWidget*>(name);
        return control ? control->property("text").toString() : "<no " + name + ">";
    }
    QLineEdit* address(int index) const
    {
        return panel.findChild<QLineEdit*>("sub_address_" + QString::number(index));
    }
    QScrollBar* maskBits() const { return panel.findChild<QScrollBar*>("scr_mask_bits"); }
    QString focus() const { return QApplication::focusWidget()->objectName(); }

    // The address boxes and the length: "a.b.c.d/m".
    QString at() const
    {
        QStringList octets;
        for (int k = 0; k < 4; ++k)
            octets << address(k)->text();
        return octets.join('.') + '/' + QString::number(maskBits()->value());
    }

    // The messages shown so far, "title: text" each.
    QStringList told() const
    {
        QStringList messages;
        for (const RecordedMessage& message : std::as_const(services.messages))
            messages << message.title + ": " + message.text;
        return messages;
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

    // The driver's steps and these: "enter:a.b.c.d/m"; "drag:N" holds the length's thumb
    // at N, "drop" lets it go; "wheel" turns the wheel on the length towards the user.
    void run(const QString& steps)
    {
        driver.run(steps, [&](const QString& step, const QString& arg) {
            if (step.startsWith("enter:")) {
                enter(arg);
            } else if (step.startsWith("drag:")) {
                maskBits()->setSliderDown(true);
                maskBits()->setSliderPosition(arg.toInt());
            } else if (step == "drop") {
                maskBits()->setSliderDown(false);
            } else if (step == "wheel") {
                QWheelEvent wheel({5, 5}, maskBits()->mapToGlobal(QPointF(5, 5)), {}, {0, -120},
                                  Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
                QApplication::sendEvent(maskBits(), &wheel);
            } else {
                return false;
            }
            return true;
        });
    }

    RecordingShellServices services;
    ucSubnetCalc panel{services};
    PanelDriver driver{panel};
};
