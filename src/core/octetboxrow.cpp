#include "core/octetboxrow.h"

#include "core/octet_routines.h"
#include "core/widget_colors.h"

#include <QApplication>
#include <QClipboard>
#include <QFocusEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>

#include <utility>

namespace {

constexpr int kNoCharacter = -1;
// The key rule knows 16-bit codes; characters beyond pass as they are.
constexpr int kLastRuleCode = 0x7FFF;
constexpr int kFirstPrintable = 32;

// Keys pressed on the way to a character rather than keys of their own: a layout that
// types "." with Shift must not lose the rule for the "." after an advance.
bool IsModifierKey(int key)
{
    switch (key) {
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Meta:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_CapsLock:
    case Qt::Key_NumLock:
    case Qt::Key_Mode_switch:
    case Qt::Key_Super_L:
    case Qt::Key_Super_R:
    case Qt::Key_Hyper_L:
    case Qt::Key_Hyper_R:
        return true;
    default:
        return false;
    }
}

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

void OctetBox::setText(const QString& text)
{
    if (text != this->text())
        QLineEdit::setText(text);
}

bool OctetBox::passesKeyRule(int code)
{
    const bool arrivedByAdvance = std::exchange(m_arrivedByAdvance, false);
    if (code > kLastRuleCode)
        return true;
    if (code == '/' && m_slashFocus) {
        m_slashFocus->setFocus(Qt::OtherFocusReason);
        return false;
    }
    auto keyCode = static_cast<std::int16_t>(code);
    FilterOctetKey(keyCode);
    if (keyCode == kDotCode) {
        if (!arrivedByAdvance)
            emit advanceRequested();
        return false;
    }
    return keyCode != 0;
}

void OctetBox::keyPressEvent(QKeyEvent* event)
{
    const int code = CharacterCode(*event);
    // A compose sequence or an on-screen keyboard can send several characters in one
    // key; they are typed one by one, like keys.
    if (event->text().size() > 1 && code >= kFirstPrintable) {
        event->accept();
        typeText(event->text());
        return;
    }
    // Before the key rule, which would discard Ctrl+V as its control code: every paste key
    // (Ctrl+V, Shift+Insert) pastes the one way.
    if (event->matches(QKeySequence::Paste) && !isReadOnly()) {
        m_arrivedByAdvance = false;
        event->accept();
        pasteFrom(QClipboard::Clipboard);
        return;
    }
    if (code == kNoCharacter) {
        if (!IsModifierKey(event->key()))
            m_arrivedByAdvance = false;
        QLineEdit::keyPressEvent(event);
        return;
    }
    if (passesKeyRule(code)) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    // Printable keys are swallowed; control keys travel on, so Esc still reaches a
    // dialog and Ctrl+V a menu, but never the box.
    if (code < kFirstPrintable)
        event->ignore();
    else
        event->accept();
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
    OctetBox* lastBox = this;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const bool pair =
            text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate();
        const QString character = text.mid(i, pair ? 2 : 1);
        if (pair)
            ++i;
        // Each character goes where a key would: the box that has the focus by now, after
        // any advance the characters before it caused, or the control a "/" moved it to.
        const int code = character.at(0).unicode();
        if (code < kFirstPrintable)
            continue; // an input method's control characters are no keys to type
        QWidget* focus = QApplication::focusWidget();
        auto* target = qobject_cast<OctetBox*>(focus);
        if (!target && focus && focus == lastBox->m_slashFocus) {
            for (const QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
                QKeyEvent key(type, character.at(0).toUpper().unicode(), Qt::NoModifier, character);
                QApplication::sendEvent(focus, &key);
            }
            continue;
        }
        if (!target)
            target = this;
        lastBox = target;
        if (target->passesKeyRule(code))
            target->insert(character);
    }
}

void OctetBox::pasteText(const QString& text)
{
    if (const std::optional<PastedAddress> address = ParsePastedAddress(text)) {
        emit addressPasted(*address);
        return;
    }
    const QString digits = PastedOctetDigits(text);
    if (!digits.isEmpty())
        insert(digits);
}

void OctetBox::pasteFrom(QClipboard::Mode mode)
{
    pasteText(QGuiApplication::clipboard()->text(mode));
}

void OctetBox::contextMenuEvent(QContextMenuEvent* event)
{
    QMenu* menu = createStandardContextMenu();
    // The menu's Paste goes where every other paste goes. Its action has no name to find
    // it by; it is the one QLineEdit connected to its paste slot, by signature, so only a
    // disconnect by signature finds it.
    const QList<QAction*> actions = menu->actions();
    for (QAction* action : actions) {
        if (disconnect(action, SIGNAL(triggered()), this, SLOT(paste())))
            connect(action, &QAction::triggered, this,
                    [this] { pasteFrom(QClipboard::Clipboard); });
    }
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
}

void OctetBox::mouseReleaseEvent(QMouseEvent* event)
{
    // Where the platform has a selection to paste, a middle click pastes it at the place
    // the press put the cursor.
    if (event->button() == Qt::MiddleButton && !isReadOnly() &&
        QGuiApplication::clipboard()->supportsSelection()) {
        deselect();
        pasteFrom(QClipboard::Selection);
        event->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

void OctetBox::dropEvent(QDropEvent* event)
{
    const QMimeData* data = event->mimeData();
    if (isReadOnly() || !data->hasText()) {
        QLineEdit::dropEvent(event);
        return;
    }
    if (const std::optional<PastedAddress> address = ParsePastedAddress(data->text())) {
        // Copied, never moved: the boxes take the octets, the source keeps its text.
        event->setDropAction(Qt::CopyAction);
        event->accept();
        emit addressPasted(*address);
        return;
    }
    // Of any other text only its leading number is dropped, at the place the drag points to.
    const QString digits = PastedOctetDigits(data->text());
    if (digits.isEmpty()) {
        event->ignore();
        return;
    }
    QMimeData number;
    number.setText(digits);
    QDropEvent numberDrop(event->position(), event->possibleActions(), &number, event->buttons(),
                          event->modifiers(), event->type());
    numberDrop.setDropAction(event->dropAction());
    QLineEdit::dropEvent(&numberDrop);
    event->setDropAction(numberDrop.dropAction());
    event->setAccepted(numberDrop.isAccepted());
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

void OctetBox::focusOutEvent(QFocusEvent* event)
{
    m_arrivedByAdvance = false;
    QLineEdit::focusOutEvent(event);
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
        connect(box, &OctetBox::addressPasted, this,
                [this, index](const PastedAddress& pasted) { fillFromPaste(index, pasted); });
    }
}

void OctetBoxRow::setSlashFocusTarget(QWidget* target)
{
    m_boxes.last()->setSlashFocusTarget(target);
}

void OctetBoxRow::handleTextChange(int index)
{
    OctetBox* changed = m_boxes.at(index);
    SetTextColor(*changed, OctetTextColor(changed->text()));
    if (changed->text().size() >= 3 && !m_advanceSuppressed && index + 1 < count()) {
        FocusNextInArray(index, m_boxes);
        m_boxes.at(index + 1)->noteArrivalByAdvance();
    }
    if (m_overRange == OverRange::ClampTo255 && NumericValue(changed->text()) > 255)
        changed->setText(QStringLiteral("255"));
    emit octetChanged(index);
}

// Each box takes its octet as an ordinary change, but the focus stays in the box pasted
// into: the advance would otherwise leave it wherever the last three-digit octet sent it.
void OctetBoxRow::fillFromPaste(int index, const PastedAddress& pasted)
{
    {
        const QScopedValueRollback stay(m_advanceSuppressed, true);
        const bool addressAndMask = pasted.mask && count() >= 8;
        fill(addressAndMask ? 0 : index / 4 * 4, pasted.address);
        if (addressAndMask)
            fill(4, *pasted.mask);
    }
    emit addressPasted(pasted);
}

void OctetBoxRow::fill(int first, const DottedTexts& texts)
{
    for (int i = 0; i < 4 && first + i < count(); ++i)
        m_boxes.at(first + i)->setText(texts.at(i));
}
