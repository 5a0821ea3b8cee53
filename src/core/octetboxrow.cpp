#include "core/octetboxrow.h"

#include "core/octet_routines.h"
#include "core/widget_colors.h"

#include <QApplication>
#include <QFocusEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMouseEvent>

namespace {

constexpr int kNoCharacter = -1;
constexpr int kDot = 46;

// The character code a key would type, as a text box's key handler sees it. Qt reports
// Ctrl+letter as the letter, so the control code is derived from key and modifiers.
int CharacterCode(const QKeyEvent& event)
{
    const Qt::KeyboardModifiers mods = event.modifiers();
    const bool control = mods.testFlag(Qt::ControlModifier) && !mods.testFlag(Qt::AltModifier);
    if (control && event.key() >= Qt::Key_A && event.key() <= Qt::Key_Z)
        return event.key() - Qt::Key_A + 1;
    const QString text = event.text();
    // Delete reports DEL as its text but edits rather than types.
    if (text.isEmpty() || event.key() == Qt::Key_Delete)
        return kNoCharacter;
    return text.at(0).unicode();
}

} // namespace

OctetBox::OctetBox(QWidget* parent) : QLineEdit(parent)
{}

void OctetBox::keyPressEvent(QKeyEvent* event)
{
    // A compose sequence or an on-screen keyboard can send several characters in one
    // key; they are typed one by one, like keys.
    if (event->text().size() > 1 && CharacterCode(*event) >= 32) {
        event->accept();
        typeText(event->text());
        return;
    }
    const int code = CharacterCode(*event);
    if (code == kNoCharacter || code > 0x7FFF) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    auto keyCode = static_cast<std::int16_t>(code);
    FilterOctetKey(keyCode);
    if (keyCode == kDot) {
        event->accept();
        emit advanceRequested();
        return;
    }
    if (keyCode == 0) {
        // Printable keys are swallowed; control keys travel on, so Esc still reaches a
        // dialog and Ctrl+V a menu, but never the box.
        if (code < 32)
            event->ignore();
        else
            event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void OctetBox::inputMethodEvent(QInputMethodEvent* event)
{
    // The composition itself is shown as usual; only the committed text is typed.
    const QString committed = event->commitString();
    QInputMethodEvent composing(event->preeditString(), event->attributes());
    QLineEdit::inputMethodEvent(&composing);
    event->accept();
    typeText(committed);
}

void OctetBox::typeText(const QString& text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const bool pair =
            text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate();
        const QString character = text.mid(i, pair ? 2 : 1);
        if (pair)
            ++i;
        // Each character goes where a key would: the box that has the focus by now, after
        // any advance the characters before it caused.
        auto* target = qobject_cast<OctetBox*>(QApplication::focusWidget());
        if (!target)
            target = this;
        const int code = character.at(0).unicode();
        if (code < 32)
            continue; // an input method's control characters are no keys to type
        if (code <= 0x7FFF) {
            auto keyCode = static_cast<std::int16_t>(code);
            FilterOctetKey(keyCode);
            if (keyCode == kDot) {
                emit target->advanceRequested();
                continue;
            }
            if (keyCode == 0)
                continue;
        }
        target->insert(character);
    }
}

void OctetBox::focusInEvent(QFocusEvent* event)
{
    QLineEdit::focusInEvent(event);
    // Coming back from another window or a context menu is not entering the box anew;
    // the user's own selection stays. A window opening with the focus in a box that never
    // had it is entering it, though.
    const Qt::FocusReason reason = event->reason();
    const bool returning =
        m_hadFocus && (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason);
    m_hadFocus = true;
    if (returning)
        return;
    selectAll();
    // The click that gave the focus would place the cursor and drop the selection.
    m_selectAllOnPress = reason == Qt::MouseFocusReason;
}

void OctetBox::mousePressEvent(QMouseEvent* event)
{
    QLineEdit::mousePressEvent(event);
    if (m_selectAllOnPress) {
        m_selectAllOnPress = false;
        selectAll();
    }
}

void FocusNextInArray(int index, const QList<OctetBox*>& boxes)
{
    if (index < boxes.size() - 1)
        boxes.at(index + 1)->setFocus(Qt::OtherFocusReason);
}

OctetBoxRow::OctetBoxRow(const QString& arrayName, int count, OverRange overRange, QWidget* parent)
    : QObject(parent), m_overRange(overRange)
{
    for (int index = 0; index < count; ++index) {
        auto* box = new OctetBox(parent);
        box->setObjectName(arrayName + QLatin1Char('_') + QString::number(index));
        // The design's black text, on the design's white box, until a text says otherwise.
        SetTextColor(*box, kBlackBgr);
        if (!m_boxes.isEmpty())
            QWidget::setTabOrder(m_boxes.last(), box);
        m_boxes.append(box);
        connect(box, &QLineEdit::textChanged, this, [this, index] { handleTextChange(index); });
        connect(box, &OctetBox::advanceRequested, this,
                [this, index] { FocusNextInArray(index, m_boxes); });
    }
}

void OctetBoxRow::handleTextChange(int index)
{
    OctetBox* changed = m_boxes.at(index);
    SetTextColor(*changed, OctetTextColor(changed->text()));
    if (changed->text().size() >= 3 && !m_advanceSuppressed)
        FocusNextInArray(index, m_boxes);
    if (m_overRange == OverRange::ClampTo255 && NumericValue(changed->text()) > 255)
        changed->setText(QStringLiteral("255"));
    emit octetChanged(index);
}
