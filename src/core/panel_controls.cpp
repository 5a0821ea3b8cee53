#include "core/panel_controls.h"

#include "core/resultlabel.h"
#include "core/widget_colors.h"
#include "core/wrappingbutton.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

QString ElementName(const char* arrayName, int index)
{
    return QString::fromLatin1(arrayName) + QLatin1Char('_') + QString::number(index);
}

namespace {

QLabel* ShapeLabel(QLabel* label, const QString& name, const QRect& rect, const QFont& font)
{
    Place(label, name, rect);
    label->setFont(font);
    // Texts the program writes are shown as they are, never read as markup.
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

} // namespace

QLabel* MakeLabel(QWidget* parent, const QString& name, const QString& caption, const QRect& rect,
                  const QFont& font)
{
    return ShapeLabel(new QLabel(caption, parent), name, rect, font);
}

QLabel* MakeResultLabel(QWidget* parent, const QString& name, const QString& caption,
                        const QRect& rect, const QFont& font)
{
    return ShapeLabel(new ResultLabel(caption, parent), name, rect, font);
}

QGroupBox* MakeFrame(QWidget* parent, const QString& name, const QRect& rect)
{
    auto* frame = Place(new QGroupBox(parent), name, rect);
    SetBackgroundColor(*frame, kWhiteBgr);
    return frame;
}

QWidget* MakePicture(QWidget* parent, const QString& name, const QRect& rect)
{
    return Place(new QWidget(parent), name, rect);
}

QLineEdit* MakeDisplayBox(QWidget* parent, const QString& name, const QRect& rect, bool grey)
{
    auto* box = Place(new QLineEdit(parent), name, rect);
    box->setReadOnly(true);
    box->setFocusPolicy(Qt::ClickFocus);
    if (grey)
        SetBoxColor(*box, kButtonFaceBgr);
    return box;
}

QWidget* MakeLine(QWidget* parent, const QString& name, const QRect& rect, std::uint32_t color)
{
    auto* line = Place(new QWidget(parent), name, rect);
    SetBackgroundColor(*line, color);
    return line;
}

QPushButton* MakeButton(QWidget* parent, const QString& name, const QString& caption,
                        const QRect& rect)
{
    auto* button = Place(new WrappingButton(caption, parent), name, rect);
    // A focused button takes Enter as well as Space, in a panel as in a dialog.
    button->setAutoDefault(true);
    return button;
}
