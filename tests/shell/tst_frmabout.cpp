#include "shell/frmabout.h"

#include "shell/program_info.h"
#include "support/recordingshellservices.h"
#include "support/testregistry.h"

#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <memory>

class TestFrmAbout : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void versionText_data();
    void versionText();
    void texts_data();
    void texts();
    void textsAreReloadedOnEachShowing();
    void keysClose_data();
    void keysClose();
    void licenseButtonHandsTheShippedFile();
    void unavailableLicenseIsReported();

private:
    template <typename T> T* child(const QString& name) { return m_dialog->findChild<T*>(name); }

    std::unique_ptr<RecordingShellServices> m_services;
    std::unique_ptr<frmAbout> m_dialog;
};

void TestFrmAbout::init()
{
    m_services = std::make_unique<RecordingShellServices>();
    m_services->appFolderPath = QDir::toNativeSeparators(QStringLiteral(FEROL_PROGRAM_DIR "/"));
    m_dialog = std::make_unique<frmAbout>(*m_services);
    m_dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_dialog.get()));
}

void TestFrmAbout::cleanup()
{
    m_dialog.reset();
    m_services.reset();
}

void TestFrmAbout::versionText_data()
{
    QTest::addColumn<ProgramVersion>("version");
    QTest::addColumn<QString>("expected");

    QTest::newRow("shipped") << ProgramVersion{2, 0, 4} << "Version 2.0.4";
    QTest::newRow("two-digit minor") << ProgramVersion{2, 10, 4} << "Version 2.10.4";
    QTest::newRow("no grouping") << ProgramVersion{12, 0, 1234} << "Version 12.0.1234";
}

void TestFrmAbout::versionText()
{
    QFETCH(ProgramVersion, version);
    QFETCH(QString, expected);
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const QString text = VersionText(version);
    QLocale::setDefault(QLocale::c());
    QCOMPARE(text, expected);
}

void TestFrmAbout::texts_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("expected");

    QTest::newRow("caption") << "frmAbout"
                             << "About Ferol Subnet Calculator";
    QTest::newRow("title") << "lblTitle"
                           << "Ferol Subnet Calculator";
    QTest::newRow("version") << "lblVersion"
                             << "Version " FEROL_PROJECT_VERSION;
    QTest::newRow("description")
        << "lblDescription"
        << "Ferol Subnet Calculator contains the following tools:  Subnet Calculator, "
           "Wildcard Checker, Decimal IP Calculator.";
    QTest::newRow("OK") << "cmdOK"
                        << "OK";
    QTest::newRow("license") << "cmdShowEula"
                             << "&View DODA";
}

void TestFrmAbout::texts()
{
    QFETCH(QString, name);
    QFETCH(QString, expected);
    QWidget* widget = name == m_dialog->objectName() ? m_dialog.get() : child<QWidget>(name);
    QVERIFY(widget);

    const QString shown =
        widget->isWindow() ? widget->windowTitle() : widget->property("text").toString();
    QCOMPARE(shown, expected);
    // Nothing may be cut off by the fixed layout.
    QVERIFY(m_dialog->rect().contains(widget->geometry()) || widget->isWindow());
    if (auto* label = qobject_cast<QLabel*>(widget)) {
        QVERIFY(label->wordWrap() || label->sizeHint().width() <= label->width());
        QVERIFY(label->heightForWidth(label->width()) <= label->height());
    }
}

void TestFrmAbout::textsAreReloadedOnEachShowing()
{
    QVERIFY(child<QLabel>("lblDisclaimer")->text().startsWith("Copyright \u00A9"));
    child<QLabel>("lblVersion")->setText(QStringLiteral("stale"));
    m_dialog->hide();
    m_dialog->show();
    QCOMPARE(child<QLabel>("lblVersion")->text(), VersionText(CompiledVersion()));
}

void TestFrmAbout::keysClose_data()
{
    QTest::addColumn<Qt::Key>("key");
    QTest::addColumn<int>("result");

    QTest::newRow("Return") << Qt::Key_Return << int(QDialog::Accepted);
    QTest::newRow("Enter") << Qt::Key_Enter << int(QDialog::Accepted);
    QTest::newRow("Esc") << Qt::Key_Escape << int(QDialog::Rejected);
}

void TestFrmAbout::keysClose()
{
    QFETCH(Qt::Key, key);
    QFETCH(int, result);
    QCOMPARE(QApplication::focusWidget(), child<QPushButton>("cmdOK"));

    QTest::keyClick(QApplication::focusWidget(), key);

    QVERIFY(!m_dialog->isVisible());
    QCOMPARE(m_dialog->result(), result);
    QVERIFY(m_services->richTextPaths.isEmpty());
}

void TestFrmAbout::licenseButtonHandsTheShippedFile()
{
    QTest::mouseClick(child<QPushButton>("cmdShowEula"), Qt::LeftButton);

    QCOMPARE(m_services->richTextPaths, QStringList{m_services->appFolderPath + "DODA.Subnet.rtf"});
    QVERIFY(QFileInfo(m_services->richTextPaths.first()).isFile());
    QVERIFY(m_services->messages.isEmpty());
    QVERIFY(m_dialog->isVisible());
}

void TestFrmAbout::unavailableLicenseIsReported()
{
    m_services->richTextError = QStringLiteral("no viewer");

    QTest::mouseClick(child<QPushButton>("cmdShowEula"), Qt::LeftButton);

    QCOMPARE(m_services->messages.size(), 1);
    QCOMPARE(m_services->messages.first().title, QStringLiteral("Ferol Subnet Calculator"));
    QCOMPARE(m_services->messages.first().text,
             QStringLiteral("The EULA Is Unavailable At This Time"));
    QVERIFY(m_dialog->isVisible());
}

FEROL_REGISTER_TEST(TestFrmAbout)
#include "tst_frmabout.moc"
