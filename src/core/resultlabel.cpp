#include "core/resultlabel.h"

#include "core/focus_frame.h"

#include <QAccessibleWidget>
#include <QPainter>

namespace {

class AccessibleResultLabel : public QAccessibleWidget, public QAccessibleTextInterface
{
public:
    explicit AccessibleResultLabel(QWidget* widget)
        : QAccessibleWidget(widget, QAccessible::StaticText)
    {}

    QLabel* label() const { return static_cast<QLabel*>(widget()); }

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Value || (kind == QAccessible::Name && !hasOwnName()))
            return label()->text();
        return QAccessibleWidget::text(kind);
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.readOnly = true;
        state.selectableText = true;
        return state;
    }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    // The text interface: the result, read-only, with the mouse selection.
    QString text(int startOffset, int endOffset) const override
    {
        return label()->text().mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override { return static_cast<int>(label()->text().size()); }
    int selectionCount() const override { return label()->hasSelectedText() ? 1 : 0; }
    void selection(int selectionIndex, int* startOffset, int* endOffset) const override
    {
        *startOffset = *endOffset = 0;
        if (selectionIndex == 0 && label()->hasSelectedText()) {
            *startOffset = label()->selectionStart();
            *endOffset = *startOffset + static_cast<int>(label()->selectedText().size());
        }
    }
    void setSelection(int /*selectionIndex*/, int startOffset, int endOffset) override
    {
        static_cast<ResultLabel*>(label())->makeSelectable();
        label()->setSelection(startOffset, endOffset - startOffset);
    }
    void addSelection(int startOffset, int endOffset) override
    {
        setSelection(0, startOffset, endOffset);
    }
    void removeSelection(int /*selectionIndex*/) override { label()->setSelection(0, 0); }
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int /*position*/) override {}
    QRect characterRect(int /*offset*/) const override { return {}; }
    int offsetAtPoint(const QPoint& /*point*/) const override { return -1; }
    void scrollToSubstring(int /*startIndex*/, int /*endIndex*/) override {}
    QString attributes(int offset, int* startOffset, int* endOffset) const override
    {
        *startOffset = *endOffset = offset;
        return {};
    }

private:
    bool hasOwnName() const { return !widget()->accessibleName().isEmpty(); }
};

QAccessibleInterface* CreateAccessibleResultLabel(const QString& className, QObject* object)
{
    if (className == QLatin1String("ResultLabel") && object->isWidgetType())
        return new AccessibleResultLabel(static_cast<QWidget*>(object));
    return nullptr;
}

} // namespace

ResultLabel::ResultLabel(const QString& text, QWidget* parent) : QLabel(text, parent)
{
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(CreateAccessibleResultLabel);
        return true;
    }();
    Q_UNUSED(factoryInstalled);
}

void ResultLabel::makeSelectable()
{
    // Selectable by mouse only: the label then takes the focus on a click (so Ctrl+C
    // reaches it) but never by Tab, and the tab order stays as designed.
    if (!(textInteractionFlags() & Qt::TextSelectableByMouse))
        setTextInteractionFlags(Qt::TextSelectableByMouse);
}

bool ResultLabel::event(QEvent* event)
{
    // The pointer enters before it clicks; a click that comes without (a touch, a test)
    // gives the focus the label did not yet ask for.
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        if (!hasFocus() && focusPolicy() == Qt::NoFocus) {
            makeSelectable();
            setFocus(Qt::MouseFocusReason);
        }
        break;
    case QEvent::Enter:
    case QEvent::FocusIn:
    case QEvent::ContextMenu:
        makeSelectable();
        break;
    default:
        break;
    }
    return QLabel::event(event);
}

void ResultLabel::paintEvent(QPaintEvent* event)
{
    QLabel::paintEvent(event);
    if (!hasFocus())
        return;
    QPainter painter(this);
    PaintFocusFrame(painter, *this, rect());
}
