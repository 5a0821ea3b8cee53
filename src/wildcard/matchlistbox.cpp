#include "wildcard/matchlistbox.h"

#include "core/crisp_frame.h"

MatchListBox::MatchListBox(QWidget* parent) : QPlainTextEdit(parent)
{
    UseCrispFrame(*this);
    setTabChangesFocus(true);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

void MatchListBox::setText(const QString& text)
{
    QString normalised = text;
    normalised.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    if (normalised != toPlainText())
        setPlainText(normalised);
}
