#pragma once

// A label the program writes a result into. Assistive technology hears it as static text
// whose name is what the value is ("Maximum hosts", from the panel's accessible name)
// and whose value and text are the result itself, so a screen reader's review mode reads
// both; a plain QLabel with a name would hide its text behind the name. Its text can be
// selected with the mouse and copied; when a click has given it the focus it draws the
// style's focus frame (shown once the keyboard is in use), which QLabel leaves out.

#include <QLabel>

class ResultLabel : public QLabel
{
    Q_OBJECT

public:
    explicit ResultLabel(const QString& text, QWidget* parent = nullptr);

    // Selectable text keeps a text document behind the label (as does any label that can
    // take the focus), which lays the text out again at every change; a dozen of them were
    // a large share of the window's first frame. The label becomes selectable, and
    // focusable by a click, when the pointer or the focus first reaches it or assistive
    // technology selects in it, and then stays so.
    void makeSelectable();

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};
