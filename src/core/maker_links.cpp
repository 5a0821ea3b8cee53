#include "core/maker_links.h"

QString MakerAddress(const QString& path)
{
    return QStringLiteral("http://") + QLatin1String(kMakerHost) + path + QStringLiteral("?EID=") +
           QLatin1String(kTrackingId);
}
