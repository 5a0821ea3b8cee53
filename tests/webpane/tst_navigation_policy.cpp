#include "core/maker_links.h"
#include "webpane/navigation_policy.h"

#include <QTest>
#include <QUrl>

class tst_navigation_policy : public QObject
{
    Q_OBJECT

private slots:
    void decision_data();
    void decision();
};

void tst_navigation_policy::decision_data()
{
    QTest::addColumn<QString>("address");
    QTest::addColumn<NavigationDecision>("expected");

    const auto out = NavigationDecision::OpenInBrowser;
    const auto refuse = NavigationDecision::Refuse;
    QTest::newRow("maker page") << MakerAddress(QStringLiteral("/AboutLumbra.html")) << out;
    QTest::newRow("upper-case scheme") << "HTTP://www.ferol.example/Guarantee.html" << out;
    QTest::newRow("https") << "https://www.ferol.example/AboutTraining.html" << out;
    QTest::newRow("blank document") << "about:blank" << NavigationDecision::LoadInPane;
    QTest::newRow("other about page") << "about:version" << refuse;
    QTest::newRow("javascript") << "javascript:alert(1)" << refuse;
    QTest::newRow("local file") << "file:///etc/passwd" << refuse;
    QTest::newRow("inline data") << "data:text/html,<b>x</b>" << refuse;
    QTest::newRow("source view") << "view-source:http://www.ferol.example/" << refuse;
    QTest::newRow("ftp") << "ftp://www.ferol.example/" << refuse;
    QTest::newRow("http without host") << "http:AboutLumbra.html" << refuse;
    QTest::newRow("relative path") << "/AboutLumbra.html" << refuse;
    QTest::newRow("empty") << "" << refuse;
}

void tst_navigation_policy::decision()
{
    QFETCH(QString, address);
    QFETCH(NavigationDecision, expected);
    QCOMPARE(DecideNavigation(QUrl(address)), expected);
}

QTEST_GUILESS_MAIN(tst_navigation_policy)
#include "tst_navigation_policy.moc"
