#include "core/stored_pixels.h"

#include <QDataStream>
#include <QIODevice>
#include <QResource>

#include <cstring>

namespace {

constexpr qsizetype kHeaderBytes = 3 * sizeof(quint32);
// Larger than any artwork of ours, small enough that no product of the sizes overflows.
constexpr quint32 kLongestSide = 16384;

// Both are byte-ordered, so the stored bytes read the same on any processor.
QImage::Format StoredFormat(quint32 bytesPerPixel)
{
    switch (bytesPerPixel) {
    case 3:
        return QImage::Format_RGB888;
    case 4:
        return QImage::Format_RGBA8888_Premultiplied;
    default:
        return QImage::Format_Invalid;
    }
}

} // namespace

QByteArray StorePixels(const QImage& image)
{
    const QImage stored = image.convertToFormat(
        image.hasAlphaChannel() ? QImage::Format_RGBA8888_Premultiplied : QImage::Format_RGB888);
    const int bytesPerPixel = stored.depth() / 8;
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out << static_cast<quint32>(stored.width()) << static_cast<quint32>(stored.height())
        << static_cast<quint32>(bytesPerPixel);
    for (int y = 0; y < stored.height(); ++y)
        out.writeRawData(reinterpret_cast<const char*>(stored.constScanLine(y)),
                         stored.width() * bytesPerPixel);
    return bytes;
}

QImage LoadStoredPixels(const QByteArray& bytes)
{
    QDataStream in(bytes);
    quint32 width = 0;
    quint32 height = 0;
    quint32 bytesPerPixel = 0;
    in >> width >> height >> bytesPerPixel;
    const QImage::Format format = StoredFormat(bytesPerPixel);
    if (in.status() != QDataStream::Ok || format == QImage::Format_Invalid || width == 0 ||
        height == 0 || width > kLongestSide || height > kLongestSide)
        return {};
    const qsizetype rowBytes = static_cast<qsizetype>(width) * bytesPerPixel;
    if (bytes.size() != kHeaderBytes + rowBytes * static_cast<qsizetype>(height))
        return {};
    // QImage pads its rows to four bytes, so the rows are copied one by one.
    QImage image(static_cast<int>(width), static_cast<int>(height), format);
    const char* row = bytes.constData() + kHeaderBytes;
    for (int y = 0; y < image.height(); ++y, row += rowBytes)
        std::memcpy(image.scanLine(y), row, static_cast<std::size_t>(rowBytes));
    return image;
}

QPixmap LoadStoredPixmap(const QString& resourcePath)
{
    return QPixmap::fromImage(LoadStoredPixels(QResource(resourcePath).uncompressedData()));
}
