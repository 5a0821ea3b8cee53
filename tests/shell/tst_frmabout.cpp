#include "shell/frmabout.h"

#include "support/recordingshellservices.h"

#include <QFile>
#include <QLabel>
#include <QTest>

class TestFrmAbout : public QObject
{
    Q_OBJECT

    RecordingShellServices m_services;
    frmAbout m_dialog{m_services};

private slots:
    void init() { m_dialog.show(); }

    void textsAreFilledOnEachShowing_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("window title") << "About Ferol Subnet Calculator";
        QTest::newRow("lblTitle") << "Ferol Subnet Calculator";
        QTest::newRow("lblVersion") << "Version 2.0.4";
        QTest::newRow("lblDescription")
            << "Ferol Subnet Calculator contains the following tools:  "
               "Subnet Calculator, Wildcard Checker, Decimal IP Calculator.";
        QTest::newRow("lblDisclaimer")
            << "Copyright \u00A9 2026 Ferol. All rights reserved. This "
               "program is provided as is, without warranty of any kind.";
        QTest::newRow("cmdOK") << "OK";
        QTest::newRow("cmdShowEula") << "&View DODA";
    }

    void textsAreFilledOnEachShowing()
    {
        QFETCH(QString, text);
        m_dialog.hide();
        for (QLabel* label : m_dialog.findChildren<QLabel*>())
            label->setText("stale");
        m_dialog.show();
        const QWidget* widget = m_dialog.findChild<QWidget*>(QTest::currentDataTag());
        QCOMPARE(widget ? widget->property("text").toString() : m_dialog.windowTitle(), text);
    }

    void enterAndEscClose()
    {
        for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Escape}) {
            m_dialog.show();
            QTest::keyClick(&m_dialog, key);
            QVERIFY2(!m_dialog.isVisible(), qPrintable(QKeySequence(key).toString()));
        }
    }

    void licenseButtonHandsTheShippedDocument()
    {
        m_services.appFolderPath = FEROL_PROGRAM_DIR "/";
        QTest::mouseClick(m_dialog.findChild<QWidget*>("cmdShowEula"), Qt::LeftButton);
        QVERIFY(m_services.messages.isEmpty());
        m_services.richTextError = "no viewer";
        QTest::mouseClick(m_dialog.findChild<QWidget*>("cmdShowEula"), Qt::LeftButton);
        const QString path = m_services.appFolderPath + "DODA.Subnet.rtf";
        QCOMPARE(m_services.richTextPaths, QStringList({path, path}));
        QVERIFY(QFile::exists(path));
        QCOMPARE(m_services.messages.size(), 1);
        QCOMPARE(m_services.messages[0].text, "The EULA Is Unavailable At This Time");
        QVERIFY(m_dialog.isVisible());
    }
};

QTEST_MAIN(TestFrmAbout)
#include "tst_frmabout.moc"
