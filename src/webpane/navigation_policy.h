#pragma once

// Where an address the pane's page asks for may go. The pane never shows another page:
// web pages open in the user's browser with the address exactly as the page gives it
// (paths are case-sensitive on many servers), the blank document the pane builds its
// page on may load, and everything else (scripts, local files, inline data, source
// views, dropped addresses of any other kind) is refused.

class QUrl;

enum class NavigationDecision
{
    LoadInPane,
    OpenInBrowser,
    Refuse,
};

NavigationDecision DecideNavigation(const QUrl& url);

// The document the pane composes its page on.
QUrl BlankDocumentUrl();
