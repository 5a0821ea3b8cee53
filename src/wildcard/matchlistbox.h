#pragma once

// A multi-line result box that behaves like the line edits: assigning the text it
// already shows raises no change (QPlainTextEdit would emit textChanged and rebuild its
// layout on every assignment). The user may type into it; the next engine run
// overwrites that. Tab moves on rather than inserting a tab, and a vertical scroll bar
// appears only when the list is longer than the box. Lines wrap at their blank when that
// scroll bar leaves too little room for a run: a clipped " 252- 25" would name a wrong
// value, a wrapped one only takes two lines. Its border shows at every scale
// (crisp_frame.h).

#include <QPlainTextEdit>

class MatchListBox : public QPlainTextEdit
{
    Q_OBJECT

public:
    explicit MatchListBox(QWidget* parent = nullptr);

    // Line ends may be CR LF; the box keeps LF, and text() hands LF back.
    void setText(const QString& text);
    QString text() const { return toPlainText(); }
};
