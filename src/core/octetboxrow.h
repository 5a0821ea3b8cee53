#pragma once

// The row of octet boxes every calculator panel takes its addresses in. The row gives
// all of them one behaviour:
//
//   focus gained     -> the whole text is selected (Tab, an advance, a mouse click), so
//                       the next digit replaces it;
//   character typed  -> FilterOctetKey before insertion; "." is never inserted but moves
//                       the focus to the next box (codes come from key + modifiers, so
//                       Ctrl+V/X/Z arrive as 22/24/26 and are discarded); an input
//                       method's commit is typed the same way, character by character;
//   text changed     -> colour (red above 255), the advance to the next box once the text
//                       has three characters, the optional clamp to "255", and then the
//                       panel's own steps through octetChanged(index).
//
// Every change runs this handling at once, nested inside whatever changed the text: a
// program assignment reaches octetChanged before setText returns, and an assignment of
// the same text raises nothing. The clamp's own setText therefore runs the whole handling
// for "255" before the outer handling goes on.

#include <QLineEdit>
#include <QList>
#include <QObject>

class OctetBox : public QLineEdit
{
    Q_OBJECT

public:
    explicit OctetBox(QWidget* parent = nullptr);

signals:
    // A "." was typed into the box.
    void advanceRequested();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    // Text that arrives as typing rather than as a paste (an input method's commit, a key
    // carrying several characters) passes the same key rules, character by character.
    void typeText(const QString& text);

    bool m_selectAllOnPress = false;
    bool m_hadFocus = false;
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

    // While set, a third character does not move the focus on (a panel filling the boxes
    // itself sets it).
    void setAdvanceSuppressed(bool suppressed) { m_advanceSuppressed = suppressed; }
    bool isAdvanceSuppressed() const { return m_advanceSuppressed; }

signals:
    // After the shared steps of every change of box index; the panel's own steps.
    void octetChanged(int index);

private:
    void handleTextChange(int index);

    QList<OctetBox*> m_boxes;
    OverRange m_overRange;
    bool m_advanceSuppressed = false;
};
