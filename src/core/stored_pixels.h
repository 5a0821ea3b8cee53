#pragma once

// Artwork kept as its plain pixels, for images that must be ready before the window's
// first paint: the banner, and the program icon, which an X11 window hands to the window
// manager at every size as it is created. Turning these bytes back into an image is a
// copy; decoding the same PNGs costs tens of millions of instructions and a scan of the
// image format plugins. The build stores the committed PNGs this way (resources/).

#include <QByteArray>
#include <QImage>
#include <QPixmap>
#include <QString>

// Width, height and bytes per pixel, then the rows: red, green and blue bytes, followed by
// a premultiplied alpha byte where the image has an alpha channel.
QByteArray StorePixels(const QImage& image);

// The image stored in these bytes, or a null image when they do not hold a whole one.
QImage LoadStoredPixels(const QByteArray& bytes);

// The same from a compiled-in resource, as a pixmap ready to draw.
QPixmap LoadStoredPixmap(const QString& resourcePath);
