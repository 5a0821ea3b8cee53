#pragma once

// Shows a panel, active, and drives it through its controls by object name, for the panel
// tests' tables of user steps. Steps, separated by blanks: "focus:NAME" and "mouse:NAME"
// give a control the focus by code and by a click, "type:TEXT" types where the focus is,
// "key:NAME" presses a key there, "tab" presses Tab, "alt:LETTER" an access key,
// "paste:PATH=TEXT" pastes into the focused box. A step it does not know goes to the
// test's own handler with its argument; one that neither knows fails the test.

#include "support/privateclipboard.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QMenu>
#include <QMimeData>
#include <QTest>
#include <QWidget>

#include <algorithm>
#include <functional>

// Pastes text into a text box the way a user does: "menu" (its context menu's Paste),
// "shift+insert", "middle" (a middle click; false where the platform has no selection to
// paste) or "drop" (a drag from elsewhere let go at the box's left edge). The clipboard
// paths refuse (false) to touch a desktop's clipboard.
inline bool Paste(QWidget* box, const QString& path, const QString& text)
{
    QClipboard* clipboard = QApplication::clipboard();
    if (path != "drop" && !ClipboardIsPrivate())
        return false;
    const QPoint left(2, box->height() / 2);
    if (path == "menu") {
        clipboard->setText(text);
        QContextMenuEvent event(QContextMenuEvent::Mouse, left, box->mapToGlobal(left));
        QApplication::sendEvent(box, &event);
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu)
            return false;
        for (QAction* action : menu->actions()) {
            if (action->text().startsWith("&Paste"))
                action->trigger();
        }
        menu->close();
        // A desktop gives the window back its activation when a menu closes; the offscreen
        // platform leaves no window active.
        box->activateWindow();
        if (!QTest::qWaitForWindowActive(box))
            return false;
    } else if (path == "shift+insert") {
        clipboard->setText(text);
        QTest::keyClick(box, Qt::Key_Insert, Qt::ShiftModifier);
    } else if (path == "middle") {
        if (!clipboard->supportsSelection())
            return false;
        clipboard->setText(text, QClipboard::Selection);
        QTest::mouseClick(box, Qt::MiddleButton, {}, left);
    } else if (path == "drop") {
        QMimeData data;
        data.setText(text);
        QDragEnterEvent enter(left, Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(box, &enter);
        QDropEvent drop(left, Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(box, &drop);
    } else {
        return false;
    }
    return true;
}

class PanelDriver
{
public:
    explicit PanelDriver(QWidget& panel) : m_panel(panel)
    {
        panel.resize(panel.sizeHint());
        panel.show();
        panel.activateWindow();
        (void)QTest::qWaitForWindowActive(&panel);
    }

    QWidget* get(const QString& name) const { return m_panel.findChild<QWidget*>(name); }
    QString text(const QString& name) const { return get(name)->property("text").toString(); }

    // The boxes array_0 … array_(count-1) joined by ".", a "!" after each red one.
    QString octets(const QString& array, int count) const
    {
        QStringList texts;
        for (int k = 0; k < count; ++k) {
            QWidget* box = get(array + '_' + QString::number(k));
            texts << text(box->objectName()) +
                         (box->palette().text().color() == Qt::red ? "!" : "");
        }
        return texts.join('.');
    }

    // The test's own steps: true when it knew the step.
    using OtherStep = std::function<bool(const QString& step, const QString& arg)>;
    // A step neither knows fails the test.
    void run(const QString& steps, const OtherStep& other = {}) const
    {
        for (const QString& step : steps.split(' ', Qt::SkipEmptyParts)) {
            const QString arg = step.section(':', 1);
            if (step.startsWith("focus:")) {
                get(arg)->setFocus();
            } else if (step.startsWith("mouse:")) {
                QTest::mouseClick(get(arg), Qt::LeftButton);
            } else if (step.startsWith("type:")) {
                // One key at a time, each to the widget that has the focus by then.
                for (QChar key : arg)
                    QTest::keyClick(QApplication::focusWidget(), key.toLatin1());
            } else if (step.startsWith("key:") || step == "tab") {
                QTest::keyClick(QApplication::focusWidget(),
                                step == "tab" ? Qt::Key_Tab : QKeySequence(arg)[0].key());
            } else if (step.startsWith("alt:")) {
                QTest::keyClick(&m_panel, arg[0].toLatin1(), Qt::AltModifier);
                // A button's access key shows the press first and clicks a moment later.
                const QList<QAbstractButton*> buttons = m_panel.findChildren<QAbstractButton*>();
                (void)QTest::qWaitFor([&] {
                    return std::none_of(buttons.begin(), buttons.end(),
                                        [](const QAbstractButton* b) { return b->isDown(); });
                });
            } else if (step.startsWith("paste:")) {
                // "paste:PATH=TEXT" into the focused box, "_" for a blank.
                const QString text = arg.section('=', 1).replace('_', ' ');
                if (!Paste(QApplication::focusWidget(), arg.section('=', 0, 0), text))
                    QFAIL(qPrintable("cannot paste by " + arg.section('=', 0, 0)));
            } else if (!other || !other(step, arg)) {
                QFAIL(qPrintable("unknown step " + step));
            }
        }
    }

private:
    QWidget& m_panel;
};

// The columns of a table of user steps and the state they leave; returns the row adder.
inline auto StepTable()
{
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QString>("state");
    return [](const char* name, const QString& steps, const QString& state) {
        QTest::newRow(name) << steps << state;
    };
}

// Runs the current row of such a table on a fresh Panel (run(steps), state()). The state is
// read once everything the steps set off has run, so a change that comes late, or one that
// should not have come at all, shows.
template <class Panel> void RunStepRow()
{
    QFETCH(QString, steps);
    QFETCH(QString, state);
    if (steps.contains("paste:") && !ClipboardIsPrivate())
        QSKIP(kDesktopClipboard);
    Panel p;
    p.run(steps);
    if (QTest::currentTestFailed())
        return;
    QCoreApplication::processEvents();
    QCOMPARE(p.state(), state);
}
