#pragma once

// The text browser that shows the pane's page when the browser plugin is missing. Tab
// and Shift+Tab move from link to link as in a web page, and moving on from the last
// link (or back from the first) leaves the page. QTextBrowser alone keeps the focus on a
// link that opens the document when Shift+Tab asks for the one before it.

#include <QTextBrowser>

class PaneTextBrowser : public QTextBrowser
{
    Q_OBJECT

public:
    explicit PaneTextBrowser(QWidget* parent = nullptr);

protected:
    bool focusNextPrevChild(bool next) override;
};
