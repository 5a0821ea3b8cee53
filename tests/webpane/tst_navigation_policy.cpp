#include "core/maker_links.h"
#include "webpane/navigation_policy.h"

#include <QTest>
#include <QUrl>

class tst_navigation_policy : public QObject
{
    Q_OBJECT

private slots:
    void decision()
    {
        QStringList decisions;
        for (const QString& address :
             {MakerAddress("/AboutLumbra.html"), QString("HTTP://www.ferol.example/Guarantee.html"),
              QString("https://www.ferol.example/"), QString("about:blank"),
              QString("about:version"), QString("javascript:alert(1)"),
              QString("file:///etc/passwd"), QString("data:text/html,<b>x</b>"),
              QString("view-source:http://www.ferol.example/"), QString("ftp://www.ferol.example/"),
              QString("http:AboutLumbra.html"), QString("/AboutLumbra.html"), QString()}) {
            const NavigationDecision decision = DecideNavigation(QUrl(address));
            decisions << (decision == NavigationDecision::OpenInBrowser ? "out"
                          : decision == NavigationDecision::LoadInPane  ? "load"
                                                                        : "-");
        }
        QCOMPARE(decisions.join(' '), "out out out load - - - - - - - - -");
    }
};

QTEST_GUILESS_MAIN(tst_navigation_policy)
#include "tst_navigation_policy.moc"
