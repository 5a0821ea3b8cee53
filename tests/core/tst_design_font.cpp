#include "core/design_font.h"

#include <QFontInfo>
#include <QRawFont>
#include <QTest>

// Which of the design font's families draws each language's words: the design's own
// wherever it has the letters, a font with Chinese glyphs where it has none.
class TestDesignFont : public QObject
{
    Q_OBJECT

    // The first family of the design font that is installed and has a glyph for every
    // character of text, as Qt's per-character fallback picks it.
    static QString DrawingFamily(const QString& text)
    {
        for (const QString& family : DesignFont().families()) {
            const QFont font(family);
            if (QFontInfo(font).family() != family)
                continue;
            // The family's own glyphs, without the fallbacks QFontMetrics would count.
            const QRawFont raw = QRawFont::fromFont(font);
            bool all = true;
            for (const char32_t c : text.toUcs4())
                all = all && (c == U' ' || raw.supportsCharacter(c));
            if (all)
                return family;
        }
        return {};
    }

private slots:
    void initTestCase() { RegisterDesignFonts(); }

    void familyPerScript_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("family");
        QTest::newRow("English") << "Subnet Mask Calculator"
                                 << "Tahoma";
        QTest::newRow("German") << "Größte Hostanzahl"
                                << "Tahoma";
        QTest::newRow("Russian") << "Маска подсети"
                                 << "Tahoma";
        QTest::newRow("Chinese") << "子网掩码计算器"
                                 << "WenQuanYi Micro Hei";
    }

    void familyPerScript()
    {
        QFETCH(QString, text);
        QFETCH(QString, family);
        QCOMPARE(DrawingFamily(text), family);
    }
};

QTEST_MAIN(TestDesignFont)
#include "tst_design_font.moc"
