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

    void textsAreFilledOnEachShowing()
    {
        m_dialog.hide();
        for (QLabel* label : m_dialog.findChildren<QLabel*>())
            label->setText("stale");
        m_dialog.show();
        QStringList texts = {m_dialog.windowTitle()};
        for (const char* name :
             {"lblTitle", "lblVersion", "lblDescription", "lblDisclaimer", "cmdOK", "cmdShowEula"})
            texts << m_dialog.findChild<QWidget*>(name)->property("text").toString();
        QCOMPARE(texts.join('|'),
                 "About Ferol Subnet Calculator|Ferol Subnet Calculator|Version 2.0.4|"
                 "Ferol Subnet Calculator contains the following tools:  Subnet Calculator, "
                 "Wildcard Checker, Decimal IP Calculator.|"
                 "Copyright \u00A9 2026 Ferol. All rights reserved. This program is provided as "
                 "is, without warranty of any kind.|"
                 "OK|&View DODA");
    }

    // Enter presses the focused button, OK wherever else the focus is; Esc closes.
    void enterAndEsc_data()
    {
        QTest::addColumn<QString>("focus");
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("closes");
        QTest::newRow("Enter on OK") << "cmdOK" << int(Qt::Key_Return) << true;
        QTest::newRow("Enter on the license") << "cmdShowEula" << int(Qt::Key_Return) << false;
        QTest::newRow("Esc on the license") << "cmdShowEula" << int(Qt::Key_Escape) << true;
    }
    void enterAndEsc()
    {
        QFETCH(QString, focus);
        QFETCH(int, key);
        QFETCH(bool, closes);
        auto* button = m_dialog.findChild<QWidget*>(focus);
        button->setFocus();
        QTest::keyClick(button, Qt::Key(key));
        QCOMPARE(m_dialog.isVisible(), !closes);
        QCOMPARE(m_services.richTextPaths.size(), closes ? 0 : 1);
        m_services.richTextPaths.clear();
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
