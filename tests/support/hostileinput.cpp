#include "hostileinput.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QScrollBar>
#include <QTest>

#include <cstdio>

namespace {

// Pieces the random texts are made of: octet-like numbers, number syntax, blanks, and
// characters the key filter lets through (codes from 128 on), non-ASCII digits among them.
const QStringList kPieces = {QStringLiteral("0"),
                             QStringLiteral("7"),
                             QStringLiteral("19"),
                             QStringLiteral("255"),
                             QStringLiteral("256"),
                             QStringLiteral("999"),
                             QStringLiteral("."),
                             QStringLiteral("/"),
                             QStringLiteral("-"),
                             QStringLiteral("+"),
                             QStringLiteral("e"),
                             QStringLiteral("E+9"),
                             QStringLiteral(" "),
                             QStringLiteral("\t"),
                             QStringLiteral("\n"),
                             QStringLiteral("\r\n"),
                             QStringLiteral("1e308"),
                             QStringLiteral("2.5"),
                             QStringLiteral("x"),
                             QStringLiteral("&H1F"),
                             QStringLiteral("4294967296"),
                             QStringLiteral("\u00b2"),
                             QStringLiteral("\u0661\u0669\u0662"), // superscript, Arabic-Indic
                             QStringLiteral("\uff11\uff12"),       // full-width digits
                             QStringLiteral("\u00e9"),
                             QStringLiteral("\U0001F600"),
                             QString(QChar(0xD800)),
                             QString(QChar(0))};

const int kKeys[] = {Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Left,   Qt::Key_Right,
                     Qt::Key_Home,      Qt::Key_End,    Qt::Key_Tab,    Qt::Key_Backtab,
                     Qt::Key_Return,    Qt::Key_Up,     Qt::Key_Down,   Qt::Key_PageUp,
                     Qt::Key_PageDown,  Qt::Key_Space,  Qt::Key_Escape, Qt::Key_Insert};

quint32 SeedFromEnvironment()
{
    bool ok = false;
    const quint32 seed = qEnvironmentVariable("FEROL_HOSTILE_SEED").toUInt(&ok);
    return ok ? seed : QRandomGenerator::global()->generate();
}

} // namespace

HostileInput::HostileInput(QWidget* panel)
    : m_panel(panel), m_seed(SeedFromEnvironment()), m_random(m_seed)
{
    std::printf("hostile input seed %u (replay with FEROL_HOSTILE_SEED=%u)\n", m_seed, m_seed);
    std::fflush(stdout);
}

int HostileInput::below(qsizetype n)
{
    return m_random.bounded(static_cast<int>(n));
}

QString HostileInput::randomText()
{
    if (below(50) == 0)
        return QString(1000 + below(20000), QLatin1Char('9'));
    QString text;
    for (int n = below(6); n >= 0; --n)
        text += kPieces[below(kPieces.size())];
    return text;
}

QWidget* HostileInput::randomChild(const char* className)
{
    QList<QWidget*> candidates;
    for (QWidget* child : m_panel->findChildren<QWidget*>()) {
        if (child->inherits(className) && child->isVisible() && child->isEnabled())
            candidates += child;
    }
    return candidates.isEmpty() ? nullptr : candidates[below(candidates.size())];
}

// The focused widget, after giving the focus to a random box when it has left the panel.
QWidget* HostileInput::focused()
{
    QWidget* focus = QApplication::focusWidget();
    if (!focus || below(8) == 0) {
        if (QWidget* box = randomChild("QLineEdit"))
            box->setFocus();
        focus = QApplication::focusWidget();
    }
    return focus ? focus : m_panel;
}

QString HostileInput::typeKey(QWidget* widget)
{
    const int kind = below(10);
    if (kind < 5) {
        const QString key =
            kind < 3 ? QString(QChar(u'0' + below(10))) : kPieces[below(kPieces.size())].left(1);
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, key, Qt::NoModifier);
        return "key " + key;
    }
    if (kind < 9) {
        const auto key = static_cast<Qt::Key>(kKeys[below(std::size(kKeys))]);
        QTest::keyClick(widget, key);
        return "key " + QString::number(key, 16);
    }
    static const Qt::Key kShortcuts[] = {Qt::Key_V, Qt::Key_X, Qt::Key_Z, Qt::Key_A, Qt::Key_C};
    const Qt::Key key = kShortcuts[below(std::size(kShortcuts))];
    QTest::keyClick(widget, key, Qt::ControlModifier);
    return "ctrl+key " + QString::number(key, 16);
}

QString HostileInput::paste(QWidget* widget, bool byContextMenu)
{
    const QString text = randomText();
    QApplication::clipboard()->setText(text);
    const QString shown = text.left(40);
    if (!byContextMenu) {
        QTest::keyClick(widget, Qt::Key_Insert, Qt::ShiftModifier);
        return "shift+insert " + shown;
    }
    auto* edit = qobject_cast<QLineEdit*>(widget);
    if (!edit || edit->isReadOnly())
        return "no paste";
    if (below(2))
        edit->selectAll();
    edit->paste(); // what the context menu's Paste does
    return "context paste " + shown;
}

QString HostileInput::commit(QWidget* widget)
{
    // An input method talks only to widgets that ask for it (read-only boxes do not).
    if (!widget->testAttribute(Qt::WA_InputMethodEnabled))
        return "no commit";
    const QString text = randomText().left(12);
    QInputMethodEvent event;
    event.setCommitString(text);
    QApplication::sendEvent(widget, &event);
    return "commit " + text;
}

QString HostileInput::scroll()
{
    auto* bar = qobject_cast<QScrollBar*>(randomChild("QScrollBar"));
    if (!bar)
        return "no scroll bar";
    if (below(2)) {
        const int value = bar->minimum() - 5 + below(bar->maximum() - bar->minimum() + 11);
        bar->setValue(value);
        return bar->objectName() + " value " + QString::number(value);
    }
    const auto action = static_cast<QAbstractSlider::SliderAction>(1 + below(7));
    bar->triggerAction(action);
    return bar->objectName() + " action " + QString::number(action);
}

QString HostileInput::click()
{
    auto* button = qobject_cast<QAbstractButton*>(randomChild("QAbstractButton"));
    if (!button)
        return "no button";
    QTest::mouseClick(button, Qt::LeftButton);
    return "click " + button->objectName();
}

QString HostileInput::step()
{
    QWidget* widget = focused();
    m_lastWidget = widget;
    m_lastTarget = Target::Other;
    const int kind = below(100);
    QString what;
    if (kind < 55) {
        m_lastTarget = Target::Keys;
        what = typeKey(widget);
    } else if (kind < 65) {
        what = paste(widget, false);
    } else if (kind < 75) {
        what = paste(widget, true);
    } else if (kind < 83) {
        what = commit(widget);
    } else if (kind < 91) {
        what = scroll();
    } else {
        what = click();
    }
    return widget->objectName() + ": " + what;
}
