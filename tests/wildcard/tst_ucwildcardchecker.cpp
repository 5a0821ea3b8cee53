#include "core/twips.h"
#include "support/recordingshellservices.h"
#include "wildcard/result_layout.h"
#include "wildcard/ucwildcardchecker.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString kReport = QStringLiteral("/Ferol Subnet Calculator/wildcard.txt");

// A shown, active panel with recording services whose reports go to a fresh documents
// folder, driven through its controls by object name.
struct Panel
{
    Panel() : panel(services)
    {
        services.documentsFolderPath = documents.path();
        panel.resize(panel.sizeHint());
        panel.show();
        panel.activateWindow();
        (void)QTest::qWaitForWindowActive(&panel);
    }
    QLineEdit* octet(int index) const
    {
        return panel.findChild<QLineEdit*>("ipadd1_" + QString::number(index));
    }
    QPlainTextEdit* list(int index) const
    {
        return panel.findChild<QPlainTextEdit*>("validip_" + QString::number(index));
    }
    QString lists() const
    {
        QStringList texts;
        for (int i = 0; i < 4; ++i)
            texts << list(i)->toPlainText();
        return texts.join('|');
    }
    QString focused() const { return QApplication::focusWidget()->objectName(); }
    QString reportPath() const { return documents.path() + kReport; }

    QTemporaryDir documents;
    RecordingShellServices services;
    ucWildCardChecker panel;
};

QString TextColor(const QWidget* widget)
{
    return widget->palette().color(QPalette::Text).name();
}

} // namespace

class TestWildcardPanel : public QObject
{
    Q_OBJECT

private slots:
    void firstShow()
    {
        Panel p;
        QCOMPARE(p.lists(), " 172\n| 16\n| 128- 159\n| 0- 255\n");
        // Building the panel moved no focus: the first box has it, as the tab order
        // gives it to a new window.
        QCOMPARE(p.focused(), "ipadd1_0");
    }

    void typing_data()
    {
        QTest::addColumn<int>("box");
        QTest::addColumn<QString>("keys"); // typed over the box's selected text
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("focus");
        QTest::addColumn<QString>("lists");
        QTest::newRow("300 becomes 0") << 1 << "300"
                                       << "0"
                                       << "ipadd1_2"
                                       << " 172\n| 0\n| 128- 159\n| 0- 255\n";
        QTest::newRow("box 3 advances into the mask") << 3 << "123"
                                                      << "123"
                                                      << "ipadd1_4"
                                                      << " 172\n| 16\n| 128- 159\n| 0- 255\n";
        QTest::newRow("box 7 keeps the focus") << 7 << "128"
                                               << "128"
                                               << "ipadd1_7"
                                               << " 172\n| 16\n| 128- 159\n| 0\n 128\n";
        QTest::newRow("mask 5 on 10") << 4 << "5"
                                      << "5"
                                      << "ipadd1_4"
                                      << " 168- 169\n 172- 173\n| 16\n| 128- 159\n| 0- 255\n";
        QTest::newRow("Backspace empties to 0") << 6 << "\b"
                                                << "0"
                                                << "ipadd1_6"
                                                << " 172\n| 16\n| 128\n| 0- 255\n";
        QTest::newRow("01 kept") << 0 << "01"
                                 << "01"
                                 << "ipadd1_0"
                                 << " 1\n| 16\n| 128- 159\n| 0- 255\n";
    }
    void typing()
    {
        QFETCH(int, box);
        QFETCH(QString, keys);
        QFETCH(QString, text);
        QFETCH(QString, focus);
        QFETCH(QString, lists);
        Panel p;
        p.octet(box)->setFocus();
        // The first box may hold the focus already, and then gaining it selects nothing.
        p.octet(box)->selectAll();
        for (QChar key : keys) {
            if (key == '\b')
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backspace);
            else
                QTest::keyClick(QApplication::focusWidget(), key.toLatin1());
        }
        QCOMPARE(p.octet(box)->text(), text);
        QCOMPARE(p.focused(), focus);
        QCOMPARE(p.lists(), lists);
        QCOMPARE(TextColor(p.octet(box)), QColor(Qt::black).name());
    }

    // The advance comes between the colour and the engine: at that moment the box
    // shows the typed text in red; the engine's "0" then turns it black.
    void overRangeIsRedUntilReplaced()
    {
        Panel p;
        QLineEdit* box = p.octet(5);
        box->setFocus();
        QStringList seen;
        const QMetaObject::Connection watch =
            QObject::connect(qApp, &QApplication::focusChanged, &p.panel,
                             [&] { seen << box->text() + ' ' + TextColor(box); });
        QTest::keyClicks(box, "300");
        QObject::disconnect(watch);
        QCOMPARE(seen, QStringList{"300 " + QColor(Qt::red).name()});
        QCOMPARE(box->text() + ' ' + TextColor(box), "0 " + QColor(Qt::black).name());
        QCOMPARE(p.focused(), "ipadd1_6");
    }

    // A list the engine writes again unchanged raises no change; a changed one does.
    void unchangedListsStayQuiet()
    {
        Panel p;
        QSignalSpy first(p.list(0), &QPlainTextEdit::textChanged);
        QSignalSpy fourth(p.list(3), &QPlainTextEdit::textChanged);
        QTest::mouseClick(p.panel.findChild<QAbstractButton*>("btnCalculate"), Qt::LeftButton);
        p.octet(7)->setText("0");
        QCOMPARE(first.count(), 0);
        QCOMPARE(fourth.count(), 1);
    }

    // The scroll bar is there only for a list longer than its box.
    void scrollBarWhenNeeded()
    {
        Panel p;
        QVERIFY(!p.list(3)->verticalScrollBar()->isVisible());
        p.octet(7)->setText("254");
        QCOMPARE(p.list(3)->blockCount(), 129); // 128 lines and the empty one after them
        QTRY_VERIFY(p.list(3)->verticalScrollBar()->isVisible());
        QVERIFY(!p.list(2)->verticalScrollBar()->isVisible());
    }

    void focusOrder()
    {
        Panel p;
        p.octet(0)->setFocus();
        QStringList order = {p.focused()};
        for (int step = 0; step < 13; ++step) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            order << p.focused();
        }
        QCOMPARE(order.join(' '), "ipadd1_0 ipadd1_1 ipadd1_2 ipadd1_3 ipadd1_4 ipadd1_5 ipadd1_6 "
                                  "ipadd1_7 btnCalculate btnSendToNotepad validip_0 validip_1 "
                                  "validip_2 validip_3");
        QCOMPARE(p.lists(), " 172\n| 16\n| 128- 159\n| 0- 255\n");
    }

    void accessKeys_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("focus");
        QTest::addColumn<int>("reports");
        QTest::newRow("Alt+A") << int(Qt::Key_A) << "ipadd1_0" << 0;
        QTest::newRow("Alt+M") << int(Qt::Key_M) << "ipadd1_4" << 0;
        QTest::newRow("Alt+C") << int(Qt::Key_C) << "validip_2" << 0;
        QTest::newRow("Alt+N") << int(Qt::Key_N) << "validip_2" << 1;
    }
    void accessKeys()
    {
        QFETCH(int, key);
        QFETCH(QString, focus);
        QFETCH(int, reports);
        Panel p;
        // A list the user typed over: only Calculate puts it back.
        p.list(2)->setFocus();
        p.list(2)->setPlainText("typed");
        QTest::keyClick(&p.panel, Qt::Key(key), Qt::AltModifier);
        // A button's access key clicks it when its pressed look has been shown.
        QTRY_COMPARE(p.list(2)->toPlainText(), key == Qt::Key_C ? " 128- 159\n" : "typed");
        QTRY_COMPARE(p.services.textViewerPaths.size(), reports);
        QCOMPARE(p.focused(), focus);
    }

    void resizeRule_data()
    {
        QTest::addColumn<int>("panelHeight");
        QTest::addColumn<int>("boxHeight"); // 0: unchanged
        QTest::newRow("5000") << 5000 << 2710;
        QTest::newRow("2000") << 2000 << 0;
    }
    void resizeRule()
    {
        QFETCH(int, panelHeight);
        QFETCH(int, boxHeight);
        QCOMPARE(ResultBoxHeight(panelHeight, 2040).value_or(0), boxHeight);
    }

    // The panel in pixels: 334 px are 5010 twips, so the boxes get 2720 twips (181 px);
    // a panel too short for the rule then leaves them so.
    void resizeFollowsThePanel()
    {
        Panel p;
        p.panel.resize(p.panel.width(), 334);
        for (int i = 0; i < 4; ++i)
            QCOMPARE(p.list(i)->height(), 181);
        p.panel.resize(p.panel.width(), TwipsToPixels(2000));
        for (int i = 0; i < 4; ++i)
            QCOMPARE(p.list(i)->height(), 181);
        QCOMPARE(p.octet(0)->geometry(), TwipsRect(1200, 240, 855, 285));
    }

    void report()
    {
        Panel p;
        QVERIFY(QDir(p.documents.path()).mkpath("Ferol Subnet Calculator"));
        QFile old(p.reportPath());
        QVERIFY(old.open(QIODevice::WriteOnly) && old.write(QByteArray(10000, 'x')) == 10000);
        old.close();
        // The report follows the typing without Calculate being pressed.
        p.octet(7)->setFocus();
        QTest::keyClicks(p.octet(7), "254");
        QTest::mouseClick(p.panel.findChild<QAbstractButton*>("btnSendToNotepad"), Qt::LeftButton);
        QVERIFY(p.services.messages.isEmpty());
        QCOMPARE(p.services.textViewerPaths, QStringList{QDir::toNativeSeparators(p.reportPath())});
        QFile file(p.reportPath());
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QList<QByteArray> lines = file.readAll().split('\n');
        QCOMPARE(lines.size(), 22 + 127 + 1); // the last CR LF leaves an empty tail
        QCOMPARE(lines[4], "Wildcard mask: 0.0.31.254\r");
        QCOMPARE(lines[19], " 0\r");
        QCOMPARE(lines[146], " 254\r");
        QCOMPARE(lines[147], "\r");
        QCOMPARE(lines[148], " \r");
    }

    void failuresAreTold_data()
    {
        QTest::addColumn<QString>("obstacle"); // a file made in the documents folder
        QTest::addColumn<QString>("viewerError");
        QTest::addColumn<QString>("mentions");
        QTest::newRow("folder name taken by a file") << "Ferol Subnet Calculator"
                                                     << ""
                                                     << "Ferol Subnet Calculator";
        QTest::newRow("no text viewer") << ""
                                        << "no viewer"
                                        << "wildcard.txt";
    }
    void failuresAreTold()
    {
        QFETCH(QString, obstacle);
        QFETCH(QString, viewerError);
        QFETCH(QString, mentions);
        Panel p;
        if (!obstacle.isEmpty())
            QVERIFY(QFile(p.documents.filePath(obstacle)).open(QIODevice::WriteOnly));
        p.services.textViewerError = viewerError;
        QTest::mouseClick(p.panel.findChild<QAbstractButton*>("btnSendToNotepad"), Qt::LeftButton);
        QCOMPARE(p.services.messages.size(), 1);
        QVERIFY2(p.services.messages[0].text.contains(mentions),
                 qPrintable(p.services.messages[0].text));
        QCOMPARE(p.lists(), " 172\n| 16\n| 128- 159\n| 0- 255\n");
    }
};

QTEST_MAIN(TestWildcardPanel)
#include "tst_ucwildcardchecker.moc"
