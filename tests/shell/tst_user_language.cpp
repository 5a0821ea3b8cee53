#include "shell/user_language.h"

#include <QFileInfo>
#include <QTest>
#include <QTranslator>

// Which catalogues a --language code brings: the program's compiled-in one and Qt's own.
class TestUserLanguage : public QObject
{
    Q_OBJECT

private slots:
    void catalogues_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("ours"); // the catalogue file's language, "" for none
        QTest::addColumn<QString>("qts");  // Qt's, "" for none
        QTest::newRow("German") << "de"
                                << "de"
                                << "de";
        QTest::newRow("Austrian German falls back to German") << "de_AT"
                                                              << "de"
                                                              << "de";
        QTest::newRow("Brazilian Portuguese") << "pt_BR"
                                              << "pt_BR"
                                              << "pt_BR";
        QTest::newRow("written with a dash") << "pt-BR"
                                             << "pt_BR"
                                             << "pt_BR";
        QTest::newRow("Russian") << "ru"
                                 << "ru"
                                 << "ru";
        QTest::newRow("Simplified Chinese") << "zh_CN"
                                            << "zh_CN"
                                            << "zh_CN";
        QTest::newRow("Chinese alone is Simplified") << "zh"
                                                     << "zh_CN"
                                                     << "zh_CN";
        QTest::newRow("Traditional Chinese is not Simplified") << "zh_TW"
                                                               << ""
                                                               << "zh_TW";
        QTest::newRow("French of Canada") << "fr_CA"
                                          << "fr"
                                          << "fr";
        QTest::newRow("Spanish of Mexico") << "es_MX"
                                           << "es"
                                           << "es";
        QTest::newRow("English") << "en"
                                 << ""
                                 << "en";
        QTest::newRow("no such language") << "xx"
                                          << ""
                                          << "";
    }

    void catalogues()
    {
        QFETCH(QString, code);
        QFETCH(QString, ours);
        QFETCH(QString, qts);
        QString foundOurs;
        QString foundQts;
        for (const auto& translator : LoadTranslations(UserLocale(code))) {
            const QString file = QFileInfo(translator->filePath()).completeBaseName();
            if (file.startsWith(QLatin1String("ferol_"))) {
                foundOurs = file.mid(6);
                // The compiled-in catalogue is the one made for that language.
                QVERIFY2(translator->filePath().startsWith(QLatin1String(":/i18n/")),
                         qPrintable(translator->filePath()));
                QCOMPARE(translator->language().left(ours.size()), ours);
            } else if (file.startsWith(QLatin1String("qt_"))) {
                foundQts = file.mid(3);
            }
        }
        QCOMPARE(foundOurs, ours);
        QCOMPARE(foundQts, qts);
    }
};

QTEST_GUILESS_MAIN(TestUserLanguage)
#include "tst_user_language.moc"
