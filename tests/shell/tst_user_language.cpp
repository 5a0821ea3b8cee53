#include "core/user_language.h"

#include <QFileInfo>
#include <QTest>
#include <QTranslator>

// Which catalogues a --language code brings: the program's compiled-in ones and Qt's own.
class TestUserLanguage : public QObject
{
    Q_OBJECT

private slots:
    void catalogues_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QStringList>("ours"); // the program's catalogues, in install order
        QTest::addColumn<QString>("qts");      // Qt's, "" for none
        const auto row = [](const char* name, const char* code, const char* ours, const char* qts) {
            QStringList catalogues{QStringLiteral("en")};
            if (*ours)
                catalogues << QString::fromLatin1(ours);
            QTest::newRow(name) << code << catalogues << qts;
        };
        row("Austrian German falls back to German", "de_AT", "de", "de");
        row("Brazilian Portuguese", "pt_BR", "pt_BR", "pt_BR");
        row("written with a dash", "pt-BR", "pt_BR", "pt_BR");
        row("Chinese alone is Simplified", "zh", "zh_CN", "zh_CN");
        row("Traditional Chinese is not Simplified", "zh_TW", "", "zh_TW");
        // English's own catalogue is loaded once, not a second time as the user's language.
        row("English", "en", "", "en");
        row("no such language", "xx", "", "");
    }

    void catalogues()
    {
        QFETCH(QString, code);
        QFETCH(QStringList, ours);
        QFETCH(QString, qts);
        QStringList foundOurs;
        QString foundQts;
        for (const auto& translator : LoadTranslations(UserLocale(code))) {
            const QString file = QFileInfo(translator->filePath()).completeBaseName();
            if (file.startsWith(QLatin1String("ferol_"))) {
                foundOurs << file.mid(6);
                // The compiled-in catalogue is the one made for that language.
                QVERIFY2(translator->filePath().startsWith(QLatin1String(":/i18n/")),
                         qPrintable(translator->filePath()));
                QCOMPARE(translator->language().left(foundOurs.last().size()), foundOurs.last());
            } else if (file.startsWith(QLatin1String("qt_"))) {
                QVERIFY2(foundOurs.isEmpty(), "Qt's catalogue would override the program's");
                foundQts = file.mid(3);
            }
        }
        QCOMPARE(foundOurs, ours);
        QCOMPARE(foundQts, qts);
    }

    // The English catalogue gives the texts with a count their English forms, and the
    // user's language, installed after it, its own.
    void plurals_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("shown");
        QTest::newRow("English, one") << "en" << 1 << "1 network";
        QTest::newRow("English, five") << "en" << 5 << "5 networks";
        QTest::newRow("Russian, two") << "ru" << 2 << "2 сети";
        QTest::newRow("Russian, five") << "ru" << 5 << "5 сетей";
        QTest::newRow("Russian, twenty-one") << "ru" << 21 << "21 сеть";
    }

    void plurals()
    {
        QFETCH(QString, code);
        QFETCH(int, count);
        // Asked the way the application asks its installed translators, last first; not
        // installed here, where the tests' own English catalogue is already.
        const auto loaded = LoadTranslations(UserLocale(code));
        QString shown;
        for (auto it = loaded.rbegin(); it != loaded.rend() && shown.isEmpty(); ++it)
            shown = (*it)->translate("PlanTexts", "%n network(s)", nullptr, count);
        shown.replace(QLatin1String("%n"), QString::number(count));
        QTEST(shown, "shown");
    }
};

QTEST_GUILESS_MAIN(TestUserLanguage)
#include "tst_user_language.moc"
