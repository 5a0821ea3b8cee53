#include "core/maker_links.h"
#include "support/recordingshellservices.h"
#include "webpane/page_composition.h"
#include "webpane/page_script.h"
#include "webpane/ucferol.h"

#include <QApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>
#include <QWebEngineView>

namespace {

// Starting the engine takes seconds on a loaded two-core machine. A failing QTRY waits
// three times this, which must stay inside Qt Test's five minutes per function.
constexpr int kEngineTimeout = 30000;

} // namespace

// The pane with its browser plugin, in a tab widget like the main window's. One pane
// for the whole class: the engine is too dear to start for every test.
class tst_webengine_pane : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void headScript();
    void bodyStyles();
    void blocksAndImages();
    void links();
    void addressesLeaveThePane_data();
    void addressesLeaveThePane();
    void secondPreparationKeepsOneScript();

private:
    bool run(const QString& script, QVariant* result = nullptr);
    QJsonValue evaluate(const QString& expression);
    QString pageScript() const;

    RecordingShellServices m_services;
    QTabWidget m_tabs;
    ucFerol* m_pane = nullptr;
    QSignalSpy* m_composed = nullptr;
    QWebEngineView* m_view = nullptr;
};

bool tst_webengine_pane::run(const QString& script, QVariant* result)
{
    bool done = false;
    m_view->page()->runJavaScript(script, [&](const QVariant& value) {
        if (result)
            *result = value;
        done = true;
    });
    return QTest::qWaitFor([&] { return done; }, kEngineTimeout);
}

QJsonValue tst_webengine_pane::evaluate(const QString& expression)
{
    // Results come back as JSON text, so arrays and objects compare as Qt values.
    QVariant result;
    if (!run(QStringLiteral("JSON.stringify([%1])").arg(expression), &result))
        return QJsonValue::Undefined;
    return QJsonDocument::fromJson(result.toString().toUtf8()).array().at(0);
}

QString tst_webengine_pane::pageScript() const
{
    return PageScript(ComposePage(PaneImagesFromFolder(m_services.appFolderPath)));
}

void tst_webengine_pane::initTestCase()
{
    m_services.appFolderPath = QStringLiteral(FEROL_PANE_IMAGES_DIR);
    m_pane = new ucFerol(m_services, {QStringLiteral(FEROL_PANE_PLUGIN_DIR)});
    m_composed = new QSignalSpy(m_pane, &ucFerol::pageComposed);
    m_tabs.addTab(new QWidget, QStringLiteral("first"));
    m_tabs.addTab(m_pane, QStringLiteral("Ferol"));
    m_tabs.resize(500, 460);
    m_tabs.show();
    QVERIFY(QTest::qWaitForWindowExposed(&m_tabs));
    QVERIFY(!m_pane->findChild<QWidget*>(QStringLiteral("wbFerol")));

    m_tabs.setCurrentIndex(1);
    m_view = m_pane->findChild<QWebEngineView*>(QStringLiteral("wbFerol"));
    QVERIFY(m_view);
    QTRY_COMPARE_WITH_TIMEOUT(m_composed->count(), 1, kEngineTimeout);
}

void tst_webengine_pane::headScript()
{
    const QJsonArray scripts =
        evaluate("Array.from(document.querySelectorAll('script')).map(function (s) {"
                 " return [s.id, s.getAttribute('language'), s.text, s.parentNode.tagName]; })")
            .toArray();
    QCOMPARE(scripts.size(), 1);
    const QString crlf = QStringLiteral("\r\n");
    QCOMPARE(scripts.at(0).toArray(), QJsonArray({"defaultHeadID", "javascript",
                                                  HeadScriptLines().join(crlf) + crlf, "HEAD"}));
    // The script ran: the page refuses selection, its context menu and dragging.
    QCOMPARE(evaluate("typeof document.onselectstart + typeof document.oncontextmenu + "
                      "typeof document.ondragstart + document.oncontextmenu()")
                 .toString(),
             QStringLiteral("functionfunctionfunctionfalse"));
}

void tst_webengine_pane::bodyStyles()
{
    const QJsonObject style =
        evaluate("(function (s) { return { color: s.color, size: parseFloat(s.fontSize),"
                 " family: s.fontFamily, top: s.marginTop, left: s.marginLeft,"
                 " cursor: s.cursor, border: s.borderTopStyle, overflow: s.overflow };"
                 " })(getComputedStyle(document.body))")
            .toObject();
    QCOMPARE(style["color"].toString(), QStringLiteral("rgb(51, 51, 51)"));
    // "smaller" of the default 16 px; had the font shorthand come last it would be 16.
    QVERIFY2(style["size"].toDouble() > 10 && style["size"].toDouble() < 15,
             qPrintable(QString::number(style["size"].toDouble())));
    QVERIFY(style["family"].toString().startsWith(QStringLiteral("\"Segoe UI\", Tahoma")));
    QCOMPARE(style["top"].toString(), QStringLiteral("5px"));
    QCOMPARE(style["left"].toString(), QStringLiteral("0px"));
    QCOMPARE(style["cursor"].toString(), QStringLiteral("default"));
    QCOMPARE(style["border"].toString(), QStringLiteral("none"));
    QCOMPARE(style["overflow"].toString(), QStringLiteral("auto"));
}

void tst_webengine_pane::blocksAndImages()
{
    // Images decode asynchronously; wait until every one has.
    QTRY_VERIFY_WITH_TIMEOUT(
        evaluate("Array.from(document.images).every(function (i) { return i.complete; })").toBool(),
        kEngineTimeout);
    const QJsonArray images =
        evaluate("Array.from(document.images).map(function (i) {"
                 " return [i.alt, i.naturalWidth > 0, i.parentNode.target]; })")
            .toArray();
    QCOMPARE(images, QJsonArray({QJsonArray({"Lumbra Network Simulator", true, "_blank"}),
                                 QJsonArray({"Orvat-Max Practice Exams", true, "_blank"}),
                                 QJsonArray({"Ferol Training", true, "_blank"})}));
}

void tst_webengine_pane::links()
{
    QJsonArray expected;
    for (const char* path :
         {"/AboutLumbra.html", "/AboutLumbra.html", "/about-practice-exams.html", "/Guarantee.html",
          "/about-practice-exams.html", "/AboutTraining.html", "/AboutTraining.html"})
        expected << QJsonArray({MakerAddress(path), "_blank"});
    QCOMPARE(evaluate("Array.from(document.links).map(function (a) {"
                      " return [a.getAttribute('href'), a.target]; })")
                 .toArray(),
             expected);
}

void tst_webengine_pane::addressesLeaveThePane_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<QStringList>("opened");
    QTest::addColumn<bool>("rebuilt");

    QTest::newRow("More link clicked") << "Array.from(document.links).filter(function (a) {"
                                          " return a.text == 'More'; })[0].click()"
                                       << QStringList{MakerAddress("/AboutLumbra.html")} << false;
    QTest::newRow("page goes to http in mixed case")
        << "location.href = 'http://www.ferol.example/MixedCase.html?EID=Ab'"
        << QStringList{"http://www.ferol.example/MixedCase.html?EID=Ab"} << false;
    QTest::newRow("window opens https")
        << "void window.open('https://www.ferol.example/Secure.html')"
        << QStringList{"https://www.ferol.example/Secure.html"} << false;
    QTest::newRow("ftp refused") << "location.href = 'ftp://www.ferol.example/'" << QStringList{}
                                 << false;
    QTest::newRow("local file refused")
        << "location.href = 'file:///etc/hostname'" << QStringList{} << false;
    // The engine blocks this one itself by loading about:blank#blocked over the page.
    QTest::newRow("engine page replaced, then rebuilt")
        << "location.href = 'about:version'" << QStringList{} << true;
}

// A request never leaves another page in the pane: a marker put on the body survives
// it, and where the engine itself replaced the document the page is composed again.
void tst_webengine_pane::addressesLeaveThePane()
{
    QFETCH(QString, action);
    QFETCH(QStringList, opened);
    QFETCH(bool, rebuilt);

    m_services.webAddresses.clear();
    const int composedBefore = m_composed->count();
    evaluate("document.body.setAttribute('data-marker', 'kept')");
    QVERIFY(run(action));
    if (!opened.isEmpty())
        QTRY_COMPARE_WITH_TIMEOUT(m_services.webAddresses, opened, kEngineTimeout);
    if (rebuilt)
        QTRY_COMPARE_WITH_TIMEOUT(m_composed->count(), composedBefore + 1, kEngineTimeout);
    // Cancelled requests also end in a finished load; give a wrong rebuild time to show.
    QTest::qWait(300);
    QCOMPARE(m_services.webAddresses, opened);
    QCOMPARE(m_composed->count(), composedBefore + (rebuilt ? 1 : 0));
    QCOMPARE(m_view->url(), QUrl(QStringLiteral("about:blank")));
    QCOMPARE(evaluate("document.images.length").toInt(), 3);
    if (!rebuilt)
        QCOMPARE(evaluate("document.body.getAttribute('data-marker')").toString(),
                 QStringLiteral("kept"));
}

void tst_webengine_pane::secondPreparationKeepsOneScript()
{
    evaluate("document.getElementById('defaultHeadID').setAttribute('data-first', 'yes')");
    QVERIFY(run(pageScript()));
    // Replaced, not kept beside the new one nor left alone.
    QCOMPARE(
        evaluate("document.getElementById('defaultHeadID').hasAttribute('data-first')").toBool(),
        false);
    QCOMPARE(evaluate("document.querySelectorAll('script#defaultHeadID').length").toInt(), 1);
    QCOMPARE(evaluate("document.querySelectorAll('script').length").toInt(), 1);
}

int main(int argc, char** argv)
{
    // Qt WebEngine shares the application's GL context; it must be asked for first.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    tst_webengine_pane test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_webengine_pane.moc"
