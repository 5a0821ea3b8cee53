// Every tab in the pseudo-language (each text 40 % longer, accented and bracketed, built
// from a catalogue by scripts/pseudo_language.py), under a light and a dark desktop
// theme: no caption or button text cut, no control's text over another's, nothing
// beyond its frame or the window. With FEROL_RENDER_DIR set, each tab is also saved
// there as a PNG to look at.

#include "shell/application_setup.h"
#include "shell/frmwelcome2.h"
#include "testing/desktop_theme.h"
#include "testing/recordingshellservices.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTranslator>

#include <memory>

namespace {

// What a control shows as its text, without the & that marks an access key.
QString ShownText(const QWidget& widget)
{
    QString text;
    if (const auto* label = qobject_cast<const QLabel*>(&widget))
        text = label->textFormat() == Qt::RichText ? QString() : label->text();
    else if (const auto* button = qobject_cast<const QAbstractButton*>(&widget))
        text = button->text();
    return QString(text).remove(QRegularExpression(QStringLiteral("&(?=[^&])")));
}

// Why a control's text does not fit it, or nothing when it does: a label's text must fit
// in its rectangle (wrapped, when the label wraps), a button's caption within its frame,
// a check box's beside its indicator.
QString Cut(const QWidget& widget)
{
    const QString text = ShownText(widget);
    if (text.isEmpty())
        return {};
    const QFontMetrics metrics(widget.font());
    int needed = 0;
    int room = widget.width();
    if (const auto* label = qobject_cast<const QLabel*>(&widget)) {
        if (label->wordWrap()) {
            const int height = label->heightForWidth(label->contentsRect().width());
            return height > label->height() + 1 ? QStringLiteral("needs %1 pixels high, has %2")
                                                      .arg(height)
                                                      .arg(label->height())
                                                : QString();
        }
        needed = metrics.horizontalAdvance(text);
        room = label->contentsRect().width();
    } else if (const auto* box = qobject_cast<const QCheckBox*>(&widget)) {
        QStyleOptionButton option;
        option.initFrom(box);
        needed = metrics.horizontalAdvance(text);
        room = box->style()->subElementRect(QStyle::SE_CheckBoxContents, &option, box).width();
    } else if (const auto* button = qobject_cast<const QPushButton*>(&widget)) {
        // Buttons wrap a long caption onto as many lines as their height holds.
        QStyleOptionButton option;
        option.initFrom(button);
        const QRect inside =
            button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
        const QRect wrapped = metrics.boundingRect(inside, Qt::TextWordWrap, text);
        if (wrapped.height() > inside.height() || wrapped.width() > inside.width())
            return QStringLiteral("caption needs %1 x %2, has %3 x %4")
                .arg(wrapped.width())
                .arg(wrapped.height())
                .arg(inside.width())
                .arg(inside.height());
        return {};
    }
    return needed > room ? QStringLiteral("needs %1 pixels wide, has %2").arg(needed).arg(room)
                         : QString();
}

// Where on panel a control draws its text: a label's text where its alignment puts it
// (its rectangle is often wider or higher), any other control's its whole face.
QRect TextArea(const QWidget& widget, QWidget& panel)
{
    QRect area = widget.rect();
    if (const auto* label = qobject_cast<const QLabel*>(&widget); label && !label->wordWrap()) {
        const QSize text = QFontMetrics(label->font()).size(Qt::TextShowMnemonic, label->text());
        area = QStyle::alignedRect(label->layoutDirection(), label->alignment(),
                                   text.boundedTo(label->contentsRect().size()),
                                   label->contentsRect());
    }
    return area.translated(widget.mapTo(&panel, QPoint()));
}

bool ShowsText(const QWidget& widget)
{
    return widget.isVisible() &&
           (!ShownText(widget).isEmpty() || qobject_cast<const QLineEdit*>(&widget));
}

// Problems of the shown controls on panel, one line each.
QStringList Problems(QWidget& panel)
{
    QStringList problems;
    const QRect window = panel.window()->rect();
    QList<QWidget*> texts;
    for (QWidget* widget : panel.findChildren<QWidget*>()) {
        if (!ShowsText(*widget) || widget->objectName().startsWith("qt_"))
            continue;
        texts.append(widget);
        const QString name = widget->objectName();
        if (const QString cut = Cut(*widget); !cut.isEmpty())
            problems << name + QStringLiteral(" cut: ") + cut + " \"" + ShownText(*widget) + '"';
        const QRect inWindow(widget->mapTo(panel.window(), QPoint()), widget->size());
        if (!window.contains(inWindow))
            problems << name + QStringLiteral(" runs out of the window");
        else if (!widget->parentWidget()->rect().contains(widget->geometry()))
            problems << name + QStringLiteral(" runs out of ") +
                            widget->parentWidget()->objectName();
    }
    for (int i = 0; i < texts.size(); ++i) {
        const QRect a = TextArea(*texts[i], panel);
        for (int j = i + 1; j < texts.size(); ++j) {
            // Design rectangles touch by a pixel here and there; text does not.
            const QRect both = a & TextArea(*texts[j], panel);
            if (both.width() > 1 && both.height() > 1)
                problems << texts[i]->objectName() + QStringLiteral(" overlaps ") +
                                texts[j]->objectName();
        }
    }
    return problems;
}

} // namespace

class tst_PseudoLanguage : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY2(m_translator.load(QStringLiteral(FEROL_PSEUDO_QM)), FEROL_PSEUDO_QM);
        QCoreApplication::installTranslator(&m_translator);
        SetUpApplication();
    }

    void everyTabHasRoom_data()
    {
        QTest::addColumn<DesktopTheme>("theme");
        QTest::addColumn<QString>("tab");
        for (const DesktopTheme theme : {DesktopTheme::Light, DesktopTheme::Dark}) {
            for (const char* tab : {"SubnetMaskCalc", "WildcardMaskCkr", "DecimalIpCalc",
                                    "Ipv6Calc", "Planner", "Ferol"})
                QTest::addRow("%s %s", theme == DesktopTheme::Light ? "light" : "dark", tab)
                    << theme << QString::fromLatin1(tab);
        }
    }

    void everyTabHasRoom()
    {
        QFETCH(DesktopTheme, theme);
        QFETCH(QString, tab);
        UseDesktopTheme(theme);
        RecordingShellServices services;
        frmWelcome2 window(services);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto* tabs = window.findChild<QTabWidget*>(QStringLiteral("TabStrip1"));
        for (int i = 0; i < tabs->count(); ++i) {
            if (tabs->tabBar()->tabData(i).toString() == tab)
                tabs->setCurrentIndex(i);
        }
        QCOMPARE(tabs->tabBar()->tabData(tabs->currentIndex()).toString(), tab);
        QCoreApplication::processEvents();
        QVERIFY2(tabs->tabText(0).startsWith(QLatin1Char('[')),
                 "the pseudo-language is not in use");
        const QString folder = qEnvironmentVariable("FEROL_RENDER_DIR");
        if (!folder.isEmpty()) {
            QDir().mkpath(folder);
            const QString file =
                QStringLiteral("%1/pseudo-%2-%3@%4.png")
                    .arg(folder, tab, theme == DesktopTheme::Light ? "light" : "dark")
                    .arg(window.devicePixelRatioF());
            QVERIFY(window.grab().save(file));
        }
        const QStringList problems = Problems(*tabs->currentWidget());
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QStringLiteral("\n   "))));
    }

private:
    QTranslator m_translator;
};

QTEST_MAIN(tst_PseudoLanguage)
#include "tst_pseudo_language.moc"
