#include "core/maker_links.h"
#include "webpane/page_composition.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

namespace {

const QString kImagesDir = QStringLiteral(FEROL_PANE_IMAGES_DIR);

PaneImageSources Sources(const QString& a, const QString& b, const QString& c)
{
    return {a, b, c};
}

QStringList Captures(const QString& text, const QString& pattern)
{
    QStringList found;
    for (const QRegularExpressionMatch& match : QRegularExpression(pattern).globalMatch(text))
        found << match.captured(1);
    return found;
}

QByteArray FileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The bytes a data: address holds, empty when it is none.
QByteArray DataBytes(const QString& address, const QString& type)
{
    const QString prefix = QStringLiteral("data:%1;base64,").arg(type);
    if (!address.startsWith(prefix))
        return {};
    return QByteArray::fromBase64(address.mid(prefix.size()).toLatin1());
}

} // namespace

class tst_page_composition : public QObject
{
    Q_OBJECT

private slots:
    void imageLinkShape_data();
    void imageLinkShape();
    void linksInPageOrder();
    void attributesEscaped_data();
    void attributesEscaped();
    void imagesFromFolderAsData();
    void unreadableImageKeepsItsAddress();
};

void tst_page_composition::imageLinkShape_data()
{
    QTest::addColumn<int>("block");
    QTest::addColumn<int>("piece"); // of the page split at its blank lines
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("alt");

    QTest::newRow("simulator") << 0 << 0 << "/AboutLumbra.html"
                               << "Lumbra Network Simulator";
    // The practice-exam block has a blank line of its own between its two paragraphs.
    QTest::newRow("practice exams") << 1 << 1 << "/about-practice-exams.html"
                                    << "Orvat-Max Practice Exams";
    QTest::newRow("training") << 2 << 3 << "/AboutTraining.html"
                              << "Ferol Training";
}

// Each block starts with its image link, the blocks in order, a blank line between them.
void tst_page_composition::imageLinkShape()
{
    QFETCH(int, block);
    QFETCH(int, piece);
    QFETCH(QString, path);
    QFETCH(QString, alt);

    const QString page = ComposePage(Sources("one.gif", "two.gif", "three.gif"));
    const QString source = QStringList{"one.gif", "two.gif", "three.gif"}.at(block);
    const QString link = QStringLiteral("<a href=\"%1\" target=\"_blank\"><img alt=\"%2\" "
                                        "src=\"%3\" border=\"0\"></a><br>")
                             .arg(MakerAddress(path), alt, source);

    const QStringList pieces = page.split(QStringLiteral("<br><br>"));
    QCOMPARE(pieces.size(), 4);
    QVERIFY2(pieces.at(piece).startsWith(link), qPrintable(pieces.at(piece)));
}

void tst_page_composition::linksInPageOrder()
{
    const QString page = ComposePage(Sources("a", "b", "c"));
    const QStringList expected = {
        MakerAddress("/AboutLumbra.html"),          MakerAddress("/AboutLumbra.html"),
        MakerAddress("/about-practice-exams.html"), MakerAddress("/Guarantee.html"),
        MakerAddress("/about-practice-exams.html"), MakerAddress("/AboutTraining.html"),
        MakerAddress("/AboutTraining.html"),
    };
    QCOMPARE(Captures(page, "<a href=\"([^\"]*)\" target=\"_blank\">"), expected);
    QCOMPARE(Captures(page, "target=\"_blank\">([^<]+)</a>"),
             QStringList({"More", "Guaranteed", "More", "More"}));
}

void tst_page_composition::attributesEscaped_data()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("inMarkup");

    QTest::newRow("quote in folder") << "/home/a\"b/one.gif"
                                     << "/home/a&quot;b/one.gif";
    QTest::newRow("ampersand in folder") << "/srv/R&D/one.gif"
                                         << "/srv/R&amp;D/one.gif";
    QTest::newRow("markup in folder") << "/tmp/<b>/one.gif"
                                      << "/tmp/&lt;b&gt;/one.gif";
}

void tst_page_composition::attributesEscaped()
{
    QFETCH(QString, source);
    QFETCH(QString, inMarkup);

    const QString page = ComposePage(Sources(source, "two.gif", "three.gif"));
    QCOMPARE(Captures(page, "src=\"([^\"]*)\""), QStringList({inMarkup, "two.gif", "three.gif"}));
}

void tst_page_composition::imagesFromFolderAsData()
{
    // A folder name that HTML and URLs both dislike.
    QTemporaryDir root;
    const QString folder = root.filePath("R&D \"pane\"");
    QVERIFY(QDir().mkpath(folder));
    for (const char* name : kPaneImageFiles)
        QVERIFY(QFile::copy(kImagesDir + name, folder + "/" + name));

    const PaneImageSources sources = PaneImagesFromFolder(folder + "/");
    for (int i = 0; i < kPaneBlockCount; ++i) {
        const QByteArray expected = FileBytes(kImagesDir + kPaneImageFiles[i]);
        QVERIFY(expected.startsWith("GIF89a"));
        QCOMPARE(DataBytes(sources[i], "image/gif"), expected);
    }
}

void tst_page_composition::unreadableImageKeepsItsAddress()
{
    QTemporaryDir empty;
    const PaneImageSources sources = PaneImagesFromFolder(empty.path() + "/");
    QCOMPARE(QUrl(sources[1]).toLocalFile(), empty.filePath("orvat-logo-ip-calc.gif"));
}

QTEST_GUILESS_MAIN(tst_page_composition)
#include "tst_page_composition.moc"
