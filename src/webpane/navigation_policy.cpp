#include "webpane/navigation_policy.h"

#include <QUrl>

QUrl BlankDocumentUrl()
{
    return QUrl(QStringLiteral("about:blank"));
}

NavigationDecision DecideNavigation(const QUrl& url)
{
    if (!url.isValid())
        return NavigationDecision::Refuse;
    // QUrl keeps schemes in lower case, so "HTTP://" arrives here as "http".
    const QString scheme = url.scheme();
    if ((scheme == QLatin1String("http") || scheme == QLatin1String("https")) &&
        !url.host().isEmpty())
        return NavigationDecision::OpenInBrowser;
    if (url == BlankDocumentUrl())
        return NavigationDecision::LoadInPane;
    return NavigationDecision::Refuse;
}
