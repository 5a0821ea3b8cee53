// The special-purpose blocks' names as a tab shows them: every name either registry gives
// is looked up in the catalogues. The IPv6 tab's texts show them in the user's language.

#include "core/special_block_names.h"
#include "net/ipv4_special_blocks.h"
#include "net/ipv6_special.h"

#include <QCoreApplication>
#include <QSet>
#include <QTest>
#include <QTranslator>

namespace {

// Answers every lookup of a block name with the name in brackets.
class BracketingTranslator : public QTranslator
{
public:
    QString translate(const char* context, const char* sourceText, const char*, int) const override
    {
        return qstrcmp(context, "SpecialBlockNames") == 0
                   ? QLatin1Char('[') + QString::fromUtf8(sourceText) + QLatin1Char(']')
                   : QString();
    }
    bool isEmpty() const override { return false; }
};

} // namespace

class TestSpecialBlockNames : public QObject
{
    Q_OBJECT

private slots:
    void everyRegistryNameIsLookedUp_data()
    {
        QTest::addColumn<QString>("name");
        QSet<QString> names;
        const auto add = [&names](std::string_view name) {
            const QString text = QString::fromUtf8(name.data(), qsizetype(name.size()));
            if (!names.contains(text))
                QTest::newRow(qPrintable(text)) << text;
            names.insert(text);
        };
        for (const auto& block : net::Ipv4SpecialBlocks())
            add(block.name);
        for (const auto& block : net::Ipv6SpecialBlocks())
            add(block.name);
    }
    void everyRegistryNameIsLookedUp()
    {
        QFETCH(QString, name);
        BracketingTranslator brackets;
        QCoreApplication::installTranslator(&brackets);
        const QString shown = SpecialBlockName(name.toStdString());
        QCoreApplication::removeTranslator(&brackets);
        QCOMPARE(shown, QLatin1Char('[') + name + QLatin1Char(']'));
    }
};

QTEST_GUILESS_MAIN(TestSpecialBlockNames)
#include "tst_special_block_names.moc"
