#pragma once

#include "subnet/ucsubnetcalc.h"
#include "support/paneldriver.h"
#include "testing/recordingshellservices.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QWheelEvent>

// A shown, active subnet panel whose reports go to a fresh documents folder, driven through its
// controls by object name, as a user or an automation tool would. Its own keys: "at" the
// boxes and the length, "a.b.c.d/m"; "told" the messages, "title: text" each, the documents
// folder written "~"; "opened" the reports opened; "report" the first three subnets the
// report lists, "size" its size in bytes; "misfits" the labels whose texts do not fit or meet
// another's, and txt_hosts when it does not show its start. Its own steps: "enter:a.b.c.d/m" writes
// the octets as a paste does, then the length; "drag:N" holds the length's thumb at N, "drop" lets
// it go; "wheel" turns the wheel on the length towards the user; "file:PATH" and "folder:PATH" put
// a 10000-byte file or a folder in the documents folder ("_" for a blank); "noviewer" makes opening
// the report fail.
struct Panel
{
    Panel() { services.documentsFolderPath = documents.path(); }
    QString text(const QString& name) const { return d.shown(name); }
    QScrollBar* bar() const { return panel.findChild<QScrollBar*>("scr_mask_bits"); }

    QString shown(const QString& key) const
    {
        QStringList texts;
        QFile report(documents.filePath("Ferol Subnet Calculator/subnets.txt"));
        if (key == "report" && report.open(QIODevice::ReadOnly)) {
            for (const QByteArray& line : report.readAll().split('\n').mid(1, 3))
                texts << line.left(16).trimmed();
        }
        for (const RecordedMessage& m : std::as_const(services.messages))
            texts << m.title + ": " +
                         QString(m.text).replace(QDir::toNativeSeparators(documents.path()), "~");
        return key == "at"        ? d.shown("sub_address") + '/' + QString::number(bar()->value())
               : key == "report"  ? texts.mid(0, 3).join(' ')
               : key == "told"    ? texts.join('\n')
               : key == "opened"  ? QString::number(services.textViewerPaths.size())
               : key == "size"    ? QString::number(report.size())
               : key == "misfits" ? misfits()
                                  : d.shown(key);
    }

    QString misfits() const
    {
        // Labels draw from their top left.
        const auto textRect = [](const QLabel* l) {
            return QRect(l->pos(), QSize(l->fontMetrics().horizontalAdvance(l->text()),
                                         l->fontMetrics().ascent()));
        };
        QStringList names;
        const QList<QLabel*> labels = panel.findChildren<QLabel*>();
        for (const QLabel* label : labels) {
            if (textRect(label).width() > label->width())
                names << label->objectName();
            for (const QLabel* other : labels) {
                if (other != label && other->parentWidget() == label->parentWidget() &&
                    !other->text().isEmpty() && !label->text().isEmpty() &&
                    textRect(other).intersects(textRect(label)))
                    names << label->objectName() + " meets " + other->objectName();
            }
        }
        if (panel.findChild<QLineEdit*>("txt_hosts")->cursorPosition() > 0)
            names << "txt_hosts";
        return names.join(", ");
    }

    void enter(const QString& hostAndMask) const
    {
        const QStringList octets = hostAndMask.section('/', 0, 0).split('.');
        for (int k = 0; k < 4; ++k)
            d.get("sub_address_" + QString::number(k))->setProperty("text", octets.value(k));
        if (hostAndMask.contains('/'))
            bar()->setValue(hostAndMask.section('/', 1).toInt());
    }

    void run(const QString& steps)
    {
        d.run(steps, [&](const QString& step, const QString& arg) {
            const QString inTheWay = documents.filePath(QString(arg).replace('_', ' '));
            QFile file(inTheWay);
            if (step.startsWith("enter:")) {
                enter(arg);
            } else if (step.startsWith("drag:")) {
                bar()->setSliderDown(true);
                bar()->setSliderPosition(arg.toInt());
            } else if (step == "drop") {
                bar()->setSliderDown(false);
            } else if (step == "wheel") {
                QWheelEvent wheel({5, 5}, bar()->mapToGlobal(QPointF(5, 5)), {}, {0, -120},
                                  Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
                QApplication::sendEvent(bar(), &wheel);
            } else if (step.startsWith("file:")) {
                QDir().mkpath(QFileInfo(inTheWay).path());
                return file.open(QIODevice::WriteOnly) && file.write(QByteArray(10000, 'x')) > 0;
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
    static inline const QString kShown = "told=|misfits=";

    QTemporaryDir documents;
    RecordingShellServices services;
    ucSubnetCalc panel{services};
    PanelDriver d{panel};
};
