#pragma once

// A shown, active subnet panel whose reports go to a fresh documents folder, driven through
// its controls by object name, as a user or an automation tool would.

#include "subnet/ucsubnetcalc.h"
#include "support/paneldriver.h"
#include "testing/recordingshellservices.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QWheelEvent>

class Panel
{
public:
    Panel() { services.documentsFolderPath = documents.path(); }

    QString text(const QString& name) const { return driver.shown(name); }
    QScrollBar* maskBits() const { return panel.findChild<QScrollBar*>("scr_mask_bits"); }
    QString reportPath() const { return documents.filePath("Ferol Subnet Calculator/subnets.txt"); }

    // The driver's keys and these: "at" the boxes and the length, "a.b.c.d/m"; "told" the
    // messages, "title: text" each, the documents folder written "~"; "opened" the reports
    // opened; "report" the first three subnets the report lists; "size" its size in bytes.
    QString shown(const QString& key) const
    {
        QStringList texts;
        if (key == "at")
            return text("sub_address") + '/' + QString::number(maskBits()->value());
        if (key == "told") {
            for (const RecordedMessage& m : std::as_const(services.messages))
                texts << m.title + ": " +
                             QString(m.text).replace(QDir::toNativeSeparators(documents.path()),
                                                     "~");
            return texts.join('\n');
        }
        if (key == "opened")
            return QString::number(services.textViewerPaths.size());
        QFile file(reportPath());
        if (key == "size")
            return QString::number(file.size());
        if (key == "report" && file.open(QIODevice::ReadOnly)) {
            for (const QByteArray& line : file.readAll().split('\n').mid(1, 3))
                texts << line.left(16).trimmed();
            return texts.join(' ');
        }
        return driver.shown(key);
    }

    // "a.b.c.d/m": the octets as pasted, then the mask length.
    void enter(const QString& hostAndMask) const
    {
        const QStringList octets = hostAndMask.section('/', 0, 0).split('.');
        for (int k = 0; k < 4; ++k)
            driver.get("sub_address_" + QString::number(k))->setProperty("text", octets.value(k));
        if (hostAndMask.contains('/'))
            maskBits()->setValue(hostAndMask.section('/', 1).toInt());
    }

    // The driver's steps and these: "enter:a.b.c.d/m"; "drag:N" holds the length's thumb at
    // N, "drop" lets it go; "wheel" turns the wheel on the length towards the user; "old"
    // leaves an earlier, longer report; "file:NAME" and "folder:NAME" put one in the way in
    // the documents folder ("_" for a blank); "noviewer" makes opening the report fail.
    void run(const QString& steps)
    {
        driver.run(steps, [&](const QString& step, const QString& arg) {
            const QString inTheWay = documents.filePath(QString(arg).replace('_', ' '));
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
            } else if (step == "old") {
                QDir().mkpath(documents.filePath("Ferol Subnet Calculator"));
                QFile old(reportPath());
                return old.open(QIODevice::WriteOnly) && old.write(QByteArray(10000, 'x')) > 0;
            } else if (step.startsWith("file:")) {
                return QFile(inTheWay).open(QIODevice::WriteOnly);
            } else if (step.startsWith("folder:")) {
                return QDir().mkpath(inTheWay);
            } else if (step == "noviewer") {
                services.openersFail = true;
            } else {
                return false;
            }
            return true;
        });
    }
    static inline const QString kShown = "told=";

    QTemporaryDir documents;
    RecordingShellServices services;
    ucSubnetCalc panel{services};
    PanelDriver driver{panel};
};
