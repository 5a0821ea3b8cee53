#include "core/maker_links.h"
#include "webpane/page_composition.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

class tst_page_composition : public QObject
{
    Q_OBJECT

private slots:
    // Blank lines part the blocks (the exam block has one of its own), each opening with its
    // image link; a quote or an ampersand in a folder is escaped.
    void blocksOpenWithImageLinks()
    {
        QStringList links;
        for (const QString& piece :
             ComposePage({"/R&D \"x\"/1.gif", "2.gif", "3.gif"}).split("<br><br>"))
            links << (piece.startsWith("<a") ? piece.left(piece.indexOf("<br>") + 4) : QString());
        const QString link =
            "<a href=\"%1\" target=\"_blank\"><img alt=\"%2\" src=\"%3\" border=\"0\"></a><br>";
        QCOMPARE(
            links,
            QStringList(
                {link.arg(MakerAddress("/AboutLumbra.html"), "Lumbra Network Simulator",
                          "/R&amp;D &quot;x&quot;/1.gif"),
                 link.arg(MakerAddress("/about-practice-exams.html"), "Orvat-Max Practice Exams",
                          "2.gif"),
                 "", link.arg(MakerAddress("/AboutTraining.html"), "Ferol Training", "3.gif")}));
    }

    // A folder name that HTML and URLs both dislike.
    void imagesFromFolderAsData()
    {
        QTemporaryDir root;
        const QString folder = root.filePath("R&D \"pane\"/"), images = FEROL_PANE_IMAGES_DIR;
        QVERIFY(QDir().mkpath(folder));
        for (int i = 0; i < kPaneBlockCount; ++i) {
            QFile file(images + kPaneImageFiles[i]);
            QVERIFY(file.copy(folder + kPaneImageFiles[i]) && file.open(QIODevice::ReadOnly));
            QCOMPARE(PaneImagesFromFolder(folder)[i],
                     "data:image/gif;base64," + file.readAll().toBase64());
        }
        QCOMPARE(QUrl(PaneImagesFromFolder(root.path() + "/")[1]).toLocalFile(),
                 root.filePath("orvat-logo-ip-calc.gif"));
    }
};

QTEST_GUILESS_MAIN(tst_page_composition)
#include "tst_page_composition.moc"
