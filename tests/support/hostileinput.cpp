#include "hostileinput.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTest>

namespace {

// What random texts are made of, separated by "|": octet-like numbers, number syntax,
// blanks, and characters the key filter lets through (codes from 128 on): superscript,
// Arabic-Indic and full-width digits, a letter, an emoji, a lone surrogate, and a NUL.
constexpr char16_t kPieceList[] =
    u"0|7|19|255|256|999|.|/|-|+|e|E+9| |\t|\n|\r\n|1e308|2.5|x|&H1F|4294967296|\u00b2|"
    u"\u0661\u0669\u0662|\uff11\uff12|\u00e9|\U0001F600|\xD800|\0";
const QStringList kPieces =
    QStringView(kPieceList, std::size(kPieceList) - 1).toString().split('|');

// Shift+Insert, three times as likely as the others, pastes the text the step put on the
// clipboard.
const QList<QKeySequence> kKeys = QKeySequence::listFromString(
    "Backspace; Del; Left; Right; Home; End; Tab; Backtab; Return; Up; Down; PgUp; PgDown; Space; "
    "Esc; Ins; Ctrl+V; Ctrl+X; Ctrl+Z; Ctrl+A; Ctrl+C; Shift+Ins; Shift+Ins; Shift+Ins");

} // namespace

QString RunHostileInput(QWidget* panel, int steps,
                        const std::function<QString(QWidget*, bool)>& problems)
{
    bool replay = false;
    const quint32 given = qEnvironmentVariable("FEROL_HOSTILE_SEED").toUInt(&replay);
    const quint32 seed = replay ? given : QRandomGenerator::global()->generate();
    qInfo("hostile input seed %u (replay with FEROL_HOSTILE_SEED=%u)", seed, seed);
    panel->resize(panel->sizeHint());
    panel->show();
    panel->activateWindow();
    if (!QTest::qWaitForWindowActive(panel))
        return QStringLiteral("the panel never became active");
    QRandomGenerator random(seed);
    const auto below = [&](qsizetype n) {
        return random.bounded(static_cast<int>(n));
    };
    const auto randomText = [&] {
        QString text = below(50) ? QString() : QString(1000 + below(20000), u'9');
        for (int n = below(6); n >= 0; --n)
            text += kPieces[below(kPieces.size())];
        return text;
    };
    const auto randomChild = [&](const char* className) -> QWidget* {
        QList<QWidget*> found;
        for (QWidget* child : panel->findChildren<QWidget*>()) {
            if (child->inherits(className) && child->isVisible() && child->isEnabled())
                found += child;
        }
        return found.isEmpty() ? nullptr : found[below(found.size())];
    };
    QStringList recent;
    for (int n = 0; n < steps; ++n) {
        // The focus goes to a random box when it has left the panel, and now and then anyway.
        if (QWidget* box = randomChild("QLineEdit");
            box && (!QApplication::focusWidget() || !below(8)))
            box->setFocus();
        QWidget* widget = QApplication::focusWidget() ? QApplication::focusWidget() : panel;
        auto* edit = qobject_cast<QLineEdit*>(widget);
        const int kind = below(24);
        QString what = randomText();
        QApplication::clipboard()->setText(what);
        if (kind < 8) {
            what = kind < 5 ? QString(QChar(u'0' + below(10))) : what.left(1);
            QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, what, Qt::NoModifier);
        } else if (kind < 14) {
            const QKeyCombination key = kKeys[below(kKeys.size())][0];
            QTest::keyClick(widget, key.key(), key.keyboardModifiers());
            what = QKeySequence(key).toString() + " with " + what.left(40) + " on the clipboard";
        } else if (kind < 16 && edit && !edit->isReadOnly()) {
            if (below(2))
                edit->selectAll();
            edit->paste(); // what the context menu's Paste does
            what = "context paste " + what.left(40);
        } else if (kind < 18 && widget->testAttribute(Qt::WA_InputMethodEnabled)) {
            QInputMethodEvent event;
            event.setCommitString(what.left(12));
            QApplication::sendEvent(widget, &event);
            what = "commit " + event.commitString();
        } else if (auto* bar = qobject_cast<QScrollBar*>(randomChild("QScrollBar"));
                   bar && kind < 20) {
            bar->setValue(bar->minimum() - 5 + below(bar->maximum() - bar->minimum() + 11));
            bar->triggerAction(static_cast<QAbstractSlider::SliderAction>(below(8)));
            what = bar->objectName() + " to " + QString::number(bar->value());
        } else if (auto* button = qobject_cast<QAbstractButton*>(randomChild("QAbstractButton"))) {
            QTest::mouseClick(button, Qt::LeftButton);
            what = "click " + button->objectName();
        }
        recent << widget->objectName() + ": " + what;
        recent = recent.mid(std::max<qsizetype>(0, recent.size() - 8));
        if (const QString found = problems(widget, kind < 14); !found.isEmpty()) {
            return QString::asprintf("seed %u, step %d: ", seed, n) + found + "\nlast steps:\n  " +
                   recent.join("\n  ");
        }
    }
    return {};
}

QString TextsNotMatching(const QWidget* panel, const QList<std::pair<QString, QString>>& rules)
{
    QStringList problems;
    for (const auto& [names, pattern] : rules) {
        const QRegularExpression whole(QRegularExpression::anchoredPattern(pattern));
        const auto children = panel->findChildren<QObject*>(
            QRegularExpression(QRegularExpression::anchoredPattern(names)));
        if (children.isEmpty())
            problems += "no " + names;
        for (const QObject* child : children) {
            // Multi-line boxes have no "text" property.
            const QString text =
                child->property(child->property("text").isValid() ? "text" : "plainText")
                    .toString();
            if (!whole.match(text).hasMatch())
                problems += child->objectName() + " \"" + text.left(60) + '"';
        }
    }
    return problems.join("; ");
}
