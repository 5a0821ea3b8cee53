#include "core/maker_links.h"
#include "support/recordingshellservices.h"
#include "webpane/ucferol.h"

#include <QImage>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTextImageFormat>

namespace {

QList<QTextFragment> Fragments(const QTextDocument& document)
{
    QList<QTextFragment> fragments;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        for (auto it = block.begin(); !it.atEnd(); ++it)
            fragments << it.fragment();
    return fragments;
}

} // namespace

// The pane where no browser plugin can be found.
class tst_ucferol : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void browserMadeOnFirstShow();
    void fallbackShowsImages();
    void fallbackLinkGoesOut();
    void browserFollowsPane_data();
    void browserFollowsPane();
    void designColourUntilSet();

private:
    QTextBrowser* showFallback();

    QTemporaryDir m_noPlugin;
    RecordingShellServices m_services;
    ucFerol* m_pane = nullptr;
};

void tst_ucferol::init()
{
    m_services = RecordingShellServices();
    m_services.appFolderPath = QStringLiteral(FEROL_PANE_IMAGES_DIR);
    m_pane = new ucFerol(m_services, {m_noPlugin.path()});
    m_pane->resize(m_pane->sizeHint());
}

void tst_ucferol::cleanup()
{
    delete m_pane;
}

QTextBrowser* tst_ucferol::showFallback()
{
    m_pane->show();
    return m_pane->findChild<QTextBrowser*>(QStringLiteral("txtFerol"));
}

void tst_ucferol::browserMadeOnFirstShow()
{
    QSignalSpy composed(m_pane, &ucFerol::pageComposed);
    QVERIFY(m_pane->findChildren<QWidget*>().isEmpty());
    QTextBrowser* browser = showFallback();
    QVERIFY(browser);
    QCOMPARE(composed.count(), 1);
    m_pane->hide();
    m_pane->show();
    QCOMPARE(m_pane->findChildren<QTextBrowser*>().size(), 1);
    QCOMPARE(composed.count(), 1);
}

void tst_ucferol::fallbackShowsImages()
{
    QTextBrowser* browser = showFallback();
    QVERIFY(browser);
    QStringList alts;
    for (const QTextFragment& fragment : Fragments(*browser->document())) {
        if (!fragment.charFormat().isImageFormat())
            continue;
        const QString name = fragment.charFormat().toImageFormat().name();
        const QVariant resource = browser->document()->resource(QTextDocument::ImageResource, name);
        QImage image = resource.value<QImage>();
        if (image.isNull())
            image.loadFromData(resource.toByteArray());
        QVERIFY2(image.width() > 0, qPrintable(name.left(40)));
        alts << name;
    }
    QCOMPARE(alts.size(), 3);
}

void tst_ucferol::fallbackLinkGoesOut()
{
    QTextBrowser* browser = showFallback();
    QVERIFY(browser);
    const QString before = browser->toHtml();
    QTextCursor more(browser->document());
    for (const QTextFragment& fragment : Fragments(*browser->document())) {
        if (fragment.text() == QLatin1String("More")) {
            more.setPosition(fragment.position() + 1);
            break;
        }
    }
    QVERIFY(more.position() > 0);
    QTest::mouseClick(browser->viewport(), Qt::LeftButton, {}, browser->cursorRect(more).center());
    QCOMPARE(m_services.webAddresses, QStringList{MakerAddress("/AboutLumbra.html")});
    QCOMPARE(browser->toHtml(), before);
}

void tst_ucferol::browserFollowsPane_data()
{
    QTest::addColumn<QSize>("paneSize");
    QTest::addColumn<QRect>("browserRect");

    // 120 twips are 8 pixels left and top, 150 are 10 right, 165 are 11 at the bottom.
    QTest::newRow("design size") << QSize(339, 308) << QRect(8, 8, 321, 289);
    QTest::newRow("grown by 20 pixels") << QSize(359, 328) << QRect(8, 8, 341, 309);
    QTest::newRow("wider than 16 bits of twips") << QSize(3000, 308) << QRect(8, 8, 2982, 289);
    QTest::newRow("no width left") << QSize(18, 308) << QRect(8, 8, 321, 289);
    QTest::newRow("no height left") << QSize(339, 19) << QRect(8, 8, 321, 289);
    QTest::newRow("one pixel each way") << QSize(19, 20) << QRect(8, 8, 1, 1);
}

void tst_ucferol::browserFollowsPane()
{
    QFETCH(QSize, paneSize);
    QFETCH(QRect, browserRect);

    QTextBrowser* browser = showFallback();
    QVERIFY(browser);
    m_pane->resize(339, 308);
    m_pane->resize(paneSize);
    QCOMPARE(browser->geometry(), browserRect);
}

void tst_ucferol::designColourUntilSet()
{
    QCOMPARE(m_pane->palette().color(QPalette::Window), QColor(0xFF, 0x80, 0x80));
    m_pane->SetBackColor(0xFFFFFF);
    QCOMPARE(m_pane->palette().color(QPalette::Window), QColor(Qt::white));
}

QTEST_MAIN(tst_ucferol)
#include "tst_ucferol.moc"
