#pragma once

// Shows a panel, active, and drives it through its controls by object name, for the panel
// tests' tables of user steps. Steps, separated by blanks: "focus:NAME" and "mouse:NAME"
// give a control the focus by code and by a click, "type:TEXT" types where the focus is,
// "key:NAME" presses a key there, "tab" presses Tab, "alt:LETTER" an access key,
// "paste:PATH=TEXT" pastes into the focused box ("_" for a blank). A step it does not know
// goes to the test's own handler with its argument; one that neither knows fails the test.

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QMap>
#include <QMenu>
#include <QMimeData>
#include <QTest>

#include <functional>

// Whether the clipboard belongs to this process alone: on the offscreen platform the tests
// default to, or on an X server started for the test alone (the suite says so with
// FEROL_TEST_OWN_DISPLAY). On a real desktop it is the user's, and a test must not overwrite it:
//   if (!ClipboardIsPrivate()) QSKIP(kDesktopClipboard);
inline constexpr char kDesktopClipboard[] =
    "the clipboard is the desktop's; run offscreen to test pasting";
inline bool ClipboardIsPrivate()
{
    const QString platform = QGuiApplication::platformName();
    return platform == QLatin1String("offscreen") || platform == QLatin1String("minimal") ||
           qEnvironmentVariableIsSet("FEROL_TEST_OWN_DISPLAY");
}

// Pastes text into a text box the way a user does: "menu" (its context menu's Paste),
// "shift+insert", "ctrl+v", "middle" (a click with the middle button, which pastes the
// selection) or "drop" (a drag from elsewhere let go at the box's left edge). False when
// it cannot.
inline bool Paste(QWidget* box, const QString& path, const QString& text)
{
    const QPoint left(2, box->height() / 2);
    if (path == "drop") {
        QMimeData data;
        data.setText(text);
        QDragEnterEvent enter(left, Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(box, &enter);
        QDropEvent drop(left, Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(box, &drop);
        return true;
    }
    QClipboard* clipboard = QApplication::clipboard();
    if (!ClipboardIsPrivate())
        return false;
    if (path == "middle" && clipboard->supportsSelection()) {
        clipboard->setText(text, QClipboard::Selection);
        QTest::mouseClick(box, Qt::MiddleButton, {}, left);
        return true;
    }
    if (path != "menu" && path != "shift+insert" && path != "ctrl+v")
        return false;
    clipboard->setText(text);
    if (path == "shift+insert" || path == "ctrl+v") {
        QTest::keyClick(box, path == "ctrl+v" ? Qt::Key_V : Qt::Key_Insert,
                        path == "ctrl+v" ? Qt::ControlModifier : Qt::ShiftModifier);
        return true;
    }
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
    // A desktop gives the window back its activation when a menu closes; offscreen does not.
    box->activateWindow();
    return QTest::qWaitForWindowActive(box);
}

class PanelDriver
{
public:
    explicit PanelDriver(QWidget& panel) : m_panel(panel)
    {
        if (panel.sizeHint().isValid())
            panel.resize(panel.sizeHint());
        panel.show();
        panel.activateWindow();
        (void)QTest::qWaitForWindowActive(&panel);
    }

    QWidget* get(const QString& name) const { return m_panel.findChild<QWidget*>(name); }

    // "focus": the focused control's name; "red": the names of the controls written in red;
    // a control's name: its text; the name of an array NAME_0, NAME_1 …: its texts joined by ".".
    QString shown(const QString& key) const
    {
        if (key == "focus")
            return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : "";
        QStringList texts;
        for (const QWidget* w : m_panel.findChildren<QWidget*>()) {
            if (key == "red" ? w->palette().text().color() == Qt::red : w->objectName() == key)
                texts << (key == "red" ? w->objectName() : w->property("text").toString());
        }
        if (key == "red" || !texts.isEmpty())
            return texts.join(' ');
        for (int k = 0; get(key + '_' + QString::number(k)); ++k)
            texts << get(key + '_' + QString::number(k))->property("text").toString();
        return texts.isEmpty() ? "<no " + key + ">" : texts.join('.');
    }

    // The test's own steps: true when it knew the step.
    using OtherStep = std::function<bool(const QString& step, const QString& arg)>;
    void run(const QString& steps, const OtherStep& other = {}) const
    {
        for (const QString& step : steps.split(' ', Qt::SkipEmptyParts)) {
            const QString arg = step.section(':', 1);
            QWidget* focus = QApplication::focusWidget();
            if (step.startsWith("focus:")) {
                get(arg)->setFocus();
            } else if (step.startsWith("mouse:")) {
                QTest::mouseClick(get(arg), Qt::LeftButton);
            } else if (step.startsWith("type:")) {
                // One key at a time, each to the widget that has the focus by then.
                for (QChar key : arg)
                    QTest::keyClick(QApplication::focusWidget(), key.toLatin1());
            } else if (step.startsWith("key:") || step == "tab") {
                const QKeyCombination key = step == "tab"    ? Qt::Key_Tab
                                            : arg == "Shift" ? Qt::Key_Shift
                                                             : QKeySequence(arg)[0];
                QTest::keyClick(focus, key.key(), key.keyboardModifiers());
            } else if (step.startsWith("alt:")) {
                QTest::keyClick(&m_panel, arg[0].toLatin1(), Qt::AltModifier);
                // A button's access key shows the press first and clicks a moment later.
                for (const QAbstractButton* button : m_panel.findChildren<QAbstractButton*>())
                    (void)QTest::qWaitFor([button] { return !button->isDown(); });
            } else if (step.startsWith("paste:")) {
                const QString path = arg.section('=', 0, 0);
                if (!Paste(focus, path, arg.section('=', 1).replace('_', ' ')))
                    QFAIL(qPrintable("cannot paste by " + path));
            } else if (!other || !other(step, arg)) {
                QFAIL(qPrintable("unknown step " + step));
            }
        }
    }

private:
    QWidget& m_panel;
};

// The columns of a table of user steps and the facts they leave shown, "key=text|key=text …";
// returns the row adder.
inline auto StepTable()
{
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QString>("facts");
    return [](const char* name, const QString& steps, const QString& facts) {
        QTest::newRow(name) << steps << facts;
    };
}

// Runs the current row of such a table on a fresh Panel (run(steps), shown(key)) and compares
// each fact, those of Panel::kShown the row does not name too. What is shown is read
// once everything the steps set off has run, so a change that comes late, or should not come
// at all, shows.
template <class Panel> void RunStepRow()
{
    QFETCH(QString, steps);
    QFETCH(QString, facts);
    if ((steps.contains("paste:") || steps.contains("clip:") || steps.contains("copy:")) &&
        !ClipboardIsPrivate())
        QSKIP(kDesktopClipboard);
    if (steps.contains("paste:middle") && !QApplication::clipboard()->supportsSelection())
        QSKIP("no selection to paste here; the suite runs these rows on its own X server");
    Panel p;
    p.run(steps);
    if (QTest::currentTestFailed())
        return;
    QCoreApplication::processEvents();
    QMap<QString, QString> all;
    for (const QString& fact : (Panel::kShown + '|' + facts).split('|', Qt::SkipEmptyParts))
        all.insert(fact.section('=', 0, 0), fact.section('=', 1));
    for (const auto& [key, text] : all.asKeyValueRange())
        QCOMPARE(std::pair(key, p.shown(key)), std::pair(key, text));
}
