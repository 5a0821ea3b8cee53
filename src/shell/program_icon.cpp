#include "shell/program_icon.h"

#include "core/stored_pixels.h"

#include <QDirIterator>
#include <QGuiApplication>
#include <QIconEngine>
#include <QPainter>
#include <QString>

namespace {

QIcon DecodedArtwork()
{
    // Every size the build compiled in (resources/).
    QIcon artwork;
    for (QDirIterator sizes(QStringLiteral(":/icons")); sizes.hasNext();)
        artwork.addPixmap(LoadStoredPixmap(sizes.next()));
    return artwork;
}

// Even stored as plain pixels, the images cost a share of the window's first paint,
// and no platform but a desktop's title bar ever draws them. This engine makes them when a
// size is first asked for.
class DecodeOnUse final : public QIconEngine
{
public:
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        // A ratio of 1 hands the size through as asked: QIcon has scaled it already.
        return decoded().pixmap(size, 1.0, mode, state);
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        const qreal ratio = painter->device() != nullptr ? painter->device()->devicePixelRatio()
                                                         : qGuiApp->devicePixelRatio();
        painter->drawPixmap(rect, pixmap(rect.size() * ratio, mode, state));
    }

    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return decoded().actualSize(size, mode, state);
    }

    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        return decoded().availableSizes(mode, state);
    }

    QString key() const override { return QStringLiteral("ferol-program-icon"); }

    QIconEngine* clone() const override { return new DecodeOnUse(*this); }

private:
    // One set of images for the icons of every window, kept until the program ends.
    static const QIcon& decoded()
    {
        static const QIcon artwork = DecodedArtwork();
        return artwork;
    }
};

} // namespace

QIcon ProgramIcon()
{
    return QIcon(new DecodeOnUse);
}
