#pragma once

// The controls every calculator panel is built from, placed at their design positions
// (pixel rects from twips.h) and named as the design names them, so tests and
// automation find each one by objectName. An element of a control array is named
// array_index: ElementName("sub_address", 2) is "sub_address_2".

#include "core/design_font.h"

#include <QRect>
#include <QString>

#include <cstdint>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

QString ElementName(const char* arrayName, int index);

template <typename Widget> Widget* Place(Widget* widget, const QString& name, const QRect& rect)
{
    widget->setObjectName(name);
    widget->setGeometry(rect);
    return widget;
}

// A caption, top-left aligned as the design draws them.
QLabel* MakeLabel(QWidget* parent, const QString& name, const QString& caption, const QRect& rect,
                  const QFont& font = DesignFont());

// A label the program writes a result into (a ResultLabel). Its text can be selected with
// the mouse and copied with the context menu or Ctrl+C; a click gives it the focus, but
// Tab passes it by. Assistive technology hears its accessible name and its text.
QLabel* MakeResultLabel(QWidget* parent, const QString& name, const QString& caption,
                        const QRect& rect, const QFont& font = DesignFont());

// A white frame without a title, grouping controls; what lies on it takes the design's
// colours.
QGroupBox* MakeFrame(QWidget* parent, const QString& name, const QRect& rect);

// A plain area that only groups controls; it paints nothing, so a frame border it
// overlaps stays visible.
QWidget* MakePicture(QWidget* parent, const QString& name, const QRect& rect);

// A box only the program writes. It can still be clicked into, so its text can be
// selected and copied, but Tab passes it by. Grey boxes take the button-face colour.
QLineEdit* MakeDisplayBox(QWidget* parent, const QString& name, const QRect& rect, bool grey);

// A design line in a colour (0x00BBGGRR): a rect one pixel high or wide, filled rather
// than stroked, so that at every scale factor it covers at least one device pixel.
QWidget* MakeLine(QWidget* parent, const QString& name, const QRect& rect, std::uint32_t color);

// A push button whose caption wraps when the design's button is narrower than it.
QPushButton* MakeButton(QWidget* parent, const QString& name, const QString& caption,
                        const QRect& rect);
