#pragma once

// The row of octet boxes every calculator panel takes its addresses in. The row gives
// all of them one behaviour:
//
//   focus gained     -> the whole text is selected (Tab, an advance, a mouse click), so
//                       the next digit replaces it;
//   character typed  -> FilterOctetKey before insertion; "." is never inserted but moves
//                       the focus to the next box, except as the first key a box gets
//                       after the three-character advance brought the focus there: the
//                       user typing "192." meant that advance (codes come from key +
//                       modifiers, so Ctrl+V/X/Z arrive as 22/24/26 and are discarded);
//                       an input method's commit is typed the same way, character by
//                       character;
//   text pasted      -> by the context menu, Ctrl+V, Shift+Insert, a middle click or a
//                       drop: a dotted address (pasted_address.h) fills the four boxes of
//                       the pasted box's group, an address and a mask fill a row of eight,
//                       each box as an ordinary change but without the advance; then
//                       addressPasted hands the panel the whole paste. Of any other text
//                       only its leading digits go into the box, and nothing when it has
//                       none;
//   text changed     -> colour (red above 255), the advance to the next box once the text
//                       has three characters, the optional clamp to "255", and then the
//                       panel's own steps through octetChanged(index).
//
// Every change runs this handling at once, nested inside whatever changed the text: a
// program assignment reaches octetChanged before setText returns. OctetBox::setText
// leaves a box that already holds the text alone, so an assignment of the same text
// changes nothing at all, not even the selection. The clamp's own setText therefore runs
// the whole handling for "255" before the outer handling goes on.

#include "core/pasted_address.h"

#include <QClipboard>
#include <QLineEdit>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QScopedValueRollback>

class OctetBox : public QLineEdit
{
    Q_OBJECT

public:
    explicit OctetBox(QWidget* parent = nullptr);

    // Hides QLineEdit::setText, which resets the selection, the caret and the undo
    // history even when the text stays the same: here the same text touches nothing.
    void setText(const QString& text);

    // The three-character advance has just given this box the focus.
    void noteArrivalByAdvance() { m_arrivedByAdvance = hasFocus(); }

    // A "/" typed into this box is not inserted but moves the focus to target, where the
    // length of an address "a.b.c.d/len" is set.
    void setSlashFocusTarget(QWidget* target) { m_slashFocus = target; }

signals:
    // A "." was typed into the box.
    void advanceRequested();
    // A dotted address was pasted into the box; nothing was inserted.
    void addressPasted(const PastedAddress& pasted);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    // The key rule for one character code typed into this box: true when the character
    // goes in; a "." moves the focus on unless it is the first key after an advance.
    bool passesKeyRule(int code);
    // Text that arrives as typing rather than as a paste (an input method's commit, a key
    // carrying several characters) passes the same key rules, character by character.
    void typeText(const QString& text);
    // Every paste path ends here.
    void pasteText(const QString& text);
    void pasteFrom(QClipboard::Mode mode);

    bool m_selectAllOnPress = false;
    bool m_hadFocus = false;
    bool m_arrivedByAdvance = false;
    QPointer<QWidget> m_slashFocus;
};

// Gives the focus to boxes[index + 1] when there is such a box.
void FocusNextInArray(int index, const QList<OctetBox*>& boxes);

class OctetBoxRow : public QObject
{
    Q_OBJECT

public:
    enum class OverRange
    {
        Keep,       // shown red and kept
        ClampTo255, // shown red, then replaced by "255"
    };

    // Creates count boxes as children of parent, named arrayName_0, arrayName_1, ...
    // The caller positions them; their tab order follows their indices.
    OctetBoxRow(const QString& arrayName, int count, OverRange overRange, QWidget* parent);

    OctetBox* box(int index) const { return m_boxes.at(index); }
    const QList<OctetBox*>& boxes() const { return m_boxes; }
    int count() const { return static_cast<int>(m_boxes.size()); }

    // The last box hands a typed "/" on to target (OctetBox::setSlashFocusTarget).
    void setSlashFocusTarget(QWidget* target);

    // While the returned guard lives, a third character does not move the focus on (a
    // panel filling the boxes itself holds one).
    [[nodiscard]] QScopedValueRollback<bool> suppressAdvance()
    {
        return QScopedValueRollback<bool>(m_advanceSuppressed, true);
    }

signals:
    // After the shared steps of every change of box index; the panel's own steps.
    void octetChanged(int index);
    // After a pasted address has filled the boxes; the panel's own use of the rest (a
    // prefix length, a mask).
    void addressPasted(const PastedAddress& pasted);

private:
    void handleTextChange(int index);
    void fillFromPaste(int index, const PastedAddress& pasted);
    void fill(int first, const DottedTexts& texts);

    QList<OctetBox*> m_boxes;
    OverRange m_overRange;
    bool m_advanceSuppressed = false;
};
