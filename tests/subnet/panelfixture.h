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

    // "a.b.c.d/m": the octets as pasted, then the mask length.
    void enter(const QString& hostAndMask) const
    {
        const QStringList octets = hostAndMask.section('/', 0, 0).split('.');
        for (int k = 0; k < 4; ++k)
            address(k)->setText(octets.value(k));
        if (hostAndMask.contains('/'))
            maskBits()->setValue(hostAndMask.section('/', 1).toInt());
    }

    // Runs the driver's steps and these: "enter:a.b.c.d/m"; "drag:N" holds the length's
    // thumb at N, "drop" lets it go; "wheel" turns the wheel on the length towards the
    // user. Returns what the reading steps saw, joined by ",": "show:A,B" the controls'
    // texts joined by "|", "at" the address and length, "focus" the focused control,
    // "told" the messages shown so far.
    QString run(const QString& steps)
    {
        QStringList seen;
        driver.run(steps, [&](const QString& step, const QString& arg) {
            if (step.startsWith("enter:"))
                enter(arg);
            else if (step.startsWith("drag:")) {
                maskBits()->setSliderDown(true);
                maskBits()->setSliderPosition(arg.toInt());
            } else if (step == "drop")
                maskBits()->setSliderDown(false);
            else if (step == "wheel") {
                QWheelEvent wheel({5, 5}, maskBits()->mapToGlobal(QPointF(5, 5)), {}, {0, -120},
                                  Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
                QApplication::sendEvent(maskBits(), &wheel);
            } else if (step.startsWith("show:"))
                seen << text(QString(arg).replace(',', ' '));
            else if (step == "at")
                seen << text("sub_address_0 sub_address_1 sub_address_2 sub_address_3")
                                .replace('|', '.') +
                            '/' + QString::number(maskBits()->value());
            else if (step == "focus")
                seen << QApplication::focusWidget()->objectName();
            else if (step == "told") {
                for (const RecordedMessage& message : std::as_const(services.messages))
                    seen << message.title + ':' + message.text;
            } else
                seen << "<unknown step " + step + ">";
        });
        return seen.join(',');
    }

    RecordingShellServices services;
    ucSubnetCalc panel{services};
    PanelDriver driver{panel};
};
