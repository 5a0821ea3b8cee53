#include "lookwindow.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QSignalBlocker>

#include <algorithm>
#include <cmath>
#include <functional>

namespace {

double Luminance(QRgb colour)
{
    const auto linear = [](int channel) {
        const double c = channel / 255.0;
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(qRed(colour)) + 0.7152 * linear(qGreen(colour)) +
           0.0722 * linear(qBlue(colour));
}

double Contrast(QRgb a, QRgb b)
{
    const double la = Luminance(a);
    const double lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// A text a widget shows, and a way to take it out and put it back without any handler
// of the program noticing. A list shows one text per entry, each with its own colours.
struct ShownText
{
    QString name;
    QString text;
    std::function<void(const QString&)> set;
};

QList<ShownText> TextsOf(QWidget* widget)
{
    const QString name = widget->objectName();
    if (auto* label = qobject_cast<QLabel*>(widget))
        return {{name, label->text(), [label](const QString& t) {
                     label->setText(t);
                 }}};
    if (auto* button = qobject_cast<QAbstractButton*>(widget))
        return {{name, button->text(), [button](const QString& t) {
                     button->setText(t);
                 }}};
    if (auto* box = qobject_cast<QLineEdit*>(widget)) {
        return {{name, box->text(), [box](const QString& t) {
                     const QSignalBlocker quiet(box);
                     box->setText(t);
                 }}};
    }
    if (auto* box = qobject_cast<QPlainTextEdit*>(widget)) {
        return {{name, box->toPlainText(), [box](const QString& t) {
                     const QSignalBlocker quiet(box);
                     box->setPlainText(t);
                 }}};
    }
    QList<ShownText> entries;
    if (auto* list = qobject_cast<QListWidget*>(widget)) {
        for (int row = 0; row < list->count(); ++row) {
            QListWidgetItem* item = list->item(row);
            entries.append({name + ' ' + item->text(), item->text(), [item](const QString& t) {
                                item->setText(t);
                            }});
        }
    }
    return entries;
}

// The contrast of a text against what is drawn behind it: the window is drawn with the
// text and without it, and every pixel the text changed is compared with what lies there
// without it. The text's own colour shows where its strokes cover a whole pixel, so the
// best-contrasted pixel is the text's colour against its background.
double TextContrast(const QWidget& widget, const ShownText& shown)
{
    const QImage with = LookWindow::drawn(widget);
    shown.set(QString());
    const QImage without = LookWindow::drawn(widget);
    shown.set(shown.text);
    double best = 1.0;
    for (int y = 0; y < with.height(); ++y) {
        for (int x = 0; x < with.width(); ++x) {
            if (with.pixel(x, y) != without.pixel(x, y))
                best = std::max(best, Contrast(with.pixel(x, y), without.pixel(x, y)));
        }
    }
    return best;
}

} // namespace

// Every text on the calculator tabs and in About reads under a light and under a dark
// desktop theme: at least 4.5 : 1 against what is drawn behind it, on the drawn pixels.
class TestContrast : public QObject
{
    Q_OBJECT

private slots:
    void textsReadInEveryTheme_data()
    {
        QTest::addColumn<DesktopTheme>("theme");
        QTest::addColumn<QString>("where");
        QTest::addColumn<bool>("listOpen");
        const struct
        {
            const char* name;
            DesktopTheme theme;
        } themes[] = {{"light", DesktopTheme::Light}, {"dark", DesktopTheme::Dark}};
        for (const auto& theme : themes) {
            for (const char* where :
                 {"SubnetMaskCalc", "WildcardMaskCkr", "DecimalIpCalc", "About"})
                QTest::addRow("%s %s", theme.name, where) << theme.theme << QString(where) << false;
            QTest::addRow("%s examples open", theme.name)
                << theme.theme << QStringLiteral("DecimalIpCalc") << true;
        }
    }
    void textsReadInEveryTheme()
    {
        QFETCH(DesktopTheme, theme);
        QFETCH(QString, where);
        QFETCH(bool, listOpen);
        LookWindow look(theme);
        QWidget* shown = look.show(where);
        if (listOpen) {
            // Open, with an entry highlighted.
            QTest::mouseClick(shown->findChild<QWidget*>("vscrollHistory"), Qt::LeftButton);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        }

        QStringList measured;
        QStringList unreadable;
        for (QWidget* widget : shown->findChildren<QWidget*>()) {
            if (!widget->isVisible())
                continue;
            for (const ShownText& text : TextsOf(widget)) {
                if (text.text.isEmpty())
                    continue;
                const double contrast = TextContrast(*widget, text);
                measured << text.name;
                if (contrast < 4.5)
                    unreadable << QStringLiteral("%1 %2:1").arg(text.name).arg(contrast, 0, 'f', 1);
            }
        }
        QVERIFY2(unreadable.isEmpty(), qPrintable(unreadable.join(", ")));
        // The measure saw the texts it should: nothing vanished from the search.
        QVERIFY2(measured.size() >= 6, qPrintable(measured.join(' ')));
    }
};

QTEST_MAIN(TestContrast)
#include "tst_contrast.moc"
